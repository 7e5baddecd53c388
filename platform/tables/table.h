// The table component: one cursor over a dBASE table, with an optional in-memory index, row
// navigation, nearest-key seek, edit/append/post, and field access by name.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/tables/dbf_file.h"
#include "platform/tables/error.h"
#include "platform/tables/field_codec.h"
#include "platform/tables/format.h"
#include "platform/tables/key_index.h"

namespace tables {

enum class TableState { Inactive, Browse, Edit, Insert };

// Every navigation reads the file as it is now and takes one copy of the row it lands on: the
// fields read until the next move all come from that one version of the record, even while
// another program posts it (Refresh reads the row again without moving). An index follows this
// process's own posts and is rebuilt when another program changed the file.
// Field names are matched without regard to case. Strings are UTF-8; the file holds
// Windows-1252. Every failure throws TableError naming the file and, where there is one, the
// field.
class Table {
  public:
    Table() = default;
    ~Table();
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    // path: a system path (backslashes, drive letters and any letter case are fine). Opening
    // leaves the table in natural order on its first row.
    void Open(const std::string& path, bool exclusive = false);
    // Posts a pending change first (nothing is lost), then closes.
    void Close();
    bool IsOpen() const { return file_.IsOpen(); }
    const std::string& FileName() const { return name_; }  // as given to Open
    const std::string& NativeFileName() const { return file_.NativePath(); }
    bool ReadOnly() const { return file_.ReadOnly(); }
    TableState State() const { return state_; }

    // Field list.
    const std::vector<FieldDef>& Fields() const;
    int FieldIndex(const std::string& name) const;  // -1 when the table has no such field
    bool HasField(const std::string& name) const { return FieldIndex(name) >= 0; }

    // Index: a tag is named after its key field; "" returns to natural (record) order. The
    // current row stays current.
    void SetIndex(const std::string& tagName);
    const std::string& IndexName() const { return indexName_; }
    // How many times this object built an index from the file.
    std::size_t IndexBuilds() const { return index_.Builds(); }

    // Held over a walk or a run of seeks that takes the index as it stands: while a hold lasts,
    // the index is checked against the file at its first use only, not at every move and seek
    // (the check asks the file system, which costs more than the move). Rows are still read as
    // the file holds them now and this process's own posts are still followed; a change by
    // another program made during the hold is seen at the first use after it.
    class IndexHold {
      public:
        explicit IndexHold(Table& table);
        ~IndexHold();
        IndexHold(const IndexHold&) = delete;
        IndexHold& operator=(const IndexHold&) = delete;

      private:
        Table& table_;
    };

    // Navigation. A pending edit is posted first when the row was changed, else dropped.
    void First();
    inline void Next();
    void Prior();
    void Last();
    // Moves n rows (back when negative), stopping at the first or last row; returns the rows
    // actually moved.
    int MoveBy(int n);
    bool Eof() const { return eof_; }
    bool Bof() const { return bof_; }
    bool IsEmpty();
    // Reads the current row again as the file holds it now (and the index, when another program
    // changed the file). A pending change is posted first, as by a move.
    void Refresh();
    // Physical record number of the current row (1-based); 0 when there is none.
    std::uint32_t RecNo() const { return recNo_; }
    // Goes to a physical record; false (and no move) when it does not exist or is deleted.
    bool GoToRecord(std::uint32_t recNo);
    // Records the file counts now (deleted ones included).
    std::uint32_t RecordCount();

    // On the current index: moves to the first row whose key is at or after the key, else to
    // the last row. Text keys compare blank-padded to the field's width; numeric keys by value.
    void FindNearest(const std::string& key);
    void FindNearest(double key);
    // On the current text index: moves as FindNearest and tells whether that row's key starts
    // with the given text (all of it, trailing blanks included).
    bool FindPrefix(const std::string& prefix);

    // Editing. Edit takes the row's lock (a row another program edits raises an error).
    void Edit();
    void Append();  // a blank new row, written by Post
    void Post();
    void Cancel();
    bool Modified() const { return modified_; }
    // Removes every row.
    void EmptyTable();

    // Field access by name or by position (0-based). A blank field is null; its value reads as
    // "", 0 or false. Conversions that cannot be made raise TableError.
    bool IsNull(const std::string& name);
    std::string AsString(const std::string& name);  // memo fields give their text
    double AsFloat(const std::string& name);
    long AsInteger(const std::string& name);  // a number cut toward zero
    bool AsBoolean(const std::string& name);
    bool IsNull(int index);
    inline std::string AsString(int index);
    inline double AsFloat(int index);
    long AsInteger(int index);
    bool AsBoolean(int index);

    // Setters need Edit or Insert state. A value that does not fit its field raises TableError
    // and leaves the field as it was: text is never cut, whole numbers are stored exactly, and
    // other numbers take the fixed or exponent form that keeps them best within the width
    // (EncodeNumber); only a number no form can hold is refused.
    void SetString(const std::string& name, const std::string& value);  // memo fields too
    void SetFloat(const std::string& name, double value);
    void SetInteger(const std::string& name, long value);
    void SetBoolean(const std::string& name, bool value);
    void SetNull(const std::string& name);
    void SetString(int index, const std::string& value);
    void SetFloat(int index, double value);
    void SetInteger(int index, long value);
    void SetBoolean(int index, bool value);
    void SetNull(int index);

    // The current row's bytes (deletion flag first, Windows-1252 text), and replacing them in
    // Edit or Insert state; used by the record-level calls.
    std::string RecordBytes();
    void SetRecordBytes(const std::string& bytes);
    // A memo's text by block number (Windows-1252 bytes as stored).
    std::string ReadMemoBlock(std::uint32_t block);
    // Gives a memo field new text (UTF-8) to be written by Post.
    void SetMemo(int index, const std::string& text);

