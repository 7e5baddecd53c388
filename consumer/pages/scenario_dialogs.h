// The Scenario page's dialogs: weight fractions from the list, the user-defined scenario and the
// three ways to a skin permeability coefficient.
#pragma once

#include <QListWidget>
#include <map>
#include <vector>

#include "consumer/pages/input_page.h"
#include "platform/forms/form.h"

namespace consumer {

// A list of table lines with OK and Cancel; OK is enabled only while a line is selected.
class LineListDialog : public forms::Form {
    Q_OBJECT
  public:
    LineListDialog(const std::string& caption, QWidget* parent);
    QListWidget* List() const { return list_; }
    forms::TButton* OkButton() const { return ok_; }
    forms::TButton* CancelButton() const { return cancel_; }
    void FillLines(const std::vector<std::string>& lines);
    void OkClick();

  protected:
    // Takes the chosen line; false leaves the dialog open.
    virtual bool Accept(const std::string& line) = 0;

  private:
    QListWidget* list_ = nullptr;
    forms::TButton* ok_ = nullptr;
    forms::TButton* cancel_ = nullptr;
};

// The weight fractions of the case's scenario from table wtfract.
class TWFValue : public LineListDialog {
    Q_OBJECT
  public:
    explicit TWFValue(QWidget* parent = nullptr);

  protected:
    bool Accept(const std::string& line) override;

  private:
    // The column heads, in the list's font, each starting where its column of numbers does.
    forms::TLabel* heads_ = nullptr;
};

// Published permeability coefficients from table kpval.
class TFluxList : public LineListDialog {
    Q_OBJECT
  public:
    explicit TFluxList(QWidget* parent = nullptr);

  protected:
    bool Accept(const std::string& line) override;
};

// One number with OK and Cancel: the known permeability coefficient or the known Kow.
class NumberDialog : public forms::Form {
    Q_OBJECT
  public:
    NumberDialog(const std::string& caption, const std::string& prompt, const std::string& unit,
                 double shown, QWidget* parent);
    NumberEdit* Edit() const { return edit_; }
    forms::TButton* OkButton() const { return ok_; }
    void OkClick();

  protected:
    virtual bool Accept(double value) = 0;

  private:
    NumberEdit* edit_ = nullptr;
    forms::TButton* ok_ = nullptr;
};

class TEnterFlux : public NumberDialog {
    Q_OBJECT
  public:
    explicit TEnterFlux(QWidget* parent = nullptr);

  protected:
    bool Accept(double value) override;
};

class TEnterKow : public NumberDialog {
    Q_OBJECT
  public:
    explicit TEnterKow(QWidget* parent = nullptr);

  protected:
    bool Accept(double value) override;
};

// The permeability coefficient (cm/hr) estimated from Kow and the molecular weight.
double PermeabilityFromKow(double kow, double molecularWeight);

class TUserDef : public forms::Form {
    Q_OBJECT
  public:
    explicit TUserDef(QWidget* parent = nullptr);
    void SetupWindow();
    void FormShow() override { SetupWindow(); }

    forms::TRadioButton* Category(int id) const { return categories_.at(id); }
    forms::TRadioButton* Potential() const { return potential_; }
    forms::TRadioButton* Absorbed() const { return absorbed_; }
    forms::TCheckBox* Source(int id) const { return sources_.at(id); }
    forms::TButton* OkButton() const { return ok_; }

    void OkClick();

  private:
    void CategoryChanged();
    void PotentialChosen();
    void AbsorbedChosen();
    void PickFromList();
    void EnterKnown();
    void EstimateFromKow();

    std::map<int, forms::TRadioButton*> categories_;
    forms::TRadioButton* potential_ = nullptr;
    forms::TRadioButton* absorbed_ = nullptr;
    std::map<int, forms::TCheckBox*> sources_;
    forms::TLabel* sourceCaption_ = nullptr;
    forms::TButton* ok_ = nullptr;
};

}  // namespace consumer
