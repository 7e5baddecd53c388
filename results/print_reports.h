// The printed reports of the result pages: each draws one page of the results form, as it shows
// now, on a printer document already begun.
#pragma once

#include <functional>
#include <string>

#include "platform/print/print_job.h"

class QWidget;
class TScrResForm;

void PrintEnvReleaseReport(TScrResForm& form, print::PrintJob& printer);
void PrintRiverSiteReport(TScrResForm& form, print::PrintJob& printer);
void PrintSicCodeReport(TScrResForm& form, print::PrintJob& printer);
void PrintLakeReport(TScrResForm& form, print::PrintJob& printer);
void PrintInhalationReport(TScrResForm& form, print::PrintJob& printer);
void PrintGroundwaterReport(TScrResForm& form, print::PrintJob& printer);
void PrintPdmSiteReport(TScrResForm& form, print::PrintJob& printer);
void PrintPdmSicReport(TScrResForm& form, print::PrintJob& printer);

// Prints one report as one document after the print dialog: nothing when the dialog is
// cancelled; a printer failure drops the document and is reported. The widget, when given, is
// disabled while printing.
void PrintPageReport(TScrResForm& form, void (*report)(TScrResForm&, print::PrintJob&),
                     QWidget* disabledWhilePrinting = nullptr);

// The same for any page: after the print dialog, the report draws one document titled after the
// page.
void PrintOnePage(const std::string& title, const std::function<void(print::PrintJob&)>& report,
                  QWidget* disabledWhilePrinting = nullptr);
