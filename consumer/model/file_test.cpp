// Whether a file can be opened for reading.
#include "consumer/model/file_test.h"

#include <cstdio>

#include "platform/sys/files.h"

namespace consumer {

bool FileExists(const std::string& path) {
    if (sys::FolderExists(path))
        return false;
    std::FILE* file = sys::OpenFile(path, "r");
    if (!file)
        return false;
    std::fclose(file);
    return true;
}

}  // namespace consumer
