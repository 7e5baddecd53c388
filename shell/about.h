// TAbout1Box: the about box, with credits that a click on its picture can set cycling.
#pragma once

#include <string>
#include <vector>

#include "platform/forms/components.h"
#include "platform/forms/form.h"
#include "shell/intro_picture.h"

class TAbout1Box : public forms::Form {
    Q_OBJECT
  public:
    TAbout1Box();

    TImage* Image1;
    forms::TLabel* lCredits;
    forms::TLabel* ProductName;
    forms::TLabel* LongName;
    forms::TLabel* Version;
    forms::TLabel* Contact;
    forms::TButton* OK;
    forms::TTimer* Timer1;

    void FormClose() override;
    void Image1DblClick();
    void Timer1Timer();
    void ShowNextAboutLine();

    bool CreditsShown() const { return creditsShown_; }
    const std::string& DesignCaption() const { return designCaption_; }

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    void BuildLayout();

    std::vector<std::string> creditLines_;
    std::string designCaption_;
    bool creditsShown_ = false;
    size_t nextLine_ = 0;
};
