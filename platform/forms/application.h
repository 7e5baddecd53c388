// The application object: help file, forms created at start, the main form and the loop.
#pragma once

#include <QApplication>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

namespace forms {

class Form;

// Shows an exception that escapes an event handler in a message box and carries on.
class Application : public QApplication {
    Q_OBJECT
  public:
    Application(int& argc, char** argv, const std::string& title);

    bool notify(QObject* receiver, QEvent* event) override;

    void SetHelpFile(const std::string& name) { helpFile_ = name; }
    const std::string& HelpFile() const { return helpFile_; }

    // Creates a form owned by the application; the first form created is the main form.
    template <typename T>
    T* CreateForm() {
        auto form = std::make_unique<T>();
        T* raw = form.get();
        forms_.push_back(std::move(form));
        return raw;
    }
    QWidget* MainForm() const;

    // Shows the main form and runs the loop until it closes.
    int Run();

    // True when there is a display to show windows on.
    static bool HasDisplay();

  private:
    std::string helpFile_;
    std::vector<std::unique_ptr<QWidget>> forms_;
};

// Shows the text of an exception the way the application does (a box titled "Error").
void ShowException(const std::exception& error);

}  // namespace forms
