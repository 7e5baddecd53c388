// The consumer pathway of the main page: locating the consumer model and moving the current
// case through the exchange.
#include <QApplication>
#include <QWidget>

#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "platform/sys/process.h"
#include "scenario/globals.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_table.h"
#include "shell/consumer_exchange.h"
#include "shell/scr_main.h"
#include "shell/startup.h"

namespace {

// The case as it goes out; the two adjustments stay in the record, as the model sees them.
ConsumerCaseInput CaseFromRecord() {
    pmn_record& pmn = CurrentPmn;
    if (pmn.PRODNAME.empty())
        pmn.PRODNAME = "unknown";
    if (pmn.KIV_SCEN != 0 && pmn.KIV_SCEN != 7)
        pmn.SA_BODY = pmn.SA_HAND;
    ConsumerCaseInput in;
    in.caseNum = pmn.CaseNum;
    in.chemName = pmn.CHEMNAME;
    in.wtFracMed = pmn.WTFRAC_MED;
    in.wtFrac90 = pmn.WTFRAC_90;
    in.mw = pmn.MW;
    in.vp = pmn.VP;
    in.bw = pmn.BW;
    in.inhale = pmn.INHALE;
    in.cancerAt = pmn.CANCERAT;
    in.popNum = pmn.POP_NUM;
    in.kivScen = pmn.KIV_SCEN;
    in.wordPerfect = !ScrMain || ScrMain->WordPerfectFormat();
    in.saBody = pmn.SA_BODY;
    in.saHand = pmn.SA_HAND;
    in.edKiv = pmn.ED_KIV;
    in.prodName = pmn.PRODNAME;
    return in;
}

void StoreReturn(const ConsumerCaseReturn& values) {
    pmn_record& pmn = CurrentPmn;
    pmn.KIV_SCEN = values.kivScen;
    pmn.PRODNAME = values.prodName;
    pmn.WTFRAC_MED = values.wtFracMed;
    pmn.WTFRAC_90 = values.wtFrac90;
    pmn.BW = values.bw;
    pmn.INHALE = values.inhale;
    pmn.CANCERAT = values.cancerAt;
    pmn.SA_BODY = values.saBody;
    pmn.SA_HAND = values.saHand;
    pmn.ED_KIV = values.edKiv;
}

void RestoreMainWindow() {
    if (QWidget* window = QApplication::activeWindow()) {
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->raise();
        window->activateWindow();
    }
}

// The consumer model of the program's own kiv folder is started through its launcher there; a
// program the user located elsewhere is started itself, on this and every later click.
std::string ProgramToStart(const std::string& program) {
    std::string ownFolder = sys::CanonicalPath(sys::NativePath(ProgramFolder + "\\kiv"));
    std::string folder = sys::CanonicalPath(sys::FolderPart(sys::NativePath(program)));
    return folder == ownFolder ? ConsumerLauncherPath() : program;
}

}  // namespace

std::optional<std::string> LocateConsumerModel() {
    if (std::string found = sys::ResolveProgram(KivProgramPath); !found.empty())
        return ProgramToStart(found);
    forms::FileDialogRequest request;
    request.title = "Can't find the program.  Please locate the program.";
    request.filter = "Programs (*.bat *.exe kiv32);;All files (*)";
    request.initialFolder = ProgramFolder;
    std::optional<std::string> chosen = forms::Ui().OpenFileDialog(request);
    if (chosen && !chosen->empty() && sys::FileExists(*chosen) && !sys::FolderExists(*chosen)) {
        KivProgramPath = *chosen;
        sys::WriteWholeFile(ProgramPath(kKivDriveFile), KivProgramPath);
        return KivProgramPath;
    }
    forms::ShowMessage(
        "Could not connect to KIV.\nPlease make sure you have loaded the program and try again.",
        "File execution error.");
    return std::nullopt;
}

void RunConsumerModel(const std::string& program) {
    if (program == ConsumerLauncherPath())
        KivProgramPath = program;
    ConsumerRunOutcome outcome = ExchangeWithConsumerModel(program, CaseFromRecord());
    sys::SetWorkingFolder(ProgramFolder);
    RestoreMainWindow();
    if (!outcome.returned) {
        forms::ShowMessage(outcome.error, outcome.errorCaption, forms::Icon::Error);
        return;
    }
    StoreReturn(outcome.values);
    SaveScenarioRecord();
}
