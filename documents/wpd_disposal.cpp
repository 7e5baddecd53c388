// The WordPerfect-format down-the-drain document, merged from its template.
#include <array>

#include "dilution/disposal_report.h"
#include "documents/merge/marker_codes.h"
#include "documents/merge/report_numbers.h"
#include "documents/merge/template_merge.h"
#include "documents/wpd_report_state.h"
#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "scenario/globals.h"
#include "scenario/number_text.h"

namespace {

// The last code with a value; the three after it are located but copied unchanged.
constexpr int kLastDisposalCode = 82;
constexpr int kLocatedCodes = 85;

std::string Number(double value) {
    return ValueToText(value);
}

// The intake rates that do not apply to a population other than adults.
std::string AdultOnly(const pmn_record& r, double value) {
    return r.POP_NUM > 0 ? "NA" : Number(value);
}

std::optional<std::string> TopField(const DisposalReport& d, int n) {
    const pmn_record& r = d.record;
    const DisposalResults& s = d.results;
    switch (n) {
        case 1:
            return r.CaseNum;
        case 2:
            return r.ScenNum;
        case 3:
            return PopulationLabelFor(r.POP_NUM);
        case 4:
            return FormatRangeField(r.WWT_LOW, r.WWT_HI, 1);
        case 5:
            return Number(DisposalReleaseDays);
        case 6:
            return Number(s.PreTreatRelease);
        case 7:
            return Number(s.PostTreatRelease);
        case 8:
            return Number(r.BW);
        case 9:
            return Number(r.BCF);
        case 10:
            return Number(r.PRODVOL);
        case 11:
            return Number(r.COC0);
        case 12:
            return Number(s.DaysExceeded[0]);
        case 13:
            return Number(s.PercentExceeded[0]);
        case 14:
            return Number(s.StreamConcentrations[ConcHm_10]);
        case 15:
            return Number(s.StreamConcentrations[ConcHm_50]);
        default:
            return std::nullopt;
    }
}

// Codes 16-25 (10th percentile) and 38-47 (50th): the drinking-water then the fish doses.
std::optional<std::string> DoseField(const pmn_record& r, int n) {
    const std::array<double, 10> tenth = {
        r.DwLadd10Disp,   r.DwLadc10Disp,   r.DwAdd10Disp,   r.DwAdc10Disp,   r.DwAdr10Disp,
        r.FishLadd10Disp, r.FishLadc10Disp, r.FishAdd10Disp, r.FishAdc10Disp, r.FishAdr10Disp};
    const std::array<double, 10> fiftieth = {
        r.DwLadd50Disp,   r.DwLadc50Disp,   r.DwAdd50Disp,   r.DwAdc50Disp,   r.DwAdr50Disp,
        r.FishLadd50Disp, r.FishLadc50Disp, r.FishAdd50Disp, r.FishAdc50Disp, r.FishAdr50Disp};
    if (n >= 16 && n <= 25)
        return Number(tenth[size_t(n - 16)]);
    if (n >= 38 && n <= 47)
        return Number(fiftieth[size_t(n - 38)]);
    return std::nullopt;
}

// Codes 26-37 and 48-59: the exposure factors of the two dose tables.
std::optional<std::string> FactorField(const pmn_record& r, int n) {
    if (n >= 48 && n <= 59)
        n -= 22;
    if (n >= 26 && n <= 29)
        return Number(r.YEARS_USE);
    switch (n) {
        case 30:
        case 31:
            return Number(r.CANCERAT);
        case 32:
            return AdultOnly(r, r.DRINKCHRON);
        case 33:
            return Number(r.DRINKCHRON);
        case 34:
            return Number(r.DRINK);
        case 35:
            return AdultOnly(r, r.FISHCHRON);
        case 36:
            return Number(r.FISHCHRON);
        case 37:
            return Number(r.FISH);
        default:
            return std::nullopt;
    }
}

// Codes 60-82: the concentrations table and the later concentrations of concern.
std::optional<std::string> StreamField(const DisposalReport& d, int n) {
    const DisposalResults& s = d.results;
    const auto& c = s.StreamConcentrations;
    const auto& f = DisposalDilutionFactors;
    switch (n) {
        case 60:
            return Number(f[ConcHm_50]);
        case 61:
            return Number(f[Conc30q5_50]);
        case 62:
            return Number(f[Conc7q10_50]);
        case 63:
            return Number(f[Conc1q10_50]);
        case 64:
            return Number(c[ConcHm_50]);
        case 65:
            return Number(c[Conc30q5_50]);
        case 66:
            return Number(c[Conc7q10_50]);
        case 67:
            return Number(c[Conc1q10_50]);
        case 68:
            return Number(f[ConcHm_10]);
        case 69:
            return Number(f[Conc30q5_10]);
        case 70:
            return Number(f[Conc7q10_10]);
        case 71:
            return Number(f[Conc1q10_10]);
        case 72:
            return Number(c[ConcHm_10]);
        case 73:
            return Number(c[Conc30q5_10]);
        case 74:
            return Number(c[Conc7q10_10]);
        case 75:
            return Number(c[Conc1q10_10]);
        case 76:
            return Number(d.record.COC1);
        case 77:
            return Number(d.record.COC2);
        case 78:
            return Number(s.DaysExceeded[1]);
        case 79:
            return Number(s.DaysExceeded[2]);
        case 80:
            return Number(s.PercentExceeded[1]);
        case 81:
            return Number(s.PercentExceeded[2]);
        case 82:
            return std::string(d.highEnd ? "High-end scenario" : "Average case scenario");
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<std::string> DisposalPlaceholder(const DisposalReport& report, int n) {
    if (n < 1 || n > kLastDisposalCode)
        return std::nullopt;
    if (auto v = TopField(report, n))
        return v;
    if (auto v = DoseField(report.record, n))
        return v;
    if (auto v = FactorField(report.record, n))
        return v;
    return StreamField(report, n);
}

DisposalReportOutcome SaveDisposalReport(const DisposalReport& report) {
    DisposalReportOutcome outcome;
    const std::string templateName = report.pdmRun ? "flush.wpd" : "flshnpdm.wpd";
    const std::string target =
        DataFolder +
        ReportFileName(report.record.CaseNum, report.record.ScenNum, DownTheDrainPart) + ".wpd";
    outcome.path = sys::NativePath(target);
    std::optional<std::string> bytes = sys::ReadWholeFile(TemplatePath(templateName));
    if (!bytes) {
        outcome.error = "The disposal template " + templateName +
                        " could not be read, so the disposal output was not saved.";
        return outcome;
    }
    MergedPart merged = MergeTemplate(*bytes, kLocatedCodes,
                                      [&report](int n) { return DisposalPlaceholder(report, n); });
    // The finished document keeps no start marker.
    if (merged.startMarkerOffset >= 0)
        merged.bytes.erase(static_cast<size_t>(merged.startMarkerOffset), 3);
    if (!sys::WriteWholeFile(target, merged.bytes)) {
        outcome.error = "The disposal output " + outcome.path + " could not be written.";
        return outcome;
    }
    outcome.ok = true;
    return outcome;
}
