// The Scenario page's dialogs: weight fractions, the user-defined scenario and permeability.
#include "consumer/pages/scenario_dialogs.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "consumer/data/reference_lists.h"
#include "consumer/model/case_state.h"
#include "platform/forms/ui_service.h"

namespace consumer {
namespace {

struct CategoryRow {
    int id;
    const char* caption;
    const char* keyword;
    int scenarioClass;
};

const CategoryRow kCategories[] = {
    {301, "Product Applied to Surface (Dermal, Inhalation - Incremental Source Model)",
     "appliedsurfacecleaner", 2},
    {302, "Product Applied to Surface (Dermal, Inhalation - Double Exponential Model)",
     "appliedsurfacepaint", 2},
    {303, "Product Sprayed on Surface (Inhalation - Constant Rate and Incremental Model)",
     "sprayedsurface", 1},
    {304, "Product Added to Water (Dermal, Inhalation - Constant Rate Model)", "addedwater", 2},
    {305, "Product Placed in Environment (Inhalation - Constant Rate Model)", "placedenvironment",
     1},
    {306, "Product Contacts Skin Directly (Dermal)", "contactskin", 0},
};

QHBoxLayout* OkCancelRow(forms::Form* form, forms::TButton*& ok, forms::TButton*& cancel) {
    auto* row = new QHBoxLayout;
    ok = new forms::TButton("OK", form);
    cancel = new forms::TButton("Cancel", form);
    cancel->OnClick = [form] { form->SetModalResult(forms::mrCancel); };
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

}  // namespace

LineListDialog::LineListDialog(const std::string& caption, QWidget* parent) : forms::Form(parent) {
    SetCaption(caption);
    auto* layout = new QVBoxLayout(this);
    list_ = new QListWidget(this);
    list_->setMinimumWidth(460);
    // The table lines line their numbers up in columns.
    list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(list_);
    layout->addLayout(OkCancelRow(this, ok_, cancel_));
    ok_->OnClick = [this] { OkClick(); };
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { OkClick(); });
    connect(list_, &QListWidget::currentRowChanged, this,
            [this](int row) { ok_->setEnabled(row >= 0); });
}

void LineListDialog::FillLines(const std::vector<std::string>& lines) {
    list_->clear();
    for (const std::string& line : lines)
        list_->addItem(QString::fromStdString(line));
    if (!lines.empty())
        list_->setCurrentRow(0);
    ok_->setEnabled(list_->currentRow() >= 0);
}

// An empty list has no line to take: OK stays disabled and does nothing.
void LineListDialog::OkClick() {
    QListWidgetItem* item = list_->currentItem();
    if (!item)
        return;
    if (Accept(item->text().toStdString()))
        SetModalResult(forms::mrOk);
}

namespace {

// The heads line over a table line: "Median" from the column of its first number, "90th %" from
// that of its last (each number starts one character before its point).
std::string WeightFractionHeads(const std::string& line) {
    size_t first = line.find('.');
    size_t last = line.rfind('.');
    if (first == std::string::npos || first == 0 || last == first)
        return "Median    90th %";
    std::string heads(first - 1, ' ');
    heads += "Median";
    heads.resize(std::max(heads.size() + 1, last - 1), ' ');
    return heads + "90th %";
}

}  // namespace

TWFValue::TWFValue(QWidget* parent) : LineListDialog("Weight Fraction", parent) {
    std::vector<std::string> lines = WeightFractionLines(CaseInputs->ScenarioName);
    heads_ = new forms::TLabel(WeightFractionHeads(lines.empty() ? "" : lines.front()), this);
    heads_->setFont(List()->font());
    // The heads start where the list's texts do: inside its frame and the item's margin.
    int textStart = List()->frameWidth() +
                    List()->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, List()) + 1;
    heads_->setContentsMargins(textStart, 0, 0, 0);
    static_cast<QVBoxLayout*>(layout())->insertWidget(0, heads_);
    FillLines(lines);
}

bool TWFValue::Accept(const std::string& line) {
    double median = 0;
    double high = 0;
    if (!ParseWeightFractionLine(line, median, high)) {
        forms::ShowMessage("This line holds no weight fractions.", "Error", forms::Icon::Error);
        return false;
    }
    CaseInputs->WeightFractionMedian = median;
    CaseInputs->WeightFraction90 = high;
    return true;
}

