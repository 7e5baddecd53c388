// The dilution runs and the older path's shipped tables on the demonstration region, against
// an independent model over the same tables read with an independent dBASE reader.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "dilution/industry_categories.h"
#include "dilution/pdm_category_run.h"
#include "dilution/pdm_older_path.h"
#include "dilution/pdm_results.h"
#include "dilution/pdm_sic_flow_values.h"
#include "dilution/pdm_site_run.h"
#include "form_helpers/edit_helpers.h"
#include "platform/sys/files.h"
#include "platform/sys/text.h"
#include "scenario/globals.h"
#include "scenario/lookups_facility.h"
#include "scenario/scenario_record.h"
#include "scenario/table_set.h"
#include "tests/dilution/reference_script.h"
#include "tests/scenario/fixture_tables.h"

namespace {

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    std::string word;
    while (in >> word) {
        words.push_back(word);
    }
    return words;
}

// A copy of the program folder's tables for each test: the table set opens the search-results
// table for exclusive use, so tests running side by side cannot share one folder.
class DemoRegionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        namespace fs = std::filesystem;
        for (const char* sub : {"duriviz", "rscan", "pdm", "kiv/dbfiles", "endanger"}) {
            fs::create_directories(folder_.Path() / sub);
            fs::copy(fs::path(OMBRIX_PROGRAM_DIR) / sub, folder_.Path() / sub,
                     fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        }
        ASSERT_TRUE(sys::SetWorkingFolder(folder_.Path().string()));
        ProgramFolder = folder_.Path().string();
        Tables().OpenLookupTables();
        CurrentPmn = pmn_record{};
        CurrentPmn.H2O_HI = 1;
        CurrentPmn.PostTreat = 1;
        CurrentPmn.H2ODAYLO = 365;
        CurrentPmn.H2ODAYHI = 365;
    }
    void TearDown() override {
        CloseLookupTables();
        ProgramFolder.clear();
        CurrentPmn = pmn_record{};
        FacilityIndexName = "NPDES";
    }

    std::vector<std::string> Reference(const std::string& arguments) {
        return RunReferenceScript(arguments.substr(0, arguments.find(' ')) + " " +
                                  folder_.Path().string() + arguments.substr(arguments.find(' ')));
    }

    sys::WorkingFolderGuard back_{sys::WorkingFolder()};
    fixture::TempFolder folder_;
};

TEST_F(DemoRegionTest, SiteRunsWithAndWithoutAStation) {
    const std::vector<std::string> lines = Reference("demo-site 1 100");
    ASSERT_EQ(lines.size(), 2u);
    for (const std::string& line : lines) {
        const std::vector<std::string> words = Words(line);
        ASSERT_EQ(words.size(), 3u);
        CurrentPmn.NPDES = words[1];
        CurrentPmn.COC0 = 100;
        RunPdmSite(0);
        EXPECT_EQ(GageFlowsFound, words[0] == "empirical" ? 1 : 0) << line;
        EXPECT_NEAR(PdmPercentExceeded[0], std::stod(words[2]) * 100, 3e-5) << line;
        EXPECT_NEAR(PdmDaysExceeded[0], std::stod(words[2]) * 365, 1e-4) << line;
    }
}

TEST_F(DemoRegionTest, CategoryRunsOverTheRegion) {
    for (int category : {1, 13, 25, 32}) {
        const std::vector<std::string> lines =
            Reference("demo-category " + std::to_string(category) + " 1 10");
        ASSERT_EQ(lines.size(), 2u) << category;
        CurrentPmn.COC0 = 10;
        PdmSicRunTarget form;
        RunPdmSic(form, 0, category, 1);
        std::vector<std::string> listed;
        for (const PdmSicFacility& f : form.Facilities) {
            listed.push_back(f.NPDES);
        }
        std::sort(listed.begin(), listed.end());
        EXPECT_EQ(listed, Words(lines[0])) << category;
        const std::vector<std::string> fractions = Words(lines[1]);
        ASSERT_EQ(fractions.size(), 2u);
        EXPECT_NEAR(form.PdmSicAverageFraction, std::stod(fractions[0]), 3e-7) << category;
        EXPECT_NEAR(form.PdmSicHighEndFraction, std::stod(fractions[1]), 3e-7) << category;
    }
}

