// Facility and reach lookups: the facility row, its reach flows, the derived flows and their
// floors.
#pragma once

#include <string>

#include "scenario/scenario_record.h"

// Index of the facility table that the facility lookups seek on: "NPDES", "NAME", "REACH" or
// "SIC". "NPDES" from start-up; the facility search sets the others for its own lookups.
extern std::string FacilityIndexName;

// Run flags of the dilution model that the lookups read.
extern unsigned char PdmSicRunActive;   // a dilution run per industry category is under way
extern unsigned char PdmSicSubmitting;  // such a run is being submitted from the results form
extern unsigned char DisposalActive;    // the down-the-drain form is open

// The harmonic-mean, 30Q5 and 1Q10 flows of a reach from its mean and 7Q10 flows (MLD) by the
// fixed power laws; a flow of 0 gives 0.
double HarmonicMeanFlow(double meanFlow, double lowFlow);
double Flow30Q5From(double lowFlow);
double Flow1Q10From(double lowFlow);
// Sets the three derived flows of the record from its MEAN_FLOW and LOW_FLOW.
void DeriveReachFlows(reach_record& reach);

// The number at the start of the text, by the C library's atof rules (leading blanks skipped,
// reading stops at the first character that cannot continue the number; no number gives 0).
double TextToFloat(const std::string& text);

// The reach flows of ReachRec (mean, 7Q10, harmonic mean, 30Q5, 1Q10) into the record.
void CopyReachFlows(pmn_record& record);

// Whether any flow source flag of CurrentPmn marks a flow the user changed ("*").
bool AnyFlowFlagged();

// Whether the facility in DirectRec and the reach in ReachRec have usable flows.
bool FacilityHasFlows();

// Loads ReachRec from the reach row nearest to the key (the key is not compared) and derives its
// flows; an empty key reads the current row.
void LoadReachFlows(const std::string& reachKey);

// Loads the facility nearest to the key on the index named by indexName, with its reach flows,
// into DirectRec, ReachRec and CurrentPmn. On the "NPDES" index a non-empty key that is not in
// the table gives " ": the fields of CurrentPmn the lookup sets then hold a fresh record's
// values (flagged flows stay), while DirectRec and ReachRec hold the nearest facility; otherwise
// the result is "D".
char LoadFacility(const std::string& key, const std::string& indexName);

// The lighter lookup of the dilution run per industry category; always "D".
char LoadFacilityForSic(const std::string& key, const std::string& indexName);

// Looks up the facility of CurrentPmn.NPDES on the NPDES index (FacilityIndexName is set to
// "NPDES") and, when its reach has mean and low flows above 0, copies them into EstFlowRec: 1.
// A reach key argument shorter than 11 characters gives 0 whatever was found.
int LoadEstimatedFlows(const std::string& reachKey);
