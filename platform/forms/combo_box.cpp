// A drop-down list with the behaviour the forms expect.
#include "platform/forms/combo_box.h"

namespace forms {

TComboBox::TComboBox(QWidget* parent) : QComboBox(parent) {
    connect(this, &QComboBox::activated, this, [this](int) {
        if (OnChange)
            OnChange();
    });
}

void TComboBox::Clear() {
    clear();
}

void TComboBox::AddItem(const std::string& text) {
    addItem(QString::fromStdString(text));
}

void TComboBox::SetItems(const std::vector<std::string>& items) {
    clear();
    for (const std::string& item : items)
        AddItem(item);
    setCurrentIndex(-1);
}

std::string TComboBox::Item(int index) const {
    if (index < 0 || index >= count())
        return "";
    return itemText(index).toStdString();
}

void TComboBox::SetItemIndex(int index) {
    setCurrentIndex(index >= 0 && index < count() ? index : -1);
}

std::string TComboBox::Text() const {
    return Item(currentIndex());
}

void TComboBox::SetText(const std::string& text) {
    setCurrentIndex(
        findText(QString::fromStdString(text), Qt::MatchExactly | Qt::MatchCaseSensitive));
}

}  // namespace forms
