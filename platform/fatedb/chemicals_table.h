// A table of an outside fate model's database (an SQLite file through Qt SQL): find a row by a
// text field without regard to case, or append one, then set fields and post them together.
#pragma once

#include <QVariant>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

namespace fatedb {

// Any failure of a fate-model database: the file, the table, a field or the write.
class FateDbError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// One open database file. The file must exist: an outside model's database is never created
// here, so a wrong path is reported instead of leaving an empty database behind.
class Database {
  public:
    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens the file (a system path) for reading and writing; throws FateDbError.
    void Open(const std::string& path);
    void Close();
    bool IsOpen() const;
    const std::string& FileName() const { return fileName_; }
    // The Qt connection name, for the table on this database.
    const QString& ConnectionName() const { return connection_; }

  private:
    QString connection_;
    std::string fileName_;
    bool open_ = false;
};

// A table on an open database, edited one row at a time: Locate or Append chooses the row,
// Set* collect values, Post writes them all in one statement (or none when it fails).
class Table {
  public:
    explicit Table(Database& database);

    // Opens the table; throws when the database has no table of that name.
    void Open(const std::string& tableName);
    void Close();

    // Goes to the first row (in stored order) whose text field equals the text without regard to
    // letter case; true when found. The pending values are dropped.
    bool Locate(const std::string& field, const std::string& text);
    // Starts a new row, written by the next Post.
    void Append();
    // Sets a field of the current (or new) row; written at Post.
    void SetText(const std::string& field, const std::string& value);
    void SetDouble(const std::string& field, double value);
    void SetInteger(const std::string& field, long value);
    // Writes the pending values; a field the table does not have throws and writes nothing.
    void Post();

    // Reads a field of the row that Locate found, as stored (tests and checks).
    QVariant Value(const std::string& field) const;
    // Number of rows in the table.
    long RowCount() const;

  private:
    void RequireOpen() const;
    void RequireField(const std::string& field) const;

    Database& database_;
    std::string table_;
    std::map<std::string, QVariant> pending_;
    std::map<std::string, std::string> fields_;  // upper-cased name -> stored name
    long long rowId_ = -1;                       // -1: a new row
    bool open_ = false;
};

// Creates a database file from a schema text of SQL statements separated by ";" (build tool).
// An existing file is replaced.
void CreateDatabase(const std::string& path, const std::string& schema);

}  // namespace fatedb
