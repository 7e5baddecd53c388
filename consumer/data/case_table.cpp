// Cases stored in case tables: one record per case, keyed by the chemical id.
#include "consumer/data/case_table.h"

#include <vector>

#include "consumer/data/case_fields.h"
#include "consumer/data/table_connection.h"
#include "platform/forms/ui_service.h"

namespace consumer {
namespace {

using namespace tables::dbi;

// The case-table index on the chemical id.
const char* const kCaseIndex = "PMN.NDX";

// Positions the cursor on the case: by exact id, or by record number when the id is empty.
// True when the case is there.
bool FindCase(TableConnection& table, int recordNumber, const std::string& id) {
    CursorHandle cursor = table.Cursor();
    if (id.empty()) {
        DbiSetToBegin(cursor);
        if (recordNumber < 1)
            return false;
        return DbiSetToRecordNo(cursor, static_cast<std::uint32_t>(recordNumber)) == kOk;
    }
    DbiOpenIndex(cursor, kCaseIndex, 0);
    DbiSwitchToIndex(cursor, kCaseIndex, "", 0, false);
    DbiSetToBegin(cursor);
    RecordBuffer found;
    if (DbiGetRecordForKey(cursor, true, 0, static_cast<unsigned>(id.size()), id, &found) != kOk) {
        return false;
    }
    std::string key;
    DbiGetField(cursor, 1, found, key);
    return key == id;
}

void ReadFields(TableConnection& table, ExposureInputs& in, ExposureResults& results) {
    const auto& fields = CaseFields();
    for (unsigned i = 0; i < fields.size(); ++i) {
        const CaseField& field = fields[i];
        const unsigned number = i + 1;
        switch (field.kind) {
            case CaseField::Kind::Text:
                table.Read(number, in.*field.text);
                break;
            case CaseField::Kind::Whole:
                table.Read(number, number == kAgeGroupField ? in.StoredAgeGroup : in.*field.whole);
                break;
            case CaseField::Kind::Number:
                table.Read(number, in.*field.number);
                break;
            case CaseField::Kind::Result:
                table.Read(number, results[field.result]);
                break;
        }
    }
}

void ReadComments(TableConnection& table, ExposureInputs& in) {
    CursorHandle cursor = table.Cursor();
    RecordBuffer& record = table.Record();
    in.Comments.clear();
    if (DbiOpenBlob(cursor, record, kCommentsField, OpenMode::ReadOnly) != kOk)
        return;
    std::uint32_t size = 0;
    DbiGetBlobSize(cursor, record, kCommentsField, size);
    std::string text;
    if (size > 0 && DbiGetBlob(cursor, record, kCommentsField, 0, size, text) == kOk) {
        in.Comments = text;
    }
    DbiFreeBlob(cursor, record, kCommentsField);
}

// The first `width` characters of a UTF-8 text.
std::string CutToWidth(const std::string& text, int width) {
    size_t characters = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            continue;
        if (characters == static_cast<size_t>(width))
            return text.substr(0, i);
        ++characters;
    }
    return text;
}

// Writes the fields; the numbers of fields cut or left out are collected.
void WriteFields(TableConnection& table, const ExposureInputs& in, const ExposureResults& results,
                 std::vector<unsigned>& cut, std::vector<unsigned>& lost) {
    CursorHandle cursor = table.Cursor();
    RecordBuffer& record = table.Record();
    const auto& fields = CaseFields();
    for (unsigned i = 0; i < fields.size(); ++i) {
        const CaseField& field = fields[i];
        const unsigned number = i + 1;
        DBIResult status = kOk;
        switch (field.kind) {
            case CaseField::Kind::Text: {
                const std::string& text = in.*field.text;
                std::string stored = CutToWidth(text, field.width);
                if (stored != text)
                    cut.push_back(number);
                status = DbiPutField(cursor, number, record, stored);
                break;
            }
            case CaseField::Kind::Whole:
                status = DbiPutField(cursor, number, record, in.*field.whole);
                break;
            case CaseField::Kind::Number:
                status = DbiPutField(cursor, number, record, in.*field.number);
                break;
            case CaseField::Kind::Result:
                status = DbiPutField(cursor, number, record, results[field.result]);
                break;
        }
        if (status != kOk) {
            DbiPutBlankField(cursor, number, record);
            lost.push_back(number);
        }
    }
}

std::string FieldList(const std::vector<unsigned>& numbers) {
    std::string list;
    for (unsigned number : numbers)
        list += (list.empty() ? "" : ", ") + std::to_string(number);
    return list;
}

void ReportCutFields(const std::vector<unsigned>& cut, const std::vector<unsigned>& lost) {
    if (cut.empty() && lost.empty())
        return;
    std::string text = "The case was saved.";
    if (!cut.empty()) {
        text += "\nText longer than its field was cut to fit (fields " + FieldList(cut) + ").";
    }
    if (!lost.empty()) {
        text +=
            "\nValues too large for their field were not stored (fields " + FieldList(lost) + ").";
    }
    forms::ShowMessage(text, "Note", forms::Icon::Information);
}

}  // namespace

