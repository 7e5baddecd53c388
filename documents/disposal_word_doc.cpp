// The Word down-the-drain document, filled through the bookmarks of its template.
#include <array>
#include <utility>
#include <vector>

#include "dilution/disposal_report.h"
#include "documents/merge/report_numbers.h"
#include "documents/word_access.h"
#include "documents/wpd_report_state.h"
#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "scenario/globals.h"
#include "scenario/number_text.h"
#include "scenario/text_helpers.h"

namespace {

using Bookmarks = std::vector<std::pair<std::string, std::string>>;

void AddDoses(Bookmarks& b, const pmn_record& r, const std::string& p,
              const std::array<double, 6>& doses) {
    const std::string adultOnlyDrink = r.POP_NUM > 0 ? "NA" : ValueToText(r.DRINKCHRON);
    const std::string adultOnlyFish = r.POP_NUM > 0 ? "NA" : ValueToText(r.FISHCHRON);
    b.insert(b.end(), {{"DwLadd" + p, ValueToText(doses[0])},
                       {"DwLadc" + p, ValueToText(doses[1])},
                       {"DwAdr" + p, ValueToText(doses[2])},
                       {"FiLadd" + p, ValueToText(doses[3])},
                       {"FiLadc" + p, ValueToText(doses[4])},
                       {"FiAdr" + p, ValueToText(doses[5])},
                       {"ULadd" + p, ValueToText(r.YEARS_USE)},
                       {"ULadc" + p, ValueToText(r.YEARS_USE)},
                       {"ATLadd" + p, ValueToText(r.CANCERAT)},
                       {"ATLadc" + p, ValueToText(r.CANCERAT)},
                       {"DrinkLadd" + p, adultOnlyDrink},
                       {"DrinkAdr" + p, ValueToText(r.DRINK)},
                       {"FishLadd" + p, adultOnlyFish},
                       {"FishAdr" + p, ValueToText(r.FISH)}});
}

void AddStreams(Bookmarks& b, const DisposalResults& s) {
    const auto& f = DisposalDilutionFactors;
    const auto& c = s.StreamConcentrations;
    b.insert(b.end(), {{"SdfHm_10", ValueToText(f[ConcHm_10])},
                       {"Sdf30q5_10", ValueToText(f[Conc30q5_10])},
                       {"Sdf7q10_10", ValueToText(f[Conc7q10_10])},
                       {"Sdf1q10_10", ValueToText(f[Conc1q10_10])},
                       {"ConcHm_10", ValueToText(c[ConcHm_10])},
                       {"Conc30q5_10", ValueToText(c[Conc30q5_10])},
                       {"Conc7q10_10", ValueToText(c[Conc7q10_10])},
                       {"Conc1q10_10", ValueToText(c[Conc1q10_10])},
                       {"ConcHm_50", ValueToText(c[ConcHm_50])},
                       {"Conc30q5_50", ValueToText(c[Conc30q5_50])},
                       {"Conc7q10_50", ValueToText(c[Conc7q10_50])},
                       {"Conc1q10_50", ValueToText(c[Conc1q10_50])},
                       {"SdfMn_50", ValueToText(f[ConcHm_50])},
                       {"Sdf30q5_50", ValueToText(f[Conc30q5_50])},
                       {"Sdf7q10_50", ValueToText(f[Conc7q10_50])},
                       {"Sdf1q10_50", ValueToText(f[Conc1q10_50])}});
}

}  // namespace

std::vector<std::pair<std::string, std::string>> DisposalBookmarks(const DisposalReport& d) {
    const pmn_record& r = d.record;
    const DisposalResults& s = d.results;
    Bookmarks b = {{"CaseNum", r.CaseNum},
                   {"ScenNum", r.ScenNum},
                   {"RelDesc", ""},
                   {"ExpPop", PopulationLabelFor(r.POP_NUM)},
                   {"Dwt", ValueToText(r.DWT)},
                   {"Wwt", ValueToText(r.WWT_LOW)},
                   {"RelDays", ValueToText(DisposalReleaseDays)},
                   {"PreTreatRel", ValueToText(s.PreTreatRelease)},
                   {"PostTreatRel", ValueToText(s.PostTreatRelease)},
                   {"Bw", ValueToText(r.BW)},
                   {"Bcf", ValueToText(r.BCF)},
                   {"HiLow", d.highEnd ? "High-end scenario" : "Average case scenario"},
                   {"ProdVol", ValueToText(r.PRODVOL)},
                   {"Coc1", ValueToText(r.COC0)},
                   {"Coc2", ValueToText(r.COC1)},
                   {"Coc3", ValueToText(r.COC2)}};
    for (int i = 0; i < 3; ++i)
        b.push_back({"Days" + std::to_string(i + 1), ValueToText(s.DaysExceeded[size_t(i)])});
    for (int i = 0; i < 3; ++i)
        b.push_back({"Per" + std::to_string(i + 1), ValueToText(s.PercentExceeded[size_t(i)])});
    AddDoses(b, r, "10",
             {r.DwLadd10Disp, r.DwLadc10Disp, r.DwAdr10Disp, r.FishLadd10Disp, r.FishLadc10Disp,
              r.FishAdr10Disp});
    AddDoses(b, r, "50",
             {r.DwLadd50Disp, r.DwLadc50Disp, r.DwAdr50Disp, r.FishLadd50Disp, r.FishLadc50Disp,
              r.FishAdr50Disp});
    AddStreams(b, s);
    return b;
}

DisposalReportOutcome WriteDisposalDoc(const DisposalReport& report) {
    DisposalReportOutcome outcome;
    const std::string partName =
        ReportFileName(report.record.CaseNum, report.record.ScenNum, DownTheDrainPart);
    WordFileCarrier carrier;
    carrier.PartFileName = WordWorkFolder() + partName;
    const std::string templateName = report.pdmRun ? "flush.doc" : "flshnpdm.doc";
    if (!CopyFileBytes(TemplatePath(templateName), carrier.PartFileName)) {
        outcome.error = "The disposal template " + templateName + " could not be copied to " +
                        sys::NativePath(carrier.PartFileName) + ".";
        return outcome;
    }
    carrier.in_file_name = carrier.PartFileName;
    if (!OpenWordDocument(carrier, true))
        return outcome;  // the access layer told the user
    for (const auto& [bookmark, text] : DisposalBookmarks(report))
        SetBookmarkText(carrier, text, bookmark);
    CloseWordDocument(carrier);
    const std::string target = DataFolder + partName + ".doc";
    outcome.path = sys::NativePath(target);
    if (!CopyFileBytes(carrier.in_file_name, target)) {
        outcome.error = "The disposal document could not be copied to " + outcome.path + ".";
        return outcome;
    }
    outcome.ok = true;
    return outcome;
}