TEST_F(DemoRegionTest, CoefficientRowsOfTheOlderPath) {
    struct Case {
        int region, subregion, row;
        double a, b;
    };
    const Case cases[] = {
        {1, 1, 2, 0.582, 3.474},      {1, 11, 12, 0.579, 3.366}, {2, 1, 14, 0.414, 1.514},
        {17, 12, 197, 0.467, 2.742},  {18, 9, 209, 0.96, 4.673}, {18, 8, 217, 1.247, 5.488},
        {10, 30, 136, 1.233, 13.624}, {1, 12, 0, 0, 0},          {0, 5, 1, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LoadRegionCoefficients(c.region, c.subregion), c.row)
            << c.region << "/" << c.subregion;
        EXPECT_EQ(PdmCoefA, c.a) << c.region << "/" << c.subregion;
        EXPECT_EQ(PdmCoefB, c.b) << c.region << "/" << c.subregion;
    }
}

TEST_F(DemoRegionTest, OlderCategoryRunOnItsTablesAgreesWithTheWalk) {
    for (int category : {1, 13, 25}) {
        for (int highEnd : {1, 2}) {
            CurrentPmn.SIC_CODE = category;
            CurrentPmn.WHICHANAL = highEnd;
            CurrentPmn.COC0 = 10;
            CurrentPmn.H2O_HI = 2;
            CurrentPmn.WWT_LOW = 50;
            PdmScenarioText = "";
            RunPdmBySic(0);
            // The analysis label of the dilution reports follows the record's choice.
            EXPECT_EQ(PdmScenarioText, highEnd == 1 ? "High" : "Ave ");
            const double olderDays = PdmDaysExceeded[0];
            PdmSicRunTarget form;
            RunPdmSic(form, 0, category, 1);
            StorePdmSicDaysExceeded(form, 0, 1);
            EXPECT_NEAR(olderDays, PdmDaysExceeded[0], 1e-3 * PdmDaysExceeded[0] + 1e-9)
                << category << " " << highEnd;
            EXPECT_NEAR(PdmPercentExceeded[0], olderDays / 365 * 100, 1e-3) << category;
        }
    }
}

TEST_F(DemoRegionTest, OlderCategoryRunOffTheAxis) {
    CurrentPmn.SIC_CODE = 25;
    CurrentPmn.WHICHANAL = 2;
    CurrentPmn.COC0 = 1e-9;  // below the first row of the axis
    RunPdmBySic(0);
    EXPECT_EQ(PdmDaysExceeded[0], NotApplicable);
    EXPECT_EQ(PdmPercentExceeded[0], NotApplicable);
    CurrentPmn.COC0 = 1e12;  // above the last row
    RunPdmBySic(0);
    EXPECT_EQ(PdmDaysExceeded[0], 0);
    EXPECT_EQ(PdmPercentExceeded[0], 0);
    CurrentPmn.SIC_CODE = 0;  // no category, no table
    CurrentPmn.COC0 = 10;
    CurrentPmn.WHICHANAL = 1;
    RunPdmBySic(0);
    EXPECT_EQ(PdmDaysExceeded[0], NotApplicable);
    EXPECT_EQ(PdmScenarioText, "High");
}

TEST_F(DemoRegionTest, OlderSiteRunAgreesWithTheEngine) {
    const std::vector<std::string> lines = Reference("demo-site 1 100");
    ASSERT_EQ(lines.size(), 2u);
    for (const std::string& line : lines) {
        const std::vector<std::string> words = Words(line);
        ASSERT_EQ(words.size(), 3u);
        CurrentPmn.NPDES = words[1];
        CurrentPmn.COC0 = 100;
        RunPdmBySite(0);
        // The station count takes a level met exactly as exceeded, the engine does not; the
        // analytical model uses coarser normal approximations.
        EXPECT_NEAR(PdmDaysExceeded[0], std::stod(words[2]) * 365, 2e-3 * 365) << line;
    }
}

}  // namespace

