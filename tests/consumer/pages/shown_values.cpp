// Comparing what a page or a document shows with the records it was made from.
#include "tests/consumer/pages/shown_values.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace consumer_test {

using namespace consumer;

ShownValue ResultValue(double value) {
    return {value, value == kNotApplicable};
}

ShownValue ChronicValue(const ExposureInputs& inputs, double value) {
    return {value, !HasChronicResults(inputs)};
}

std::string Squeezed(const std::string& text) {
    std::string out;
    for (char c : text) {
        bool blank = c == ' ' || c == '\t' || c == '\r';
        if (blank && (out.empty() || out.back() == ' '))
            continue;
        out += blank ? ' ' : c;
    }
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

bool ReadsAsNumber(const std::string& text, double* number) {
    std::string s = Squeezed(text);
    if (s.empty())
        return false;
    char* end = nullptr;
    double value = std::strtod(s.c_str(), &end);
    if (end != s.c_str() + s.size())
        return false;
    if (number)
        *number = value;
    return true;
}

namespace {

std::string Text(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.6g", value);
    return buffer;
}

}  // namespace

std::string CompareShown(const std::string& shown, const ShownValue& expected) {
    std::string s = Squeezed(shown);
    if (expected.notApplicable)
        return s == "N/A" ? "" : "shows \"" + s + "\" where \"N/A\" is expected";
    double number = 0;
    if (!ReadsAsNumber(s, &number))
        return "shows \"" + s + "\" where " + Text(expected.number) + " is expected";
    // The pages show three or four significant digits.
    double tolerance = 5e-3 * std::fabs(expected.number) + 1e-300;
    if (std::fabs(number - expected.number) > tolerance)
        return "shows " + s + " where " + Text(expected.number) + " is computed";
    return "";
}

}  // namespace consumer_test
