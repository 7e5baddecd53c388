// A check of a form's radio buttons: each choice is one exclusive group, pressed with the mouse.
#pragma once

#include <QRadioButton>
#include <QWidget>
#include <functional>
#include <utility>
#include <vector>

// One choice a form offers: the radios that make it up and, for a choice shown only in some
// state of the form, what a person does first to have it shown (empty when it always is).
struct RadioGroup {
    RadioGroup(std::vector<QRadioButton*> radios, std::function<void()> showIt = {})
        : radios(std::move(radios)), showIt(std::move(showIt)) {}
    std::vector<QRadioButton*> radios;
    std::function<void()> showIt;
};
using RadioGroups = std::vector<RadioGroup>;

// Expects the form's radios to be exactly those of `groups`, then presses each radio of each
// group with the real mouse button (after the group's showIt, with its tab page brought
// forward) and expects after every press that radio checked, exactly one radio of its group
// checked and every other group still with exactly one. A radio a person cannot press even so
// (disabled, or on a panel that is never shown) is checked from code instead, as the form
// itself checks it; those radios are returned, so the test can say which they are. The form
// must be shown.
std::vector<QRadioButton*> ExpectExclusiveRadioGroups(QWidget* form, const RadioGroups& groups);

// Presses a radio button or check box on its indicator with the real mouse button, its tab page
// brought forward first.
void PressButton(QAbstractButton* button);
