// What every input page of the consumer model shares.
#include "consumer/pages/input_page.h"

#include <QHBoxLayout>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "consumer/model/case_state.h"
#include "consumer/model/result_format.h"
#include "consumer/pages/help_files.h"
#include "consumer/pages/kiv_state.h"

namespace consumer {
namespace {

struct PageButtonEntry {
    int id;
    const char* caption;
};

const PageButtonEntry kPageButtons[] = {{101, "Introduction"},       {102, "Scenario"},
                                        {103, "Inhalation Input"},   {104, "Dermal Input"},
                                        {105, "Day of Use"},         {106, "Days After Use"},
                                        {107, "Chemical Properties"}};

}  // namespace

NumberEdit::NumberEdit(QWidget* parent) : forms::TEdit(parent) {
    setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9.,eE+\\-]*"), this));
    setMaximumWidth(110);
    // Wide enough for any number it shows (four significant digits and an exponent).
    setMinimumWidth(fontMetrics().horizontalAdvance("-8.888e-88") + 16);
}

void NumberEdit::ShowNumber(double value, bool toStore) {
    shown_ = EditNumberText(value);
    shownValue_ = value;
    storeShown_ = toStore;
    SetText(shown_);
}

void NumberEdit::StoreNumber(double& field) const {
    if (Text() != shown_ || storeShown_)
        field = Number();
}

double NumberEdit::Number() const {
    return Text() == shown_ ? shownValue_ : EditNumberValue(Text());
}

const QColor kStaticTextColour(0, 0, 255);

char PageCodeOfButton(int id) {
    return static_cast<char>('0' + (id - 101));
}

TInputPage::TInputPage(const std::string& title, int helpContext, QWidget* parent)
    : QWidget(parent), title_(title), helpContext_(helpContext) {
    setWindowTitle(QString::fromStdString(title));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(166, 202, 240));
    // Disabled buttons keep the style's grey text, so that they look disabled.
    // Static texts (labels, radio and group captions) in light blue, button texts in wine red.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::ButtonText, QColor(128, 0, 64));
        palette.setColor(group, QPalette::WindowText, kStaticTextColour);
    }
    setPalette(palette);
    auto* outer = new QHBoxLayout(this);
    auto* column = new QVBoxLayout;
    for (const PageButtonEntry& entry : kPageButtons) {
        auto* button = new forms::TButton(entry.caption, this);
        int id = entry.id;
        button->OnClick = [this, id] { PageButtonClick(id); };
        buttons_[id] = button;
        column->addWidget(button);
    }
    column->addSpacing(12);
    help_ = new forms::TButton("Quick Assist", this);
    help_->OnClick = [this] { HelpClick(); };
    column->addWidget(help_);
    column->addStretch();
    outer->addLayout(column);
    body_ = new QGridLayout;
    outer->addLayout(body_, 1);
}

void TInputPage::SetupWindow() {
    if (RunMode == kRunLinked) {
        if (forms::TButton* chemical = PageButton(107))
            chemical->hide();
    }
    PageCode = '9';
}

void TInputPage::CommandEnabler(int) {
    StoreStep();
}

forms::TButton* TInputPage::PageButton(int id) const {
    auto it = buttons_.find(id);
    return it == buttons_.end() ? nullptr : it->second;
}

NumberEdit* TInputPage::Number(int id) const {
    auto it = numbers_.find(id);
    return it == numbers_.end() ? nullptr : it->second;
}

void TInputPage::Navigate(char code) {
    PageCode = code;
    NavigationPending = "0";
    closed_ = true;
    if (OnClose)
        OnClose();
}

void TInputPage::HelpClick() {
    OpenHelpTopic(helpContext_);
}

bool TInputPage::PathwayAbsent(int id) {
    int scenarioClass = CaseInputs->ScenarioClass;
    if (id == 104)
        return scenarioClass == 1;
    if (id == 103 || id == 105 || id == 106)
        return scenarioClass == 0;
    return false;
}

void TInputPage::FollowPageButton(int id) {
    StoreStep();
    if (PathwayAbsent(id))
        return;
    Navigate(PageCodeOfButton(id));
}

void TInputPage::EnablePathwayButtons() {
    for (int id : {103, 104, 105, 106}) {
        if (forms::TButton* button = PageButton(id))
            button->setEnabled(!PathwayAbsent(id));
    }
}

NumberEdit* TInputPage::AddNumberRow(int id, int row, int column, const std::string& label,
                                     const std::string& unit) {
    auto* text = new forms::TLabel(label, this);
    text->setObjectName(QString("label%1").arg(id));
    auto* edit = new NumberEdit(this);
    edit->setObjectName(QString("edit%1").arg(id));
    auto* units = new forms::TLabel(unit, this);
    units->setObjectName(QString("unit%1").arg(id));
    body_->addWidget(text, row, column * 3);
    body_->addWidget(edit, row, column * 3 + 1);
    body_->addWidget(units, row, column * 3 + 2);
    numbers_[id] = edit;
    return edit;
}

forms::TLabel* TInputPage::AddLabel(int row, int column, const std::string& text, int span) {
    auto* label = new forms::TLabel(text, this);
    body_->addWidget(label, row, column, 1, span);
    return label;
}

void TInputPage::AddIdentityRows() {
    AddLabel(0, 0, "Identification Number:");
    idEdit_ = new forms::TEdit(this);
    body_->addWidget(idEdit_, 0, 1, 1, 2);
    AddLabel(1, 0, "Product:");
    productEdit_ = new forms::TEdit(this);
    body_->addWidget(productEdit_, 1, 1, 1, 2);
    scenarioLabel_ = AddLabel(2, 0, "Scenario:", 6);
}

void TInputPage::ShowIdentity(const std::string& scenarioSuffix) {
    idEdit_->SetText(CaseInputs->IdNumber);
    productEdit_->SetText(CaseInputs->ProductName);
    idEdit_->setEnabled(false);
    productEdit_->setEnabled(false);
    scenarioLabel_->SetText("Scenario: " + CaseInputs->ScenarioName + scenarioSuffix);
}

void TInputPage::OmitButton(int id) {
    auto it = buttons_.find(id);
    if (it == buttons_.end())
        return;
    delete it->second;
    buttons_.erase(it);
}

}  // namespace consumer
