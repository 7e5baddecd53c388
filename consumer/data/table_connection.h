// One complete connection to a table through the record-level calls: engine, database, cursor
// and record buffer, all closed again when the connection ends.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/tables/dbi.h"

namespace consumer {

class TableConnection {
  public:
    // Opens the table (name without extension) in the folder; index and tag may be empty.
    TableConnection(const std::string& folder, const std::string& table, tables::dbi::OpenMode mode,
                    const std::string& indexName = "", const std::string& tagName = "");
    ~TableConnection();
    TableConnection(const TableConnection&) = delete;
    TableConnection& operator=(const TableConnection&) = delete;

    // The status of opening the table: 0 when it is open.
    tables::dbi::DBIResult OpenStatus() const { return openStatus_; }
    bool IsOpen() const { return openStatus_ == tables::dbi::kOk; }

    tables::dbi::CursorHandle Cursor() const { return cursor_; }
    tables::dbi::RecordBuffer& Record() { return record_; }

    // Reads record 1, 2, 3 and so on until positioning fails; the visitor returns false to stop.
    void ScanRows(const std::function<bool()>& visit);

    // Field values of the current record; a field that cannot be read leaves the value as it is.
    void Read(unsigned field, std::string& value);
    void Read(unsigned field, double& value);
    void Read(unsigned field, std::int32_t& value);
    std::string Text(unsigned field);

  private:
    tables::dbi::DatabaseHandle database_ = nullptr;
    tables::dbi::CursorHandle cursor_ = nullptr;
    tables::dbi::RecordBuffer record_;
    tables::dbi::DBIResult openStatus_ = tables::dbi::kNotInitialised;
};

// The folder of the model's own tables: the working folder followed by "dbfiles".
std::string ModelTableFolder();

}  // namespace consumer
