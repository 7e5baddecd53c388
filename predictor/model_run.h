// Running the dispersion model through plumo3/plumos.bat for every source and averaging case
// of a release, with the run log badmessages and the kept copies of each deck and listing.
#pragma once

#include <string>

#include "predictor/release.h"

struct ModelRunSettings {
    std::string folder;    // the working folder: plumo3.dat, badmessages, plumo3/ in it
    int timeoutMs = 3000;  // per model run
};

// One set: the annual then the 24-hour case, each for the stack (when there is a stack
// release) and the fugitive source. Concentrations are the model's, before averaging factors;
// a source not run stays 0.
struct ModelSetOutcome {
    bool ok = true;
    AirConcentrations concentrations;
    std::string failure;  // the first failed run and why it failed, for the person running it
};

// `release` must have its deck defaults applied for the sources that run.
ModelSetOutcome RunModelSet(const ReleaseInputs& release, const ModelRunSettings& settings);

// The averaging factors: annual concentrations x 0.08, the stack's 24-hour x 0.4, the
// fugitive 24-hour as it is.
AirConcentrations ApplyAveragingFactors(const AirConcentrations& model);

// Whether the release runs the stack, the fugitive source, or both. A release without a stack
// release runs the fugitive source even when it has no fugitive release either.
bool RunsStack(const ReleaseInputs& r);
bool RunsFugitive(const ReleaseInputs& r);

// A submit: two sets; when one failed, two sets more; ok when the last pair succeeded. The
// concentrations are the last set's, with the averaging factors applied; failure is the first
// failed run of the last pair.
struct SubmitOutcome {
    bool ok = false;
    AirConcentrations concentrations;
    int setsRun = 0;
    std::string failure;
};
SubmitOutcome RunSubmit(const ReleaseInputs& release, const ModelRunSettings& settings);
