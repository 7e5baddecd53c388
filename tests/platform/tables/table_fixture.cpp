// Shared helpers for the table tests: a scratch folder and small tables made from text.
#include "tests/platform/tables/table_fixture.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/tables/create.h"
#include "platform/tables/field_codec.h"
#include "tools/dbfmake/schema_file.h"

namespace tables_test {

ScratchFolder::ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tables_test_XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a scratch folder");
    path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void MakeTable(const std::string& path, const std::string& schema,
               const std::vector<std::vector<std::string>>& rows, tables::DbfVersion version) {
    std::vector<tables::FieldDef> fields = dbfmake::ParseSchema(schema);
    tables::LayOutFields(fields);
    std::vector<tables::NewRow> records;
    for (const auto& cells : rows) {
        tables::NewRow row;
        row.bytes = tables::BlankRecord(fields);
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const tables::FieldDef& field = fields.at(i);
            if (field.type == tables::FieldType::Memo) {
                row.memos[int(i)] = cells[i];
                continue;
            }
            std::string bytes;
            std::string problem = tables::EncodeFromText(field, cells[i], bytes);
            if (!problem.empty())
                throw std::runtime_error(problem);
            row.bytes.replace(std::size_t(field.offset), bytes.size(), bytes);
        }
        records.push_back(row);
    }
    tables::WriteNewTable(path, fields, version, records);
}

std::string RunCommand(const std::string& command, int* status) {
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr)
        throw std::runtime_error("cannot run " + command);
    std::string out;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    int raw = ::pclose(pipe);
    if (status != nullptr)
        *status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return out;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

}  // namespace tables_test
