// The one service through which every message box, modal show, dialog, help request and
// hourglass passes; tests replace it with a script.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace forms {

class Form;

// Results of boxes and modal forms, with the values the system compares against.
enum ModalResult : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
};

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class Icon { None, Information, Warning, Error, Question };

struct FileDialogRequest {
    std::string title;
    std::string filter;  // "Tables (*.dbf);;All files (*)"
    std::string initialFolder;
    std::string initialName;
    // A save dialog used to pick a place rather than to write a file asks no overwrite question.
    bool confirmOverwrite = true;
    // Added (after a point) to a name chosen without an extension: "wpd".
    std::string defaultExtension{};
};

// The path with the extension added when its file name has none.
std::string WithDefaultExtension(const std::string& path, const std::string& extension);

// One thing the service showed, in the order shown.
struct ShownItem {
    std::string kind;     // "box", "modal", "open", "save", "folder", "print", "help"
    std::string caption;  // box caption, form caption, dialog title or help topic
    std::string text;     // box text, or the path chosen in a dialog
    int result = 0;       // the answer given
};

class UiService {
  public:
    virtual ~UiService() = default;
    virtual int MessageBox(const std::string& text, const std::string& caption, Buttons buttons,
                           Icon icon) = 0;
    virtual int ShowModal(Form& form) = 0;
    virtual std::optional<std::string> OpenFileDialog(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> SaveFileDialog(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> FolderDialog(const std::string& title,
                                                    const std::string& initialFolder) = 0;
    // True when the user accepted; the printer chosen is handed to the print layer.
    virtual bool PrintDialog() = 0;
    virtual void ShowHelp(const std::string& topic) = 0;
    virtual void SetHourglass(bool on) = 0;
};

// The service in use: the real one unless a test installed a script.
UiService& Ui();
void SetUi(UiService* service);  // nullptr restores the real service

// Shorthand for the common box with an OK button.
int ShowMessage(const std::string& text, const std::string& caption = "", Icon icon = Icon::None);

// Shows the hourglass while in scope.
class Hourglass {
  public:
    Hourglass() { Ui().SetHourglass(true); }
    ~Hourglass() { Ui().SetHourglass(false); }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;
};

// The path of a help topic's page in the program folder's help/ folder.
std::string HelpPagePath(const std::string& topic);

// A script of answers for tests. Unscripted boxes answer with their first button (OK or Yes),
// unscripted dialogs are cancelled, and unscripted modal forms run their show and activation
// and then return their modal result (mrCancel when none was set). Installs itself while alive.
class ScriptedUi : public UiService {
  public:
    ScriptedUi();
    ~ScriptedUi() override;

    void AnswerNextBox(int answer);
    void AnswerNextDialog(std::optional<std::string> path);
    void AnswerNextPrintDialog(bool accept);
    // The next print dialog is accepted with "Print to File (PDF)" and this file name.
    void AnswerNextPrintDialogToFile(const std::string& pdfPath);
    // The next modal form: after its show and activation, the step runs with the form and
    // returns the modal result.
    void OnNextModal(std::function<int(Form&)> step);

    const std::vector<ShownItem>& Shown() const { return shown_; }
    std::vector<ShownItem> Boxes() const;  // only the message boxes
    void ClearShown() { shown_.clear(); }
    int HourglassDepth() const { return hourglass_; }

    int MessageBox(const std::string& text, const std::string& caption, Buttons buttons,
                   Icon icon) override;
    int ShowModal(Form& form) override;
    std::optional<std::string> OpenFileDialog(const FileDialogRequest& request) override;
    std::optional<std::string> SaveFileDialog(const FileDialogRequest& request) override;
    std::optional<std::string> FolderDialog(const std::string& title,
                                            const std::string& initialFolder) override;
    bool PrintDialog() override;
    void ShowHelp(const std::string& topic) override;
    void SetHourglass(bool on) override;

  private:
    std::optional<std::string> NextDialog(const std::string& kind, const std::string& title);

    std::deque<int> boxAnswers_;
    std::deque<std::optional<std::string>> dialogAnswers_;
    struct PrintAnswer {
        bool accept = false;
        std::string pdfFile;
    };
    std::deque<PrintAnswer> printAnswers_;
    std::deque<std::function<int(Form&)>> modalSteps_;
    std::vector<ShownItem> shown_;
    int hourglass_ = 0;
    UiService* previous_ = nullptr;
};

}  // namespace forms
