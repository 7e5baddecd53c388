// Indexes held in memory: index order, nearest-key seeks on text and numeric keys, rebuilds.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <fstream>

#include "platform/tables/table.h"
#include "tests/platform/tables/table_fixture.h"

namespace {

using tables::Table;
using tables_test::MakeTable;
using tables_test::ScratchFolder;

class SeekTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // record: 1    2    3    4     5    6    7
        // KEY:    D    B    D    AB    F    b    (blank)
        // NUM:    10   9    2.5  blank -1   9    100
        MakeTable(folder_.Path("keys.dbf"), "KEY C 6 0\nNUM N 6 1\n",
                  {{"D", "10"},
                   {"B", "9"},
                   {"D", "2.5"},
                   {"AB", ""},
                   {"F", "-1"},
                   {"b", "9"},
                   {"", "100"}});
        table_.Open(folder_.Path("keys.dbf"));
    }

    std::vector<std::uint32_t> IndexOrder() {
        std::vector<std::uint32_t> order;
        for (table_.First(); !table_.Eof(); table_.Next())
            order.push_back(table_.RecNo());
        return order;
    }

    ScratchFolder folder_;
    Table table_;
};

TEST_F(SeekTest, TextIndexOrdersBlankPaddedBytesWithDuplicatesInRecordOrder) {
    table_.SetIndex("KEY");
    // blank < "AB" < "B" < "D" (1, then 3) < "F" < "b"
    EXPECT_EQ(IndexOrder(), (std::vector<std::uint32_t>{7, 4, 2, 1, 3, 5, 6}));
    table_.SetIndex("");
    EXPECT_EQ(IndexOrder(), (std::vector<std::uint32_t>{1, 2, 3, 4, 5, 6, 7}));
}

TEST_F(SeekTest, NearestTextKey) {
    table_.SetIndex("key");
    struct Case {
        const char* key;
        std::uint32_t recNo;
    } cases[] = {
        {"D", 1},        // exact, first of two equal keys
        {"C", 1},        // between rows: the next key
        {"A", 4},        // "A" pads to "A     ", before "AB"
        {"B ", 2},       // trailing blanks change nothing
        {"E", 5},        //
        {"Z", 6},        // lower case sorts after upper case
        {"zz", 6},       // past the last key: the last row
        {"DDDDDDDX", 5}  // longer than the field: compared on the field's width
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        table_.FindNearest(std::string(c.key));
        EXPECT_EQ(table_.RecNo(), c.recNo);
        EXPECT_FALSE(table_.Eof());
    }
    table_.FindNearest(std::string("D"));
    table_.Next();
    EXPECT_EQ(table_.RecNo(), 3u);  // the second "D"
}

TEST_F(SeekTest, NearestNumericKeyComparesValuesNotText) {
    table_.SetIndex("NUM");
    // by value: -1(5) blank=0(4) 2.5(3) 9(2) 9(6) 10(1) 100(7)
    EXPECT_EQ(IndexOrder(), (std::vector<std::uint32_t>{5, 4, 3, 2, 6, 1, 7}));
    struct Case {
        double key;
        std::uint32_t recNo;
    } cases[] = {{9, 2}, {5, 2}, {10, 1}, {11, 7}, {-5, 5}, {0, 4}, {2.5, 3}, {1000, 7}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        table_.FindNearest(c.key);
        EXPECT_EQ(table_.RecNo(), c.recNo);
    }
    table_.FindNearest(std::string("9.5"));  // a text key on a numeric index is read as a number
    EXPECT_EQ(table_.RecNo(), 1u);
}

TEST_F(SeekTest, OwnWritesRebuildTheIndex) {
    table_.SetIndex("KEY");
    table_.Append();
    table_.SetString("KEY", "C");
    table_.Post();
    table_.FindNearest(std::string("C"));
    EXPECT_EQ(table_.RecNo(), 8u);
    table_.Edit();
    table_.SetString("KEY", "ZZ");
    table_.Post();
    table_.FindNearest(std::string("C"));
    EXPECT_EQ(table_.RecNo(), 1u);  // "C" is gone: the next key is "D"
    table_.FindNearest(std::string("ZZ"));
    EXPECT_EQ(table_.RecNo(), 8u);
}

// Lookups select their tag every time, so selecting the tag in use must not rebuild the index
// while the file is unchanged; once the file changes, it must.
TEST_F(SeekTest, SelectingTheTagInUseKeepsTheIndexUntilTheFileChanges) {
    std::string path = folder_.Path("keys.dbf");
    table_.SetIndex("KEY");
    table_.FindNearest(std::string("D"));
    table_.Next();
    ASSERT_EQ(table_.RecNo(), 3u);

    // Record 5's key "F" becomes "A" behind the layer's back, with size and time put back: an
    // index that was kept still has the old order.
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);
    {
        std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
        const std::streamoff headerLength = 32 + 2 * 32 + 1, recordLength = 1 + 6 + 6;
        file.seekp(headerLength + 4 * recordLength + 1);
        file.put('A');
    }
    struct timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);

    table_.SetIndex("key");
    EXPECT_EQ(table_.RecNo(), 3u);  // the current row stays current
    table_.Next();
    EXPECT_EQ(table_.RecNo(), 5u);
    table_.FindNearest(std::string("E"));
    EXPECT_EQ(table_.RecNo(), 5u);

    // A write through another opener changes the file: the same tag now gives a fresh index.
    Table other;
    other.Open(path);
    ASSERT_TRUE(other.GoToRecord(2));
    other.Edit();
    other.SetString("KEY", "G");
    other.Post();
    table_.SetIndex("KEY");
    EXPECT_EQ(IndexOrder(), (std::vector<std::uint32_t>{7, 5, 4, 1, 3, 2, 6}));

    // Another tag and back again rebuilds as well.
    table_.SetIndex("NUM");
    table_.FindNearest(9.5);
    EXPECT_EQ(table_.RecNo(), 1u);
    table_.SetIndex("KEY");
    table_.FindNearest(std::string("E"));
    EXPECT_EQ(table_.RecNo(), 2u);
}

