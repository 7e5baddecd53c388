// Plain, sites and whole number texts of the result pages.
#include "results/display_formats.h"

#include <cmath>
#include <cstdlib>

#include "platform/sys/text.h"

std::string PlainText(double value) {
    return sys::Format("%.15g", value);
}

std::string SitesText(double value) {
    if (std::fabs(value) < 10000)
        return sys::Format("%.4g", value);
    const std::string text = sys::Format("%.3e", value);  // d.ddde+XX
    const size_t e = text.find('e');
    std::string mantissa = text.substr(0, e);
    while (mantissa.back() == '0')
        mantissa.pop_back();
    if (mantissa.back() == '.')
        mantissa.pop_back();
    return mantissa + "E" + std::to_string(std::atoi(text.c_str() + e + 1));
}

std::string WholeText(double value) {
    return sys::FixedHalfAway(value, 0);
}
