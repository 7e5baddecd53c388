// Industry categories: descriptions and code lists, and the dilution model's category view.
#include <gtest/gtest.h>

#include "dilution/industry_categories.h"
#include "dilution/pdm_categories.h"

namespace {

TEST(IndustryCategories, DescriptionsAndCodeListsByNumber) {
    struct Case {
        int category;
        const char* description;
        const char* codes;
    };
    const Case cases[] = {
        {1, "Adhesives and Sealants Manufacture", "2891"},
        {13, "Metal Finishing", "34xx - 39xx"},
        {24, "POTW (Indust., includes POTWs which receive ind. disch.)", "subset of 4952"},
        {25, "POTW's (All facilities)", "4952"},
        {35, "Textile Dyeing and Finishing ( Knit, Wool, & Woven Goods )", "2231,225,226,2292"},
        {36, "Yarn & Thread Mills", "2281-2284"},
        {0, "", ""},
        {37, "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IndustryCategoryDescription(c.category), c.description) << c.category;
        EXPECT_EQ(IndustryCategoryCodes(c.category), c.codes) << c.category;
    }
    for (int n = 1; n <= IndustryCategoryCount; ++n) {
        EXPECT_FALSE(IndustryCategoryDescription(n).empty()) << n;
    }
}

TEST(IndustryCategories, CodeListKeptForNumbersOutsideTheList) {
    SetSicCodesForCategory(25);
    EXPECT_EQ(SicCodeList, "4952");
    for (int category : {-1, 0, 37}) {
        SetSicCodesForCategory(category);
        EXPECT_EQ(SicCodeList, "4952") << category;
    }
    SetSicCodesForCategory(24);
    EXPECT_EQ(SicCodeList, "subset of 4952");
}

TEST(PdmCategories, CodeListSiteCountAndTableName) {
    struct Case {
        int category;
        int highEnd;
        const char* codes;
        double count;
        const char* file;
    };
    const Case cases[] = {
        {1, 1, "2891", 46, "pdm\\pdm2891.dbf"},
        {1, 0, "2891", 46, "pdm\\pdma2891.dbf"},
        {4, 2, "2865", 89, "pdm\\pdma2866.dbf"},
        {24, 1, "4952 from 1011-1999,2211-5199,5511-5599,7211-8099", 1305, "pdm\\pdm4953.dbf"},
        {35, 1, "2231,2250-2259,2260,2269,2292", 81, "pdm\\pdm2232.dbf"},
        {41, 0, "4952", 8873, "pdm\\pdma4954.dbf"},
    };
    for (const Case& c : cases) {
        SelectPdmCategory(c.category, c.highEnd);
        EXPECT_EQ(SicCodeList, c.codes) << c.category;
        EXPECT_EQ(PdmCategorySiteCount, c.count) << c.category;
        EXPECT_EQ(PdmTableFileName, c.file) << c.category;
    }
}

TEST(PdmCategories, UnknownCategoryKeepsListAndCount) {
    SelectPdmCategory(6, 1);
    for (int category : {0, 37, -1}) {
        SelectPdmCategory(category, 1);
        EXPECT_EQ(SicCodeList, "3471");
        EXPECT_EQ(PdmCategorySiteCount, 2050);
        EXPECT_EQ(PdmTableFileName, "pdm\\pdm.dbf");
    }
    SelectPdmCategory(0, 0);
    EXPECT_EQ(PdmTableFileName, "pdm\\pdma.dbf");
}

TEST(PdmCategories, WalkRanges) {
    auto ranges = PdmCategoryRanges(13);
    ASSERT_EQ(ranges.size(), 15u);
    EXPECT_EQ(ranges.front().low, 3411);
    EXPECT_EQ(ranges.front().high, 3462);
    EXPECT_EQ(ranges.back().low, 3873);
    EXPECT_EQ(ranges.back().high, 3999);
    ranges = PdmCategoryRanges(32);
    ASSERT_EQ(ranges.size(), 1u);
    EXPECT_EQ(ranges[0].low, 2250);
    EXPECT_EQ(ranges[0].high, 2292);
    EXPECT_TRUE(PdmCategoryRanges(24).empty());
    EXPECT_TRUE(PdmCategoryRanges(41).empty());
    for (int n = 1; n <= 36; ++n) {
        if (n != 24) {
            EXPECT_FALSE(PdmCategoryRanges(n).empty()) << n;
        }
    }
}

}  // namespace
