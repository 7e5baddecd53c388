// One run of the treatment model: the checks, the parameter file, the model and its result.
#include "chemistry/astreat_run.h"

#include <QApplication>
#include <QWidget>
#include <cmath>

#include "chemistry/astreat_values.h"
#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "platform/sys/process.h"
#include "platform/sys/text.h"
#include "scenario/case_choices.h"
#include "scenario/globals.h"
#include "scenario/scenario_record.h"

namespace {

const char* kMissingOutput =
    "The file, treat.out was not correctly saved in the astreat program.\nNo values were "
    "obtained.";

void ShowError(const std::string& text) {
    forms::Ui().MessageBox(text, "Error", forms::Buttons::Ok, forms::Icon::Error);
}

void MinimizeApplication(bool minimized) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible()) {
            continue;
        }
        if (minimized) {
            window->setWindowState(window->windowState() | Qt::WindowMinimized);
        } else {
            window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        }
    }
}

using ParameterLinesBuilder = std::function<std::optional<std::vector<std::string>>(
    const std::vector<std::string>& templateLines, std::string& error)>;

// Writes asparms.db from the template; false (with the message shown) when the template or the
// file fails.
bool WriteParameterFile(const std::string& folder, const ParameterLinesBuilder& build) {
    std::vector<std::string> templateLines;
    if (!sys::ReadTextLines(folder + "asparms.inp", templateLines)) {
        ShowError("The template asparms.inp could not be read in " + sys::NativePath(folder) +
                  ".\nAsTreat was not run.");
        return false;
    }
    std::string error;
    const auto lines = build(templateLines, error);
    if (!lines) {
        ShowError(error + "\nAsTreat was not run.");
        return false;
    }
    if (!sys::WriteTextLines(folder + "asparms.db", *lines)) {
        ShowError("The file asparms.db could not be written in " + sys::NativePath(folder) +
                  ".\nAsTreat was not run.");
        return false;
    }
    return true;
}

// The values of the model's treat.out in the folder; nullopt with the message shown when the
// file is missing or unreadable.
std::optional<TreatOutputValues> ReadModelOutput(const std::string& folder) {
    const auto bytes = sys::ReadWholeFile(folder + "treat.out");
    if (!bytes) {
        ShowError(kMissingOutput);
        return std::nullopt;
    }
    std::string error;
    auto values = ReadTreatOutput(*bytes, error);
    if (!values) {
        ShowError("The file, treat.out could not be read: " + error +
                  ".\nNo values were obtained.");
    }
    return values;
}

void StartModel(const std::string& folder) {
    sys::ProcessRequest request;
    request.program = AsTreatProgramPath;
    request.workingFolder = folder;
    MinimizeApplication(true);
    sys::RunProgram(request);  // a model that cannot start leaves no treat.out, reported below
    sys::SetWorkingFolder(ProgramFolder);
    MinimizeApplication(false);
}

void StoreResults(const TreatOutputValues& values) {
    AsTreatSludgeAmount = values.SludgeFlux * AsTreatDays;
    CurrentPmn.LOSS2SLUDG = values.LossToSludge;
    AsTreatWwtRemoval = 100 - values.EffluentShare;
    AsTreatRunDone = 1;
    AsTreatRunFresh = 1;
    forms::Ui().MessageBox(sys::Format("AsTreat has estimated WWT to be %5.2f.  Loss to sludge "
                                       "is %5.2f.",
                                       AsTreatWwtRemoval, CurrentPmn.LOSS2SLUDG),
                           "Note", forms::Buttons::Ok, forms::Icon::Information);
}

}  // namespace

AsTreatParameterValues CurrentAsTreatParameters() {
    AsTreatParameterValues v;
    v.KdPe = AsTreatKdPe;
    v.KdPr = AsTreatKdPr;
    v.KdSe = AsTreatKdSe;
    v.KdSr = AsTreatKdSr;
    v.HenryUnitless = AsTreatHenryUnitless;
    v.InfluentConc = AsTreatInfluentConc;
    v.Mw = AsTreatMw;
    v.Density = AsTreatDensity;
    v.DecayRate = AsTreatDecayRate;
    v.AnnualLoad = AsTreatLoading * AsTreatNumSites * AsTreatDays;
    return v;
}

