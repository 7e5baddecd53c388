// The record-level call interface: reading and writing records, fields and blobs.
#include <cmath>

#include "platform/sys/text.h"
#include "platform/tables/dbi.h"
#include "platform/tables/dbi_state.h"
#include "platform/tables/field_codec.h"

namespace tables::dbi {

EngineState& Engine() {
    static EngineState state;
    return state;
}

namespace {

// Whether the handle is one of the open ones: a handle already closed or never opened is not.
template <typename Item>
bool IsOpenHandle(const std::vector<std::unique_ptr<Item>>& open, const Item* handle) {
    if (handle == nullptr)
        return false;
    for (const auto& item : open) {
        if (item.get() == handle)
            return true;
    }
    return false;
}

}  // namespace

bool ValidDatabase(const Database* database) {
    return IsOpenHandle(Engine().databases, database);
}

bool ValidCursor(const Cursor* cursor) {
    return IsOpenHandle(Engine().cursors, cursor);
}

DBIResult Failed(DBIResult status, const std::string& message) {
    Engine().lastStatus = status;
    Engine().lastMessage = message;
    return status;
}

DBIResult ReadOnlyFailure(const Cursor& cursor) {
    return Failed(kReadOnly, cursor.table.NativeFileName() + ": the table is open read-only");
}

DBIResult DbiGetErrorString(DBIResult status, std::string& message) {
    const EngineState& engine = Engine();
    if (status != kOk && status == engine.lastStatus) {
        message = engine.lastMessage;
        return kOk;
    }
    switch (status) {
        case kOk:
            message = "";
            break;
        case kAtBegin:
            message = "At beginning of table";
            break;
        case kAtEnd:
            message = "At end of table";
            break;
        case kNotFound:
            message = "Record not found";
            break;
        case kNotInitialised:
            message = "The engine is not initialised";
            break;
        case kBadHandle:
            message = "Invalid handle";
            break;
        case kBadParameter:
            message = "Invalid parameter";
            break;
        case kNoSuchTable:
            message = "Table does not exist";
            break;
        case kOpenFailed:
            message = "Cannot open table";
            break;
        case kBadField:
            message = "Invalid field";
            break;
        case kBadValue:
            message = "Value does not fit the field";
            break;
        case kNoIndex:
            message = "No index is selected";
            break;
        case kReadOnly:
            message = "Table is read-only";
            break;
        case kLocked:
            message = "Record is locked by another user";
            break;
        default:
            message = "File error";
            break;
    }
    return kOk;
}

namespace {

void ReadCurrent(Cursor& cursor, RecordBuffer& record) {
    record.bytes = cursor.table.RecordBytes();
    record.blobs.clear();
}

const FieldDef* FieldOf(Cursor& cursor, unsigned fieldNo) {
    const auto& fields = cursor.table.Fields();
    if (fieldNo < 1 || fieldNo > fields.size())
        return nullptr;
    return &fields[fieldNo - 1];
}

DBIResult FieldFailure(Cursor& cursor, const FieldDef* field, DBIResult status,
                       const std::string& cause) {
    std::string name = field != nullptr ? ", field " + field->name : "";
    return Failed(status, cursor.table.NativeFileName() + name + ": " + cause);
}

bool UsableRecord(Cursor& cursor, const RecordBuffer& record) {
    return record.bytes.size() == BlankRecord(cursor.table.Fields()).size();
}

// Checks the cursor, the field number and the buffer for a field call.
DBIResult FieldCall(CursorHandle cursor, unsigned fieldNo, const RecordBuffer& record,
                    const FieldDef*& field) {
    if (!ValidCursor(cursor))
        return kBadHandle;
    field = FieldOf(*cursor, fieldNo);
    if (field == nullptr)
        return FieldFailure(*cursor, nullptr, kBadField,
                            sys::Format("there is no field %u", fieldNo));
    if (!UsableRecord(*cursor, record))
        return FieldFailure(*cursor, field, kBadParameter, "the record buffer was not initialised");
    return kOk;
}

DBIResult Store(Cursor& cursor, const FieldDef* field, RecordBuffer& record,
                const std::string& problem, const std::string& bytes) {
    if (!problem.empty())
        return FieldFailure(cursor, field, kBadValue, problem);
    if (bytes.size() != std::size_t(field->width))
        return FieldFailure(cursor, field, kBadValue,
                            "a value of the wrong width was to be stored");
    record.bytes.replace(std::size_t(field->offset), bytes.size(), bytes);
    return kOk;
}

bool IsNumber(const FieldDef* field) {
    return field->type == FieldType::Numeric || field->type == FieldType::Float;
}

// Memo texts written on the buffer, handed to the table before it posts.
void HandOverBlobs(Cursor& cursor, RecordBuffer& record) {
    for (auto& [fieldNo, blob] : record.blobs) {
        if (blob.written)
            cursor.table.SetMemo(int(fieldNo) - 1, blob.text);
    }
}

// Puts the buffer and its memo texts into the row being appended or edited and posts it; a row
// that fails is cancelled before the failure goes on.
void PostRecord(Cursor& cursor, RecordBuffer& record) {
    Table& table = cursor.table;
    try {
        table.SetRecordBytes(record.bytes);
        HandOverBlobs(cursor, record);
        table.Post();
    } catch (...) {
        table.Cancel();
        throw;
    }
}

}  // namespace

DBIResult DbiGetRecord(CursorHandle cursor, LockMode lock, RecordBuffer& record) {
    if (!ValidCursor(cursor))
        return kBadHandle;
    switch (cursor->place) {
        case Cursor::Place::BeforeFirst:
            return kAtBegin;
        case Cursor::Place::AfterLast:
            return kAtEnd;
        case Cursor::Place::NoRecord:
            return kNotFound;
        case Cursor::Place::OnRecord:
            break;
    }
    return Guarded([&] {
        cursor->table.Refresh();  // as the record is in the file now
        ReadCurrent(*cursor, record);
        return kOk;
    });
}

namespace {

// One direction of travel through the table: where a walk starts, which place lies past its last
// record, and the table moves that go there.
struct Direction {
    Cursor::Place start;
    Cursor::Place past;
    DBIResult pastStatus;
    void (Table::*jump)();
    void (Table::*step)();
    bool (Table::*beyond)() const;
};

constexpr Direction kForward{Cursor::Place::BeforeFirst,
                             Cursor::Place::AfterLast,
                             kAtEnd,
                             &Table::First,
                             &Table::Next,
                             &Table::Eof};
constexpr Direction kBackward{Cursor::Place::AfterLast,
                              Cursor::Place::BeforeFirst,
                              kAtBegin,
                              &Table::Last,
                              &Table::Prior,
                              &Table::Bof};

// Moves the cursor one record the given way and reads it, or stops past the last one.
DBIResult Step(CursorHandle cursor, RecordBuffer& record, const Direction& way) {
    if (!ValidCursor(cursor))
        return kBadHandle;
    return Guarded([&] {
        Table& table = cursor->table;
        if (cursor->place == way.past)
            return way.pastStatus;
        if (cursor->place == way.start)
            (table.*way.jump)();
        else if (cursor->place == Cursor::Place::OnRecord)
            (table.*way.step)();
        if (table.RecNo() == 0 ||
            (cursor->place == Cursor::Place::OnRecord && (table.*way.beyond)())) {
            cursor->place = way.past;
            return way.pastStatus;
        }
        cursor->place = Cursor::Place::OnRecord;
        ReadCurrent(*cursor, record);
        return kOk;
    });
}

}  // namespace

DBIResult DbiGetNextRecord(CursorHandle cursor, LockMode lock, RecordBuffer& record) {
    return Step(cursor, record, kForward);
}

DBIResult DbiGetPriorRecord(CursorHandle cursor, LockMode lock, RecordBuffer& record) {
    return Step(cursor, record, kBackward);
}

DBIResult DbiAppendRecord(CursorHandle cursor, RecordBuffer& record) {
    if (!ValidCursor(cursor))
        return kBadHandle;
    if (cursor->readOnly)
        return ReadOnlyFailure(*cursor);
    if (!UsableRecord(*cursor, record))
        return Failed(kBadParameter, "the record buffer was not initialised");
    return Guarded([&] {
        cursor->table.Append();
        PostRecord(*cursor, record);
        cursor->place = Cursor::Place::OnRecord;
        return kOk;
    });
}

DBIResult DbiModifyRecord(CursorHandle cursor, RecordBuffer& record, bool freeLock) {
    if (!ValidCursor(cursor))
        return kBadHandle;
    if (cursor->readOnly)
        return ReadOnlyFailure(*cursor);
    if (cursor->place != Cursor::Place::OnRecord)
        return Failed(kNotFound, "the cursor is on no record");
    if (!UsableRecord(*cursor, record))
        return Failed(kBadParameter, "the record buffer was not initialised");
    return Guarded([&] {
        cursor->table.Edit();
        PostRecord(*cursor, record);
        return kOk;
    });
}

DBIResult DbiDeleteRecord(CursorHandle cursor) {
    if (!ValidCursor(cursor))
        return kBadHandle;
    if (cursor->readOnly)
        return ReadOnlyFailure(*cursor);
    if (cursor->place != Cursor::Place::OnRecord)
        return Failed(kNotFound, "the cursor is on no record");
    return Guarded([&] {
        Table& table = cursor->table;
        table.Edit();
        std::string bytes = table.RecordBytes();
        bytes[0] = '*';
        try {
            table.SetRecordBytes(bytes);
            table.Post();
        } catch (...) {
            table.Cancel();
            throw;
        }
        return kOk;
    });
}

// ---- fields ----

DBIResult DbiGetField(CursorHandle cursor, unsigned fieldNo, const RecordBuffer& record,
                      std::string& value, bool* blank) {
    const FieldDef* field = nullptr;
    if (DBIResult status = FieldCall(cursor, fieldNo, record, field); status != kOk)
        return status;
    if (field->type == FieldType::Memo)
        return FieldFailure(*cursor, field, kBadField,
                            "a memo field is read through the blob calls");
    std::string_view raw = FieldBytes(record.bytes, *field);
    bool isBlank = FieldIsBlank(raw, *field);
    if (blank != nullptr)
        *blank = isBlank;
    if (isBlank) {
        value.clear();
    } else if (field->type == FieldType::Character) {
        value = DecodeText(raw);
    } else {
        value = sys::Trim(raw);
    }
    return kOk;
}

DBIResult DbiGetField(CursorHandle cursor, unsigned fieldNo, const RecordBuffer& record,
                      double& value, bool* blank) {
    const FieldDef* field = nullptr;
    if (DBIResult status = FieldCall(cursor, fieldNo, record, field); status != kOk)
        return status;
    if (!IsNumber(field))
        return FieldFailure(*cursor, field, kBadField, "not a number field");
    std::string_view raw = FieldBytes(record.bytes, *field);
    if (blank != nullptr)
        *blank = FieldIsBlank(raw, *field);
    double number = 0;
    if (!DecodeNumber(raw, number))
        return FieldFailure(*cursor, field, kFileError,
                            sys::Format("'%s' is not a number", sys::Trim(raw).c_str()));
    value = number;
    return kOk;
}

DBIResult DbiGetField(CursorHandle cursor, unsigned fieldNo, const RecordBuffer& record,
                      std::int32_t& value, bool* blank) {
    double number = 0;
    if (DBIResult status = DbiGetField(cursor, fieldNo, record, number, blank); status != kOk)
        return status;
    number = std::trunc(number);
    if (!(number >= -2147483648.0 && number <= 2147483647.0))
        return FieldFailure(*cursor, FieldOf(*cursor, fieldNo), kBadValue,
                            sys::Format("%.15g does not fit a 32-bit whole number", number));
    value = static_cast<std::int32_t>(number);
    return kOk;
}

DBIResult DbiGetField(CursorHandle cursor, unsigned fieldNo, const RecordBuffer& record,
                      bool& value, bool* blank) {
    const FieldDef* field = nullptr;
    if (DBIResult status = FieldCall(cursor, fieldNo, record, field); status != kOk)
        return status;
    if (field->type != FieldType::Logical)
        return FieldFailure(*cursor, field, kBadField, "not a logical field");
    std::string_view raw = FieldBytes(record.bytes, *field);
    if (blank != nullptr)
        *blank = FieldIsBlank(raw, *field);
    value = DecodeLogical(raw).value_or(false);
    return kOk;
}

DBIResult DbiPutField(CursorHandle cursor, unsigned fieldNo, RecordBuffer& record,
                      const std::string& value) {
    const FieldDef* field = nullptr;
    if (DBIResult status = FieldCall(cursor, fieldNo, record, field); status != kOk)
        return status;
    if (field->type == FieldType::Memo)
        return FieldFailure(*cursor, field, kBadField,
                            "a memo field is written through the blob calls");
    std::string bytes;
    std::string problem;
    double number = 0;
    std::string trimmed = sys::Trim(value);
    if (!IsNumber(field) || trimmed.empty()) {
        problem = EncodeFromText(*field, value, bytes);
    } else if (sys::ParseDouble(trimmed, number)) {
        problem = EncodeNumber(*field, number, bytes);
    } else {
        problem = "'" + value + "' is not a number";
    }
    return Store(*cursor, field, record, problem, bytes);
}

DBIResult DbiPutField(CursorHandle cursor, unsigned fieldNo, RecordBuffer& record,
                      const char* value) {
    return DbiPutField(cursor, fieldNo, record, std::string(value != nullptr ? value : ""));
}

DBIResult DbiPutField(CursorHandle cursor, unsigned fieldNo, RecordBuffer& record, double value) {
    const FieldDef* field = nullptr;
    if (DBIResult status = FieldCall(cursor, fieldNo, record, field); status != kOk)
        return status;
    if (!IsNumber(field))
        return FieldFailure(*cursor, field, kBadField, "not a number field");
    std::string bytes;
    std::string problem = EncodeNumber(*field, value, bytes);
    return Store(*cursor, field, record, problem, bytes);
}

DBIResult DbiPutField(CursorHandle cursor, unsigned fieldNo, RecordBuffer& record,
                      std::int32_t value) {
    const FieldDef* field = nullptr;
    if (DBIResult status = FieldCall(cursor, fieldNo, record, field); status != kOk)
        return status;
    if (!IsNumber(field))
        return FieldFailure(*cursor, field, kBadField, "not a number field");
    std::string bytes;
    std::string problem = EncodeWholeNumber(*field, value, bytes);
    return Store(*cursor, field, record, problem, bytes);
}

DBIResult DbiPutField(CursorHandle cursor, unsigned fieldNo, RecordBuffer& record, bool value) {
    const FieldDef* field = nullptr;
    if (DBIResult status = FieldCall(cursor, fieldNo, record, field); status != kOk)
        return status;
    if (field->type != FieldType::Logical)
        return FieldFailure(*cursor, field, kBadField, "not a logical field");
    std::string bytes;
    EncodeLogical(*field, value, bytes);
    return Store(*cursor, field, record, "", bytes);
}

DBIResult DbiPutBlankField(CursorHandle cursor, unsigned fieldNo, RecordBuffer& record) {
    const FieldDef* field = nullptr;
    if (DBIResult status = FieldCall(cursor, fieldNo, record, field); status != kOk)
        return status;
    if (field->type == FieldType::Memo)
        record.blobs[fieldNo] = {"", true};
    return Store(*cursor, field, record, "", std::string(std::size_t(field->width), ' '));
}

}  // namespace tables::dbi
