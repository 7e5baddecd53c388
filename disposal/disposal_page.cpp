// The texts of the down-the-drain results page.
#include "disposal/disposal_page.h"

#include "platform/sys/text.h"
#include "scenario/number_text.h"

std::string ExceedanceText(double value) {
    if (value < 0)
        return "N/A";
    return sys::Format("%.2f", value);
}

namespace {

using Texts = std::vector<std::pair<std::string, std::string>>;

void AddTop(Texts& t, const pmn_record& r, const DisposalResults& res) {
    t.push_back({"ProdVolDisp", DisplayValue(r.PRODVOL)});
    t.push_back({"WwtDisp", DisplayValue(r.WWT_LOW)});
    t.push_back({"RelDaysDisp", DisplayValue(DisposalReleaseDays)});
    t.push_back({"BcfDisp", DisplayValue(r.BCF)});
    t.push_back({"ExpPopDisp", PopulationLabelFor(r.POP_NUM)});
    t.push_back({"PreTreatDisp", DisplayValue(res.PreTreatRelease)});
    t.push_back({"PostTreatDisp", DisplayValue(res.PostTreatRelease)});
    t.push_back({"IndTypeDisp", r.RELEASE});
    t.push_back({"DwtDisp", DisplayValue(r.DWT)});
}

void AddPdm(Texts& t, const pmn_record& r, const DisposalResults& res) {
    const double cocs[3] = {r.COC0, r.COC1, r.COC2};
    for (int i = 0; i < 3; ++i) {
        const std::string n = std::to_string(i);
        t.push_back({"Coc" + n + "Disp", DisplayValue(cocs[i])});
        t.push_back({"CocDays" + n + "Disp", ExceedanceText(res.DaysExceeded[size_t(i)])});
        t.push_back({"CocPer" + n + "Disp", ExceedanceText(res.PercentExceeded[size_t(i)])});
    }
}

void AddConcentrations(Texts& t, const DisposalResults& res) {
    const char* factorNames[8] = {"Memo10", "Memo15", "Memo9", "Memo18",
                                  "Memo8",  "Memo19", "Memo7", "Memo22"};
    const char* concNames[8] = {"HarMeanConc50Disp", "HarMeanConc10Disp", "Conc30q5_50disp",
                                "Conc30q5_10Disp",   "Conc7q10_50Disp",   "Conc7q10_10Disp",
                                "Conc1q10_50Disp",   "Conc1q10_10Disp"};
    for (size_t i = 0; i < 8; ++i) {
        t.push_back({factorNames[i], DisplayValue(DisposalDilutionFactors[i])});
        t.push_back({concNames[i], DisplayValue(res.StreamConcentrations[i])});
    }
}

// One medium's table: prefix "Dw" or "Fish", the control suffix "" or "F", the two intakes.
void AddDoses(Texts& t, const pmn_record& r, const std::string& medium, const std::string& f,
              const double doses[10], double chronicIntake, double acuteIntake) {
    const char* kinds[5] = {"Ladd", "Ladc", "Add", "Adc", "Adr"};
    for (int k = 0; k < 5; ++k) {
        t.push_back({medium + kinds[k] + "50Disp", DisplayValue(doses[k])});
        t.push_back({medium + kinds[k] + "10Disp", DisplayValue(doses[5 + k])});
    }
    const bool adult = r.POP_NUM <= 0;
    t.push_back({"EdLadd" + f + "Disp", DisplayValue(r.YEARS_USE)});
    t.push_back({"AtLadd" + f + "Disp", DisplayValue(r.CANCERAT)});
    t.push_back({"BwLadd" + f + "Disp", DisplayValue(r.BW)});
    t.push_back({"IrLadd" + f + "Disp", adult ? DisplayValue(chronicIntake) : "NA"});
    t.push_back({"EdLadc" + f + "Disp", DisplayValue(r.YEARS_USE)});
    t.push_back({"AtLadc" + f + "Disp", DisplayValue(r.CANCERAT)});
    t.push_back({"BwLadc" + f + "Disp", "NA"});
    t.push_back({"IrLadc" + f + "Disp", "NA"});
    t.push_back({"EdAdr" + f + "Disp", "NA"});
    t.push_back({"AtAdr" + f + "Disp", "1 day"});
    t.push_back({"BwAdr" + f + "Disp", DisplayValue(r.BW)});
    t.push_back({"IrAdr" + f + "Disp", DisplayValue(acuteIntake)});
}

}  // namespace

Texts DisposalPageTexts(const pmn_record& r, const DisposalResults& res) {
    Texts t;
    AddTop(t, r, res);
    AddPdm(t, r, res);
    AddConcentrations(t, res);
    const double dw[10] = {r.DwLadd50Disp, r.DwLadc50Disp, r.DwAdd50Disp,  r.DwAdc50Disp,
                           r.DwAdr50Disp,  r.DwLadd10Disp, r.DwLadc10Disp, r.DwAdd10Disp,
                           r.DwAdc10Disp,  r.DwAdr10Disp};
    const double fish[10] = {r.FishLadd50Disp, r.FishLadc50Disp, r.FishAdd50Disp,  r.FishAdc50Disp,
                             r.FishAdr50Disp,  r.FishLadd10Disp, r.FishLadc10Disp, r.FishAdd10Disp,
                             r.FishAdc10Disp,  r.FishAdr10Disp};
    AddDoses(t, r, "Dw", "", dw, r.DRINKCHRON, r.DRINK);
    AddDoses(t, r, "Fish", "F", fish, r.FISHCHRON, r.FISH);
    return t;
}
