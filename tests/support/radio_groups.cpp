// A check of a form's radio buttons: each choice is one exclusive group, pressed with the mouse.
#include "tests/support/radio_groups.h"

#include <gtest/gtest.h>

#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <set>
#include <string>

namespace {

std::string Name(const QRadioButton* radio) {
    std::string name = radio->objectName().toStdString();
    return "\"" + radio->text().toStdString() + "\"" + (name.empty() ? "" : " (" + name + ")");
}

// Brings forward the tab or stacked page that holds the widget, at every level.
void BringPageForward(QWidget* widget) {
    for (QWidget* w = widget; w && w->parentWidget(); w = w->parentWidget()) {
        auto* stack = qobject_cast<QStackedWidget*>(w->parentWidget());
        if (!stack)
            continue;
        if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget())) {
            int index = tabs->indexOf(w);
            if (index >= 0 && tabs->isTabVisible(index))
                tabs->setCurrentIndex(index);
        } else {
            stack->setCurrentWidget(w);
        }
    }
}

// Presses the radio; false when a person could not, and it was checked from code instead.
bool Press(QRadioButton* radio) {
    BringPageForward(radio);
    if (!radio->isEnabled() || !radio->isVisible()) {
        radio->setChecked(true);
        return false;
    }
    PressButton(radio);
    return true;
}

int CheckedCount(const RadioGroup& group) {
    return int(std::count_if(group.radios.begin(), group.radios.end(),
                             [](const QRadioButton* r) { return r->isChecked(); }));
}

void ExpectSameRadios(QWidget* form, const RadioGroups& groups) {
    std::set<QRadioButton*> listed;
    for (const RadioGroup& group : groups) {
        for (QRadioButton* radio : group.radios)
            EXPECT_TRUE(listed.insert(radio).second) << Name(radio) << " is in two groups";
    }
    const QList<QRadioButton*> found = form->findChildren<QRadioButton*>();
    for (QRadioButton* radio : found)
        EXPECT_TRUE(listed.count(radio)) << Name(radio) << " is in no group of the test";
    EXPECT_EQ(size_t(found.size()), listed.size()) << "radios listed that the form does not have";
}

}  // namespace

void PressButton(QAbstractButton* button) {
    BringPageForward(button);
    QStyleOptionButton option;
    option.initFrom(button);
    QStyle::SubElement indicator = qobject_cast<QRadioButton*>(button)
                                       ? QStyle::SE_RadioButtonIndicator
                                       : QStyle::SE_CheckBoxIndicator;
    QRect box = button->style()->subElementRect(indicator, &option, button);
    QTest::mouseClick(button, Qt::LeftButton, {}, box.center());
}

std::vector<QRadioButton*> ExpectExclusiveRadioGroups(QWidget* form, const RadioGroups& groups) {
    EXPECT_TRUE(form->isVisible()) << "show the form first";
    ExpectSameRadios(form, groups);
    std::vector<QRadioButton*> fromCode;
    auto press = [&](const RadioGroup& group, QRadioButton* radio) {
        if (group.showIt)
            group.showIt();
        if (!Press(radio) && std::find(fromCode.begin(), fromCode.end(), radio) == fromCode.end())
            fromCode.push_back(radio);
    };
    // Every choice made once, so that each group has its one checked radio to keep.
    for (const RadioGroup& group : groups)
        press(group, group.radios.front());
    for (const RadioGroup& group : groups) {
        for (QRadioButton* radio : group.radios) {
            press(group, radio);
            SCOPED_TRACE("after pressing " + Name(radio));
            EXPECT_TRUE(radio->isChecked());
            for (const RadioGroup& other : groups)
                EXPECT_EQ(CheckedCount(other), 1) << "the group of " << Name(other.radios.front());
        }
    }
    return fromCode;
}
