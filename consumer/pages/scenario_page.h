// The Scenario page: the product scenario of the case, its age group and weight fractions.
#pragma once

#include <QComboBox>
#include <map>

#include "consumer/pages/input_page.h"

namespace consumer {

class TScenario : public TInputPage {
    Q_OBJECT
  public:
    explicit TScenario(QWidget* parent = nullptr);
    void SetupWindow() override;
    // Applies the age group and commits the scenario.
    void StoreStep() override;
    void CommandEnabler(int command) override;

    forms::TRadioButton* Radio(int id) const { return radios_.at(id); }
    forms::TButton* WeightFractionButton() const { return weightFractions_; }
    forms::TEdit* AgeGroupEdit() const { return ageEdit_; }
    QComboBox* AgeGroupList() const { return ageList_; }

    // The steps of the page, callable on their own.
    void ApplyProductChoice();
    void ApplyAgeGroup();
    void Commit();
    void SelectUserDefined();
    void EditWeightFractions();

  protected:
    void PageButtonClick(int id) override;

  private:
    void RefuseNonAdultWithoutVapourPressure(int radio);
    void Uncheck(int radio);

    std::map<int, forms::TRadioButton*> radios_;
    forms::TButton* weightFractions_ = nullptr;
    forms::TEdit* ageEdit_ = nullptr;
    QComboBox* ageList_ = nullptr;
    int selectionCount_ = 0;
    bool settingUp_ = false;
};

// The labels of the age groups 1..7 as the Scenario page lists them.
const char* AgeGroupLabel(int ageGroup);

}  // namespace consumer
