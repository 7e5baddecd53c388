// The scenario record's reset (defaults and carried members) and the release key split.
#include <gtest/gtest.h>

#include <optional>
#include <variant>
#include <vector>

#include "dilution/pdm_results.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_reset.h"

namespace {

// The reset without the exposure-factor table: the record defaults stay.
class ResetTest : public ::testing::Test {
  protected:
    void SetUp() override { SuppressFactorLoad = 1; }
    void TearDown() override {
        SuppressFactorLoad = 0;
        CurrentPmn = pmn_record{};
    }
};

TEST_F(ResetTest, SetsDefaultsAndKeepsCarriedMembers) {
    pmn_record& r = CurrentPmn;
    // A record full of a previous case.
    r.SITE_LO = 7;
    r.SITE_HI = 7;
    r.MODGUYS = "101010101";
    r.RELEASES = "X0X0";
    r.SPECEVAL = "11";
    r.STKHTU = "ft";
    r.FWIDTHU = "ft";
    r.METCLASS = "Urban";
    r.CHEMNAME = "Old";
    r.NPDES = "XX0000001";
    r.POP_NUM = 3;
    r.PopulationLabel = "Small Child (age 3-5)";
    r.HMF_50 = 4;
    r._Q10_10 = 5;
    r.PdmSitePercent = {1, 2, 3};
    r.DispPercent = {4, 5, 6};
    r.PdmSicPercent = {7, 8, 9};
    r.IREL_DOWN = 0.5;
    r.IREL_DOWNF = 0.25;
    r.ACUTECONCF = 0.75;
    r.PostTreat = 12;
    // Members that carry over.
    r.COC0 = 1.5;
    r.COC1 = 2.5;
    r.COC2 = 3.5;
    r.WHICHANAL = 1;
    r.MEANFLOW = 42;
    r.SIC = "2891";
    r.DTYPE = 'D';
    r.DwLaddSite = 0.125;
    r.ResAdcStk = 0.0625;
    r.TotWaterRel = 99;
    r.AcuteConc = 8;
    r.PdmSiteDays = {10, 11, 12};
    HealthFlags = "010";
    PdmHighEnd = 0;
    DisposalHighEnd = 0;

    ResetScenarioRecord();

    EXPECT_EQ(r.SITE_LO, 1.0);
    EXPECT_EQ(r.SITE_HI, 1.0);
    EXPECT_EQ(r.MODGUYS, "000000000");
    EXPECT_EQ(r.RELEASES, "0000");
    EXPECT_EQ(r.SPECEVAL, "00");
    EXPECT_EQ(HealthFlags, "111");
    EXPECT_EQ(PdmHighEnd, 1);
    EXPECT_EQ(DisposalHighEnd, 1);
    EXPECT_EQ(r.STKHTU, "m");
    EXPECT_EQ(r.STKVELU, "m/sec");
    EXPECT_EQ(r.STKTMPU, "K");
    EXPECT_EQ(r.FWIDTHU, "m");
    EXPECT_EQ(r.WNDSPDU, "ft/sec");
    EXPECT_EQ(r.METCLASS, "Full");
    EXPECT_EQ(r.LAND_USE, "Rural");
    EXPECT_EQ(r.CHEMNAME, "");
    EXPECT_EQ(r.NPDES, "");
    EXPECT_EQ(r.POP_NUM, 0);
    EXPECT_EQ(r.PopulationLabel, "Adult");
    EXPECT_EQ(r.DRINK, 1.4);
    EXPECT_EQ(r.FISH, 1.9);
    EXPECT_EQ(r.CANCERAT, 78.0);
    EXPECT_EQ(r.YEARS_USE, 57.0);
    EXPECT_EQ(r.DO_PDM, 1.0);
    EXPECT_EQ(r.HMF_50, 0);
    EXPECT_EQ(r._Q10_10, 0);
    EXPECT_EQ(r.PdmSitePercent, (std::array<double, 3>{0, 0, 0}));
    EXPECT_EQ(r.DispPercent, (std::array<double, 3>{0, 0, 0}));
    EXPECT_EQ(r.PdmSicPercent, (std::array<double, 3>{0, 0, 0}));
    EXPECT_EQ(r.IREL_DOWN, 0);
    EXPECT_EQ(r.PostTreat, 0);
    EXPECT_EQ(r.ReportMarks, "      ");
    EXPECT_EQ(r.ScenarioTypeText, std::string(13, ' '));
    // A new release never inherits another case's fugitive air concentrations.
    EXPECT_EQ(r.IREL_DOWNF, 0);
    EXPECT_EQ(r.ACUTECONCF, 0);

    EXPECT_EQ(r.COC0, 1.5);
    EXPECT_EQ(r.COC1, 2.5);
    EXPECT_EQ(r.COC2, 3.5);
    EXPECT_EQ(r.WHICHANAL, 1);
    EXPECT_EQ(r.MEANFLOW, 42);
    EXPECT_EQ(r.SIC, "2891");
    EXPECT_EQ(r.DTYPE, 'D');
    EXPECT_EQ(r.DwLaddSite, 0.125);
    EXPECT_EQ(r.ResAdcStk, 0.0625);
    EXPECT_EQ(r.TotWaterRel, 99);
    EXPECT_EQ(r.AcuteConc, 8);
    EXPECT_EQ(r.PdmSiteDays, (std::array<double, 3>{10, 11, 12}));
}

// Every member of the record with the value a reset gives it; nullopt: the reset keeps it.
using Member = std::variant<double pmn_record::*, int pmn_record::*, bool pmn_record::*,
                            char pmn_record::*, std::string pmn_record::*>;
using Value = std::variant<double, int, bool, char, std::string>;
struct MemberDefault {
    const char* name;
    Member member;
    std::optional<Value> value;
};

const std::string kKept = "kept";
#define M(name) #name, &pmn_record::name
const std::vector<MemberDefault>& MemberDefaults() {
    static const std::vector<MemberDefault> table = {
        {M(SIC), {}},
        {M(IACC), {}},
        {M(CRITTERS), false},
        {M(NOWATER), false},
        {M(NOLAND), false},
        {M(NOAIR), false},
        {M(MODGUYS), std::string("000000000")},
        {M(SPECEVAL), std::string("00")},
        {M(CHEMNAME), std::string()},
        {M(CaseNum), std::string()},
        {M(ScenNum), std::string()},
        {M(WHICHANAL), {}},
        {M(RELEASE), std::string()},
        {M(REMARKS), std::string()},
        {M(WSOLUBLE), 0.0},
        {M(MELT_PT), 0.0},
        {M(GAGE_POS), 0.0},
        {M(NUM_GAGES), 0.0},
        {M(DO_PDM), 1.0},
        {M(ED_KIV), 57.0},
        {M(AEROSOL), 0.0},
        {M(HENRY), 0.0},
        {M(DATATEMP), 0.0},
        {M(VP), 0.0},
        {M(KOW), 0.0},
        {M(BCF), 0.0},
        {M(MW), 0.0},
        {M(COC0), {}},
        {M(COC1), {}},
        {M(COC2), {}},
        {M(WWT_LOW), 0.0},
        {M(WWT_HI), 0.0},
        {M(DWT), 0.0},
        {M(SORPTION), 0.0},
        {M(SLUDGEAB), 0.0},
        {M(LOSS2SLUDG), 0.0},
        {M(MigrateText), {}},
        {M(MIGFACT), 0.0},
        {M(INCINREL), 0.0},
        {M(INCINDAYS), 0.0},
        {M(FAC_NAME), std::string()},
        {M(FAC_LOC), std::string()},
        {M(SITE_LO), 1.0},
        {M(SITE_HI), 1.0},
        {M(PRODVOL), 0.0},
        {M(LANDREL), 0.0},
        {M(INCIN_LO), 0.0},
        {M(INCIN_HI), 0.0},
        {M(FUGREL), 0.0},
        {M(ReleaseAllSites), 0.0},
        {M(H2ODAYLO), 0.0},
        {M(H2ODAYHI), 0.0},
        {M(PLANTFLO), 0.0},
        {M(EFFFLG), std::string()},
        {M(NPDES), std::string()},
        {M(REACH), std::string()},
        {M(REACHNAME), std::string()},
        {M(HIT), {}},
        {M(MEANFLOW), {}},
        {M(MEANFLG), std::string()},
        {M(FLOW7Q10), 0.0},
        {M(FL7Q10FLG), std::string()},
        {M(HARFLOW), 0.0},
        {M(HARMNFLG), std::string()},
        {M(FLOW30Q5), 0.0},
        {M(FL30Q5FLG), std::string()},
        {M(FLOW1Q10), 0.0},
        {M(FL1Q10FLG), std::string()},
        {M(DAYSSLUDGE), 0.0},
        {M(DAYSNSLUDG), 0.0},
        {M(DTYPE), {}},
        {M(ReportMarks), std::string(6, ' ')},
        {M(ScenarioTypeText), std::string(13, ' ')},
        {M(PopulationLabel), std::string("Adult")},
        {M(POP_NUM), 0},
        {M(MIGRATE), 0},
        {M(RiverReportText), std::string()},
        {M(H2O_HI), 0.0},
        {M(H2O_LO), 0.0},
        {M(DispPreTreat), {}},
        // Exposure factors as they stand while the table load is held back.
        {M(BW), 0.0},
        {M(EXPDURCAN), 33.0},
        {M(EXPDURNCAN), 33.0},
        {M(CANCERAT), 78.0},
        {M(NCANCERAT), 33.0},
        {M(DRINK), 1.4},
        {M(FISH), 1.9},
        {M(DRINKCHRON), {}},
        {M(FISHCHRON), {}},
        {M(YEARS_USE), 57.0},
        {M(AcuteDilFactor), 0.0},
        {M(ChronicDilFactor), 0.0},
        {M(HMF_50), 0.0},
        {M(HMF_10), 0.0},
        {M(_0Q5_50), 0.0},
        {M(_0Q5_10), 0.0},
        {M(LOW_50), 0.0},
        {M(LOW_10), 0.0},
        {M(_Q10_10), 0.0},
        {M(_Q10_50), 0.0},
        {M(FUGDAYLO), 0.0},
        {M(FUGDAYHI), 0.0},
        {M(INHALE), {}},
        {M(RELEASES), std::string("0000")},
        {M(SIC_CODE), 0},
        {M(WTFRAC_MED), 0.0},
        {M(WTFRAC_90), 0.0},
        {M(PRODNAME), std::string()},
        {M(TotWaterRel), {}},
        {M(TotLandfillRel), {}},
        {M(TotStackRel), {}},
        {M(PerSiteShare), {}},
        {M(TotFugitiveRel), {}},
        {M(TotReleaseFug), {}},
        {M(PostTreatIncin), {}},
        {M(PostTreat), 0.0},
        {M(DwLaddSite), {}},
        {M(FishAdrSite), {}},
        {M(FishLadcLake), {}},
        {M(DwAdr10Sic), {}},
        {M(FishLadd50Sic), {}},
        {M(DwAdc50Disp), {}},
        {M(FishAdr10Disp), {}},
        {M(ResLaddLand), {}},
        {M(ResAdrcFug), {}},
        {M(ResAdcStk), {}},
        {M(IREL_DOWN), 0.0},
        {M(ACUTE_CONC), 0.0},
        // Reset with the stack pair: a new release never inherits another case's fugitive
        // concentrations.
        {M(IREL_DOWNF), 0.0},
        {M(ACUTECONCF), 0.0},
        {M(AcuteConc), {}},
        {M(ChronicConc), {}},
        {M(STK_HT), 10.0},
        {M(STKHTU), std::string("m")},
        {M(STK_DIAM), 0.1},
        {M(STKDMU), std::string("m")},
        {M(STK_VEL), 0.1},
        {M(STKVELU), std::string("m/sec")},
        {M(STK_TEMP), 293.0},
        {M(STKTMPU), std::string("K")},
        {M(AMB_TMP), 293.0},
        {M(AMBTMPU), std::string("K")},
        {M(FUGRELHT), 3.0},
        {M(FUGRELHTU), std::string("m")},
        {M(FIELDWIDTH), 10.0},
        {M(FWIDTHU), std::string("m")},
        {M(FIELDLEN), 10.0},
        {M(FIELDLENU), std::string("m")},
        {M(LAND_USE), std::string("Rural")},
        {M(TER_HT), 0.0},
        {M(TERHTU), std::string("m")},
        {M(NEAR_RES), 100.0},
        {M(NEARRESU), std::string("m")},
        {M(METCLASS), std::string("Full")},
        {M(STABCLASS), 0},
        {M(WNDSPD), 0.0},
        {M(WNDSPDU), std::string("ft/sec")},
        {M(DOWNWASH), 0},
        {M(FACLEN), 100.0},
        {M(FACLENU), std::string("m")},
        {M(FACWD), 100.0},
        {M(FACWDU), std::string("m")},
        {M(FACHT), 10.0},
        {M(FACHTU), std::string("m")},
        {M(KIV_SCEN), 0},
        {M(SA_BODY), {}},
        {M(SA_HAND), {}},
    };
    return table;
}
#undef M

// A value unlike any default, different for every member.
Value DirtyValue(const Member& member, std::size_t i) {
    return std::visit(
        [i](auto pointer) -> Value {
            using T = std::remove_cvref_t<decltype(std::declval<pmn_record>().*pointer)>;
            if constexpr (std::is_same_v<T, std::string>) {
                return "dirty " + std::to_string(i);
            } else if constexpr (std::is_same_v<T, bool>) {
                return true;
            } else if constexpr (std::is_same_v<T, char>) {
                return static_cast<char>('a' + i % 26);
            } else if constexpr (std::is_same_v<T, int>) {
                return static_cast<int>(1000 + i);
            } else {
                return 1000.5 + static_cast<double>(i);
            }
        },
        member);
}

void Assign(pmn_record& r, const Member& member, const Value& value) {
    std::visit(
        [&](auto pointer) {
            using T = std::remove_cvref_t<decltype(r.*pointer)>;
            r.*pointer = std::get<T>(value);
        },
        member);
}

Value Read(const pmn_record& r, const Member& member) {
    return std::visit([&](auto pointer) -> Value { return r.*pointer; }, member);
}

TEST_F(ResetTest, EveryMemberTakesItsDefaultOrKeepsItsValue) {
    const auto& table = MemberDefaults();
    for (std::size_t i = 0; i < table.size(); ++i) {
        Assign(CurrentPmn, table[i].member, DirtyValue(table[i].member, i));
    }
    CurrentPmn.PdmSiteDays = {1, 2, 3};
    CurrentPmn.PdmSicDays = {4, 5, 6};
    CurrentPmn.DispDays = {7, 8, 9};
    CurrentPmn.PdmSitePercent = {1, 2, 3};
    CurrentPmn.PdmSicPercent = {4, 5, 6};
    CurrentPmn.DispPercent = {7, 8, 9};

    ResetScenarioRecord();

    for (std::size_t i = 0; i < table.size(); ++i) {
        const Value want = table[i].value ? *table[i].value : DirtyValue(table[i].member, i);
        EXPECT_EQ(Read(CurrentPmn, table[i].member), want)
            << table[i].name << (table[i].value ? "" : " (" + kKept + ")");
    }
    // The days of the dilution runs stay; their percentages start again.
    EXPECT_EQ(CurrentPmn.PdmSiteDays, (std::array<double, 3>{1, 2, 3}));
    EXPECT_EQ(CurrentPmn.PdmSicDays, (std::array<double, 3>{4, 5, 6}));
    EXPECT_EQ(CurrentPmn.DispDays, (std::array<double, 3>{7, 8, 9}));
    EXPECT_EQ(CurrentPmn.PdmSitePercent, (std::array<double, 3>{}));
    EXPECT_EQ(CurrentPmn.PdmSicPercent, (std::array<double, 3>{}));
    EXPECT_EQ(CurrentPmn.DispPercent, (std::array<double, 3>{}));
}

TEST(SplitReleaseKey, SplitsAtTheLastComma) {
    struct Case {
        const char* key;
        const char* caseNum;
        const char* scenNum;
    };
    const Case cases[] = {
        {"P-12-0345,1", "P-12-0345", "1"},
        {"A,B,12", "A,B", "12"},
        {"P-99,", "P-99", ""},
        {",3", "", "3"},
        {"NOCOMMA", "", ""},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        CurrentPmn.CaseNum = "stale";
        CurrentPmn.ScenNum = "stale";
        SplitReleaseKey(c.key);
        EXPECT_EQ(CurrentPmn.CaseNum, c.caseNum) << c.key;
        EXPECT_EQ(CurrentPmn.ScenNum, c.scenNum) << c.key;
    }
}

}  // namespace
