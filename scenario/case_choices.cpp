// The case-wide choices every part of the main program reads.
#include "scenario/case_choices.h"

unsigned char SurfaceWaterSelected = 0;
unsigned char LandfillSelected = 0;
unsigned char AmbientAirSelected = 0;
unsigned char FlushSelected = 0;
unsigned char KivSelected = 0;
unsigned char EqcSelected = 0;
unsigned char Level3Selected = 0;
unsigned char AsTreatSelected = 0;
unsigned char PdmSelected = 0;

unsigned char IndividualModelsEntered = 0;
unsigned char ResultsRunBusy = 0;

unsigned char AsTreatRunFresh = 0;
unsigned char AsTreatInputsMode = 0;
double AsTreatLoad = 0.0;

int ExpFactorsFirstShow = 1;
unsigned char ChemListLocked = 0;
unsigned char GenRelInfoDone = 0;
unsigned char ExpFactorsPending = 0;

int ChemIdIndex = -1;
int LastChemIdIndex = -1;

MainPageChoices MainChoices;
