// The main page's report format: the cached answer in wordup, the question, and the re-check.
#include <QApplication>

#include "documents/word_probe.h"
#include "platform/forms/ui_service.h"
#include "platform/sys/text.h"
#include "shell/scr_main.h"
#include "shell/startup.h"

int WordCheckResult = 0;

namespace {

const char* kWordLocated = "Microsoft® Word has been located.";
const char* kWordMissing =
    "Microsoft® Word has not been located.  All documents can still be written in WordPerfect® "
    "format";

// The first line of wordup, or nullopt when there is no such file.
std::optional<std::string> CachedAnswer() {
    std::vector<std::string> lines;
    if (!sys::ReadTextLines(ProgramPath("wordup"), lines))
        return std::nullopt;
    return lines.empty() ? std::string() : lines.front();
}

}  // namespace

void TScrMain::ShowWordFormat(bool word) {
    NoWord->setVisible(!word);
    NoWp->setVisible(word);
}

std::optional<int> TScrMain::CheckWordAvailable() {
    std::optional<int> answer;
    if (WordCheckResult == 0) {
        if (std::optional<std::string> cached = CachedAnswer()) {
            WordCheckResult = *cached == "WORD" ? 1 : 2;
        } else {
            answer = forms::Ui().MessageBox(
                "Ombrix 2 is about to check for the existence of Microsoft® Word on your "
                "computer.\nThis can take a few moments. Please click \"Yes\" to continue (be "
                "patient after clicking \"yes\") or \"No\" if you want to proceed using Corel® "
                "WordPerfect.",
                "Note", forms::Buttons::YesNo, forms::Icon::Question);
            if (*answer == forms::mrYes) {
                QApplication::processEvents();
                {
                    forms::Hourglass hourglass;
                    WordCheckResult = ProbeWord();
                }
                forms::ShowMessage(WordCheckResult == 1 ? kWordLocated : kWordMissing, "Note");
            }
        }
    }
    WordStatus = WordCheckResult;
    return answer;
}

void TScrMain::NoWpClick() {
    ShowWordFormat(false);
}

void TScrMain::NoWordClick() {
    std::optional<int> answer = CheckWordAvailable();
    if (WordStatus == 1) {
        ShowWordFormat(true);
        return;
    }
    if (answer == forms::mrYes) {
        forms::ShowMessage(
            "To use this option, Microsoft® Word must be installed on your computer.\nPlease "
            "proceed using the Corel® WordPerfect option.\nIf you have installed Microsoft® Word "
            "since installing Ombrix2014,\nplease click the\"Select Document Report Format\" "
            "title on this screen to check for it again.",
            "Note");
    }
}

// The re-check updates the answer of this run too, so the Word panel can be chosen at once; a
// word processor that is gone no longer stays the report format.
void TScrMain::Label3Click() {
    int result = ProbeWord();
    WordCheckResult = result == 1 ? 1 : 2;
    WordStatus = WordCheckResult;
    if (WordStatus != 1)
        ShowWordFormat(false);
    forms::ShowMessage(result == 1 ? "Microsoft® Word has been located."
                                   : "Microsoft® Word has not been located.  All documents can "
                                     "still be written in WordPerfect® format.",
                       "Note");
}
