// TScrLevelForm: the commands that collect the exposure factors and hand over to the results.
#include "dilution/pdm_results.h"
#include "releases/results_handoff.h"
#include "releases/scr_level_form.h"

void TScrLevelForm::ExpFactorContinueClick() {
    PdmPagesActive = 0;
    BitBtn3Click();
}

void TScrLevelForm::BitBtn3Click() {
    SkipFactorCollectOnExit = 1;
    if (!CollectExposureFactors()) {
        SkipFactorCollectOnExit = 0;
        return;
    }
    if (BuildReportFileNames())
        OpenResultsForm();
}