namespace {

TEST(SicFlowValues, InterpolatedPercentiles) {
    EXPECT_NEAR(InterpolatedPercentile({5, 1, 4, 2, 3}, 0.1), 1.4, 1e-12);
    EXPECT_EQ(InterpolatedPercentile({5, 1, 4, 2, 3}, 0.5), 3);
    EXPECT_NEAR(InterpolatedPercentile({20, 10}, 0.1), 11, 1e-12);
    EXPECT_EQ(InterpolatedPercentile({7}, 0.1), 7);
    EXPECT_EQ(InterpolatedPercentile({}, 0.5), 0);
}

TEST_F(DemoRegionTest, CategoryFlowPercentilesMatchTheShippedStatistics) {
    // The shipped statistics were computed separately from the region's sources; row n of the
    // statistics table is category n.
    const std::vector<SicFlowPercentiles> values = ComputeSicFlowValues();
    ASSERT_EQ(values.size(), 36u);
    tables::Table& stats = Tables().SicFlowTable;
    if (!stats.IsOpen()) {
        stats.Open("kiv\\dbfiles\\sic.dbf");
    }
    stats.First();
    for (const SicFlowPercentiles& row : values) {
        ASSERT_FALSE(stats.Eof());
        const struct {
            const char* field;
            double value;
        } checks[] = {
            {"LOW_50", row.median[1]}, {"LOW_10", row.tenth[1]},   {"HMF_50", row.median[2]},
            {"HMF_10", row.tenth[2]},  {"_0Q5_50", row.median[3]}, {"_Q10_10", row.tenth[4]},
        };
        for (const auto& check : checks) {
            EXPECT_NEAR(stats.AsFloat(check.field), check.value, 5e-5 + 1e-6 * check.value)
                << row.category << " " << check.field;
        }
        stats.Next();
    }
}

// "Get SDFP's": the percentiles go into the flow-statistics table, row n for category n, and
// into the listing; the chemical's record is left as it was.
TEST_F(DemoRegionTest, SicFlowValuesAreStoredAndListed) {
    tables::Table& stats = Tables().SicFlowTable;
    stats.Close();
    stats.Open("kiv\\dbfiles\\sic.dbf");
    for (stats.First(); !stats.Eof(); stats.Next()) {  // spoil every stored statistic
        stats.Edit();
        stats.SetString("SIC", "stale");
        for (const char* field :
             {"HMF_50", "HMF_10", "_0Q5_50", "_0Q5_10", "LOW_50", "LOW_10", "_Q10_50", "_Q10_10"}) {
            stats.SetFloat(field, 0);
        }
        stats.Post();
    }
    stats.Close();
    CurrentPmn.SIC_CODE = 7;
    CurrentPmn.SIC = "the release's own";
    CurrentPmn.HMF_50 = 1.5;
    CurrentPmn._Q10_10 = 2.5;

    ASSERT_TRUE(GetSicFlowValues("sic_vals.txt"));
    EXPECT_EQ(CurrentPmn.SIC_CODE, 7);
    EXPECT_EQ(CurrentPmn.SIC, "the release's own");
    EXPECT_EQ(CurrentPmn.HMF_50, 1.5);
    EXPECT_EQ(CurrentPmn._Q10_10, 2.5);

    const std::vector<SicFlowPercentiles> values = ComputeSicFlowValues();
    stats.Open("kiv\\dbfiles\\sic.dbf");
    stats.First();
    for (const SicFlowPercentiles& row : values) {
        ASSERT_FALSE(stats.Eof());
        EXPECT_EQ(stats.AsString("SIC"), IndustryCategoryDescription(row.category));
        const struct {
            const char* field;
            double value;
        } checks[] = {
            {"HMF_50", row.median[2]},  {"HMF_10", row.tenth[2]},  {"_0Q5_50", row.median[3]},
            {"_0Q5_10", row.tenth[3]},  {"LOW_50", row.median[1]}, {"LOW_10", row.tenth[1]},
            {"_Q10_50", row.median[4]}, {"_Q10_10", row.tenth[4]},
        };
        for (const auto& check : checks) {
            EXPECT_NEAR(stats.AsFloat(check.field), check.value, 5.0001e-5)
                << row.category << " " << check.field;
        }
        stats.Next();
    }
    stats.Close();

    std::vector<std::string> lines;
    ASSERT_TRUE(sys::ReadTextLines("sic_vals.txt", lines));
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0].substr(0, 30), "  Item                   mean ");
    EXPECT_EQ(lines[1].substr(0, 14), "    1  10ile  ");
    EXPECT_EQ(lines[2].substr(0, 14), "       50ile  ");
    EXPECT_NE(lines[2].find("Adhesives and Sealants Manufacture"), std::string::npos);
    EXPECT_EQ(lines.size(), 1u + 36 * 3);
}

}  // namespace
