// The show operations of the two dilution-model pages and of the special evaluation grid.
#include <algorithm>
#include <cmath>

#include "dilution/industry_categories.h"
#include "dilution/pdm_categories.h"
#include "dilution/pdm_results.h"
#include "exposure/special_evaluation.h"
#include "platform/forms/ui_service.h"
#include "results/display_formats.h"
#include "results/scr_res_form.h"
#include "results/scr_res_pdm_solo.h"
#include "scenario/lookups_flows.h"
#include "scenario/number_text.h"
#include "scenario/scenario_record.h"

namespace {

// Stations of one reach are few; the bound only keeps a damaged table from looping.
constexpr int MostStationsOfAReach = 10000;

// The list position of a stored category, or -1 (no entry) for one outside the list.
int CategoryPosition(int category) {
    return category >= 1 && category <= IndustryCategoryCount ? category - 1 : -1;
}

void ShowRow(QWidget* field, bool shown) {
    if (field && field->parentWidget())
        field->parentWidget()->setVisible(shown);
}

}  // namespace

void TScrResForm::ShowNotARiverOnce() {
    if (notRiverShown_)
        return;
    notRiverShown_ = true;
    forms::Ui().MessageBox(
        "The reach associated with this NPDES is not a river - It is possibly a lake.\nYou may "
        "not perform a PDM run on this NPDES.",
        "Error", forms::Buttons::Ok, forms::Icon::Error);
}

void TScrResForm::ShowPdmSiteResults() {
    pmn_record& r = CurrentPmn;
    SetField("IndTypePdmSite", r.RELEASE);
    SetField("ActiveNotePdm", DirectRec.IACC == "A"   ? "Note: this is an active site."
                              : DirectRec.IACC == "I" ? "Note: this is an inactive site."
                                                      : "");
    const bool gage = PdmGageFound == 1;
    if (gage) {
        SetField("PeriodPdmSite", ActFlowRec.FIRSTDAY + " - " + ActFlowRec.LASTDAY);
        SetField("NumObsPdmSite", std::to_string(ActFlowRec.NUMFLWVALS));
        GagePdmSite->clear();
        int stations = 0;
        while (stations < MostStationsOfAReach && LoadGageFlows(r.REACH, stations)) {
            GagePdmSite->addItem(QString::fromStdString(ActFlowRec.STA_ID));
            ++stations;
        }
        // A stored station position outside the reach's stations means its first station.
        const double stored = std::trunc(r.GAGE_POS);
        const int position = stored >= 0 && stored < stations ? static_cast<int>(stored) : 0;
        PdmGageFound = LoadGageFlows(r.REACH, position);
        GagePdmSite->setCurrentIndex(stations > 0 ? position : -1);
        SetField("PeriodPdmSite", ActFlowRec.FIRSTDAY + " - " + ActFlowRec.LASTDAY);
        SetField("NumObsPdmSite", std::to_string(ActFlowRec.NUMFLWVALS));
    }
    for (QWidget* w : {static_cast<QWidget*>(GageLabel), static_cast<QWidget*>(GagePdmSite)})
        w->setVisible(gage);
    // These two share their box with the other fields of the page: only they go.
    ShowField("PeriodPdmSite", gage);
    ShowField("NumObsPdmSite", gage);
    SetField("EffFlowPdmSite", DisplayValue(r.PLANTFLO) + r.EFFFLG);
    SetField("DischargeTypePdmSite", r.DTYPE == 'D' ? "Direct" : r.DTYPE == 'I' ? "Indirect" : "");
    (r.HIT == 'Y' ? YesPdmSite : r.HIT == 'N' ? NoPdmSite : UnkPdmSite)->setChecked(true);
    SetValue("HarMeanFlowPdmSite", PdmSiteMeanFlow);
    SetValue("Flow7q10PdmSite", PdmSiteLowFlow);
    SetField("FacNamePdmSite", r.FAC_NAME);
    SetField("FacLocPdmSite", r.FAC_LOC);
    SetField("NpdesPdmSite", r.NPDES);
    SetField("ReachNumPdmSite", r.REACH);
    SetField("ReachNamePdmSite", r.REACHNAME);
    SetValue("WwtPdmSite", r.WWT_LOW);
    SetValue("RelDaysPdmSite", r.H2ODAYLO);
    SetValue("PreTreatPdmSite", r.H2O_HI);
    SetValue("PostTreatPdmSite", r.PostTreat);
    SetValue("CocPdmSite", r.COC0);
    const double cocs[3] = {r.COC0, r.COC1, r.COC2};
    for (int k = 0; k < 3; ++k) {
        const std::string n = std::to_string(k);
        SetValue("Coc" + n + "PdmSite", cocs[k]);
        SetField("Percent" + n + "Exceeded", WholeText(PdmPercentExceeded[k]));
        SetField("Days" + n + "Exceeded", WholeText(PdmDaysExceeded[k]));
        r.PdmSiteDays[static_cast<size_t>(k)] = PdmDaysExceeded[k];
        r.PdmSitePercent[static_cast<size_t>(k)] = PdmPercentExceeded[k];
        if (k > 0) {
            ShowRow(Field("Coc" + n + "PdmSite"), cocs[k] > 0);
            PdmSiteRunLabels[static_cast<size_t>(k)]->setVisible(cocs[k] > 0);
        }
    }
    if (PdmGageFound == 0 && PdmEstFlowFound == 0) {
        EstFlowRec.LowFlow = 0;
        EstFlowRec.MeanFlow = 0;
        SetField("EffFlowPdmSite", DisplayValue(0));
        if (!r.NPDES.empty())
            ShowNotARiverOnce();
    }
    if (ReachRec.LOW_FLOW == 0 || ReachRec.HarmonicFlow == 0) {
        for (const char* name : {"FacNamePdmSite", "FacLocPdmSite", "NpdesPdmSite",
                                 "ReachNumPdmSite", "ReachNamePdmSite", "EffFlowPdmSite"})
            SetField(name, "");
        GagePdmSite->clear();
        NpdesListPdmSite->clear();
        UnkPdmSite->setChecked(true);
        PdmGageFound = 0;
        PdmEstFlowFound = 0;
    }
}

