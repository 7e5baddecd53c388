// Reading a CSV file (RFC 4180: quoted cells may hold commas, quotes and line breaks).
#include "tools/dbfmake/csv_reader.h"

#include <stdexcept>

namespace dbfmake {
namespace {

class CsvParser {
  public:
    explicit CsvParser(const std::string& text) : text_(text) {
        if (text_.compare(0, 3, "\xEF\xBB\xBF") == 0)
            pos_ = 3;
    }

    std::vector<CsvRow> Rows() {
        std::vector<CsvRow> rows;
        while (pos_ < text_.size()) {
            CsvRow row;
            row.line = line_;
            ReadRow(row.cells);
            bool blank = row.cells.size() == 1 && row.cells[0].empty() && !lastQuoted_;
            if (!blank)
                rows.push_back(std::move(row));
        }
        return rows;
    }

  private:
    [[noreturn]] void Fail(const std::string& cause) const {
        throw std::runtime_error("line " + std::to_string(line_) + ": " + cause);
    }

    bool AtRowEnd() const {
        return pos_ >= text_.size() || text_[pos_] == '\n' ||
               (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n');
    }

    void SkipRowEnd() {
        if (pos_ < text_.size() && text_[pos_] == '\r')
            ++pos_;
        if (pos_ < text_.size() && text_[pos_] == '\n')
            ++pos_;
        ++line_;
    }

    void ReadRow(std::vector<std::string>& cells) {
        for (;;) {
            cells.push_back(ReadCell());
            if (AtRowEnd()) {
                SkipRowEnd();
                return;
            }
            ++pos_;  // the comma
        }
    }

    std::string ReadCell() {
        lastQuoted_ = pos_ < text_.size() && text_[pos_] == '"';
        if (lastQuoted_)
            return ReadQuoted();
        std::string cell;
        while (!AtRowEnd() && text_[pos_] != ',')
            cell += text_[pos_++];
        return cell;
    }

    std::string ReadQuoted() {
        int startLine = line_;
        ++pos_;
        std::string cell;
        for (;;) {
            if (pos_ >= text_.size()) {
                line_ = startLine;
                Fail("a quoted cell is never closed");
            }
            char c = text_[pos_++];
            if (c == '\n')
                ++line_;
            if (c != '"') {
                cell += c;
                continue;
            }
            if (pos_ < text_.size() && text_[pos_] == '"') {
                cell += '"';
                ++pos_;
                continue;
            }
            if (!AtRowEnd() && text_[pos_] != ',')
                Fail("text follows a closing quote");
            return cell;
        }
    }

    const std::string& text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    bool lastQuoted_ = false;
};

}  // namespace

std::vector<CsvRow> ParseCsv(const std::string& text) {
    return CsvParser(text).Rows();
}

}  // namespace dbfmake
