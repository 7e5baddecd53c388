// What the numeric inputs of the two dilution pages share.
#include "results/pdm_page_inputs.h"

#include <stdexcept>

#include "dilution/pdm_results.h"
#include "form_helpers/edit_helpers.h"
#include "platform/forms/ui_service.h"
#include "scenario/number_text.h"
#include "scenario/scenario_record.h"

void ConnectPdmInput(forms::TEdit& edit, bool clearedStandAlone, std::function<void()> exit) {
    forms::TEdit* input = &edit;
    edit.OnChange = [input] { FilterNumericEdit(*input); };
    edit.OnEnter = [input, clearedStandAlone] {
        if ((PdmPagesActive == 1) == clearedStandAlone)
            input->SetText("");
    };
    edit.OnExit = std::move(exit);
}

void CheckNumberEdit(forms::TEdit& edit, double stored, const std::string& label,
                     const std::function<void()>& check) {
    try {
        check();
    } catch (const std::invalid_argument&) {
        forms::Ui().MessageBox(label + ": \"" + edit.Text() + "\" is not a number.", "Error",
                               forms::Buttons::Ok, forms::Icon::Error);
        ShowValue(stored, edit);
    }
}

double TypedNumber(const std::string& text) {
    try {
        return ParseNumber(text);
    } catch (const std::invalid_argument&) {
        return 0;
    }
}

void TakeRemovalInput(forms::TEdit& edit) {
    pmn_record& r = CurrentPmn;
    CheckNumberEdit(edit, r.WWT_LOW, "Low end wastewater treatment removal", [&] {
        CheckPercent(edit, &r.WWT_LOW, "Low end wastewater treatment removal");
    });
    r.WWT_HI = r.WWT_LOW;
}

void TakeReleaseDaysInput(forms::TEdit& edit) {
    pmn_record& r = CurrentPmn;
    CheckNumberEdit(edit, r.H2ODAYLO, "Release days",
                    [&] { CheckDays(edit, &r.H2ODAYLO, "Release days"); });
    r.H2ODAYHI = r.H2ODAYLO;
    r.SORPTION = r.SLUDGEAB * 0.01 * r.H2O_HI;
}

void TakeCocInput(forms::TEdit& edit) {
    pmn_record& r = CurrentPmn;
    CheckNumberEdit(edit, r.COC0, "Concentration of concern",
                    [&] { ReadPositiveEdit(edit, &r.COC0); });
}

void TakePreTreatmentInput(forms::TEdit& edit) {
    pmn_record& r = CurrentPmn;
    CheckNumberEdit(edit, r.H2O_HI, "Pretreatment release",
                    [&] { ReadPositiveEdit(edit, &r.H2O_HI); });
    r.H2O_LO = r.H2O_HI;
    r.SORPTION = r.SLUDGEAB * 0.01 * r.H2O_HI;
}

namespace {

// Adds an input's label to the list of missing inputs, after ", " when the list holds one.
void AddMissing(std::string& missing, const char* label) {
    if (!missing.empty())
        missing += ", ";
    missing += label;
}

}  // namespace

std::string MissingPdmRunInputs(const pmn_record& r) {
    std::string missing;
    if (!(r.COC0 > 0))
        AddMissing(missing, "COC");
    if (!(r.H2ODAYHI > 0))
        AddMissing(missing, "Release days");
    if (!(r.H2O_HI > 0))
        AddMissing(missing, "Pretreatment release");
    return missing;
}

std::string PdmRunInputsRefusal(const pmn_record& r) {
    const std::string missing = MissingPdmRunInputs(r);
    if (!missing.empty())
        return missing + " must be greater than 0 before running PDM";
    if (r.H2ODAYHI > 365)
        return "Release days must be less than or equal to 365 days.";
    return {};
}
