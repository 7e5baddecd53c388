// Printing the treatment model's notes on the default printer.
#include "chemistry/print_notes.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <cmath>
#include <cstdlib>

#include "platform/forms/ui_service.h"
#include "platform/sys/paths.h"

namespace {

std::string& PrintFile() {
    static std::string file;
    return file;
}

}  // namespace

void SetNotesPrintFile(const std::string& pdfPath) {
    PrintFile() = pdfPath;
}

bool PrintNotes(const std::string& heading, const std::string& panelHeading,
                const std::vector<std::string>& lines, const QFont& font) {
    QPrinter printer(QPrinter::HighResolution);
    if (!PrintFile().empty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(sys::NativePath(PrintFile())));
    } else if (QPrinterInfo::defaultPrinter().isNull()) {
        forms::Ui().MessageBox("No printer is set up, so the instructions were not printed.",
                               "Error", forms::Buttons::Ok, forms::Icon::Error);
        return false;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        forms::Ui().MessageBox("The printer could not be started.", "Error", forms::Buttons::Ok,
                               forms::Icon::Error);
        return false;
    }
    QFont printed(font, &printer);
    painter.setFont(printed);
    const double pointSize = printed.pointSizeF() > 0 ? printed.pointSizeF() : 10.0;
    const int fontHeight = static_cast<int>(std::abs(pointSize * printer.logicalDpiY() / 72.0));
    const int h = static_cast<int>(fontHeight * 1.4);
    painter.drawText(10, h, QString::fromStdString(heading));
    painter.drawText(10, 3 * h, QString::fromStdString(panelHeading));
    for (size_t i = 0; i < lines.size(); ++i) {
        painter.drawText(10, static_cast<int>(4 + i) * h, QString::fromStdString(lines[i]));
    }
    painter.end();
    return true;
}
