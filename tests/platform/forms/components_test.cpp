// Component behaviours the forms rely on where Qt's own differ.
#include "platform/forms/components.h"

#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QWidget>

namespace {

TEST(ComponentsTest, VisibleMeansNotHiddenEvenWhileTheParentIsNotShown) {
    QWidget parent;
    forms::TLabel label("x", &parent);
    EXPECT_TRUE(forms::Visible(&label));
    EXPECT_FALSE(label.isVisible());
    label.hide();
    EXPECT_FALSE(forms::Visible(&label));
}

TEST(ComponentsTest, CheckFromCodeClicksOnlyWhenTheStateChanges) {
    forms::TCheckBox box("c");
    forms::TRadioButton radio("r");
    int boxClicks = 0, radioClicks = 0;
    box.OnClick = [&] { ++boxClicks; };
    radio.OnClick = [&] { ++radioClicks; };
    box.SetChecked(false);
    EXPECT_EQ(boxClicks, 0);
    box.SetChecked(true);
    box.SetChecked(true);
    EXPECT_EQ(boxClicks, 1);
    radio.SetChecked(true);
    EXPECT_EQ(radioClicks, 1);
    radio.click();  // a click on the radio already checked changes nothing
    EXPECT_EQ(radioClicks, 1);
    radio.SetChecked(false);  // unchecking runs nothing either
    EXPECT_EQ(radioClicks, 1);
    radio.click();
    EXPECT_EQ(radioClicks, 2);
    box.click();  // a user's click
    EXPECT_EQ(boxClicks, 2);
    EXPECT_FALSE(box.Checked());
}

// A choice is one exclusive button group whatever the radios' parents; code may still leave it
// with no radio checked.
TEST(ComponentsTest, CodeUnchecksARadioOfAnExclusiveGroup) {
    QWidget first, second;
    forms::TRadioButton a("a", &first), b("b", &second);
    QButtonGroup group;
    group.addButton(&a);
    group.addButton(&b);
    a.SetChecked(true);
    b.SetChecked(true);
    EXPECT_FALSE(a.Checked());
    b.SetChecked(false);
    EXPECT_FALSE(b.Checked());
    EXPECT_TRUE(group.exclusive());
    a.SetChecked(true);
    EXPECT_TRUE(a.Checked());
    EXPECT_FALSE(b.Checked());
}

TEST(ComponentsTest, EditChangeFiresForCodeWithoutRecursion) {
    forms::TEdit edit;
    int changes = 0;
    edit.OnChange = [&] {
        ++changes;
        edit.SetText(edit.Text() + "!");  // a handler that sets the text itself
    };
    edit.SetText("a");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(edit.Text(), "a!");
    edit.SetText("a!");  // same text still runs the change action
    EXPECT_EQ(changes, 2);
}

TEST(ComponentsTest, GridCellsGrowTheGrid) {
    forms::TStringGrid grid;
    EXPECT_EQ(grid.Cells(3, 4), "");
    grid.SetCells(2, 5, "x");
    EXPECT_EQ(grid.ColCount(), 3);
    EXPECT_EQ(grid.RowCount(), 6);
    EXPECT_EQ(grid.Cells(2, 5), "x");
    grid.SetCells(2, 5, "y");
    EXPECT_EQ(grid.Cells(2, 5), "y");
}

TEST(ComponentsTest, TimerFiresItsAction) {
    forms::TTimer timer;
    int fired = 0;
    timer.OnTimer = [&] { ++fired; };
    timer.SetInterval(5000);
    timer.SetEnabled(true);
    EXPECT_TRUE(timer.Enabled());
    timer.Fire();
    EXPECT_EQ(fired, 1);
    timer.SetEnabled(false);
    EXPECT_FALSE(timer.Enabled());
}

}  // namespace
