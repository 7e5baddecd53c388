// The chemical lookup and the dialog lists, on the shipped tables.
#include <gtest/gtest.h>

#include "consumer/data/chemical_lookup.h"
#include "consumer/data/reference_lists.h"
#include "consumer/model/case_state.h"
#include "platform/forms/ui_service.h"

namespace {

using namespace consumer;

const std::string kDataFolder = std::string(OMBRIX_PROGRAM_DIR) + "/results";

TEST(ChemicalLookup, FindsTheWholeIdOnly) {
    forms::ScriptedUi ui;
    ChemicalInfo chemical;
    ASSERT_TRUE(LookupChemical(kDataFolder, "EX-0002", chemical));
    EXPECT_EQ(chemical.IdNumber, "EX-0002");
    EXPECT_EQ(chemical.SecondText, "Example coalescent");
    EXPECT_EQ(chemical.VaporPressure, 0.01);
    EXPECT_EQ(chemical.MolecularWeight, 200);
    EXPECT_EQ(chemical.WeightFractionMedian, 0.01);
    EXPECT_EQ(chemical.WeightFraction90, 0.03);
    EXPECT_EQ(chemical.ScenarioIndex, 1);
    EXPECT_EQ(chemical.HenrysLaw, 0.0001);
    EXPECT_EQ(chemical.ChemicalName, "Example coalescing agent B");
    EXPECT_EQ(chemical.ScenarioName, "Latex Paint");
    EXPECT_EQ(chemical.ProductName, "Example interior latex paint");
    EXPECT_TRUE(ui.Boxes().empty());

    // The beginning of two ids, and an id not in the table: nothing is loaded.
    for (const char* key : {"EX-000", "EX-0009"}) {
        SCOPED_TRACE(key);
        ui.ClearShown();
        ChemicalInfo kept;
        kept.ChemicalName = "kept";
        EXPECT_FALSE(LookupChemical(kDataFolder, key, kept));
        EXPECT_EQ(kept.ChemicalName, "kept");
        ASSERT_EQ(ui.Boxes().size(), 1u);
        EXPECT_EQ(ui.Boxes()[0].text,
                  std::string("The chemical ") + key + " was not found in the chemical table.");
    }
}

TEST(ReferenceLists, WeightFractionsAndPermeabilityLines) {
    WorkingFolder = std::string(OMBRIX_PROGRAM_DIR) + "/kiv/";
    std::vector<std::string> lines = WeightFractionLines("Latex Paint");
    ASSERT_EQ(lines.size(), 3u);
    double median = 0;
    double high = 0;
    ASSERT_TRUE(ParseWeightFractionLine(lines[0], median, high));
    EXPECT_EQ(median, 0.01);
    EXPECT_EQ(high, 0.03);
    EXPECT_TRUE(WeightFractionLines("Fabric Protector").empty());
    EXPECT_FALSE(ParseWeightFractionLine("no values here", median, high));
    EXPECT_EQ(median, 0.01);

    std::vector<std::string> permeability = PermeabilityLines();
    ASSERT_FALSE(permeability.empty());
    double coefficient = 0;
    ASSERT_TRUE(ParsePermeabilityLine(permeability[0], coefficient));
    // Benzene: 10^(-2.72 + 0.71 x 2.13 - 0.0061 x 78.11).
    EXPECT_EQ(coefficient, 0.020693);
    EXPECT_FALSE(ParsePermeabilityLine("none", coefficient));
    WorkingFolder.clear();
}

}  // namespace
