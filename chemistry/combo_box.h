// The drop-down boxes of the chemistry forms: an item index that is -1 while typed text stands in
// the box, a change action for the person's typing and choosing only, and an exit action.
#pragma once

#include <QComboBox>
#include <string>
#include <vector>

#include "platform/forms/components.h"

class FateComboBox : public QComboBox, public forms::TextControl {
    Q_OBJECT
  public:
    // An editable box takes typed text (at most maxLength characters when above 0); a list box
    // offers its items only.
    explicit FateComboBox(bool editable, QWidget* parent = nullptr, int maxLength = 0);

    int ItemIndex() const { return index_; }
    // Chooses an item (or none with -1) from code; the change action does not run.
    void SetItemIndex(int index);
    std::string Text() const override;
    // Sets the text from code: a box taking typed text holds it as typed (index -1); a list box
    // chooses the equal item. The same text again changes nothing.
    void SetText(const std::string& text) override;
    void SetItems(const std::vector<std::string>& items);
    void AddItem(const std::string& item);
    void ClearItems();
    std::vector<std::string> Items() const;
    int ItemCount() const { return count(); }

    // The person typed in the box or chose an item.
    forms::Action OnChange;
    // Focus left the box.
    forms::Action OnExit;

    // What a person choosing an item from the list does (tests and keyboard choice alike).
    void ChooseItem(int index);
    // What a person typing the text does.
    void TypeText(const std::string& text);

  private:
    int index_ = -1;
    bool settingFromCode_ = false;
};
