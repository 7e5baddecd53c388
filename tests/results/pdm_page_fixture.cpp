// The dilution pages' fixture.
#include "pdm_page_fixture.h"

#include <filesystem>

#include "dilution/pdm_results.h"
#include "results/report_parts.h"
#include "scenario/number_text.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_reset.h"
#include "scenario/scenario_table.h"
#include "shell/startup.h"

void CopyReportTemplates(const ProgramFolderCopy& program) {
    for (const auto& entry : std::filesystem::directory_iterator(OMBRIX_PROGRAM_DIR)) {
        if (entry.path().extension() == ".wpd")
            std::filesystem::copy_file(entry.path(), program / entry.path().filename().string(),
                                       std::filesystem::copy_options::overwrite_existing);
    }
}

void PdmPageTest::SetUp() {
    CopyReportTemplates(program);
    ASSERT_TRUE(RunStartupWork());
    ResetScenarioRecord();
    SplitReleaseKey(Key(1));
    pmn_record& r = CurrentPmn;
    r.RELEASE = "Rinsing";
    r.RELEASES = "X000";
    r.NPDES = "NY0020371";
    r.WWT_LOW = r.WWT_HI = 50;
    r.COC0 = 10;
    SaveScenarioRecord();
    form = std::make_unique<TScrResForm>();
    PdmPagesActive = 1;
    PdmSiteResultRows = PdmSicResultRows = 1;
}

void PdmPageTest::TearDown() {
    form.reset();
    PdmPagesActive = 0;
    PdmSiteResultRows = PdmSicResultRows = 1;
    WordWriters().WritePdmPageDoc = nullptr;
    WordWriters().SavePdmDocument = nullptr;
}

void PdmPageTest::ExpectInputChecks(const std::vector<InputCase>& cases) {
    for (const InputCase& c : cases) {
        ui.ClearShown();
        form->Field(c.field)->SetText(c.typed);
        form->Field(c.field)->OnExit();
        EXPECT_DOUBLE_EQ(*c.stored, c.expected) << c.field << " " << c.typed;
        if (c.message) {
            ASSERT_EQ(ui.Boxes().size(), 1u) << c.typed;
            EXPECT_EQ(ui.Boxes()[0].text, c.message);
            EXPECT_EQ(form->FieldText(c.field), DisplayValue(c.expected)) << c.field;
        } else {
            EXPECT_TRUE(ui.Boxes().empty()) << c.typed;
        }
    }
}
