// The printed down-the-drain report: the disposal results page drawn on one printed page.
#pragma once

#include "platform/print/print_job.h"

class TDisposalForm;

// Draws the results page as it shows now on a printer document already begun.
void PrintDisposalResults(TDisposalForm& form, print::PrintJob& printer);
