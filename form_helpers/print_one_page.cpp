// Printing one page as one document: the print dialog, the printer or a PDF file, and what
// becomes of the document when the printer fails.
#include "form_helpers/print_one_page.h"

#include <QPointer>
#include <QWidget>

#include "platform/forms/ui_service.h"

namespace {

void ShowPrintError(const std::string& text) {
    forms::Ui().MessageBox(text, "Print Page", forms::Buttons::Ok, forms::Icon::Error);
}

// The job for the report: the chosen printer, or a PDF file when no printer is installed.
std::unique_ptr<print::PrintJob> ChooseJob(const std::string& title) {
    std::unique_ptr<print::PrintJob> job = print::ReportJob(title);
    if (job)
        return job;
    forms::FileDialogRequest request;
    request.title = "No printer is installed: save the report as a PDF file";
    request.filter = "PDF files (*.pdf)";
    request.initialName = title + ".pdf";
    std::optional<std::string> path = forms::Ui().SaveFileDialog(request);
    if (!path)
        return nullptr;
    return print::PrintJob::ToPdf(*path, title);
}

// Disables a widget while in scope, and enables it again however the scope is left.
class DisabledWhile {
  public:
    explicit DisabledWhile(QWidget* widget) : widget_(widget) {
        if (widget_)
            widget_->setEnabled(false);
    }
    ~DisabledWhile() {
        if (widget_)
            widget_->setEnabled(true);
    }
    DisabledWhile(const DisabledWhile&) = delete;
    DisabledWhile& operator=(const DisabledWhile&) = delete;

  private:
    QPointer<QWidget> widget_;
};

}  // namespace

void PrintOnePage(const std::string& title, const std::function<void(print::PrintJob&)>& report,
                  QWidget* disabledWhilePrinting) {
    if (!forms::Ui().PrintDialog())
        return;
    std::unique_ptr<print::PrintJob> job = ChooseJob(title);
    if (!job)
        return;
    DisabledWhile disabled(disabledWhilePrinting);
    if (!job->Begin()) {
        ShowPrintError("The printer could not be started, so the page was not printed.");
        return;
    }
    try {
        report(*job);
    } catch (const std::exception& error) {
        job->Abort();
        ShowPrintError(std::string("The page was not printed: ") + error.what());
        return;
    }
    if (!job->End())
        ShowPrintError("The printer could not finish the page, so it may not have been printed.");
}
