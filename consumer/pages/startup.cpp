// The start of the consumer model in its three run modes.
#include "consumer/pages/startup.h"

#include <cstdlib>

#include "consumer/data/case_table.h"
#include "consumer/data/chemical_lookup.h"
#include "consumer/data/defaults.h"
#include "consumer/model/case_reset.h"
#include "consumer/model/case_state.h"
#include "consumer/model/file_test.h"
#include "consumer/pages/kiv_state.h"
#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "platform/sys/text.h"

namespace consumer {
namespace {

const char* const kRequestFile = "nyrinput.txt";
const char* const kAnswerFile = "nyrout.txt";

// Field widths of the texts a request carries.
constexpr size_t kIdWidth = 30;
constexpr size_t kChemicalNameWidth = 28;

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// A number at the start of a line, as "%lg" reads it (leading white space skipped).
bool LineNumber(const std::string& line, double& value) {
    const char* begin = line.c_str();
    char* end = nullptr;
    value = std::strtod(begin, &end);
    return end != begin;
}

std::string FirstWord(const std::string& line) {
    std::string trimmed = sys::Trim(line);
    return trimmed.substr(0, trimmed.find_first_of(" \t"));
}

bool ReadRequestInto(bool secondReading, ExposureInputs& target, std::string& error) {
    std::optional<std::string> text =
        sys::ReadWholeFile(sys::NativePath(WorkingFolder + kRequestFile));
    if (!text) {
        error.clear();
        return false;
    }
    return ReadNyrRequest(*text, secondReading, target, error);
}

// No to the age group's defaults: the surface areas, the years of use and the inhalation rate
// after use are the ones the main program got back from the last run and sends again (the answer
// file of that run is gone: the main program removes it before it starts this program); the
// inhalation rate during use, which it does not send, stays as the stored case has it.
void KeepRequestedExposureFactors(ExposureInputs& in) {
    ExposureInputs requested;
    std::string error;
    if (!ReadRequestInto(false, requested, error))
        return;
    in.SurfaceAreaBody = requested.SurfaceAreaBody;
    in.SurfaceAreaHands = requested.SurfaceAreaHands;
    in.YEARSOFUSE = requested.YEARSOFUSE;
    in.INHALRATEAFTERUSE = requested.INHALRATEAFTERUSE;
}

void AskAgeGroupDefaults(ExposureInputs& in) {
    if (in.AgeGroup == in.StoredAgeGroup || in.StoredAgeGroup == 0)
        return;
    int answer = forms::Ui().MessageBox(
        "You have changed the age of the exposed population.\nDo you wish to use default values "
        "for the selected age group?",
        "Note", forms::Buttons::YesNo, forms::Icon::Question);
    if (answer != forms::mrYes) {
        KeepRequestedExposureFactors(in);
        return;
    }
    LoadHouseVolume(in);
    LoadAgeGroupFactors(in);
    if (in.ScenarioNumber < 9)
        LoadProductDefaults(in);
    if (in.AgeGroup > 1)
        in.ActivityPattern = kNonAdultUseDayPattern;
}

bool ReadRequestFile(bool secondReading, std::string& error) {
    return ReadRequestInto(secondReading, *CaseInputs, error);
}

bool ReportUnreadableRequest(const std::string& error) {
    forms::ShowMessage(
        "The NYR data file " + std::string(kRequestFile) + " could not be read: " + error + ".",
        "Error", forms::Icon::Error);
    return false;
}

void WriteAnswerFile() {
    std::string path = sys::NativePath(WorkingFolder + kAnswerFile);
    if (!sys::WriteWholeFile(path, NyrOutputText(*CaseInputs, *CaseResults))) {
        forms::ShowMessage("The results could not be written to " + path + ".", "Error",
                           forms::Icon::Error);
    }
}

}  // namespace

int RunModeOfArguments(const std::vector<std::string>& args) {
    if (args.empty())
        return kRunStandAlone;
    return args[0] == "nyr" ? kRunLinked : kRunChemicalId;
}

bool ReadNyrRequest(const std::string& text, bool secondReading, ExposureInputs& inputs,
                    std::string& error) {
    std::vector<std::string> lines = SplitLines(text);
    if (lines.size() < 16) {
        error = "it holds " + std::to_string(lines.size()) + " lines where 16 are needed";
        return false;
    }
    ExposureInputs in = inputs;
    struct NumberLine {
        size_t line;
        double* field;
    };
    const NumberLine numbers[] = {{3, &in.WeightFractionMedian},
                                  {4, &in.WeightFraction90},
                                  {5, &in.MOLECWEIGHT},
                                  {6, &in.VAPORPRESS},
                                  {7, secondReading ? nullptr : &in.BODYWEIGHT},
                                  {8, &in.INHALRATEAFTERUSE},
                                  {9, &in.YEARSLIFETIME},
                                  {13, secondReading ? nullptr : &in.SurfaceAreaBody},
                                  {14, secondReading ? nullptr : &in.SurfaceAreaHands},
                                  {15, &in.YEARSOFUSE}};
    for (const NumberLine& number : numbers) {
        double value = 0;
        if (!LineNumber(lines[number.line - 1], value)) {
            error = "line " + std::to_string(number.line) + " holds no number";
            return false;
        }
        if (number.field)
            *number.field = value;
    }
    for (size_t line : {size_t{10}, size_t{11}}) {
        double value = 0;
        // A code outside what an int holds (or not a number at all) is no whole number: casting it
        // would be undefined.
        if (!LineNumber(lines[line - 1], value) || !(value >= -1e9 && value <= 1e9)) {
            error = "line " + std::to_string(line) + " holds no whole number";
            return false;
        }
        (line == 10 ? in.AgeGroup : in.ScenarioNumber) = static_cast<int>(value);
    }
    in.IdNumber = lines[0].substr(0, kIdWidth);
    in.ChemicalName = lines[1].substr(0, kChemicalNameWidth);
    in.DocumentFormat = FirstWord(lines[11]);
    in.ProductName = lines[15].substr(0, kIdWidth);
    inputs = in;
    return true;
}

void ApplyRequestedScenario(ExposureInputs& in) {
    in.ScenarioName.clear();
    if (in.AgeGroup > 1 && in.ScenarioNumber == 8) {
        in.ScenarioNumber = 0;
        in.HOUSEVOL = 0.0;
    }
    in.ScenarioName = ScenarioNameOfNumber(in.ScenarioNumber);
    CaseChemical->ScenarioName = in.ScenarioName;
}

std::string NyrResultText(double value) {
    if (value > 100000.0 || !(value >= 0.001))
        return sys::Format("%.2e\n", value);
    return sys::Format("%f\n", value);
}

std::string NyrOutputText(const ExposureInputs& in, const ExposureResults& results) {
    std::string text = sys::Format("%d\n", in.ScenarioNumber);
    text += in.ProductName + "\n";
    text += sys::Format("%g\n", in.WeightFractionMedian);
    text += sys::Format("%g\n", in.WeightFraction90);
    for (double value : {in.BODYWEIGHT, in.INHALRATEAFTERUSE, in.YEARSLIFETIME, in.SurfaceAreaBody,
                         in.SurfaceAreaHands, in.YEARSOFUSE, in.INHALRATEDURINGUSE}) {
        text += sys::Format("%f\n", value);
    }
    for (int entry : {1, 0, 4, 17, 19})
        text += NyrResultText(results[entry]);
    return text;
}

std::string ReadCaseDataFolder() {
    std::vector<std::string> lines;
    if (!sys::ReadTextLines(sys::NativePath(WorkingFolder + "..\\data.drv"), lines) ||
        lines.empty()) {
        return "";
    }
    std::string folder = sys::Trim(lines[0]);
    if (folder.empty())
        return "";
    folder = sys::NativePath(folder);
    if (folder.back() != '/')
        folder += '/';
    return folder;
}

int StartStandAlone(const std::function<void()>& runWindow) {
    RunMode = kRunStandAlone;
    SplashPending = true;
    PageCode = 'a';
    runWindow();
    return 1;
}

int StartLinked(const std::vector<std::string>& args, const std::function<void()>& runWindow) {
    *CaseChemical = ChemicalInfo();
    if (!sys::FileExists(sys::NativePath(WorkingFolder + kRequestFile))) {
        forms::ShowMessage("Could not find NYR data file!", "Error", forms::Icon::Error);
        return 1;
    }
    RunMode = kRunLinked;
    ResetCaseIdentity(*CaseInputs);
    ResetExposureInputs(*CaseInputs, *CaseResults);
    PageCode = '0';
    std::string error;
    if (!ReadRequestFile(false, error))
        return ReportUnreadableRequest(error), 1;
    ExposureInputs& in = *CaseInputs;
    CaseChemical->IdNumber = in.IdNumber;
    in.AveragingTimeAcute = 1.0;
    ApplyRequestedScenario(in);
    CaseDataFolder = ReadCaseDataFolder();
    if (!CaseDataFolder.empty() && FileExists(CaseDataFolder + "kiv.dbf")) {
        LoadCase("kiv", CaseDataFolder, 1, in.IdNumber, in, *CaseResults);
        ExposureInputs beforeSecond = in;
        if (args.size() > 1 && args[1] == "pirat") {
            ResetExposureInputs(in, *CaseResults);
            LoadProductDefaults(in);
            LoadExposureFactors(in);
        }
        // A request that cannot be read again leaves the first reading and the stored case.
        if (ReadRequestFile(true, error))
            ApplyRequestedScenario(in);
        else
            in = beforeSecond;
    }
    AskAgeGroupDefaults(in);
    runWindow();
    WriteAnswerFile();
    return in.ScenarioNumber;
}

int StartChemicalId(const std::string& chemicalId, const std::function<void()>& runWindow) {
    RunMode = kRunChemicalId;
    *CaseChemical = ChemicalInfo();
    ResetCaseIdentity(*CaseInputs);
    ResetExposureInputs(*CaseInputs, *CaseResults);
    PageCode = '0';
    CaseDataFolder = ReadCaseDataFolder();
    LookupChemical(CaseDataFolder, chemicalId, *CaseChemical);
    ExposureInputs& in = *CaseInputs;
    const ChemicalInfo& chem = *CaseChemical;
    in.IdNumber = chem.IdNumber;
    in.WeightFractionMedian = chem.WeightFractionMedian;
    in.WeightFraction90 = chem.WeightFraction90;
    in.MOLECWEIGHT = chem.MolecularWeight;
    in.VAPORPRESS = chem.VaporPressure;
    in.HENRYSLAW = chem.HenrysLaw;
    in.ChemicalName = chem.ChemicalName;
    in.ScenarioName = chem.ScenarioName;
    in.ProductName = chem.ProductName;
    // A scenario name outside the eight products gives a case without a scenario.
    int index = ScenarioIndexOfName(chem.ScenarioName);
    CaseChemical->ScenarioIndex = index;
    if (index >= 0)
        SelectScenarioByIndex(in, index);
    else
        in.ScenarioName.clear();
    runWindow();
    return 1;
}

int StartProgram(const std::vector<std::string>& args, const std::function<void()>& runWindow) {
    // Kept whole: a folder cut to a fixed length would name another folder.
    std::string folder = sys::WorkingFolder();
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    WorkingFolder = folder;
    switch (RunModeOfArguments(args)) {
        case kRunLinked:
            return StartLinked(args, runWindow);
        case kRunChemicalId:
            return StartChemicalId(args[0], runWindow);
        default:
            return StartStandAlone(runWindow);
    }
}

}  // namespace consumer
