// A fresh record with a known release, a main page that asks for ADD/ADC values, and run totals.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "exposure/run_totals.h"
#include "scenario/scenario_record.h"
#include "shell/scr_main.h"

class CalcTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The main page's answer to "Calculate ADD/ADC Values?".
    void AskAddAdc(bool asked);

    std::unique_ptr<TScrMain> mainPage_;
    RunTotals form_;
};
