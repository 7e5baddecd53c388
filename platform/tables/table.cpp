// The table component: opening, navigation over natural or index order, seeks and editing.
#include "platform/tables/table.h"

#include <algorithm>
#include <new>

#include "platform/sys/text.h"
#include "platform/tables/field_codec.h"

namespace tables {

Table::~Table() {
    // A pending change is dropped here: the table may be going away because an edit failed
    // half-way, and a half-set row must not be written.
    if (IsOpen())
        Cancel();
}

void Table::Fail(const std::string& cause) const {
    throw TableError(IsOpen() ? file_.NativePath() : name_, "", cause);
}

void Table::FieldFail(int index, const std::string& cause) const {
    throw TableError(file_.NativePath(), FieldAt(index).name, cause);
}

void Table::Open(const std::string& path, bool exclusive) {
    if (IsOpen())
        Close();
    name_ = path;
    file_.Open(path, exclusive);
    fieldNumbers_.clear();
    const auto& fields = file_.Header().fields;
    for (std::size_t i = 0; i < fields.size(); ++i)
        fieldNumbers_.emplace(sys::UpperCase(fields[i].name), int(i));
    MakeScanFields();
    MakeRows();
    state_ = TableState::Browse;
    indexName_.clear();
    indexField_ = -1;
    index_.Clear();
    indexStale_ = true;
    First();
}

void Table::MakeScanFields() {
    const DbfHeader& header = file_.Header();
    scanCount_ = header.fields.size();
    scanFields_ = std::make_unique<ScanField[]>(scanCount_);
    for (std::size_t i = 0; i < scanCount_; ++i) {
        const FieldDef& field = header.fields[i];
        ScanField& scan = scanFields_[i];
        scan.offset = std::uint32_t(field.offset);
        scan.width = std::uint32_t(field.width);
        scan.shortText = field.type == FieldType::Character &&
                         std::size_t(field.offset) + 15 <= header.recordLength;
        if (field.type == FieldType::Numeric)
            scan.number = detail::NumberWordsOf(std::size_t(field.width), field.decimals);
    }
}

void Table::MakeRows() {
    std::size_t length = file_.Header().recordLength;
    std::size_t alignment = 64;
    while (alignment < length && alignment < 4096)
        alignment *= 2;
    std::size_t stride = (length + alignment - 1) / alignment * alignment;
    rows_.reset(static_cast<char*>(std::aligned_alloc(alignment, 2 * stride)));
    if (!rows_)
        throw std::bad_alloc();
    row_ = rows_.get();
    scratch_ = row_ + stride;
}

void Table::Close() {
    if (!IsOpen())
        return;
    CheckBrowseMode();
    ReleaseLock();
    file_.Close();
    state_ = TableState::Inactive;
    indexName_.clear();
    index_.Clear();
    recNo_ = 0;
    eof_ = bof_ = true;
}

const std::vector<FieldDef>& Table::Fields() const {
    return file_.Header().fields;
}

int Table::FieldIndex(const std::string& name) const {
    // Most callers write the name in capitals, as the table holds it: no copy to look that up.
    auto it = fieldNumbers_.find(name);
    if (it == fieldNumbers_.end())
        it = fieldNumbers_.find(sys::UpperCase(name));
    return it == fieldNumbers_.end() ? -1 : it->second;
}

void Table::NoSuchField(int index) const {
    Fail(sys::Format("there is no field number %d", index));
}

int Table::RequireField(const std::string& name) const {
    RequireOpen();
    int index = FieldIndex(name);
    if (index < 0)
        throw TableError(file_.NativePath(), name, "the table has no such field");
    return index;
}

std::uint32_t Table::RecordCount() {
    RequireOpen();
    return file_.RecordCount();
}

// ---- indexes and navigation ----

void Table::SetIndex(const std::string& tagName) {
    RequireOpen();
    CheckBrowseMode();
    if (tagName.empty()) {
        indexName_.clear();
        indexField_ = -1;
        index_.Clear();
        return;
    }
    int field = FieldIndex(tagName);
    if (field < 0)
        Fail("there is no index tag " + tagName + " (the table has no such key field)");
    if (FieldAt(field).type == FieldType::Memo)
        Fail("a memo field cannot be an index key: " + tagName);
    // Callers select the same tag before every lookup; the index already built stays as long as
    // the file has not changed since (RefreshIndex checks that).
    if (field != indexField_ || !Indexed()) {
        indexName_ = sys::UpperCase(tagName);
        indexField_ = field;
        indexStale_ = true;
    }
    RefreshIndex();
}

void Table::RequireIndex() const {
    if (!Indexed())
        Fail("no index is selected for a key search");
}

Table::IndexHold::IndexHold(Table& table) : table_(table) {
    if (table_.indexHolds_++ == 0)
        table_.indexCheckedInHold_ = false;
}

Table::IndexHold::~IndexHold() {
    if (--table_.indexHolds_ == 0)
        table_.indexCheckedInHold_ = false;
}

void Table::RefreshIndex() {
    if (!indexStale_ && (indexCheckedInHold_ || index_.BuiltFrom() == file_.Stamp())) {
        indexCheckedInHold_ = indexHolds_ > 0;
        return;
    }
    // A build that fails half-way (the file cut short underneath) leaves no index to trust.
    indexStale_ = true;
    index_.Build(file_, FieldAt(indexField_));
    indexStale_ = false;
    indexCheckedInHold_ = indexHolds_ > 0;
    std::size_t position = index_.PositionOf(recNo_);
    position_ = position < index_.Size() ? position : 0;
}

void Table::SetEmpty() {
    recNo_ = 0;
    position_ = 0;
    eof_ = bof_ = true;
}

void Table::MoveTo(std::uint32_t recNo) {
    file_.ReadRecordPart(recNo, 0, row_, file_.Header().recordLength);
    recNo_ = recNo;
}

void Table::Refresh() {
    RequireOpen();
    CheckBrowseMode();
    if (Indexed())
        RefreshIndex();
    if (recNo_ == 0)
        return;
    if (recNo_ > file_.RecordCount())
        Fail(sys::Format("the current row (record %u) no longer exists", recNo_));
    MoveTo(recNo_);
}

void Table::LandAt(std::size_t position) {
    if (index_.Size() == 0)
        return SetEmpty();
    position_ = std::min(position, index_.Size() - 1);
    MoveTo(index_.RecNoAt(position_));
    eof_ = bof_ = false;
}

void Table::First() {
    RequireOpen();
    CheckBrowseMode();
    if (Indexed()) {
        RefreshIndex();
        LandAt(0);
    } else {
        std::uint32_t r = NaturalNext(0, 1);
        if (r == 0)
            return SetEmpty();
        LandOnScratch(r);
    }
    bof_ = true;
    eof_ = recNo_ == 0;
}

void Table::Last() {
    RequireOpen();
    CheckBrowseMode();
    if (Indexed()) {
        RefreshIndex();
        LandAt(index_.Size());
    } else {
        std::uint32_t r = NaturalNext(UINT32_MAX, -1);
        if (r == 0)
            return SetEmpty();
        LandOnScratch(r);
    }
    eof_ = true;
    bof_ = recNo_ == 0;
}

void Table::NextSlow() {
    RequireOpen();
    if (state_ != TableState::Browse)
        CheckBrowseMode();
    if (recNo_ == 0)
        return First();
    if (Indexed()) {
        RefreshIndex();
        if (position_ + 1 >= index_.Size()) {
            eof_ = true;
            return;
        }
        LandAt(position_ + 1);
    } else {
        NaturalStep();
    }
}

void Table::Prior() {
    RequireOpen();
    CheckBrowseMode();
    if (recNo_ == 0)
        return First();
    if (Indexed()) {
        RefreshIndex();
        if (position_ == 0 || index_.Size() == 0) {
            bof_ = true;
            return;
        }
        LandAt(position_ - 1);
    } else {
        std::uint32_t r = NaturalNext(recNo_, -1);
        if (r == 0) {
            bof_ = true;
            return;
        }
        LandOnScratch(r);
        eof_ = bof_ = false;
    }
}

int Table::MoveBy(int n) {
    int moved = 0;
    while (n > 0 && !(Next(), eof_)) {
        --n;
        ++moved;
    }
    while (n < 0 && !(Prior(), bof_)) {
        ++n;
        --moved;
    }
    return moved;
}

bool Table::IsEmpty() {
    RequireOpen();
    return NaturalNext(0, 1) == 0;
}

bool Table::GoToRecord(std::uint32_t recNo) {
    RequireOpen();
    CheckBrowseMode();
    if (recNo < 1 || recNo > file_.RecordCount() || file_.Deleted(recNo))
        return false;
    MoveTo(recNo);
    if (Indexed()) {
        RefreshIndex();
        position_ = std::min(index_.PositionOf(recNo), index_.Size() == 0 ? 0 : index_.Size() - 1);
    }
    eof_ = bof_ = false;
    return true;
}

std::string Table::PaddedKey(const std::string& key) const {
    std::string bytes = sys::Utf8ToCp1252(key);
    bytes.resize(std::size_t(FieldAt(indexField_).width), ' ');
    return bytes;
}

void Table::FindNearest(const std::string& key) {
    RequireOpen();
    CheckBrowseMode();
    RequireIndex();
    RefreshIndex();
    if (!index_.Numeric())
        return LandAt(index_.LowerBound(PaddedKey(key)));
    double value = 0;
    if (!sys::ParseDouble(key, value))
        Fail("the key '" + key + "' is not a number");
    LandAt(index_.LowerBound(value));
}

void Table::FindNearest(double key) {
    RequireOpen();
    CheckBrowseMode();
    RequireIndex();
    RefreshIndex();
    if (!index_.Numeric())
        return FindNearest(sys::Format("%.15g", key));
    LandAt(index_.LowerBound(key));
}

bool Table::FindPrefix(const std::string& prefix) {
    RequireOpen();
    CheckBrowseMode();
    RequireIndex();
    RefreshIndex();
    if (index_.Numeric()) {
        double value = 0;
        if (!sys::ParseDouble(prefix, value))
            Fail("the key '" + prefix + "' is not a number");
        LandAt(index_.LowerBound(value));
        return recNo_ != 0 && AsFloat(indexField_) == value;
    }
    std::string bytes = sys::Utf8ToCp1252(prefix);
    std::size_t width = std::size_t(FieldAt(indexField_).width);
    std::string bound = bytes.substr(0, std::min(bytes.size(), width));
    bound.resize(width, '\0');  // every key that starts with the prefix sorts at or after this
    std::size_t position = index_.LowerBound(bound);
    bool found = bytes.size() <= width && position < index_.Size() &&
                 index_.KeyAt(position).substr(0, bytes.size()) == bytes;
    LandAt(position);
    return found;
}

}  // namespace tables
