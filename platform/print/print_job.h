// A print job: the printer canvas (page size, font, text and lines at device coordinates) on a
// printer or into a PDF file.
#pragma once

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <memory>
#include <stdexcept>
#include <string>

namespace print {

// A failure of the printer in the middle of a document.
class PrintError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class PrintJob {
  public:
    // A job that writes the pages into a PDF file; dpi 0 keeps the printer's own resolution.
    static std::unique_ptr<PrintJob> ToPdf(const std::string& path, const std::string& title,
                                           int dpi = 0);
    // A job on the printer the person chose in the last print dialog, or else on the system's
    // default printer; nothing when no printer is installed.
    static std::unique_ptr<PrintJob> ToDefaultPrinter(const std::string& title);
    // A job on what the person chose in the last print dialog: the PDF file named there when
    // they printed to a file (that choice serves this one job), else as ToDefaultPrinter.
    static std::unique_ptr<PrintJob> ToChosenOutput(const std::string& title);

    // Starts the first page; false when the output cannot be opened.
    bool Begin();
    QPainter& Painter() { return painter_; }
    // Starts a further page; false when the printer refused it.
    bool NewPage();
    // Ends the job; false when the output could not be finished.
    bool End();
    // Drops a begun document: nothing more is printed and a PDF file is not left half-written.
    void Abort();
    bool Active() const { return painter_.isActive(); }

    // The printable area in device units, and the device's dots per inch.
    QRectF PageRect() const;
    int Resolution() const;
    int PageWidth() const;
    int PageHeight() const;

    // The canvas: font, pen width, text whose top-left corner is at (x, y), and text widths.
    void SetFont(const QFont& font);
    const QFont& Font() const { return font_; }
    int PenWidth() const { return penWidth_; }
    void SetPenWidth(int width);
    void TextOut(int x, int y, const std::string& text);
    int TextWidth(const std::string& text);
    // A closed outline of the rectangle from (left, top) to (right, bottom).
    void Outline(int left, int top, int right, int bottom);

  private:
    PrintJob();

    QPrinter printer_;
    QPainter painter_;
    QFont font_;
    int penWidth_ = 1;
    std::string pdfPath_;
};

// The line height of a font on a device: |MulDiv(points, dpi, 72)| times 1.4, truncated.
int LineHeight(int pointSize, int dpi);

// Where reports go: a PDF file (tests, and a person without a printer) or the default printer.
// An empty path means the default printer.
void SetReportPdfTarget(const std::string& path, int dpi = 0);
const std::string& ReportPdfTarget();
// The job for a report: the file named in the print dialog, else the current target; nothing
// when neither names a file and no printer is installed.
std::unique_ptr<PrintJob> ReportJob(const std::string& title);

// The printer the person chose in a print dialog; jobs on "the printer" go there while it is
// installed. An empty name goes back to the system's default printer.
void SetChosenPrinter(const std::string& name);
const std::string& ChosenPrinter();
// The PDF file named in a print dialog printing to a file; the next job on the chosen output
// writes it. An empty name takes the choice back.
void SetChosenPdfFile(const std::string& path);
const std::string& ChosenPdfFile();

// For tests: the next NewPage calls fail after the given number succeeded (-1: never fail).
void SetNewPageFaultAfter(int pages);

}  // namespace print
