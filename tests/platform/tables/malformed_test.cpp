// Damaged or foreign files give a clear error naming the file and the cause, never a crash.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <functional>

#include "platform/tables/table.h"
#include "tests/platform/tables/table_fixture.h"

namespace {

using tables::Table;
using tables::TableError;
using tables_test::MakeTable;
using tables_test::ReadBytes;
using tables_test::ScratchFolder;
using tables_test::WriteBytes;

struct Damage {
    const char* name;
    const char* file;  // "dbf" or "dbt"
    std::function<void(std::string&)> change;
    const char* cause;  // part of the message
};

void SetU16(std::string& b, std::size_t at, unsigned v) {
    b[at] = char(v & 0xFF);
    b[at + 1] = char(v >> 8);
}

// Two rows: ("first", memo "note one"), ("second", memo "note two").
// Header: 32 + 2 * 32 + 1 = 97 bytes; record 1 + 10 + 10 = 21 bytes.
const Damage kDamages[] = {
    {"empty file", "dbf", [](std::string& b) { b.clear(); }, "empty"},
    {"cut inside the header", "dbf", [](std::string& b) { b.resize(20); }, "too short"},
    {"foreign version byte", "dbf", [](std::string& b) { b[0] = char(0x30); }, "version byte"},
    {"header length past the end", "dbf", [](std::string& b) { SetU16(b, 8, 0xFFFF); },
     "header length"},
    {"record length that does not match", "dbf", [](std::string& b) { SetU16(b, 10, 22); },
     "record length"},
    {"count beyond the data", "dbf", [](std::string& b) { b[4] = 100; }, "truncated"},
    {"data cut inside a record", "dbf", [](std::string& b) { b.resize(97 + 21 + 5); }, "truncated"},
    {"unknown field type", "dbf", [](std::string& b) { b[32 + 11] = 'X'; }, "unsupported type"},
    {"no end of the field list", "dbf",
     [](std::string& b) {
         b[96] = ' ';
         b.resize(97);
         b[4] = 0;
     },
     "end marker"},
    {"memo file missing", "dbt", [](std::string& b) { b = "<gone>"; }, "memo file"},
    {"memo header cut short", "dbt", [](std::string& b) { b.resize(3); }, "cut short"},
    {"memo header with no free block", "dbt", [](std::string& b) { b[0] = 0; }, "damaged"},
};

class MalformedFile : public ::testing::TestWithParam<Damage> {};

TEST_P(MalformedFile, OpenFailsNamingTheFileAndCause) {
    const Damage& damage = GetParam();
    ScratchFolder folder;
    std::string dbf = folder.Path("bad.dbf");
    std::string dbt = folder.Path("bad.dbt");
    MakeTable(dbf, "NAME C 10\nNOTE M 10\n", {{"first", "note one"}, {"second", "note two"}});
    std::string target = std::string(damage.file) == "dbf" ? dbf : dbt;
    std::string bytes = ReadBytes(target);
    damage.change(bytes);
    if (bytes == "<gone>") {
        std::remove(target.c_str());
    } else {
        WriteBytes(target, bytes);
    }
    Table table;
    try {
        table.Open(dbf);
        FAIL() << "opened";
    } catch (const TableError& error) {
        std::string message = error.what();
        EXPECT_NE(message.find(damage.file == std::string("dbf") ? "bad.dbf" : "bad.dbt"),
                  std::string::npos)
            << message;
        EXPECT_NE(message.find(damage.cause), std::string::npos) << message;
    }
    EXPECT_FALSE(table.IsOpen());
}

INSTANTIATE_TEST_SUITE_P(Cases, MalformedFile, ::testing::ValuesIn(kDamages),
                         [](const auto& param_info) {
                             std::string name = param_info.param.name;
                             for (char& c : name)
                                 c = std::isalnum((unsigned char)c) ? c : '_';
                             return name;
                         });

TEST(MalformedMemo, ABadPointerFailsWhenTheMemoIsRead) {
    ScratchFolder folder;
    std::string dbf = folder.Path("m.dbf");
    MakeTable(dbf, "NAME C 10\nNOTE M 10\n", {{"a", "note"}, {"b", "note"}, {"c", "note"}});
    std::string bytes = ReadBytes(dbf);
    std::size_t records = 97;
    bytes.replace(records + 21 + 11, 10, "       999");  // row 2 points past the memo file
    bytes.replace(records + 42 + 11, 10, "      12ab");  // row 3 holds no number
    WriteBytes(dbf, bytes);
    Table table;
    table.Open(dbf);
    EXPECT_EQ(table.AsString("NOTE"), "note");
    table.Next();
    EXPECT_FALSE(table.IsNull("NAME"));
    try {
        table.AsString("NOTE");
        FAIL() << "read";
    } catch (const TableError& error) {
        EXPECT_NE(std::string(error.what()).find("m.dbt"), std::string::npos) << error.what();
        EXPECT_NE(std::string(error.what()).find("999"), std::string::npos) << error.what();
    }
    table.Next();
    try {
        table.AsString("NOTE");
        FAIL() << "read";
    } catch (const TableError& error) {
        EXPECT_EQ(error.Field(), "NOTE");
    }
}

TEST(MalformedFile, AReadOnlyFileOpensForReadingAndRefusesWrites) {
    ScratchFolder folder;
    std::string dbf = folder.Path("ro.dbf");
    MakeTable(dbf, "NAME C 10\n", {{"kept"}});
    // Permission bits do not stop the superuser; an immutable file does. The guard makes the
    // file ordinary again however the test ends, so the scratch folder can go.
    struct Guard {
        std::string path;
        ~Guard() {
            if (::geteuid() == 0)
                tables_test::RunCommand("chattr -i " + path + " 2>/dev/null");
        }
    } guard{dbf};
    int status = -1;
    if (::geteuid() == 0) {
        tables_test::RunCommand("chattr +i " + dbf + " 2>/dev/null", &status);
    } else {
        tables_test::RunCommand("chmod a-w " + dbf, &status);
    }
    if (status != 0)
        GTEST_SKIP() << "cannot make a read-only file here";
    Table table;
    table.Open(dbf);
    EXPECT_TRUE(table.ReadOnly());
    EXPECT_EQ(table.AsString("NAME"), "kept");
    try {
        table.Edit();
        FAIL() << "edited";
    } catch (const TableError& error) {
        EXPECT_NE(std::string(error.what()).find("read-only"), std::string::npos);
        EXPECT_NE(std::string(error.what()).find("ro.dbf"), std::string::npos);
    }
    EXPECT_THROW(table.Append(), TableError);
    EXPECT_THROW(table.EmptyTable(), TableError);
}

}  // namespace
