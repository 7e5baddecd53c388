// A chemical case with a distinct value in every field the report writers read, and the
// program state the writers read beside it.
#pragma once

#include <string>

#include "scenario/scenario_record.h"

// A release with a distinct value in every field the writers read.
void FillCase(pmn_record& r);

// The filled case as the current record, every medium selected, the comment memos filled, the
// program folder as the templates' folder and dataFolder as the data folder. Keeps the folders
// it replaced and puts them back when it goes.
class FilledCaseScope {
  public:
    explicit FilledCaseScope(const std::string& dataFolder);
    ~FilledCaseScope();
    FilledCaseScope(const FilledCaseScope&) = delete;
    FilledCaseScope& operator=(const FilledCaseScope&) = delete;

  private:
    std::string savedData_;
    std::string savedProgram_;
};
