// The frame every printed report of the result pages shares: page geometry, the line grid, the
// doubled pen and the two framed-cell drawings.
#pragma once

#include <QFont>
#include <string>
#include <vector>

#include "platform/print/print_job.h"

class QPlainTextEdit;

// The geometry of a report on the printer, computed at its start. The pen is doubled while the
// report draws and restored when it ends, also when the printer fails in between. Line numbers
// given to it run on past the page: a line below the page's last one starts a new page, where
// the body continues on line 4.
class ReportPage {
  public:
    ReportPage(print::PrintJob& job, const QFont& font);
    ~ReportPage();
    ReportPage(const ReportPage&) = delete;
    ReportPage& operator=(const ReportPage&) = delete;

    print::PrintJob& Job() { return job_; }
    int PageWidth() const { return width_; }
    int LineHeight() const { return lineHeight_; }
    int LinesPerPage() const { return linesPerPage_; }
    // A fraction of the page width, truncated to whole pixels.
    int X(double fraction) const { return static_cast<int>(width_ * fraction); }
    // The y of a report line on the current page, after starting a new page when it is past the
    // page's last line.
    int Y(int line);
    // Plain text whose top-left corner is at (x, line).
    void Text(int x, int line, const std::string& text);
    // Starts a new page on which line numbers count from the top again. Throws PrintError when
    // the printer refuses the page.
    void NewPage();
    void SetFont(const QFont& font);

  private:
    print::PrintJob& job_;
    int savedPen_;
    int width_ = 0;
    int lineHeight_ = 1;
    int linesPerPage_ = 0;
    int shift_ = 0;  // report line minus page line on the current page
};

// A value or heading cell: the text right-aligned in twelve characters (align 1) or left-aligned,
// framed in a cell of 0.11 page widths.
void PrintReportLine(ReportPage& page, int x, int line, const std::string& text, int align);
// A label framed to the width of the sizing text (the text itself when the sizing text is empty).
void PrintReportRow(ReportPage& page, int x, int line, const std::string& text,
                    const std::string& sizing);

// The sizing text that gives every row label one frame width.
inline const std::string kRowLabelWidth = "00000000000000000000";

// The font of the reports: the fixed-pitch font of a grid of the results form.
QFont ReportFont(bool bold);

// The lines a memo shows, long lines wrapped at the memo's width as on screen.
std::vector<std::string> MemoShownLines(const QPlainTextEdit& memo);
// The memo's shown lines up to the first empty one.
std::vector<std::string> LinesBeforeBlank(const QPlainTextEdit& memo);
