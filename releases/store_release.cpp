// TScrLevelForm::StoreReleaseInputs: the release pages read into one release row, with the site
// choice, the release marks and the checks.
#include <cctype>

#include "dilution/industry_categories.h"
#include "platform/forms/ui_service.h"
#include "platform/sys/text.h"
#include "releases/release_numbers.h"
#include "releases/release_rules.h"
#include "releases/scr_level_form.h"
#include "releases/treatment_handoff.h"
#include "scenario/exposure_factors.h"
#include "scenario/lookups_facility.h"
#include "scenario/lookups_flows.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_table.h"

namespace {

constexpr size_t kRemarksLength = 249;
// The release activity's text field in the scenario table holds this many characters.
constexpr size_t kActivityLength = 254;

// Why a text cannot go into a table text field of the given width (Windows-1252, one byte a
// character); empty when it can.
std::string TextFieldProblem(const std::string& text, size_t width) {
    const std::string stored = sys::Utf8ToCp1252(text);
    if (sys::Cp1252ToUtf8(stored) != text) {
        for (size_t at = 0; at < text.size();) {
            const size_t length = sys::Utf8SequenceLength(text, at);
            const std::string one = text.substr(at, length);
            if (sys::Cp1252ToUtf8(sys::Utf8ToCp1252(one)) != one)
                return "the character '" + one + "' cannot be stored. Please replace it.";
            at += length;
        }
    }
    if (stored.size() > width)
        return sys::Format("the text is %zu characters long; it can hold %zu. Please shorten it.",
                           stored.size(), width);
    return "";
}

// Every number of the release pages, read before anything is stored.
struct PageNumbers {
    double Sites = 0;
    double Water = 0, WaterDays = 0;
    double StackAnnual = 0, StackAcute = 0, FugitiveAnnual = 0, FugitiveAcute = 0;
    double Coc[3] = {0, 0, 0};
    double Landfill = 0, Sludge = 0, SludgeDays = 0, NonSludgeDays = 0;
    double Stack = 0, StackDays = 0, Fugitive = 0, FugitiveDays = 0;
};

// Reads one field; a text that is no number is named in the list of failures.
class FieldReader {
  public:
    explicit FieldReader(const ShownValues& shown) : shown_(shown) {}
    void Number(const forms::TextControl& edit, double& target, const std::string& label) {
        if (std::optional<double> value = shown_.Read(edit))
            target = *value;
        else
            failures_.push_back(NotANumberMessage(label, edit.Text()));
    }
    void Text(const forms::TextControl& edit, size_t width, const std::string& label) {
        if (std::string problem = TextFieldProblem(edit.Text(), width); !problem.empty())
            failures_.push_back(label + ": " + problem);
    }
    void Days(const forms::TextControl& edit, double& target, const std::string& label) {
        if (std::optional<double> value = shown_.ReadDays(edit))
            target = *value;
        else
            failures_.push_back(NotWholeDaysMessage(label, edit.Text()));
    }
    const std::vector<std::string>& Failures() const { return failures_; }

  private:
    const ShownValues& shown_;
    std::vector<std::string> failures_;
};

// The whole number at the start of a text (0 when it has none).
int LeadingWholeNumber(const std::string& text) {
    int value = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            break;
        value = value * 10 + (c - '0');
    }
    return value;
}

void ShowCheckMessage(const ReleaseMessage& message) {
    forms::Ui().MessageBox(
        message.text, message.caption, forms::Buttons::Ok,
        message.caption == "Error" ? forms::Icon::Error : forms::Icon::Information);
}

}  // namespace

