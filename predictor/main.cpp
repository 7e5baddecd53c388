// Entry point of the downwind predictor: one window for the release named in chimra.in. It
// works in the folder it is started in, where the caller left chimra.in and data.drv.
//
// OMBRIX_CLOSE_AFTER_START: when set (to a number of milliseconds, 0 or more), the program waits
// until its window is shown, waits that long, prints "window shown: <caption>" on standard
// output, presses Submit when OMBRIX_SUBMIT_BEFORE_CLOSE is set too, then presses Return.
// Tests use it to run the real program without a person at the screen.
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "platform/forms/application.h"
#include "predictor/main_form.h"

namespace {

void CloseWhenShown(TMainForm* form, int delayMs, bool submit) {
    QTimer::singleShot(50, form, [form, delayMs, submit] {
        if (!form->isVisible()) {
            CloseWhenShown(form, delayMs, submit);
            return;
        }
        QTimer::singleShot(delayMs, form, [form, submit] {
            std::printf("window shown: %s\n", form->Caption().c_str());
            std::fflush(stdout);
            if (submit)
                form->Submit->Click();
            form->BitBtn1Click();
        });
    });
}

}  // namespace

int main(int argc, char** argv) {
    if (!forms::Application::HasDisplay()) {
        std::fprintf(stderr, "chimramn: no display to show the program on.\n");
        return 1;
    }
    forms::Application app(argc, argv, "Downwind Concentration Predictor");
    TMainForm* form = app.CreateForm<TMainForm>();
    if (const char* close = std::getenv("OMBRIX_CLOSE_AFTER_START"); close && *close) {
        const char* submit = std::getenv("OMBRIX_SUBMIT_BEFORE_CLOSE");
        CloseWhenShown(form, std::atoi(close), submit && *submit);
    }
    return app.Run();
}
