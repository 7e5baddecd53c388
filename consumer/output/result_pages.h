// The result pages of a model run, drawn in fixed logical coordinates onto any painter, so that
// the screen and the printer show the same page.
#pragma once

#include <QPainter>
#include <string>
#include <vector>

#include "consumer/model/case_records.h"
#include "consumer/output/display_texts.h"

namespace consumer {

// What a page is drawn from: the records, the display texts, the run mode and the output mode
// (1 screen, 2 printer: the legend is then in the small font).
struct ResultPageSource {
    const ExposureInputs& inputs;
    const ExposureResults& results;
    DisplayTexts& texts;
    int runMode = 0;
    int outputMode = 1;
};

// The logical size every page is drawn in (the window's client area it was made for).
inline constexpr int kResultPageWidth = 800;
inline constexpr int kResultPageHeight = 560;

void DrawInputsPage(QPainter& painter, const ResultPageSource& source);
void DrawInhalationPage(QPainter& painter, const ResultPageSource& source);
// Also turns the dermal LADD and its averaging time into "N/A" for a child population.
void DrawDermalPage(QPainter& painter, const ResultPageSource& source);
// Drawn in units of 0.01 inch; the caller sets up that mapping.
void DrawCommentsPage(QPainter& painter, const std::string& comments);

// The comments as the comments page lays them out: "Comments:" and then the wrapped lines
// (a cut at the first blank at or after 70 characters; at most 79 characters and 100 lines).
std::vector<std::string> CommentLines(const std::string& comments);

}  // namespace consumer
