// The treatment stand-in: reading the parameter lines, the steady-state fate and the report.
#include "outside/treat/model.h"

#include <cmath>
#include <sstream>

#include "platform/sys/text.h"

namespace treat {

namespace {

enum class Range { NonNegative, Positive, Fraction, RunMode };

struct LineSpec {
    int line;  // 1-based
    double Parameters::*member;
    const char* name;
    Range range;
};

const LineSpec kLines[] = {
    {6, &Parameters::FlowMld, "plant flow", Range::Positive},
    {7, &Parameters::InfluentSolids, "influent suspended solids", Range::NonNegative},
    {8, &Parameters::PrimarySettled, "share of solids settled in the primary clarifier",
     Range::Fraction},
    {9, &Parameters::RetentionHours, "hydraulic retention time", Range::Positive},
    {10, &Parameters::MixedLiquorSolids, "mixed liquor suspended solids", Range::NonNegative},
    {11, &Parameters::SolidsRetentionDays, "solids retention time", Range::Positive},
    {12, &Parameters::EffluentSolids, "final effluent suspended solids", Range::NonNegative},
    {13, &Parameters::AirPerWater, "aeration air per volume of wastewater", Range::NonNegative},
    {32, &Parameters::KdPe, "Kd of primary effluent solids", Range::NonNegative},
    {33, &Parameters::KdPr, "Kd of primary clarifier solids", Range::NonNegative},
    {34, &Parameters::HenryUnitless, "unitless Henry's law constant", Range::NonNegative},
    {35, &Parameters::InfluentConc, "influent concentration", Range::NonNegative},
    {36, &Parameters::KdSe, "Kd of final effluent solids", Range::NonNegative},
    {37, &Parameters::KdSr, "Kd of mixed liquor solids", Range::NonNegative},
    {39, &Parameters::MolecularWeight, "molecular weight", Range::NonNegative},
    {40, &Parameters::Density, "density", Range::NonNegative},
    {41, &Parameters::DecayRate, "biodegradation rate", Range::NonNegative},
    {50, &Parameters::AnnualLoad, "annual load", Range::NonNegative},
    {52, &Parameters::RunMode, "run mode", Range::RunMode},
};

// Inputs beyond this are refused: no plant or chemical value comes near it, and it keeps every
// product of the calculation finite.
constexpr double kLargest = 1e30;

// The first word of the line as a number in the C locale.
bool FirstNumber(const std::string& line, double& value) {
    std::istringstream words(line);
    std::string first;
    if (!(words >> first)) {
        return false;
    }
    return sys::ParseDouble(first, value) && std::isfinite(value);
}

bool InRange(double v, Range range) {
    switch (range) {
        case Range::NonNegative:
            return v >= 0 && v <= kLargest;
        case Range::Positive:
            return v > 0 && v <= kLargest;
        case Range::Fraction:
            return v >= 0 && v <= 1;
        case Range::RunMode:
            return v == 1;
    }
    return false;
}

const char* RangeText(Range range) {
    switch (range) {
        case Range::NonNegative:
            return "must be 0 or more (and at most 1e30)";
        case Range::Positive:
            return "must be above 0 (and at most 1e30)";
        case Range::Fraction:
            return "must be between 0 and 1";
        case Range::RunMode:
            return "must be 1 (steady state)";
    }
    return "";
}

std::string Row(const char* label, double kgDay, double percent) {
    return sys::Format("%-35.35s%8.2e   %8.3f", label, kgDay, percent);
}

std::string Value(const char* label, double value) {
    return sys::Format("  %-44.44s%.6g", label, value);
}

}  // namespace

std::optional<Parameters> ReadParameters(const std::vector<std::string>& lines,
                                         std::string& error) {
    Parameters p;
    for (const LineSpec& entry : kLines) {
        if (static_cast<int>(lines.size()) < entry.line) {
            error =
                sys::Format("the parameter file ends before line %d (%s)", entry.line, entry.name);
            return std::nullopt;
        }
        double value = 0;
        if (!FirstNumber(lines[entry.line - 1], value)) {
            error = sys::Format("line %d (%s) holds no number", entry.line, entry.name);
            return std::nullopt;
        }
        if (!InRange(value, entry.range)) {
            error = sys::Format("line %d (%s) %s", entry.line, entry.name, RangeText(entry.range));
            return std::nullopt;
        }
        p.*entry.member = value;
    }
    return p;
}

Fate Compute(const Parameters& p) {
    Fate f;
    const double flow = p.FlowMld * 1000.0;  // m3/day
    f.InfluentKgDay = p.InfluentConc * flow / 1000.0;

    // Primary clarifier: the chemical is split between water and the influent solids by Kd; the
    // settled share of the solids carries its sorbed part into the primary sludge.
    const double primaryRatio = p.KdPr * p.InfluentSolids * 1e-6;
    const double primarySorbed = primaryRatio / (1.0 + primaryRatio);
    const double toPrimarySludge = p.PrimarySettled * primarySorbed;
    const double toBasin = 1.0 - toPrimarySludge;
    const double effluentRatio = p.KdPe * (1.0 - p.PrimarySettled) * p.InfluentSolids * 1e-6;
    f.PrimaryEffluentDissolvedShare = 100.0 / (1.0 + effluentRatio);

    // Aeration basin with its clarifier, completely mixed at steady state: every route removes
    // the chemical in proportion to its dissolved concentration C (each term in m3/day).
    f.BasinVolume = flow * p.RetentionHours / 24.0;
    f.WasteSolidsKgDay = p.MixedLiquorSolids / 1000.0 * f.BasinVolume / p.SolidsRetentionDays;
    f.AirFlow = p.AirPerWater * flow;
    const double outDissolved = flow;
    const double outOnSolids = flow * p.EffluentSolids * 1e-6 * p.KdSe;
    const double outWaste = f.WasteSolidsKgDay * p.KdSr * 1e-3;
    const double outAir = f.AirFlow * p.HenryUnitless;
    const double outDecay = p.DecayRate * f.BasinVolume;
    const double total = outDissolved + outOnSolids + outWaste + outAir + outDecay;

    const double share = 100.0 * toBasin / total;  // percent of the influent per m3/day of route
    f.PrimarySludge = 100.0 * toPrimarySludge;
    f.EffluentDissolved = share * outDissolved;
    f.EffluentOnSolids = share * outOnSolids;
    f.WasteSludge = share * outWaste;
    f.Volatilised = share * outAir;
    f.Biodegraded = share * outDecay;
    f.BasinDissolved = p.InfluentConc * toBasin * flow / total;
    return f;
}

std::optional<std::vector<std::string>> Report(const Parameters& p, const Fate& f,
                                               std::string& error) {
    // The mass rates share an eight-character column: refuse what would not fit it.
    if (!(f.InfluentKgDay < 1e99)) {
        error = "the influent mass rate is too large to report";
        return std::nullopt;
    }
    std::vector<std::string> out = {
        "Activated-sludge treatment model: results",
        "",
        "Inputs",
        Value("plant flow, ML/day", p.FlowMld),
        Value("influent suspended solids, mg/L", p.InfluentSolids),
        Value("solids settled in the primary clarifier", p.PrimarySettled),
        Value("aeration hydraulic retention time, h", p.RetentionHours),
        Value("mixed liquor suspended solids, mg/L", p.MixedLiquorSolids),
        Value("solids retention time, days", p.SolidsRetentionDays),
        Value("final effluent suspended solids, mg/L", p.EffluentSolids),
        Value("aeration air per volume of water, m3/m3", p.AirPerWater),
        Value("Kd primary effluent solids, L/kg", p.KdPe),
        Value("Kd primary clarifier solids, L/kg", p.KdPr),
        Value("Kd final effluent solids, L/kg", p.KdSe),
        Value("Kd mixed liquor solids, L/kg", p.KdSr),
        Value("Henry's law constant, unitless", p.HenryUnitless),
        Value("influent concentration, mg/L", p.InfluentConc),
        Value("molecular weight, g/mole", p.MolecularWeight),
        Value("density, g/cm3", p.Density),
        Value("biodegradation rate, 1/day", p.DecayRate),
        Value("annual load, kg/year", p.AnnualLoad),
        "",
        "Plant",
        Value("aeration basin volume, m3", f.BasinVolume),
        Value("waste activated sludge, kg solids/day", f.WasteSolidsKgDay),
        Value("aeration air flow, m3/day", f.AirFlow),
        Value("dissolved in aeration basin, mg/L", f.BasinDissolved),
        Value("dissolved share in primary effluent, %", f.PrimaryEffluentDissolvedShare),
        "",
        "Annual amounts at the annual load, kg/year",
        Value("to sludge", p.AnnualLoad * f.Sludge() * 0.01),
        Value("biodegraded", p.AnnualLoad * f.Biodegraded * 0.01),
        Value("volatilised", p.AnnualLoad * f.Volatilised * 0.01),
        Value("in final effluent", p.AnnualLoad * f.Effluent() * 0.01),
        "",
        "",
        "",
        "Fate of the chemical entering the plant",
        sys::Format("%-35s%8s   %8s", "", "kg/day", "%"),
        Row("Influent", f.InfluentKgDay, 100.0),
        Row("To sludge, total", f.KgDay(f.Sludge()), f.Sludge()),
        Row("  primary sludge", f.KgDay(f.PrimarySludge), f.PrimarySludge),
        Row("  waste activated sludge", f.KgDay(f.WasteSludge), f.WasteSludge),
        Row("Biodegraded", f.KgDay(f.Biodegraded), f.Biodegraded),
        Row("Volatilised to air", f.KgDay(f.Volatilised), f.Volatilised),
        Row("Final effluent, on solids", f.KgDay(f.EffluentOnSolids), f.EffluentOnSolids),
        Row("Final effluent, total", f.KgDay(f.Effluent()), f.Effluent()),
        sys::Format("%-35s%8s   %8.3f", "Removal in treatment", "", 100.0 - f.Effluent()),
        "",
    };
    return out;
}

}  // namespace treat
