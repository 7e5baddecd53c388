// Whether a file can be opened for reading.
#pragma once

#include <string>

namespace consumer {

// True when the path names a file that can be opened for reading; folders count as missing.
bool FileExists(const std::string& path);

}  // namespace consumer
