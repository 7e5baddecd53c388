// An open .dbf file: its header, record copies out of a shared mapping, record writes,
// appends, locks between processes and the change stamp that tells an index to rebuild.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "platform/tables/format.h"
#include "platform/tables/mapped_copy.h"
#include "platform/tables/memo_file.h"

namespace tables {

// Identifies one state of the file's contents: any write by any process changes it.
struct ChangeStamp {
    std::int64_t seconds = 0;
    std::int64_t nanoseconds = 0;
    std::int64_t size = 0;
    bool operator==(const ChangeStamp&) const = default;
};

class DbfFile {
  public:
    DbfFile() = default;
    ~DbfFile();
    DbfFile(const DbfFile&) = delete;
    DbfFile& operator=(const DbfFile&) = delete;

    // Opens the table (and its memo file when it has memo fields). Exclusive refuses other
    // openers and is refused while others have it open. A file without write permission opens
    // read-only. Throws TableError.
    void Open(const std::string& path, bool exclusive);
    void Close();
    bool IsOpen() const { return fd_ >= 0; }
    bool ReadOnly() const { return readOnly_; }
    bool Exclusive() const { return exclusive_; }
    const std::string& NativePath() const { return path_; }
    const DbfHeader& Header() const { return header_; }
    MemoFile* Memo() { return memo_.IsOpen() ? &memo_ : nullptr; }

    // The number of records the header counts now.
    std::uint32_t RecordCount() {
        if (map_ == nullptr)
            Fail("the table is not open");
        unsigned char count[4];
        CopyOut(4, count, sizeof count);
        std::uint32_t n = ReadU32(count);
        EnsureMapped(header_.headerLength + std::uint64_t(n) * header_.recordLength);
        return n;
    }
    // Copies the record's bytes as they are in the file now (deletion flag first) into out.
    // recNo runs from 1 to RecordCount().
    void ReadRecord(std::uint32_t recNo, std::string& out) {
        out.resize(header_.recordLength);
        CopyOut(RecordStart(recNo), out.data(), out.size());
    }
    // Copies n bytes of the record from `offset` (0 is the deletion flag) into out.
    void ReadRecordPart(std::uint32_t recNo, std::size_t offset, char* out, std::size_t n) {
        CopyOut(RecordStart(recNo) + offset, out, n);
    }
    // Steps from record `from` by `step` (1 or -1) to the first record that is not deleted,
    // within the count the header gives now, and copies it into out (room for a record). Returns
    // its number, or 0 when there is none. One pass over the mapping, for walks through the
    // whole table.
    inline std::uint32_t ReadLive(std::uint32_t from, int step, char* out);
    bool Deleted(std::uint32_t recNo) {
        char flag = 0;
        ReadRecordPart(recNo, 0, &flag, 1);
        return flag == '*';
    }

    // Rewrites one record in a single write and flushes it.
    void WriteRecord(std::uint32_t recNo, const std::string& bytes);
    // Appends a record under the table's write lock: the record (with the end mark after it)
    // first, flushed, then the header count. Returns the new record's number.
    std::uint32_t AppendRecord(const std::string& bytes);
    // Drops every record. The file is cut short only when opened exclusively; when shared, other
    // processes may be reading it, so only the count goes to zero.
    void Empty();

    ChangeStamp Stamp() const;

    // Record locks between processes, for the time a record is being edited.
    bool TryLockRecord(std::uint32_t recNo);
    void UnlockRecord(std::uint32_t recNo);

    // Holds the table's write lock (appends, memo blocks, header) while it lives.
    class WriteLock {
      public:
        explicit WriteLock(DbfFile& file);
        ~WriteLock();
        WriteLock(const WriteLock&) = delete;
        WriteLock& operator=(const WriteLock&) = delete;

      private:
        DbfFile& file_;
    };

    [[noreturn]] void Fail(const std::string& cause) const;

  private:
    void Map();
    void Unmap();
    // The mapping covers the file as it was when mapped; a file grown since is mapped again.
    void EnsureMapped(std::uint64_t end) {
        if (end > mapped_)
            Remap(end);
    }
    std::uint64_t RecordStart(std::uint32_t recNo) const {
        return header_.headerLength + std::uint64_t(recNo - 1) * header_.recordLength;
    }
    // Copies bytes out of the mapping; another program having cut the file short since it was
    // mapped is an error, not a crash.
    void CopyOut(std::uint64_t at, void* out, std::size_t n) {
        EnsureMapped(at + n);
        if (!CopyFromMapping(out, map_ + at, n))
            ChangedElsewhere();
    }
    [[noreturn]] void ChangedElsewhere() const;
    // One step of ReadLive, reading the mapping only (run under the bus-error guard): the record
    // found (0 when none), or the end the mapping must reach first (0 when it does).
    struct Walk {
        std::uint32_t found;
        std::uint64_t needed;
    };
    Walk WalkMapping(std::uint32_t from, int step, char* out) const {
        std::uint32_t count = ReadU32(reinterpret_cast<const unsigned char*>(map_) + 4);
        std::uint64_t end = header_.headerLength + std::uint64_t(count) * header_.recordLength;
        if (end > mapped_)
            return {0, end};  // the file grew: map it again first
        std::int64_t r = step > 0 ? std::int64_t(from) + 1
                                  : std::min<std::int64_t>(from, std::int64_t(count) + 1) - 1;
        if (r < 1 || r > count)
            return {0, 0};
        std::ptrdiff_t stride = step * std::ptrdiff_t(header_.recordLength);
        for (const char* record = map_ + RecordStart(std::uint32_t(r));; record += stride) {
            if (record[0] != '*') {
                CopyRecord(out, record, header_.recordLength);
                return {std::uint32_t(r), 0};
            }
            r += step;
            if (r < 1 || r > count)
                return {0, 0};
        }
    }
    // After a guarded read found pages gone: maps the file again over the mapping (the read put
    // zeros there) and raises the error.
    [[noreturn]] void LostPages();
    // Maps the file again over the mapping after a guarded read put zeros where pages were gone.
    void RestoreMapping();
    void Remap(std::uint64_t end);
    void RequireWritable() const;
    void FlushData();
    void MarkChanged(const ChangeStamp& before);
    void WriteHeaderCount(std::uint32_t count);
    void OpenMemo();
    void ReadHeader();

    int fd_ = -1;
    bool readOnly_ = false;
    bool exclusive_ = false;
    std::string path_;
    DbfHeader header_;
    const char* map_ = nullptr;
    std::uint64_t mapped_ = 0;
    int lockDepth_ = 0;
    MemoFile memo_;
};

// A walk through the whole table comes here for every row: its common way is written here, so
// it costs no call.
inline std::uint32_t DbfFile::ReadLive(std::uint32_t from, int step, char* out) {
    if (map_ == nullptr)
        Fail("the table is not open");
    for (;;) {
        // The guard costs nothing until a page is gone, so it is taken for every row.
        MappingRead guard(map_, mapped_);
        Walk walk = WalkMapping(from, step, out);
        if (guard.End())
            LostPages();
        if (walk.needed == 0)
            return walk.found;
        EnsureMapped(walk.needed);
    }
}

}  // namespace tables
