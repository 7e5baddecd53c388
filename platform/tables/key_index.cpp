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
    stamp_ = file.Stamp();
    numeric_ = key.type == FieldType::Numeric || key.type == FieldType::Float;
    width_ = static_cast<std::size_t>(key.width);
    std::uint32_t count = file.RecordCount();
    std::vector<std::uint32_t> records;
    std::string keys;
    std::vector<double> values;
    records.reserve(count);
    for (std::uint32_t recNo = 1; recNo <= count; ++recNo) {
        std::string_view record = file.Record(recNo);
        if (record[0] == '*')
            continue;
        records.push_back(recNo);
        std::string_view raw = FieldBytes(record, key);
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
