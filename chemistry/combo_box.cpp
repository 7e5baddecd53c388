// The drop-down boxes of the chemistry forms.
#include "chemistry/combo_box.h"

#include <QApplication>
#include <QLineEdit>

FateComboBox::FateComboBox(bool editable, QWidget* parent, int maxLength) : QComboBox(parent) {
    setEditable(editable);
    setInsertPolicy(QComboBox::NoInsert);
    if (editable && maxLength > 0) {
        lineEdit()->setMaxLength(maxLength);
    }
    connect(this, &QComboBox::activated, this, [this](int index) {
        index_ = index;
        if (OnChange) {
            OnChange();
        }
    });
    if (editable) {
        connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
            index_ = -1;
            if (OnChange) {
                OnChange();
            }
        });
    }
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        auto inside = [this](QWidget* w) { return w && (w == this || isAncestorOf(w)); };
        if (inside(old) && !inside(now) && (!view() || !view()->isAncestorOf(now)) && OnExit) {
            OnExit();
        }
    });
}

void FateComboBox::SetItemIndex(int index) {
    settingFromCode_ = true;
    index_ = index >= 0 && index < count() ? index : -1;
    setCurrentIndex(index_);
    if (index_ < 0 && isEditable()) {
        setEditText(QString());
    }
    settingFromCode_ = false;
}

std::string FateComboBox::Text() const {
    return currentText().toStdString();
}

void FateComboBox::SetText(const std::string& text) {
    if (text == Text()) {
        return;
    }
    if (isEditable()) {
        index_ = -1;
        setEditText(QString::fromStdString(text));
        return;
    }
    SetItemIndex(findText(QString::fromStdString(text), Qt::MatchExactly));
}

void FateComboBox::SetItems(const std::vector<std::string>& items) {
    ClearItems();
    for (const std::string& item : items) {
        AddItem(item);
    }
}

void FateComboBox::AddItem(const std::string& item) {
    const QString keep = currentText();
    addItem(QString::fromStdString(item));
    if (index_ < 0 && isEditable()) {
        setCurrentIndex(-1);
        setEditText(keep);
    }
}

void FateComboBox::ClearItems() {
    clear();
    index_ = -1;
}

std::vector<std::string> FateComboBox::Items() const {
    std::vector<std::string> items;
    for (int i = 0; i < count(); ++i) {
        items.push_back(itemText(i).toStdString());
    }
    return items;
}

void FateComboBox::ChooseItem(int index) {
    setCurrentIndex(index);
    emit activated(index);
}

void FateComboBox::TypeText(const std::string& text) {
    if (!isEditable()) {
        return;
    }
    lineEdit()->setText(QString::fromStdString(text));
    emit lineEdit()->textEdited(lineEdit()->text());
}
