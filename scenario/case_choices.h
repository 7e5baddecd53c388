// Module flags and run flags shared by the main program's forms, cleared by the start-up work.
#pragma once

// The nine module flags: 1 when the module's check box was ticked when the chemical was chosen
// on the properties screen.
extern unsigned char SurfaceWaterSelected;
extern unsigned char LandfillSelected;
extern unsigned char AmbientAirSelected;
extern unsigned char FlushSelected;
extern unsigned char KivSelected;
extern unsigned char EqcSelected;
extern unsigned char Level3Selected;
extern unsigned char AsTreatSelected;
extern unsigned char PdmSelected;

// Run flags of the results run and the dilution pages.
extern unsigned char IndividualModelsEntered;
extern unsigned char ResultsRunBusy;

// Treatment-model values.
extern unsigned char AsTreatRunFresh;
extern unsigned char AsTreatInputsMode;
extern double AsTreatLoad;

// Release-page flags.
extern int ExpFactorsFirstShow;
extern unsigned char ChemListLocked;
extern unsigned char GenRelInfoDone;
extern unsigned char ExpFactorsPending;

// Position of the current chemical among the chemical ids of the scenario table, and the position
// last loaded.
extern int ChemIdIndex;
extern int LastChemIdIndex;
