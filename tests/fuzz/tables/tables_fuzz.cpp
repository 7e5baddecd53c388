// Fuzz target: a table and its memo file from outside bytes (the .dbf, then "MEMOFILE" and the
// .dbt), opened, read field by field, sought on every key, edited and posted, appended to, and
// read again through the record-level calls.
#include <cstdint>
#include <string>

#include "platform/tables/dbi.h"
#include "platform/tables/table.h"
#include "tests/fuzz/fuzz_files.h"

namespace {

using tables::FieldType;
using tables::Table;
using tables::TableError;

constexpr int kMostRows = 200;

template <typename Body>
void Tolerated(Body body) {
    try {
        body();
    } catch (const TableError&) {
    }
}

void ReadRows(Table& table) {
    int rows = 0;
    for (table.First(); !table.Eof() && rows < kMostRows; table.Next(), ++rows) {
        for (int i = 0; i < int(table.Fields().size()); ++i) {
            Tolerated([&] { table.IsNull(i); });
            Tolerated([&] { table.AsString(i); });
            Tolerated([&] { table.AsFloat(i); });
            Tolerated([&] { table.AsInteger(i); });
            Tolerated([&] { table.AsBoolean(i); });
        }
    }
}

void SeekEveryKey(Table& table) {
    for (const auto& field : table.Fields()) {
        if (field.type == FieldType::Memo)
            continue;
        Tolerated([&] {
            table.SetIndex(field.name);
            table.FindNearest(std::string("M"));
            table.FindNearest(12.5);
            table.FindPrefix("A");
            table.Next();
            table.Prior();
            table.Refresh();
            table.Last();
        });
    }
    Tolerated([&] { table.SetIndex(""); });
}

// Gives every field of the row being edited a value of its kind; refusals are expected.
void FillRow(Table& table, const std::string& text) {
    for (int i = 0; i < int(table.Fields().size()); ++i) {
        switch (table.Fields()[std::size_t(i)].type) {
            case FieldType::Numeric:
            case FieldType::Float:
                Tolerated([&] { table.SetFloat(i, 12.5); });
                break;
            case FieldType::Logical:
                Tolerated([&] { table.SetBoolean(i, true); });
                break;
            case FieldType::Date:
                Tolerated([&] { table.SetString(i, "20240229"); });
                break;
            default:
                Tolerated([&] { table.SetString(i, text); });
        }
    }
}

void EditAndAppend(Table& table) {
    try {
        table.First();
        if (!table.Eof()) {
            table.Edit();
            FillRow(table, "edited");
            table.Post();
        }
    } catch (const TableError&) {
        table.Cancel();
    }
    try {
        table.Append();
        FillRow(table, "appended");
        table.Post();
    } catch (const TableError&) {
        table.Cancel();
    }
}

void ReadThroughCalls(const std::string& folder) {
    using namespace tables::dbi;
    if (DbiInitFn() != kOk)
        return;
    DatabaseHandle database = nullptr;
    CursorHandle cursor = nullptr;
    if (DbiOpenDatabase("", "", OpenMode::ReadWrite, ShareMode::Shared, "", database) == kOk &&
        DbiSetDirectory(database, folder) == kOk &&
        DbiOpenTable(database, "fuzz", "DBASE", "", "", 0, OpenMode::ReadWrite, ShareMode::Shared,
                     cursor) == kOk) {
        CursorProps props;
        DbiGetCursorProps(cursor, props);
        RecordBuffer record;
        for (int rows = 0;
             rows < kMostRows && DbiGetNextRecord(cursor, LockMode::NoLock, record) == kOk;
             ++rows) {
            for (unsigned field = 1; field <= props.fieldCount; ++field) {
                std::string text;
                double number = 0;
                DbiGetField(cursor, field, record, text);
                DbiGetField(cursor, field, record, number);
                if (DbiOpenBlob(cursor, record, field, OpenMode::ReadWrite) == kOk) {
                    std::uint32_t size = 0;
                    DbiGetBlobSize(cursor, record, field, size);
                    DbiPutBlob(cursor, record, field, size, 4, "more");
                }
            }
            DbiModifyRecord(cursor, record, true);
        }
        DbiCloseCursor(cursor);
    }
    if (database != nullptr)
        DbiCloseDatabase(database);
    DbiExit();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    bool hasMemo = false;
    auto [dbf, dbt] = fuzz::SplitAt(fuzz::AsText(data, size), "MEMOFILE", hasMemo);
    std::string path = fuzz::WriteInput("fuzz.dbf", dbf);
    if (hasMemo)
        fuzz::WriteInput("fuzz.dbt", dbt);
    else
        fuzz::RemoveInput("fuzz.dbt");
    Tolerated([&] {
        Table table;
        table.Open(path);
        ReadRows(table);
        SeekEveryKey(table);
        EditAndAppend(table);
        table.Close();
        table.Open(path);
        ReadRows(table);
    });
    ReadThroughCalls(fuzz::ScratchFolder());
    return 0;
}
