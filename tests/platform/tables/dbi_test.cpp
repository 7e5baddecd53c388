// The record-level calls as the consumer model uses them: case saves and loads by key or record
// number, field numbers, blobs, nested connections, and their failures.
#include "platform/tables/dbi.h"

#include <gtest/gtest.h>

#include "tests/platform/tables/table_fixture.h"

namespace {

using namespace tables::dbi;
using tables_test::MakeTable;
using tables_test::ScratchFolder;

const char* kCaseSchema = "ID C 12\nNAME C 20\nAGE N 2 0\nVAL N 12 4\nCOMMENTS M 10\n";

struct Case {
    std::string id;
    std::string name;
    std::int32_t age = 0;
    double value = 0;
    std::string comments;
};

// One complete connection around a body, as every reader of the consumer model makes one.
class Connection {
  public:
    Connection(const std::string& folder, const std::string& table, OpenMode mode) {
        EXPECT_EQ(DbiInitFn(300, nullptr), kOk);
        EXPECT_EQ(DbiDebugLayerOptions(3, "DOVUVI.INF"), kOk);
        EXPECT_EQ(DbiOpenDatabase("", "", mode, ShareMode::Shared, "", db_), kOk);
        EXPECT_EQ(DbiSetDirectory(db_, folder), kOk);
        status_ = DbiOpenTable(db_, table, "DBASE", "", "", 0, mode, ShareMode::Shared, cursor_);
    }
    ~Connection() {
        if (cursor_ != nullptr)
            DbiCloseCursor(cursor_);
        DbiCloseDatabase(db_);
        DbiExit();
    }
    DBIResult OpenStatus() const { return status_; }
    CursorHandle cursor() const { return cursor_; }

