// Stand-in for the outside activated-sludge treatment model: reads asparms.db, writes treat.out.
//
// What it computes. A steady-state screening estimate of where a chemical goes in a municipal
// activated-sludge plant, per unit of chemical entering it:
//
//  1. Primary clarifier. The chemical divides between water and the influent suspended solids
//     (SS, mg/L) as sorbed/dissolved = Kd_pr x SS x 1e-6 (Kd in L/kg). The clarifier settles the
//     share p of the solids, which carry their sorbed chemical into the primary sludge:
//         primary sludge = p x r / (1 + r),   r = Kd_pr x SS x 1e-6.
//     The rest flows on to the aeration basin. The dissolved share of the primary effluent,
//     1 / (1 + Kd_pe x (1 - p) x SS x 1e-6), is reported only.
//  2. Aeration basin with its secondary clarifier, completely mixed at steady state. With the
//     plant flow Q (m3/day), basin volume V = Q x HRT / 24, mixed liquor solids X (mg/L), solids
//     retention time SRT (days), effluent solids Xe (mg/L), air flow G = (air per water) x Q and
//     the dissolved concentration C, each route removes the chemical at a rate proportional to C:
//         final effluent, dissolved     Q
//         final effluent, on solids     Q x Xe x 1e-6 x Kd_se
//         waste activated sludge        (X/1000 x V / SRT) kg/day x Kd_sr x 1e-3
//         volatilisation                G x H   (air leaves in equilibrium with the water,
//                                                H the unitless Henry's law constant)
//         biodegradation                k x V   (first order in the dissolved chemical, k in 1/day
//                                                from the half-life class, 16.632/day for 1 hour)
//     so C = (mass entering the basin) / (sum of the routes) and each route takes its term's
//     part of that mass.
//  3. The influent mass rate is the influent concentration (mg/L) x Q / 1000 in kg/day; the
//     annual load is divided among the routes in the same shares. Molecular weight and density
//     are echoed: this screening calculation does not need them.
//
// Files, in the working folder. asparms.db holds one value per line, first on the line (any
// number form strtod reads; text after it is a description): plant design on lines 6 to 13;
// Kd of primary effluent, primary clarifier, unitless Henry's constant, influent concentration,
// Kd of final effluent and mixed liquor on lines 32 to 37; molecular weight, density and the
// biodegradation rate on lines 39 to 41; the annual load (kg/year) on line 50; the run mode 1
// (steady state) on line 52. treat.out is a text report; line 41 holds the flux to sludge
// (kg/day) in characters 36 to 43 and the percent to sludge in 47 to 54, and line 47 the percent
// left in the final effluent in characters 47 to 54 (removal = 100 minus that).
//
// A missing or unusable parameter file ends the program with a message on standard error and
// exit status 2, and no treat.out is written. treat.out appears only complete (written beside
// and renamed).
#include <cstdio>
#include <string>
#include <vector>

#include "outside/treat/model.h"
#include "platform/sys/text.h"

int main() {
    sys::UseCNumericLocale();
    std::vector<std::string> lines;
    if (!sys::ReadTextLines("asparms.db", lines)) {
        std::fprintf(stderr, "treat: cannot read asparms.db in the working folder\n");
        return 2;
    }
    std::string error;
    const auto parameters = treat::ReadParameters(lines, error);
    if (!parameters) {
        std::fprintf(stderr, "treat: asparms.db: %s\n", error.c_str());
        return 2;
    }
    const treat::Fate fate = treat::Compute(*parameters);
    const auto report = treat::Report(*parameters, fate, error);
    if (!report) {
        std::fprintf(stderr, "treat: %s\n", error.c_str());
        return 2;
    }
    if (!sys::WriteTextLines("treat.out", *report)) {
        std::fprintf(stderr, "treat: cannot write treat.out in the working folder\n");
        return 2;
    }
    return 0;
}
