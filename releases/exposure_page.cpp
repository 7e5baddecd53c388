// TScrLevelForm: the age groups of the exposed population and the exposure factors page.
#include "form_helpers/edit_helpers.h"
#include "platform/forms/ui_service.h"
#include "platform/sys/text.h"
#include "releases/release_numbers.h"
#include "releases/scr_level_form.h"
#include "scenario/exposure_factor_entries.h"
#include "scenario/exposure_factors.h"
#include "scenario/scenario_record.h"

namespace {

// An edit of the page with its member and its name in messages.
struct FactorEdit {
    forms::TEdit* TScrLevelForm::*edit;
    double pmn_record::*member;
    const char* label;
    bool intake;  // an intake rate of exactly 0 is shown as "NA"
};

const FactorEdit kFactorEdits[] = {
    {&TScrLevelForm::BwExp, &pmn_record::BW, "Body weight", false},
    {&TScrLevelForm::EdNCExp, &pmn_record::EXPDURNCAN, "Exposure duration (non cancer)", false},
    {&TScrLevelForm::EdCExp, &pmn_record::EXPDURCAN, "Exposure duration (cancer)", false},
    {&TScrLevelForm::AtNCExp, &pmn_record::NCANCERAT, "Averaging time (non cancer)", false},
    {&TScrLevelForm::AtCExp, &pmn_record::CANCERAT, "Averaging time (cancer)", false},
    {&TScrLevelForm::DwCExp, &pmn_record::DRINKCHRON, "Drinking water ingestion (chronic)", true},
    {&TScrLevelForm::DwAExp, &pmn_record::DRINK, "Drinking water ingestion (acute)", true},
    {&TScrLevelForm::FishCExp, &pmn_record::FISHCHRON, "Fish ingestion (chronic)", true},
    {&TScrLevelForm::FishAExp, &pmn_record::FISH, "Fish ingestion (acute)", true},
    {&TScrLevelForm::InhaleExp, &pmn_record::INHALE, "Inhalation rate", true},
};

// The exact text of a value for the collecting routine, which reads texts.
std::string ExactText(double value) {
    return sys::Format("%.17g", value);
}

}  // namespace

void TScrLevelForm::ConnectFactorEdits() {
    for (const FactorEdit& factor : kFactorEdits) {
        forms::TEdit* edit = this->*factor.edit;
        edit->OnExit = [this, edit, factor] {
            ReadReleaseEdit(Shown, *edit, CurrentPmn.*factor.member, factor.label);
        };
    }
}

void TScrLevelForm::AgeGroupClick(int popNum) {
    bool adult = popNum == 0;
    Cancer->setVisible(adult);
    Chronic->setVisible(adult);
    Cancer->SetChecked(adult);
    Chronic->SetChecked(adult);
    CurrentPmn.POP_NUM = popNum;
    CurrentPmn.PopulationLabel = PopulationLabelFor(popNum);
    LoadScreeningExposureFactors();
    if (SuppressFactorLoad)
        RestoreExposureFactors();
    else
        SaveExposureFactors();
}

// The cancer duration and averaging time and the chronic intakes apply to adults only.
void TScrLevelForm::UpdateAgeGroupControls() {
    bool adult = CurrentPmn.POP_NUM == 0;
    for (QWidget* edit : std::initializer_list<QWidget*>{EdCExp, AtCExp, DwCExp, FishCExp}) {
        int index = expGrid_->indexOf(edit);
        int row = 0, col = 0, rowSpan = 0, colSpan = 0;
        expGrid_->getItemPosition(index, &row, &col, &rowSpan, &colSpan);
        for (int c = 0; c < 3; ++c) {
            if (QLayoutItem* item = expGrid_->itemAtPosition(row, c))
                item->widget()->setVisible(adult);
        }
    }
}

void TScrLevelForm::ShowExposureFactors() {
    if (FactorPageLocked)
        return;
    ChemIDExp->SetText(CurrentPmn.CaseNum);
    for (const FactorEdit& factor : kFactorEdits) {
        forms::TEdit& edit = *(this->*factor.edit);
        double value = CurrentPmn.*factor.member;
        if (factor.intake && value == 0)
            Shown.Text(edit, "NA", 0);
        else
            Shown.Number(edit, value);
    }
}

void TScrLevelForm::ExpFactorsPageShow() {
    ShowExposureFactors();
}

void TScrLevelForm::ExpFactorsPageExit() {
    if (SkipFactorCollectOnExit) {
        SkipFactorCollectOnExit = 0;
        return;
    }
    CollectExposureFactors();
}

bool TScrLevelForm::CollectExposureFactors() {
    ExposureFactorEntries entries;
    entries.ChemId = ChemIDExp->Text();
    entries.ExposureBased = ExposureBased->Checked();
    entries.Persistent = Persistent->Checked();
    std::string* texts[] = {&entries.BwExp,    &entries.EdNCExp,  &entries.EdCExp,
                            &entries.AtNCExp,  &entries.AtCExp,   &entries.DwCExp,
                            &entries.DwAExp,   &entries.FishCExp, &entries.FishAExp,
                            &entries.InhaleExp};
    size_t i = 0;
    for (const FactorEdit& factor : kFactorEdits) {
        forms::TEdit& edit = *(this->*factor.edit);
        std::optional<double> value =
            factor.intake && edit.Text() == "NA" ? std::optional<double>(0) : Shown.Read(edit);
        if (!value) {
            forms::Ui().MessageBox(NotANumberMessage(factor.label, edit.Text()), "Error",
                                   forms::Buttons::Ok, forms::Icon::Error);
            return false;
        }
        *texts[i++] = ExactText(*value);
    }
    ::CollectExposureFactors(entries);
    return true;
}
