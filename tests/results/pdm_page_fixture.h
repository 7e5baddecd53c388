// The results form over a copy of the program folder with the demonstration tables and the
// report templates, with one release of a chemical stored, for the dilution pages' tests.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/forms/ui_service.h"
#include "results/scr_res_form.h"
#include "tests/shell/forms/program_folder.h"

// Copies the report templates of the built program folder into the copy.
void CopyReportTemplates(const ProgramFolderCopy& program);

class PdmPageTest : public ::testing::Test {
  protected:
    static constexpr const char* kChem = "P-17-0042";
    static std::string Key(int number) { return std::string(kChem) + "," + std::to_string(number); }

    void SetUp() override;
    void TearDown() override;

    // An input typed and left: the message expected (none when nullptr), and the value the
    // record holds after, which the input shows again after a message.
    struct InputCase {
        const char* field;
        const char* typed;
        const char* message;
        double* stored;
        double expected;
    };
    void ExpectInputChecks(const std::vector<InputCase>& cases);

    ProgramFolderCopy program;
    forms::ScriptedUi ui;
    std::unique_ptr<TScrResForm> form;
};
