// One complete connection to a table through the record-level calls.
#include "consumer/data/table_connection.h"

#include "consumer/model/case_state.h"

namespace consumer {

using namespace tables::dbi;

TableConnection::TableConnection(const std::string& folder, const std::string& table, OpenMode mode,
                                 const std::string& indexName, const std::string& tagName) {
    DbiInitFn(300, nullptr);
    DbiDebugLayerOptions(3, "DOVUVI.INF");
    if (DBIResult status = DbiOpenDatabase("", "", mode, ShareMode::Shared, "", database_);
        status != kOk) {
        openStatus_ = status;
        return;
    }
    DbiSetDirectory(database_, folder);
    openStatus_ = DbiOpenTable(database_, table, "DBASE", indexName, tagName, 0, mode,
                               ShareMode::Shared, cursor_);
    if (openStatus_ != kOk)
        return;
    DbiSetToBegin(cursor_);
    DbiInitRecord(cursor_, record_);
}

TableConnection::~TableConnection() {
    if (cursor_)
        DbiCloseCursor(cursor_);
    if (database_)
        DbiCloseDatabase(database_);
    DbiExit();
}

void TableConnection::ScanRows(const std::function<bool()>& visit) {
    if (!IsOpen() || DbiSetToBegin(cursor_) != kOk)
        return;
    for (std::uint32_t recordNumber = 1;; ++recordNumber) {
        if (DbiSetToRecordNo(cursor_, recordNumber) != kOk)
            return;
        if (DbiGetRecord(cursor_, LockMode::NoLock, record_) != kOk)
            return;
        if (!visit())
            return;
    }
}

void TableConnection::Read(unsigned field, std::string& value) {
    std::string read;
    if (DbiGetField(cursor_, field, record_, read) == kOk)
        value = read;
}

void TableConnection::Read(unsigned field, double& value) {
    double read = 0;
    if (DbiGetField(cursor_, field, record_, read) == kOk)
        value = read;
}

void TableConnection::Read(unsigned field, std::int32_t& value) {
    std::int32_t read = 0;
    if (DbiGetField(cursor_, field, record_, read) == kOk)
        value = read;
}

std::string TableConnection::Text(unsigned field) {
    std::string value;
    Read(field, value);
    return value;
}

std::string ModelTableFolder() {
    return WorkingFolder + "dbfiles";
}

}  // namespace consumer
