// The reset of the scenario record to its defaults between releases.
#pragma once

// Sets CurrentPmn to its defaults. Members that carry over between releases (the concentrations
// of concern, WHICHANAL, MEANFLOW, the results, ...) are left as they are. Loads the adult
// exposure factors from the exposure-factor table unless SuppressFactorLoad is set; an error of
// that table is thrown after the other defaults are in place.
void ResetScenarioRecord();
