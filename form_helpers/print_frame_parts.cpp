// Pieces the printed reports share: label/value pairs, tables of framed cells, comments and the
// endangered-species page.
#include "form_helpers/print_frame_parts.h"

#include <QStackedWidget>
#include <QTabWidget>

#include "platform/forms/components.h"

void HeaderLine(ReportPage& page, const HeaderColumns& at, int line, const std::string& label,
                const std::string& value, const std::string& rightLabel,
                const std::string& rightValue) {
    page.Text(at.leftLabel > 0 ? page.X(at.leftLabel) : 10, line, label);
    page.Text(page.X(at.leftValue), line, value);
    if (rightLabel.empty() && rightValue.empty())
        return;
    page.Text(page.X(at.rightLabel), line, rightLabel);
    page.Text(page.X(at.rightValue), line, rightValue);
}

void Cells(ReportPage& page, int line, const std::vector<double>& columns,
           const std::vector<std::string>& texts, int align) {
    for (size_t c = 0; c < columns.size() && c < texts.size(); ++c)
        PrintReportLine(page, page.X(columns[c]), line, texts[c], align);
}

void LabelledRow(ReportPage& page, int line, const std::string& label,
                 const std::vector<double>& columns, const std::vector<std::string>& texts) {
    PrintReportRow(page, 10, line, label, kRowLabelWidth);
    Cells(page, line, columns, texts, 1);
}

std::string OnReachText(const forms::TRadioButton& yes, const forms::TRadioButton& no) {
    if (yes.Checked())
        return "Yes";
    return no.Checked() ? "No" : "Unknown";
}

std::string SelectedKey(const forms::TStringGrid& list) {
    return list.Row() < 0 ? std::string() : list.Cells(0, list.Row());
}

int CommentLines(ReportPage& page, int firstLine, const std::vector<std::string>& lines) {
    int n = 0;
    for (const std::string& line : lines)
        page.Text(page.X(0.17), firstLine + n++, line);
    return n;
}

bool ShownOnPage(const QWidget* control, const QWidget* page) {
    for (const QWidget* w = control; w && w != page; w = w->parentWidget()) {
        // A tab that is not the current one is hidden by its tab set, not by the page.
        const bool otherTab = qobject_cast<const QStackedWidget*>(w->parentWidget()) != nullptr;
        if (w->isHidden() && !otherTab)
            return false;
    }
    return control != nullptr;
}

bool TabShown(const QTabWidget& tabs, QWidget* tab) {
    const int index = tabs.indexOf(tab);
    return index >= 0 && tabs.isTabVisible(index);
}

void SpeciesPage(ReportPage& page, const forms::TStringGrid& grid, double actionColumn) {
    page.Text(10, 2, "Endangered Species");
    page.Text(page.X(0.5), 3, "Taxonomic");
    page.Text(page.X(0.8), 3, "Known");
    const std::vector<double> columns = {0, 0.3, 0.45, 0.5, actionColumn, 0.8};
    const std::vector<std::string> headings = {"Common Name", "County", "State",
                                               "Group",       "Action", "Occurrence?"};
    for (size_t c = 0; c < columns.size(); ++c)
        page.Text(c == 0 ? 10 : page.X(columns[c]), 4, headings[c]);
    int counter = 4;
    for (int row = 1; row < grid.RowCount(); ++row) {
        ++counter;
        // The row that reaches the page's end is printed in its columns on the new page.
        if (counter >= page.LinesPerPage() && counter > 5) {
            page.NewPage();
            counter = 5;
        }
        for (size_t c = 0; c < columns.size(); ++c)
            page.Text(c == 0 ? 10 : page.X(columns[c]), counter,
                      grid.Cells(static_cast<int>(c), row));
    }
}
