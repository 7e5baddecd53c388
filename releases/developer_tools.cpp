// One-off table tools for developers, reached by no user: the industry-category flow statistics
// brought in from "sicvals", foundation heights and coordinates worked out in "GEORECS".
#include "releases/developer_tools.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "dilution/industry_categories.h"
#include "platform/sys/text.h"
#include "scenario/table_set.h"

namespace {

double NumberOrZero(tables::Table& table, const char* field) {
    return table.IsNull(field) ? 0.0 : table.AsFloat(field);
}

std::string TextOrEmpty(tables::Table& table, const char* field) {
    return table.IsNull(field) ? std::string() : table.AsString(field);
}

// The number at the start of a text, as atof reads it.
double LeadingNumber(const std::string& text) {
    return std::atof(text.c_str());
}

void ReplaceFirst(std::string& text, const std::string& upper, const std::string& from,
                  const std::string& to) {
    std::string::size_type at = upper.find(from);
    if (at != std::string::npos)
        text.replace(at, from.size(), to + std::string(from.size() - to.size(), ' '));
}

bool IsBareNumber(const std::string& text) {
    if (text.empty() || text.size() > 3)
        return false;
    int points = 0;
    for (char c : text) {
        if (c == '.')
            ++points;
        else if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    }
    return points <= 1;
}

// The run of digits, points and blanks that ends just before position `end`; a point followed by
// a blank ends the run.
std::string RunBefore(const std::string& text, std::string::size_type end) {
    std::string::size_type start = end;
    while (start > 0) {
        char c = text[start - 1];
        bool part = std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == ' ';
        if (!part || (c == '.' && start < text.size() && text[start] == ' '))
            break;
        --start;
    }
    std::string run = sys::Trim(text.substr(start, end - start));
    for (auto [from, to] : {std::pair<const char*, const char*>{"10 10", "10"},
                            {"1 1", "11"},
                            {"2 8", "28"},
                            {"2..5", "2.5"}}) {
        if (run == from)
            run = to;
    }
    return run;
}

}  // namespace

int ImportSicFlowStatistics(tables::Table& sicvals, tables::Table& categoryFlows) {
    int category = 0;
    sicvals.First();
    while (!sicvals.Eof() && category < IndustryCategoryCount) {
        double a[4], b[4];
        const char* fields[] = {"N1", "N2", "N3", "N4"};
        for (int i = 0; i < 4; ++i)
            a[i] = NumberOrZero(sicvals, fields[i]);
        sicvals.Next();
        for (int i = 0; i < 4; ++i)
            b[i] = sicvals.Eof() ? 0.0 : NumberOrZero(sicvals, fields[i]);
        ++category;
        MoveToRow(categoryFlows, category);
        categoryFlows.Edit();
        categoryFlows.SetString("SIC", IndustryCategoryDescription(category));
        categoryFlows.SetFloat("LOW_50", a[0]);
        categoryFlows.SetFloat("HMF_50", a[1]);
        categoryFlows.SetFloat("_Q10_50", a[2]);
        categoryFlows.SetFloat("_0Q5_50", a[3]);
        categoryFlows.SetFloat("LOW_10", b[0]);
        categoryFlows.SetFloat("HMF_10", b[1]);
        categoryFlows.SetFloat("_Q10_10", b[2]);
        categoryFlows.SetFloat("_0Q5_10", b[3]);
        categoryFlows.Post();
        if (!sicvals.Eof())
            sicvals.Next();
    }
    return category;
}

FoundationHeight ParseFoundationHeight(const std::string& description) {
    FoundationHeight height;
    std::string text = description;
    const std::string upperStart = sys::UpperCase(text);
    const std::pair<const char*, double> foundations[] = {{"PIER", 4},  {"SLAB", 0}, {"FRAME", 4},
                                                          {"BLOCK", 2}, {"M.H", 2},  {"NONE", 0}};
    for (auto [word, feet] : foundations) {
        if (upperStart.find(word) != std::string::npos)
            height.feet = feet;
    }
    const std::pair<const char*, bool> units[] = {{"FEET", true}, {"FT", true},      {"FOOT", true},
                                                  {"'", true},    {"INCHES", false}, {"IN", false},
                                                  {"\"", false},  {"''", false}};
    for (auto [word, feet] : units) {
        double& target = feet ? height.feet : height.inches;
        std::string upper = sys::UpperCase(text);
        ReplaceFirst(text, upper, "TWO", "2");
        upper = sys::UpperCase(text);
        ReplaceFirst(text, upper, "SIX", "6");
        upper = sys::UpperCase(text);
        std::string bare = sys::Trim(text);
        if (IsBareNumber(bare)) {
            double value = LeadingNumber(bare);
            (value <= 30 ? height.feet : height.inches) = value;
        }
        std::string::size_type at = upper.find(word);
        if (at == std::string::npos || at == 0)
            continue;
        std::string run = RunBefore(upper, at);
        if (!run.empty())
            target = LeadingNumber(run);
        if (std::string(word) == "'") {
            std::string digits;
            for (std::string::size_type k = at + 1; k < upper.size() && digits.size() < 2; ++k) {
                if (!std::isdigit(static_cast<unsigned char>(upper[k])))
                    break;
                digits += upper[k];
            }
            if (!digits.empty())
                height.inches = LeadingNumber(digits);
        }
    }
    if (height.inches > 0 && height.feet == -1)
        height.feet = 0;
    return height;
}

