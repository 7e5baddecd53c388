// The record-level call interface: connections, cursors, positioning, records and indexes.
#include "platform/tables/dbi.h"

#include <algorithm>
#include <memory>
#include <set>

#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "platform/sys/text.h"
#include "platform/tables/dbi_state.h"
#include "platform/tables/field_codec.h"

namespace tables::dbi {
namespace {

std::string WithoutExtension(std::string name) {
    name = sys::FileNamePart(name);
    auto dot = name.rfind('.');
    if (dot != std::string::npos)
        name.resize(dot);
    return name;
}

// The key field of an index named by tag or by index file.
std::string KeyFieldFor(Table& table, const std::string& indexName, const std::string& tagName) {
    if (!tagName.empty())
        return tagName;
    std::string base = WithoutExtension(indexName);
    if (!base.empty() && table.HasField(base))
        return base;
    return table.Fields().front().name;
}

bool IsDbf(const std::string& name) {
    auto dot = name.rfind('.');
    return dot != std::string::npos && sys::UpperCase(name.substr(dot)) == ".DBF";
}

}  // namespace

DBIResult DbiInitFn(int version, const void* environment) {
    ++Engine().initCount;
    return kOk;
}

DBIResult DbiExit() {
    EngineState& engine = Engine();
    if (engine.initCount == 0)
        return kNotInitialised;
    if (--engine.initCount == 0) {
        engine.cursors.clear();
        engine.databases.clear();
    }
    return kOk;
}

DBIResult DbiDebugLayerOptions(unsigned options, const std::string& traceFile) {
    return Engine().initCount > 0 ? kOk : kNotInitialised;
}

DBIResult DbiOpenDatabase(const std::string& name, const std::string& type, OpenMode openMode,
                          ShareMode shareMode, const std::string& password,
                          DatabaseHandle& database) {
    database = nullptr;
    EngineState& engine = Engine();
    if (engine.initCount == 0)
        return kNotInitialised;
    auto owned = std::make_unique<Database>();
    owned->readOnly = openMode == OpenMode::ReadOnly;
    owned->folder = sys::WorkingFolder();
    database = owned.get();
    engine.databases.push_back(std::move(owned));
    return kOk;
}

DBIResult DbiCloseDatabase(DatabaseHandle& database) {
    EngineState& engine = Engine();
    if (!ValidDatabase(database))
        return kBadHandle;
    std::erase_if(engine.cursors, [&](const auto& c) { return c->database == database; });
    std::erase_if(engine.databases, [&](const auto& d) { return d.get() == database; });
    database = nullptr;
    return kOk;
}

DBIResult DbiSetDirectory(DatabaseHandle database, const std::string& folder) {
    if (!ValidDatabase(database))
        return kBadHandle;
    database->folder = folder;
    return kOk;
}

DBIResult DbiOpenTable(DatabaseHandle database, const std::string& tableName,
                       const std::string& driver, const std::string& indexName,
                       const std::string& tagName, unsigned indexId, OpenMode openMode,
                       ShareMode shareMode, CursorHandle& cursor) {
    cursor = nullptr;
    if (!ValidDatabase(database))
        return kBadHandle;
    if (!driver.empty() && sys::UpperCase(driver) != "DBASE")
        return Failed(kBadParameter, "unknown driver " + driver);
    std::string file = IsDbf(tableName) ? tableName : tableName + ".dbf";
    std::string path = database->folder.empty() ? file : sys::JoinPath(database->folder, file);
    if (!sys::FileExists(path))
        return Failed(kNoSuchTable, sys::NativePath(path) + ": the table does not exist");
    auto owned = std::make_unique<Cursor>();
    owned->database = database;
    owned->readOnly = database->readOnly || openMode == OpenMode::ReadOnly;
    try {
        owned->table.Open(path, shareMode == ShareMode::Exclusive);
        owned->readOnly = owned->readOnly || owned->table.ReadOnly();
        if (!indexName.empty() || !tagName.empty())
            owned->table.SetIndex(KeyFieldFor(owned->table, indexName, tagName));
    } catch (const TableError& error) {
        return Failed(kOpenFailed, error.what());
    }
    owned->place = Cursor::Place::BeforeFirst;
    cursor = owned.get();
    Engine().cursors.push_back(std::move(owned));
    return kOk;
}

DBIResult DbiCloseCursor(CursorHandle& cursor) {
    if (!ValidCursor(cursor))
        return kBadHandle;
    std::erase_if(Engine().cursors, [&](const auto& c) { return c.get() == cursor; });
    cursor = nullptr;
    return kOk;
}

DBIResult DbiGetCursorProps(CursorHandle cursor, CursorProps& props) {
    if (!ValidCursor(cursor))
        return kBadHandle;
    props.tableName = cursor->table.NativeFileName();
    props.fieldCount = static_cast<std::uint16_t>(cursor->table.Fields().size());
    props.recordBufferSize = static_cast<std::uint32_t>(BlankRecord(cursor->table.Fields()).size());
    props.readOnly = cursor->readOnly;
    return kOk;
}

DBIResult DbiGetRecordCount(CursorHandle cursor, std::uint32_t& count) {
    if (!ValidCursor(cursor))
        return kBadHandle;
    return Guarded([&] {
        count = cursor->table.RecordCount();
        return kOk;
    });
}

DBIResult DbiOpenIndex(CursorHandle cursor, const std::string& indexName, unsigned indexId) {
    return ValidCursor(cursor) ? kOk : kBadHandle;
}

DBIResult DbiSwitchToIndex(CursorHandle cursor, const std::string& indexName,
                           const std::string& tagName, unsigned indexId, bool keepCurrent) {
    if (!ValidCursor(cursor))
        return kBadHandle;
    return Guarded([&] {
        if (indexName.empty() && tagName.empty()) {
            cursor->table.SetIndex("");
        } else {
            cursor->table.SetIndex(KeyFieldFor(cursor->table, indexName, tagName));
        }
        if (!keepCurrent)
            cursor->place = Cursor::Place::BeforeFirst;
        return kOk;
    });
}

DBIResult DbiSetToBegin(CursorHandle cursor) {
    if (!ValidCursor(cursor))
        return kBadHandle;
    cursor->place = Cursor::Place::BeforeFirst;
    return kOk;
}

DBIResult DbiSetToEnd(CursorHandle cursor) {
    if (!ValidCursor(cursor))
        return kBadHandle;
    cursor->place = Cursor::Place::AfterLast;
    return kOk;
}

DBIResult DbiSetToRecordNo(CursorHandle cursor, std::uint32_t recNo) {
    if (!ValidCursor(cursor))
        return kBadHandle;
    return Guarded([&] {
        if (!cursor->table.GoToRecord(recNo))
            return kAtEnd;
        cursor->place = Cursor::Place::OnRecord;
        return kOk;
    });
}

DBIResult DbiGetRecordForKey(CursorHandle cursor, bool directKey, unsigned fieldCount,
                             unsigned keyLength, const std::string& key, RecordBuffer* record) {
    if (!ValidCursor(cursor))
        return kBadHandle;
    if (!directKey || fieldCount != 0)
        return Failed(kBadParameter, "only a direct key is taken");
    if (cursor->table.IndexName().empty())
        return Failed(kNoIndex, "no index is selected");
    std::string prefix =
        keyLength == 0 ? key : key.substr(0, std::min<std::size_t>(keyLength, key.size()));
    return Guarded([&] {
        if (!cursor->table.FindPrefix(prefix)) {
            cursor->place = Cursor::Place::NoRecord;
            return kNotFound;
        }
        cursor->place = Cursor::Place::OnRecord;
        if (record != nullptr) {
            record->bytes = cursor->table.RecordBytes();
            record->blobs.clear();
        }
        return kOk;
    });
}

DBIResult DbiInitRecord(CursorHandle cursor, RecordBuffer& record) {
    if (!ValidCursor(cursor))
        return kBadHandle;
    record.bytes = BlankRecord(cursor->table.Fields());
    record.blobs.clear();
    return kOk;
}

}  // namespace tables::dbi
