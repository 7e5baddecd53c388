// Defaults by scenario and age group from small fixture tables and from the shipped ones.
#include "consumer/data/defaults.h"

#include <gtest/gtest.h>

#include "consumer/model/case_reset.h"
#include "consumer/model/case_state.h"
#include "tests/consumer/data/table_fixture.h"
#include "tests/consumer/model/test_folder.h"

namespace {

using namespace consumer;
using consumer_test::Field;
using consumer_test::MakeTable;

// A working folder whose dbfiles hold the given cnsmrdef and efmodule rows.
class DefaultsTest : public ::testing::Test {
  protected:
    DefaultsTest() : folder_("consumer_defaults") {
        std::filesystem::create_directories(folder_.File("dbfiles"));
        WorkingFolder = folder_.Folder();
        RunMode = kRunStandAlone;
        ResetCaseIdentity(in_);
        ResetExposureInputs(in_, results_);
    }
    ~DefaultsTest() override { WorkingFolder.clear(); }

    void Products(const std::vector<std::vector<std::string>>& rows) {
        std::vector<tables::FieldDef> fields = {Field("SCENARIO", 'C', 35)};
        for (const char* name : {"EVENTS", "MASSCT", "MASSHE", "DURCT", "DURHE", "AIREXRATE",
                                 "AMTSKIN", "YEARSUSE", "SABODY", "SAHAND", "DERMDUR"}) {
            fields.push_back(Field(name, 'N', 12, 4));
        }
        fields.push_back(Field("ROOM", 'N', 2));
        fields.push_back(Field("START", 'N', 2));
        MakeTable(folder_.File("dbfiles"), "cnsmrdef", fields, rows);
    }
    void Factors(const std::vector<std::vector<std::string>>& rows) {
        MakeTable(folder_.File("dbfiles"), "efmodule",
                  {Field("FIELD", 'C', 51), Field("EFHVALUE", 'N', 12, 4)}, rows);
    }

    consumer_test::TestFolder folder_;
    ExposureInputs in_;
    ExposureResults results_;
};

const std::vector<std::string> kCleaner = {"General Purpose Cleaner",
                                           "104",
                                           "30",
                                           "120",
                                           "0.25",
                                           "1",
                                           "0.45",
                                           "0.0007",
                                           "57",
                                           "12",
                                           "3",
                                           "0.5",
                                           "2",
                                           "9"};

TEST_F(DefaultsTest, FirstMatchingProductRowWinsAndTheFixedRulesFollow) {
    std::vector<std::string> second = kCleaner;
    second[1] = "999";
    Products({{"Latex Paint", "2"}, kCleaner, second});
    LoadProductDefaults(in_);
    EXPECT_EQ(in_.EVENTSPERYEAR, 104);
    EXPECT_EQ(in_.MassUsedCentral, 30);
    EXPECT_EQ(in_.MassUsedHighEnd, 120);
    EXPECT_EQ(in_.DurationCentral, 0.25);
    EXPECT_EQ(in_.DurationHighEnd, 1);
    EXPECT_EQ(in_.AIREXRATE, 0.45);
    EXPECT_EQ(in_.AmountOnSkin, 0.0007);
    EXPECT_EQ(in_.YEARSOFUSE, 57);
    EXPECT_EQ(in_.SurfaceAreaBody, 12);
    EXPECT_EQ(in_.SurfaceAreaHands, 3);
    EXPECT_EQ(in_.DermalEventDuration, 0.5);
    EXPECT_EQ(in_.ROOMOFUSE, 2);
    EXPECT_EQ(in_.STARTTIME, 9);
    EXPECT_EQ(in_.YEARSLIFETIME, 78.0);
    EXPECT_EQ(in_.AveragingTimeAdd, 57);  // adults: the years of use
    EXPECT_EQ(in_.ZONE1VOL, 36.0);        // kitchen
    EXPECT_EQ(in_.FrequencyBody, 104);
    EXPECT_EQ(in_.ActivityPattern, kAdultUseDayPattern);
}

TEST_F(DefaultsTest, AgeGroupsSetYearsOfUseAndAveragingTime) {
    Products({kCleaner});
    struct Case {
        int group;
        const char* scenario;
        double years;
        double averaging;
    };
    const Case cases[] = {
        {2, "General Purpose Cleaner", 5, 16},
        {3, "General Purpose Cleaner", 5, 9},
        {4, "General Purpose Cleaner", 3, 4},
        {5, "General Purpose Cleaner", 2, 2},
        {6, "General Purpose Cleaner", 1, 2},
        {7, "General Purpose Cleaner", 5, 16},
        {2, "User Defined", 0, 16},
        {6, "User Defined", 1, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.group) + c.scenario);
        in_.AgeGroup = c.group;
        in_.ScenarioName = c.scenario;
        LoadProductDefaults(in_);
        EXPECT_EQ(in_.YEARSOFUSE, c.years);
        EXPECT_EQ(in_.AveragingTimeAdd, c.averaging);
        if (std::string(c.scenario) == "User Defined") {
            EXPECT_EQ(in_.ActivityPattern, "6666666666666666666666666");
            EXPECT_EQ(in_.NonUseDayPattern, "6666666666666666666666666");
            EXPECT_EQ(in_.ROOMOFUSE, 6);
            EXPECT_EQ(in_.ZONE1VOL, 2.4);
        } else {
            EXPECT_EQ(in_.ActivityPattern, kNonAdultUseDayPattern);
        }
    }
}

