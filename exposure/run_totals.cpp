// The run totals of a results run and the notes on inputs that could not be divided by.
#include "exposure/run_totals.h"

#include <algorithm>
#include <cmath>

void RunTotals::OpenRunTotals() {
    RunWaterReleaseTotal = 0;
    RunAllMediaReleaseTotal = 0;
    RunMaxDwAdr = 0;
    RunMaxGwLadd = 0;
    RunMaxInhAdr = 0;
    RunMaxFishAdr = 0;
    UnusableInputs.clear();
    RunTotalsOpen = true;
}

void RunTotals::AddToTotal(double& total, double amount) const {
    if (RunTotalsOpen)
        total += amount;
}

void RunTotals::RaiseMaximum(double& maximum, double value) const {
    // Only a greater value raises it: a dose that is not a number leaves the maximum alone.
    if (RunTotalsOpen && value > maximum)
        maximum = value;
}

bool RunTotals::UsableDivisor(double divisor, const std::string& input) {
    if (divisor > 0.0 && std::isfinite(divisor))
        return true;
    if (std::find(UnusableInputs.begin(), UnusableInputs.end(), input) == UnusableInputs.end())
        UnusableInputs.push_back(input);
    return false;
}

std::string UnusableInputsMessage(const std::vector<std::string>& inputs) {
    if (inputs.empty())
        return "";
    std::string text =
        "These inputs are 0 or less, so the results that divide by them could not be computed "
        "and show N/A:";
    for (const std::string& input : inputs)
        text += "\n" + input;
    return text;
}
