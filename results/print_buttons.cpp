// The "Print Page" buttons of the result pages: print dialog, one document per press, and what
// becomes of the document when the printer fails.
#include <QBoxLayout>
#include <QLayout>

#include "form_helpers/print_frame_parts.h"
#include "results/print_reports.h"
#include "results/scr_res_form.h"

namespace {

// The box layout that holds the widget, searched from its parent's layout down.
QBoxLayout* BoxHolding(QLayout* layout, QWidget* widget) {
    if (!layout)
        return nullptr;
    if (layout->indexOf(widget) >= 0)
        return qobject_cast<QBoxLayout*>(layout);
    for (int i = 0; i < layout->count(); ++i) {
        if (QBoxLayout* found = BoxHolding(layout->itemAt(i)->layout(), widget))
            return found;
    }
    return nullptr;
}

// Puts the button just before the page's Help button.
void PlaceBeside(forms::TButton* button, QWidget* help) {
    QWidget* parent = help->parentWidget();
    QBoxLayout* box = BoxHolding(parent ? parent->layout() : nullptr, help);
    if (box)
        box->insertWidget(box->indexOf(help), button);
}

}  // namespace

void ValueRow(ReportPage& page, const TScrResForm& form, int line, const std::string& label,
              const std::vector<double>& columns, const std::vector<std::string>& fields) {
    std::vector<std::string> texts;
    for (const std::string& field : fields)
        texts.push_back(form.FieldText(field));
    LabelledRow(page, line, label, columns, texts);
}

void PrintPageReport(TScrResForm& form, void (*report)(TScrResForm&, print::PrintJob&),
                     QWidget* disabledWhilePrinting) {
    PrintOnePage(
        form.Caption(), [&form, report](print::PrintJob& job) { report(form, job); },
        disabledWhilePrinting);
}

void TScrResForm::AddPrintButtons() {
    // The reports print in the fixed-pitch font of the species grids.
    EndSpecSite->setFont(ReportFont(false));
    EndSpecLake->setFont(ReportFont(true));
    const std::array<std::pair<forms::TButton**, QWidget*>, 8> buttons = {{
        {&Button1, EnvRelHelp},
        {&Button2, RiverHelp},
        {&Button3, SicHelp},
        {&Button4, LakeHelp},
        {&Button5, FugitiveHelp},
        {&Button6, LandfillHelp},
        {&Button7, PdmSiteHelp},
        {&Button8, PdmSicHelp},
    }};
    const std::array<void (TScrResForm::*)(), 8> handlers = {
        &TScrResForm::Button1Click, &TScrResForm::Button2Click, &TScrResForm::Button3Click,
        &TScrResForm::Button4Click, &TScrResForm::Button5Click, &TScrResForm::Button6Click,
        &TScrResForm::Button7Click, &TScrResForm::Button8Click};
    for (size_t i = 0; i < buttons.size(); ++i) {
        forms::TButton* button =
            AddButton(buttons[i].second->parentWidget(), "Print Page", handlers[i]);
        button->setObjectName(QString("Button%1").arg(i + 1));
        *buttons[i].first = button;
        PlaceBeside(button, buttons[i].second);
    }
}

void TScrResForm::Button1Click() {
    PrintPageReport(*this, PrintEnvReleaseReport, ChemListEnvRel);
}
void TScrResForm::Button2Click() {
    PrintPageReport(*this, PrintRiverSiteReport);
}
void TScrResForm::Button3Click() {
    PrintPageReport(*this, PrintSicCodeReport);
}
void TScrResForm::Button4Click() {
    PrintPageReport(*this, PrintLakeReport);
}
void TScrResForm::Button5Click() {
    PrintPageReport(*this, PrintInhalationReport);
}
void TScrResForm::Button6Click() {
    PrintPageReport(*this, PrintGroundwaterReport);
}
void TScrResForm::Button7Click() {
    PrintPageReport(*this, PrintPdmSiteReport);
}
void TScrResForm::Button8Click() {
    PrintPageReport(*this, PrintPdmSicReport);
}
