// The error type of the table layer: every failure names the file and, where there is one, the
// field.
#pragma once

#include <stdexcept>
#include <string>

namespace tables {

class TableError : public std::runtime_error {
  public:
    // file: the table or memo file; field: empty when the failure is not about one field.
    TableError(const std::string& file, const std::string& field, const std::string& cause);

    const std::string& File() const { return file_; }
    const std::string& Field() const { return field_; }
    const std::string& Cause() const { return cause_; }

  private:
    std::string file_;
    std::string field_;
    std::string cause_;
};

}  // namespace tables
