// The consumer exposure model program kiv32: stand-alone, with a chemical id, or linked ("nyr")
// to the main program through nyrinput.txt and nyrout.txt in its working folder.
#include <cstdio>
#include <string>
#include <vector>

#include "consumer/pages/main_window.h"
#include "consumer/pages/startup.h"
#include "platform/forms/application.h"

int main(int argc, char** argv) {
    if (!forms::Application::HasDisplay()) {
        std::fprintf(stderr, "kiv32: no display to show the consumer exposure model on\n");
        return 1;
    }
    forms::Application app(argc, argv, "Consumer Exposure Module (KIV)");
    app.SetHelpFile("kivhelp.hlp");
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    return consumer::StartProgram(args, [&app] {
        consumer::KIVFrame frame;
        frame.showMaximized();
        app.setQuitOnLastWindowClosed(true);
        app.exec();
    });
}
