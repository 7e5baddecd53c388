// Writing a new table (and its memo file) in one go.
#include "platform/tables/create.h"

#include <set>

#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "platform/tables/error.h"
#include "platform/tables/field_codec.h"
#include "platform/tables/memo_file.h"

namespace tables {
namespace {

void CheckFields(const std::string& path, const std::vector<FieldDef>& fields) {
    if (fields.empty())
        throw TableError(path, "", "a table needs at least one field");
    std::set<std::string> names;
    int length = 1;
    for (const auto& f : fields) {
        std::string problem = FieldDefProblem(f);
        if (!problem.empty())
            throw TableError(path, f.name, problem);
        if (!names.insert(f.name).second)
            throw TableError(path, f.name, "the field is defined twice");
        length += f.width;
    }
    if (fields.size() > 255)
        throw TableError(path, "", "a table holds at most 255 fields");
    if (length > 65535)
        throw TableError(path, "", "the record is longer than 65535 bytes");
}

}  // namespace

void LayOutFields(std::vector<FieldDef>& fields) {
    int offset = 1;
    for (auto& f : fields) {
        f.offset = offset;
        offset += f.width;
    }
}

std::string BlankRecord(const std::vector<FieldDef>& fields) {
    std::size_t length = 1;
    for (const auto& f : fields)
        length += std::size_t(f.width);
    return std::string(length, ' ');
}

void WriteNewTable(const std::string& path, std::vector<FieldDef> fields, DbfVersion version,
                   const std::vector<NewRow>& rows) {
    std::string native = sys::NativePath(path);
    CheckFields(native, fields);
    std::string table = BuildHeader(fields, version, static_cast<std::uint32_t>(rows.size()));
    bool hasMemo = false;
    for (const auto& f : fields)
        hasMemo = hasMemo || f.type == FieldType::Memo;
    bool dbase4 = version == DbfVersion::DBase4;
    std::string memoPath = hasMemo ? MemoPathOf(native) : "";
    std::string memo = hasMemo ? MemoFile::HeaderBlock(memoPath, dbase4) : "";
    std::string blank = BlankRecord(fields);
    for (const auto& row : rows) {
        if (row.bytes.size() != blank.size())
            throw TableError(native, "", "a row of the wrong length was given");
        std::string record = row.bytes;
        for (const auto& [index, text] : row.memos) {
            const FieldDef& field = fields.at(std::size_t(index));
            if (field.type != FieldType::Memo)
                throw TableError(native, field.name, "not a memo field");
            std::uint32_t block = 0;
            if (!text.empty()) {
                block = static_cast<std::uint32_t>(memo.size() / 512);
                memo += MemoFile::EncodeBlocks(text, dbase4);
            }
            std::string pointer;
            EncodeMemoBlock(field, block, pointer);
            record.replace(std::size_t(field.offset), pointer.size(), pointer);
        }
        table += record;
    }
    table += kEndOfFile;
    if (hasMemo) {
        WriteU32(reinterpret_cast<unsigned char*>(memo.data()),
                 static_cast<std::uint32_t>(memo.size() / 512));
        if (!sys::WriteWholeFile(memoPath, memo))
            throw TableError(memoPath, "", "cannot write the memo file");
    }
    if (!sys::WriteWholeFile(native, table))
        throw TableError(native, "", "cannot write the table");
}

}  // namespace tables