int FillFoundationHeights(tables::Table& georecs) {
    int rows = 0;
    for (georecs.First(); !georecs.Eof(); georecs.Next()) {
        FoundationHeight height = ParseFoundationHeight(TextOrEmpty(georecs, "GEOCODEZ"));
        georecs.Edit();
        georecs.SetFloat("Z_FT", height.feet);
        georecs.SetFloat("Z_IN", height.inches);
        if (height.HasHeight())
            georecs.SetFloat("Z_HT", height.HeightFeet());
        georecs.Post();
        ++rows;
    }
    return rows;
}

namespace {

const char* const kNoCoordinate[] = {"N/A", "2~9", "W NONE", "UNDETERMINED", "??", "N NONE"};
const char* const kNoLongitude[] = {"SEE NOTES", "06HH", "NONE"};
const char* const kRemoved[] = {"SLAB 3-2-07", "FT",   "1'- 8''", "INCHES",
                                "WEST.",       "WEST", "EAST.",   "EAST"};
const char* const kRemovedFromLongitude[] = {"BLOCKS", "labN"};
const char* const kBlanked[] = {";.", "NNA", "WNA", "NN", "..", "NORTH", "SOUTH", "SLAB"};
// Single characters made blanks after the grave accent and two letters "O" (which become "0"),
// each at its first occurrence, in this order.
const char* const kBlankCharacters[] = {";", "\xC2\xB0\"", "'", "/", "\"", "N", "N", "W",
                                        "(", "W",          "Q", "M", "H",  "J", "Y", "X",
                                        ":", "-",          "-", "I", "G",  "="};

void RemoveFirst(std::string& text, const std::string& word) {
    std::string::size_type at = text.find(word);
    if (at != std::string::npos)
        text.erase(at, word.size());
}

void BlankFirst(std::string& text, const std::string& word) {
    std::string::size_type at = text.find(word);
    if (at != std::string::npos)
        text.replace(at, word.size(), std::string(word.size(), ' '));
}

void ReplaceFirstChar(std::string& text, char from, char to) {
    std::string::size_type at = text.find(from);
    if (at != std::string::npos)
        text[at] = to;
}

// The description cleaned to numbers and blanks; empty when it says there is no coordinate.
std::string CleanCoordinate(const std::string& description, bool longitude) {
    std::string text = sys::UpperCase(description);
    for (const char* none : kNoCoordinate) {
        if (text.find(none) != std::string::npos)
            return "";
    }
    if (longitude) {
        for (const char* none : kNoLongitude) {
            if (text.find(none) != std::string::npos)
                return "";
        }
    }
    for (const char* word : kRemoved)
        RemoveFirst(text, word);
    if (longitude) {
        for (const char* word : kRemovedFromLongitude)
            RemoveFirst(text, word);
    }
    for (const char* word : kBlanked)
        BlankFirst(text, word);
    BlankFirst(text, "`");
    ReplaceFirstChar(text, 'O', '0');
    ReplaceFirstChar(text, 'O', '0');
    for (const char* mark : kBlankCharacters)
        BlankFirst(text, mark);
    ReplaceFirstChar(text, ',', '.');
    return text;
}

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream in(text);
    std::string word;
    while (in >> word)
        words.push_back(word);
    return words;
}

double Distance(double lat, double lon, double refLat, double refLon) {
    if (refLat <= 0 || refLon <= 0)
        return -1;
    double north = (lat - refLat) * 69.1;
    double east = (lon - refLon) * 53.0;
    return std::sqrt(north * north + east * east);
}

std::string RegionFlag(double value, double low, double high) {
    return value < low || value > high ? "X" : ".";
}

