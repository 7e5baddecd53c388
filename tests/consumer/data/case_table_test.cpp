// Case tables (save, modify, append, load by exact id or record number) and text case files.
#include "consumer/data/case_table.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <limits>

#include "consumer/model/case_reset.h"
#include "consumer/model/case_state.h"
#include "platform/forms/ui_service.h"
#include "tests/consumer/model/test_folder.h"

namespace {

using namespace consumer;

// A case table made from the shipped template, as the Save command makes one.
class CaseTableTest : public ::testing::Test {
  protected:
    CaseTableTest() : folder_("consumer_case_table") {
        const std::string templates = std::string(OMBRIX_PROGRAM_DIR) + "/kiv/dbfiles/";
        std::filesystem::copy_file(templates + "com.dbf", folder_.File("kiv.dbf"));
        std::filesystem::copy_file(templates + "com.dbt", folder_.File("kiv.dbt"));
    }

    static ExposureInputs Case(const std::string& id) {
        ExposureInputs in;
        ExposureResults results;
        ResetCaseIdentity(in);
        ResetExposureInputs(in, results);
        in.IdNumber = id;
        in.ProductName = "Kitchen cleaner";
        in.ChemicalName = "Example solvent";
        in.AgeGroup = 4;
        in.ScenarioNumber = 1;
        in.EVENTSPERYEAR = 104;
        in.MassUsedCentral = 30.5;
        in.VAPORPRESS = 1.5e-8;
        in.WeightFractionMedian = 0.05;
        in.KowValue = 2.5e7;
        in.ROOMOFUSE = 2;
        in.STARTTIME = 9;
        in.Comments = "First line\nsecond line";
        return in;
    }

    int Records() {
        std::string command = "/usr/bin/python3 -c \"import dbfread; print(len(list(dbfread.DBF('" +
                              folder_.File("kiv.dbf") + "'))))\"";
        std::FILE* pipe = popen(command.c_str(), "r");
        int count = -1;
        if (pipe) {
            if (std::fscanf(pipe, "%d", &count) != 1)
                count = -1;
            pclose(pipe);
        }
        return count;
    }

