// Makes the older dilution path's tables (the concentration axis and one average and one
// high-end table per industry category) from the dilution model over the facilities and
// reaches of a program folder, as CSV sources for the table build rule.
//
//   pdmfiles <program folder> <output folder>
//
// Writes pdmconc.csv and pdm<code>.csv / pdma<code>.csv; each has the one column CONC.
#include <cstdio>
#include <string>
#include <vector>

#include "dilution/pdm_categories.h"
#include "dilution/pdm_category_run.h"
#include "dilution/pdm_category_tables.h"
#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "platform/sys/text.h"
#include "scenario/globals.h"
#include "scenario/table_set.h"

namespace {

// The category whose table stands for all treatment works of SIC 4952 under its own code.
constexpr int AllTreatmentWorksTable = 41;
constexpr int AllTreatmentWorksCategory = 25;

bool WriteColumn(const std::string& path, const std::vector<double>& values) {
    std::vector<std::string> lines = {"CONC"};
    for (double value : values) {
        lines.push_back(sys::Format("%.9e", value));
    }
    return sys::WriteTextLines(path, lines);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: pdmfiles <program folder> <output folder>\n");
        return 2;
    }
    const std::string output = sys::CanonicalPath(argv[2]);
    if (!sys::SetWorkingFolder(argv[1])) {
        std::fprintf(stderr, "pdmfiles: cannot enter %s\n", argv[1]);
        return 1;
    }
    ProgramFolder = sys::WorkingFolder();
    Tables().OpenLookupTables();
    const std::vector<double> axis = PdmConcAxisValues();
    if (!WriteColumn(output + "/pdmconc.csv", axis)) {
        std::fprintf(stderr, "pdmfiles: cannot write %s/pdmconc.csv\n", output.c_str());
        return 1;
    }
    for (const PdmCategoryTable& table : PdmCategoryTableList()) {
        const int walked =
            table.category == AllTreatmentWorksTable ? AllTreatmentWorksCategory : table.category;
        const std::vector<PdmSicFacility> facilities = ListPdmCategoryFacilities(walked);
        const PdmCategoryTableValues values =
            ComputePdmCategoryTables(facilities, axis, table.siteCount);
        const std::string high = output + "/pdm" + table.tableCode + ".csv";
        const std::string average = output + "/pdma" + table.tableCode + ".csv";
        if (!WriteColumn(high, values.highEnd) || !WriteColumn(average, values.average)) {
            std::fprintf(stderr, "pdmfiles: cannot write the tables of category %d\n",
                         table.category);
            return 1;
        }
        std::printf("category %d: %zu facilities\n", table.category, facilities.size());
    }
    return 0;
}