TFluxList::TFluxList(QWidget* parent) : LineListDialog("Permeability Coefficients", parent) {
    auto* notes = new forms::TLabel(
        "Values in cm/hr.  p - predicted value.  m - measured value.\n"
        "* - The value to the right of the < sign will be used as the flux.",
        this);
    static_cast<QVBoxLayout*>(layout())->insertWidget(0, notes);
    FillLines(PermeabilityLines());
}

bool TFluxList::Accept(const std::string& line) {
    double coefficient = 0;
    if (!ParsePermeabilityLine(line, coefficient) || !(coefficient > 0)) {
        forms::ShowMessage("This line holds no permeability coefficient above zero.", "Error",
                           forms::Icon::Error);
        return false;
    }
    CaseInputs->PermeabilityCoefficient = coefficient;
    CaseInputs->PermeabilitySource = 1;
    return true;
}

NumberDialog::NumberDialog(const std::string& caption, const std::string& prompt,
                           const std::string& unit, double shown, QWidget* parent)
    : forms::Form(parent) {
    SetCaption(caption);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new forms::TLabel(prompt, this));
    auto* row = new QHBoxLayout;
    edit_ = new NumberEdit(this);
    edit_->ShowNumber(shown);
    row->addWidget(edit_);
    row->addWidget(new forms::TLabel(unit, this));
    layout->addLayout(row);
    forms::TButton* cancel = nullptr;
    layout->addLayout(OkCancelRow(this, ok_, cancel));
    ok_->OnClick = [this] { OkClick(); };
}

void NumberDialog::OkClick() {
    if (Accept(edit_->Number()))
        SetModalResult(forms::mrOk);
}

TEnterFlux::TEnterFlux(QWidget* parent)
    : NumberDialog("Permeability Coefficient", "Enter the known permeability coefficient", "cm/hr",
                   CaseInputs->PermeabilityCoefficient, parent) {}

// A coefficient of zero or below gives no absorbed dose: refused, the dialog stays.
bool TEnterFlux::Accept(double value) {
    if (!(value > 0)) {
        forms::ShowMessage("The permeability coefficient must be greater than zero", "Error",
                           forms::Icon::Error);
        return false;
    }
    CaseInputs->PermeabilityCoefficient = value;
    CaseInputs->PermeabilitySource = 2;
    return true;
}

TEnterKow::TEnterKow(QWidget* parent)
    : NumberDialog("Kow", "Enter the known Kow value.", "unitless", CaseInputs->KowValue, parent) {}

// The logarithm of a negative Kow is not a number: refused, the dialog stays.
bool TEnterKow::Accept(double value) {
    if (value < 0 || !std::isfinite(value)) {
        forms::ShowMessage("The Kow value cannot be negative", "Error", forms::Icon::Error);
        return false;
    }
    CaseInputs->KowValue = value;
    CaseInputs->PermeabilitySource = 3;
    return true;
}

double PermeabilityFromKow(double kow, double molecularWeight) {
    return std::pow(10.0, 0.71 * std::log10(kow) - 2.72 - 0.0061 * molecularWeight);
}

TUserDef::TUserDef(QWidget* parent) : forms::Form(parent) {
    SetCaption("User Defined Scenario Description");
    auto* layout = new QVBoxLayout(this);
    auto* categoryBox = new QGroupBox("Scenario Category", this);
    auto* categoryLayout = new QVBoxLayout(categoryBox);
    for (const CategoryRow& row : kCategories) {
        auto* radio = new forms::TRadioButton(row.caption, categoryBox);
        radio->OnClick = [this] { CategoryChanged(); };
        categories_[row.id] = radio;
        categoryLayout->addWidget(radio);
    }
    layout->addWidget(categoryBox);
    auto* doseBox = new QGroupBox("Dose", this);
    auto* doseLayout = new QVBoxLayout(doseBox);
    potential_ = new forms::TRadioButton("Potential Dose", doseBox);
    absorbed_ = new forms::TRadioButton("Absorbed Dose for Aqueous Media", doseBox);
    potential_->OnClick = [this] { PotentialChosen(); };
    absorbed_->OnClick = [this] { AbsorbedChosen(); };
    doseLayout->addWidget(potential_);
    doseLayout->addWidget(absorbed_);
    layout->addWidget(doseBox);
    sourceCaption_ = new forms::TLabel("Select from one of the following options:", this);
    layout->addWidget(sourceCaption_);
    const std::pair<int, const char*> sources[] = {
        {311, "Pick permeability coefficient from list"},
        {312, "Enter known permeability coefficient"},
        {313, "Estimate permeability coefficient from known Kow"}};
    for (const auto& [id, caption] : sources) {
        auto* box = new forms::TCheckBox(caption, this);
        box->setEnabled(false);
        sources_[id] = box;
        layout->addWidget(box);
    }
    sourceCaption_->setEnabled(false);
    sources_.at(311)->OnClick = [this] { PickFromList(); };
    sources_.at(312)->OnClick = [this] { EnterKnown(); };
    sources_.at(313)->OnClick = [this] { EstimateFromKow(); };
    forms::TButton* cancel = nullptr;
    layout->addLayout(OkCancelRow(this, ok_, cancel));
    cancel->hide();
    ok_->OnClick = [this] { OkClick(); };
}

