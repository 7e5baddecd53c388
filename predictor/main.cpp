// Entry point of the downwind predictor: one window for the release named in chimra.in. It
// works in the folder it is started in, where the caller left chimra.in and data.drv.
#include <cstdio>

#include "platform/forms/application.h"
#include "predictor/main_form.h"

int main(int argc, char** argv) {
    if (!forms::Application::HasDisplay()) {
        std::fprintf(stderr, "chimramn: no display to show the program on.\n");
        return 1;
    }
    forms::Application app(argc, argv, "Downwind Concentration Predictor");
    app.CreateForm<TMainForm>();
    return app.Run();
}
