// Entry point of the main screening program.
#include <cstdio>

#include "platform/forms/application.h"
#include "platform/forms/form.h"
#include "platform/sys/files.h"
#include "platform/sys/paths.h"

namespace {

class TIntro : public forms::Form {
  public:
    TIntro() {
        SetCaption("Ombrix (2014) Introductory Screen");
        resize(640, 480);
    }
};

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
    app.CreateForm<TIntro>();
    return app.Run();
}
