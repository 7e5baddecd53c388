// The input form on a copy of the program folder, with one chemical whose modules are chosen.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/forms/ui_service.h"
#include "releases/scr_level_form.h"
#include "tests/shell/forms/program_folder.h"

inline constexpr const char* kChem = "P-17-0042";

class ReleaseFormTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Shows the form as the main page does: its show and activation events.
    void Open();
    // Types a text into an edit and leaves it, as a person would.
    void Type(forms::TEdit* edit, const std::string& text);
    // Clicks a control with the real mouse button.
    void Click(QWidget* widget);
    // Double-clicks a row of a grid with the real mouse button.
    void DoubleClickRow(forms::TStringGrid* grid, int row);
    // Selects a release of the list as a click on its row would.
    void SelectRelease(int row);
    // The texts of the message boxes shown so far.
    std::vector<std::string> BoxTexts() const;
    // The row of the scenario table of a key, loaded into CurrentPmn; false when it is missing.
    bool LoadRow(const std::string& key);
    // The number of rows of the chemical in the scenario table.
    int ChemicalRows() const;
    // Enters a complete surface-water release at a facility of the demonstration region, with a
    // concentration of concern of 5.
    void EnterWaterRelease(const std::string& amount, const std::string& days,
                           const std::string& npdes);

    ProgramFolderCopy program;
    forms::ScriptedUi ui;
    TScrLevelForm* form = nullptr;
};

// Writes a release row of the chemical straight into the scenario table; a surface-water release
// ("X..." marks) is complete: at facility NY0020371 with a concentration of concern of 5.
void WriteRelease(int number, const std::string& releases, double water, double days);
