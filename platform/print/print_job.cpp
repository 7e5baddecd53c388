// A print job: the printer canvas (page size, font, text and lines at device coordinates) on a
// printer or into a PDF file.
#include "platform/print/print_job.h"

#include <QFile>
#include <QPrinterInfo>
#include <cmath>
#include <cstdlib>

namespace print {
namespace {

struct Target {
    std::string pdfPath;
    int dpi = 0;
    int newPageFaultAfter = -1;
    std::string chosenPrinter;
    std::string chosenPdfFile;
};

Target& CurrentTarget() {
    static Target target;
    return target;
}

}  // namespace

PrintJob::PrintJob() : printer_(QPrinter::HighResolution) {}

std::unique_ptr<PrintJob> PrintJob::ToPdf(const std::string& path, const std::string& title,
                                          int dpi) {
    std::unique_ptr<PrintJob> job(new PrintJob());
    job->printer_.setOutputFormat(QPrinter::PdfFormat);
    job->printer_.setOutputFileName(QString::fromStdString(path));
    job->printer_.setDocName(QString::fromStdString(title));
    if (dpi > 0)
        job->printer_.setResolution(dpi);
    job->pdfPath_ = path;
    return job;
}

std::unique_ptr<PrintJob> PrintJob::ToDefaultPrinter(const std::string& title) {
    QPrinterInfo info = QPrinterInfo::printerInfo(QString::fromStdString(ChosenPrinter()));
    if (info.isNull())
        info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    std::unique_ptr<PrintJob> job(new PrintJob());
    job->printer_.setPrinterName(info.printerName());
    job->printer_.setDocName(QString::fromStdString(title));
    return job;
}

std::unique_ptr<PrintJob> PrintJob::ToChosenOutput(const std::string& title) {
    std::string file;
    file.swap(CurrentTarget().chosenPdfFile);
    if (!file.empty())
        return ToPdf(file, title);
    return ToDefaultPrinter(title);
}

bool PrintJob::Begin() {
    if (!painter_.begin(&printer_))
        return false;
    SetPenWidth(penWidth_);
    return true;
}

bool PrintJob::NewPage() {
    int& fault = CurrentTarget().newPageFaultAfter;
    if (fault == 0)
        return false;
    if (fault > 0)
        --fault;
    return printer_.newPage();
}

bool PrintJob::End() {
    return painter_.end();
}

void PrintJob::Abort() {
    printer_.abort();
    if (painter_.isActive())
        painter_.end();
    // A PDF writer has no abort of its own: remove the partial file.
    if (!pdfPath_.empty())
        QFile::remove(QString::fromStdString(pdfPath_));
}

QRectF PrintJob::PageRect() const {
    return printer_.pageRect(QPrinter::DevicePixel);
}

int PrintJob::Resolution() const {
    return printer_.resolution();
}

int PrintJob::PageWidth() const {
    return static_cast<int>(PageRect().width());
}

int PrintJob::PageHeight() const {
    return static_cast<int>(PageRect().height());
}

void PrintJob::SetFont(const QFont& font) {
    font_ = font;
    if (painter_.isActive())
        painter_.setFont(font_);
}

void PrintJob::SetPenWidth(int width) {
    penWidth_ = width;
    if (painter_.isActive()) {
        QPen pen(Qt::black);
        pen.setWidth(width);
        painter_.setPen(pen);
    }
}

void PrintJob::TextOut(int x, int y, const std::string& text) {
    painter_.setFont(font_);
    const int ascent = painter_.fontMetrics().ascent();
    painter_.drawText(x, y + ascent, QString::fromStdString(text));
}

int PrintJob::TextWidth(const std::string& text) {
    painter_.setFont(font_);
    return painter_.fontMetrics().horizontalAdvance(QString::fromStdString(text));
}

void PrintJob::Outline(int left, int top, int right, int bottom) {
    const QPoint corners[5] = {
        {left, top}, {left, bottom}, {right, bottom}, {right, top}, {left, top}};
    painter_.drawPolyline(corners, 5);
}

int LineHeight(int pointSize, int dpi) {
    // MulDiv rounds the exact quotient half away from zero.
    const long long product = static_cast<long long>(pointSize) * dpi;
    const long long rounded = (std::llabs(product) * 2 + 72) / 144 * (product < 0 ? -1 : 1);
    return static_cast<int>(static_cast<double>(std::llabs(rounded)) * 1.4);
}

void SetReportPdfTarget(const std::string& path, int dpi) {
    CurrentTarget().pdfPath = path;
    CurrentTarget().dpi = dpi;
}

const std::string& ReportPdfTarget() {
    return CurrentTarget().pdfPath;
}

std::unique_ptr<PrintJob> ReportJob(const std::string& title) {
    const Target& target = CurrentTarget();
    if (target.chosenPdfFile.empty() && !target.pdfPath.empty())
        return PrintJob::ToPdf(target.pdfPath, title, target.dpi);
    return PrintJob::ToChosenOutput(title);
}

void SetChosenPrinter(const std::string& name) {
    CurrentTarget().chosenPrinter = name;
}

const std::string& ChosenPrinter() {
    return CurrentTarget().chosenPrinter;
}

void SetChosenPdfFile(const std::string& path) {
    CurrentTarget().chosenPdfFile = path;
}

const std::string& ChosenPdfFile() {
    return CurrentTarget().chosenPdfFile;
}

void SetNewPageFaultAfter(int pages) {
    CurrentTarget().newPageFaultAfter = pages;
}

}  // namespace print
