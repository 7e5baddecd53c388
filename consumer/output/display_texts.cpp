// The texts the result pages and result documents show, prepared from the case records.
#include "consumer/output/display_texts.h"

#include "consumer/model/case_state.h"
#include "platform/sys/text.h"

namespace consumer {

DisplayTexts Display;

namespace {

const char* const kRooms[] = {"1. Bedroom",     "2. Kitchen",      "3. Bathroom",
                              "4. Living Room", "5. Utility Room", "6. Car"};
const char* const kPopulations[] = {
    "Adult",           "Youth(age 16-20)", "Child(age 6-10)", "Small Child(age 3-5)",
    "Infant(age 1-2)", "Child(age <1)",    "Youth(age 11-15)"};

std::string NotApplicableOr(double value, bool applicable) {
    return applicable ? EForm(value) : "N/A";
}

}  // namespace

std::string EForm(double value) {
    return sys::Format("%4.2e", value);
}

std::string G4(double value) {
    return sys::Format("%.4g", value);
}

std::string G2(double value) {
    return sys::Format("%.2g", value);
}

std::string PatternText(const std::string& pattern) {
    std::string text;
    for (int k = 0; k < 24; ++k) {
        size_t h = k == 0 ? 24 : static_cast<size_t>(k);
        text += h < pattern.size() ? pattern[h] : ' ';
        text += ' ';
    }
    return text;
}

std::string RoomNameOf(int room) {
    return room >= 1 && room <= 6 ? kRooms[room - 1] : kRooms[0];
}

void RefreshDisplayTexts(const ExposureInputs& in, const ExposureResults& er, DisplayTexts& t) {
    bool chronic = in.AgeGroup == 1 || in.ScenarioName == kUserDefined;
    t.InhLadd = NotApplicableOr(er[0], chronic);
    t.InhLadc = NotApplicableOr(er[1], chronic);
    t.InhAdd = NotApplicableOr(er[2], chronic);
    t.InhAdc = NotApplicableOr(er[3], chronic);
    t.InhLaddAt = NotApplicableOr(er[6], chronic);
    t.InhLadcAt = NotApplicableOr(er[7], chronic);
    t.InhAddAt = NotApplicableOr(er[8], chronic);
    t.InhAdcAt = NotApplicableOr(er[9], chronic);
    t.InhAdr = EForm(er[4]);
    t.InhCp = EForm(er[5]);
    t.InhAdrAt = EForm(er[10]);
    t.InhCpAt = EForm(er[11]);
    t.InhBodyWeight = G4(er[12]);
    t.InhFrequency = G4(er[13]);
    t.InhDuration = G4(er[14]);
    t.InhRate = G4(er[15]);
    t.DermLadd = NotApplicableOr(er[17], er[17] != kNotApplicable);
    t.DermAdd = NotApplicableOr(er[18], er[18] != kNotApplicable);
    t.DermAdr = EForm(er[19]);
    t.DermLaddAt = NotApplicableOr(er[20], er[20] != kNotApplicable);
    t.DermAddAt = NotApplicableOr(er[21], er[21] != kNotApplicable);
    t.DermAdrAt = EForm(er[22]);
    t.DermDuration = G4(er[23]);
    t.SaBwBody = G4(er[24]);
    t.SaBwHands = G4(er[25]);
    t.FrequencyBody = G4(er[26]);
    t.FrequencyHands = G4(er[27]);
    t.MolecularWeight = G4(in.MOLECWEIGHT);
    t.VapourPressure = G4(in.VAPORPRESS);
    t.WeightFractionCentral = G4(in.WeightFractionMedian);
    t.WeightFractionHighEnd = G4(in.WeightFraction90);
    t.HenrysLaw = G4(in.HENRYSLAW);
    t.MassCentral = G4(in.MassUsedCentral);
    t.MassHighEnd = G4(in.MassUsedHighEnd);
    t.DurationCentral = G4(in.DurationCentral);
    t.DurationHighEnd = G4(in.DurationHighEnd);
    t.AirExchange = G4(in.AIREXRATE);
    t.InhRateDuring = G4(in.INHALRATEDURINGUSE);
    t.InhRateAfter = G4(in.INHALRATEAFTERUSE);
    t.Zone1Volume = G4(in.ZONE1VOL);
    t.HouseVolume = G4(in.HOUSEVOL);
    t.AerosolFraction = G4(in.FRACTAEROSOL);
    t.AmountOnSkin = G4(in.AmountOnSkin);
    t.Permeability = G4(in.PermeabilityCoefficient);
    t.Kow = G4(in.KowValue);
    t.EventDuration = G4(in.DermalEventDuration);
    t.Density = G4(in.FormulationDensity);
    t.Dilution = G4(in.Dilution);
    t.StartTime = G2(in.STARTTIME);
    t.UseDayText = PatternText(in.ActivityPattern);
    t.NonUseDayText = PatternText(in.NonUseDayPattern);
    t.HourScale = "0" + std::string(16, ' ') + "6" + std::string(15, ' ') + "12" +
                  std::string(14, ' ') + "18";
    t.RoomName = RoomNameOf(in.ROOMOFUSE);
    if (in.AgeGroup >= 1 && in.AgeGroup <= 7)
        t.Population = kPopulations[in.AgeGroup - 1];
}

void RefreshDisplayTexts() {
    RefreshDisplayTexts(*CaseInputs, *CaseResults, Display);
}

}  // namespace consumer
