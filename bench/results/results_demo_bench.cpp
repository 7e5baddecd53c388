// Speed of the results run a newcomer starts first: the shipped demonstration case (a river
// release at NY0020371, a landfill and a stack release) chosen on the properties screen and run
// from the release form, timed from the results form's activation to the last page shown, in the
// report format named by the second argument ("wpd" or "doc"). Prints the median of nine runs.
// With a third argument, the final report of the last run is copied to that path, so that the
// documents of two builds can be compared byte for byte.
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "chemistry/pchem_fate.h"
#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "releases/results_handoff.h"
#include "releases/scr_level_form.h"
#include "results/scr_res_form.h"
#include "results/word_report_install.h"
#include "scenario/globals.h"
#include "shell/scr_main.h"
#include "shell/startup.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int RunCount = 9;

struct TimedRun {
    Clock::time_point start;
    Clock::time_point shown;
    bool reportStored = false;
};

TimedRun lastRun;

// The results form as the release form opens it, with the clock started at its activation.
void OpenTimedResultsForm() {
    TScrResForm form;
    forms::ScriptedUi* ui = dynamic_cast<forms::ScriptedUi*>(&forms::Ui());
    ui->OnNextModal([](forms::Form& shown) {
        lastRun.shown = Clock::now();
        lastRun.reportStored = !dynamic_cast<TScrResForm&>(shown).FinalReport.empty();
        return int(forms::mrOk);
    });
    lastRun.start = Clock::now();
    form.ShowModal();
}

}  // namespace

int main(int argc, char** argv) {
    const std::string format = argc > 2 ? argv[2] : "";
    if (argc < 3 || !sys::SetWorkingFolder(argv[1]) || (format != "wpd" && format != "doc")) {
        std::fprintf(stderr, "usage: results_demo_bench <program folder copy> wpd|doc [copy]\n");
        return 2;
    }
    const std::string figure = "results.run_three_releases_" + format;
    QApplication app(argc, argv);
    forms::ScriptedUi ui;
    if (!RunStartupWork()) {
        std::fprintf(stderr, "results_demo_bench: the program folder could not be started\n");
        return 2;
    }
    InstallWordReportWriters();
    SetResultsFormOpener(OpenTimedResultsForm);
    {
        TPchemFate screen;
        screen.FormActivate();
        screen.CloseFateScreen->click();
    }
    TScrMain mainPage;
    mainPage.NoWord->setVisible(format == "wpd");
    mainPage.NoWp->setVisible(format == "doc");
    TScrLevelForm releases;
    releases.show();
    releases.FormShow();
    releases.FormActivate();
    releases.GenRelInfoContinue->click();

    std::vector<double> seconds;
    for (int run = 0; run < RunCount; ++run) {
        lastRun = TimedRun{};
        releases.ExpFactorContinue->click();
        if (!lastRun.reportStored) {
            std::fprintf(stderr, "results_demo_bench: no final report was stored\n");
            std::printf("%s_error 1 flag\n", figure.c_str());
            return 1;
        }
        seconds.push_back(std::chrono::duration<double>(lastRun.shown - lastRun.start).count());
    }
    if (argc > 3) {
        const std::string report = DataFolder + SelectedChemId + "." + format;
        if (!sys::CopyBytes(report, argv[3])) {
            std::fprintf(stderr, "results_demo_bench: %s could not be copied\n", report.c_str());
            return 1;
        }
    }
    std::fprintf(stderr, "%s runs in order:", figure.c_str());
    for (double s : seconds)
        std::fprintf(stderr, " %.3f", s);
    std::fprintf(stderr, "\n");
    std::sort(seconds.begin(), seconds.end());
    std::printf("%s %.3f s\n", figure.c_str(), seconds[seconds.size() / 2]);
    return 0;
}
