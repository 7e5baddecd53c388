// Chemical ids as parts of the names of report files.
#include <gtest/gtest.h>

#include "documents/merge/report_numbers.h"

namespace {

TEST(SafeFileNames, SafeIdsStayAndOthersCannotLeaveTheFolder) {
    EXPECT_EQ(SafeFileNameComponent("P-01-0123"), "P-01-0123");
    EXPECT_EQ(SafeFileNameComponent("ABC 12.3"), "ABC 12.3");
    EXPECT_EQ(SafeFileNameComponent("../../etc/x"), ".._.._etc_x");
    EXPECT_EQ(SafeFileNameComponent("a\\b:c*d?e\"f<g>h|i"), "a_b_c_d_e_f_g_h_i");
    EXPECT_EQ(SafeFileNameComponent(std::string("a\nb\x01", 4)), "a_b_");
    EXPECT_EQ(SafeFileNameComponent(".."), "_..");
    EXPECT_EQ(ReportFileName("P-01-0123", "2", RiverSitePart), "P-01-01232.stw");
    EXPECT_EQ(ReportFileName("../x", "1", RiverSitePart), ".._x1.stw");
}

}  // namespace
