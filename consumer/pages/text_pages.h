// The pages of typed inputs: inhalation, dermal (potential dose) and dermal (absorbed dose).
#pragma once

#include "consumer/pages/input_page.h"

namespace consumer {

class TInhInput : public TInputPage {
    Q_OBJECT
  public:
    explicit TInhInput(QWidget* parent = nullptr);
    void SetupWindow() override;
    void StoreStep() override;
    void CommandEnabler(int command) override;
    forms::TLabel* DoseLabel() const { return doseLabel_; }

  protected:
    void PageButtonClick(int id) override;

  private:
    forms::TLabel* doseLabel_ = nullptr;
    double previousHighEnd_ = 0;
};

class TDermInput : public TInputPage {
    Q_OBJECT
  public:
    explicit TDermInput(QWidget* parent = nullptr);
    void SetupWindow() override;
    void StoreStep() override;
    forms::TLabel* DoseLabel() const { return doseLabel_; }
    forms::TLabel* BodyFrequencyLabel() const { return bodyFrequencyLabel_; }

  protected:
    void PageButtonClick(int id) override;

  private:
    forms::TLabel* doseLabel_ = nullptr;
    forms::TLabel* bodyFrequencyLabel_ = nullptr;
    forms::TLabel* acuteLabel_ = nullptr;
};

class TDermInput2 : public TInputPage {
    Q_OBJECT
  public:
    explicit TDermInput2(QWidget* parent = nullptr);
    void SetupWindow() override;
    void StoreStep() override;

  protected:
    void PageButtonClick(int id) override;
    void HelpClick() override;

  private:
    forms::TLabel* doseLabel_ = nullptr;
};

// Leaving either edit copies its value into the other (the ADD/ADC averaging time follows the
// chronic exposure duration).
void LinkDurationEdits(NumberEdit* duration, NumberEdit* averagingTime);

}  // namespace consumer
