// Each template of the program folder holds exactly the placeholder codes its writer fills.
// What a writer fills is found by letting it merge a probe template that holds every code.
#include <functional>
#include <set>
#include <sstream>

#include "dilution/pdm_results.h"
#include "documents/merge/marker_codes.h"
#include "documents/merge/wpd_text.h"
#include "documents/wpd_dilution.h"
#include "documents/wpd_release_parts.h"
#include "documents/wpd_special_evaluation.h"
#include "documents/wpd_surface_water.h"
#include "platform/sys/files.h"
#include "writer_fixture.h"

namespace {

// The codes after the start marker of a program-folder template.
std::set<int> TemplateCodes(const std::string& name) {
    std::optional<std::string> bytes =
        sys::ReadWholeFile(std::string(OMBRIX_PROGRAM_DIR) + "/" + name);
    std::set<int> codes;
    if (!bytes)
        return codes;
    size_t start = bytes->find(StartMarker);
    for (size_t i = start + 3; start != std::string::npos && i + 2 < bytes->size(); ++i) {
        int n = MarkerNumberOf((*bytes)[i], (*bytes)[i + 1], (*bytes)[i + 2]);
        if (n != 0)
            codes.insert(n);
    }
    return codes;
}

class TemplateValidatorTest : public WpdWriterTest {
  protected:
    // Writes the probe under the template's name, runs the writer and returns the codes whose
    // line no longer holds the code.
    std::set<int> FilledCodes(const std::string& name, int kind, const std::string& suffix,
                              const std::function<void(WpdReportState&)>& write) {
        std::string probe = WpdFilePrefix() + "HOW\n";
        for (int n = 1; n <= LastMarkerNumber; ++n)
            probe += std::to_string(n) + ":" + MarkerCode(n) + "\n";
        probe += "XYZ\n";
        EXPECT_TRUE(sys::WriteWholeFile(probeFolder_.File(name), probe));
        ProgramFolder = probeFolder_.Path();
        WpdReportState form;
        write(form);
        ProgramFolder = OMBRIX_PROGRAM_DIR;
        std::optional<std::string> part = sys::ReadWholeFile(PartPathOf(kind, suffix));
        std::set<int> filled;
        if (!part) {
            ADD_FAILURE() << name << " wrote no part";
            return filled;
        }
        std::istringstream lines(*part);
        for (std::string line; std::getline(lines, line);) {
            size_t colon = line.find(':');
            if (colon == std::string::npos || colon == 0 || colon > 3)
                continue;
            int n = std::atoi(line.c_str());
            if (n >= 1 && line.substr(colon + 1) != MarkerCode(n))
                filled.insert(n);
        }
        return filled;
    }

    void ExpectSameCodes(const std::string& name, const std::set<int>& filled) {
        std::set<int> held = TemplateCodes(name);
        for (int n : filled)
            EXPECT_TRUE(held.count(n)) << name << " lacks " << n << " (" << MarkerCode(n) << ")";
        for (int n : held)
            EXPECT_TRUE(filled.count(n)) << name << " holds " << n << " (" << MarkerCode(n)
                                         << "), which its writer does not fill";
    }

    // The dilution tables: only the template's own rows are expected of it.
    static std::set<int> FirstRows(std::set<int> filled, int base, int width, int tableRows,
                                   int rows) {
        std::set<int> kept;
        for (int n : filled) {
            bool table = n >= base && n < base + width * tableRows;
            if (!table || (n - base) / width < rows)
                kept.insert(n);
        }
        return kept;
    }

    ScratchFolder probeFolder_{"wpd_probe"};
};

}  // namespace

TEST_F(TemplateValidatorTest, ReleaseAndSurfaceWaterTemplates) {
    auto releases = [](WpdReportState& f) { WriteEnvReleaseWpd(f, false); };
    ExpectSameCodes("envrel.wpd",
                    FilledCodes("envrel.wpd", EnvironmentalReleasesPart, "", releases));
    CurrentPmn.ScenNum = "1";
    auto special = [](WpdReportState& f) { WriteEnvReleaseWpd(f, true); };
    ExpectSameCodes("envrelmn.wpd",
                    FilledCodes("envrelmn.wpd", EnvironmentalReleasesPart, "", special));
    CurrentPmn.ScenNum = "2";
    auto site = [](WpdReportState& f) { WriteRiverSiteWpd(f, SpeciesRows{}); };
    auto lake = [](WpdReportState& f) { WriteLakeWpd(f, SpeciesRows{}); };
    ExpectSameCodes("sitenoe.wpd", FilledCodes("sitenoe.wpd", RiverSitePart, "", site));
    ExpectSameCodes("lakesnoe.wpd", FilledCodes("lakesnoe.wpd", LakePart, "", lake));
    CurrentPmn.CRITTERS = true;
    ExpectSameCodes("site.wpd", FilledCodes("site.wpd", RiverSitePart, "", site));
    ExpectSameCodes("lakes.wpd", FilledCodes("lakes.wpd", LakePart, "", lake));
    auto species = [](WpdReportState& f) { WriteEndangeredSpeciesWpd(f, 0, SpeciesRows{}); };
    ExpectSameCodes("endanger.wpd",
                    FilledCodes("endanger.wpd", EndangeredSpeciesPart, "0", species));
    ExpectSameCodes("sic-code.wpd", FilledCodes("sic-code.wpd", IndustryCodePart, "",
                                                [](WpdReportState& f) { WriteSicCodeWpd(f); }));
    ExpectSameCodes("fugitive.wpd", FilledCodes("fugitive.wpd", InhalationPart, "",
                                                [](WpdReportState& f) { WriteInhalationWpd(f); }));
    ExpectSameCodes("landfill.wpd", FilledCodes("landfill.wpd", LandfillPart, "",
                                                [](WpdReportState& f) { WriteLandfillWpd(f); }));
    ExpectSameCodes("specev.wpd",
                    FilledCodes("specev.wpd", SpecialEvaluationPart, "", [](WpdReportState& f) {
                        WriteSpecialEvaluationWpd(f, SpecialEvaluationGrid{});
                    }));
    EXPECT_TRUE(TemplateCodes("blank.wpd").empty());
}

TEST_F(TemplateValidatorTest, DilutionTemplatesHoldTheirRows) {
    PdmPagesActive = 1;
    // The stand-alone pages use every row count their result grids hold.
    for (int rows = 1; rows <= PdmResultGridRows; ++rows) {
        std::string site = "pdmste" + std::to_string(rows) + ".wpd";
        PdmSiteResultRows = rows;
        std::set<int> filled = FilledCodes(site, DilutionSitePart, "", [](WpdReportState& f) {
            WritePdmSiteWpd(f, std::vector<DilutionRow>{});
        });
        ExpectSameCodes(site, FirstRows(filled, 19, 6, 22, rows));
        std::string sic = "pdmsic" + std::to_string(rows) + ".wpd";
        PdmSicResultRows = rows;
        filled = FilledCodes(sic, DilutionIndustryCodePart, "", [](WpdReportState& f) {
            WritePdmSicWpd(f, "", std::vector<DilutionRow>{});
        });
        ExpectSameCodes(sic, FirstRows(filled, 6, 7, 21, rows));
    }
    PdmPagesActive = 0;
}