void TScrResForm::ShowPostTreatmentRelease(int page) {
    pmn_record& r = CurrentPmn;
    const double post = r.H2O_HI * (1 - 0.01 * r.WWT_LOW);
    SetValue(page == 1 ? "PostTreatPdmSite" : "PostTreatPdmSic", post);
    r.PostTreat = post;
}

void TScrResForm::ShowPdmSicInputs() {
    pmn_record& r = CurrentPmn;
    SicDescPdmSic->setCurrentIndex(CategoryPosition(r.SIC_CODE));
    if (r.SIC_CODE > 0) {
        SelectPdmCategory();
        SetField("SicCodesPdmSic", SicCodeList);
        SicDescPdmSic->setCurrentIndex(CategoryPosition(r.SIC_CODE));
    }
    SetField("IndTypePdmSic", r.RELEASE);
    SetValue("WwtPdmSic", r.WWT_LOW);
    SetValue("RelDaysPdmSic", r.H2ODAYLO);
    SetValue("CocPdmSic", r.COC0);
    SetValue("PreTreatPdmSic", r.H2O_HI);
    ShowPostTreatmentRelease(2);
}

void TScrResForm::ShowPdmSicResults() {
    const pmn_record& r = CurrentPmn;
    SetField("IndTypePdmSic", r.RELEASE);
    SicDescPdmSic->setCurrentIndex(CategoryPosition(r.SIC_CODE));
    SetValue("WwtPdmSic", r.WWT_LOW);
    SetField("RelDaysPdmSic", PlainText(r.H2ODAYLO));
    SetValue("PreTreatPdmSic", r.H2O_HI);
    SetValue("PostTreatPdmSic", r.PostTreat);
    SetValue("CocPdmSic", r.COC0);
    SetField("SicCodesPdmSic", SicCodeList);
    (PdmHighEnd == 1 ? HiEndPdmSic : AvePdmSic)->setChecked(true);
    const double cocs[3] = {r.COC0, r.COC1, r.COC2};
    for (int k = 0; k < 3; ++k) {
        const std::string n = std::to_string(k);
        SetField("Days" + n + "ExceededPdmSic",
                 PdmDaysExceeded[k] >= 0 ? WholeText(PdmDaysExceeded[k]) : "N/A");
        SetField("Percent" + n + "ExceededPdmSic",
                 PdmPercentExceeded[k] >= 0 ? WholeText(PdmPercentExceeded[k]) : "N/A");
        SetValue("Coc" + n + "PdmSic", PdmCoc[k]);
        if (k > 0) {
            ShowRow(Field("Coc" + n + "PdmSic"), cocs[k] > 0);
            PdmSicRunLabels[static_cast<size_t>(k)]->setVisible(cocs[k] > 0);
        }
    }
    for (int k = 0; k < 3 && PdmCoc[k] > 0; ++k) {
        const int row = std::max(PdmSicResultRows, 1);
        // The rows written stay; a result that has no row left is not listed.
        if (ResultGridFull(*PdmSicResultsList, row))
            break;
        PdmSicResultsList->SetCells(0, row, FormatFixed2Width10(PdmCoc[k]));
        PdmSicResultsList->SetCells(1, row, FormatFixed0Width10(PdmPercentExceeded[k]));
        PdmSicResultsList->SetCells(2, row, FormatFixed0Width10(PdmDaysExceeded[k]));
        PdmSicResultsList->SetCells(3, row, FormatFixed0Width6(PdmReleaseDays));
        PdmSicResultsList->SetCells(4, row, FormatFixed2Width10(PdmPreTreatRelease));
        PdmSicResultsList->SetCells(5, row, FormatFixed2Width6(PdmWwtRemoval));
        PdmSicResultsList->SetCells(6, row, HiEndPdmSic->isChecked() ? "High    " : "Average ");
        if (k + 1 < 3 && PdmCoc[k + 1] > 0)
            ++PdmSicResultRows;
    }
    SicDescPdmSic->setCurrentIndex(CategoryPosition(r.SIC_CODE));
}

void TScrResForm::FillSpecialEvaluationGrid() {
    const SpecialEvaluationCells cells =
        SpecialEvaluationGridCells(*this, Inputs.ExposureBased, Inputs.Persistent);
    for (int row = 0; row < 7; ++row) {
        for (int col = 0; col < 4; ++col)
            SpecGrid->SetCells(col, row, cells[static_cast<size_t>(row)][static_cast<size_t>(col)]);
    }
}