int TScrLevelForm::StoreReleaseInputs(bool showMessages) {
    PageNumbers n;
    FieldReader read(Shown);
    n.Sites = NumSites->value();
    read.Number(*FacilityRel, n.Water, "Release to surface water");
    read.Days(*SurfDays, n.WaterDays, "Days per year of surface water release");
    read.Number(*AirConcRel, n.StackAnnual, "Stack annual air concentration");
    read.Number(*AirConcAcuteRel, n.StackAcute, "Stack 24 hour air concentration");
    read.Number(*AirConcRelFug, n.FugitiveAnnual, "Fugitive annual air concentration");
    read.Number(*AirConcAcuteRelFug, n.FugitiveAcute, "Fugitive 24 hour air concentration");
    read.Number(*Coc0, n.Coc[0], "Concentration of concern 1");
    read.Number(*Coc1, n.Coc[1], "Concentration of concern 2");
    read.Number(*Coc2, n.Coc[2], "Concentration of concern 3");
    read.Number(*LandfillRel, n.Landfill, "Non-sludge landfill release");
    read.Number(*SludgeRel, n.Sludge, "Sludge landfill release");
    read.Days(*SludgeDays, n.SludgeDays, "Days of release to sludge");
    read.Days(*NonSludgeDays, n.NonSludgeDays, "Days of release to non-sludge");
    read.Number(*Incinerate, n.Stack, "Stack release");
    read.Days(*IncinDays, n.StackDays, "Stack release days");
    read.Number(*FugitiveRel, n.Fugitive, "Fugitive release");
    read.Days(*FugDays, n.FugitiveDays, "Fugitive release days");
    read.Text(*IndustryType, kActivityLength, "Release activity");
    LastStoreRefused = !read.Failures().empty();
    if (LastStoreRefused) {
        // Nothing is stored from a page that holds a text that is no number or that its field
        // cannot hold: the page keeps every edit until the text is corrected.
        for (const std::string& failure : read.Failures()) {
            forms::Ui().MessageBox(failure, "Error", forms::Buttons::Ok, forms::Icon::Error);
        }
        return 0;
    }

    const std::string key = ChemList->Cells(0, CurrentReleaseRow);
    LoadScenarioRecord(key);
    pmn_record& r = CurrentPmn;
    r.RELEASE = IndustryType->Text();
    r.DOWNWASH = Downwash->Checked() ? 1 : 0;
    r.METCLASS = MetClass->Text();
    r.STABCLASS = LeadingWholeNumber(StabClass->Text());
    r.SITE_LO = n.Sites;
    r.SITE_HI = r.SITE_LO;
    r.WHICHANAL = HiEndPdm->Checked() ? 1 : 0;
    r.H2O_HI = n.Water;
    r.H2O_LO = r.H2O_HI;
    r.IREL_DOWN = n.StackAnnual;
    r.ACUTE_CONC = n.StackAcute;
    r.IREL_DOWNF = n.FugitiveAnnual;
    r.ACUTECONCF = n.FugitiveAcute;
    r.COC0 = n.Coc[0];
    r.COC1 = n.Coc[1];
    r.COC2 = n.Coc[2];
    r.DO_PDM = DoPdm->Checked() ? 1.0 : 0.0;
    r.H2ODAYLO = n.WaterDays;
    r.H2ODAYHI = r.H2ODAYLO;
    r.LANDREL = n.Landfill;
    r.SORPTION = n.Sludge;
    r.DAYSSLUDGE = n.SludgeDays;
    r.DAYSNSLUDG = n.NonSludgeDays;
    r.INCINDAYS = n.StackDays;
    r.INCINREL = ConvertReleaseToKgPerSiteDay(n.Stack, StackUnits->currentIndex(), r.INCINDAYS);
    r.FUGDAYLO = n.FugitiveDays;
    r.FUGDAYHI = r.FUGDAYLO;
    r.FUGREL = ConvertReleaseToKgPerSiteDay(n.Fugitive, FugitiveUnits->currentIndex(), r.FUGDAYLO);
    r.REMARKS = RemarksInp->Text().substr(0, kRemarksLength);
    r.NOWATER = NoWater->Checked();
    r.CRITTERS = Critters->Checked();
    r.NOLAND = NoLand->Checked();
    r.NOAIR = NoAir->Checked();
    CompactConcernLevels(r);
    StoreSiteChoice();

    ReleaseChoices choices;
    choices.SurfaceWater = SurfWaterCheck->Checked();
    choices.Landfill = LandfillCheck->Checked();
    choices.LandfillModule = r.MODGUYS.size() > 1 && r.MODGUYS[1] == '1';
    choices.Incineration = IncinerationCheck->Checked();
    choices.Fugitive = FugitiveCheck->Checked();
    choices.FacilityChosen = FacilityRadio->Checked();
    choices.SicChosen = SicRadio->Checked();
    choices.DoPdm = DoPdm->Checked();
    choices.StoringForStackRun = StoringForStackRun == 1;
    std::vector<ReleaseMessage> failed = CheckRelease(r, choices);
    if (showMessages) {
        for (const ReleaseMessage& message : failed)
            ShowCheckMessage(message);
    }
    RestoreAllExposureFactors();
    SaveScenarioRecord();
    if (TreatmentRunWaitsFor(key))
        AsTreatRunDone = 0;  // the run's values are stored with the release it was computed for
    if (DoPdm->Checked())
        PdmExclusions.erase(key);
    else
        PdmExclusions.insert(key);
    RefreshBadPdmsGrid();
    HandToTreatmentModel(key);

    SiteCheck site = CheckSiteChosen(r, choices);
    if (site.failed && showMessages && site.message)
        ShowCheckMessage(*site.message);
    return failed.empty() && !site.failed ? 1 : 0;
}

void TScrLevelForm::StoreSiteChoice() {
    pmn_record& r = CurrentPmn;
    if (!SicDescGri->Text().empty()) {
        r.SIC_CODE = ChosenCategory;
        ClearFacilityMembers();
        NpdesGri->SetText("");
        LoadSicFlowStats();
        SetSicCodesForCategory(r.SIC_CODE);
        return;
    }
    const std::string npdes = NpdesGri->Text();
    if (npdes.size() != 9) {
        r.NPDES.clear();
        r.FAC_NAME.clear();
        // The facility radio stands for a facility analysis even before a facility is found.
        if (FacilityRadio->Checked())
            r.SIC_CODE = -1;
        return;
    }
    r.NPDES = npdes;
    r.SIC_CODE = -1;
    FacilityIndexName = "NPDES";
    r.DTYPE = LoadFacility(npdes, FacilityIndexName);
    if (r.DTYPE != 'D') {
        r.NPDES.clear();
        return;
    }
    r.FAC_NAME = DirectRec.NAME;
    r.FAC_LOC = DirectRec.CITY + " " + DirectRec.ST + " " + DirectRec.ZIP;
    if (!AnyFlowFlagged()) {
        CopyReachFlows(r);
        SicDescGri->SetText("");
    }
}

// While a run's result waits to be shown with its release, the values it ran on stay.
void TScrLevelForm::HandToTreatmentModel(const std::string& key) {
    if (AsTreatRunDone == 1)
        return;
    if (CurrentPmn.SITE_LO > 0)
        AsTreatNumSites = CurrentPmn.SITE_LO;
    if (CurrentPmn.H2O_HI > 0)
        AsTreatLoading = CurrentPmn.H2O_HI;
    if (CurrentPmn.H2ODAYLO > 0)
        AsTreatDays = CurrentPmn.H2ODAYLO;
    AsTreatReleaseKey = key;
}
