// Widgets with the behaviour the forms expect where Qt's own differs.
#include "platform/forms/components.h"

#include <QButtonGroup>
#include <QStringList>

namespace forms {
namespace {

// Runs a change action unless one is running already, so that an action which sets the text
// again does not start itself over.
void RunChange(bool& changing, const Action& action) {
    if (changing || !action)
        return;
    changing = true;
    action();
    changing = false;
}

}  // namespace

TEdit::TEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, [this] { RunChange(changing_, OnChange); });
}

std::string TEdit::Text() const {
    return text().toStdString();
}

void TEdit::SetText(const std::string& value) {
    QString next = QString::fromStdString(value);
    if (next == text()) {
        // Qt stays silent for an unchanged text; the forms expect the change action anyway.
        RunChange(changing_, OnChange);
        return;
    }
    setText(next);
}

void TEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (OnEnter)
        OnEnter();
}

void TEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (OnExit)
        OnExit();
}

TMemo::TMemo(QWidget* parent) : QPlainTextEdit(parent) {
    connect(this, &QPlainTextEdit::textChanged, this, [this] { RunChange(changing_, OnChange); });
}

std::string TMemo::Text() const {
    return toPlainText().toStdString();
}

void TMemo::SetText(const std::string& text) {
    setPlainText(QString::fromStdString(text));
}

std::vector<std::string> TMemo::Lines() const {
    std::vector<std::string> lines;
    QString all = toPlainText();
    if (all.isEmpty())
        return lines;
    for (const QString& line : all.split('\n'))
        lines.push_back(line.toStdString());
    return lines;
}

void TMemo::AddLine(const std::string& line) {
    appendPlainText(QString::fromStdString(line));
}

TLabel::TLabel(const std::string& caption, QWidget* parent)
    : QLabel(QString::fromStdString(caption), parent) {}

std::string TLabel::Text() const {
    return text().toStdString();
}

void TLabel::SetText(const std::string& value) {
    setText(QString::fromStdString(value));
}

TButton::TButton(const std::string& caption, QWidget* parent)
    : QPushButton(QString::fromStdString(caption), parent) {
    connect(this, &QPushButton::clicked, this, [this] {
        if (OnClick)
            OnClick();
    });
}

void TButton::Click() {
    if (OnClick)
        OnClick();
}

TCheckBox::TCheckBox(const std::string& caption, QWidget* parent)
    : QCheckBox(QString::fromStdString(caption), parent) {
    connect(this, &QCheckBox::clicked, this, [this] {
        if (OnClick)
            OnClick();
    });
}

void TCheckBox::SetChecked(bool checked) {
    if (checked == isChecked())
        return;
    setChecked(checked);
    if (OnClick)
        OnClick();
}

TRadioButton::TRadioButton(const std::string& caption, QWidget* parent)
    : QRadioButton(QString::fromStdString(caption), parent) {
    connect(this, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked && OnClick)
            OnClick();
    });
}

void TRadioButton::SetChecked(bool checked) {
    if (checked) {
        setChecked(true);
        return;
    }
    // Qt keeps the checked radio of an exclusive set checked, whether the set is its parent's
    // radios or a button group; code may still uncheck it.
    QButtonGroup* buttons = group();
    const bool groupExclusive = buttons && buttons->exclusive();
    if (groupExclusive)
        buttons->setExclusive(false);
    const bool exclusive = autoExclusive();
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(exclusive);
    if (groupExclusive)
        buttons->setExclusive(true);
}

TStringGrid::TStringGrid(QWidget* parent) : QTableWidget(parent) {
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int col, int, int) {
        if (OnSelectCell && row >= 0 && col >= 0)
            OnSelectCell(col, row);
    });
}

std::string TStringGrid::Cells(int col, int row) const {
    const QTableWidgetItem* cell = item(row, col);
    return cell ? cell->text().toStdString() : std::string();
}

void TStringGrid::SetCells(int col, int row, const std::string& text) {
    if (row >= rowCount())
        setRowCount(row + 1);
    if (col >= columnCount())
        setColumnCount(col + 1);
    QTableWidgetItem* cell = item(row, col);
    if (!cell) {
        setItem(row, col, new QTableWidgetItem(QString::fromStdString(text)));
    } else {
        cell->setText(QString::fromStdString(text));
    }
}

TTimer::TTimer(QObject* parent) : QObject(parent) {
    connect(&timer_, &QTimer::timeout, this, [this] { Fire(); });
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled) {
        timer_.start();
    } else {
        timer_.stop();
    }
}

void TTimer::Fire() {
    if (OnTimer)
        OnTimer();
}

}  // namespace forms
