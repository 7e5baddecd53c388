// Compiles readable template sources into WordPerfect 5.1 document bytes.
#include "tools/wpdtemplate/template_source.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "documents/merge/marker_codes.h"
#include "documents/merge/wpd_text.h"

namespace {

constexpr int kMaxIncludeDepth = 8;

struct SourceLine {
    std::string text;
    std::string where;  // "file:line"
};

[[noreturn]] void Fail(const std::string& where, const std::string& message) {
    throw TemplateSourceError(where + ": " + message);
}

std::vector<SourceLine> ReadSource(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw TemplateSourceError(path + ": cannot be read");
    std::vector<SourceLine> lines;
    std::string text;
    int number = 0;
    while (std::getline(in, text)) {
        ++number;
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        lines.push_back({text, path + ":" + std::to_string(number)});
    }
    return lines;
}

std::string FolderOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

int ParseInt(const std::string& text, const std::string& where) {
    char* end = nullptr;
    long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < -100000 || value > 100000)
        Fail(where, "\"" + text + "\" is not a whole number");
    return static_cast<int>(value);
}

// The value of "name=<n>" among the words of a directive; "name=+<k>" counts from the base.
int Setting(const std::vector<std::string>& words, const std::string& name, int base,
            const std::string& where) {
    for (const std::string& word : words) {
        if (word.rfind(name + "=", 0) != 0)
            continue;
        std::string value = word.substr(name.size() + 1);
        if (!value.empty() && value[0] == '+')
            return base + ParseInt(value.substr(1), where);
        return ParseInt(value, where);
    }
    Fail(where, "missing " + name + "=");
}

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

std::string PlaceholderCode(const std::string& inner, int base, const std::string& where) {
    int n = inner[0] == '+' ? base + ParseInt(inner.substr(1), where) : ParseInt(inner, where);
    std::string code = MarkerCode(n);
    if (code.empty())
        Fail(where, "placeholder " + std::to_string(n) + " is outside 1..208");
    return code;
}

// One text line as body bytes, ended by a hard return.
std::string TextLine(const std::string& text, int base, const std::string& where) {
    static const std::string kBoldOn = {'\xC3', '\x0C', '\xC3'};
    static const std::string kBoldOff = {'\xC4', '\x0C', '\xC4'};
    std::string out;
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '{') {
            size_t close = text.find('}', i);
            if (close == std::string::npos || close == i + 1)
                Fail(where, "unclosed or empty placeholder");
            out += PlaceholderCode(text.substr(i + 1, close - i - 1), base, where);
            i = close + 1;
        } else if (text.compare(i, 3, "<b>") == 0) {
            out += kBoldOn;
            i += 3;
        } else if (text.compare(i, 4, "</b>") == 0) {
            out += kBoldOff;
            i += 4;
        } else {
            size_t next = text.find_first_of("{<", i + 1);
            size_t end = next == std::string::npos ? text.size() : next;
            out += EncodeWpdText(text.substr(i, end - i));
            i = end;
        }
    }
    return out + WpdHardReturn;
}

class Compiler {
  public:
    std::string Body(const std::string& path, int base, int depth) {
        if (depth > kMaxIncludeDepth)
            throw TemplateSourceError(path + ": includes nested too deeply");
        std::vector<SourceLine> lines = ReadSource(path);
        std::string out;
        size_t i = 0;
        Block(lines, i, path, base, depth, false, out);
        return out;
    }

  private:
    // Compiles lines from i up to the matching @end (inBlock) or the end of the file.
    void Block(const std::vector<SourceLine>& lines, size_t& i, const std::string& path, int base,
               int depth, bool inBlock, std::string& out) {
        while (i < lines.size()) {
            const SourceLine& line = lines[i++];
            if (!line.text.empty() && line.text[0] == '#')
                continue;
            if (line.text.empty() || line.text[0] != '@') {
                out += TextLine(line.text, base, line.where);
                continue;
            }
            std::vector<std::string> words = Words(line.text);
            if (words[0] == "@end") {
                if (!inBlock)
                    Fail(line.where, "@end without @for");
                return;
            }
            if (words[0] == "@page") {
                out += WpdHardPage;
            } else if (words[0] == "@include") {
                if (words.size() < 2)
                    Fail(line.where, "@include names no file");
                int includeBase = Setting(words, "base", base, line.where);
                out += Body(FolderOf(path) + words[1], includeBase, depth + 1);
            } else if (words[0] == "@for") {
                Repeat(lines, i, path, words, line.where, base, depth, out);
            } else {
                Fail(line.where, "unknown directive " + words[0]);
            }
        }
        if (inBlock)
            Fail(path, "@for without @end");
    }

    void Repeat(const std::vector<SourceLine>& lines, size_t& i, const std::string& path,
                const std::vector<std::string>& words, const std::string& where, int base,
                int depth, std::string& out) {
        int first = Setting(words, "base", base, where);
        int step = Setting(words, "step", 0, where);
        int count = Setting(words, "count", 0, where);
        if (count < 1 || count > 1000)
            Fail(where, "count must be 1..1000");
        size_t blockStart = i;
        for (int k = 0; k < count; ++k) {
            i = blockStart;
            Block(lines, i, path, first + k * step, depth, true, out);
        }
    }
};

}  // namespace

std::string CompileTemplateBody(const std::string& sourcePath) {
    return Compiler().Body(sourcePath, 0, 0);
}

std::string CompileTemplate(const std::string& sourcePath) {
    return WpdFilePrefix() + CompileTemplateBody(sourcePath);
}
