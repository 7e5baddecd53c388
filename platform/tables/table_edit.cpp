// The table component: edit, append, post, cancel, emptying, and the raw record and memo calls.
#include "platform/tables/table.h"

#include <cstring>

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
    if (recNo_ > file_.RecordCount())
        Fail(sys::Format("the current row (record %u) no longer exists", recNo_));
    if (!file_.TryLockRecord(recNo_))
        Fail(sys::Format("record %u is being edited by another program", recNo_));
    lockedRecord_ = recNo_;
    try {
        file_.ReadRecord(recNo_, editBuffer_);  // read again now that no one else may change it
    } catch (...) {
        ReleaseLock();
        throw;
    }
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
    if (state_ != TableState::Edit && state_ != TableState::Insert)
        return;
    {
        // Every writer holds the write lock, so the file's state before and after the write
        // tells whether anyone but this process changed it since the index was built.
        DbfFile::WriteLock lock(file_);
        bool indexCurrent = Indexed() && !indexStale_ && index_.BuiltFrom() == file_.Stamp();
        // Memo blocks go to the memo file before the record that points at them.
        WritePendingMemos();
        if (state_ == TableState::Edit) {
            file_.WriteRecord(recNo_, editBuffer_);
        } else {
            recNo_ = file_.AppendRecord(editBuffer_);
            eof_ = bof_ = false;
        }
        FollowPost(indexCurrent);
    }
    ReleaseLock();
    std::memcpy(row_, editBuffer_.data(), editBuffer_.size());
    editBuffer_.clear();
    modified_ = false;
    state_ = TableState::Browse;
}

void Table::FollowPost(bool indexCurrent) {
    if (!indexCurrent) {
        indexStale_ = true;
        return;
    }
    index_.Place(recNo_, FieldBytes(editBuffer_, FieldAt(indexField_)), editBuffer_[0] == '*',
                 file_.Stamp());
    std::size_t position = index_.PositionOf(recNo_);
    position_ = position < index_.Size() ? position : 0;
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
    Fail("there is no current row (the table is empty)");
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
