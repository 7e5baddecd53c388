// The rules of one release as plain functions over the scenario record: unit conversion, the
// order of the concentrations of concern, the sludge release, the release marks and the checks.
#include "releases/release_rules.h"

double ConvertReleaseToKgPerSiteDay(double amount, int unitItem, double days) {
    switch (unitItem) {
        case LbsPerSiteDay:
            return amount / kPoundsPerKilogram;
        case KgPerSiteYear:
            return days > 0 ? amount / days : amount;
        case LbsPerSiteYear:
            return days > 0 ? amount / days / kPoundsPerKilogram : amount;
        default:
            return amount;
    }
}

void CompactConcernLevels(pmn_record& record) {
    if (record.COC1 == 0) {
        record.COC1 = record.COC2;
        record.COC2 = 0;
    }
    if (record.COC0 == 0) {
        record.COC0 = record.COC1;
        record.COC1 = record.COC2;
        record.COC2 = 0;
    }
}

double SludgeFromAdsorption(const pmn_record& record) {
    return record.SLUDGEAB * 0.01 * record.H2O_HI;
}

double SludgeFromTreatmentLoss(const pmn_record& record) {
    return record.LOSS2SLUDG * 0.01 * record.H2O_HI;
}

namespace {

ReleaseMessage Error(const char* text) {
    return {text, "Error"};
}
ReleaseMessage Note(const char* text) {
    return {text, "Note"};
}

void CheckSurfaceWater(const pmn_record& r, const ReleaseChoices& c,
                       std::vector<ReleaseMessage>& failed) {
    if (r.H2ODAYLO == 0)
        failed.push_back(Error("The number of days of water release must be greater than 0"));
    if (r.H2O_HI == 0)
        failed.push_back(Error("Releases to water must be greater than 0"));
    if (!c.FacilityChosen && !c.SicChosen)
        failed.push_back(Note("You must select a facility or SIC code before continuing."));
    if (r.COC0 <= 0 && r.COC1 <= 0 && r.COC2 <= 0 && c.DoPdm)
        failed.push_back(Note("You must input a COC if you want to include a PDM run"));
}

void CheckAir(const pmn_record& r, const ReleaseChoices& c, std::vector<ReleaseMessage>& failed) {
    if (r.FUGREL == 0 && r.INCINREL == 0)
        failed.push_back(Error("Fugitive releases must be greater than 0"));
    if (r.FUGDAYLO == 0 && r.FUGREL > 0)
        failed.push_back(Error("The number of days of fugitive release must be greater than 0"));
    if (r.INCINDAYS == 0 && r.INCINREL > 0)
        failed.push_back(Error("The number of days of stack release must be greater than 0"));
    bool noConcentrations =
        r.IREL_DOWN == 0 && r.ACUTE_CONC == 0 && r.IREL_DOWNF == 0 && r.ACUTECONCF == 0;
    if (noConcentrations && !c.StoringForStackRun)
        failed.push_back(Error("You must calculate air concentration before continuing."));
}

}  // namespace

std::vector<ReleaseMessage> CheckRelease(pmn_record& r, const ReleaseChoices& c) {
    std::vector<ReleaseMessage> failed;
    r.RELEASES = "0000";
    if (c.SurfaceWater) {
        r.RELEASES[0] = 'X';
        CheckSurfaceWater(r, c, failed);
    }
    if (c.Landfill && c.LandfillModule) {
        r.RELEASES[1] = 'X';
        if (r.LANDREL + r.SORPTION == 0)
            failed.push_back(Error("Landfill releases must be greater than 0"));
    }
    if (c.Incineration) {
        r.RELEASES[2] = 'X';
        if (r.INCINREL == 0 && r.FUGREL == 0)
            failed.push_back(Error("Incineration releases must be greater than 0"));
    }
    if (c.Fugitive) {
        r.RELEASES[3] = 'X';
        CheckAir(r, c, failed);
    }
    return failed;
}

SiteCheck CheckSiteChosen(const pmn_record& r, const ReleaseChoices& c) {
    SiteCheck check;
    if (!(r.NPDES.empty() && r.SIC_CODE < 0 && c.SurfaceWater))
        return check;
    check.failed = true;
    if (c.FacilityChosen)
        check.message = Error("You need to select a facility");
    else if (c.SicChosen)
        check.message = Error("You need to select a SIC code");
    return check;
}
