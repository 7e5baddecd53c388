// Whole reads and writes at a file position, retried over short transfers and interruptions.
#include "platform/tables/file_io.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tables {

namespace {

// Moves all `size` bytes at `offset` with `transfer` (pread or pwrite), going on after a short
// transfer or an interruption; false when the file ends or refuses first.
template <typename Byte, typename Transfer>
bool TransferAt(int fd, Byte* p, std::size_t size, std::uint64_t offset, Transfer transfer) {
    while (size > 0) {
        ssize_t n = transfer(fd, p, size, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        size -= static_cast<std::size_t>(n);
        offset += static_cast<std::uint64_t>(n);
    }
    return true;
}

}  // namespace

bool ReadAt(int fd, void* data, std::size_t size, std::uint64_t offset) {
    return TransferAt(fd, static_cast<char*>(data), size, offset,
                      [](int f, char* p, std::size_t n, off_t at) { return ::pread(f, p, n, at); });
}

bool WriteAt(int fd, const void* data, std::size_t size, std::uint64_t offset) {
    return TransferAt(
        fd, static_cast<const char*>(data), size, offset,
        [](int f, const char* p, std::size_t n, off_t at) { return ::pwrite(f, p, n, at); });
}

std::string ErrnoText() {
    return std::strerror(errno);
}

}  // namespace tables
