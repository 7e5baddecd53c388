// TScrLevelForm::CalcAirConcClick: the current release handed to the downwind predictor and its
// air concentrations taken back.
#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "releases/predictor_exchange.h"
#include "releases/scr_level_form.h"
#include "scenario/globals.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_table.h"
#include "scenario/table_set.h"

namespace {

void ShowBox(const std::string& text, const std::string& caption, forms::Icon icon) {
    forms::Ui().MessageBox(text, caption, forms::Buttons::Ok, icon);
}

std::string CannotWrite(const std::string& path) {
    return "The file " + sys::NativePath(path) +
           " could not be written, so the downwind predictor was not started.";
}

}  // namespace

void TScrLevelForm::CalcAirConcClick() {
    const std::string program = ChimraProgramPath;
    // The release is stored with the concentrations it has, so that a run that gives no answer
    // leaves them as they were.
    StoringForStackRun = 1;
    StoreReleaseInputs(false);
    StoringForStackRun = 0;
    if (LastStoreRefused)
        return;
    const std::string folder = PredictorFolder(program);
    const std::string key = ChemList->Cells(0, CurrentReleaseRow);
    if (!WritePredictorRequest(folder, key)) {
        ShowBox(CannotWrite(PredictorRequestPath(folder)), "Error", forms::Icon::Error);
        return;
    }
    if (!(CurrentPmn.INCINREL > 0 || CurrentPmn.FUGREL > 0)) {
        ShowBox(
            "You must enter a stack release value and/or a fugitive release value\nbefore "
            "calculating air concentrations.",
            "note", forms::Icon::Information);
        return;
    }
    if (!ResetPredictorAnswer(folder)) {
        ShowBox(CannotWrite(PredictorAnswerPath(folder)), "Error", forms::Icon::Error);
        return;
    }
    CloseLookupTables();
    const std::string failure = RunPredictorProgram(program, folder);
    sys::SetWorkingFolder(ProgramFolder);
    raise();
    activateWindow();
    ReopenTables();
    ShowReleaseInputs();
    if (!failure.empty()) {
        ShowBox("The downwind predictor " + sys::NativePath(program) +
                    " could not be started: " + failure,
                "Error", forms::Icon::Error);
        return;
    }
    std::optional<PredictorAnswer> answer = ReadPredictorAnswer(folder);
    if (!answer) {
        ShowBox(
            "The downwind predictor gave no complete answer. The release keeps its stored "
            "air concentrations and dispersion settings.",
            "Note", forms::Icon::Information);
        return;
    }
    ApplyPredictorAnswer(*answer);
}

void TScrLevelForm::ApplyPredictorAnswer(const PredictorAnswer& answer) {
    pmn_record& r = CurrentPmn;
    r.IREL_DOWN = answer.StackAnnual;
    r.ACUTE_CONC = answer.StackMax24Hour;
    r.IREL_DOWNF = answer.FugitiveAnnual;
    r.ACUTECONCF = answer.FugitiveMax24Hour;
    Downwash->SetChecked(answer.Downwash);
    r.DOWNWASH = answer.Downwash ? 1 : 0;
    r.METCLASS = answer.MetClass;
    MetClass->SetText(answer.MetClass);
    r.STABCLASS = answer.StabilityClass;
    StabClass->SetText(std::to_string(answer.StabilityClass));
    SaveScenarioRecord();
    ShowAirConcentrations();
}