TEST_F(DefaultsTest, RoomVolumesAndProductRules) {
    const std::pair<int, double> rooms[] = {{1, 36}, {2, 36},  {3, 18}, {4, 48},
                                            {5, 36}, {6, 2.4}, {7, 2.4}};
    for (auto [room, volume] : rooms) {
        std::vector<std::string> row = kCleaner;
        row[12] = std::to_string(room);
        Products({row});
        LoadProductDefaults(in_);
        EXPECT_EQ(in_.ZONE1VOL, volume) << room;
    }
    std::vector<std::string> laundry = kCleaner;
    laundry[0] = "Laundry Detergent";
    Products({laundry});
    in_.ScenarioName = "Laundry Detergent";
    LoadProductDefaults(in_);
    EXPECT_EQ(in_.FrequencyBody, 52.0);
}

TEST_F(DefaultsTest, BarSoapTakesItsSurfaceAreasFromTheExposureFactors) {
    std::vector<std::string> soap = kCleaner;
    soap[0] = "Bar Soap";
    soap[9] = "111";  // never used for bar soap
    soap[10] = "222";
    Products({soap});
    Factors({{"SA/BW-Body-Toddlers(age 3-5)", "408.6"},
             {"SA/BW-Hand-Toddlers(age 3-5)", "19.68"},
             {"Body Weight-Toddlers(age 3-5)", "18.6"}});
    // Number 7 from the scenario page, or 0 after a chemical-id start that named the product.
    for (int number : {7, 0}) {
        SCOPED_TRACE(number);
        in_.ScenarioName = "Bar Soap";
        in_.ScenarioNumber = number;
        in_.AgeGroup = 4;
        in_.FrequencyHands = 5;
        in_.SurfaceAreaBody = in_.SurfaceAreaHands = in_.DermalEventDuration = 0;
        LoadProductDefaults(in_);
        EXPECT_EQ(in_.SurfaceAreaBody, 408.6);
        EXPECT_EQ(in_.SurfaceAreaHands, 19.68);
        EXPECT_EQ(in_.BODYWEIGHT, 18.6);
        EXPECT_EQ(in_.FrequencyHands, 730.0);
        EXPECT_EQ(in_.DermalEventDuration, 0.5);  // the fields after them are still read
    }
}

TEST_F(DefaultsTest, MissingTablesLeaveMembersAndStillApplyTheFixedRules) {
    in_.EVENTSPERYEAR = 7;
    in_.BODYWEIGHT = 65;
    LoadProductDefaults(in_);
    LoadExposureFactors(in_);
    EXPECT_EQ(in_.EVENTSPERYEAR, 7);
    EXPECT_EQ(in_.BODYWEIGHT, 65);
    EXPECT_EQ(in_.YEARSLIFETIME, 78.0);
    EXPECT_EQ(in_.ZONE1VOL, 18.0);  // room 3 of the reset
}

