// Field groups and single values shared by the WordPerfect-format part writers: the exposure
// factors of one route, the fish-ingestion doses, a species row, and the facility texts.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "documents/report_values.h"
#include "documents/wpd_report_state.h"
#include "scenario/scenario_record.h"

// The five doses of one route, in the order LADD, LADC, ADD, ADC, ADR (the inhalation and
// landfill parts pass their own five).
using FiveDoses = std::array<double, 5>;

// The literal of a value that has no meaning in the scenario.
inline constexpr const char* NotApplicableField = "         NA";

// Placeholder n of the exposure-factor group of 48 places from base, or nothing when n is not
// one of its places. The intake rates are INHALE for an inhalation route, else DRINKCHRON
// (lifetime and chronic) and DRINK (acute).
std::optional<std::string> ExposureFactorField(const pmn_record& r, int n, int base,
                                               const FiveDoses& d, bool inhalation);
// Placeholder n of the fish-ingestion group of 36 places from base.
std::optional<std::string> FishFactorField(const pmn_record& r, int n, int base,
                                           const FiveDoses& d);
// Placeholder n of one species row: cells 0..5 of the row at base..base+5.
std::optional<std::string> SpeciesRowField(int n, int base, int row, const SpeciesRows& rows);

// Placeholders 1-3 of most parts: CaseNum, ScenNum, RELEASE.
std::optional<std::string> ReleaseHeadField(const pmn_record& r, int n);
// Placeholders 1-11 of the river-site, lake and dilution site parts: the release, the facility,
// its reach and discharge, and the facility source.
std::optional<std::string> FacilityField(const pmn_record& r, int n);
