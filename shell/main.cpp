// Entry point of the main screening program.
//
// OMBRIX_CLOSE_AFTER_START: when set (to a number of milliseconds, 0 or more), the program waits
// until the introductory screen is shown and its start-up work is done, then waits that long,
// prints "window shown: <caption>" on standard output and closes the main form as the Quit menu
// item would. Tests use it to run the real program without a person at the screen.
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/forms/application.h"
#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "releases/memo.h"
#include "releases/results_handoff.h"
#include "releases/scr_level_form.h"
#include "results/scr_res_form.h"
#include "results/word_report_install.h"
#include "shell/data_drive.h"
#include "shell/intro.h"
#include "shell/scr_main.h"

namespace {

void CloseWhenStarted(TIntro* intro, int delayMs) {
    QTimer::singleShot(50, intro, [intro, delayMs] {
        if (!intro->isVisible() || !intro->StartupDone()) {
            if (!intro->StartupAbandoned())
                CloseWhenStarted(intro, delayMs);
            return;
        }
        QTimer::singleShot(delayMs, intro, [intro] {
            std::printf("window shown: %s\n", intro->Caption().c_str());
            std::fflush(stdout);
            intro->Quit1Click();
        });
    });
}

}  // namespace

int main(int argc, char** argv) {
    if (!forms::Application::HasDisplay()) {
        std::fprintf(stderr, "ombrix2014: no display to show the program on.\n");
        return 1;
    }
    forms::Application app(argc, argv, "Ombrix 2014");
    // The programs work in their own folder, as their paths assume.
    sys::SetWorkingFolder(sys::ProgramRoot());
    app.SetHelpFile("Ombrix2.hlp");
    TIntro* intro = app.CreateForm<TIntro>();
    app.CreateForm<TDataDriveForm>();
    app.CreateForm<TMemoForm>();
    app.CreateForm<TScrMain>();
    app.CreateForm<TScrLevelForm>();
    SetResultsFormOpener(OpenScrResForm);
    InstallWordReportWriters();
    if (const char* close = std::getenv("OMBRIX_CLOSE_AFTER_START"); close && *close) {
        CloseWhenStarted(intro, std::atoi(close));
    }
    return app.Run();
}
