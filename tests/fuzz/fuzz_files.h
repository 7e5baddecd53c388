// Helpers for fuzz targets whose reader takes files: a scratch folder of the process's own (in
// memory where the system has one), and writing an input's bytes into it.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace fuzz {

// One folder per process, made at first use and removed at exit.
inline const std::string& ScratchFolder() {
    static const std::string folder = [] {
        std::filesystem::path base = std::filesystem::is_directory("/dev/shm")
                                         ? std::filesystem::path("/dev/shm")
                                         : std::filesystem::temp_directory_path();
        std::string pattern = (base / "ombrix_fuzz_XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        static const std::string made = pattern;
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(made, ignored);
        });
        return pattern;
    }();
    return folder;
}

// Writes the bytes as the named file in the scratch folder; returns its path.
inline std::string WriteInput(const std::string& name, std::string_view bytes) {
    std::string path = ScratchFolder() + "/" + name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

inline void RemoveInput(const std::string& name) {
    std::error_code ignored;
    std::filesystem::remove(ScratchFolder() + "/" + name, ignored);
}

// The bytes before the first mark and those after it (none when there is no mark), for inputs
// that are two files.
inline std::pair<std::string_view, std::string_view> SplitAt(std::string_view input,
                                                             std::string_view mark, bool& found) {
    auto at = input.find(mark);
    found = at != std::string_view::npos;
    if (!found)
        return {input, {}};
    return {input.substr(0, at), input.substr(at + mark.size())};
}

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

}  // namespace fuzz
