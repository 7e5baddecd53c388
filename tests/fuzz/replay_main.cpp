// Replays a fuzz target's corpus: every file under the folders (or the files) named on the
// command line goes once through LLVMFuzzerTestOneInput. A crash or sanitizer report fails it.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

std::vector<std::filesystem::path> InputsUnder(const std::filesystem::path& place) {
    std::vector<std::filesystem::path> inputs;
    if (std::filesystem::is_regular_file(place))
        inputs.push_back(place);
    if (std::filesystem::is_directory(place)) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(place)) {
            if (entry.is_regular_file())
                inputs.push_back(entry.path());
        }
    }
    return inputs;
}

}  // namespace

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize != nullptr)
        LLVMFuzzerInitialize(&argc, &argv);
    std::vector<std::filesystem::path> inputs;
    for (int i = 1; i < argc; ++i) {
        auto found = InputsUnder(argv[i]);
        inputs.insert(inputs.end(), found.begin(), found.end());
    }
    if (inputs.empty()) {
        std::fprintf(stderr, "no corpus inputs found\n");
        return 1;
    }
    for (const auto& path : inputs) {
        std::ifstream in(path, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::fprintf(stderr, "replaying %s (%zu bytes)\n", path.c_str(), bytes.size());
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::fprintf(stderr, "%zu inputs replayed\n", inputs.size());
    return 0;
}
