// TAbout1Box: the about box, with credits that a click on its picture can set cycling.
#include "shell/about.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "platform/forms/ui_service.h"

TAbout1Box::TAbout1Box() {
    BuildLayout();
    creditLines_ = {"lll"};
    designCaption_ = lCredits->Text();
}

void TAbout1Box::BuildLayout() {
    SetCaption("About");
    Image1 = new TImage("pictures/about.jpg", this);
    lCredits = new forms::TLabel("Screening-level exposure estimates", this);
    ProductName = new forms::TLabel("Ombrix (2014)", this);
    QFont big = ProductName->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    ProductName->setFont(big);
    LongName = new forms::TLabel(
        "Models for screening-level estimates of exposure to chemicals released to the "
        "environment",
        this);
    LongName->setWordWrap(true);
    Version = new forms::TLabel("May 2014", this);
    Contact = new forms::TLabel(
        "Questions and comments: the assessment team that maintains this program.", this);
    Contact->setWordWrap(true);
    OK = new forms::TButton("OK", this);
    Timer1 = new forms::TTimer(this);
    Timer1->SetInterval(5000);
    Timer1->SetEnabled(false);

    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout();
    left->addWidget(Image1);
    left->addWidget(lCredits);
    layout->addLayout(left);
    auto* right = new QVBoxLayout();
    right->addWidget(ProductName);
    right->addWidget(LongName);
    right->addWidget(Version);
    right->addWidget(Contact);
    right->addStretch();
    right->addWidget(OK);
    layout->addLayout(right);
    setFixedSize(560, 300);

    Image1->OnClick = [this] { Image1DblClick(); };
    Timer1->OnTimer = [this] { Timer1Timer(); };
    OK->OnClick = [this] {
        SetModalResult(forms::mrOk);
        Close();
    };
}

// The first click only starts the timer; a second one while it runs shows the credits, a third
// puts the design caption back and stops the timer.
void TAbout1Box::Image1DblClick() {
    if (!Timer1->Enabled()) {
        Timer1->SetEnabled(true);
        return;
    }
    creditsShown_ = !creditsShown_;
    if (creditsShown_) {
        nextLine_ = 0;
        ShowNextAboutLine();
    } else {
        lCredits->SetText(designCaption_);
        Timer1->SetEnabled(false);
    }
}

void TAbout1Box::Timer1Timer() {
    if (!creditsShown_) {
        Timer1->SetEnabled(false);
        return;
    }
    ShowNextAboutLine();
}

void TAbout1Box::ShowNextAboutLine() {
    lCredits->SetText(creditLines_[nextLine_]);
    nextLine_ = (nextLine_ + 1) % creditLines_.size();
}

void TAbout1Box::FormClose() {
    Timer1->SetEnabled(false);
}

void TAbout1Box::hideEvent(QHideEvent* event) {
    Timer1->SetEnabled(false);
    forms::Form::hideEvent(event);
}
