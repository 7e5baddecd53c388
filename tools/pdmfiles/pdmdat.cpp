// Turns a one-column table source (pdmconc.csv, pdm4954.csv ...) into the older down-the-drain
// run's binary table: one little-endian single-precision value per row, in row order.
//
//   pdmdat <source.csv> <target.dat>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: pdmdat <source.csv> <target.dat>\n");
        return 2;
    }
    std::ifstream source(argv[1]);
    if (!source) {
        std::fprintf(stderr, "pdmdat: cannot read %s\n", argv[1]);
        return 1;
    }
    std::string line;
    std::getline(source, line);  // the column name
    std::string bytes;
    while (std::getline(source, line)) {
        if (line.empty() || line == "\r")
            continue;
        char* end = nullptr;
        const float value = std::strtof(line.c_str(), &end);
        if (end == line.c_str()) {
            std::fprintf(stderr, "pdmdat: %s: not a number: %s\n", argv[1], line.c_str());
            return 1;
        }
        std::uint32_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<char>((bits >> (8 * i)) & 0xff));
    }
    std::ofstream target(argv[2], std::ios::binary | std::ios::trunc);
    target.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    target.close();
    if (!target) {
        std::fprintf(stderr, "pdmdat: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
