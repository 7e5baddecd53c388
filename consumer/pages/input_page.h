// What every input page of the consumer model shares: page buttons, number edits that keep the
// stored value unless the user changed the text, navigation through the page code.
#pragma once

#include <QColor>
#include <QGridLayout>
#include <QWidget>
#include <functional>
#include <map>
#include <string>

#include "platform/forms/components.h"

namespace consumer {

// An edit for a number: shows four significant digits and accepts only the characters of a
// number ("0-9 . , e E + -").
class NumberEdit : public forms::TEdit {
    Q_OBJECT
  public:
    explicit NumberEdit(QWidget* parent = nullptr);
    // Shows the value with four significant digits. With toStore the store step takes the value
    // itself (not its rounded text), as if it had been typed.
    void ShowNumber(double value, bool toStore = false);
    // The field takes the edit's value only when the text differs from what was shown (or the
    // value was shown to be stored), so a visit does not round the stored value to the four
    // digits on screen.
    void StoreNumber(double& field) const;
    // The value typed, or the whole value behind the text shown while it is unchanged.
    double Number() const;

  private:
    std::string shown_;
    double shownValue_ = 0;
    bool storeShown_ = false;
};

// The colour of the pages' static texts: the window library's light blue.
extern const QColor kStaticTextColour;

// The page code of a page button 101..107 ('0'..'6').
char PageCodeOfButton(int id);

class TInputPage : public QWidget {
    Q_OBJECT
  public:
    TInputPage(const std::string& title, int helpContext, QWidget* parent = nullptr);

    const std::string& Title() const { return title_; }
    // Fills the controls from the case and sets PageCode to '9'.
    virtual void SetupWindow();
    // Reads the controls back into the case.
    virtual void StoreStep() = 0;
    // Before a main-window command (20 exit, 21, 22 output, 34 run): the values on screen are
    // stored first.
    virtual void CommandEnabler(int command);

    forms::TButton* PageButton(int id) const;
    forms::TButton* HelpButton() const { return help_; }
    forms::TEdit* IdEdit() const { return idEdit_; }
    forms::TEdit* ProductEdit() const { return productEdit_; }
    forms::TLabel* ScenarioLabel() const { return scenarioLabel_; }
    NumberEdit* Number(int id) const;

    // Sets the page code, marks the dispatch pending and closes the page.
    void Navigate(char code);
    bool Closed() const { return closed_; }
    // The main window's hook, run when the page closes itself.
    std::function<void()> OnClose;

  protected:
    virtual void PageButtonClick(int id) = 0;
    virtual void HelpClick();
    // Store, skip a page of an absent pathway, then go to the button's page.
    void FollowPageButton(int id);
    // True when the button's page belongs to a pathway the scenario does not have.
    static bool PathwayAbsent(int id);
    void EnablePathwayButtons();

    QGridLayout* Body() const { return body_; }
    // A row "label [edit] unit" of the body; returns the edit, found later as Number(id).
    NumberEdit* AddNumberRow(int id, int row, int column, const std::string& label,
                             const std::string& unit);
    forms::TLabel* AddLabel(int row, int column, const std::string& text, int span = 1);
    // The disabled id and product edits and the scenario line of the text-input pages.
    void AddIdentityRows();
    void ShowIdentity(const std::string& scenarioSuffix);
    // The page buttons the page does not have are removed.
    void OmitButton(int id);

  private:
    std::string title_;
    int helpContext_;
    bool closed_ = false;
    std::map<int, forms::TButton*> buttons_;
    std::map<int, NumberEdit*> numbers_;
    forms::TButton* help_ = nullptr;
    forms::TEdit* idEdit_ = nullptr;
    forms::TEdit* productEdit_ = nullptr;
    forms::TLabel* scenarioLabel_ = nullptr;
    QGridLayout* body_ = nullptr;
};

}  // namespace consumer
