// The choice of one case from a case table that holds several.
#pragma once

#include <optional>
#include <vector>

#include "consumer/data/case_table.h"
#include "consumer/pages/scenario_dialogs.h"

namespace consumer {

// Lists the cases by id, the one saved last first and selected.
class TCaseList : public LineListDialog {
    Q_OBJECT
  public:
    TCaseList(const std::vector<StoredCase>& cases, QWidget* parent = nullptr);
    // The record number of the chosen case once OK was pressed.
    std::optional<int> Chosen() const { return chosen_; }

  protected:
    bool Accept(const std::string& line) override;

  private:
    std::vector<StoredCase> cases_;
    std::optional<int> chosen_;
};

// Asks which case to open when the table holds several; the only case when it holds one; the
// first record when it holds none. Nothing when the user cancels.
std::optional<int> PickStoredCase(const std::vector<StoredCase>& cases, QWidget* parent);

}  // namespace consumer
