// The older down-the-drain run: the binary tables, the search and the days looked up.
#include "dilution/disposal_older_run.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>

#include "dilution/pdm_older_path.h"
#include "tests/scenario/data_layer_fixture.h"

namespace {

std::string Bytes(const std::vector<float>& values) {
    std::string bytes;
    for (float v : values) {
        std::uint32_t bits;
        std::memcpy(&bits, &v, 4);
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<char>((bits >> (8 * i)) & 0xff));
    }
    return bytes;
}

TEST(PdmDatTable, ParsesOnlyAWholeTableOfNumbers) {
    std::vector<float> values(PdmTableRows, 1.5f);
    values[3] = -2.25f;
    auto table = ParsePdmDatTable(Bytes(values));
    ASSERT_TRUE(table);
    EXPECT_EQ((*table)[3], -2.25f);
    EXPECT_FALSE(ParsePdmDatTable(Bytes(values).substr(4)));
    values[7] = std::numeric_limits<float>::quiet_NaN();
    EXPECT_FALSE(ParsePdmDatTable(Bytes(values)));
}

TEST(PdmDatTable, ShippedTablesHoldTheirSources) {
    const auto folder = fixture::ShippedProgramFolder() / "pdm";
    auto axis = ReadPdmDatTable((folder / "pdmconc.dat").string());
    auto high = ReadPdmDatTable((folder / "pdm4954.dat").string());
    auto average = ReadPdmDatTable((folder / "pdma4954.dat").string());
    ASSERT_TRUE(axis && high && average);
    // First and last rows of the table sources, as single-precision numbers.
    EXPECT_EQ(axis->front(), 1e-5f);
    EXPECT_EQ(axis->back(), 1e9f);
    EXPECT_EQ(high->front(), 887.0f);
    EXPECT_EQ(average->front(), 8873.0f);
    EXPECT_EQ(average->back(), 0.0f);
}

TEST(PdmDatTable, SearchGivesExactHitOrLastRowBelow) {
    const std::vector<float> axis = {1, 2, 4, 8};
    EXPECT_EQ(SearchPdmConcTable(axis, 0.5), -1);
    EXPECT_EQ(SearchPdmConcTable(axis, 9), -2);
    EXPECT_EQ(SearchPdmConcTable(axis, 1), 0);
    EXPECT_EQ(SearchPdmConcTable(axis, 8), 3);
    EXPECT_EQ(SearchPdmConcTable(axis, 3), 1);
    EXPECT_EQ(SearchPdmConcTable(axis, 4), 2);
}

TEST(PdmDatTable, DaysLookedUp) {
    const std::vector<float> axis = {1, 2, 4, 8};
    const std::vector<float> days = {887, 100, 10, 0};
    // x = coc / release.
    EXPECT_DOUBLE_EQ(*DisposalTableDays(axis, days, 0.002, 0.001, true), 100.0 * 365 / 887);
    // Log-linear between 2 and 4 (value from an independent evaluation).
    EXPECT_NEAR(*DisposalTableDays(axis, days, 0.003, 0.001, true), 13.012754745901447, 1e-12);
    // Towards a row of 0 days the interpolation is linear, never a logarithm of 0.
    EXPECT_DOUBLE_EQ(*DisposalTableDays(axis, days, 0.006, 0.001, true), 5.0 * 365 / 887);
    // The whole year of each table is 365 days.
    EXPECT_DOUBLE_EQ(*DisposalTableDays(axis, days, 0.001, 0.001, true), 365);
    const std::vector<float> averageDays = {8873, 100, 10, 0};
    EXPECT_DOUBLE_EQ(*DisposalTableDays(axis, averageDays, 0.001, 0.001, false), 365);
    // Below the table: the first row, not a negative number of days; above it: 0.
    EXPECT_DOUBLE_EQ(*DisposalTableDays(axis, days, 0.0001, 0.001, true), 365);
    EXPECT_DOUBLE_EQ(*DisposalTableDays(axis, days, 0.1, 0.001, true), 0);
    // No release or no level: nothing is computed.
    EXPECT_FALSE(DisposalTableDays(axis, days, 0.002, 0, true));
    EXPECT_FALSE(DisposalTableDays(axis, days, 0, 0.001, true));
}

}  // namespace
