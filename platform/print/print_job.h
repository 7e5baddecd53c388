// A print job: pages drawn with a painter onto a printer or into a PDF file.
#pragma once

#include <QPainter>
#include <QPrinter>
#include <memory>
#include <string>

namespace print {

class PrintJob {
  public:
    // A job that writes the pages into a PDF file.
    static std::unique_ptr<PrintJob> ToPdf(const std::string& path, const std::string& title);
    // A job on the system's default printer; nothing when no printer is installed.
    static std::unique_ptr<PrintJob> ToDefaultPrinter(const std::string& title);

    // Starts the first page; false when the output cannot be opened.
    bool Begin();
    QPainter& Painter() { return painter_; }
    void NewPage();
    // Ends the job; false when the output could not be finished.
    bool End();

    // The printable area in device units, and the device's dots per inch.
    QRectF PageRect() const;
    int Resolution() const;

  private:
    PrintJob();

    QPrinter printer_;
    QPainter painter_;
};

}  // namespace print
