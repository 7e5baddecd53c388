// Speed of a full results run: 100 releases of one chemical written into the scenario table of a
// program folder copy (named by the first argument), run by the results form as its activation
// does, WordPerfect-format parts and the final report included. Prints the median of five runs.
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"
#include "results/scr_res_form.h"
#include "scenario/case_choices.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_reset.h"
#include "scenario/scenario_table.h"
#include "shell/startup.h"

namespace {

constexpr int ReleaseCount = 100;

// Release n of the chemical: the five kinds in turn.
void WriteRelease(int n) {
    ResetScenarioRecord();
    SplitReleaseKey("BENCH-01," + std::to_string(n));
    pmn_record& r = CurrentPmn;
    r.RELEASE = "Release " + std::to_string(n);
    r.SITE_LO = r.SITE_HI = 1;
    r.BW = 70;
    r.BCF = 50;
    r.WWT_LOW = 50;
    r.H2O_HI = 1 + n % 7;
    r.H2ODAYHI = r.H2ODAYLO = 250;
    r.COC0 = 10;
    r.COC1 = 100;
    r.COC2 = 0;
    switch (n % 5) {
        case 0:
            r.RELEASES = "X000";
            r.NPDES = "NY0020371";
            break;
        case 1:
            r.RELEASES = "X000";
            r.NPDES = "OH1413046";
            break;
        case 2:
            r.RELEASES = "X000";
            r.SIC_CODE = 2;
            break;
        case 3:
            r.RELEASES = "0X00";
            r.LANDREL = 2;
            r.DAYSNSLUDG = 100;
            r.MIGFACT = 0.01;
            break;
        default:
            r.RELEASES = "00XX";
            r.FUGREL = 1;
            r.FUGDAYHI = r.FUGDAYLO = 100;
            r.INCINREL = 4;
            r.INCINDAYS = 50;
            r.IREL_DOWNF = 0.002;
            r.ACUTECONCF = 0.01;
            r.INHALE = 1;
            break;
    }
    SaveScenarioRecord();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || !sys::SetWorkingFolder(argv[1])) {
        std::fprintf(stderr, "usage: results_bench <program folder copy>\n");
        return 2;
    }
    QApplication app(argc, argv);
    forms::ScriptedUi ui;
    if (!RunStartupWork()) {
        std::fprintf(stderr, "results_bench: the program folder could not be started\n");
        return 2;
    }
    SurfaceWaterSelected = LandfillSelected = AmbientAirSelected = 1;
    ResultsRunInputs inputs;
    for (int n = 1; n <= ReleaseCount; ++n) {
        WriteRelease(n);
        inputs.ReleaseKeys.push_back("BENCH-01," + std::to_string(n));
    }
    std::vector<double> seconds;
    for (int run = 0; run < 5; ++run) {
        TScrResForm form;
        form.Inputs = inputs;
        const auto start = std::chrono::steady_clock::now();
        form.FormActivate();
        const auto end = std::chrono::steady_clock::now();
        if (form.FinalReport.empty()) {
            std::fprintf(stderr, "results_bench: no final report was stored\n");
            std::printf("results.full_run_100_releases_error 1 flag\n");
            return 1;
        }
        seconds.push_back(std::chrono::duration<double>(end - start).count());
    }
    std::sort(seconds.begin(), seconds.end());
    std::printf("results.full_run_100_releases %.3f s\n", seconds[seconds.size() / 2]);
    return 0;
}