TEST_F(DefaultsTest, ExposureFactorsByAgeGroupAndModeLaterRowsWin) {
    Factors({
        {"Body Weight-Adult", "80"},
        {"Inhalation Rate-Adult", "0.89"},
        {"Inhalation Rate After Use", "0.66"},
        {"Averaging Time Cancer", "70"},
        {"House Volume", "400"},
        {"House Volume", "492"},
        {"Body Weight-Child(age 6-10)", "31.8"},
        {"Inhalation Rate-Child(age 6-10)", "0.69"},
        {"Inhalation Rate-Child(age 6-10) After", "0.5"},
        {"SA/BW-Adult", "241.3"},
    });
    LoadExposureFactors(in_);
    EXPECT_EQ(in_.BODYWEIGHT, 80);
    EXPECT_EQ(in_.INHALRATEDURINGUSE, 0.89);
    EXPECT_EQ(in_.INHALRATEAFTERUSE, 0.66);
    EXPECT_EQ(in_.YEARSLIFETIME, 70);
    EXPECT_EQ(in_.HOUSEVOL, 492);       // the later row wins
    EXPECT_EQ(in_.SurfaceAreaBody, 0);  // only for bar soap

    // A child outside linked mode: the group's own after-use row comes later and wins.
    in_.AgeGroup = 3;
    LoadExposureFactors(in_);
    EXPECT_EQ(in_.BODYWEIGHT, 31.8);
    EXPECT_EQ(in_.INHALRATEDURINGUSE, 0.69);
    EXPECT_EQ(in_.INHALRATEAFTERUSE, 0.5);

    // Linked mode keeps the body weight and lifetime of the request.
    RunMode = kRunLinked;
    in_.BODYWEIGHT = 30;
    in_.YEARSLIFETIME = 75;
    LoadExposureFactors(in_);
    EXPECT_EQ(in_.BODYWEIGHT, 30);
    EXPECT_EQ(in_.YEARSLIFETIME, 75);
    RunMode = kRunStandAlone;
}

TEST_F(DefaultsTest, AgeGroupFactorsAndHouseVolume) {
    Factors({
        {"Body Weight-Adult", "80"},
        {"Inhalation Rate-Adult", "0.89"},
        {"Inhalation Rate After Use", "0.66"},
        {"SA/BW-Body-Adult", "100"},
        {"SA/BW-Hand-Adult", "12.26"},
        {"SA/BW-Adult", "241.3"},
        {"House Volume", "492"},
    });
    RunMode = kRunLinked;  // no mode condition here
    in_.ScenarioName = "Bar Soap";
    LoadAgeGroupFactors(in_);
    EXPECT_EQ(in_.BODYWEIGHT, 80);
    EXPECT_EQ(in_.INHALRATEAFTERUSE, 0.66);
    EXPECT_EQ(in_.SurfaceAreaBody, 241.3);  // "SA/BW-Adult" comes later
    EXPECT_EQ(in_.SurfaceAreaHands, 12.26);
    EXPECT_EQ(in_.HOUSEVOL, 0);
    LoadHouseVolume(in_);
    EXPECT_EQ(in_.HOUSEVOL, 492);
    RunMode = kRunStandAlone;
}

TEST(ShippedDefaults, ScenarioByIndexFromTheProgramFoldersTables) {
    WorkingFolder = std::string(OMBRIX_PROGRAM_DIR) + "/kiv/";
    RunMode = kRunChemicalId;
    ExposureInputs in;
    ExposureResults results;
    ResetCaseIdentity(in);
    ResetExposureInputs(in, results);
    in.AgeGroup = 3;
    SelectScenarioByIndex(in, 2);  // Fabric Protector
    EXPECT_EQ(in.ScenarioName, "Fabric Protector");
    EXPECT_EQ(in.ScenarioKeyword, "sprayedsurface");
    EXPECT_EQ(in.ScenarioClass, 1);
    EXPECT_EQ(in.AgeGroup, 3);  // set directly, the age group stays
    EXPECT_GT(in.MassUsedCentral, 0);
    EXPECT_EQ(in.HOUSEVOL, 492);
    EXPECT_EQ(in.BODYWEIGHT, 31.8);
    EXPECT_EQ(ScenarioChosen, 1);
    EXPECT_EQ(in.ScenarioApplyCount, 2);

    SelectScenarioByIndex(in, 0);  // the cleaner's class comes from its keyword: an adult case
    EXPECT_EQ(in.ScenarioKeyword, "appliedsurfacecleaner");
    EXPECT_EQ(in.ScenarioClass, 2);
    EXPECT_EQ(in.AgeGroup, 1);
    EXPECT_EQ(in.BODYWEIGHT, 80);
    // An adult's use hours get the room digit from the start hour.
    EXPECT_EQ(in.ActivityPattern[static_cast<size_t>(in.STARTTIME)],
              static_cast<char>('0' + in.ROOMOFUSE));
    EXPECT_EQ(ScenarioIndexOfName("Used Motor Oil"), 7);
    EXPECT_EQ(ScenarioIndexOfName("Something"), -1);
    WorkingFolder.clear();
    RunMode = kRunStandAlone;
}

}  // namespace
