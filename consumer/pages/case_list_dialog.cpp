// The choice of one case from a case table that holds several.
#include "consumer/pages/case_list_dialog.h"

#include <QVBoxLayout>

#include "platform/forms/ui_service.h"

namespace consumer {

TCaseList::TCaseList(const std::vector<StoredCase>& cases, QWidget* parent)
    : LineListDialog("Open Case", parent), cases_(cases) {
    auto* note = new forms::TLabel("This file holds several cases. Select the case to open:", this);
    static_cast<QVBoxLayout*>(layout())->insertWidget(0, note);
    std::vector<std::string> lines;
    for (const StoredCase& stored : cases_)
        lines.push_back(stored.id.empty() ? "(no id)" : stored.id);
    FillLines(lines);
}

bool TCaseList::Accept(const std::string&) {
    int row = List()->currentRow();
    if (row < 0 || static_cast<size_t>(row) >= cases_.size())
        return false;
    chosen_ = cases_[static_cast<size_t>(row)].recordNumber;
    return true;
}

std::optional<int> PickStoredCase(const std::vector<StoredCase>& cases, QWidget* parent) {
    if (cases.empty())
        return 1;
    if (cases.size() == 1)
        return cases[0].recordNumber;
    TCaseList dialog(cases, parent);
    if (dialog.ShowModal() != forms::mrOk)
        return std::nullopt;
    return dialog.Chosen();
}

}  // namespace consumer
