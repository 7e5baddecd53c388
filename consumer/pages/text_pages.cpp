// The pages of typed inputs: inhalation, dermal (potential dose) and dermal (absorbed dose).
#include "consumer/pages/text_pages.h"

#include "consumer/model/case_state.h"
#include "consumer/model/input_checks.h"
#include "consumer/model/result_format.h"
#include "consumer/model/use_day_pattern.h"
#include "consumer/pages/help_files.h"
#include "consumer/pages/kiv_state.h"

namespace consumer {
namespace {

bool IsLaundry(const ExposureInputs& in) {
    return in.ScenarioName == "Laundry Detergent";
}

bool IsBarSoap(const ExposureInputs& in) {
    return in.ScenarioName == "Bar Soap";
}

std::string DoseText(const ExposureInputs& in) {
    return in.DoseType == "Potential" ? "(potential dose estimate)" : "(absorbed dose estimate)";
}

void SetRowVisible(TInputPage* page, NumberEdit* edit, bool visible) {
    edit->setVisible(visible);
    QString id = edit->objectName().mid(4);
    for (const char* prefix : {"label", "unit"}) {
        if (QWidget* widget = page->findChild<QWidget*>(prefix + id))
            widget->setVisible(visible);
    }
}

}  // namespace

void LinkDurationEdits(NumberEdit* duration, NumberEdit* averagingTime) {
    // Both edits show the value with four significant digits; the store step takes the value
    // as typed, not its rounded text. Leaving an edit without a change copies nothing new.
    auto copy = [](NumberEdit* from, NumberEdit* to) {
        const double value = from->Number();
        if (to->Number() == value && from->Text() == EditNumberText(value))
            return;
        to->ShowNumber(value, true);
        from->ShowNumber(value, true);
    };
    duration->OnExit = [=] { copy(duration, averagingTime); };
    averagingTime->OnExit = [=] { copy(averagingTime, duration); };
}

TInhInput::TInhInput(QWidget* parent) : TInputPage("Inhalation Inputs", 8, parent) {
    OmitButton(103);
    AddIdentityRows();
    doseLabel_ = AddLabel(3, 0, "(potential dose estimate)", 3);
    AddNumberRow(120, 4, 0, "Frequency of Use (chronic):", "events/year");
    AddNumberRow(121, 5, 0, "Exposure Duration (chronic):", "years");
    AddLabel(6, 0, "Frequency of Use (acute): 1 event/day", 3);
    AddLabel(7, 0, "Exposure Duration: (acute) 1 day", 3);
    AddNumberRow(122, 8, 0, "Mass of Product Used per Event - Central Tendency", "g");
    AddNumberRow(123, 9, 0, "Mass of Product Used per Event - High-End", "g");
    AddNumberRow(124, 10, 0, "Duration of Event - Central Tendency", "hrs/ev");
    AddNumberRow(204, 11, 0, "Duration of Event - High-End", "hrs/ev");
    AddNumberRow(125, 12, 0, "Air Exchange Rate", "air xchgs per hour");
    AddNumberRow(127, 4, 1, "Inhalation Rate After Use", "m3/hr");
    AddNumberRow(128, 5, 1, "Inhalation Rate During Use", "m3/hr");
    AddNumberRow(131, 6, 1, "Portion of Aerosol in the Air", "unitless");
    AddNumberRow(126, 7, 1, "Body Weight", "kg");
    AddNumberRow(132, 8, 1, "Averaging Time (chronic)", "years");
    AddLabel(9, 3, "Averaging Time (acute) 1 day", 3);
    SetRowVisible(this, AddNumberRow(133, 10, 1, "Averaging Time - ADD, ADC", "years"), false);
    SetRowVisible(this, AddNumberRow(134, 11, 1, "Averaging Time (acute)", "days"), false);
    LinkDurationEdits(Number(121), Number(133));
}

void TInhInput::SetupWindow() {
    TInputPage::SetupWindow();
    const ExposureInputs& in = *CaseInputs;
    ShowIdentity(IsLaundry(in) ? " (Machine Washing)" : "");
    doseLabel_->SetText(DoseText(in));
    const std::pair<int, double> shown[] = {
        {120, in.EVENTSPERYEAR},   {121, in.YEARSOFUSE},        {122, in.MassUsedCentral},
        {123, in.MassUsedHighEnd}, {124, in.DurationCentral},   {204, in.DurationHighEnd},
        {125, in.AIREXRATE},       {127, in.INHALRATEAFTERUSE}, {128, in.INHALRATEDURINGUSE},
        {126, in.BODYWEIGHT},      {132, in.YEARSLIFETIME},     {133, in.AveragingTimeAdd}};
    for (const auto& [id, value] : shown)
        Number(id)->ShowNumber(value);
    bool sprayed = in.ScenarioKeyword == "sprayedsurface";
    SetRowVisible(this, Number(131), sprayed);
    if (sprayed)
        Number(131)->ShowNumber(in.FRACTAEROSOL);
    Number(134)->ShowNumber(in.ScenarioName == kUserDefined ? in.AveragingTimeAcute : 1.0);
    previousHighEnd_ = in.DurationHighEnd;
    EnablePathwayButtons();
    PageCode = '9';
}

void TInhInput::StoreStep() {
    ExposureInputs& in = *CaseInputs;
    previousHighEnd_ = in.DurationHighEnd;
    Number(120)->StoreNumber(in.EVENTSPERYEAR);
    if (!IsLaundry(in))
        in.FrequencyBody = in.EVENTSPERYEAR;
    const std::pair<int, double*> stored[] = {
        {121, &in.YEARSOFUSE},        {122, &in.MassUsedCentral},    {123, &in.MassUsedHighEnd},
        {124, &in.DurationCentral},   {204, &in.DurationHighEnd},    {125, &in.AIREXRATE},
        {127, &in.INHALRATEAFTERUSE}, {128, &in.INHALRATEDURINGUSE}, {126, &in.BODYWEIGHT},
        {132, &in.YEARSLIFETIME},     {133, &in.AveragingTimeAdd}};
    for (const auto& [id, field] : stored)
        Number(id)->StoreNumber(*field);
    if (in.ScenarioKeyword == "sprayedsurface")
        Number(131)->StoreNumber(in.FRACTAEROSOL);
    if (in.ScenarioName == kUserDefined)
        Number(134)->StoreNumber(in.AveragingTimeAcute);
    InputErrorFlag = false;
}

void TInhInput::CommandEnabler(int) {
    StoreStep();
    AdjustUseDayPattern(*CaseInputs, previousHighEnd_);
}

void TInhInput::PageButtonClick(int id) {
    StoreStep();
    ExposureInputs& in = *CaseInputs;
    if (id == 101) {
        CheckInhalationInputs(in, InputErrorFlag);
        if (InputErrorFlag)
            return;
    } else if (PathwayAbsent(id)) {
        return;
    }
    AdjustUseDayPattern(in, previousHighEnd_);
    Navigate(PageCodeOfButton(id));
}

TDermInput::TDermInput(QWidget* parent) : TInputPage("Dermal Inputs", 9, parent) {
    OmitButton(104);
    AddIdentityRows();
    doseLabel_ = AddLabel(3, 0, "(potential dose estimate)", 3);
    AddNumberRow(135, 4, 0, "Amount Retained on Skin", "g/cm2-event");
    AddNumberRow(201, 5, 0, "Frequency of Use - Body (chronic)", "events/year");
    bodyFrequencyLabel_ = findChild<forms::TLabel*>("label201");
    AddNumberRow(138, 6, 0, "Frequency of Use - Hands (chronic)", "events/year");
    acuteLabel_ = AddLabel(7, 0, "Frequency of Use 1 Event/Day - Body (acute)", 3);
    AddNumberRow(132, 8, 0, "Averaging Time (chronic) -", "years");
    AddNumberRow(200, 9, 0, "Exposure Duration (chronic)", "years");
    AddNumberRow(136, 4, 1, "Surface Area to Body Weight Ratio - Body", "cm2/kg");
    AddNumberRow(137, 5, 1, "Surface Area to Body Weight Ratio - Hands", "cm2/kg");
    AddLabel(6, 3, "Exposure Duration (acute) - 1 Day", 3);
    AddLabel(7, 3, "Averaging Time (acute) 1 Day", 3);
    SetRowVisible(
        this, AddNumberRow(133, 8, 1, "Averaging Time (chronic) - ADDpot, ADCpot", "years"), false);
    LinkDurationEdits(Number(200), Number(133));
}

void TDermInput::SetupWindow() {
    TInputPage::SetupWindow();
    const ExposureInputs& in = *CaseInputs;
    ShowIdentity(IsLaundry(in) ? " (Hand Washing)" : "");
    doseLabel_->SetText(DoseText(in));
    const std::pair<int, double> shown[] = {{135, in.AmountOnSkin},     {201, in.FrequencyBody},
                                            {200, in.YEARSOFUSE},       {132, in.YEARSLIFETIME},
                                            {133, in.AveragingTimeAdd}, {136, in.SurfaceAreaBody}};
    for (const auto& [id, value] : shown)
        Number(id)->ShowNumber(value);
    bool barSoap = IsBarSoap(in);
    SetRowVisible(this, Number(137), barSoap);
    SetRowVisible(this, Number(138), barSoap);
    if (barSoap) {
        Number(137)->ShowNumber(in.SurfaceAreaHands);
        Number(138)->ShowNumber(in.FrequencyHands);
        bodyFrequencyLabel_->SetText("Frequency of Use - Body (chronic)");
        // Two lines: on one the label would widen its columns and squeeze the edits beside it.
        acuteLabel_->SetText(
            "Frequency of Use 1 Event/Day - Body (acute);\nFrequency of Use 2 Events/Day - Hands "
            "(acute)");
    } else {
        bodyFrequencyLabel_->SetText("Frequency of Use (chronic)");
        acuteLabel_->SetText("Frequency of Use (acute)                         1 Event/Day");
    }
    EnablePathwayButtons();
    PageCode = '9';
}

void TDermInput::StoreStep() {
    ExposureInputs& in = *CaseInputs;
    Number(135)->StoreNumber(in.AmountOnSkin);
    Number(201)->StoreNumber(in.FrequencyBody);
    Number(200)->StoreNumber(in.YEARSOFUSE);
    if (!IsLaundry(in))
        in.EVENTSPERYEAR = in.FrequencyBody;
    Number(132)->StoreNumber(in.YEARSLIFETIME);
    Number(133)->StoreNumber(in.AveragingTimeAdd);
    Number(136)->StoreNumber(in.SurfaceAreaBody);
    // Outside bar soap the hands rows are hidden; the doses leave the hands values out.
    if (IsBarSoap(in)) {
        Number(137)->StoreNumber(in.SurfaceAreaHands);
        Number(138)->StoreNumber(in.FrequencyHands);
    }
    InputErrorFlag = false;
}

void TDermInput::PageButtonClick(int id) {
    if (id == 107) {
        StoreStep();
        return;
    }
    FollowPageButton(id);
}

TDermInput2::TDermInput2(QWidget* parent) : TInputPage("Dermal Inputs", 9, parent) {
    OmitButton(104);
    AddIdentityRows();
    doseLabel_ = AddLabel(3, 0, "(absorbed dose estimate)", 3);
    AddNumberRow(319, 4, 0, "Duration of Event (acute and chronic)", "hr/event");
    AddNumberRow(320, 5, 0, "Density of Formulation", "g/cm3");
    AddNumberRow(318, 6, 0, "Dilution", "unitless");
    AddNumberRow(120, 7, 0, "Frequency of Use (chronic)", "events/year");
    AddNumberRow(121, 8, 0, "Exposure Duration (chronic)", "years");
    AddNumberRow(132, 4, 1, "Averaging Time (chronic)", "years");
    AddNumberRow(136, 5, 1, "Surface Area to Body Weight Ratio", "cm2/kg");
    AddLabel(6, 3, "Frequency of Use (acute) 1 Event/Day", 3);
    AddLabel(7, 3, "Exposure Duration (acute) 1 Day", 3);
    AddLabel(8, 3, "Averaging Time (acute) 1 Day", 3);
    SetRowVisible(this, AddNumberRow(133, 9, 1, "Averaging Time - ADDpot , ADCpot", "years"),
                  false);
    LinkDurationEdits(Number(121), Number(133));
}

void TDermInput2::SetupWindow() {
    TInputPage::SetupWindow();
    const ExposureInputs& in = *CaseInputs;
    ShowIdentity("");
    doseLabel_->SetText(DoseText(in));
    const std::pair<int, double> shown[] = {
        {319, in.DermalEventDuration}, {320, in.FormulationDensity}, {318, in.Dilution},
        {120, in.FrequencyBody},       {121, in.YEARSOFUSE},         {132, in.YEARSLIFETIME},
        {136, in.SurfaceAreaBody},     {133, in.AveragingTimeAdd}};
    for (const auto& [id, value] : shown)
        Number(id)->ShowNumber(value);
    EnablePathwayButtons();
    PageCode = '9';
}

void TDermInput2::StoreStep() {
    ExposureInputs& in = *CaseInputs;
    const std::pair<int, double*> stored[] = {
        {319, &in.DermalEventDuration}, {320, &in.FormulationDensity}, {318, &in.Dilution},
        {120, &in.FrequencyBody},       {121, &in.YEARSOFUSE},         {132, &in.YEARSLIFETIME},
        {136, &in.SurfaceAreaBody},     {133, &in.AveragingTimeAdd}};
    for (const auto& [id, field] : stored)
        Number(id)->StoreNumber(*field);
    // The absorbed-dose check and the inhalation model read the frequency of use as events per
    // year; this page is where it is typed.
    if (!IsLaundry(in))
        in.EVENTSPERYEAR = in.FrequencyBody;
    InputErrorFlag = false;
}

void TDermInput2::PageButtonClick(int id) {
    FollowPageButton(id);
}

void TDermInput2::HelpClick() {
    OpenAbsorbedDoseHelp();
}

}  // namespace consumer
