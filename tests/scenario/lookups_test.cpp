// Gage-station walks, category flow statistics, species of a county and the search results table.
#include <gtest/gtest.h>

#include <stdexcept>

#include "data_layer_fixture.h"
#include "platform/sys/files.h"
#include "platform/sys/text.h"
#include "scenario/lookups_endangered.h"
#include "scenario/lookups_facility.h"
#include "scenario/lookups_flows.h"
#include "scenario/lookups_search.h"
#include "scenario/scenario_record.h"
#include "scenario/table_set.h"

namespace {

using fixture::DataLayerTest;
using fixture::Row;

Row Station(const std::string& reach, const std::string& id, double f99) {
    Row row = {{"REACH", reach}, {"STA_ID", id}, {"NUMFLWVALS", "100"}, {"OFFSET", "3"}};
    row.emplace_back("F1", "1.5");
    row.emplace_back("F99", sys::Format("%g", f99));
    row.emplace_back("F100", "250");
    return row;
}

class GageFlowTest : public DataLayerTest {};

TEST_F(GageFlowTest, ListsTheStationsOfAReachUpToTheEndOfTheTable) {
    // Added out of order: the walk follows the REACH index. The last reach ends the table.
    Add("pdm\\actflow.dbf", Station("02000000002", "S-21", 9));
    Add("pdm\\actflow.dbf", Station("01000000001", "S-11", 4));
    Add("pdm\\actflow.dbf", Station("02000000002", "S-22", 8));
    Add("pdm\\actflow.dbf", Station("01000000001", "S-12", 0));  // no full set of values
    Add("pdm\\actflow.dbf", Station("02000000002", "S-23", 7));
    OpenTables();

    struct Case {
        const char* reach;
        int offset;
        int result;
        const char* station;
    };
    const Case cases[] = {
        {"02000000002", 0, 1, "S-21"}, {"02000000002", 1, 1, "S-22"},
        {"02000000002", 2, 1, "S-23"}, {"02000000002", 3, 0, ""},
        {"02000000002", 9, 0, ""},     {"01000000001", 0, 1, "S-11"},
        {"01000000001", 1, 0, ""},     {"01000000001", 2, 0, ""},
        {"01500000000", 0, 0, ""},     {"", 0, 0, ""},
    };
    for (const Case& c : cases) {
        ActFlowRec = actflow_record{};
        EXPECT_EQ(LoadGageFlows(c.reach, c.offset), c.result) << c.reach << " " << c.offset;
        if (c.result == 1) {
            EXPECT_EQ(ActFlowRec.STA_ID, c.station);
            EXPECT_EQ(ActFlowRec.NUMFLWVALS, 100);
            EXPECT_EQ(ActFlowRec.OFFSET, 3);
            EXPECT_EQ(ActFlowRec.FlowValues[1], 1.5);
            EXPECT_EQ(ActFlowRec.FlowValues[2], 0);
            EXPECT_EQ(ActFlowRec.FlowValues[100], 250);
        }
    }
    // The callers' listing: offsets 0, 1, ... until 0 comes back.
    std::vector<std::string> listed;
    for (int offset = 0; LoadGageFlows("02000000002", offset) == 1; ++offset) {
        listed.push_back(ActFlowRec.STA_ID);
        ASSERT_LT(offset, 10);
    }
    EXPECT_EQ(listed, (std::vector<std::string>{"S-21", "S-22", "S-23"}));
}

TEST_F(DataLayerTest, CategoryStatisticsAreReadByRowPosition) {
    for (int n = 1; n <= 3; ++n) {
        Add("kiv\\dbfiles\\sic.dbf", {{"SIC", sys::Format("%d", 1000 + n)},
                                      {"HMF_50", sys::Format("%d", 100 * n)},
                                      {"HMF_10", sys::Format("%d", 10 * n)},
                                      {"_0Q5_50", "5"},
                                      {"_0Q5_10", "6"},
                                      {"LOW_50", "7"},
                                      {"LOW_10", "8"},
                                      {"_Q10_50", sys::Format("%d", 90 + n)},
                                      {"_Q10_10", "1"}});
    }
    OpenTables();
    const struct {
        int category;
        double hmf50;
    } cases[] = {{1, 100}, {2, 200}, {3, 300}, {40, 300}, {0, 100}, {-2, 100}};
    for (const auto& c : cases) {
        CurrentPmn.SIC_CODE = c.category;
        LoadSicFlowStats();
        EXPECT_EQ(CurrentPmn.HMF_50, c.hmf50) << c.category;
        EXPECT_FALSE(Tables().SicFlowTable.IsOpen());
    }
    CurrentPmn.SIC_CODE = 2;
    LoadSicFlowStats();
    EXPECT_EQ(CurrentPmn.HMF_10, 20);
    EXPECT_EQ(CurrentPmn._Q10_50, 92);
    EXPECT_EQ(CurrentPmn._Q10_10, 1);
    EXPECT_EQ(CurrentPmn.LOW_10, 8);
    // Closing the lookup tables with the category table already closed does no harm.
    CloseLookupTables();
    EXPECT_FALSE(Tables().SidsTable.IsOpen());
    EXPECT_TRUE(Tables().PmnTable.IsOpen());  // the predictor edits it while it stays open
    ReopenTables();
    EXPECT_TRUE(Tables().PmnTable.IsOpen());
    EXPECT_TRUE(Tables().SidsTable.IsOpen());
    EXPECT_TRUE(Tables().CoefTable.IsOpen());
}

TEST_F(DataLayerTest, CategoryStatisticsAreWrittenBackIntoTheirRow) {
    for (int n = 1; n <= 3; ++n) {
        Add("kiv\\dbfiles\\sic.dbf", {{"SIC", sys::Format("Category %d", n)},
                                      {"HMF_50", sys::Format("%d", 100 * n)},
                                      {"LOW_10", "8"}});
    }
    OpenTables();
    CurrentPmn.SIC_CODE = 2;
    CurrentPmn.SIC = "Renamed category";
    CurrentPmn.HMF_50 = 2327.628;
    CurrentPmn.HMF_10 = 653.8501;
    CurrentPmn._0Q5_50 = 696.5684;
    CurrentPmn._0Q5_10 = 186.4006;
    CurrentPmn.LOW_50 = 467.328;
    CurrentPmn.LOW_10 = 122.4248;
    CurrentPmn._Q10_50 = 379.7344;
    CurrentPmn._Q10_10 = 99.9033;
    const pmn_record written = CurrentPmn;
    SaveSicFlowStats();
    EXPECT_FALSE(Tables().SicFlowTable.IsOpen());

    CurrentPmn = pmn_record{};
    CurrentPmn.SIC_CODE = 2;
    LoadSicFlowStats();
    EXPECT_EQ(CurrentPmn.HMF_50, written.HMF_50);
    EXPECT_EQ(CurrentPmn.HMF_10, written.HMF_10);
    EXPECT_EQ(CurrentPmn._0Q5_50, written._0Q5_50);
    EXPECT_EQ(CurrentPmn._0Q5_10, written._0Q5_10);
    EXPECT_EQ(CurrentPmn.LOW_50, written.LOW_50);
    EXPECT_EQ(CurrentPmn.LOW_10, written.LOW_10);
    EXPECT_EQ(CurrentPmn._Q10_50, written._Q10_50);
    EXPECT_EQ(CurrentPmn._Q10_10, written._Q10_10);
    tables::Table check;
    check.Open(NativePath("kiv\\dbfiles\\sic.dbf"));
    ASSERT_EQ(check.RecordCount(), 3u);
    check.First();
    EXPECT_EQ(check.AsString("SIC"), "Category 1");
    EXPECT_EQ(check.AsFloat("HMF_50"), 100);
    check.Next();
    EXPECT_EQ(check.AsString("SIC"), "Renamed category");
    check.Next();
    EXPECT_EQ(check.AsString("SIC"), "Category 3");
    EXPECT_EQ(check.AsFloat("HMF_50"), 300);
    EXPECT_EQ(check.AsFloat("LOW_10"), 8);
    check.Close();

    // A category without its row is refused; no row is written, not even the last.
    const auto before = sys::ReadWholeFile(NativePath("kiv\\dbfiles\\sic.dbf"));
    for (int category : {0, -1, 4, 40}) {
        CurrentPmn.SIC_CODE = category;
        EXPECT_THROW(SaveSicFlowStats(), std::out_of_range) << category;
        EXPECT_FALSE(Tables().SicFlowTable.IsOpen()) << category;
    }
    // A description longer than the field refuses the whole row.
    CurrentPmn.SIC_CODE = 1;
    CurrentPmn.SIC = std::string(71, 'x');
    EXPECT_ANY_THROW(SaveSicFlowStats());
    EXPECT_FALSE(Tables().SicFlowTable.IsOpen());
    EXPECT_EQ(sys::ReadWholeFile(NativePath("kiv\\dbfiles\\sic.dbf")), before);
}

TEST_F(DataLayerTest, FieldGettersOfTheLookupTables) {
    Add("duriviz\\sids2004.dbf",
        {{"NPDES", "AA0000001"}, {"NAME", "Plant"}, {"ACUTE", "ten"}, {"MILES", "-2.7"}});
    Add("duriviz\\sids2004.dbf", {{"NPDES", "BB0000002"}, {"PLANTFLOW", "3000000000"}});
    Add("rscan\\reach.dbf", {{"REACH", "01000000001"}, {"MEAN_FLOW", "50"}, {"LOW_FLOW", "2"}});
    Add("rscan\\reach.dbf", {{"REACH", "09000000009"}, {"MEAN_FLOW", "80"}, {"LOW_FLOW", "4"}});
    Add("endanger\\trelspec.dbf", {{"FIPS2", "12003"}});
    OpenTables();

    // Blank fields read as "", 0 and true.
    EXPECT_EQ(SidsFieldAsString("CITY"), "");
    EXPECT_EQ(SidsFieldAsFloat("POP"), 0);
    EXPECT_EQ(SidsFieldAsInteger("IPOTW"), 0);
    EXPECT_TRUE(CritterTrelFieldAsBoolean("KNOWN"));
    EXPECT_EQ(CritterTrelFieldAsString("INVNAME"), "");
    // Integers are cut toward zero.
    EXPECT_EQ(SidsFieldAsInteger("MILES"), -2);
    // Only the scenario table forgives a field that holds no number.
    EXPECT_THROW(SidsFieldAsFloat("ACUTE"), std::exception);
    EXPECT_THROW(SidsFieldAsString("NOSUCHFIELD"), std::exception);
    // A number too large for a whole number is an error, not a wrapped value.
    Tables().SidsTable.Next();
    EXPECT_EQ(SidsFieldAsFloat("PLANTFLOW"), 3e9);
    EXPECT_THROW(SidsFieldAsInteger("PLANTFLOW"), std::exception);

    // A reach key after the last one reads the last reach; the key is not compared.
    LoadReachFlows("99999999999");
    EXPECT_EQ(ReachRec.REACH, "09000000009");
    EXPECT_EQ(ReachRec.MEAN_FLOW, 80);
    LoadReachFlows("01000000000");
    EXPECT_EQ(ReachRec.REACH, "01000000001");
}

TEST_F(DataLayerTest, SearchResultsAreReadBackInPermitOrder) {
    OpenTables();
    const struct {
        const char* npdes;
        const char* iacc;
    } sites[] = {{"ZZ0000003", "A"}, {"AA0000001", ""}, {"MM0000002", "I"}};
    for (const auto& site : sites) {
        DirectRec.NPDES = site.npdes;
        DirectRec.NAME = std::string("Plant ") + site.npdes;
        DirectRec.REACH = "01000000001";
        DirectRec.REACHNM = "Reach";
        DirectRec.SIC = "2891";
        DirectRec.IACC = site.iacc;
        AppendUserSite(1, site.npdes[0] == 'A' ? "" : "Town, ST");
    }
    tables::Table& results = Tables().TmpResTable;
    results.SetIndex("NPDES");
    std::vector<std::string> order;
    for (results.First(); !results.Eof(); results.Next()) {
        LoadUserSite();
        order.push_back(TmpRec.NPDES + "/" + TmpRec.ACTIVE + "/" + TmpRec.LOCATION);
        EXPECT_EQ(TmpRec.D_OR_I, "D");
        EXPECT_EQ(TmpRec.SIC, "2891");
    }
    EXPECT_EQ(order, (std::vector<std::string>{"AA0000001//", "MM0000002/I/Town, ST",
                                               "ZZ0000003/A/Town, ST"}));
}

}  // namespace
