// TScrMain: the screening-level main page with its modules, age groups and report format.
#pragma once

#include <QGroupBox>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/forms/components.h"
#include "platform/forms/form.h"
#include "shell/intro_picture.h"

// The answer about the word processor in this run: 0 none yet, 1 available, 2 not available.
extern int WordCheckResult;

// One age group of the exposed population.
struct AgeGroup {
    const char* name;     // the radio's component name
    const char* caption;  // the radio's caption, also the population label (but "Adult")
    int popNum;
    double exposureYears;  // EXPDURCAN and ED_KIV
};
extern const std::array<AgeGroup, 7> kAgeGroups;

// The position of a chemical among the runs of equal chemical ids of release keys in table
// order, counted from 0; the last position when it is absent (-1 for no keys).
int ChemicalPosition(const std::vector<std::string>& keys, const std::string& chemicalId);

class TScrMain : public forms::Form {
    Q_OBJECT
  public:
    TScrMain();
    ~TScrMain() override;

    TClickPanel* Panel2;
    TImage* SeasImage;
    forms::TLabel* Memo6;
    TClickPanel* Panel135;
    TImage* FlushImage;
    forms::TLabel* Memo3;
    TClickPanel* Panel136;
    TImage* RunKiv;
    forms::TLabel* Memo2;

    forms::TRadioButton* Adult;
    forms::TRadioButton* Youth;
    forms::TRadioButton* YouthNew;
    forms::TRadioButton* Child;
    forms::TRadioButton* Toddler;
    forms::TRadioButton* Infant1_2;
    forms::TRadioButton* Infant1;

    QGroupBox* HealthPanel;  // never shown
    // The entry to the dilution pages used alone, on a panel that is never shown.
    QGroupBox* IndividualModelsPanel;
    forms::TButton* IndividualModels;
    forms::TCheckBox* Cancer;
    forms::TCheckBox* Chronic;
    forms::TCheckBox* Acute;
    forms::TRadioButton* YesAdd;
    forms::TRadioButton* NoAdd;

    forms::TEdit* ChemId1;
    TClickLabel* Label3;
    TClickPanel* NoWp;    // shown while Word is the report format
    TClickPanel* NoWord;  // shown while WordPerfect is the report format
    forms::TButton* BitBtn1;
    forms::TButton* FateHelp;

    // The value of WordCheckResult after the last check that ran.
    int WordStatus = 0;

    void FormShow() override { activated_ = false; }
    // Once per showing of the page.
    void FormActivate() override;

    void SeasImageClick();
    void FlushImageClick();
    void RunKivClick();
    // Opens the results form for its dilution pages alone; PdmOnlyRun is set for the visit.
    void IndividualModelsClick();
    void AgeGroupClick(int popNum);
    void BitBtn1Click();
    void FateHelpClick();
    void NoWpClick();
    void NoWordClick();
    void Label3Click();
    // Asks about the word processor when no answer is known; the answer to the question (mrYes
    // or mrNo), or nullopt when it did not ask.
    std::optional<int> CheckWordAvailable();

    // The radio of a population group number; nullptr for an unknown number.
    forms::TRadioButton* AgeRadio(int popNum) const;
    // True while WordPerfect is the report format.
    bool WordPerfectFormat() const { return forms::Visible(NoWord); }

  protected:
    // Follows the report-format panel being shown or hidden, by any code.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildLayout();
    void BuildModules(QLayout* layout);
    void BuildAgeGroups(QLayout* layout);
    void BuildHealthPanel(QLayout* layout);
    void BuildIndividualModelsPanel(QLayout* layout);
    void BuildReportFormat(QLayout* layout);
    void ShowWordFormat(bool word);
    void CountChemicalPosition(const std::string& chemicalId);
    void CheckStoredAgeGroup();
    // Writes the page's choices into MainChoices, which every other part reads.
    void PublishChoices();
    void PublishChoicesOnChange();

    bool shownOnce_ = false;
    bool activated_ = false;
    std::vector<forms::TRadioButton*> ageRadios_;
};

// The start-up instance.
extern TScrMain* ScrMain;
