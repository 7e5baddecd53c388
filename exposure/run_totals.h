// The totals of one results run that the special evaluation reads, and the inputs the run could
// not divide by.
#pragma once

#include <string>
#include <vector>

struct RunTotals {
    // The calculations add to the totals only while this is set: from the start of a full run
    // until its special evaluation; a release recalculated later from a result page adds nothing.
    bool RunTotalsOpen = false;
    double RunWaterReleaseTotal = 0;     // water releases after treatment, kg/yr
    double RunAllMediaReleaseTotal = 0;  // water, landfill, fugitive and stack after treatment
    double RunMaxDwAdr = 0;
    double RunMaxGwLadd = 0;
    double RunMaxInhAdr = 0;
    double RunMaxFishAdr = 0;

    // Inputs that were 0 or less where a calculation divides by them, each named once, in the
    // order met; the results that needed them hold NotApplicable.
    std::vector<std::string> UnusableInputs;

    // Zeroes the totals, forgets the unusable inputs and opens the totals.
    void OpenRunTotals();
    // Adds to a total, and raises a maximum, only while the totals are open.
    void AddToTotal(double& total, double amount) const;
    void RaiseMaximum(double& maximum, double value) const;
    // True when the divisor can be divided by; otherwise the input is noted (once) and false.
    bool UsableDivisor(double divisor, const std::string& input);
};

// The one message of a run about its unusable inputs; empty when there were none.
std::string UnusableInputsMessage(const std::vector<std::string>& inputs);
