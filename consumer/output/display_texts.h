// The texts the result pages and result documents show, prepared from the case records.
#pragma once

#include <string>

#include "consumer/model/case_records.h"

namespace consumer {

struct DisplayTexts {
    std::string InhLadd, InhLadc, InhAdd, InhAdc, InhLaddAt, InhLadcAt, InhAddAt, InhAdcAt;
    std::string InhAdr, InhCp, InhAdrAt, InhCpAt;
    std::string InhBodyWeight, InhFrequency, InhDuration, InhRate;
    std::string DermLadd, DermAdd, DermAdr, DermLaddAt, DermAddAt, DermAdrAt;
    std::string DermDuration, SaBwBody, SaBwHands, FrequencyBody, FrequencyHands;
    std::string MolecularWeight, VapourPressure, WeightFractionCentral, WeightFractionHighEnd,
        HenrysLaw;
    std::string MassCentral, MassHighEnd, DurationCentral, DurationHighEnd;
    std::string AirExchange, InhRateDuring, InhRateAfter, Zone1Volume, HouseVolume, AerosolFraction;
    std::string AmountOnSkin, Permeability, Kow, EventDuration, Density, Dilution;
    std::string StartTime, UseDayText, NonUseDayText, HourScale, RoomName, Population;
};

// The texts of the last refresh; kept for the life of the program.
extern DisplayTexts Display;

// Rebuilds every display text from the records.
void RefreshDisplayTexts(const ExposureInputs& inputs, const ExposureResults& results,
                         DisplayTexts& texts);
void RefreshDisplayTexts();

// "%4.2e", and the general form with 4 and with 2 significant digits.
std::string EForm(double value);
std::string G4(double value);
std::string G2(double value);

// The hour pattern as the pages show it: hours 24, 1, 2, ..., 23, each followed by a blank.
std::string PatternText(const std::string& pattern);
// The room of use as the pages name it (anything but 1..6 is the bedroom).
std::string RoomNameOf(int room);

}  // namespace consumer
