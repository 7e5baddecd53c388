// A filled chemical case, the program's templates and a scratch data folder for the
// WordPerfect-format writer tests; message boxes are recorded, never shown.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>

#include "dilution/pdm_results.h"
#include "documents/merge/report_numbers.h"
#include "documents/wpd_report_state.h"
#include "platform/forms/ui_service.h"
#include "scenario/case_choices.h"
#include "scenario/globals.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_table.h"
#include "tests/documents/filled_case.h"
#include "wpd_read.h"

class WpdWriterTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The part of a kind as the independent reader sees it.
    std::string PartText(int kind, const std::string& suffix = "") const;
    std::string PartPathOf(int kind, const std::string& suffix = "") const;
    // The texts of the error boxes shown.
    std::vector<std::string> Errors() const;

    ScratchFolder scratch_{"wpd_writers"};
    forms::ScriptedUi ui_;
    WpdReportState form_;
    int steps_ = 0;

  private:
    std::optional<FilledCaseScope> case_;
};
