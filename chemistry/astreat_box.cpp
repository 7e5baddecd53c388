// TAstreatBox: the notes on using the treatment model, shown before each run.
#include <QFrame>
#include <QVBoxLayout>

#include "chemistry/astreat_inputs.h"
#include "chemistry/print_notes.h"
#include "platform/forms/ui_service.h"

const char* const kAsTreatSteps[9] = {
    "1.  Press 'OK' button on title screen",
    "2.  Select Tier II (AsTreat) by clicking the AsTreat button",
    "3.  Make changes to any defaults as needed on the AsTreat worksheet",
    "4.  Press the 'Run' button at the top of the AsTreat worksheet",
    "5.  Press the 'Save' button at the top of the AsTreat Output Screen",
    "6.  Input the name 'treat.out' as the file name and press the 'OK' button",
    "7.  Close down the AsTreat output screen",
    "8.  Press the 'Exit' button at the top of the AsTreat worksheet",
    "9.  Press the 'OK' button on the message box stating that this will close treat",
};

TAstreatBox::TAstreatBox() {
    SetCaption("AsTreat Instructions");
    auto* layout = new QVBoxLayout(this);
    Heading = new forms::TLabel("Notes on Using AsTreat for Nyr", this);
    QFont bold = Heading->font();
    bold.setBold(true);
    Heading->setFont(bold);
    layout->addWidget(Heading);
    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    auto* panelLayout = new QVBoxLayout(panel);
    PanelHeading = new forms::TLabel("Steps to follow while in AsTreat:", panel);
    PanelHeading->setFont(bold);
    panelLayout->addWidget(PanelHeading);
    for (const char* step : kAsTreatSteps) {
        auto* line = new forms::TLabel(step, panel);
        line->setFont(bold);
        Steps.push_back(line);
        panelLayout->addWidget(line);
    }
    layout->addWidget(panel);
    auto* buttons = new QHBoxLayout();
    OKButton = new forms::TButton("OK", this);
    BitBtn2 = new forms::TButton("Print these Instructions", this);
    buttons->addStretch(1);
    buttons->addWidget(OKButton);
    buttons->addWidget(BitBtn2);
    layout->addLayout(buttons);
    OKButton->setDefault(true);
    OKButton->OnClick = [this] {
        SetModalResult(forms::mrOk);
        Close();
    };
    BitBtn2->OnClick = [this] { BitBtn2Click(); };
}

void TAstreatBox::BitBtn2Click() {
    std::vector<std::string> lines;
    for (const forms::TLabel* step : Steps) {
        lines.push_back(step->Text());
    }
    PrintNotes(Heading->Text(), PanelHeading->Text(), lines, Steps.front()->font());
}
