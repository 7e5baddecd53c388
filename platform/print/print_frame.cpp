// The frame every printed report of the result pages shares: page geometry, the line grid, the
// doubled pen and the two framed-cell drawings.
#include "platform/print/print_frame.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>

ReportPage::ReportPage(print::PrintJob& job, const QFont& font)
    : job_(job), savedPen_(job.PenWidth()) {
    SetFont(font);
    width_ = job_.PageWidth();
    linesPerPage_ = job_.PageHeight() / lineHeight_ - 4;
    job_.SetPenWidth(savedPen_ * 2);
}

ReportPage::~ReportPage() {
    job_.SetPenWidth(job_.PenWidth() / 2);
}

void ReportPage::SetFont(const QFont& font) {
    job_.SetFont(font);
    lineHeight_ = std::max(1, print::LineHeight(font.pointSize(), job_.Resolution()));
}

int ReportPage::Y(int line) {
    int onPage = line - shift_;
    if (onPage >= linesPerPage_ && onPage > 4) {
        NewPage();
        shift_ = line - 4;
        onPage = 4;
    }
    return onPage * lineHeight_;
}

void ReportPage::Text(int x, int line, const std::string& text) {
    const int y = Y(line);
    job_.TextOut(x, y, text);
}

void ReportPage::NewPage() {
    if (!job_.NewPage())
        throw print::PrintError("The printer did not start a new page.");
    job_.SetFont(job_.Font());
    shift_ = 0;
}

namespace {

void FrameCell(ReportPage& page, int x, int y, int width) {
    page.Job().Outline(x - 5, y - 5, x + width, y + page.LineHeight());
}

}  // namespace

void PrintReportLine(ReportPage& page, int x, int line, const std::string& text, int align) {
    const int y = page.Y(line);
    int pad = 0;
    if (align == 1 && text.size() < 12)
        pad = page.Job().TextWidth(std::string(12 - text.size(), '0'));
    page.Job().TextOut(x + pad, y, text);
    FrameCell(page, x, y, static_cast<int>(page.PageWidth() * 0.11));
}

void PrintReportRow(ReportPage& page, int x, int line, const std::string& text,
                    const std::string& sizing) {
    const int y = page.Y(line);
    const int width = page.Job().TextWidth(sizing.empty() ? text : sizing) + 10;
    page.Job().TextOut(x, y, text);
    FrameCell(page, x, y, width);
}

QFont ReportFont(bool bold) {
    QFont font("Courier New", 8);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setBold(bold);
    return font;
}

std::vector<std::string> MemoShownLines(const QPlainTextEdit& memo) {
    std::vector<std::string> lines;
    const QString all = memo.toPlainText();
    if (all.isEmpty())
        return lines;
    // A memo never laid out on screen has no width to wrap at.
    const bool wraps = memo.lineWrapMode() != QPlainTextEdit::NoWrap &&
                       memo.testAttribute(Qt::WA_Resized) && memo.viewport()->width() > 20;
    const qreal width = memo.viewport()->width() - 2 * memo.document()->documentMargin();
    for (const QString& paragraph : all.split('\n')) {
        if (!wraps || paragraph.isEmpty()) {
            lines.push_back(paragraph.toStdString());
            continue;
        }
        QTextLayout layout(paragraph, memo.font());
        QTextOption option;
        option.setWrapMode(memo.wordWrapMode());
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            lines.push_back(paragraph.mid(line.textStart(), line.textLength()).toStdString());
        }
        layout.endLayout();
    }
    return lines;
}

std::vector<std::string> LinesBeforeBlank(const QPlainTextEdit& memo) {
    std::vector<std::string> lines;
    for (const std::string& line : MemoShownLines(memo)) {
        if (line.empty())
            break;
        lines.push_back(line);
    }
    return lines;
}
