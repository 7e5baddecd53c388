// A program folder and a data folder of small tables, opened as the program's table set.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "fixture_tables.h"

namespace fixture {

using Row = std::vector<std::pair<std::string, std::string>>;

// The program folder the build assembled, with the shipped tables.
std::filesystem::path ShippedProgramFolder();

// Every test starts with empty tables of the right layout; a test adds rows with Add() before
// OpenTables(), and everything is closed and the shared globals reset afterwards.
class DataLayerTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Table paths relative to the program folder, as the table set names them
    // ("rscan\\reach.dbf"); "nyr01.dbf" is the scenario table of the data folder.
    void Add(const std::string& table, const Row& row);
    void OpenTables();
    std::string NativePath(const std::string& table) const;
    // Copies a table of the built program folder (with its memo file) into the test's folders.
    void CopyShippedTable(const std::string& shipped, const std::string& relative);

    TempFolder folder_;
};

// The shipped demonstration region as the program's lookup tables, opened.
class DemoRegionTest : public DataLayerTest {
  protected:
    void SetUp() override;
};

}  // namespace fixture
