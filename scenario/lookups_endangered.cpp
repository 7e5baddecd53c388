// Endangered species listed for a county, joined with their species and taxonomic group rows.
#include "scenario/lookups_endangered.h"

#include "scenario/scenario_record.h"
#include "scenario/table_set.h"

namespace {

std::string ActionText(const std::string& code) {
    if (code == "L") {
        return "Listing";
    }
    if (code == "P") {
        return "Proposal";
    }
    if (code == "D") {
        return "Delisting";
    }
    return code;
}

}  // namespace

void LoadSpeciesGroup(double groupId) {
    tables::Table& groups = Tables().CritterGrpTable;
    groups.FindNearest(groupId);
    CritterRec.GROUPID_FK = CritterGrpFieldAsFloat("GROUPID");
    CritterRec.GROUP = CritterGrpFieldAsString("GROUP");
}

void LoadSpecies(double speciesId) {
    tables::Table& species = Tables().CritterTable;
    species.FindNearest(speciesId);
    CritterRec.SPECIESID = CritterFieldAsFloat("SPECIESID");
    CritterRec.GROUPID_FK = CritterFieldAsFloat("GROUPID_FK");
    CritterRec.ACTION_DAT = CritterFieldAsString("ACTION_DAT");
    LoadSpeciesGroup(CritterRec.GROUPID_FK);
}

bool LoadCountySpecies(const std::string& countyKey) {
    tables::Table& counties = Tables().CritterTrelTable;
    if (!countyKey.empty()) {
        counties.FindNearest(countyKey);
    }
    CritterRec.FIPS2 = CritterTrelFieldAsString("FIPS2");
    if (!countyKey.empty() && CritterRec.FIPS2 != countyKey) {
        return false;
    }
    CritterRec.INVNAME = CritterTrelFieldAsString("INVNAME");
    CritterRec.STATE = CritterTrelFieldAsString("STATE");
    CritterRec.COUNTY = CritterTrelFieldAsString("COUNTY");
    CritterRec.TBLSPECIES = CritterTrelFieldAsFloat("TBLSPECIES");
    CritterRec.KNOWN = CritterTrelFieldAsBoolean("KNOWN") ? "True" : "False";
    CritterRec.ACTION = ActionText(CritterTrelFieldAsString("ACTION"));
    CritterRec.WHYCHANGE = CritterTrelFieldAsString("WHYCHANGE");
    LoadSpecies(CritterRec.TBLSPECIES);
    return true;
}

std::vector<critter_record> ListedSpeciesOfFacility() {
    std::vector<critter_record> listed;
    const std::string county = DirectRec.CNTY;
    // A facility without a county key lists nothing rather than whatever row the table is on.
    if (county.empty() || !LoadCountySpecies(county) || !CurrentPmn.CRITTERS) {
        return listed;
    }
    tables::Table& counties = Tables().CritterTrelTable;
    while (true) {
        listed.push_back(CritterRec);
        counties.Next();
        if (counties.Eof() || !LoadCountySpecies("") || CritterRec.FIPS2 != county) {
            return listed;
        }
    }
}
