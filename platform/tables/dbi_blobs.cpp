// The record-level call interface: blobs (memo fields) on a record buffer.
#include <algorithm>
#include <cstring>

#include "platform/sys/text.h"
#include "platform/tables/dbi.h"
#include "platform/tables/dbi_state.h"
#include "platform/tables/field_codec.h"

namespace tables::dbi {
namespace {

// Checks the call and finds the memo field; fieldIndex is 0-based.
DBIResult MemoCall(CursorHandle cursor, const RecordBuffer& record, unsigned fieldNo,
                   int& fieldIndex) {
    if (!ValidCursor(cursor))
        return kBadHandle;
    const auto& fields = cursor->table.Fields();
    if (fieldNo < 1 || fieldNo > fields.size())
        return Failed(kBadField, cursor->table.NativeFileName() +
                                     sys::Format(": there is no field %u", fieldNo));
    fieldIndex = int(fieldNo) - 1;
    if (fields[fieldNo - 1].type != FieldType::Memo)
        return Failed(kBadField, cursor->table.NativeFileName() + ", field " +
                                     fields[fieldNo - 1].name + ": not a memo field");
    if (record.bytes.size() != BlankRecord(fields).size())
        return Failed(kBadParameter, "the record buffer was not initialised");
    return kOk;
}

RecordBuffer::Blob* OpenedBlob(RecordBuffer& record, unsigned fieldNo) {
    auto it = record.blobs.find(fieldNo);
    return it == record.blobs.end() ? nullptr : &it->second;
}

}  // namespace

DBIResult DbiOpenBlob(CursorHandle cursor, RecordBuffer& record, unsigned fieldNo, OpenMode mode) {
    int index = 0;
    if (DBIResult status = MemoCall(cursor, record, fieldNo, index); status != kOk)
        return status;
    if (mode == OpenMode::ReadWrite && cursor->readOnly)
        return ReadOnlyFailure(*cursor);
    if (OpenedBlob(record, fieldNo) != nullptr)
        return kOk;
    const FieldDef& field = cursor->table.Fields()[std::size_t(index)];
    return Guarded([&] {
        std::uint32_t block = 0;
        if (!DecodeMemoBlock(FieldBytes(record.bytes, field), block))
            throw TableError(cursor->table.NativeFileName(), field.name,
                             "the memo pointer is damaged");
        record.blobs[fieldNo] = {sys::Cp1252ToUtf8(cursor->table.ReadMemoBlock(block)), false};
        return kOk;
    });
}

DBIResult DbiGetBlobSize(CursorHandle cursor, RecordBuffer& record, unsigned fieldNo,
                         std::uint32_t& size) {
    int index = 0;
    if (DBIResult status = MemoCall(cursor, record, fieldNo, index); status != kOk)
        return status;
    RecordBuffer::Blob* blob = OpenedBlob(record, fieldNo);
    if (blob == nullptr)
        return Failed(kBadParameter, "the blob is not open");
    size = static_cast<std::uint32_t>(blob->text.size());
    return kOk;
}

DBIResult DbiGetBlob(CursorHandle cursor, RecordBuffer& record, unsigned fieldNo,
                     std::uint32_t offset, std::uint32_t length, std::string& destination) {
    int index = 0;
    if (DBIResult status = MemoCall(cursor, record, fieldNo, index); status != kOk)
        return status;
    RecordBuffer::Blob* blob = OpenedBlob(record, fieldNo);
    if (blob == nullptr)
        return Failed(kBadParameter, "the blob is not open");
    destination = offset < blob->text.size() ? blob->text.substr(offset, length) : "";
    return kOk;
}

DBIResult DbiGetBlob(CursorHandle cursor, RecordBuffer& record, unsigned fieldNo,
                     std::uint32_t offset, std::uint32_t length, char* destination,
                     std::uint32_t* actual) {
    std::string part;
    if (DBIResult status = DbiGetBlob(cursor, record, fieldNo, offset, length, part); status != kOk)
        return status;
    if (destination != nullptr)
        std::memcpy(destination, part.data(), part.size());
    if (actual != nullptr)
        *actual = static_cast<std::uint32_t>(part.size());
    return kOk;
}

DBIResult DbiPutBlob(CursorHandle cursor, RecordBuffer& record, unsigned fieldNo,
                     std::uint32_t offset, std::uint32_t length, const char* source) {
    int index = 0;
    if (DBIResult status = MemoCall(cursor, record, fieldNo, index); status != kOk)
        return status;
    if (cursor->readOnly)
        return ReadOnlyFailure(*cursor);
    RecordBuffer::Blob* blob = OpenedBlob(record, fieldNo);
    if (blob == nullptr)
        return Failed(kBadParameter, "the blob is not open");
    if (length > 0 && source == nullptr)
        return Failed(kBadParameter, "no text to write");
    if (std::uint64_t(offset) + length > kLongestMemo)
        return Failed(
            kBadParameter,
            cursor->table.NativeFileName() + ", field " +
                cursor->table.Fields()[std::size_t(index)].name +
                sys::Format(": a memo ends by %llu bytes; %u bytes at %u go past that",
                            static_cast<unsigned long long>(kLongestMemo), length, offset));
    // The text ends after what was written, so a shorter text never keeps the tail of a longer
    // one.
    blob->text.resize(std::min<std::size_t>(blob->text.size(), offset));
    blob->text.resize(offset, ' ');
    blob->text.append(source != nullptr ? source : "", length);
    blob->written = true;
    return kOk;
}

DBIResult DbiFreeBlob(CursorHandle cursor, RecordBuffer& record, unsigned fieldNo) {
    int index = 0;
    if (DBIResult status = MemoCall(cursor, record, fieldNo, index); status != kOk)
        return status;
    record.blobs.erase(fieldNo);
    return kOk;
}

}  // namespace tables::dbi
