// Report number texts and report part names.
#include "documents/merge/report_numbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "platform/sys/text.h"

namespace {

std::string Printed(const char* format, double x) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, x);
    return buffer;
}

bool UsesExponent(double x) {
    return x >= 10000.0 || (x > 0.0 && x < 0.1);
}

std::string ValueText(double x, int fixedDecimals) {
    if (!std::isfinite(x) || x < 0.0)
        return "N/A";
    if (UsesExponent(x))
        return sys::ExponentHalfAway(x, 2);
    return sys::FixedHalfAway(x, fixedDecimals);
}

// Nine significant digits of a positive value and the place of its decimal point: the value is
// 0.d1d2...d9 x 10^point.
struct Digits {
    std::string digits;
    int point = 0;
};

Digits SignificantDigits(double x) {
    std::string text = Printed("%.8e", x);  // d.dddddddde+XX
    Digits d;
    d.digits = text.substr(0, 1) + text.substr(2, 8);
    d.point = std::atoi(text.c_str() + 11) + 1;
    return d;
}

std::string ScientificForm(const Digits& d) {
    int exponent = d.point - 1;
    std::string text = d.digits.substr(0, 1) + "." + d.digits.substr(1, 2) + "e";
    text += exponent < 0 ? "-" : "+";
    int shown = std::abs(exponent) % 100;
    text += static_cast<char>('0' + shown / 10);
    text += static_cast<char>('0' + shown % 10);
    return text;
}

std::string TrimTrailingZeros(std::string text) {
    while (!text.empty() && text.back() == '0')
        text.pop_back();
    return text;
}

// From 1 up: the integer digits, the point and the first two decimals, unrounded.
std::string WholeAndDecimals(const Digits& d) {
    std::string text = d.digits.substr(0, static_cast<size_t>(d.point)) + ".";
    return TrimTrailingZeros(text + d.digits.substr(static_cast<size_t>(d.point), 2));
}

// Below 1: "0.", the zeros before the first significant digit, then digits up to seven
// characters in all, the next digit rounding the last half up.
std::string BelowOne(const Digits& d) {
    std::string text = "0." + std::string(static_cast<size_t>(-d.point), '0');
    size_t keep = text.size() < 7 ? 7 - text.size() : 0;
    text += d.digits.substr(0, keep);
    char next = keep < d.digits.size() ? d.digits[keep] : '0';
    if (next >= '5') {
        size_t i = text.size();
        while (i > 0) {
            --i;
            if (text[i] == '.')
                continue;
            if (text[i] == '9') {
                text[i] = '0';
                continue;
            }
            text[i] = static_cast<char>(text[i] + 1);
            break;
        }
    }
    if (text[0] != '0')  // the carry reached the units: a whole 1
        return "1.";
    return TrimTrailingZeros(text);
}

}  // namespace

std::string ValueToText(double x) {
    return ValueText(x, 2);
}

std::string ValueToTextWhole(double x) {
    return ValueText(x, 0);
}

double RoundToWhole(double x) {
    if (x > 0.0) {
        double whole = std::floor(x);
        return x - whole < 0.5 ? whole : whole + 1.0;
    }
    if (x < 0.0)
        return std::ceil(x);
    return 0.0;
}

std::string FormatSignificant(double x) {
    if (!std::isfinite(x))
        return "N/A";
    if (x < 0.0)
        return "0.";
    if (x == 0.0)
        return "";
    // The form follows the value as given: rounding to 6 decimals can move 1e-5 or 1e6 a hair
    // across the boundary.
    const bool scientific = x > 1e6 || x < 1e-5;
    if (!scientific)
        x = RoundToWhole(x * 1e6 + 1e-6) * 1e-6;
    Digits d = SignificantDigits(x);
    if (scientific)
        return ScientificForm(d);
    if (x >= 1.0)
        return WholeAndDecimals(d);
    return BelowOne(d);
}

std::string FormatRangeField(double lo, double hi, int mode) {
    constexpr size_t kWidth = 11;
    bool single = lo == hi || (mode == 1 && hi == 0.0) || (mode == 2 && lo == 0.0);
    std::string text;
    if (single)
        text = FormatSignificant(mode == 1 ? lo : hi);
    else
        text = FormatSignificant(lo) + "-" + FormatSignificant(hi);
    if (text.size() <= kWidth)
        text.append(kWidth - text.size() + 1, ' ');
    return text;
}

std::string ReportPartExtension(int kind) {
    static const char* const kExtensions[] = {"erw", "stw", "lkw", "siw", "fuw", "inw",
                                              "lnw", "dtd", "psw", "piw", "spe", "en"};
    if (kind < 0 || kind > 11)
        return "";
    return kExtensions[kind];
}

std::string SafeFileNameComponent(const std::string& text) {
    std::string safe;
    for (char c : text) {
        const bool unsafe = static_cast<unsigned char>(c) < 32 || c == 127 ||
                            std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
        safe += unsafe ? '_' : c;
    }
    if (!safe.empty() && safe.find_first_not_of('.') == std::string::npos)
        safe = "_" + safe;
    return safe;
}

std::string ReportFileName(const std::string& caseNum, const std::string& scenNum, int kind) {
    return SafeFileNameComponent(caseNum + scenNum) + "." + ReportPartExtension(kind);
}

std::string FinalReportFileName(const std::string& caseNum, const std::string& extension) {
    return SafeFileNameComponent(caseNum) + extension;
}
