// The results form run over a chemical's releases written into the scenario table, on a copy of
// the program folder with the demonstration region and the report templates.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "pdm_page_fixture.h"
#include "platform/forms/ui_service.h"
#include "results/scr_res_form.h"
#include "scenario/case_choices.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_reset.h"
#include "scenario/scenario_table.h"
#include "shell/startup.h"
#include "tests/shell/forms/program_folder.h"

inline constexpr const char* kChem = "P-17-0042";

inline std::string Key(int number) {
    return std::string(kChem) + "," + std::to_string(number);
}

class ResultsFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        CopyReportTemplates(program);
        ASSERT_TRUE(RunStartupWork());
        SurfaceWaterSelected = LandfillSelected = AmbientAirSelected = 1;
        HealthFlags = "111";
    }
    void TearDown() override { SurfaceWaterSelected = LandfillSelected = AmbientAirSelected = 0; }

    // Writes release number of the chemical with the values the step sets.
    void Write(int number, const std::function<void(pmn_record&)>& set) {
        ResetScenarioRecord();
        SplitReleaseKey(Key(number));
        pmn_record& r = CurrentPmn;
        r.RELEASE = "Release " + std::to_string(number);
        r.SITE_LO = r.SITE_HI = 1;
        r.BW = 70;
        r.BCF = 50;
        r.WWT_LOW = 50;
        r.COC0 = r.COC1 = r.COC2 = 0;
        set(r);
        SaveScenarioRecord();
        inputs.ReleaseKeys.push_back(Key(number));
    }

    // A river site, a lake, an industry code, a landfill and an air release.
    void WriteFiveReleases() {
        Write(1, [](pmn_record& r) {
            r.RELEASES = "X000";
            r.NPDES = "NY0020371";
            r.H2O_HI = 2;
            r.H2ODAYHI = r.H2ODAYLO = 250;
            r.COC0 = 10;
            r.COC1 = 100;
        });
        Write(2, [](pmn_record& r) {
            r.RELEASES = "X000";
            r.NPDES = "OH1413046";
            r.H2O_HI = 1;
            r.H2ODAYHI = r.H2ODAYLO = 100;
        });
        Write(3, [](pmn_record& r) {
            r.RELEASES = "X000";
            r.SIC_CODE = 2;
            r.H2O_HI = 3;
            r.H2ODAYHI = r.H2ODAYLO = 200;
            r.COC0 = 5;
            r.COC2 = 2;
        });
        Write(4, [](pmn_record& r) {
            r.RELEASES = "0X00";
            r.LANDREL = 2;
            r.DAYSNSLUDG = 100;
            r.MIGFACT = 0.01;
        });
        Write(5, [](pmn_record& r) {
            r.RELEASES = "00XX";
            r.FUGREL = 1;
            r.FUGDAYHI = r.FUGDAYLO = 100;
            r.INCINREL = 4;
            r.INCINDAYS = 50;
            r.IREL_DOWNF = 0.002;
            r.ACUTECONCF = 0.01;
            r.INHALE = 1;
        });
    }

    void Run() {
        form = std::make_unique<TScrResForm>();
        form->Inputs = inputs;
        form->FormActivate();
    }

    std::vector<std::string> Keys(const forms::TStringGrid* list) const {
        std::vector<std::string> keys;
        for (int row = 1; row < list->RowCount(); ++row)
            keys.push_back(list->Cells(0, row));
        return keys;
    }

    bool PageShown(QWidget* page) const {
        return form->ScrResults->isTabVisible(form->ScrResults->indexOf(page));
    }

    ProgramFolderCopy program;
    forms::ScriptedUi ui;
    ResultsRunInputs inputs;
    std::unique_ptr<TScrResForm> form;
};
