// The one service through which every message box, modal show, dialog, help request and
// hourglass passes; tests replace it with a script.
#include "platform/forms/ui_service.h"

#include "platform/forms/form.h"
#include "platform/forms/qt_ui.h"
#include "platform/print/print_job.h"
#include "platform/sys/paths.h"

namespace forms {
namespace {

UiService* current = nullptr;

int FirstButton(Buttons buttons) {
    switch (buttons) {
        case Buttons::YesNo:
        case Buttons::YesNoCancel:
            return mrYes;
        case Buttons::RetryCancel:
            return mrRetry;
        case Buttons::AbortRetryIgnore:
            return mrAbort;
        default:
            return mrOk;
    }
}

}  // namespace

UiService& Ui() {
    if (current)
        return *current;
    static QtUi real;
    return real;
}

void SetUi(UiService* service) {
    current = service;
}

int ShowMessage(const std::string& text, const std::string& caption, Icon icon) {
    return Ui().MessageBox(text, caption, Buttons::Ok, icon);
}

std::string HelpPagePath(const std::string& topic) {
    return sys::NativePath(sys::ProgramRoot() + "/help/" + topic + ".html");
}

std::string WithDefaultExtension(const std::string& path, const std::string& extension) {
    if (extension.empty() || sys::FileNamePart(path).find('.') != std::string::npos)
        return path;
    return path + "." + extension;
}

ScriptedUi::ScriptedUi() : previous_(current) {
    SetUi(this);
}

ScriptedUi::~ScriptedUi() {
    SetUi(previous_);
}

void ScriptedUi::AnswerNextBox(int answer) {
    boxAnswers_.push_back(answer);
}

void ScriptedUi::AnswerNextDialog(std::optional<std::string> path) {
    dialogAnswers_.push_back(std::move(path));
}

void ScriptedUi::AnswerNextPrintDialog(bool accept) {
    printAnswers_.push_back({accept, ""});
}

void ScriptedUi::AnswerNextPrintDialogToFile(const std::string& pdfPath) {
    printAnswers_.push_back({true, pdfPath});
}

void ScriptedUi::OnNextModal(std::function<int(Form&)> step) {
    modalSteps_.push_back(std::move(step));
}

std::vector<ShownItem> ScriptedUi::Boxes() const {
    std::vector<ShownItem> boxes;
    for (const ShownItem& item : shown_) {
        if (item.kind == "box")
            boxes.push_back(item);
    }
    return boxes;
}

int ScriptedUi::MessageBox(const std::string& text, const std::string& caption, Buttons buttons,
                           Icon) {
    int answer = FirstButton(buttons);
    if (!boxAnswers_.empty()) {
        answer = boxAnswers_.front();
        boxAnswers_.pop_front();
    }
    shown_.push_back({"box", caption, text, answer});
    return answer;
}

int ScriptedUi::ShowModal(Form& form) {
    size_t index = shown_.size();
    shown_.push_back({"modal", form.Caption(), "", 0});
    std::function<int(Form&)> step;
    if (!modalSteps_.empty()) {
        step = std::move(modalSteps_.front());
        modalSteps_.pop_front();
    }
    int result = form.RunModalScripted(step);
    shown_[index].result = result;
    return result;
}

std::optional<std::string> ScriptedUi::NextDialog(const std::string& kind,
                                                  const std::string& title) {
    std::optional<std::string> answer;
    if (!dialogAnswers_.empty()) {
        answer = dialogAnswers_.front();
        dialogAnswers_.pop_front();
    }
    shown_.push_back({kind, title, answer.value_or(""), answer ? mrOk : mrCancel});
    return answer;
}

std::optional<std::string> ScriptedUi::OpenFileDialog(const FileDialogRequest& request) {
    return NextDialog("open", request.title);
}

std::optional<std::string> ScriptedUi::SaveFileDialog(const FileDialogRequest& request) {
    std::optional<std::string> path = NextDialog("save", request.title);
    if (path && !path->empty())
        path = WithDefaultExtension(*path, request.defaultExtension);
    return path;
}

std::optional<std::string> ScriptedUi::FolderDialog(const std::string& title, const std::string&) {
    return NextDialog("folder", title);
}

// Hands the choice to the print layer as the real dialog does.
bool ScriptedUi::PrintDialog() {
    PrintAnswer answer;
    if (!printAnswers_.empty()) {
        answer = printAnswers_.front();
        printAnswers_.pop_front();
    }
    print::SetChosenPdfFile(answer.accept ? answer.pdfFile : "");
    shown_.push_back({"print", "", answer.pdfFile, answer.accept ? mrOk : mrCancel});
    return answer.accept;
}

void ScriptedUi::ShowHelp(const std::string& topic) {
    shown_.push_back({"help", topic, HelpPagePath(topic), 0});
}

void ScriptedUi::SetHourglass(bool on) {
    hourglass_ += on ? 1 : -1;
}

}  // namespace forms
