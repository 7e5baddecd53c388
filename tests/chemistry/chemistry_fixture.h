// A started main program in a copy of the program folder, for the chemistry screens: the scenario
// table open, the lookup tables open, the message boxes scripted.
#pragma once

#include <gtest/gtest.h>

#include <QCheckBox>
#include <functional>
#include <string>

#include "platform/forms/ui_service.h"
#include "scenario/scenario_record.h"
#include "shell/intro.h"
#include "tests/shell/forms/program_folder.h"

class ChemistryTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Stores a release row of the chemical, its fields set by the step on a reset record.
    void AddRelease(const std::string& id, const std::string& release,
                    const std::function<void(pmn_record&)>& step = {});
    // The row of a key as a record (CurrentPmn is left as it was).
    pmn_record Row(const std::string& key);
    // Puts the shipped treatment-model template and the stand-in into drive_c/astreat/.
    void InstallTreatModel() { program.InstallTreatModel(); }
    // The model folder of this program copy.
    std::string ModelFolder() const { return program.TreatModelFolder(); }
    // Texts of the message boxes shown so far.
    std::vector<std::string> BoxTexts() const;

    ProgramFolderCopy program;
    forms::ScriptedUi ui;
    TIntro intro;
};

// Presses the real mouse button on a check box's indicator.
void ClickCheckBox(QCheckBox* box);

// The treatment model's held values back to their start.
void ResetAsTreatValues();
