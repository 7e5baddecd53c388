// Printing one page as one document, after the print dialog.
#pragma once

#include <functional>
#include <string>

#include "platform/print/print_job.h"

class QWidget;

// After the print dialog, the report draws one document titled after the page: nothing when the
// dialog is cancelled; a printer failure drops the document and is reported. The widget, when
// given, is disabled while printing.
void PrintOnePage(const std::string& title, const std::function<void(print::PrintJob&)>& report,
                  QWidget* disabledWhilePrinting = nullptr);