void LoadCase(const std::string& tableName, const std::string& folder, int recordNumber,
              const std::string& idText, ExposureInputs& inputs, ExposureResults& results) {
    TableConnection table(folder, tableName, OpenMode::ReadOnly);
    if (!table.IsOpen()) {
        forms::ShowMessage("Unable to open file!", "Error", forms::Icon::Error);
        return;
    }
    if (idText.empty()) {
        // Without an id the record of that number is read; when there is none, the blank
        // record is.
        if (FindCase(table, recordNumber, idText)) {
            DbiGetRecord(table.Cursor(), LockMode::NoLock, table.Record());
        }
    } else {
        if (!FindCase(table, recordNumber, idText))
            return;
        if (DbiGetRecord(table.Cursor(), LockMode::NoLock, table.Record()) != kOk)
            return;
    }
    ReadFields(table, inputs, results);
    ReadComments(table, inputs);
}

namespace {

// The cases of the table from its last record to its first, deleted records left out.
std::vector<StoredCase> ListCasesOf(TableConnection& table) {
    std::vector<StoredCase> cases;
    CursorHandle cursor = table.Cursor();
    std::uint32_t count = 0;
    DbiGetRecordCount(cursor, count);
    RecordBuffer record;
    DbiInitRecord(cursor, record);
    for (std::uint32_t n = count; n >= 1; --n) {
        if (DbiSetToRecordNo(cursor, n) != kOk ||
            DbiGetRecord(cursor, LockMode::NoLock, record) != kOk)
            continue;
        std::string id;
        DbiGetField(cursor, 1, record, id);
        cases.push_back({static_cast<int>(n), id});
    }
    return cases;
}

// The records that hold the case of exactly this id, in record order (more than one only when a
// save was cut short between writing the case and removing its older copy).
std::vector<std::uint32_t> RecordsOfCase(TableConnection& table, const std::string& id) {
    std::vector<std::uint32_t> found;
    for (const StoredCase& stored : ListCasesOf(table)) {
        if (stored.id == id)
            found.insert(found.begin(), stored.recordNumber);
    }
    return found;
}

// Writes the case into the record buffer and the table: over the current record or appended.
DBIResult WriteCase(TableConnection& table, bool modify, const ExposureInputs& inputs,
                    const ExposureResults& results, std::vector<unsigned>& cut,
                    std::vector<unsigned>& lost) {
    CursorHandle cursor = table.Cursor();
    RecordBuffer& record = table.Record();
    if (modify) {
        DbiGetRecord(cursor, LockMode::WriteLock, record);
    } else {
        DbiInitRecord(cursor, record);
    }
    WriteFields(table, inputs, results, cut, lost);
    DbiOpenBlob(cursor, record, kCommentsField, OpenMode::ReadWrite);
    DbiPutBlob(cursor, record, kCommentsField, 0,
               static_cast<std::uint32_t>(inputs.Comments.size()), inputs.Comments.data());
    DBIResult status =
        modify ? DbiModifyRecord(cursor, record, true) : DbiAppendRecord(cursor, record);
    DbiFreeBlob(cursor, record, kCommentsField);
    return status;
}

// A case saved again moves to the end of its table, so that the table's order is the order in
// which its cases were last saved: the new copy is written first, then the older one removed.
DBIResult SaveKeyedCase(TableConnection& table, const std::string& id, const ExposureInputs& inputs,
                        const ExposureResults& results, std::vector<unsigned>& cut,
                        std::vector<unsigned>& lost) {
    CursorHandle cursor = table.Cursor();
    std::vector<std::uint32_t> older = RecordsOfCase(table, id);
    std::uint32_t count = 0;
    DbiGetRecordCount(cursor, count);
    if (older.size() == 1 && older[0] == count) {
        DbiSetToRecordNo(cursor, count);
        return WriteCase(table, true, inputs, results, cut, lost);
    }
    DBIResult status = WriteCase(table, false, inputs, results, cut, lost);
    if (status != kOk)
        return status;
    for (std::uint32_t recordNumber : older) {
        if (DbiSetToRecordNo(cursor, recordNumber) == kOk)
            DbiDeleteRecord(cursor);
    }
    return kOk;
}

}  // namespace

std::vector<StoredCase> ListCases(const std::string& tableName, const std::string& folder) {
    TableConnection table(folder, tableName, OpenMode::ReadOnly);
    if (!table.IsOpen())
        return {};
    return ListCasesOf(table);
}

bool SaveCase(const std::string& tableName, const std::string& folder, int recordNumber,
              const std::string& idText, const ExposureInputs& inputs,
              const ExposureResults& results) {
    TableConnection table(folder, tableName, OpenMode::ReadWrite);
    if (!table.IsOpen()) {
        forms::ShowMessage("Unable to save file - SrcFile = " + tableName + " SrcDir = " + folder,
                           "Error", forms::Icon::Error);
        return false;
    }
    std::vector<unsigned> cut;
    std::vector<unsigned> lost;
    DBIResult status = kOk;
    if (idText.empty()) {
        const bool modify = FindCase(table, recordNumber, idText);
        status = WriteCase(table, modify, inputs, results, cut, lost);
    } else {
        status = SaveKeyedCase(table, idText, inputs, results, cut, lost);
    }
    if (status != kOk) {
        std::string message;
        DbiGetErrorString(status, message);
        forms::ShowMessage(
            "Unable to save file - SrcFile = " + tableName + " SrcDir = " + folder + "\n" + message,
            "Error", forms::Icon::Error);
        return false;
    }
    ReportCutFields(cut, lost);
    return true;
}

}  // namespace consumer
