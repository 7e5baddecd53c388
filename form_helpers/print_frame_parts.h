// Pieces the printed reports share: label/value pairs, tables of framed cells, comments and the
// endangered-species page.
#pragma once

#include <string>
#include <vector>

#include "platform/print/print_frame.h"

class QTabWidget;
class QWidget;
namespace forms {
class TRadioButton;
class TStringGrid;
}  // namespace forms

// Where the two label/value columns of a header line stand, as fractions of the page width
// (a left label fraction of 0 puts the first label at 10 pixels).
struct HeaderColumns {
    double leftValue = 0.17;
    double rightLabel = 0.5;
    double rightValue = 0.75;
    double leftLabel = 0;
};

// One header line: a label and its value on the left, and optionally on the right.
void HeaderLine(ReportPage& page, const HeaderColumns& at, int line, const std::string& label,
                const std::string& value, const std::string& rightLabel = "",
                const std::string& rightValue = "");

// A row of cells at the given fractions of the page width.
void Cells(ReportPage& page, int line, const std::vector<double>& columns,
           const std::vector<std::string>& texts, int align);
// A row label at x = 10 followed by value cells holding the texts.
void LabelledRow(ReportPage& page, int line, const std::string& label,
                 const std::vector<double>& columns, const std::vector<std::string>& texts);

// "Yes", "No" or "Unknown" as the facility-on-reach buttons show it.
std::string OnReachText(const forms::TRadioButton& yes, const forms::TRadioButton& no);

// The release key of the selected row of a page's release list.
std::string SelectedKey(const forms::TStringGrid& list);

// The comment lines of a memo up to its first empty line, from the given line on; returns how
// many were printed.
int CommentLines(ReportPage& page, int firstLine, const std::vector<std::string>& lines);

// Whether a control shows on its page: neither it nor a box it stands in up to the page is
// hidden (a page hides a row of fields by hiding their box); a tab that is not the current one
// counts as shown.
bool ShownOnPage(const QWidget* control, const QWidget* page);

// Whether a tab of a page's tab set is shown.
bool TabShown(const QTabWidget& tabs, QWidget* tab);

// The endangered-species page: headings, then one line per species row of the grid, continued
// on new pages. The action column stands at the given fraction of the page width.
void SpeciesPage(ReportPage& page, const forms::TStringGrid& grid, double actionColumn);
