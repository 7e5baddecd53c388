// The row rules the dilution parts of both report formats share.
#include "documents/dilution_row_texts.h"

#include "dilution/pdm_results.h"
#include "documents/merge/report_numbers.h"
#include "scenario/scenario_record.h"

int DilutionRowsForCocs(int count) {
    const pmn_record& r = CurrentPmn;
    if (r.COC2 > 0)
        return 3;
    if (r.COC1 > 0)
        return 2;
    if (r.COC0 > 0)
        return 1;
    return count;
}

std::string AnalysisLabelText(const std::string& label) {
    return !label.empty() && label[0] == '-' ? "   " : label;
}

std::string DilutionCellText(const DilutionRow& row, int cell) {
    switch (cell) {
        case 0:
            return ValueToText(row.coc);
        case 1:
            return ValueToTextWhole(row.percentExceeded);
        case 2:
            return ValueToTextWhole(row.daysExceeded);
        case 3:
            return ValueToTextWhole(row.releaseDays);
        case 4:
            return ValueToText(row.preTreatRelease);
        case 5:
            return ValueToText(row.wwtRemoval);
        default:
            return AnalysisLabelText(row.analysis);
    }
}

std::string MiddleFlowName(int gages) {
    return gages > 0 ? "50 %ile" : "MEAN";
}

std::string LowFlowName(int gages) {
    return gages > 0 ? "10 %ile" : "7q10";
}

void TakeDilutionRunValues(const DilutionRow& row) {
    PdmReleaseDays = row.releaseDays;
    PdmPreTreatRelease = row.preTreatRelease;
    PdmWwtRemoval = row.wwtRemoval;
}

std::string DilutionTemplateName(const std::string& stem, int rowCount,
                                 const std::string& extension) {
    return stem + std::to_string(rowCount) + extension;
}