std::vector<std::string> AsTreatRunRefusals() {
    struct Check {
        double value;
        const char* message;
    };
    const Check checks[] = {
        {AsTreatLoading, "Chemical release must be greater than 0 before running AsTreat"},
        {AsTreatNumSites, "Number of sites must be greater than 0 before running AsTreat"},
        {AsTreatDays, "Number of days of release must be greater than 0 before running AsTreat"},
        {AsTreatHenryUnitless,
         "Unitless Henry's law must be greater than 0 before running AsTreat"},
        {AsTreatInfluentConc,
         "Influent concentration must be greater than 0 before running AsTreat"},
        {AsTreatMw, "Molecular weight must be greater than 0 before running AsTreat"},
        {AsTreatDensity, "Density must be greater than 0 before running AsTreat"},
    };
    std::vector<std::string> refusals;
    for (const Check& check : checks) {
        if (!(check.value > 0)) {
            refusals.push_back(check.message);
        }
    }
    if (!(AsTreatKdPe > 0) || !(AsTreatKdPr > 0) || !(AsTreatKdSe > 0) || !(AsTreatKdSr > 0)) {
        refusals.push_back("Kd values must be greater than 0 before running AsTreat");
    }
    return refusals;
}

double InfluentConcentration(double loadingKgPerDay) {
    return loadingKgPerDay * (1.0 / 30.0);
}

double UnitlessHenryFromProperties(double vpTorr, double mw, double solubility) {
    return vpTorr * mw * 0.054 / solubility;
}

double KdFromLogKow(double logKow, double carbonFraction) {
    return std::pow(10.0, std::trunc(logKow)) * carbonFraction;
}

bool RunAsTreatModel() {
    AsTreatProgramPath = kAsTreatFolder;
    const std::string folder = AsTreatProgramPath;
    const std::vector<std::string> refusals = AsTreatRunRefusals();
    for (const std::string& message : refusals) {
        ShowError(message);
    }
    const auto build = [](const std::vector<std::string>& templateLines, std::string& error) {
        return BuildParameterLines(templateLines, CurrentAsTreatParameters(), error);
    };
    if (!refusals.empty() || !WriteParameterFile(folder, build)) {
        AsTreatRunDone = 0;
        return false;
    }
    AsTreatLoad = CurrentAsTreatParameters().AnnualLoad;
    sys::DeleteFile(folder + "treat.out");
    AsTreatProgramPath = folder + "treat.exe";
    StartModel(folder);

    const auto values = ReadModelOutput(folder);
    if (!values) {
        AsTreatRunDone = 0;
        return false;
    }
    StoreResults(*values);
    return true;
}

std::string AsTreatModelFolder() {
    const std::size_t cut = AsTreatProgramPath.find_last_of('\\');
    return cut == std::string::npos ? std::string(kAsTreatFolder)
                                    : AsTreatProgramPath.substr(0, cut + 1);
}

std::optional<double> RunAsTreatForLoad(double annualLoad,
                                        const std::function<void()>& beforeStart) {
    const std::string folder = AsTreatModelFolder();
    sys::DeleteFile(folder + "treat.out");
    const auto build = [annualLoad](const std::vector<std::string>& templateLines,
                                    std::string& error) {
        return BuildLoadParameterLines(templateLines, annualLoad, error);
    };
    if (!WriteParameterFile(folder, build))
        return std::nullopt;
    if (beforeStart)
        beforeStart();
    AsTreatProgramPath = folder + "treat.exe";
    StartModel(folder);
    const auto values = ReadModelOutput(folder);
    if (!values)
        return std::nullopt;
    return 100 - values->EffluentShare;
}