void TUserDef::SetupWindow() {
    const ExposureInputs& in = *CaseInputs;
    if (in.ScenarioName == kUserDefined) {
        for (const CategoryRow& row : kCategories) {
            if (in.ScenarioKeyword == row.keyword)
                categories_.at(row.id)->SetChecked(true);
        }
        if (in.DoseType == "Potential") {
            potential_->SetChecked(true);
        } else {
            absorbed_->SetChecked(true);
            AbsorbedChosen();
        }
    } else {
        categories_.at(301)->SetChecked(true);
        potential_->SetChecked(true);
    }
}

void TUserDef::CategoryChanged() {
    if (categories_.at(303)->Checked() || categories_.at(305)->Checked()) {
        potential_->SetChecked(true);
        absorbed_->setEnabled(false);
    } else {
        absorbed_->setEnabled(true);
    }
}

void TUserDef::PotentialChosen() {
    sourceCaption_->setEnabled(false);
    for (auto& [id, box] : sources_)
        box->setEnabled(false);
}

void TUserDef::AbsorbedChosen() {
    sourceCaption_->setEnabled(true);
    for (auto& [id, box] : sources_) {
        box->setEnabled(true);
        box->blockSignals(true);
        box->setChecked(false);
        box->blockSignals(false);
    }
    int source = CaseInputs->PermeabilitySource;
    if (source >= 1 && source <= 3) {
        forms::TCheckBox* box = sources_.at(310 + source);
        box->blockSignals(true);
        box->setChecked(true);
        box->blockSignals(false);
    }
}

// Cancel in any of the three dialogs leaves both values as they were.
void TUserDef::PickFromList() {
    TFluxList dialog(this);
    if (dialog.ShowModal() == forms::mrOk)
        CaseInputs->KowValue = 0.0;
    AbsorbedChosen();
}

void TUserDef::EnterKnown() {
    TEnterFlux dialog(this);
    if (dialog.ShowModal() == forms::mrOk)
        CaseInputs->KowValue = 0.0;
    AbsorbedChosen();
}

void TUserDef::EstimateFromKow() {
    TEnterKow dialog(this);
    if (dialog.ShowModal() == forms::mrOk) {
        ExposureInputs& in = *CaseInputs;
        in.PermeabilityCoefficient = 0.0;
        if (in.KowValue != 0)
            in.PermeabilityCoefficient = PermeabilityFromKow(in.KowValue, in.MOLECWEIGHT);
    }
    AbsorbedChosen();
}

void TUserDef::OkClick() {
    ExposureInputs& in = *CaseInputs;
    for (const CategoryRow& row : kCategories) {
        if (categories_.at(row.id)->Checked()) {
            in.ScenarioKeyword = row.keyword;
            in.ScenarioClass = row.scenarioClass;
        }
    }
    in.DoseType = potential_->Checked() ? "Potential" : "Absorbed";
    if (in.VAPORPRESS == 0)
        in.ScenarioClass = 0;
    if (in.DoseType == "Absorbed" && in.PermeabilityCoefficient == 0 && in.KowValue == 0) {
        forms::ShowMessage("You must either enter a permeability\ncoefficient or enter a Kow value",
                           "Error", forms::Icon::Error);
        return;
    }
    SetModalResult(forms::mrOk);
}

}  // namespace consumer
