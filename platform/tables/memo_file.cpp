// The .dbt memo file beside a table: reading a memo by block and appending new memo blocks.
#include "platform/tables/memo_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/sys/paths.h"
#include "platform/sys/text.h"
#include "platform/tables/error.h"
#include "platform/tables/file_io.h"
#include "platform/tables/format.h"

namespace tables {
namespace {

constexpr std::uint32_t kBlock = 512;
constexpr std::uint32_t kDbase4BlockHeader = 8;
// A memo field holds the block number in ten digits; readers take it as a signed 32-bit number.
constexpr std::uint64_t kLastBlock = 0x7FFFFFFF;

}  // namespace

std::string MemoPathOf(const std::string& tablePath) {
    std::string base = tablePath;
    auto slash = base.rfind('/');
    auto dot = base.rfind('.');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash))
        base.resize(dot);
    return sys::NativePath(base + ".dbt");
}

std::string MemoFile::HeaderBlock(const std::string& nativePath, bool dbase4) {
    std::string header(kBlock, '\0');
    auto* p = reinterpret_cast<unsigned char*>(header.data());
    WriteU32(p, 1);
    if (dbase4) {
        std::string base = sys::FileNamePart(nativePath);
        auto dot = base.rfind('.');
        if (dot != std::string::npos)
            base.resize(dot);
        std::memcpy(p + 8, base.data(), std::min<std::size_t>(base.size(), 8));
        WriteU16(p + 20, static_cast<std::uint16_t>(kBlock));
    }
    return header;
}

MemoFile::~MemoFile() {
    Close();
}

std::string MemoFile::EncodeBlocks(const std::string& bytes, bool dbase4) {
    std::string data;
    if (dbase4) {
        data.resize(kDbase4BlockHeader);
        auto* p = reinterpret_cast<unsigned char*>(data.data());
        p[0] = 0xFF;
        p[1] = 0xFF;
        p[2] = 0x08;
        p[3] = 0x00;
        WriteU32(p + 4, static_cast<std::uint32_t>(bytes.size() + kDbase4BlockHeader));
        data += bytes;
        data += '\x1F';  // readers that take the length as the text's own stop here
    } else {
        data = bytes;
        data += "\x1A\x1A";
    }
    data.resize((data.size() + kBlock - 1) / kBlock * kBlock, '\0');
    return data;
}

void MemoFile::Open(const std::string& nativePath, bool writable, bool dbase4) {
    Close();
    path_ = nativePath;
    dbase4_ = dbase4;
    fd_ = ::open(nativePath.c_str(), (writable ? O_RDWR : O_RDONLY) | O_CLOEXEC);
    if (fd_ < 0)
        Fail("cannot open the memo file: " + ErrnoText());
    unsigned char header[22] = {};
    if (!ReadAt(fd_, header, sizeof header, 0))
        Fail("the memo file header is cut short");
    blockSize_ = kBlock;
    if (dbase4_) {
        std::uint32_t size = ReadU16(header + 20);
        if (size >= 64 && size % 64 == 0)
            blockSize_ = size;
    }
    if (HeaderNextBlock() == 0)
        Fail("the memo file header is damaged (next free block 0)");
}

void MemoFile::Close() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

void MemoFile::Fail(const std::string& cause) const {
    throw TableError(path_, "", cause);
}

std::uint32_t MemoFile::HeaderNextBlock() const {
    unsigned char p[4] = {};
    if (!ReadAt(fd_, p, 4, 0))
        Fail("the memo file header is cut short");
    return ReadU32(p);
}

// This engine never reuses a block, so every block up to the end of the file may be in use: the
// next free one is the end of the file, rounded up to a whole block. The header's own value is
// not trusted for this; other programs leave blanks or far-off numbers there, and following them
// would write the memo terabytes into the file or over the memos already there.
std::uint32_t MemoFile::NextFreeBlock() const {
    struct stat st {};
    if (::fstat(fd_, &st) != 0)
        Fail("cannot examine the memo file: " + ErrnoText());
    std::uint64_t size = static_cast<std::uint64_t>(st.st_size);
    std::uint64_t end = std::max<std::uint64_t>((size + blockSize_ - 1) / blockSize_, 1);
    if (end > kLastBlock)
        Fail("the memo file is full");
    return static_cast<std::uint32_t>(end);
}

std::string MemoFile::Read(std::uint32_t block) const {
    struct stat st {};
    if (::fstat(fd_, &st) != 0)
        Fail("cannot examine the memo file: " + ErrnoText());
    std::uint64_t start = std::uint64_t(block) * blockSize_;
    std::uint64_t length = static_cast<std::uint64_t>(st.st_size);
    if (block == 0 || start >= length)
        Fail(sys::Format("memo block %u lies outside the memo file", block));
    if (dbase4_) {
        unsigned char head[kDbase4BlockHeader];
        if (!ReadAt(fd_, head, sizeof head, start))
            Fail(sys::Format("memo block %u is cut short", block));
        std::uint32_t total = ReadU32(head + 4);
        if (total < kDbase4BlockHeader || start + total > length || total > kLongestMemo)
            Fail(sys::Format("memo block %u has a damaged length", block));
        std::string text(total - kDbase4BlockHeader, '\0');
        if (!ReadAt(fd_, text.data(), text.size(), start + kDbase4BlockHeader))
            Fail(sys::Format("memo block %u is cut short", block));
        auto end = text.find_first_of("\x1A\x1F");
        if (end != std::string::npos)
            text.resize(end);
        return text;
    }
    // dBASE III memos end at the first end-of-file mark.
    std::string text;
    std::string chunk(blockSize_, '\0');
    for (std::uint64_t at = start; at < length; at += blockSize_) {
        std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(blockSize_, length - at));
        if (!ReadAt(fd_, chunk.data(), n, at))
            Fail(sys::Format("memo block %u cannot be read", block));
        auto end = std::string_view(chunk.data(), n).find(kEndOfFile);
        if (end != std::string_view::npos)
            return text.append(chunk.data(), end);
        text.append(chunk.data(), n);
        if (text.size() > kLongestMemo)
            break;
    }
    Fail(sys::Format("the memo at block %u has no end mark", block));
}

std::uint32_t MemoFile::Append(const std::string& bytes) {
    if (bytes.size() > kLongestMemo)
        Fail(sys::Format("a memo of %zu bytes is longer than a memo may be (%llu)", bytes.size(),
                         static_cast<unsigned long long>(kLongestMemo)));
    std::uint32_t block = NextFreeBlock();
    std::string data = EncodeBlocks(bytes, dbase4_);
    data.resize((data.size() + blockSize_ - 1) / blockSize_ * blockSize_, '\0');
    std::uint32_t used = static_cast<std::uint32_t>(data.size() / blockSize_);
    if (block + std::uint64_t(used) > kLastBlock)
        Fail("the memo file is full");
    if (!WriteAt(fd_, data.data(), data.size(), std::uint64_t(block) * blockSize_))
        Fail("cannot write a memo: " + ErrnoText());
    // The blocks are durable before the header points past them, and before any record points
    // at them.
    Flush();
    unsigned char next[4];
    WriteU32(next, block + used);
    if (!WriteAt(fd_, next, 4, 0))
        Fail("cannot write the memo file header: " + ErrnoText());
    return block;
}

void MemoFile::Flush() {
    if (::fdatasync(fd_) != 0)
        Fail("cannot flush the memo file: " + ErrnoText());
}

}  // namespace tables
