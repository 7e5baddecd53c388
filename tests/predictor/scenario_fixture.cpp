// A scenario table for one test.
#include "tests/predictor/scenario_fixture.h"

#include <gtest/gtest.h>

#include "platform/sys/files.h"
#include "platform/sys/text.h"
#include "platform/tables/table.h"
#include "tests/support/empty_scenario.h"

void MakeScenarioTable(const std::string& folder, const std::vector<RowValues>& rows) {
    test_support::CopyEmptyScenarioTable(folder);
    tables::Table table;
    table.Open(folder + "/nyr01.dbf");
    for (const RowValues& row : rows) {
        table.Append();
        for (const auto& [field, value] : row) {
            const tables::FieldDef& def = table.Fields()[size_t(table.FieldIndex(field))];
            if (def.type == tables::FieldType::Numeric) {
                double number = 0;
                ASSERT_TRUE(sys::ParseDouble(value, number)) << field;
                table.SetFloat(field, number);
            } else {
                table.SetString(field, value);
            }
        }
        table.Post();
    }
    table.Close();
}

RowValues ReleaseRow(const std::string& key, RowValues extra) {
    RowValues row = {{"PMN_ID", key},      {"RELEASES", "  XX"}, {"INCINREL", "10"},
                     {"INCINDAYS", "250"}, {"FUGREL", "1"},      {"FUGDAYLO", "365"},
                     {"INCIN_HI", "50"}};
    for (const auto& [field, value] : extra)
        row[field] = value;
    return row;
}

std::string FieldOf(const std::string& folder, const std::string& key, const std::string& field) {
    tables::Table table;
    table.Open(folder + "/nyr01.dbf");
    for (table.First(); !table.Eof(); table.Next()) {
        if (table.AsString("PMN_ID") != key)
            continue;
        const tables::FieldDef& def = table.Fields()[size_t(table.FieldIndex(field))];
        if (def.type == tables::FieldType::Numeric && !table.IsNull(field))
            return sys::Format("%.15g", table.AsFloat(field));
        return table.AsString(field);
    }
    return "<no row>";
}

double NumberOf(const std::string& folder, const std::string& key, const std::string& field) {
    tables::Table table;
    table.Open(folder + "/nyr01.dbf");
    for (table.First(); !table.Eof(); table.Next()) {
        if (table.AsString("PMN_ID") == key)
            return table.AsFloat(field);
    }
    return 0;
}

bool AnswerMatchesRow(const std::string& folder, const std::string& key) {
    std::vector<std::string> lines;
    if (!sys::ReadTextLines(folder + "/chimra.out", lines) || lines.size() < 4)
        return false;
    const char* fields[] = {"IREL_DOWN", "ACUTE_CONC", "IREL_DOWNF", "ACUTECONCF"};
    for (size_t i = 0; i < 4; ++i) {
        double value = 0;
        if (!sys::ParseDouble(lines[i], value) || value != NumberOf(folder, key, fields[i]))
            return false;
    }
    return true;
}
