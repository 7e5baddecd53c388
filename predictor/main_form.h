// TMainForm: the predictor's one window, showing one release with its stack and fugitive
// source data, the weather and terrain choices and the building data, and running the model.
#pragma once

#include <QStatusBar>
#include <QTabWidget>
#include <string>
#include <vector>

#include "platform/forms/combo_box.h"
#include "platform/forms/components.h"
#include "platform/forms/form.h"
#include "platform/tables/table.h"
#include "predictor/exchange.h"
#include "predictor/release.h"

struct PredictorOptions {
    std::string folder;    // the working folder; empty: the current one
    int timeoutMs = 3000;  // per model run
};

class TMainForm : public forms::Form {
    Q_OBJECT
  public:
    TMainForm();
    explicit TMainForm(const PredictorOptions& options);
    ~TMainForm() override;

    forms::TLabel* Label1;
    forms::TComboBox* PMNNumber;
    forms::TEdit* IncinRel;
    forms::TEdit* IncinRelDPY;
    forms::TEdit* IncinPerc;
    forms::TEdit* FugRel;
    forms::TEdit* FugRelDPY;
    forms::TEdit* FugPerc;
    forms::TEdit* FacName;
    forms::TEdit* NumSites;
    QTabWidget* PageControl1;
    QWidget* FacData;
    QWidget* MetData;
    QWidget* DownwashData;
    forms::TEdit* StkHt;
    forms::TEdit* StkDiam;
    forms::TEdit* StkExitVel;
    forms::TEdit* StkExitTemp;
    forms::TEdit* AmbTemp;
    forms::TEdit* FugRelHt;
    forms::TEdit* FieldLen;
    forms::TEdit* FieldWidth;
    forms::TEdit* TerrainHt;
    forms::TEdit* Distance;
    forms::TEdit* WindSpeed;
    forms::TEdit* FacLen;
    forms::TEdit* FacWid;
    forms::TEdit* FacHt;
    forms::TComboBox* StkHtUnits;
    forms::TComboBox* StkDiamUnits;
    forms::TComboBox* StkExitVelUnits;
    forms::TComboBox* StkExitTempUnits;
    forms::TComboBox* AmbTempUnits;
    forms::TComboBox* FugRelHtUnits;
    forms::TComboBox* FieldLenUnits;
    forms::TComboBox* FieldWidthUnits;
    forms::TComboBox* TerrainHtUnits;
    forms::TComboBox* DistanceUnits;
    forms::TComboBox* WindSpeedUnits;
    forms::TComboBox* FacLenUnits;
    forms::TComboBox* FacWidthUnits;
    forms::TComboBox* FacHtUnits;
    forms::TComboBox* LandUse;
    forms::TComboBox* MetClass;
    forms::TComboBox* StabClass;
    forms::TCheckBox* Downwash;
    forms::TEdit* Results;
    forms::TEdit* ResultsAcute;
    forms::TEdit* ResultsFug;
    forms::TEdit* ResultsAcuteFug;
    forms::TButton* Submit;
    forms::TButton* BitBtn1;
    QStatusBar* StatusBar1;

    void FormActivate() override { OpenForm(); }
    void FormClose() override { CloseForm(); }

    void OpenForm();
    void CloseForm();
    void BitBtn1Click();
    void SubmitClick();
    void ChangePMN();
    void ShowScreens();
    void UpdateScreens();
    // Form to row; false (with a message shown) when a value is not a number or does not fit.
    bool GetData();
    void ShowFacParams();
    void ShowMetParams();
    void ShowDownwash();

    const std::string& CallerName() const { return request_.caller; }
    int CurrentReleaseIndex() const { return currentReleaseIndex_; }
    bool TableOpen() const { return table_.IsOpen(); }
    // The release on the form, as last read from or written to the row.
    const ReleaseInputs& Release() const { return release_; }

  private:
    // A number edit with the value it showed, so an untouched value keeps every digit.
    struct NumberEdit {
        forms::TEdit* edit;
        forms::TComboBox* units;
        const EditedNumber* number;
        std::string shown;
    };

    void BuildLayout();
    QWidget* BuildFacilityPage();
    QWidget* BuildWeatherPage();
    QWidget* BuildDownwashPage();
    QWidget* BuildReleasePanel();
    QWidget* BuildResultsPanel();
    void AddNumberRow(QWidget* page, class QGridLayout* grid, int row, const char* caption,
                      forms::TEdit*& edit, forms::TComboBox*& units, const char* field,
                      std::vector<QWidget*>* group);

    void StartUp();
    bool OpenReleaseTable();
    void FindRelease();
    void ShowRelease();
    void ShowNumbers();
    bool ReadForm(ReleaseInputs& into);
    bool PostInputs(const ReleaseInputs& inputs);
    bool ShowMessages(const std::vector<std::string>& messages);
    void RunModel(ReleaseInputs inputs);
    void ShowResults(const AirConcentrations& c);
    // The results the release row holds.
    void ShowStored();
    ChimraAnswer CurrentAnswer(const AirConcentrations& c);
    void WriteAnswer(const ChimraAnswer& answer);
    void Refuse(const std::string& message);
    std::string InFolder(const std::string& name) const;

    PredictorOptions options_;
    tables::Table table_;
    std::string dataFolder_;
    ChimraRequest request_;
    std::vector<std::string> listed_;
    int savedReleaseIndex_ = 0;
    int currentReleaseIndex_ = 0;
    ReleaseInputs release_;
    std::vector<NumberEdit> numbers_;
    std::vector<QWidget*> stackControls_;
    std::vector<QWidget*> fugitiveControls_;
    std::vector<QWidget*> stabilityControls_;
    std::vector<QWidget*> windControls_;
    std::string refusal_;  // why the program cannot show a release; shown at activation
    bool opened_ = false;
};

extern TMainForm* MainForm;
