// An index held in memory: the table's live records in the order of one key field.
#include "platform/tables/key_index.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <numeric>

#include "platform/tables/field_codec.h"

namespace tables {
namespace {

constexpr std::size_t kNotHeld = std::numeric_limits<std::size_t>::max();

}  // namespace

void KeyIndex::Clear() {
    order_.clear();
    textKeys_.clear();
    numbers_.clear();
    positions_.clear();
    stamp_ = {};
}

void KeyIndex::Build(DbfFile& file, const FieldDef& key) {
    Clear();
    ++builds_;
    stamp_ = file.Stamp();
    numeric_ = key.type == FieldType::Numeric || key.type == FieldType::Float;
    width_ = static_cast<std::size_t>(key.width);
    std::uint32_t count = file.RecordCount();
    std::vector<std::uint32_t> records;
    std::string keys;
    std::vector<double> values;
    records.reserve(count);
    std::string raw(width_, ' ');
    for (std::uint32_t recNo = 1; recNo <= count; ++recNo) {
        if (file.Deleted(recNo))
            continue;
        records.push_back(recNo);
        file.ReadRecordPart(recNo, std::size_t(key.offset), raw.data(), width_);
        if (numeric_) {
            double value = 0;
            if (!DecodeNumber(raw, value))
                value = 0;  // a damaged number sorts as blank
            values.push_back(value);
        } else {
            keys.append(raw);
        }
    }
    std::vector<std::uint32_t> slots(records.size());
    std::iota(slots.begin(), slots.end(), 0u);
    if (numeric_) {
        std::stable_sort(slots.begin(), slots.end(),
                         [&](std::uint32_t a, std::uint32_t b) { return values[a] < values[b]; });
    } else {
        const char* k = keys.data();
        std::size_t w = width_;
        std::stable_sort(slots.begin(), slots.end(), [k, w](std::uint32_t a, std::uint32_t b) {
            return std::memcmp(k + a * w, k + b * w, w) < 0;
        });
    }
    order_.resize(slots.size());
    positions_.assign(count, kNotHeld);
    if (numeric_)
        numbers_.resize(slots.size());
    if (!numeric_)
        textKeys_.resize(slots.size() * width_);
    for (std::size_t i = 0; i < slots.size(); ++i) {
        std::uint32_t slot = slots[i];
        order_[i] = records[slot];
        positions_[records[slot] - 1] = i;
        if (numeric_) {
            numbers_[i] = values[slot];
        } else {
            std::memcpy(textKeys_.data() + i * width_, keys.data() + slot * width_, width_);
        }
    }
}

double KeyIndex::NumberOf(std::string_view rawKey) const {
    double value = 0;
    return DecodeNumber(rawKey, value) ? value : 0;  // a damaged number sorts as blank
}

bool KeyIndex::SameKey(std::size_t position, std::string_view rawKey) const {
    if (numeric_)
        return numbers_[position] == NumberOf(rawKey);
    return KeyAt(position) == rawKey;
}

std::size_t KeyIndex::InsertionPoint(std::uint32_t recNo, std::string_view rawKey) const {
    double value = numeric_ ? NumberOf(rawKey) : 0;
    auto before = [&](std::size_t i) {
        int order = 0;
        if (numeric_)
            order = numbers_[i] < value ? -1 : numbers_[i] > value ? 1 : 0;
        else
            order = std::memcmp(textKeys_.data() + i * width_, rawKey.data(), width_);
        return order < 0 || (order == 0 && order_[i] < recNo);
    };
    std::size_t low = 0;
    std::size_t high = Size();
    while (low < high) {
        std::size_t mid = low + (high - low) / 2;
        if (before(mid))
            low = mid + 1;
        else
            high = mid;
    }
    return low;
}

void KeyIndex::Erase(std::size_t position) {
    positions_[order_[position] - 1] = kNotHeld;
    order_.erase(order_.begin() + std::ptrdiff_t(position));
    if (numeric_)
        numbers_.erase(numbers_.begin() + std::ptrdiff_t(position));
    else
        textKeys_.erase(position * width_, width_);
}

void KeyIndex::Insert(std::size_t position, std::uint32_t recNo, std::string_view rawKey) {
    order_.insert(order_.begin() + std::ptrdiff_t(position), recNo);
    if (numeric_)
        numbers_.insert(numbers_.begin() + std::ptrdiff_t(position), NumberOf(rawKey));
    else
        textKeys_.insert(position * width_, rawKey.data(), width_);
}

void KeyIndex::Renumber(std::size_t from, std::size_t to) {
    for (std::size_t i = from; i < to && i < order_.size(); ++i)
        positions_[order_[i] - 1] = i;
}

void KeyIndex::Place(std::uint32_t recNo, std::string_view rawKey, bool deleted,
                     const ChangeStamp& stamp) {
    stamp_ = stamp;
    if (recNo > positions_.size())
        positions_.resize(recNo, kNotHeld);
    std::size_t old = PositionOf(recNo);
    bool held = old < Size();
    if (held && !deleted && SameKey(old, rawKey))
        return;
    std::size_t first = held ? old : Size();
    std::size_t last = Size();
    if (held)
        Erase(old);
    if (!deleted) {
        std::size_t at = InsertionPoint(recNo, rawKey);
        Insert(at, recNo, rawKey);
        first = std::min(first, at);
        last = held ? std::max(old, at) + 1 : Size();
    }
    Renumber(first, last);
}

std::size_t KeyIndex::PositionOf(std::uint32_t recNo) const {
    if (recNo < 1 || recNo > positions_.size())
        return Size();
    std::size_t position = positions_[recNo - 1];
    return position == kNotHeld ? Size() : position;
}

std::string_view KeyIndex::KeyAt(std::size_t position) const {
    return std::string_view(textKeys_).substr(position * width_, width_);
}

std::size_t KeyIndex::LowerBound(std::string_view paddedKey) const {
    std::size_t low = 0;
    std::size_t high = Size();
    while (low < high) {
        std::size_t mid = low + (high - low) / 2;
        if (std::memcmp(textKeys_.data() + mid * width_, paddedKey.data(), width_) < 0) {
            low = mid + 1;
        } else {
            high = mid;
        }
    }
    return low;
}

std::size_t KeyIndex::LowerBound(double key) const {
    return static_cast<std::size_t>(std::lower_bound(numbers_.begin(), numbers_.end(), key) -
                                    numbers_.begin());
}

}  // namespace tables
