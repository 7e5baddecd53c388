// An open .dbf file: its header, record copies out of a shared mapping, record writes,
// appends, locks between processes and the change stamp that tells an index to rebuild.
#include "platform/tables/dbf_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>

#include "platform/sys/paths.h"
#include "platform/sys/text.h"
#include "platform/tables/error.h"
#include "platform/tables/file_io.h"

namespace tables {
namespace {

// Lock bytes lie far beyond any table's data, so they never cover real records.
constexpr off_t kLockBase = off_t(1) << 40;
constexpr off_t kOpenLockByte = kLockBase - 1;
constexpr off_t kWriteLockByte = kLockBase;
// A header's length is a 16-bit number.
constexpr std::uint64_t kLongestHeader = 0xFFFF;

bool SetLock(int fd, short type, off_t at, bool wait) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = at;
    lock.l_len = 1;
    int command = wait ? F_OFD_SETLKW : F_OFD_SETLK;
    while (::fcntl(fd, command, &lock) != 0) {
        if (errno != EINTR)
            return false;
    }
    return true;
}

}  // namespace

DbfFile::~DbfFile() {
    Close();
}

void DbfFile::Fail(const std::string& cause) const {
    throw TableError(path_, "", cause);
}

void DbfFile::Open(const std::string& path, bool exclusive) {
    Close();
    path_ = sys::NativePath(path);
    fd_ = ::open(path_.c_str(), O_RDWR | O_CLOEXEC);
    readOnly_ = false;
    if (fd_ < 0 && (errno == EACCES || errno == EROFS || errno == EPERM)) {
        fd_ = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
        readOnly_ = true;
    }
    if (fd_ < 0)
        Fail("cannot open the table: " + ErrnoText());
    try {
        struct stat st {};
        if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode))
            Fail("not a table file");
        exclusive_ = exclusive;
        if (exclusive && readOnly_)
            Fail("a read-only file cannot be opened for exclusive use");
        if (!SetLock(fd_, exclusive ? F_WRLCK : F_RDLCK, kOpenLockByte, false)) {
            if (errno != EAGAIN && errno != EACCES)
                Fail("cannot lock the table: " + ErrnoText());
            Fail(exclusive ? "the table is open elsewhere and cannot be opened for exclusive use"
                           : "the table is open for exclusive use elsewhere");
        }
        Map();
        ReadHeader();
        if (header_.HasMemo())
            OpenMemo();
    } catch (...) {
        Close();
        throw;
    }
}

void DbfFile::ReadHeader() {
    // Another process may append while this one opens: it writes the record before it raises the
    // count. The header is therefore copied first and the file's length taken after, so the
    // length always covers the count the copy holds.
    std::string head(static_cast<std::size_t>(std::min<std::uint64_t>(mapped_, kLongestHeader)),
                     '\0');
    if (!CopyFromMapping(head.data(), map_, head.size()))
        ChangedElsewhere();
    struct stat st {};
    if (::fstat(fd_, &st) != 0)
        Fail("cannot examine the table: " + ErrnoText());
    std::string badField;
    std::string problem =
        ParseHeader(head, static_cast<std::uint64_t>(st.st_size), header_, &badField);
    if (!problem.empty())
        throw TableError(path_, badField, problem);
    EnsureMapped(header_.headerLength + std::uint64_t(header_.recordCount) * header_.recordLength);
}

void DbfFile::OpenMemo() {
    std::string memoPath = MemoPathOf(path_);
    if (::access(memoPath.c_str(), F_OK) != 0)
        Fail("the table has memo fields but its memo file " + memoPath + " is missing");
    memo_.Open(memoPath, !readOnly_, header_.Dbase4Memo());
}

void DbfFile::Close() {
    memo_.Close();
    Unmap();
    if (fd_ >= 0)
        ::close(fd_);  // also drops every lock of this open file
    fd_ = -1;
    lockDepth_ = 0;
}

void DbfFile::Map() {
    struct stat st {};
    if (::fstat(fd_, &st) != 0)
        Fail("cannot examine the table: " + ErrnoText());
    std::uint64_t size = static_cast<std::uint64_t>(st.st_size);
    if (size == 0)
        Fail("the file is empty");
    void* p = ::mmap(nullptr, size, PROT_READ, MAP_SHARED, fd_, 0);
    if (p == MAP_FAILED)
        Fail("cannot map the table: " + ErrnoText());
    map_ = static_cast<const char*>(p);
    mapped_ = size;
    InstallBusHandler();
}

void DbfFile::Unmap() {
    if (map_ != nullptr)
        ::munmap(const_cast<char*>(map_), mapped_);
    map_ = nullptr;
    mapped_ = 0;
}

void DbfFile::Remap(std::uint64_t end) {
    struct stat st {};
    if (::fstat(fd_, &st) != 0)
        Fail("cannot examine the table: " + ErrnoText());
    if (end > static_cast<std::uint64_t>(st.st_size))
        ChangedElsewhere();
    Unmap();
    Map();
}

void DbfFile::LostPages() {
    RestoreMapping();
    ChangedElsewhere();
}

