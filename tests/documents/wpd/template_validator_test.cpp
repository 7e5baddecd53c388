// Each template of the program folder holds the placeholder codes its writer fills, but for those
// it leaves out on purpose: places that repeat a value shown once already, and values nothing in
// the program sets (the scenario text, the report marks, the release over all sites) or that
// are a constant with no meaning to the reader. What a writer fills is found by letting it merge
// a probe template that holds every code.
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

    void ExpectSameCodes(const std::string& name, std::set<int> filled,
                         const std::set<int>& leftOut = {}) {
        for (int n : leftOut)
            EXPECT_EQ(filled.erase(n), 1u) << name << ": " << n << " is not filled anyway";
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

// The places of a field group from base that a template leaves out: every place but the kept
// offsets and those the group does not fill.
std::set<int> GroupLeftOut(int base, int size, const std::set<int>& notLeftOut) {
    std::set<int> left;
    for (int offset = 0; offset < size; ++offset) {
        if (!notLeftOut.count(offset))
            left.insert(base + offset);
    }
    return left;
}

// Of the drinking-water group: the five doses, each exposure duration and averaging time, the
// body weight and the two intake rates are shown once each (1, 4, 7 and 41 are not filled).
std::set<int> WaterLeftOut(int base) {
    return GroupLeftOut(base, 48, {0, 1, 2, 3, 4, 5, 6, 7, 16, 19, 24, 27, 32, 40, 41, 46});
}
// Of the fish group: the same, with the fish intakes (5 is not filled).
std::set<int> FishLeftOut(int base) {
    return GroupLeftOut(base, 36, {0, 1, 2, 3, 4, 5, 12, 14, 18, 20, 24, 30, 34});
}
std::set<int> Joined(std::initializer_list<std::set<int>> sets) {
    std::set<int> all;
    for (const std::set<int>& s : sets)
        all.insert(s.begin(), s.end());
    return all;
}

}  // namespace

TEST_F(TemplateValidatorTest, ReleaseAndSurfaceWaterTemplates) {
    auto releases = [](WpdReportState& f) { WriteEnvReleaseWpd(f, false); };
    // The release over all sites per site and the report marks: nothing in the program sets them.
    const std::set<int> envLeftOut = {16, 20, 21, 22, 23};
    ExpectSameCodes("envrel.wpd",
                    FilledCodes("envrel.wpd", EnvironmentalReleasesPart, "", releases), envLeftOut);
    CurrentPmn.ScenNum = "1";
    auto special = [](WpdReportState& f) { WriteEnvReleaseWpd(f, true); };
    ExpectSameCodes("envrelmn.wpd",
                    FilledCodes("envrelmn.wpd", EnvironmentalReleasesPart, "", special),
                    envLeftOut);
    CurrentPmn.ScenNum = "2";
    auto site = [](WpdReportState& f) { WriteRiverSiteWpd(f, SpeciesRows{}); };
    auto lake = [](WpdReportState& f) { WriteLakeWpd(f, SpeciesRows{}); };
    // The river text nothing sets, and three fixed flow names.
    const std::set<int> siteLeftOut = Joined({WaterLeftOut(30), FishLeftOut(82), {78, 79, 80, 81}});
    const std::set<int> lakeLeftOut = FishLeftOut(23);
    ExpectSameCodes("sitenoe.wpd", FilledCodes("sitenoe.wpd", RiverSitePart, "", site),
                    siteLeftOut);
    ExpectSameCodes("lakesnoe.wpd", FilledCodes("lakesnoe.wpd", LakePart, "", lake), lakeLeftOut);
    CurrentPmn.CRITTERS = true;
    ExpectSameCodes("site.wpd", FilledCodes("site.wpd", RiverSitePart, "", site), siteLeftOut);
    ExpectSameCodes("lakes.wpd", FilledCodes("lakes.wpd", LakePart, "", lake), lakeLeftOut);
    auto species = [](WpdReportState& f) { WriteEndangeredSpeciesWpd(f, 0, SpeciesRows{}); };
    ExpectSameCodes("endanger.wpd",
                    FilledCodes("endanger.wpd", EndangeredSpeciesPart, "0", species));
    // The case id repeated at the 10th percentile doses.
    ExpectSameCodes(
        "sic-code.wpd",
        FilledCodes("sic-code.wpd", IndustryCodePart, "",
                    [](WpdReportState& f) { WriteSicCodeWpd(f); }),
        Joined({WaterLeftOut(30), FishLeftOut(78), WaterLeftOut(115), FishLeftOut(163), {114}}));
    // The group from 12 shows the fugitive and stack doses (12-19) and one place of each
    // factor (41 is not filled); the stack removal and the fugitive doses are not shown twice.
    std::set<int> inhalationLeftOut =
        GroupLeftOut(12, 48, {0, 1, 2, 3, 4, 5, 6, 7, 16, 24, 32, 40, 41});
    inhalationLeftOut.insert({96, 99, 100, 101, 102});
    ExpectSameCodes("fugitive.wpd",
                    FilledCodes("fugitive.wpd", InhalationPart, "",
                                [](WpdReportState& f) { WriteInhalationWpd(f); }),
                    inhalationLeftOut);
    // The landfill shows its lifetime doses only: ADD, ADC and the constant 1 are left out
    // (1, 4, 7 and 41 of its group are not filled).
    const std::set<int> landfillLeftOut = GroupLeftOut(10, 48, {0, 1, 2, 4, 7, 16, 24, 32, 40, 41});
    ExpectSameCodes("landfill.wpd",
                    FilledCodes("landfill.wpd", LandfillPart, "",
                                [](WpdReportState& f) { WriteLandfillWpd(f); }),
                    landfillLeftOut);
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
