// Text forms of numbers: result values for the result pages, numbers in edit fields.
#include "consumer/model/result_format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "platform/sys/text.h"

namespace consumer {
namespace {

// Nine significant digits and the exponent e with |value| = 0.d0d1d2... x 10^e (zero: e = 1).
void NineDigits(double value, std::string& digits, int& e) {
    std::string text = sys::Format("%.8e", std::fabs(value));  // d.dddddddde+XX
    digits = text.substr(0, 1) + text.substr(2, 8);
    e = std::atoi(text.c_str() + 11) + 1;
}

std::string ExponentForm(bool negative, const std::string& digits, int e) {
    int shown = std::abs(e - 1);
    std::string exponent = sys::Format("%02d", shown);
    std::string out = negative ? "-" : "";
    out += digits.substr(0, 1) + "." + digits.substr(1, 4) + "e" + (e > 0 ? "+" : "-") + exponent;
    return out;
}

std::string StripTrailingZeros(std::string text) {
    while (!text.empty() && text.back() == '0')
        text.pop_back();
    return text;
}

}  // namespace

double NearestWhole(double x) {
    double f = std::fmod(x, 1.0);
    return f >= 0.5 ? std::ceil(x) : std::floor(x);
}

std::string TrimBlanks(const std::string& text) {
    size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return "";
    size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string FormatResultValue(double value) {
    if (value == -9)
        return "";
    if (value >= 0.01 && value <= 10000)
        value = NearestWhole(value * 1000) * 0.001;
    std::string digits;
    int e = 0;
    NineDigits(value, digits, e);
    if (value > 10000 || (value < 0.01 && value != 0)) {
        return ExponentForm(value < 0, digits, e);
    }
    if (e > 0) {
        return digits.substr(0, static_cast<size_t>(e)) + "." +
               StripTrailingZeros(digits.substr(static_cast<size_t>(e), 4));
    }
    std::string decimals = std::string(static_cast<size_t>(-e), '0') + digits;
    return "0." + StripTrailingZeros(decimals.substr(0, 4));
}

std::string EditNumberText(double value) {
    return sys::Format("%.4g", value);
}

double EditNumberValue(const std::string& text) {
    size_t pos = text.find_first_not_of(" \t\r\n\f\v");
    if (pos == std::string::npos)
        return 0;
    const char* begin = text.data() + pos;
    const char* end = text.data() + text.size();
    if (*begin == '+')
        ++begin;
    double value = 0;
    auto [next, error] = std::from_chars(begin, end, value);
    return error == std::errc() ? value : 0;
}

}  // namespace consumer
