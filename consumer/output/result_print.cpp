// The printout of the result pages.
#include "consumer/output/result_print.h"

#include <algorithm>

namespace consumer {
namespace {

void FitWindowOntoPage(print::PrintJob& job) {
    QRectF page = job.PageRect();
    double scale = std::min(page.width() / kResultPageWidth, page.height() / kResultPageHeight);
    QPainter& painter = job.Painter();
    painter.resetTransform();
    painter.scale(scale, scale);
}

}  // namespace

bool PrintResultPages(print::PrintJob& job, const ResultPageSource& source,
                      const std::string& comments) {
    if (!job.Begin())
        return false;
    QPainter& painter = job.Painter();
    FitWindowOntoPage(job);
    DrawInputsPage(painter, source);
    job.NewPage();
    if (source.inputs.ScenarioClass != 0) {
        FitWindowOntoPage(job);
        DrawInhalationPage(painter, source);
    }
    job.NewPage();
    if (source.inputs.ScenarioClass != 1) {
        FitWindowOntoPage(job);
        DrawDermalPage(painter, source);
    }
    job.NewPage();
    // Units of 0.01 inch.
    painter.resetTransform();
    double perHundredth = job.Resolution() / 100.0;
    painter.scale(perHundredth, perHundredth);
    DrawCommentsPage(painter, comments);
    return job.End();
}

}  // namespace consumer
