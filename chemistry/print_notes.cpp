// Printing the treatment model's notes on the default printer.
#include "chemistry/print_notes.h"

#include <cmath>
#include <memory>

#include "platform/forms/ui_service.h"
#include "platform/print/print_job.h"
#include "platform/sys/paths.h"

namespace {

std::string& PrintFile() {
    static std::string file;
    return file;
}

void ShowError(const char* text) {
    forms::Ui().MessageBox(text, "Error", forms::Buttons::Ok, forms::Icon::Error);
}

}  // namespace

void SetNotesPrintFile(const std::string& pdfPath) {
    PrintFile() = pdfPath;
}

bool PrintNotes(const std::string& heading, const std::string& panelHeading,
                const std::vector<std::string>& lines, const QFont& font) {
    const std::string title = "AsTreat Instructions";
    std::unique_ptr<print::PrintJob> job =
        PrintFile().empty() ? print::PrintJob::ToDefaultPrinter(title)
                            : print::PrintJob::ToPdf(sys::NativePath(PrintFile()), title);
    if (!job) {
        ShowError("No printer is set up, so the instructions were not printed.");
        return false;
    }
    if (!job->Begin()) {
        ShowError("The printer could not be started, so the instructions were not printed.");
        return false;
    }
    QPainter& painter = job->Painter();
    painter.setFont(font);
    const double pointSize = font.pointSizeF() > 0 ? font.pointSizeF() : 10.0;
    const int fontHeight = static_cast<int>(std::abs(pointSize * job->Resolution() / 72.0));
    const int h = static_cast<int>(fontHeight * 1.4);
    painter.drawText(10, h, QString::fromStdString(heading));
    painter.drawText(10, 3 * h, QString::fromStdString(panelHeading));
    for (size_t i = 0; i < lines.size(); ++i) {
        painter.drawText(10, static_cast<int>(4 + i) * h, QString::fromStdString(lines[i]));
    }
    return job->End();
}
