// TScrLevelForm: the release edits, their filters and exit rules, the sludge release, the
// release-kind boxes and the facility or industry-category radios.
#include "form_helpers/edit_helpers.h"
#include "platform/forms/ui_service.h"
#include "releases/release_numbers.h"
#include "releases/release_rules.h"
#include "releases/scr_level_form.h"
#include "releases/treatment_handoff.h"
#include "scenario/lookups_facility.h"
#include "scenario/scenario_record.h"

namespace {

void ShowError(const std::string& text) {
    forms::Ui().MessageBox(text, "Error", forms::Buttons::Ok, forms::Icon::Error);
}

// Keeps digits and the characters of a whole number typed with a point or grouping commas, so
// that "3.5" reaches the exit rule (which refuses it) instead of becoming "35".
void KeepDayCharacters(forms::TextControl& edit) {
    std::string kept;
    for (char c : edit.Text()) {
        if ((c >= '0' && c <= '9') || c == '.' || c == ',')
            kept += c;
    }
    edit.SetText(kept);
}

}  // namespace

// The marks of a value that does not apply ("N/A") or of an intake of 0 ("NA") stay as shown;
// anything else keeps only the characters of a number.
void TScrLevelForm::ReleaseEditChanged(forms::TEdit& edit) {
    if (edit.Text() != "N/A" && edit.Text() != "NA")
        FilterNumericEdit(edit);
}

void TScrLevelForm::DaysEditChanged(forms::TEdit& edit) {
    KeepDayCharacters(edit);
}

void TScrLevelForm::ApplySludgeDerivation(bool testModule) {
    bool landfillModule = CurrentPmn.MODGUYS.size() > 1 && CurrentPmn.MODGUYS[1] == '1';
    if (testModule && !landfillModule)
        return;
    CurrentPmn.SORPTION = SludgeFromAdsorption(CurrentPmn);
    CurrentPmn.DAYSSLUDGE = CurrentPmn.H2ODAYHI;
    Shown.Number(*SludgeRel, CurrentPmn.SORPTION);
    Shown.Count(*SludgeDays, CurrentPmn.DAYSSLUDGE);
    if (testModule && CurrentPmn.SORPTION > 0)
        LandfillCheck->SetChecked(true);
}

void TScrLevelForm::FacilityRelExit() {
    ReadReleaseEdit(Shown, *FacilityRel, CurrentPmn.H2O_HI, "Release to surface water");
    ApplySludgeDerivation(true);
    if (CurrentPmn.SORPTION > 0)
        LandfillCheck->SetChecked(true);
}

// The days of a release: a whole number up to 365. Empty text shows the stored whole days
// again; a text with a fraction is refused with a message and the stored days stay.
void TScrLevelForm::DaysRule(forms::TEdit& edit, double& member, const std::string& message) {
    if (edit.Text().empty()) {
        Shown.Text(edit, std::to_string(static_cast<long>(member)), member);
        return;
    }
    std::optional<double> days = Shown.ReadDays(edit);
    if (!days) {
        ShowError(NotWholeDaysMessage(message.substr(0, message.find(" must")), edit.Text()));
        Shown.Count(edit, member);
        return;
    }
    member = *days;
    if (*days > 365) {
        forms::Ui().MessageBox(message, "Error", forms::Buttons::OkCancel, forms::Icon::Error);
        member = 365;
        Shown.Text(edit, "365", 365);
    }
}

void TScrLevelForm::SurfDaysExit() {
    DaysRule(*SurfDays, CurrentPmn.H2ODAYHI,
             "Surface water days per year must be less than or equal to 365");
    ApplySludgeDerivation(true);
}

void TScrLevelForm::FugDaysExit() {
    DaysRule(*FugDays, CurrentPmn.FUGDAYHI,
             "Fugitive days per year must be less than or equal to 365");
    FugitiveRelExit();
}

void TScrLevelForm::LandfillRelExit() {
    ReadReleaseEdit(Shown, *LandfillRel, CurrentPmn.LANDREL, "Non-sludge landfill release");
}

void TScrLevelForm::SludgeRelExit() {
    ReadReleaseEdit(Shown, *SludgeRel, CurrentPmn.SORPTION, "Sludge landfill release");
}

// One air release read in the unit of its chooser; true when the amount changed, so that its
// computed concentrations no longer hold.
bool TScrLevelForm::AirReleaseRule(forms::TEdit& edit, double& amount, double days,
                                   QComboBox* units) {
    const double before = amount;
    const std::string label = &edit == Incinerate ? "Stack release" : "Fugitive release";
    const int item = units->currentIndex();
    double perUnit = 1.0;
    if (item == LbsPerSiteDay)
        perUnit = kPoundsPerKilogram;
    else if (item == KgPerSiteYear)
        perUnit = days;
    else if (item == LbsPerSiteYear)
        perUnit = days * kPoundsPerKilogram;
    if (item >= 0 && perUnit > 0) {
        double shown = amount * perUnit;
        if (ReadReleaseEdit(Shown, edit, shown, label))
            amount = ConvertReleaseToKgPerSiteDay(shown, item, days);
    }
    IncinerationCheck->SetChecked(FugitiveCheck->Checked());
    return amount != before;
}

void TScrLevelForm::IncinerateExit() {
    if (AirReleaseRule(*Incinerate, CurrentPmn.INCINREL, CurrentPmn.INCINDAYS, StackUnits)) {
        Shown.Number(*AirConcAcuteRel, 0);
        Shown.Number(*AirConcRel, 0);
    }
}

