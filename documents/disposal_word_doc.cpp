// The Word down-the-drain document.
#include "dilution/disposal_report.h"

DisposalReportOutcome WriteDisposalDoc(const DisposalReport&) {
    DisposalReportOutcome outcome;
    outcome.error =
        "The Word disposal document is not available in this version; choose "
        "WordPerfect-format reports on the main page.";
    return outcome;
}
