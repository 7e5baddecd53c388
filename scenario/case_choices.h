// The case-wide choices every part of the main program reads: module flags and run flags, cleared
// by the start-up work, and the main page's choices, written by the page while it exists.
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

// The main page's choices. While no main page exists they stand at what a case without one
// assumes: every dose kind, no ADD/ADC, no age group chosen and WordPerfect documents.
enum class ReportFormat { WordPerfect, Word };
struct MainPageChoices {
    bool cancer = true;      // "Cancer" ticked
    bool chronic = true;     // "Chronic non-cancer" ticked
    bool acute = true;       // "Acute" ticked
    bool noAdd = true;       // ADD/ADC values not asked for
    int exposedPopNum = -1;  // the population group of the checked age radio; -1 for none
    ReportFormat reportFormat = ReportFormat::WordPerfect;
    bool fromMainPage = false;  // true while a main page holds the choices
};
extern MainPageChoices MainChoices;

// True while WordPerfect is the report format.
inline bool WordPerfectReports() {
    return MainChoices.reportFormat == ReportFormat::WordPerfect;
}
