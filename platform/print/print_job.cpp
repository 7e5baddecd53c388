// A print job: pages drawn with a painter onto a printer or into a PDF file.
#include "platform/print/print_job.h"

#include <QPrinterInfo>

namespace print {

PrintJob::PrintJob() : printer_(QPrinter::HighResolution) {}

std::unique_ptr<PrintJob> PrintJob::ToPdf(const std::string& path, const std::string& title) {
    std::unique_ptr<PrintJob> job(new PrintJob());
    job->printer_.setOutputFormat(QPrinter::PdfFormat);
    job->printer_.setOutputFileName(QString::fromStdString(path));
    job->printer_.setDocName(QString::fromStdString(title));
    return job;
}

std::unique_ptr<PrintJob> PrintJob::ToDefaultPrinter(const std::string& title) {
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    std::unique_ptr<PrintJob> job(new PrintJob());
    job->printer_.setPrinterName(info.printerName());
    job->printer_.setDocName(QString::fromStdString(title));
    return job;
}

bool PrintJob::Begin() {
    return painter_.begin(&printer_);
}

void PrintJob::NewPage() {
    printer_.newPage();
}

bool PrintJob::End() {
    return painter_.end();
}

QRectF PrintJob::PageRect() const {
    return printer_.pageRect(QPrinter::DevicePixel);
}

int PrintJob::Resolution() const {
    return printer_.resolution();
}

}  // namespace print
