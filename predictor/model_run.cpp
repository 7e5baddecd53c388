// Running the dispersion model for every source and averaging case of a release.
#include "predictor/model_run.h"

#include <cstdio>
#include <memory>

#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "platform/sys/process.h"
#include "platform/sys/text.h"
#include "predictor/model_deck.h"
#include "predictor/model_output.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using LogFile = std::unique_ptr<std::FILE, FileCloser>;

void LogLine(std::FILE* log, const std::string& text) {
    if (log)
        std::fprintf(log, "%s\n", text.c_str());
}

double& Slot(AirConcentrations& c, Source source, Averaging averaging) {
    if (source == Source::Stack)
        return averaging == Averaging::Annual ? c.stackAnnual : c.stack24Hour;
    return averaging == Averaging::Annual ? c.fugitiveAnnual : c.fugitive24Hour;
}

// Starts the model and reads its listing; false with the reason when the run failed. A stale
// listing is removed first, so only this run's listing is read.
bool RunOnce(const ModelRunSettings& settings, std::FILE* log, double& value, std::string& reason) {
    std::string modelFolder = sys::JoinPath(settings.folder, "plumo3");
    std::string listingPath = sys::JoinPath(modelFolder, "plumo.out");
    sys::DeleteFile(listingPath);
    sys::ProcessRequest request;
    request.program = sys::JoinPath(modelFolder, "plumos.bat");
    request.workingFolder = modelFolder;
    request.timeoutMs = settings.timeoutMs;
    sys::ProcessResult run = sys::RunProgram(request);
    LogLine(log, sys::NativePath(listingPath));
    if (run.outcome == sys::ProcessResult::Outcome::StartFailed)
        reason = "the model could not be started: " + run.message;
    else if (run.outcome == sys::ProcessResult::Outcome::TimedOut)
        reason = "the model did not finish: " + run.message;
    std::optional<std::string> listing = sys::ReadWholeFile(listingPath);
    if (reason.empty() && !listing)
        reason = "the model wrote no plumo.out";
    if (!reason.empty()) {
        LogLine(log, reason);
        LogLine(log, "failed");
        return false;
    }
    std::optional<ModelOutput> output = ParseModelOutput(*listing, &reason);
    if (!output) {
        // The model's own word on a deck it refused says more than a missing result line.
        std::string complaint = ModelComplaint(*listing);
        if (!complaint.empty())
            reason = complaint;
        LogLine(log, reason);
        LogLine(log, "failed");
        return false;
    }
    LogLine(log, output->resultLine);
    value = output->concentration;
    LogLine(log, sys::Format("%.5f", value));
    return true;
}

std::string RunName(Source source, Averaging averaging) {
    return std::string(source == Source::Stack ? "Stack" : "Fugitive") +
           (averaging == Averaging::Annual ? " source, annual average"
                                           : " source, maximum 24-hour average");
}

}  // namespace

bool RunsStack(const ReleaseInputs& r) {
    return HasStack(r);
}

bool RunsFugitive(const ReleaseInputs& r) {
    return !HasStack(r) || HasFugitive(r);
}

ModelSetOutcome RunModelSet(const ReleaseInputs& release, const ModelRunSettings& settings) {
    ModelSetOutcome outcome;
    LogFile log(sys::OpenFile(sys::JoinPath(settings.folder, "badmessages"), "w"));
    std::string modelFolder = sys::JoinPath(settings.folder, "plumo3");
    for (Averaging averaging : {Averaging::Annual, Averaging::Max24Hour}) {
        for (Source source : {Source::Stack, Source::Fugitive}) {
            if (source == Source::Stack ? !RunsStack(release) : !RunsFugitive(release))
                continue;
            std::string reason;
            double value = 0;
            if (!WriteModelInput(settings.folder, release, source, averaging))
                reason = "plumo3.dat could not be written";
            else if (RunOnce(settings, log.get(), value, reason))
                Slot(outcome.concentrations, source, averaging) = value;
            KeepRunCopy(settings.folder, sys::JoinPath(modelFolder, "plumo.out"),
                        RunCopyName("badoutput", source, averaging));
            if (!reason.empty() && outcome.ok) {
                outcome.ok = false;
                outcome.failure = RunName(source, averaging) + ": " + reason;
            }
        }
    }
    return outcome;
}

AirConcentrations ApplyAveragingFactors(const AirConcentrations& model) {
    AirConcentrations c;
    c.stackAnnual = model.stackAnnual * 0.08;
    c.stack24Hour = model.stack24Hour * 0.4;
    c.fugitiveAnnual = model.fugitiveAnnual * 0.08;
    c.fugitive24Hour = model.fugitive24Hour;
    return c;
}

SubmitOutcome RunSubmit(const ReleaseInputs& release, const ModelRunSettings& settings) {
    SubmitOutcome outcome;
    for (int pair = 0; pair < 2 && !outcome.ok; ++pair) {
        bool ok = true;
        std::string failure;
        ModelSetOutcome set;
        for (int i = 0; i < 2; ++i) {
            set = RunModelSet(release, settings);
            if (!set.ok && ok)
                failure = set.failure;
            ok = ok && set.ok;
            ++outcome.setsRun;
        }
        outcome.ok = ok;
        outcome.failure = failure;
        outcome.concentrations = ApplyAveragingFactors(set.concentrations);
    }
    return outcome;
}
