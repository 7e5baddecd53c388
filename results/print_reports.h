// The printed reports of the result pages: each draws one page of the results form, as it shows
// now, on a printer document already begun.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "form_helpers/print_one_page.h"
#include "platform/print/print_job.h"

class QWidget;
class ReportPage;
class TScrResForm;

void PrintEnvReleaseReport(TScrResForm& form, print::PrintJob& printer);
void PrintRiverSiteReport(TScrResForm& form, print::PrintJob& printer);
void PrintSicCodeReport(TScrResForm& form, print::PrintJob& printer);
void PrintLakeReport(TScrResForm& form, print::PrintJob& printer);
void PrintInhalationReport(TScrResForm& form, print::PrintJob& printer);
void PrintGroundwaterReport(TScrResForm& form, print::PrintJob& printer);
void PrintPdmSiteReport(TScrResForm& form, print::PrintJob& printer);
void PrintPdmSicReport(TScrResForm& form, print::PrintJob& printer);

// A row label at x = 10 followed by value cells holding the texts of the named fields.
void ValueRow(ReportPage& page, const TScrResForm& form, int line, const std::string& label,
              const std::vector<double>& columns, const std::vector<std::string>& fields);

// Prints one report as one document after the print dialog: nothing when the dialog is
// cancelled; a printer failure drops the document and is reported. The widget, when given, is
// disabled while printing.
void PrintPageReport(TScrResForm& form, void (*report)(TScrResForm&, print::PrintJob&),
                     QWidget* disabledWhilePrinting = nullptr);
