// The text of report numbers: the two value forms, the significant-digits form of range fields,
// rounding to a whole number, and the file names of report parts.
#pragma once

#include <string>

// Negative and non-finite values give "N/A"; 0 (either sign) gives "0.00"; values from 0.1 below
// 10000 are fixed with 2 decimals; other positive values take the exponent form with three
// significant digits ("1.23E+04", "5.00E-02"). An exact half goes up, as in RoundToWhole: 0.125
// gives "0.13", 12250 "1.23E+04".
std::string ValueToText(double x);
// The same with 0 decimals in the fixed form ("365", "0").
std::string ValueToTextWhole(double x);

// A positive value with a fraction below 0.5 goes down, otherwise up; a negative value goes
// toward zero; 0 stays 0.
double RoundToWhole(double x);

// The text of a report range field: "2.00e+06" above 1e6 or below 1e-5, "12.5" or "3." from 1
// to 1e6, "0.00124" from 1e-5 below 1, empty for 0, "0." for negative values, "N/A" for
// values that are not finite.
std::string FormatSignificant(double x);

// One value or the range "lo-hi", padded with blanks to 12 characters (longer texts are kept
// as they are). A single value when lo equals hi, in mode 1 when hi is 0 (then lo), in mode 2
// when lo is 0; modes 0 and 2 write hi when single.
std::string FormatRangeField(double lo, double hi, int mode);

// The kind of a report part, numbered as the system stores them.
enum ReportPartKind : int {
    EnvironmentalReleasesPart = 0,
    RiverSitePart = 1,
    LakePart = 2,
    IndustryCodePart = 3,
    InhalationPart = 4,
    IncinerationPart = 5,
    LandfillPart = 6,
    DownTheDrainPart = 7,
    DilutionSitePart = 8,
    DilutionIndustryCodePart = 9,
    SpecialEvaluationPart = 10,
    EndangeredSpeciesPart = 11,
};

// The extension of a part kind ("erw" ... "en"); empty for any other number.
std::string ReportPartExtension(int kind);
// A chemical id or release number as a part of a file name: every character a file name cannot
// hold or that would name another folder (a slash, a backslash, ":", "*", "?", a quote, "<", ">",
// "|" or a control character) becomes "_", and a name of dots alone gets "_" in front. An id
// without such characters comes back unchanged.
std::string SafeFileNameComponent(const std::string& text);
// The chemical id directly followed by the release number, ".", and the kind's extension
// ("P-01-01232.stw"), each made safe for a file name; no folder.
std::string ReportFileName(const std::string& caseNum, const std::string& scenNum, int kind);
// The final report of a chemical: its id made safe for a file name, then the extension (".wpd"
// or ".doc"); no folder.
std::string FinalReportFileName(const std::string& caseNum, const std::string& extension);
