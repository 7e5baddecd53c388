// The Scenario page: the product scenario of the case, its age group and weight fractions.
#include "consumer/pages/scenario_page.h"

#include <QGroupBox>
#include <QVBoxLayout>
#include <cstdio>

#include "consumer/data/defaults.h"
#include "consumer/model/case_reset.h"
#include "consumer/model/case_state.h"
#include "consumer/model/use_day_pattern.h"
#include "consumer/pages/kiv_state.h"
#include "consumer/pages/scenario_dialogs.h"
#include "platform/forms/ui_service.h"

namespace consumer {
namespace {

struct ProductRow {
    int radio;
    const char* name;
    int number;
    const char* keyword;
    int scenarioClass;
};

const ProductRow kProducts[] = {
    {118, "General Purpose Cleaner", 1, "appliedsurfacecleaner", 2},
    {119, "Latex Paint", 2, "appliedsurfacepaint", 2},
    {111, "Fabric Protector", 3, "sprayedsurface", 1},
    {112, "Aerosol Paint", 4, "sprayedsurface", 1},
    {113, "Laundry Detergent", 5, "addedwater", 2},
    {117, "Solid Air Freshener", 6, "placedenvironment", 1},
    {114, "Bar Soap", 7, "contactskin", 0},
    {115, "Used Motor Oil", 8, "contactskin", 0},
};
const ProductRow kNoProduct = {0, "", 0, "", 2};

// The order in which the checked radio is looked for.
const int kChoiceOrder[] = {119, 111, 112, 113, 117, 114, 115, 118};

const ProductRow& RowOf(int radio) {
    for (const ProductRow& row : kProducts) {
        if (row.radio == radio)
            return row;
    }
    return kNoProduct;
}

const char* const kAgeLabels[] = {"Adult",
                                  "Youth (age 16-20)",
                                  "Child (age 6-10)",
                                  "Small Child (age 3-5)",
                                  "Infant (age 1-2)",
                                  "Infant (age<1)",
                                  "Youth (age 11-15)"};

struct GroupSpec {
    const char* caption;
    std::vector<int> radios;
};

const GroupSpec kGroups[] = {
    {"Product Applied to Surface (Dermal, Inhalation)", {118, 119}},
    {"Product Sprayed on Surface (Inhalation)", {111, 112}},
    {"Product Added to Water (Dermal, Inhalation)", {113}},
    {"Product Placed in Environment (Inhalation)", {117}},
    {"Product Directly Contacting Skin (Dermal)", {114, 115}},
};

// The permeability is part of the scenario choice (the user-defined dialog has just set it), not
// an exposure default: the defaults of the new scenario leave it as chosen.
void LoadNewScenarioDefaults(ExposureInputs& in) {
    const double permeability = in.PermeabilityCoefficient;
    const double kow = in.KowValue;
    const std::int32_t source = in.PermeabilitySource;
    ResetExposureInputs(in, *CaseResults);
    in.PermeabilityCoefficient = permeability;
    in.KowValue = kow;
    in.PermeabilitySource = source;
    LoadProductDefaults(in);
    LoadHouseVolume(in);
}

// The values the main program sends with a new case that the first defaults would replace.
struct SentValue {
    double ExposureInputs::*field;
    const char* label;
};

const SentValue kSentValues[] = {
    {&ExposureInputs::YEARSOFUSE, "Exposure Duration (chronic), years"},
    {&ExposureInputs::YEARSLIFETIME, "Averaging Time (chronic), years"},
    {&ExposureInputs::BODYWEIGHT, "Body Weight, kg"},
    {&ExposureInputs::INHALRATEAFTERUSE, "Inhalation Rate After Use, m3/hr"},
    {&ExposureInputs::SurfaceAreaBody, "Surface Area to Body Weight Ratio - Body, cm2/kg"},
    {&ExposureInputs::SurfaceAreaHands, "Surface Area to Body Weight Ratio - Hands, cm2/kg"},
};

std::string ShortNumber(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// A linked case's first defaults: the values the main program sent stand unless the user takes
// the product defaults for them, and the question names each value the defaults would replace.
// A hands value outside bar soap enters no dose and is kept as sent.
void KeepSentValuesUnlessAccepted(ExposureInputs& in, const ExposureInputs& sent) {
    std::string differences;
    for (const SentValue& value : kSentValues) {
        if (value.field == &ExposureInputs::SurfaceAreaHands && !UsesHands(in))
            continue;
        if (in.*value.field != sent.*value.field) {
            differences += "\n" + std::string(value.label) + ": sent " +
                           ShortNumber(sent.*value.field) + ", default " +
                           ShortNumber(in.*value.field);
        }
    }
    bool accepted = false;
    if (!differences.empty()) {
        accepted =
            forms::Ui().MessageBox(
                "The product defaults differ from values sent by the main program:" + differences +
                    "\n\nDo you wish to use the product defaults?",
                "Note", forms::Buttons::YesNo, forms::Icon::Question) == forms::mrYes;
    }
    if (accepted)
        return;
    for (const SentValue& value : kSentValues)
        in.*value.field = sent.*value.field;
    // The averaging time of an adult's daily dose follows the exposure duration it keeps.
    if (in.AgeGroup < 2 || in.AgeGroup > 7)
        in.AveragingTimeAdd = in.YEARSOFUSE;
}

}  // namespace

const char* AgeGroupLabel(int ageGroup) {
    return ageGroup >= 1 && ageGroup <= 7 ? kAgeLabels[ageGroup - 1] : "";
}

TScenario::TScenario(QWidget* parent) : TInputPage("Scenario Data", 7, parent) {
    OmitButton(102);
    auto* box = new QGroupBox("Scenario", this);
    auto* boxLayout = new QVBoxLayout(box);
    for (const GroupSpec& group : kGroups) {
        boxLayout->addWidget(new forms::TLabel(group.caption, box));
        for (int id : group.radios) {
            auto* radio = new forms::TRadioButton(RowOf(id).name, box);
            radio->OnClick = [this] {
                if (settingUp_)
                    return;
                ScenarioAutoApplied = false;
                ApplyProductChoice();
            };
            radios_[id] = radio;
            boxLayout->addWidget(radio);
        }
    }
    auto* user = new forms::TRadioButton("User Defined Scenario", box);
    user->OnClick = [this] {
        if (!settingUp_)
            SelectUserDefined();
    };
    radios_[116] = user;
    boxLayout->addWidget(user);
    Body()->addWidget(box, 0, 0, 1, 3);
    AddLabel(1, 0, "Age Group");
    ageEdit_ = new forms::TEdit(this);
    ageEdit_->setReadOnly(true);
    Body()->addWidget(ageEdit_, 1, 1);
    ageList_ = new QComboBox(this);
    for (const char* label : kAgeLabels)
        ageList_->addItem(label);
    ageList_->hide();
    connect(ageList_, &QComboBox::currentIndexChanged, this, [this] {
        if (!settingUp_)
            ApplyAgeGroup();
    });
    weightFractions_ = new forms::TButton("Edit Weight Fractions for Selected Scenario", this);
    weightFractions_->OnClick = [this] { EditWeightFractions(); };
    Body()->addWidget(weightFractions_, 2, 0, 1, 2);
}

void TScenario::SetupWindow() {
    TInputPage::SetupWindow();
    settingUp_ = true;
    InputErrorFlag = false;
    selectionCount_ = 0;
    ExposureInputs& in = *CaseInputs;
    bool anyChecked = false;
    for (auto& [id, radio] : radios_) {
        bool match =
            id == 116 ? in.ScenarioName == kUserDefined : in.ScenarioName == RowOf(id).name;
        radio->setAutoExclusive(false);
        radio->SetChecked(match);
        radio->setAutoExclusive(true);
        if (match) {
            ++selectionCount_;
            anyChecked = true;
        }
    }
    ageEdit_->SetText(AgeGroupLabel(in.AgeGroup));
    ageList_->setCurrentIndex(in.AgeGroup >= 1 && in.AgeGroup <= 7 ? in.AgeGroup - 1 : 0);
    settingUp_ = false;
    if (ScenarioPageFirstShow == 1) {
        if (anyChecked)
            ScenarioAutoApplied = true;
        if (!radios_.at(116)->Checked())
            ApplyProductChoice();
    }
    radios_.at(115)->setEnabled(in.AgeGroup <= 1);
    ScenarioPageFirstShow = 0;
    PreviousScenarioKeyword = in.ScenarioKeyword;
    EnablePathwayButtons();
    PageCode = '9';
}

void TScenario::Uncheck(int radio) {
    forms::TRadioButton* button = radios_.at(radio);
    button->setAutoExclusive(false);
    button->SetChecked(false);
    button->setAutoExclusive(true);
}

// A person younger than an adult cannot be assessed for this product without a vapour pressure:
// the choice is undone so that neither the pages nor a run go on with it.
void TScenario::RefuseNonAdultWithoutVapourPressure(int radio) {
    ExposureInputs& in = *CaseInputs;
    in.ScenarioNumber = 0;
    forms::ShowMessage(
        "You have selected a non-adult and no vapor pressure.  Therefore, you cannot use this "
        "scenario.");
    for (int id : {103, 104, 105, 106}) {
        if (forms::TButton* button = PageButton(id))
            button->setEnabled(false);
    }
    Uncheck(radio);
    in.ScenarioName.clear();
    in.ScenarioKeyword.clear();
}

void TScenario::ApplyProductChoice() {
    ExposureInputs& in = *CaseInputs;
    int checked = 0;
    for (int id : kChoiceOrder) {
        if (radios_.at(id)->Checked()) {
            checked = id;
            break;
        }
    }
    const ProductRow& row = RowOf(checked);
    if (checked != 0) {
        in.ScenarioApplyCount += selectionCount_;
        --selectionCount_;
    }
    in.ScenarioNumber = row.number;
    in.ScenarioName = row.name;
    in.ScenarioKeyword = row.keyword;
    in.ScenarioClass = row.scenarioClass;
    bool refused = false;
    if (row.scenarioClass == 2) {
        if (in.VAPORPRESS <= 0)
            in.ScenarioClass = 0;
        ApplyAgeGroup();
        if (checked != 0 && in.AgeGroup > 1 && in.VAPORPRESS == 0) {
            if (checked == 113) {
                in.ScenarioApplyCount += selectionCount_;
                --selectionCount_;
            }
            RefuseNonAdultWithoutVapourPressure(checked);
            refused = true;
        }
    } else if (row.scenarioClass == 1) {
        if (in.VAPORPRESS <= 0) {
            in.ScenarioNumber = 0;
            forms::ShowMessage(
                "Since you did not enter a value for vapor pressure, this product cannot be "
                "analyzed.");
            Uncheck(checked);
            in.ScenarioName.clear();
            in.ScenarioKeyword.clear();
        }
    } else if (checked == 115) {
        if (in.AgeGroup > 1 && in.VAPORPRESS == 0) {
            RefuseNonAdultWithoutVapourPressure(checked);
            refused = true;
        }
        ApplyAgeGroup();
    }
    in.PermeabilityCoefficient = 0.0;
    in.KowValue = 0.0;
    in.DoseType = "Potential";
    if (!refused)
        EnablePathwayButtons();
    if (selectionCount_ < 0)
        selectionCount_ = 0;
}

void TScenario::ApplyAgeGroup() {
    ExposureInputs& in = *CaseInputs;
    in.AgeGroup = ageList_->currentIndex() + 1;
    const std::string& keyword = in.ScenarioKeyword;
    if (in.AgeGroup > 1 && in.ScenarioName != kUserDefined) {
        if (keyword == "appliedsurfacecleaner" || keyword == "addedwater" ||
            keyword == "appliedsurfacepaint" || in.ScenarioName == "Used Motor Oil") {
            if (!in.ScenarioName.empty() && in.VAPORPRESS > 0)
                in.ScenarioClass = 1;
        } else {
            InputErrorFlag = false;
        }
    } else {
        InputErrorFlag = false;
        if (keyword == "contactskin") {
            in.ScenarioClass = 0;
        } else if (keyword == "placedenvironment" || keyword == "sprayedsurface") {
            if (in.VAPORPRESS > 0)
                in.ScenarioClass = 1;
        } else if (in.VAPORPRESS > 0) {
            in.ScenarioClass = 2;
        }
    }
    EnablePathwayButtons();
}

void TScenario::SelectUserDefined() {
    ExposureInputs& in = *CaseInputs;
    ScenarioAutoApplied = false;
    in.ScenarioApplyCount += selectionCount_;
    --selectionCount_;
    TUserDef dialog(this);
    dialog.ShowModal();
    in.ScenarioName = kUserDefined;
    in.ScenarioNumber = 9;
    in.YEARSLIFETIME = 78.0;
    EnablePathwayButtons();
    ApplyAgeGroup();
    if (in.VAPORPRESS == 0)
        in.ScenarioClass = 0;
}

void TScenario::Commit() {
    ExposureInputs& in = *CaseInputs;
    if (!InputErrorFlag) {
        in.ScenarioApplyCount += 1;
        selectionCount_ = 0;
        if (in.ScenarioApplyCount == 2) {
            PreviousScenarioName = in.ScenarioName;
            PreviousAgeGroup = in.AgeGroup;
        }
        // A case that never had its defaults (no house volume) gets them at its first commit,
        // also when the page's own choice at its first showing already counted past 2.
        if (in.ScenarioApplyCount >= 2 && in.HOUSEVOL == 0.0 && !in.ScenarioName.empty()) {
            const ExposureInputs sent = in;
            LoadProductDefaults(in);
            LoadExposureFactors(in);
            if (RunMode == kRunLinked)
                KeepSentValuesUnlessAccepted(in, sent);
        } else if (in.ScenarioApplyCount > 2 && !ScenarioAutoApplied &&
                   (in.ScenarioName != PreviousScenarioName || in.AgeGroup != PreviousAgeGroup ||
                    in.ScenarioKeyword != PreviousScenarioKeyword)) {
            int answer = forms::mrYes;
            if (RunMode != kRunChemicalId) {
                answer = forms::Ui().MessageBox(
                    "You have changed the scenario. Do you want to use\nthe default input values "
                    "for the new scenario?",
                    "Warning", forms::Buttons::YesNo, forms::Icon::Warning);
            }
            if (answer == forms::mrYes) {
                LoadNewScenarioDefaults(in);
            } else if (in.ROOMOFUSE == 0) {
                in.ROOMOFUSE = 6;
                in.ZONE1VOL = 2.4;
                in.STARTTIME = 12;
            }
            PreviousScenarioName = in.ScenarioName;
        }
        PreviousAgeGroup = in.AgeGroup;
        AdjustUseDayPattern(in, in.DurationHighEnd);
        // A refused choice leaves no scenario, and no scenario is no choice.
        if (!in.ScenarioName.empty())
            ScenarioChosen = 1;
    }
    if (in.ScenarioName.empty())
        forms::ShowMessage("You must select a scenario before continuing");
}

void TScenario::StoreStep() {
    ApplyAgeGroup();
    Commit();
}

void TScenario::CommandEnabler(int command) {
    if (command == 21)
        return;
    ExposureInputs& in = *CaseInputs;
    if (in.ScenarioName == kUserDefined) {
        if (ScenarioAutoApplied)
            ScenarioChosen = 1;
        if (selectionCount_ < 0)
            selectionCount_ = 0;
        in.ScenarioApplyCount += selectionCount_;
        --selectionCount_;
        if (!ScenarioAutoApplied)
            in.ScenarioApplyCount += 1;
    } else {
        ApplyProductChoice();
    }
    Commit();
}

void TScenario::PageButtonClick(int id) {
    StoreStep();
    if (!InputErrorFlag && !CaseInputs->ScenarioName.empty())
        Navigate(PageCodeOfButton(id));
}

void TScenario::EditWeightFractions() {
    const ExposureInputs& in = *CaseInputs;
    if (in.ScenarioKeyword == "sprayedsurface" || in.ScenarioKeyword == "placedenvironment" ||
        in.ScenarioName == kUserDefined) {
        forms::ShowMessage("There is no list of Weight Fractions for the scenario chosen", "Note",
                           forms::Icon::Information);
        return;
    }
    TWFValue dialog(this);
    dialog.ShowModal();
}

}  // namespace consumer
