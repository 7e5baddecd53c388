// The special-evaluation part writer.
#include "documents/wpd_special_evaluation.h"

#include "documents/merge/report_numbers.h"

const char* const SpecialEvaluationLabels[8] = {"",
                                                "Drinking (Surface) Water Dose (mg/kg/day)",
                                                "Fish Ingestion Dose (mg/kg/day)",
                                                "Inhalation Dose (mg/kg/day)",
                                                "Groundwater Dose (mg/kg/day)",
                                                "Surface Water Release after treatment (kg/yr)",
                                                "Total Release After Treatment (kg/yr)",
                                                "Consumer Exposure Dose?"};

namespace {

std::optional<std::string> SpecialEvaluationField(int n, const SpecialEvaluationGrid& grid) {
    static const char* const kTitles[] = {"Parameter", "Exp Based", "Persistent",
                                          "Exceedance value"};
    if (n >= 27 && n <= 30)
        return std::string(kTitles[n - 27]);
    if (n < 31 || n > 58)
        return std::nullopt;
    size_t row = static_cast<size_t>((n - 31) / 4 + 1);
    switch ((n - 31) % 4) {
        case 0:
            return std::string(SpecialEvaluationLabels[row]);
        case 1:
            return grid.expBased[row];
        case 2:
            return grid.persistent[row];
        default:
            if (grid.expBased[row] != "Yes" && grid.persistent[row] != "Yes")
                return std::string(" ");
            return ValueToText(grid.exceedance[row]);
    }
}

}  // namespace

bool WriteSpecialEvaluationWpd(WpdReportState& form, const SpecialEvaluationGrid& specGrid) {
    PartRequest request{"specev.wpd", 59, PartPath(ReportFileName(SpecialEvaluationPart)), false};
    return WriteWpdPart(form, request, [&](int n) { return SpecialEvaluationField(n, specGrid); });
}
