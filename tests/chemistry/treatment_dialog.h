// The treatment-model dialog filled as a person would, for the tests of every screen that runs it.
#pragma once

class TAsTreatInputs;

// Fills the dialog for a chemical sorbing at log Kow 3.7, half-life class of 30 hours:
// 2 kg/site/day at 3 sites for 250 days.
void FillTreatmentDialog(TAsTreatInputs& dialog);
