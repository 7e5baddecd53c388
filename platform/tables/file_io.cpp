// Whole reads and writes at a file position, retried over short transfers and interruptions.
#include "platform/tables/file_io.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tables {

bool ReadAt(int fd, void* data, std::size_t size, std::uint64_t offset) {
    auto* p = static_cast<char*>(data);
    while (size > 0) {
        ssize_t n = ::pread(fd, p, size, static_cast<off_t>(offset));
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

bool WriteAt(int fd, const void* data, std::size_t size, std::uint64_t offset) {
    const auto* p = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t n = ::pwrite(fd, p, size, static_cast<off_t>(offset));
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

std::string ErrnoText() {
    return std::strerror(errno);
}

}  // namespace tables