void SetRegionFlags(CheckedPosition& p) {
    p.latFlag = RegionFlag(p.latitude, 28.9, 31.0);
    p.longFlag = RegionFlag(p.longitude, 88.7, 94.0);
}

}  // namespace

double ReadCoordinate(const std::string& description, bool longitude, std::string& secondsFlag,
                      std::string& minutesFlag) {
    std::vector<std::string> words = Words(CleanCoordinate(description, longitude));
    if (words.empty())
        return -1;
    double degrees = LeadingNumber(words[0]);
    if (words.size() > 1) {
        double minutes = LeadingNumber(words[1]);
        minutesFlag = minutes >= 60 ? "X" : "Y";
        degrees += minutes / 60.0;
    }
    if (words.size() > 2) {
        double seconds = LeadingNumber(words[2]);
        secondsFlag = seconds >= 60 ? "X" : "Y";
        degrees += seconds / 3600.0;
    }
    return degrees > 0 ? degrees : -1;
}

double PackedDegrees(double value) {
    // Six decimals: two for the minutes, then the seconds with two digits and their fraction.
    const std::string text = sys::Format("%.6f", value);
    const std::string fraction = text.substr(text.find('.') + 1);
    const double minutes = LeadingNumber(fraction.substr(0, 2));
    const double seconds = LeadingNumber(fraction.substr(2, 2) + "." + fraction.substr(4));
    if (minutes > 60 || seconds > 60)
        return value;
    return std::trunc(value) + minutes / 60.0 + seconds / 3600.0;
}

CheckedPosition CheckPosition(const std::string& geocodeX, const std::string& geocodeY,
                              double referenceLongitude, double referenceLatitude) {
    CheckedPosition p;
    p.longitude = ReadCoordinate(geocodeX, true, p.secFlag, p.minFlag);
    p.latitude = ReadCoordinate(geocodeY, false, p.secFlag, p.minFlag);
    SetRegionFlags(p);
    if (p.latFlag == "X" && p.longFlag == "X") {
        std::swap(p.latitude, p.longitude);
        p.switchFlag = "X";
        SetRegionFlags(p);
    }
    if (p.latitude == -1)
        p.latFlag = "Y";
    if (p.longitude == -1)
        p.longFlag = "Y";
    p.distance = Distance(p.latitude, p.longitude, referenceLatitude, referenceLongitude);
    if (p.distance >= 2.0) {
        double lat = PackedDegrees(p.latitude);
        double lon = PackedDegrees(p.longitude);
        double distance = Distance(lat, lon, referenceLatitude, referenceLongitude);
        if (distance < 2.0) {
            p.latitude = lat;
            p.longitude = lon;
            p.distance = distance;
            p.distFlag = "Y";
        } else {
            p.distFlag = "X";
        }
    }
    if (p.latFlag == "Y" && p.longFlag == "Y") {
        p.secFlag = p.minFlag = p.distFlag = p.switchFlag = ".";
        p.distance = 0;
    }
    return p;
}

int CheckGeoCoordinates(tables::Table& georecs, tables::Table& gps) {
    int rows = 0;
    for (georecs.First(); !georecs.Eof(); georecs.Next()) {
        const std::string claim = TextOrEmpty(georecs, "CLAIMNUM");
        double refLon = -1, refLat = -1;
        if (!gps.IsEmpty()) {
            gps.FindNearest(claim);
            if (sys::Trim(gps.AsString(gps.IndexName())) == sys::Trim(claim)) {
                refLon = gps.IsNull("X") ? -1 : gps.AsFloat("X");
                refLat = gps.IsNull("Y") ? -1 : gps.AsFloat("Y");
            }
        }
        CheckedPosition p = CheckPosition(TextOrEmpty(georecs, "GEOCODEX"),
                                          TextOrEmpty(georecs, "GEOCODEY"), refLon, refLat);
        georecs.Edit();
        if (p.latitude > 0)
            georecs.SetFloat("LATITUDE", p.latitude);
        if (p.longitude > 0)
            georecs.SetFloat("LONGITUDE", p.longitude);
        georecs.SetString("LATFLAG", p.latFlag);
        georecs.SetString("LONGFLAG", p.longFlag);
        georecs.SetString("SEC_FLAG", p.secFlag);
        georecs.SetString("MIN_FLAG", p.minFlag);
        georecs.SetString("DISTFLAG", p.distFlag);
        georecs.SetFloat("DISTANCE", p.distance);
        georecs.SetString("SWITCHFLAG", p.switchFlag);
        georecs.Post();
        ++rows;
    }
    return rows;
}
