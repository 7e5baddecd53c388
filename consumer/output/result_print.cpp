// The printout of the result pages.
#include "consumer/output/result_print.h"

#include <algorithm>

namespace consumer {
namespace {

void FitWindowOntoPage(QPainter& painter, const QRectF& page) {
    double scale = std::min(page.width() / kResultPageWidth, page.height() / kResultPageHeight);
    painter.resetTransform();
    painter.scale(scale, scale);
}

}  // namespace

void DrawPrintedPage(QPainter& painter, int page, const QRectF& pageRect, int resolution,
                     const ResultPageSource& source, const std::string& comments) {
    int scenarioClass = source.inputs.ScenarioClass;
    if (page == 4) {
        // Units of 0.01 inch.
        painter.resetTransform();
        double perHundredth = resolution / 100.0;
        painter.scale(perHundredth, perHundredth);
        DrawCommentsPage(painter, comments);
        return;
    }
    if ((page == 2 && scenarioClass == 0) || (page == 3 && scenarioClass == 1))
        return;
    FitWindowOntoPage(painter, pageRect);
    if (page == 1)
        DrawInputsPage(painter, source);
    else if (page == 2)
        DrawInhalationPage(painter, source);
    else
        DrawDermalPage(painter, source);
}

bool PrintResultPages(print::PrintJob& job, const ResultPageSource& source,
                      const std::string& comments) {
    if (!job.Begin())
        return false;
    for (int page = 1; page <= 4; ++page) {
        if (page > 1)
            job.NewPage();
        DrawPrintedPage(job.Painter(), page, job.PageRect(), job.Resolution(), source, comments);
    }
    return job.End();
}

}  // namespace consumer