    consumer_test::TestFolder folder_;
    forms::ScriptedUi ui_;
};

TEST_F(CaseTableTest, SaveAppendsThenModifiesAndLoadRestoresEveryField) {
    ExposureInputs in = Case("P-01-0001");
    ExposureResults results;
    for (int i = 0; i < 28; ++i)
        results[i] = 0.001 * (i + 1);
    results[0] = 1.234567e-9;
    results[5] = 98765.4321;
    results[17] = kNotApplicable;
    ASSERT_TRUE(SaveCase("kiv", folder_.Folder(), 1, in.IdNumber, in, results));
    EXPECT_EQ(Records(), 1);
    in.MassUsedCentral = 40;
    ASSERT_TRUE(SaveCase("kiv", folder_.Folder(), 1, in.IdNumber, in, results));
    EXPECT_EQ(Records(), 1);
    EXPECT_TRUE(ui_.Boxes().empty());

    ExposureInputs loaded;
    loaded.AgeGroup = 1;
    ExposureResults back;
    LoadCase("kiv", folder_.Folder(), 1, "P-01-0001", loaded, back);
    EXPECT_EQ(loaded.IdNumber, "P-01-0001");
    EXPECT_EQ(loaded.ProductName, "Kitchen cleaner");
    EXPECT_EQ(loaded.ScenarioName, "General Purpose Cleaner");
    EXPECT_EQ(loaded.ScenarioKeyword, "appliedsurfacecleaner");
    EXPECT_EQ(loaded.DoseType, "Potential");
    EXPECT_EQ(loaded.ChemicalName, "Example solvent");
    EXPECT_EQ(loaded.StoredAgeGroup, 4);
    EXPECT_EQ(loaded.AgeGroup, 1);  // the stored age group does not replace the current one
    EXPECT_EQ(loaded.ScenarioClass, 2);
    EXPECT_EQ(loaded.EVENTSPERYEAR, 104);
    EXPECT_EQ(loaded.MassUsedCentral, 40);
    EXPECT_EQ(loaded.VAPORPRESS, 1.5e-8);
    EXPECT_EQ(loaded.WeightFractionMedian, 0.05);
    EXPECT_EQ(loaded.WeightFraction90, 1.0);
    EXPECT_EQ(loaded.KowValue, 2.5e7);
    EXPECT_EQ(loaded.FRACTAEROSOL, 0.01);
    EXPECT_EQ(loaded.ActivityPattern, kAdultUseDayPattern);
    EXPECT_EQ(loaded.NonUseDayPattern, kDaysAfterUsePattern);
    EXPECT_EQ(loaded.ROOMOFUSE, 2);
    EXPECT_EQ(loaded.STARTTIME, 9);
    EXPECT_EQ(loaded.Comments, "First line\nsecond line");
    EXPECT_NEAR(back[0], 1.234567e-9, 1e-12);  // twelve decimals
    EXPECT_EQ(back[5], 98765.4321);
    EXPECT_EQ(back[17], -99.0);
    EXPECT_EQ(back[11], 0.012);
    EXPECT_EQ(back[12], 0.0);  // entries 12-16 and 23-27 are not stored
}

TEST_F(CaseTableTest, OnlyTheWholeIdMatches) {
    ExposureResults results;
    ExposureInputs stored = Case("P-01-0001");
    ASSERT_TRUE(SaveCase("kiv", folder_.Folder(), 1, stored.IdNumber, stored, results));
    // An id that is the beginning of a stored one is a new case.
    ExposureInputs shorter = Case("P-01");
    shorter.ProductName = "Other";
    ASSERT_TRUE(SaveCase("kiv", folder_.Folder(), 1, shorter.IdNumber, shorter, results));
    EXPECT_EQ(Records(), 2);
    ExposureInputs loaded;
    ExposureResults back;
    LoadCase("kiv", folder_.Folder(), 1, "P-01-0001", loaded, back);
    EXPECT_EQ(loaded.ProductName, "Kitchen cleaner");
    ExposureInputs untouched;
    untouched.ProductName = "unchanged";
    LoadCase("kiv", folder_.Folder(), 1, "P-01-000", untouched, back);
    EXPECT_EQ(untouched.ProductName, "unchanged");
    EXPECT_TRUE(ui_.Boxes().empty());
}

TEST_F(CaseTableTest, WithoutAnIdTheRecordNumberIsUsed) {
    ExposureResults results;
    ExposureInputs blankId = Case("");
    // An empty table: the save appends, the load of a missing record gives the blank record.
    ExposureInputs loaded = Case("X");
    ExposureResults back;
    back[0] = 5;
    LoadCase("kiv", folder_.Folder(), 1, "", loaded, back);
    EXPECT_EQ(loaded.IdNumber, "");
    EXPECT_EQ(loaded.ProductName, "");
    EXPECT_EQ(loaded.EVENTSPERYEAR, 0);
    EXPECT_EQ(loaded.Comments, "");
    EXPECT_EQ(back[0], 0);
    ASSERT_TRUE(SaveCase("kiv", folder_.Folder(), 1, "", blankId, results));
    blankId.ProductName = "Second save";
    ASSERT_TRUE(SaveCase("kiv", folder_.Folder(), 1, "", blankId, results));
    EXPECT_EQ(Records(), 1);
    LoadCase("kiv", folder_.Folder(), 1, "", loaded, back);
    EXPECT_EQ(loaded.ProductName, "Second save");
}

TEST_F(CaseTableTest, LongTextIsCutToItsFieldAndTheSaveSaysSo) {
    ExposureInputs in = Case("P-2");
    in.ProductName = std::string(40, 'x');
    ExposureResults results;
    ASSERT_TRUE(SaveCase("kiv", folder_.Folder(), 1, in.IdNumber, in, results));
    ASSERT_EQ(ui_.Boxes().size(), 1u);
    EXPECT_EQ(ui_.Boxes()[0].caption, "Note");
    EXPECT_NE(ui_.Boxes()[0].text.find("cut to fit (fields 2)"), std::string::npos);
    EXPECT_EQ(ui_.Boxes()[0].text.find("not stored"), std::string::npos);
    ExposureInputs loaded;
    ExposureResults back;
    LoadCase("kiv", folder_.Folder(), 1, "P-2", loaded, back);
    EXPECT_EQ(loaded.ProductName, std::string(30, 'x'));
}

TEST_F(CaseTableTest, NumberTooLargeForItsFieldIsLeftBlankAndTheSaveSaysSo) {
    ExposureInputs in = Case("P-4");
    in.KowValue = std::numeric_limits<double>::infinity();  // no number field holds it
    ExposureResults results;
    ASSERT_TRUE(SaveCase("kiv", folder_.Folder(), 1, in.IdNumber, in, results));
    ASSERT_EQ(ui_.Boxes().size(), 1u);
    EXPECT_NE(ui_.Boxes()[0].text.find("were not stored (fields 38)"), std::string::npos);
    ExposureInputs loaded;
    loaded.KowValue = 5;
    ExposureResults back;
    LoadCase("kiv", folder_.Folder(), 1, "P-4", loaded, back);
    EXPECT_EQ(loaded.KowValue, 0.0);
    EXPECT_EQ(loaded.MassUsedCentral, 30.5);
}

TEST_F(CaseTableTest, MissingTablesAreReported) {
    ExposureInputs in = Case("P-3");
    ExposureResults results;
    in.ProductName = "kept";
    LoadCase("none", folder_.Folder(), 1, "P-3", in, results);
    EXPECT_EQ(in.ProductName, "kept");
    EXPECT_FALSE(SaveCase("none", folder_.Folder(), 1, "P-3", in, results));
    ASSERT_EQ(ui_.Boxes().size(), 2u);
    EXPECT_EQ(ui_.Boxes()[0].text, "Unable to open file!");
    EXPECT_EQ(ui_.Boxes()[0].caption, "Error");
    EXPECT_EQ(ui_.Boxes()[1].text,
              "Unable to save file - SrcFile = none SrcDir = " + folder_.Folder());
}

TEST(CaseFile, ReadsTheValuesInFieldOrder) {
    consumer_test::TestFolder folder("consumer_case_file");
    // Whole lines after formatted values start at their first non-blank character.
    std::string text = "P-9\n   Garden spray\nUser Defined\nsprayedsurface\n3\n1\nPotential\n";
    for (int field = 8; field <= 31; ++field)
        text += std::to_string(field) + ".5\n";
    text += "\n   Chemical X\n";
    for (int field = 33; field <= 39; ++field)
        text += std::to_string(field) + "\n";
    text += "1111111231542467422744411\n1111111132442477422744411\n6\n14\n";
    for (int field = 44; field <= 61; ++field)
        text += "1e-" + std::to_string(field - 40) + "\n";
    folder.Write("case.cmi", text);
    ExposureInputs in;
    ExposureResults results;
    ResetCaseIdentity(in);  // no scenario chosen yet
    ASSERT_TRUE(OpenCaseFile(folder.File("case.cmi"), in, results));
    EXPECT_EQ(ScenarioChosen, 1);  // the opened case brings its scenario
    EXPECT_EQ(in.IdNumber, "P-9");
    EXPECT_EQ(in.ProductName, "Garden spray");
    EXPECT_EQ(in.ScenarioName, "User Defined");
    EXPECT_EQ(in.ScenarioKeyword, "sprayedsurface");
    EXPECT_EQ(in.AgeGroup, 3);  // the text file sets the age group itself
    EXPECT_EQ(in.ScenarioClass, 1);
    EXPECT_EQ(in.DoseType, "Potential");
    EXPECT_EQ(in.EVENTSPERYEAR, 8.5);
    EXPECT_EQ(in.SurfaceAreaHands, 31.5);
    EXPECT_EQ(in.ChemicalName, "Chemical X");
    EXPECT_EQ(in.MOLECWEIGHT, 33);
    EXPECT_EQ(in.PermeabilityCoefficient, 39);
    EXPECT_EQ(in.NonUseDayPattern, "1111111132442477422744411");
    EXPECT_EQ(in.ROOMOFUSE, 6);
    EXPECT_EQ(in.STARTTIME, 14);
    EXPECT_EQ(results[0], 1e-4);
    EXPECT_EQ(results[22], 1e-21);

    // A short file leaves the later values as they were.
    folder.Write("short.cmi", "P-10\nShort\nLatex Paint\nappliedsurfacepaint\n1\nnot a number\n");
    in.ScenarioClass = 9;
    ASSERT_TRUE(OpenCaseFile(folder.File("short.cmi"), in, results));
    EXPECT_EQ(in.IdNumber, "P-10");
    EXPECT_EQ(in.AgeGroup, 1);
    EXPECT_EQ(in.ScenarioClass, 9);
    EXPECT_EQ(in.EVENTSPERYEAR, 8.5);

    forms::ScriptedUi ui;
    ResetCaseIdentity(in);
    EXPECT_FALSE(OpenCaseFile(folder.File("missing.cmi"), in, results));
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, "Unable to open file.");
    EXPECT_EQ(ScenarioChosen, 0);  // nothing was opened
}

}  // namespace
