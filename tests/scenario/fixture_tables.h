// Small dBASE tables made on the fly for the data layer tests, and a program folder holding them.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/tables/format.h"

namespace fixture {

// A field definition: "NAME C 20", "FLOW N 12 3", "KNOWN L 1", "SWMEMO M 10".
tables::FieldDef Field(const std::string& fieldText);

// Writes an empty table (and an empty memo file when a field is a memo).
void CreateTable(const std::string& nativePath, const std::vector<std::string>& fieldTexts);

// Appends one row; values by field name as text ("" leaves the field blank).
void AppendRow(const std::string& nativePath,
               const std::vector<std::pair<std::string, std::string>>& values);

// A fresh empty folder under the system's temporary folder, removed when the object goes.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& relative) const;

  private:
    std::filesystem::path path_;
};

// Runs the independent dBASE reader over one row of a table: field name -> value as text.
std::vector<std::pair<std::string, std::string>> ReadRowIndependently(const std::string& nativePath,
                                                                      const std::string& keyField,
                                                                      const std::string& key);

}  // namespace fixture
