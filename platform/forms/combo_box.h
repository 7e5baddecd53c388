// A drop-down list with the behaviour the forms expect: entries, the selected index and its
// text, and a change action for a user's choice only.
#pragma once

#include <QComboBox>
#include <string>
#include <vector>

#include "platform/forms/components.h"

namespace forms {

class TComboBox : public QComboBox {
    Q_OBJECT
  public:
    explicit TComboBox(QWidget* parent = nullptr);

    void Clear();
    void AddItem(const std::string& text);
    void SetItems(const std::vector<std::string>& items);  // clears first
    int ItemCount() const { return count(); }
    std::string Item(int index) const;

    // -1 when nothing is selected. Selecting from code runs no action.
    int ItemIndex() const { return currentIndex(); }
    void SetItemIndex(int index);
    // The selected entry's text, "" when none.
    std::string Text() const;
    // Selects the entry with exactly this text; with no such entry nothing is selected.
    void SetText(const std::string& text);

    // Runs when the user picks an entry.
    Action OnChange;
};

}  // namespace forms