void DbfFile::RestoreMapping() {
    // The same file pages at the same place: the pages that are gone fault again when read.
    void* p = ::mmap(const_cast<char*>(map_), mapped_, PROT_READ, MAP_SHARED | MAP_FIXED, fd_, 0);
    if (p == MAP_FAILED) {
        Unmap();
        Fail("cannot map the table again: " + ErrnoText());
    }
}

void DbfFile::ChangedElsewhere() const {
    Fail("the table was changed by another program: it is shorter than its header says");
}

void DbfFile::RequireWritable() const {
    if (fd_ < 0)
        Fail("the table is not open");
    if (readOnly_)
        Fail("the table file is read-only");
}

void DbfFile::FlushData() {
    if (::fdatasync(fd_) != 0)
        Fail("cannot flush the table: " + ErrnoText());
}

ChangeStamp DbfFile::Stamp() const {
    struct stat st {};
    if (fd_ < 0 || ::fstat(fd_, &st) != 0)
        return {};
    return {st.st_mtim.tv_sec, st.st_mtim.tv_nsec, st.st_size};
}

void DbfFile::MarkChanged(const ChangeStamp& before) {
    // The file system keeps modification times at a coarse tick; two writes within one tick
    // would look like one. The time is therefore set to a value that is always new. When the
    // owner alone may set it, the write's own time serves.
    struct timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    if (now.tv_sec < before.seconds ||
        (now.tv_sec == before.seconds && now.tv_nsec <= before.nanoseconds)) {
        now.tv_sec = before.seconds;
        now.tv_nsec = before.nanoseconds + 1;
        if (now.tv_nsec >= 1000000000) {
            now.tv_sec += 1;
            now.tv_nsec = 0;
        }
    }
    struct timespec times[2] = {{0, UTIME_OMIT}, now};
    ::futimens(fd_, times);
}

void DbfFile::WriteRecord(std::uint32_t recNo, const std::string& bytes) {
    RequireWritable();
    if (bytes.size() != header_.recordLength)
        Fail("a record of the wrong length was to be written");
    if (recNo < 1 || recNo > RecordCount())
        Fail(sys::Format("record %u does not exist", recNo));
    ChangeStamp before = Stamp();
    std::uint64_t at = header_.headerLength + std::uint64_t(recNo - 1) * header_.recordLength;
    if (!WriteAt(fd_, bytes.data(), bytes.size(), at))
        Fail("cannot write a record: " + ErrnoText());
    FlushData();
    MarkChanged(before);
}

void DbfFile::WriteHeaderCount(std::uint32_t count) {
    unsigned char head[7];
    StampDate(head);
    WriteU32(head + 3, count);
    if (!WriteAt(fd_, head, sizeof head, 1))
        Fail("cannot write the header: " + ErrnoText());
}

std::uint32_t DbfFile::AppendRecord(const std::string& bytes) {
    RequireWritable();
    if (bytes.size() != header_.recordLength)
        Fail("a record of the wrong length was to be written");
    WriteLock lock(*this);
    std::uint32_t count = RecordCount();
    ChangeStamp before = Stamp();
    std::string data = bytes;
    data += kEndOfFile;
    std::uint64_t at = header_.headerLength + std::uint64_t(count) * header_.recordLength;
    if (!WriteAt(fd_, data.data(), data.size(), at))
        Fail("cannot append a record: " + ErrnoText());
    FlushData();
    WriteHeaderCount(count + 1);
    FlushData();
    MarkChanged(before);
    return count + 1;
}

void DbfFile::Empty() {
    RequireWritable();
    WriteLock lock(*this);
    ChangeStamp before = Stamp();
    WriteHeaderCount(0);
    FlushData();
    if (exclusive_) {
        Unmap();
        if (::ftruncate(fd_, static_cast<off_t>(header_.headerLength)) != 0)
            Fail("cannot cut the table short: " + ErrnoText());
    }
    char end = kEndOfFile;
    if (!WriteAt(fd_, &end, 1, header_.headerLength))
        Fail("cannot write the table: " + ErrnoText());
    FlushData();
    if (map_ == nullptr)
        Map();
    MarkChanged(before);
}

bool DbfFile::TryLockRecord(std::uint32_t recNo) {
    if (readOnly_)
        return false;
    return SetLock(fd_, F_WRLCK, kLockBase + recNo, false);
}

void DbfFile::UnlockRecord(std::uint32_t recNo) {
    if (fd_ >= 0 && !readOnly_)
        SetLock(fd_, F_UNLCK, kLockBase + recNo, false);
}

DbfFile::WriteLock::WriteLock(DbfFile& file) : file_(file) {
    if (file_.lockDepth_++ == 0 && !SetLock(file_.fd_, F_WRLCK, kWriteLockByte, true)) {
        file_.lockDepth_ = 0;
        file_.Fail("cannot lock the table for writing: " + ErrnoText());
    }
}

DbfFile::WriteLock::~WriteLock() {
    if (--file_.lockDepth_ == 0 && file_.fd_ >= 0)
        SetLock(file_.fd_, F_UNLCK, kWriteLockByte, false);
}

}  // namespace tables
