// Values shown alike by the WordPerfect-format and the Word-format part writers: texts made from
// record fields, the marks of media not assessed, and the rules that choose a template.
#pragma once

#include <string>

#include "documents/wpd_report_state.h"
#include "scenario/scenario_record.h"

// Sentence added to the surface-water comments when species are assessed and none is listed.
inline constexpr const char* NoEndangeredSpeciesSentence =
    "  There are no endangered species associated with this site.";
// Species on one endangered-species part, and the most such parts of one site.
inline constexpr int SpeciesPerPart = 23;
inline constexpr int SpeciesParts = 7;

// Remarks longer than this are cut, in the record, to one character less.
constexpr size_t LongestRemarks = 1995;

// The stream concentration of a flow (ug/L): PostTreat x 1000 / flow; -9 for a flow of 0 or less.
double ConcentrationAtFlow(const pmn_record& r, double flow);
// "Yes", "No " or "Unk" for the facility's reach match.
std::string HitText(char hit);
// "Direct" or "Indirect" discharge.
std::string DischargeText(char dtype);
// "High end/bounding" becomes "Hi-End/Bound" in the record.
void ShortenScenarioType(pmn_record& r);

// Media not assessed print as "N/A" (-1 in the record) or as no days (0): the environmental-
// release writers mark them in the record itself, and cut remarks that are too long.
void MarkMediaNotAssessed(pmn_record& r);
void CutLongRemarks(pmn_record& r);
// The environmental-releases template without its extension: "envrelmn" for the first release
// when a special evaluation (exposure-based or persistence) was asked for, else "envrel".
std::string EnvReleaseTemplate(const pmn_record& r, bool specialEvaluationAsked);

// "NA" where the tested value is 0 or less, else the number.
std::string NumberOrNa(double value, double tested);
// The stability class letter, or "NA" for full meteorology or a class outside A to F.
std::string StabilityClassText(const pmn_record& r);
// A building dimension when downwash is used, else "NA".
std::string BuildingText(const pmn_record& r, double dimension);
// The wind speed when it is used by the met class, else "NA".
std::string WindSpeedText(const pmn_record& r);

// The surface-water comments, with the "no endangered species" sentence added to them when
// species are assessed and the grid lists none.
std::string CommentsWithSpeciesNote(const pmn_record& r, const SpeciesRows& grid);
// Whether the endangered-species part k (0..6) of a grid has a species to show.
bool SpeciesPartUsed(const SpeciesRows& grid, int k);
