// Text case files: the 61 values of a case, one per line, in the case table's field order.
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <optional>

#include "consumer/data/case_fields.h"
#include "consumer/data/case_table.h"
#include "consumer/model/case_state.h"
#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"

namespace consumer {
namespace {

// Reads the values the way the system's formatted reads do: a value read with a format skips
// all white space after it, a whole line takes everything up to its line end.
class CaseFileReader {
  public:
    explicit CaseFileReader(std::string text) : text_(std::move(text)) {}

    bool Word(std::string& value) {
        SkipSpace();
        size_t start = pos_;
        while (pos_ < text_.size() && !std::isspace(static_cast<unsigned char>(text_[pos_]))) {
            ++pos_;
        }
        if (pos_ == start)
            return false;
        value = text_.substr(start, pos_ - start);
        SkipSpace();
        return true;
    }

    bool Line(std::string& value) {
        if (pos_ >= text_.size())
            return false;
        size_t end = text_.find('\n', pos_);
        if (end == std::string::npos)
            end = text_.size();
        value = text_.substr(pos_, end - pos_);
        if (!value.empty() && value.back() == '\r')
            value.pop_back();
        pos_ = end + 1;
        return true;
    }

    template <class T>
    bool Number(T& value) {
        SkipSpace();
        const char* begin = text_.data() + pos_;
        const char* end = text_.data() + text_.size();
        if (begin < end && *begin == '+')
            ++begin;
        T read{};
        auto [next, error] = std::from_chars(begin, end, read);
        if (error != std::errc())
            return false;
        value = read;
        pos_ = static_cast<size_t>(next - text_.data());
        SkipSpace();
        return true;
    }

  private:
    void SkipSpace() {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) {
            ++pos_;
        }
    }

    std::string text_;
    size_t pos_ = 0;
};

// Fields 1, 4 and 7 are single words; the other texts are whole lines.
bool IsWordField(unsigned number) {
    return number == 1 || number == 4 || number == 7;
}

}  // namespace

bool OpenCaseFile(const std::string& path, ExposureInputs& in, ExposureResults& results) {
    std::optional<std::string> text =
        sys::FolderExists(path) ? std::nullopt : sys::ReadWholeFile(path);
    if (!text) {
        forms::ShowMessage("Unable to open file.", "Error", forms::Icon::Error);
        return false;
    }
    // The case brings its own scenario: the pages that need one open without asking for it.
    ScenarioChosen = 1;
    CaseFileReader reader(*text);
    const auto& fields = CaseFields();
    // A value that cannot be read ends the reading; later values keep what they had.
    for (unsigned i = 0; i < fields.size(); ++i) {
        const CaseField& field = fields[i];
        const unsigned number = i + 1;
        bool ok = true;
        switch (field.kind) {
            case CaseField::Kind::Text:
                ok =
                    IsWordField(number) ? reader.Word(in.*field.text) : reader.Line(in.*field.text);
                break;
            case CaseField::Kind::Whole:
                ok = reader.Number(in.*field.whole);
                break;
            case CaseField::Kind::Number:
                ok = reader.Number(in.*field.number);
                break;
            case CaseField::Kind::Result:
                ok = reader.Number(results[field.result]);
                break;
        }
        if (!ok)
            break;
    }
    return true;
}

}  // namespace consumer
