// Inside the record-level calls: the open connections and cursors, and status bookkeeping.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/tables/create.h"
#include "platform/tables/dbi.h"
#include "platform/tables/error.h"
#include "platform/tables/table.h"

namespace tables::dbi {

struct Database {
    std::string folder;
    bool readOnly = false;
};

struct Cursor {
    enum class Place { BeforeFirst, OnRecord, AfterLast, NoRecord };
    Database* database = nullptr;
    Table table;
    Place place = Place::BeforeFirst;
    bool readOnly = false;
};

struct EngineState {
    int initCount = 0;
    std::vector<std::unique_ptr<Database>> databases;
    std::vector<std::unique_ptr<Cursor>> cursors;
    DBIResult lastStatus = kOk;
    std::string lastMessage;
};

EngineState& Engine();
bool ValidDatabase(const Database* database);
bool ValidCursor(const Cursor* cursor);
// Records the message of a failure and returns its status.
DBIResult Failed(DBIResult status, const std::string& message);
// The failure of a write through a cursor whose table is open read-only.
DBIResult ReadOnlyFailure(const Cursor& cursor);

// Runs a call body, turning a TableError into a status (kFileError unless the cause is known).
template <typename Body>
DBIResult Guarded(Body body) {
    try {
        return body();
    } catch (const TableError& error) {
        const std::string& cause = error.Cause();
        DBIResult status = kFileError;
        if (cause.find("read-only") != std::string::npos)
            status = kReadOnly;
        if (cause.find("edited by another") != std::string::npos)
            status = kLocked;
        if (cause.find("Windows-1252") != std::string::npos ||
            cause.find("longer than a memo may be") != std::string::npos)
            status = kBadValue;
        return Failed(status, error.what());
    }
}

}  // namespace tables::dbi
