// The application object: help file, forms created at start, the main form and the loop.
#include "platform/forms/application.h"

#include <QLocale>
#include <cstdlib>
#include <exception>

#include "platform/forms/form.h"
#include "platform/forms/ui_service.h"
#include "platform/sys/process.h"
#include "platform/sys/text.h"

namespace forms {

Application::Application(int& argc, char** argv, const std::string& title)
    : QApplication(argc, argv) {
    // Numbers are written and read in the C locale whatever the user's locale.
    sys::UseCNumericLocale();
    QLocale::setDefault(QLocale::c());
    setApplicationName(QString::fromStdString(title));
    // While another program runs, windows keep painting but take no input.
    sys::SetWaitTick([] { QApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowException(error);
    } catch (...) {
        ShowMessage("An unexpected error occurred.", "Error", Icon::Error);
    }
    return false;
}

QWidget* Application::MainForm() const {
    return forms_.empty() ? nullptr : forms_.front().get();
}

int Application::Run() {
    QWidget* main = MainForm();
    if (!main)
        return 0;
    main->show();
    if (auto* form = qobject_cast<QDialog*>(main)) {
        connect(form, &QDialog::finished, this, &QApplication::quit);
    }
    setQuitOnLastWindowClosed(true);
    return exec();
}

bool Application::HasDisplay() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform)
        return true;
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (display && *display) || (wayland && *wayland);
}

void ShowException(const std::exception& error) {
    ShowMessage(error.what(), "Error", Icon::Error);
}

}  // namespace forms