  private:
    DatabaseHandle db_ = nullptr;
    CursorHandle cursor_ = nullptr;
    DBIResult status_ = kOk;
};

// Finds the case by key (index on field 1 through the index file name) or record number;
// true when the record found is the case's own.
bool Locate(CursorHandle cursor, const std::string& id, std::uint32_t recNo, RecordBuffer& rec) {
    EXPECT_EQ(DbiInitRecord(cursor, rec), kOk);
    if (id.empty()) {
        DbiSetToBegin(cursor);
        return DbiSetToRecordNo(cursor, recNo) == kOk;
    }
    EXPECT_EQ(DbiOpenIndex(cursor, "PMN.NDX", 0), kOk);
    EXPECT_EQ(DbiSwitchToIndex(cursor, "PMN.NDX", "", 0, false), kOk);
    DbiSetToBegin(cursor);
    if (DbiGetRecordForKey(cursor, true, 0, unsigned(id.size()), id, &rec) != kOk)
        return false;
    std::string stored;
    DbiGetField(cursor, 1, rec, stored);
    return stored == id;
}

void SaveCase(const std::string& folder, const Case& c) {
    Connection connection(folder, "cases", OpenMode::ReadWrite);
    ASSERT_EQ(connection.OpenStatus(), kOk);
    CursorHandle cursor = connection.cursor();
    RecordBuffer rec;
    bool modify = Locate(cursor, c.id, 1, rec);
    if (modify) {
        ASSERT_EQ(DbiGetRecord(cursor, LockMode::NoLock, rec), kOk);
    }
    ASSERT_EQ(DbiPutField(cursor, 1, rec, c.id), kOk);
    ASSERT_EQ(DbiPutField(cursor, 2, rec, c.name), kOk);
    ASSERT_EQ(DbiPutField(cursor, 3, rec, c.age), kOk);
    ASSERT_EQ(DbiPutField(cursor, 4, rec, c.value), kOk);
    ASSERT_EQ(DbiOpenBlob(cursor, rec, 5, OpenMode::ReadWrite), kOk);
    ASSERT_EQ(DbiPutBlob(cursor, rec, 5, 0, std::uint32_t(c.comments.size()), c.comments.c_str()),
              kOk);
    ASSERT_EQ(modify ? DbiModifyRecord(cursor, rec, true) : DbiAppendRecord(cursor, rec), kOk);
    ASSERT_EQ(DbiFreeBlob(cursor, rec, 5), kOk);
}

// Loads the case; false when it is not found.
bool LoadCase(const std::string& folder, const std::string& id, std::uint32_t recNo, Case& c) {
    Connection connection(folder, "cases", OpenMode::ReadOnly);
    EXPECT_EQ(connection.OpenStatus(), kOk);
    CursorHandle cursor = connection.cursor();
    RecordBuffer rec;
    bool found = Locate(cursor, id, recNo, rec);
    std::string first;
    DbiGetField(cursor, 1, rec, first);
    if (first != id)
        return false;
    if (found) {
        EXPECT_EQ(DbiGetRecord(cursor, LockMode::NoLock, rec), kOk);
    }
    DbiGetField(cursor, 1, rec, c.id);
    DbiGetField(cursor, 2, rec, c.name);
    DbiGetField(cursor, 3, rec, c.age);
    DbiGetField(cursor, 4, rec, c.value);
    std::uint32_t size = 99;
    EXPECT_EQ(DbiOpenBlob(cursor, rec, 5, OpenMode::ReadOnly), kOk);
    EXPECT_EQ(DbiGetBlobSize(cursor, rec, 5, size), kOk);
    c.comments.assign(size, '\0');
    std::uint32_t read = 0;
    EXPECT_EQ(DbiGetBlob(cursor, rec, 5, 0, size, c.comments.data(), &read), kOk);
    EXPECT_EQ(read, size);
    DbiFreeBlob(cursor, rec, 5);
    return true;
}

class CaseTable : public ::testing::Test {
  protected:
    void SetUp() override { MakeTable(folder_.Path("cases.dbf"), kCaseSchema, {}); }
    std::uint32_t Count() {
        Connection connection(folder_.Path(), "cases", OpenMode::ReadOnly);
        std::uint32_t count = 0;
        DbiGetRecordCount(connection.cursor(), count);
        return count;
    }
    ScratchFolder folder_;
};

TEST_F(CaseTable, SaveAppendsThenModifiesByKey) {
    SaveCase(folder_.Path(), {"ABC", "Soap", 4, 1.5, "a long comment that will be replaced"});
    SaveCase(folder_.Path(), {"ABC", "Soap bar", 5, 2.25, "short"});
    EXPECT_EQ(Count(), 1u);
    Case loaded;
    ASSERT_TRUE(LoadCase(folder_.Path(), "ABC", 1, loaded));
    EXPECT_EQ(loaded.name, "Soap bar");
    EXPECT_EQ(loaded.age, 5);
    EXPECT_EQ(loaded.value, 2.25);
    EXPECT_EQ(loaded.comments, "short");  // no tail of the longer text is kept

    // An id that only begins a stored id is a different case: appended, and the stored one
    // is untouched; loading only the beginning finds nothing.
    Case missing;
    EXPECT_FALSE(LoadCase(folder_.Path(), "AB", 1, missing));
    SaveCase(folder_.Path(), {"AB", "Other", 1, 0, ""});
    EXPECT_EQ(Count(), 2u);
    ASSERT_TRUE(LoadCase(folder_.Path(), "ABC", 1, loaded));
    EXPECT_EQ(loaded.name, "Soap bar");
    ASSERT_TRUE(LoadCase(folder_.Path(), "AB", 1, loaded));
    EXPECT_EQ(loaded.name, "Other");
    EXPECT_EQ(loaded.comments, "");
}

// A deleted record is passed over by the key lookup and by positioning, and read-only cursors
// cannot delete.
TEST_F(CaseTable, DeletedRecordIsPassedOver) {
    SaveCase(folder_.Path(), {"A", "one", 1, 1, ""});
    SaveCase(folder_.Path(), {"B", "two", 2, 2, ""});
    {
        Connection connection(folder_.Path(), "cases", OpenMode::ReadWrite);
        RecordBuffer rec;
        ASSERT_TRUE(Locate(connection.cursor(), "A", 1, rec));
        EXPECT_EQ(DbiDeleteRecord(connection.cursor()), kOk);
    }
    EXPECT_EQ(Count(), 2u);  // the bytes stay in the file
    Case loaded;
    EXPECT_FALSE(LoadCase(folder_.Path(), "A", 1, loaded));
    ASSERT_TRUE(LoadCase(folder_.Path(), "B", 1, loaded));
    EXPECT_EQ(loaded.name, "two");
    Connection reader(folder_.Path(), "cases", OpenMode::ReadOnly);
    EXPECT_NE(DbiSetToRecordNo(reader.cursor(), 1), kOk);
    ASSERT_EQ(DbiSetToRecordNo(reader.cursor(), 2), kOk);
    EXPECT_EQ(DbiDeleteRecord(reader.cursor()), kReadOnly);
}

TEST_F(CaseTable, EmptyIdWorksOnRecordNumbers) {
    SaveCase(folder_.Path(), {"", "first", 1, 1, "c"});  // empty table: appended
    SaveCase(folder_.Path(), {"", "again", 2, 2, "d"});  // record 1 exists: modified
    EXPECT_EQ(Count(), 1u);
    Case loaded;
    ASSERT_TRUE(LoadCase(folder_.Path(), "", 1, loaded));
    EXPECT_EQ(loaded.name, "again");

    // No record 5: the case comes from the blank record.
    Case blank{"x", "x", 9, 9, "x"};
    ASSERT_TRUE(LoadCase(folder_.Path(), "", 5, blank));
    EXPECT_EQ(blank.name, "");
    EXPECT_EQ(blank.age, 0);
    EXPECT_EQ(blank.value, 0);
    EXPECT_EQ(blank.comments, "");
}

TEST_F(CaseTable, InnerConnectionLeavesTheOuterCursorUsable) {
    SaveCase(folder_.Path(), {"A", "one", 1, 1, ""});
    SaveCase(folder_.Path(), {"B", "two", 2, 2, ""});
    Connection outer(folder_.Path(), "cases", OpenMode::ReadOnly);
    RecordBuffer rec;
    DbiInitRecord(outer.cursor(), rec);
    std::vector<std::string> names;
    for (std::uint32_t n = 1; DbiSetToRecordNo(outer.cursor(), n) == kOk; ++n) {
        ASSERT_EQ(DbiGetRecord(outer.cursor(), LockMode::NoLock, rec), kOk);
        Case inner;
        ASSERT_TRUE(LoadCase(folder_.Path(), "B", 1, inner));  // a whole connection of its own
        std::string name;
        DbiGetField(outer.cursor(), 2, rec, name);
        names.push_back(name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"one", "two"}));
}

