// wordtemplate: makes a Word-format (RTF) template with a table of a given number of rows from
// its readable source. A source line that begins with "@ROW@" is one table row: it is written
// once for each row number from 1 up, with every "@N@" in it replaced by the number; every other
// line is copied as it stands.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

constexpr const char* kRowMark = "@ROW@";
constexpr const char* kNumberMark = "@N@";

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// The template; empty when the source has no row line (a source of this kind must have one).
std::string Expand(std::istream& source, int rows) {
    std::ostringstream out;
    bool rowSeen = false;
    const std::string mark = kRowMark;
    for (std::string line; std::getline(source, line);) {
        if (line.compare(0, mark.size(), mark) != 0) {
            out << line << '\n';
            continue;
        }
        rowSeen = true;
        const std::string row = line.substr(mark.size());
        for (int n = 1; n <= rows; ++n)
            out << ReplaceAll(row, kNumberMark, std::to_string(n)) << '\n';
    }
    return rowSeen ? out.str() : std::string();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: wordtemplate <source> <rows> <template.doc>\n";
        return 2;
    }
    const int rows = std::atoi(argv[2]);
    std::ifstream source(argv[1], std::ios::binary);
    if (!source || rows < 1) {
        std::cerr << "wordtemplate: " << argv[1] << " cannot be read, or " << argv[2]
                  << " is no row count\n";
        return 1;
    }
    const std::string text = Expand(source, rows);
    if (text.empty()) {
        std::cerr << "wordtemplate: " << argv[1] << " has no line starting with " << kRowMark
                  << "\n";
        return 1;
    }
    const std::string temporary = std::string(argv[3]) + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        if (!out.flush()) {
            std::cerr << "wordtemplate: " << argv[3] << " cannot be written\n";
            return 1;
        }
    }
    if (std::rename(temporary.c_str(), argv[3]) != 0) {
        std::cerr << "wordtemplate: " << argv[3] << " cannot be written\n";
        return 1;
    }
    return 0;
}
