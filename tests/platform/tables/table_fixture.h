// Shared helpers for the table tests: a scratch folder and small tables made from text.
#pragma once

#include <string>
#include <vector>

#include "platform/tables/format.h"

namespace tables_test {

// A fresh folder, removed with everything in it at the end of the test.
class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    std::string Path(const std::string& name) const { return path_ + "/" + name; }
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

// Writes a table from a schema in the tool's format ("NAME TYPE WIDTH DECIMALS" lines) and rows
// of cells in schema order (text as UTF-8, numbers as text, logicals T/F, dates YYYYMMDD, memo
// text). An empty cell is a blank field.
void MakeTable(const std::string& path, const std::string& schema,
               const std::vector<std::vector<std::string>>& rows,
               tables::DbfVersion version = tables::DbfVersion::DBase3);

// Runs a command through the shell; returns its standard output, and the exit status in *status.
std::string RunCommand(const std::string& command, int* status = nullptr);

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

}  // namespace tables_test
