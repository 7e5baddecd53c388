// The drop-down list: selection by index and by text, and a change action for users only.
#include "platform/forms/combo_box.h"

#include <gtest/gtest.h>

#include <QTest>

namespace {

TEST(ComboBoxTest, SelectionByIndexAndByExactText) {
    forms::TComboBox box;
    box.SetItems({"ft", "yds", "m"});
    EXPECT_EQ(box.ItemIndex(), -1);
    EXPECT_EQ(box.Text(), "");
    box.SetText("m");
    EXPECT_EQ(box.ItemIndex(), 2);
    box.SetText("M");  // exact and case-sensitive
    EXPECT_EQ(box.ItemIndex(), -1);
    box.SetItemIndex(1);
    EXPECT_EQ(box.Text(), "yds");
    box.SetItemIndex(7);
    EXPECT_EQ(box.ItemIndex(), -1);
    EXPECT_EQ(box.Item(0), "ft");
    EXPECT_EQ(box.Item(3), "");
}

TEST(ComboBoxTest, ChangeActionRunsForTheUserOnly) {
    forms::TComboBox box;
    box.SetItems({"A", "B", "C"});
    int changes = 0;
    box.OnChange = [&] { ++changes; };
    box.SetItemIndex(0);
    box.SetText("B");
    EXPECT_EQ(changes, 0);
    box.show();
    QTest::keyClick(&box, Qt::Key_Down);
    EXPECT_EQ(box.Text(), "C");
    EXPECT_EQ(changes, 1);
}

}  // namespace
