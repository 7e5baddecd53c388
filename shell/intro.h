// TIntro: the introductory screen, the main form and the hub of the main program.
#pragma once

#include <QMenuBar>
#include <string>

#include "platform/forms/components.h"
#include "platform/forms/form.h"
#include "shell/intro_picture.h"

// The note for a command whose screen this version does not have yet.
void ShowNotAvailable(const std::string& screen);

class TIntro : public forms::Form {
    Q_OBJECT
  public:
    TIntro();
    ~TIntro() override;

    forms::TButton* CasSelect;
    TClickPanel* Panel152;
    TImage* SmokeStack;
    forms::TLabel* Memo7;
    forms::TButton* BitBtn4;
    forms::TButton* AboutButton;
    QMenuBar* MainMenu1;

    // The first showing leads to the activation even where the window system does not
    // activate the window by itself.
    void FormShow() override;
    // The start-up work on the first activation; later activations do nothing.
    void FormActivate() override;
    // Closing the main form closes the lookup tables and ends the program.
    void FormClose() override;

    void CasSelectClick();
    void SmokeStackClick();
    void AboutButtonClick();
    void ChangeDataDrive1Click();
    void BitBtn4Click();
    void Topics1Click();
    void Quit1Click();

    bool StartupDone() const { return startupDone_; }
    // True once the user chose to end the program during the start-up work.
    bool StartupAbandoned() const { return startupAbandoned_; }

  protected:
    // Escape does not end the program; Quit or the close button does.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void BuildLayout();
    void BuildMenu();

    bool started_ = false;
    bool startupDone_ = false;
    bool startupAbandoned_ = false;
};

extern TIntro* Intro;