void TScrLevelForm::FugitiveRelExit() {
    if (AirReleaseRule(*FugitiveRel, CurrentPmn.FUGREL, CurrentPmn.FUGDAYHI, FugitiveUnits)) {
        Shown.Number(*AirConcAcuteRelFug, 0);
        Shown.Number(*AirConcRelFug, 0);
    }
}

void TScrLevelForm::AirConcAcuteRelEnter() {
    AirConcAcuteRel->SetText("");
}

void TScrLevelForm::AirConcAcuteRelExit() {
    if (AirConcAcuteRel->Text().empty())
        Shown.Number(*AirConcAcuteRel, CurrentPmn.ACUTE_CONC);
}

void TScrLevelForm::NpdesGriExit() {
    const std::string text = NpdesGri->Text();
    if (text.size() == 9) {
        CurrentPmn.DTYPE = 'D';
        FacilityIndexName = "NPDES";
        LoadFacility(text, FacilityIndexName);
        if (DirectRec.NPDES == text)
            FacName->SetText(DirectRec.NAME);
    } else if (!text.empty()) {
        FacilityRadio->SetChecked(true);
        PdmAnalysis->hide();
        SearchFor->SetText(text);
        PerformSearchClick();
    }
}

void TScrLevelForm::ClearFacilityMembers() {
    CurrentPmn.NPDES.clear();
    CurrentPmn.FAC_NAME.clear();
    CurrentPmn.FAC_LOC.clear();
    CurrentPmn.REACH.clear();
    CurrentPmn.REACHNAME.clear();
}

void TScrLevelForm::SurfWaterCheckClick() {
    if (!SurfWaterCheck->Checked()) {
        ShowTab(ReleaseInfoPages, SelectFacilityPage, false);
        ShowTab(ReleaseInfoPages, SelectSicCodePage, false);
        ClearFacilityMembers();
        Shown.Text(*FacilityRel, "0", 0);
        Shown.Text(*SurfDays, "0", 0);
        FacilityRadio->SetChecked(false);
        SicRadio->SetChecked(false);
        CurrentPmn.SIC_CODE = 0;
        SicDescGri->SetText("");
        NpdesGri->SetText("");
        FacName->SetText("");
        for (forms::TEdit* coc : {Coc0, Coc1, Coc2})
            Shown.Text(*coc, "0", 0);
        ShowTab(ReleasePages, SWTab, false);
    } else {
        if (TreatmentRunWaitsFor(ChemList->Cells(0, CurrentReleaseRow))) {
            // The sludge release per day of the run computed for this release, as every release
            // here is held; another release never shows it.
            Shown.Number(*SludgeRel, TreatmentSludgePerDay());
            LandfillCheck->SetChecked(true);
        }
        ShowTab(ReleasePages, SWTab, true);
    }
    UpdateReleasePagesVisible();
}

void TScrLevelForm::LandfillCheckClick() {
    if (!LandfillCheck->Checked() || !forms::Visible(LandfillCheck)) {
        Shown.Number(*LandfillRel, 0);
        Shown.Number(*SludgeRel, 0);
        Shown.Text(*SludgeDays, "0", 0);
        Shown.Text(*NonSludgeDays, "0", 0);
        ShowTab(ReleasePages, LandfillTab, false);
    } else {
        ShowTab(ReleasePages, LandfillTab, true);
        if (TabShown(ReleasePages, SWTab)) {
            ReadReleaseEdit(Shown, *FacilityRel, CurrentPmn.H2O_HI, "Release to surface water");
            if (std::optional<double> days = Shown.ReadDays(*SurfDays)) {
                CurrentPmn.H2ODAYLO = *days;
                CurrentPmn.H2ODAYHI = *days;
            }
            ApplySludgeDerivation(false);
        }
    }
    UpdateReleasePagesVisible();
}

void TScrLevelForm::FugitiveCheckClick() {
    if (!FugitiveCheck->Checked()) {
        Shown.Number(*Incinerate, 0);
        Shown.Number(*FugitiveRel, 0);
        Shown.Text(*FugDays, "0", 0);
        Shown.Text(*IncinDays, "0", 0);
        for (forms::TEdit* air : {AirConcRel, AirConcAcuteRel, AirConcRelFug, AirConcAcuteRelFug})
            Shown.Number(*air, 0);
        IncinerationCheck->SetChecked(false);
        ShowTab(ReleasePages, AirTab, false);
    } else {
        IncinerationCheck->SetChecked(true);
        ShowTab(ReleasePages, AirTab, true);
    }
    UpdateReleasePagesVisible();
}

void TScrLevelForm::FacilityRadioClick() {
    SurfWaterCheck->SetChecked(true);
    PdmAnalysis->hide();
    ActInactGenRel->show();
    Critters->show();
    ShowTab(ReleaseInfoPages, SelectFacilityPage, true);
    ShowTab(ReleaseInfoPages, SelectSicCodePage, false);
    ReleaseInfoPages->setCurrentWidget(SelectFacilityPage);
    CurrentPmn.SIC_CODE = -1;
}

void TScrLevelForm::SicRadioClick() {
    SurfWaterCheck->SetChecked(true);
    PdmAnalysis->show();
    ActInactGenRel->hide();
    ModifyFlows->hide();
    FacName->SetText("");
    ShowTab(ReleaseInfoPages, SelectFacilityPage, false);
    ShowTab(ReleaseInfoPages, SelectSicCodePage, true);
    Critters->hide();
    Critters->SetChecked(false);
    ReleaseInfoPages->setCurrentWidget(SelectSicCodePage);
    ClearFacilityMembers();
}
