// Small dBASE tables made on the fly for the data layer tests, and a program folder holding them.
#include "fixture_tables.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/sys/text.h"
#include "platform/tables/create.h"
#include "platform/tables/table.h"

namespace fixture {

tables::FieldDef Field(const std::string& fieldText) {
    std::istringstream in(fieldText);
    tables::FieldDef field;
    char type = 'C';
    in >> field.name >> type >> field.width;
    if (!(in >> field.decimals)) {
        field.decimals = 0;
    }
    field.type = static_cast<tables::FieldType>(type);
    return field;
}

void CreateTable(const std::string& nativePath, const std::vector<std::string>& fieldTexts) {
    std::vector<tables::FieldDef> fields;
    for (const std::string& fieldText : fieldTexts) {
        fields.push_back(Field(fieldText));
    }
    const bool leadingUnderscore = std::any_of(fields.begin(), fields.end(), [](const auto& f) {
        return !f.name.empty() && f.name[0] == '_';
    });
    if (!leadingUnderscore) {
        tables::WriteNewTable(nativePath, fields, tables::DbfVersion::DBase3);
        return;
    }
    // The category table's field names begin with an underscore, which dBASE readers accept
    // but the table maker refuses; its header is written directly.
    std::string bytes = tables::BuildHeader(fields, tables::DbfVersion::DBase3, 0);
    bytes += tables::kEndOfFile;
    std::ofstream(nativePath, std::ios::binary) << bytes;
}

void AppendRow(const std::string& nativePath,
               const std::vector<std::pair<std::string, std::string>>& values) {
    tables::Table table;
    table.Open(nativePath);
    table.Append();
    for (const auto& [name, text] : values) {
        if (text.empty()) {
            continue;
        }
        const tables::FieldDef& field = table.Fields()[std::size_t(table.FieldIndex(name))];
        switch (field.type) {
            case tables::FieldType::Numeric:
            case tables::FieldType::Float: {
                double value = 0;
                if (!sys::ParseDouble(text, value)) {
                    throw std::invalid_argument("not a number: " + text);
                }
                table.SetFloat(name, value);
                break;
            }
            case tables::FieldType::Logical:
                table.SetBoolean(name, text == "T");
                break;
            default:
                table.SetString(name, text);
        }
    }
    table.Post();
    table.Close();
}

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "ombrix-data-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
        throw std::runtime_error("cannot make a temporary folder");
    }
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::File(const std::string& relative) const {
    const std::filesystem::path file = path_ / relative;
    std::filesystem::create_directories(file.parent_path());
    return file.string();
}

std::vector<std::pair<std::string, std::string>> ReadRowIndependently(const std::string& nativePath,
                                                                      const std::string& keyField,
                                                                      const std::string& key) {
    const std::string script =
        "import sys\n"
        "from dbfread import DBF\n"
        "for r in DBF(sys.argv[1], encoding='cp1252', char_decode_errors='strict'):\n"
        "    if str(r[sys.argv[2]]) == sys.argv[3]:\n"
        "        for k, v in r.items():\n"
        "            if v is None: v = ''\n"
        "            elif isinstance(v, bool): v = 'T' if v else 'F'\n"
        "            elif isinstance(v, float): v = repr(v)\n"
        "            print(k + '\\t' + str(v).replace('\\n', '\\\\n').replace('\\r', '\\\\r'))\n"
        "        break\n";
    const std::string scriptPath = nativePath + ".read.py";
    std::ofstream(scriptPath) << script;
    const std::string command = "/usr/bin/python3 '" + scriptPath + "' '" + nativePath + "' '" +
                                keyField + "' '" + key + "'";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) {
        throw std::runtime_error("cannot run the independent reader");
    }
    std::vector<std::pair<std::string, std::string>> row;
    std::string line;
    while (sys::ReadTextLine(pipe, line)) {
        const auto tab = line.find('\t');
        row.emplace_back(line.substr(0, tab), line.substr(tab + 1));
    }
    ::pclose(pipe);
    std::remove(scriptPath.c_str());
    return row;
}

}  // namespace fixture
