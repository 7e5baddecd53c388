// An index held in memory: the table's live records in the order of one key field.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/tables/dbf_file.h"

namespace tables {

class KeyIndex {
  public:
    // Orders the records (deleted ones left out) by the key field: text keys byte by byte as
    // stored (blank-padded), numbers by value with a blank as 0. Equal keys keep record order.
    void Build(DbfFile& file, const FieldDef& key);
    void Clear();
    // Follows a record this process has just written (deleted or not) without rebuilding; the
    // index is then taken as built from the file's state `stamp`.
    void Place(std::uint32_t recNo, std::string_view rawKey, bool deleted,
               const ChangeStamp& stamp);

    bool Numeric() const { return numeric_; }
    std::size_t Size() const { return order_.size(); }
    std::uint32_t RecNoAt(std::size_t position) const { return order_[position]; }
    // Position of a record, or Size() when the index does not hold it.
    std::size_t PositionOf(std::uint32_t recNo) const;
    // First position whose key is at or after the sought key.
    std::size_t LowerBound(std::string_view paddedKey) const;
    std::size_t LowerBound(double key) const;
    // The stored key at a position (text keys only).
    std::string_view KeyAt(std::size_t position) const;
    const ChangeStamp& BuiltFrom() const { return stamp_; }
    // How many times the index was built from the file (rebuilds are the costly part).
    std::size_t Builds() const { return builds_; }

  private:
    double NumberOf(std::string_view rawKey) const;
    // Where a record with this key goes: after every smaller key and after equal keys of lower
    // record numbers.
    std::size_t InsertionPoint(std::uint32_t recNo, std::string_view rawKey) const;
    bool SameKey(std::size_t position, std::string_view rawKey) const;
    void Erase(std::size_t position);
    void Insert(std::size_t position, std::uint32_t recNo, std::string_view rawKey);
    void Renumber(std::size_t from, std::size_t to);

    bool numeric_ = false;
    std::size_t width_ = 0;
    std::vector<std::uint32_t> order_;
    std::string textKeys_;                // text keys in index order, width_ bytes each
    std::vector<double> numbers_;         // numeric keys in index order
    std::vector<std::size_t> positions_;  // by record number - 1; SIZE_MAX when not held
    ChangeStamp stamp_;
    std::size_t builds_ = 0;
};

}  // namespace tables
