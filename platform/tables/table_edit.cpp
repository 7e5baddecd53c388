// The table component: edit, append, post, cancel, emptying, and the raw record and memo calls.
#include "platform/tables/table.h"

#include "platform/sys/text.h"
#include "platform/tables/field_codec.h"

namespace tables {

void Table::CheckBrowseMode() {
    if (state_ != TableState::Edit && state_ != TableState::Insert)
        return;
    if (modified_) {
        Post();
    } else {
        Cancel();
    }
}

void Table::ReleaseLock() {
    if (lockedRecord_ != 0)
        file_.UnlockRecord(lockedRecord_);
    lockedRecord_ = 0;
}

void Table::Edit() {
    RequireOpen();
    if (state_ == TableState::Edit || state_ == TableState::Insert)
        return;
    if (file_.ReadOnly())
        Fail("the table file is read-only");
    if (IsEmpty())
        return Append();  // editing an empty table starts a new row
    if (recNo_ == 0)
        First();
    CurrentRecord();  // fails when the current row is gone
    if (!file_.TryLockRecord(recNo_))
        Fail(sys::Format("record %u is being edited by another program", recNo_));
    lockedRecord_ = recNo_;
    editBuffer_.assign(CurrentRecord());  // read again now that no one else may change it
    pendingMemos_.clear();
    modified_ = false;
    state_ = TableState::Edit;
}

void Table::Append() {
    RequireOpen();
    CheckBrowseMode();
    if (file_.ReadOnly())
        Fail("the table file is read-only");
    editBuffer_.assign(file_.Header().recordLength, ' ');
    pendingMemos_.clear();
    modified_ = false;
    state_ = TableState::Insert;
}

void Table::WritePendingMemos() {
    for (auto& [index, text] : pendingMemos_) {
        std::uint32_t block = 0;
        if (!text.empty()) {
            MemoFile* memo = file_.Memo();
            if (memo == nullptr)
                FieldFail(index, "the table has no memo file");
            block = memo->Append(text);
        }
        std::string bytes;
        std::string problem = EncodeMemoBlock(FieldAt(index), block, bytes);
        if (!problem.empty())
            FieldFail(index, problem);
        editBuffer_.replace(std::size_t(FieldAt(index).offset), bytes.size(), bytes);
    }
    pendingMemos_.clear();
}

void Table::Post() {
    RequireOpen();
    if (state_ == TableState::Edit) {
        // Memo blocks go to the memo file before the record that points at them.
        DbfFile::WriteLock lock(file_);
        WritePendingMemos();
        file_.WriteRecord(recNo_, editBuffer_);
    } else if (state_ == TableState::Insert) {
        DbfFile::WriteLock lock(file_);
        WritePendingMemos();
        recNo_ = file_.AppendRecord(editBuffer_);
        eof_ = bof_ = false;
    } else {
        return;
    }
    ReleaseLock();
    editBuffer_.clear();
    modified_ = false;
    state_ = TableState::Browse;
    indexStale_ = true;
}

void Table::Cancel() {
    ReleaseLock();
    editBuffer_.clear();
    pendingMemos_.clear();
    modified_ = false;
    if (IsOpen())
        state_ = TableState::Browse;
}

void Table::EmptyTable() {
    RequireOpen();
    Cancel();
    file_.Empty();
    indexStale_ = true;
    index_.Clear();
    SetEmpty();
}

std::string_view Table::CurrentRecordSlow() {
    RequireOpen();
    if (state_ == TableState::Edit || state_ == TableState::Insert)
        return editBuffer_;
    if (recNo_ == 0)
        Fail("there is no current row (the table is empty)");
    if (recNo_ > file_.RecordCount())
        Fail(sys::Format("the current row (record %u) no longer exists", recNo_));
    return file_.Record(recNo_);
}

std::string Table::RecordBytes() {
    return std::string(CurrentRecord());
}

void Table::SetRecordBytes(const std::string& bytes) {
    RequireOpen();
    if (state_ != TableState::Edit && state_ != TableState::Insert)
        Fail("the table is not in edit or insert state");
    if (bytes.size() != file_.Header().recordLength)
        Fail("a record of the wrong length was given");
    editBuffer_ = bytes;
    modified_ = true;
}

std::string Table::ReadMemoBlock(std::uint32_t block) {
    RequireOpen();
    if (block == 0)
        return "";
    MemoFile* memo = file_.Memo();
    if (memo == nullptr)
        Fail("the table has no memo file");
    return memo->Read(block);
}

void Table::SetMemo(int index, const std::string& text) {
    RequireEditing(index);
    if (FieldAt(index).type != FieldType::Memo)
        FieldFail(index, "not a memo field");
    std::string bytes;
    if (std::string problem = ToCp1252(text, bytes); !problem.empty())
        FieldFail(index, problem);
    if (bytes.size() > kLongestMemo)
        FieldFail(index,
                  sys::Format("a memo of %zu bytes is longer than a memo may be", bytes.size()));
    pendingMemos_[index] = bytes;
    modified_ = true;
}

}  // namespace tables
