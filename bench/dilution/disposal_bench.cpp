// Speed of a down-the-drain run: one chemical with the dilution run over the treatment works'
// category, on a program folder (named by the first argument) whose facility and reach tables
// are full size. Each run opens a fresh form, as a user does, and is timed from the click on
// the run button to the results page shown, its document written. Prints the median of five.
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "disposal/disposal_form.h"
#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"
#include "scenario/globals.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_reset.h"
#include "scenario/scenario_table.h"
#include "shell/startup.h"

namespace {

const char* const Chemical = "BENCH-01";

void WriteChemical() {
    ResetScenarioRecord();
    SplitReleaseKey(std::string(Chemical) + ",1");
    pmn_record& r = CurrentPmn;
    r.RELEASE = "Release 1";
    r.WWT_LOW = 90;
    r.BW = 70;
    r.CANCERAT = 78;
    r.BCF = 50;
    r.YEARS_USE = 30;
    r.POP_NUM = 0;
    r.H2ODAYHI = r.H2ODAYLO = 250;
    SaveScenarioRecord();
}

void Type(forms::TEdit* edit, const std::string& text) {
    if (edit->OnEnter)
        edit->OnEnter();
    edit->SetText(text);
    if (edit->OnExit)
        edit->OnExit();
}

// One run on a fresh form; the seconds from the click to the results shown, or a negative
// number when the run did not succeed or ran no dilution model.
double TimedRun() {
    SelectedChemId = Chemical;
    CurrentPmn.CaseNum = Chemical;
    TDisposalForm form;
    form.show();
    QApplication::processEvents();
    form.FormActivate();
    form.PdmRunItem->SetChecked(true);
    Type(form.ProdVolDispInp, "1000000");
    Type(form.YrsUseDispInp, "30");
    Type(form.Coc0DispInp, "0.001");
    Type(form.Coc1DispInp, "0.01");
    Type(form.Coc2DispInp, "0.1");
    const auto start = std::chrono::steady_clock::now();
    form.RunDisp->OnClick();
    const auto end = std::chrono::steady_clock::now();
    if (!form.RunSucceeded || form.PdmRun.Facilities.empty())
        return -1;
    return std::chrono::duration<double>(end - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || !sys::SetWorkingFolder(argv[1])) {
        std::fprintf(stderr, "usage: disposal_bench <program folder copy>\n");
        return 2;
    }
    QApplication app(argc, argv);
    forms::ScriptedUi ui;
    if (!RunStartupWork()) {
        std::fprintf(stderr, "disposal_bench: the program folder could not be started\n");
        return 2;
    }
    WriteChemical();
    std::vector<double> seconds;
    for (int run = 0; run < 5; ++run) {
        const double s = TimedRun();
        if (s < 0) {
            std::fprintf(stderr, "disposal_bench: the run failed or ran no dilution model\n");
            std::printf("dilution.disposal_run_error 1 flag\n");
            return 1;
        }
        seconds.push_back(s);
    }
    std::sort(seconds.begin(), seconds.end());
    std::printf("dilution.disposal_run %.3f s\n", seconds[seconds.size() / 2]);
    return 0;
}
