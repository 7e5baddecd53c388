// The printout of the result pages: inputs, inhalation, dermal and comments, one page each.
#pragma once

#include "consumer/output/result_pages.h"
#include "platform/print/print_job.h"

namespace consumer {

// Prints the four pages; page 2 stays blank for a dermal-only case and page 3 for an
// inhalation-only one. The first three are scaled, keeping their proportions, from the window
// size they were drawn for onto the page; the comments page keeps its physical size.
// False when the job could not be started or finished.
// Draws page 1..4 of the printout onto a painter whose printable area and resolution are given.
void DrawPrintedPage(QPainter& painter, int page, const QRectF& pageRect, int resolution,
                     const ResultPageSource& source, const std::string& comments);

bool PrintResultPages(print::PrintJob& job, const ResultPageSource& source,
                      const std::string& comments);

}  // namespace consumer