TEST_F(CaseTable, FailuresComeBackAsStatusesWithMessages) {
    {
        Connection missing(folder_.Path(), "nosuch", OpenMode::ReadOnly);
        EXPECT_EQ(missing.OpenStatus(), kNoSuchTable);
        std::string message;
        DbiGetErrorString(missing.OpenStatus(), message);
        EXPECT_NE(message.find("nosuch.dbf"), std::string::npos) << message;
    }
    SaveCase(folder_.Path(), {"A", "one", 1, 1, ""});
    Connection reader(folder_.Path(), "cases", OpenMode::ReadOnly);
    CursorHandle cursor = reader.cursor();
    RecordBuffer rec;
    DbiInitRecord(cursor, rec);
    std::string before = rec.bytes;
    EXPECT_EQ(DbiPutField(cursor, 1, rec, "thirteen char"), kBadValue);
    EXPECT_EQ(DbiPutField(cursor, 3, rec, 100), kBadValue);  // "100" in a 2-wide field
    EXPECT_EQ(rec.bytes, before);
    std::string message;
    DbiGetErrorString(kBadValue, message);
    EXPECT_NE(message.find("AGE"), std::string::npos) << message;
    EXPECT_EQ(DbiPutField(cursor, 0, rec, "x"), kBadField);
    EXPECT_EQ(DbiPutField(cursor, 6, rec, "x"), kBadField);
    EXPECT_EQ(DbiAppendRecord(cursor, rec), kReadOnly);
    EXPECT_EQ(DbiGetRecord(cursor, LockMode::NoLock, rec), kAtBegin);
    EXPECT_EQ(DbiGetRecordForKey(cursor, true, 0, 1, "A", &rec), kNoIndex);
    CursorHandle closed = nullptr;
    EXPECT_EQ(DbiGetRecord(closed, LockMode::NoLock, rec), kBadHandle);
}

