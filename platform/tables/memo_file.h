// The .dbt memo file beside a table: reading a memo by block and appending new memo blocks.
#pragma once

#include <cstdint>
#include <string>

namespace tables {

// Memos longer than this are neither written nor read into memory.
constexpr std::uint64_t kLongestMemo = 64u * 1024u * 1024u;

// The memo file beside a table: the table's path with ".dbt" in place of its extension.
std::string MemoPathOf(const std::string& tablePath);

class MemoFile {
  public:
    MemoFile() = default;
    ~MemoFile();
    MemoFile(const MemoFile&) = delete;
    MemoFile& operator=(const MemoFile&) = delete;

    // The header block of an empty memo file, and a memo's bytes laid out as whole blocks.
    static std::string HeaderBlock(const std::string& nativePath, bool dbase4);
    static std::string EncodeBlocks(const std::string& bytes, bool dbase4);

    // Throws TableError when the file is missing or its header is not a memo header.
    void Open(const std::string& nativePath, bool writable, bool dbase4);
    void Close();
    bool IsOpen() const { return fd_ >= 0; }
    const std::string& Path() const { return path_; }

    // The memo's bytes (Windows-1252), read from the file now. Throws on a block outside the file.
    std::string Read(std::uint32_t block) const;
    // Writes the bytes as new blocks at the end of the file, then moves the header's next-free
    // pointer past them; returns the first block. The caller holds the table's write lock.
    std::uint32_t Append(const std::string& bytes);
    // Makes the written blocks durable.
    void Flush();

  private:
    std::uint32_t HeaderNextBlock() const;
    std::uint32_t NextFreeBlock() const;
    [[noreturn]] void Fail(const std::string& cause) const;

    int fd_ = -1;
    std::string path_;
    bool dbase4_ = false;
    std::uint32_t blockSize_ = 512;
};

}  // namespace tables
