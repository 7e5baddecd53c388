// The error type of the table layer.
#include "platform/tables/error.h"

namespace tables {
namespace {

std::string Compose(const std::string& file, const std::string& field, const std::string& cause) {
    std::string text = file;
    if (!field.empty())
        text += ", field " + field;
    return text + ": " + cause;
}

}  // namespace

TableError::TableError(const std::string& file, const std::string& field, const std::string& cause)
    : std::runtime_error(Compose(file, field, cause)), file_(file), field_(field), cause_(cause) {}

}  // namespace tables