TEST_F(CaseTable, BlobsAndTextBeyondWhatTheFileCanHoldAreRefused) {
    SaveCase(folder_.Path(), {"A", "one", 1, 1, "kept"});
    Connection writer(folder_.Path(), "cases", OpenMode::ReadWrite);
    CursorHandle cursor = writer.cursor();
    RecordBuffer rec;
    ASSERT_TRUE(Locate(cursor, "A", 1, rec));
    ASSERT_EQ(DbiOpenBlob(cursor, rec, 5, OpenMode::ReadWrite), kOk);
    EXPECT_EQ(DbiPutBlob(cursor, rec, 5, 4000000000u, 1, "x"), kBadParameter);
    EXPECT_EQ(DbiPutBlob(cursor, rec, 5, 64u << 20, 1, "x"), kBadParameter);
    std::uint32_t size = 0;
    EXPECT_EQ(DbiGetBlobSize(cursor, rec, 5, size), kOk);
    EXPECT_EQ(size, 4u);  // the text is as it was

    EXPECT_EQ(DbiPutField(cursor, 2, rec, "\xCE\xA9mega"), kBadValue);
    std::string message;
    DbiGetErrorString(kBadValue, message);
    EXPECT_NE(message.find("NAME"), std::string::npos) << message;
    ASSERT_EQ(DbiPutBlob(cursor, rec, 5, 0, 7, "\xCE\xA9 memo"), kOk);
    EXPECT_EQ(DbiModifyRecord(cursor, rec, true), kBadValue);
    DbiGetErrorString(kBadValue, message);
    EXPECT_NE(message.find("COMMENTS"), std::string::npos) << message;

    Case stored;
    ASSERT_TRUE(LoadCase(folder_.Path(), "A", 1, stored));
    EXPECT_EQ(stored.name, "one");
    EXPECT_EQ(stored.comments, "kept");
}

TEST(DbiConnections, CallsBeforeInitialisationAreRefused) {
    DatabaseHandle db = nullptr;
    EXPECT_EQ(DbiOpenDatabase("", "", OpenMode::ReadOnly, ShareMode::Shared, "", db),
              kNotInitialised);
    EXPECT_EQ(DbiExit(), kNotInitialised);
}

TEST(DbiIndexes, ATagNamesItsKeyField) {
    ScratchFolder folder;
    MakeTable(folder.Path("pmnmgr02.dbf"), "NAME C 10\nPMN_ID C 8\n",
              {{"zeta", "P-3"}, {"alpha", "P-1"}, {"beta", "P-2"}});
    DbiInitFn();
    DatabaseHandle db = nullptr;
    CursorHandle cursor = nullptr;
    DbiOpenDatabase("", "", OpenMode::ReadOnly, ShareMode::Shared, "", db);
    DbiSetDirectory(db, folder.Path());
    ASSERT_EQ(DbiOpenTable(db, "pmnmgr02", "DBASE", "pmnmgr02.mdx", "PMN_ID", 0, OpenMode::ReadOnly,
                           ShareMode::Shared, cursor),
              kOk);
    RecordBuffer rec;
    DbiInitRecord(cursor, rec);
    ASSERT_EQ(DbiGetRecordForKey(cursor, true, 0, 3, "P-2", &rec), kOk);
    std::string name;
    DbiGetField(cursor, 1, rec, name);
    EXPECT_EQ(name, "beta");
    std::vector<std::string> order;
    DbiSetToBegin(cursor);
    while (DbiGetNextRecord(cursor, LockMode::NoLock, rec) == kOk) {
        DbiGetField(cursor, 1, rec, name);
        order.push_back(name);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"alpha", "beta", "zeta"}));
    DbiCloseCursor(cursor);
    DbiCloseDatabase(db);
    DbiExit();
}

}  // namespace
