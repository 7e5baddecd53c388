// Widgets with the behaviour the forms expect where Qt's own differs.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

namespace forms {

using Action = std::function<void()>;

// "Visible" in the forms' sense: not hidden, even while the parent is not shown.
inline bool Visible(const QWidget* widget) {
    return widget && !widget->isHidden();
}

// Anything with a text the helpers can read and set: edits, memos, labels.
class TextControl {
  public:
    virtual ~TextControl() = default;
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual bool IsReadOnly() const { return false; }
    virtual void SelectAllText() {}
};

// An edit whose change action also fires for text set by code, but never inside itself.
class TEdit : public QLineEdit, public TextControl {
    Q_OBJECT
  public:
    explicit TEdit(QWidget* parent = nullptr);
    std::string Text() const override;
    void SetText(const std::string& text) override;
    bool IsReadOnly() const override { return isReadOnly(); }
    void SelectAllText() override { selectAll(); }

    Action OnChange;
    Action OnEnter;
    Action OnExit;

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    bool changing_ = false;
};

class TMemo : public QPlainTextEdit, public TextControl {
    Q_OBJECT
  public:
    explicit TMemo(QWidget* parent = nullptr);
    std::string Text() const override;
    void SetText(const std::string& text) override;
    bool IsReadOnly() const override { return isReadOnly(); }
    void SelectAllText() override { selectAll(); }
    std::vector<std::string> Lines() const;
    void AddLine(const std::string& line);

    Action OnChange;

  private:
    bool changing_ = false;
};

class TLabel : public QLabel, public TextControl {
    Q_OBJECT
  public:
    explicit TLabel(const std::string& caption = "", QWidget* parent = nullptr);
    std::string Text() const override;
    void SetText(const std::string& text) override;
    bool IsReadOnly() const override { return true; }
};

class TButton : public QPushButton {
    Q_OBJECT
  public:
    explicit TButton(const std::string& caption = "", QWidget* parent = nullptr);
    Action OnClick;
    // Runs the click action as a user's click would.
    void Click();
};

// A check box whose click action runs for a user's click, and for a change made from code
// only when the state actually changes.
class TCheckBox : public QCheckBox {
    Q_OBJECT
  public:
    explicit TCheckBox(const std::string& caption = "", QWidget* parent = nullptr);
    bool Checked() const { return isChecked(); }
    void SetChecked(bool checked);
    Action OnClick;
};

// A radio button whose click action runs when it becomes checked, by a click or from code; a
// click on the radio already checked, or unchecking it, runs nothing.
class TRadioButton : public QRadioButton {
    Q_OBJECT
  public:
    explicit TRadioButton(const std::string& caption = "", QWidget* parent = nullptr);
    bool Checked() const { return isChecked(); }
    void SetChecked(bool checked);
    Action OnClick;
};

// A grid of texts addressed as Cells(col, row).
class TStringGrid : public QTableWidget {
    Q_OBJECT
  public:
    explicit TStringGrid(QWidget* parent = nullptr);
    std::string Cells(int col, int row) const;
    void SetCells(int col, int row, const std::string& text);
    int RowCount() const { return rowCount(); }
    int ColCount() const { return columnCount(); }
    void SetRowCount(int rows) { setRowCount(rows); }
    void SetColCount(int cols) { setColumnCount(cols); }
    int Row() const { return currentRow(); }
    // Selecting a cell from code or by the user runs OnSelectCell(col, row).
    std::function<void(int, int)> OnSelectCell;
};

class TTimer : public QObject {
    Q_OBJECT
  public:
    explicit TTimer(QObject* parent = nullptr);
    int Interval() const { return timer_.interval(); }
    void SetInterval(int ms) { timer_.setInterval(ms); }
    bool Enabled() const { return timer_.isActive(); }
    void SetEnabled(bool enabled);
    Action OnTimer;
    // Runs the timer's action as if the interval had passed (tests).
    void Fire();

  private:
    QTimer timer_;
};

}  // namespace forms
