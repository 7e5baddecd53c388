// Whole reads and writes at a file position, retried over short transfers and interruptions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tables {

bool ReadAt(int fd, void* data, std::size_t size, std::uint64_t offset);
bool WriteAt(int fd, const void* data, std::size_t size, std::uint64_t offset);
// strerror of the current errno.
std::string ErrnoText();

}  // namespace tables
