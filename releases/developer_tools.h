// One-off table tools for developers, reached by no user: the industry-category flow statistics
// brought in from "sicvals", foundation heights and coordinates worked out in "GEORECS".
#pragma once

#include <string>

#include "platform/tables/table.h"

// Copies the flow statistics of "sicvals" (two rows per category, in category order: the 50th
// and then the 10th percentile set, fields N1..N4 = low, harmonic mean, 1Q10, 30Q5) into row n
// of the category flow-statistics table for category n, with the category's description in SIC.
// Returns the number of categories written.
int ImportSicFlowStatistics(tables::Table& sicvals, tables::Table& categoryFlows);

// A foundation height read from its description ("SLAB", "3 FT 6 IN", "36").
struct FoundationHeight {
    double feet = -1;  // -1 when no height was found
    double inches = 0;
    bool HasHeight() const { return feet >= 0; }
    double HeightFeet() const { return feet + inches * (1.0 / 12.0); }
};
FoundationHeight ParseFoundationHeight(const std::string& description);

// Writes Z_FT, Z_IN and, where a height was found, Z_HT into every row of "GEORECS" from its
// GEOCODEZ. Returns the rows written.
int FillFoundationHeights(tables::Table& georecs);

// A coordinate (degrees) read from its description; -1 when it holds none. The flags note
// seconds ("Y" read, "X" out of range) and minutes likewise, "." otherwise.
double ReadCoordinate(const std::string& description, bool longitude, std::string& secondsFlag,
                      std::string& minutesFlag);

// Degrees written as packed degrees, minutes and seconds (30.2715 is 30 deg 27 min 15 s): the
// value in degrees. A value without fraction, or with minutes or seconds above 60, stays.
double PackedDegrees(double value);

// The checked position of one claim.
struct CheckedPosition {
    double latitude = -1;
    double longitude = -1;
    double distance = -1;  // miles from the reference position; -1 without one
    std::string latFlag = ".", longFlag = ".", secFlag = ".", minFlag = ".";
    std::string distFlag = ".", switchFlag = ".";
};
// Reads GEOCODEX (longitude) and GEOCODEY (latitude), swaps them when both fall outside the
// region, and measures the distance to the reference position (reference values of 0 or less
// mean none).
CheckedPosition CheckPosition(const std::string& geocodeX, const std::string& geocodeY,
                              double referenceLongitude, double referenceLatitude);

// Writes the checked position of every row of "GEORECS", with the reference positions of "GPS"
// (its current index holds the claim number). Returns the rows written.
int CheckGeoCoordinates(tables::Table& georecs, tables::Table& gps);