  private:
    const FieldDef& FieldAt(int index) const {
        const auto& fields = file_.Header().fields;
        if (index < 0 || std::size_t(index) >= fields.size())
            NoSuchField(index);
        return fields[std::size_t(index)];
    }
    [[noreturn]] void NoSuchField(int index) const;
    int RequireField(const std::string& name) const;
    [[noreturn]] void FieldFail(int index, const std::string& cause) const;
    [[noreturn]] void Fail(const std::string& cause) const;
    void RequireOpen() const {
        if (!IsOpen())
            Fail("the table is not open");
    }
    void RequireEditing(int index) const;
    // The current row: the edit buffer while editing, else the copy taken when the cursor came to
    // the row.
    std::string_view CurrentRecord() {
        if (state_ == TableState::Browse && recNo_ != 0)
            return std::string_view(row_, file_.Header().recordLength);
        return CurrentRecordSlow();
    }
    std::string_view CurrentRecordSlow();
    // How a field of the browsed row is read on the way of a scan, worked out once at Open.
    struct ScanField {
        std::uint32_t offset = 0;
        std::uint32_t width = 0;
        bool shortText = false;      // a text field from whose start 15 bytes lie in the record
        detail::NumberWords number;  // usable only for a number field
    };
    // The field and where its bytes lie in the row the cursor browses; else nothing, and the
    // caller takes the general way with its checks and messages. This is the way of a scan: a
    // field read costs no more than finding its bytes.
    const ScanField* BrowsedField(int index, const char*& bytes) const {
        if (state_ != TableState::Browse || recNo_ == 0 || unsigned(index) >= scanCount_)
            return nullptr;
        const ScanField& field = scanFields_[std::size_t(index)];
        bytes = row_ + field.offset;
        return &field;
    }
    void MakeScanFields();
    void MakeRows();
    void NextSlow();
    std::string AsStringSlow(int index);
    double AsFloatSlow(int index);
    std::string RawField(int index);
    void PutField(int index, const std::string& bytes);
    void CheckBrowseMode();
    void ReleaseLock();
    void WritePendingMemos();
    void Reposition();

    // Navigation over either order.
    bool Indexed() const { return !indexName_.empty(); }
    void RefreshIndex();
    // After a post: the index takes the row just written, unless another program changed the
    // file since the index was built (indexCurrent false), when it is rebuilt at the next use.
    void FollowPost(bool indexCurrent);
    // The next live record in record order, read into the other row buffer; 0 when none.
    std::uint32_t NaturalNext(std::uint32_t from, int step) {
        return file_.ReadLive(from, step, scratch_);
    }
    void LandOnScratch(std::uint32_t recNo) {
        std::swap(row_, scratch_);
        recNo_ = recNo;
    }
    // Next in record order from the current row.
    void NaturalStep() {
        std::uint32_t r = NaturalNext(recNo_, 1);
        if (r == 0) {
            eof_ = true;
            return;
        }
        LandOnScratch(r);
        eof_ = bof_ = false;
    }
    void MoveTo(std::uint32_t recNo);
    void SetEmpty();
    void LandAt(std::size_t position);
    void RequireIndex() const;
    std::string PaddedKey(const std::string& key) const;

    DbfFile file_;
    std::string name_;
    TableState state_ = TableState::Inactive;
    std::string indexName_;
    int indexField_ = -1;
    KeyIndex index_;
    bool indexStale_ = true;
    int indexHolds_ = 0;
    bool indexCheckedInHold_ = false;  // checked against the file since the hold began
    std::uint32_t recNo_ = 0;
    std::size_t position_ = 0;  // position in the index when indexed
    bool eof_ = true;
    bool bof_ = true;
    // The current row as read when the cursor came to it, and the buffer a row is read into while
    // looking for the next one: landing on that row swaps them. Both lie in one block, each at a
    // multiple of the power of two at or above the record's length (up to a page), so that no
    // row straddles a page boundary: field reads across one cost many times plain ones.
    struct FreeRows {
        void operator()(char* rows) const { std::free(rows); }
    };
    std::unique_ptr<char, FreeRows> rows_;
    char* row_ = nullptr;
    char* scratch_ = nullptr;
    std::string editBuffer_;
    std::map<int, std::string> pendingMemos_;  // field index -> Windows-1252 text
    bool modified_ = false;
    std::uint32_t lockedRecord_ = 0;
    std::unordered_map<std::string, int> fieldNumbers_;  // upper-case name -> index
    std::unique_ptr<ScanField[]> scanFields_;
    std::size_t scanCount_ = 0;
};

// A scan calls these for every row and field: the way of a browsed row in natural order is
// written here, so it costs no call; everything else goes the general way out of line.

[[gnu::always_inline]] inline void Table::Next() {
    // Browse state means the table is open; no pending edit to post.
    if (state_ != TableState::Browse || recNo_ == 0 || Indexed())
        return NextSlow();
    NaturalStep();
}

[[gnu::always_inline]] inline std::string Table::AsString(int index) {
    const char* bytes = nullptr;
    std::size_t length = 0;
    const ScanField* field = BrowsedField(index, bytes);
    if (field != nullptr && field->shortText && detail::ShortPlainText(bytes, field->width, length))
        return detail::ShortText(bytes, length);
    return AsStringSlow(index);
}

[[gnu::always_inline]] inline double Table::AsFloat(int index) {
    const char* bytes = nullptr;
    double value = 0;
    const ScanField* field = BrowsedField(index, bytes);
    if (field != nullptr && field->number.usable &&
        detail::AlignedWords(bytes, field->number, value))
        return value;
    return AsFloatSlow(index);
}

}  // namespace tables
