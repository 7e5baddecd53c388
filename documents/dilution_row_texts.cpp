// The row rules the dilution parts of both report formats share.
#include "documents/dilution_row_texts.h"

#include "dilution/pdm_results.h"
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

void TakeDilutionRunValues(const DilutionRow& row) {
    PdmReleaseDays = row.releaseDays;
    PdmPreTreatRelease = row.preTreatRelease;
    PdmWwtRemoval = row.wwtRemoval;
}

std::string DilutionTemplateName(const std::string& stem, int rowCount,
                                 const std::string& extension) {
    return stem + std::to_string(rowCount) + extension;
}