// A walk holds the index: it is checked against the file at its first use in the hold and then
// taken as it stands, following this process's own posts; another program's change made before
// the hold is seen in it, one made during it at the first use after it.
TEST_F(SeekTest, AHeldIndexIsCheckedAtItsFirstUseAndAgainAfterTheHold) {
    table_.SetIndex("KEY");
    Table other;
    other.Open(folder_.Path("keys.dbf"));
    auto appendElsewhere = [&](const char* key) {
        other.Append();
        other.SetString("KEY", key);
        other.Post();
    };
    appendElsewhere("C");  // record 8
    {
        const Table::IndexHold hold(table_);
        table_.FindNearest(std::string("C"));
        EXPECT_EQ(table_.RecNo(), 8u);
        EXPECT_EQ(table_.IndexBuilds(), 2u);
        table_.Append();  // record 9
        table_.SetString("KEY", "CC");
        table_.Post();
        appendElsewhere("E");  // record 10
        table_.FindNearest(std::string("E"));
        EXPECT_EQ(table_.RecNo(), 5u);  // F: record 10 is not in the held index
        EXPECT_EQ(IndexOrder(), (std::vector<std::uint32_t>{7, 4, 2, 8, 9, 1, 3, 5, 6}));
        EXPECT_EQ(table_.IndexBuilds(), 2u);
    }
    table_.FindNearest(std::string("E"));
    EXPECT_EQ(table_.RecNo(), 10u);
    EXPECT_EQ(table_.IndexBuilds(), 3u);
}

TEST_F(SeekTest, PrefixLookup) {
    table_.SetIndex("KEY");
    EXPECT_TRUE(table_.FindPrefix("A"));
    EXPECT_EQ(table_.RecNo(), 4u);
    EXPECT_TRUE(table_.FindPrefix("AB"));
    EXPECT_FALSE(table_.FindPrefix("ABC"));
    EXPECT_FALSE(table_.FindPrefix("C"));
    EXPECT_EQ(table_.RecNo(), 1u);  // stands on the nearest row
}

TEST_F(SeekTest, SeekErrors) {
    EXPECT_THROW(table_.FindNearest(std::string("D")), tables::TableError);  // no index
    EXPECT_THROW(table_.SetIndex("NOSUCH"), tables::TableError);
    table_.SetIndex("NUM");
    EXPECT_THROW(table_.FindNearest(std::string("ten")), tables::TableError);
}

// The index follows this process's own posts, key changes, appends and equal keys included,
// without being built again; a change by another process makes it rebuild.
TEST_F(SeekTest, OwnPostsUpdateTheIndexAndOnlyOtherWritersRebuildIt) {
    table_.SetIndex("KEY");
    ASSERT_EQ(table_.IndexBuilds(), 1u);
    // key of each record, to work out the expected order: by key bytes, then record number
    std::vector<std::string> keys = {"D", "B", "D", "AB", "F", "b", ""};
    auto expected = [&] {
        std::vector<std::uint32_t> order;
        for (std::uint32_t r = 1; r <= keys.size(); ++r)
            order.push_back(r);
        std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
            std::string ka = keys[a - 1], kb = keys[b - 1];
            ka.resize(6, ' ');
            kb.resize(6, ' ');
            return ka < kb;
        });
        return order;
    };
    struct Step {
        std::uint32_t recNo;  // 0: append
        const char* key;
    } steps[] = {{1, "A"}, {7, "Z"}, {0, "D"}, {3, "D"}, {2, "zz"}, {0, ""}, {4, "C"}, {8, "B"}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.key);
        if (step.recNo == 0) {
            table_.Append();
            keys.push_back(step.key);
        } else {
            ASSERT_TRUE(table_.GoToRecord(step.recNo));
            table_.Edit();
            keys[step.recNo - 1] = step.key;
        }
        table_.SetString("KEY", step.key);
        table_.Post();
        // Moving on from the row just posted goes through the rows after it in the new order.
        std::vector<std::uint32_t> order = expected();
        auto at = std::find(order.begin(), order.end(), table_.RecNo());
        ASSERT_NE(at, order.end());
        std::vector<std::uint32_t> rest;
        for (table_.Next(); !table_.Eof(); table_.Next())
            rest.push_back(table_.RecNo());
        EXPECT_EQ(rest, std::vector<std::uint32_t>(at + 1, order.end()));
        table_.FindNearest(std::string(step.key));
        EXPECT_EQ(table_.AsString("KEY"), step.key);
        EXPECT_EQ(IndexOrder(), expected());
    }
    EXPECT_EQ(table_.IndexBuilds(), 1u);

    Table other;  // another writer: the file changed behind this table's back
    other.Open(folder_.Path("keys.dbf"));
    other.Append();
    other.SetString("KEY", "E");
    other.Post();
    table_.FindNearest(std::string("E"));
    EXPECT_EQ(table_.AsString("KEY"), "E");
    EXPECT_EQ(table_.IndexBuilds(), 2u);
}

}  // namespace
