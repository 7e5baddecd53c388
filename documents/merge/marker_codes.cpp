// The three-letter placeholder codes: their series, their numbers and the window test.
#include "documents/merge/marker_codes.h"

#include <array>

namespace {

// Case pattern of each family, upper = true: AAA, aaa, Aaa, AAa, aAa, aaA, AaA, aAA.
constexpr std::array<std::array<bool, 3>, 8> kFamilyCase{{{true, true, true},
                                                          {false, false, false},
                                                          {true, false, false},
                                                          {true, true, false},
                                                          {false, true, false},
                                                          {false, false, true},
                                                          {true, false, true},
                                                          {false, true, true}}};

bool IsUpper(unsigned char c) {
    return c >= 'A' && c <= 'Z';
}
bool IsLower(unsigned char c) {
    return c >= 'a' && c <= 'z';
}

}  // namespace

void NextMarkerCode(std::string& code) {
    static const std::array<std::pair<const char*, const char*>, 7> kFamilyEnds{{{"ZZZ", "aaa"},
                                                                                 {"zzz", "Aaa"},
                                                                                 {"Zzz", "AAa"},
                                                                                 {"ZZz", "aAa"},
                                                                                 {"zZz", "aaA"},
                                                                                 {"zzZ", "AaA"},
                                                                                 {"ZzZ", "aAA"}}};
    for (const auto& [end, next] : kFamilyEnds) {
        if (code == end) {
            code = next;
            return;
        }
    }
    for (char& c : code)
        c = static_cast<char>(c + 1);
}

std::string MarkerCode(int n) {
    if (n < 1 || n > LastMarkerNumber)
        return "";
    std::string code = "@@@";
    for (int i = 0; i < n; ++i)
        NextMarkerCode(code);
    return code;
}

int MarkerNumberOf(unsigned char a, unsigned char b, unsigned char c) {
    const unsigned char letters[3] = {a, b, c};
    std::array<bool, 3> upper{};
    int letter = -1;
    for (int i = 0; i < 3; ++i) {
        unsigned char x = letters[i];
        if (!IsUpper(x) && !IsLower(x))
            return 0;
        upper[static_cast<size_t>(i)] = IsUpper(x);
        int k = IsUpper(x) ? x - 'A' : x - 'a';
        if (letter >= 0 && k != letter)
            return 0;
        letter = k;
    }
    for (size_t family = 0; family < kFamilyCase.size(); ++family) {
        if (kFamilyCase[family] == upper)
            return static_cast<int>(family) * 26 + letter + 1;
    }
    return 0;
}

bool MatchesMarker(const int window[3], const std::string& code) {
    if (code.size() != 3)
        return false;
    for (int i = 0; i < 3; ++i) {
        if (window[i] != static_cast<unsigned char>(code[static_cast<size_t>(i)]))
            return false;
    }
    return true;
}
