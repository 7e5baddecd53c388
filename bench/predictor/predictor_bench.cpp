// Speed of the stand-in dispersion model on its heaviest decks (full meteorology: every class
// and wind speed; the area source integrated for each), and of a whole submit of the predictor
// (two sets of four model runs through plumos.bat, with the decks, log and kept copies), which
// must stay well under the 3000 ms each model run is allowed.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "outside/plumo3/deck.h"
#include "outside/plumo3/report.h"
#include "platform/sys/files.h"
#include "predictor/model_deck.h"
#include "predictor/model_run.h"

namespace {

namespace fs = std::filesystem;

ReleaseInputs FullRelease() {
    ReleaseInputs r;
    r.key = "BENCH,1";
    r.incinRel = 10;
    r.incinDays = 250;
    r.fugRel = 1;
    r.fugPerc = 50;
    r.fugDays = 365;
    r.downwash = true;
    r.landUse = "Rural";
    ApplyShownDefaults(r);
    ApplyDeckDefaults(r, Source::Stack);
    ApplyDeckDefaults(r, Source::Fugitive);
    return r;
}

std::string DeckText(Source source) {
    std::string text;
    for (const std::string& line : ModelInputLines(FullRelease(), source, Averaging::Annual))
        text += line + "\n";
    return text;
}

void BM_ModelFullMetPoint(benchmark::State& state) {
    plumo::Deck deck = plumo::ReadDeck(DeckText(Source::Stack));
    for (auto _ : state)
        benchmark::DoNotOptimize(plumo::ModelReport(deck));
}
BENCHMARK(BM_ModelFullMetPoint)->Unit(benchmark::kMillisecond);

void BM_ModelFullMetArea(benchmark::State& state) {
    plumo::Deck deck = plumo::ReadDeck(DeckText(Source::Fugitive));
    for (auto _ : state)
        benchmark::DoNotOptimize(plumo::ModelReport(deck));
}
BENCHMARK(BM_ModelFullMetArea)->Unit(benchmark::kMillisecond);

void BM_Submit(benchmark::State& state) {
    fs::path folder = fs::temp_directory_path() / "predictor_bench_submit";
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::copy(fs::path(OMBRIX_PROGRAM_DIR) / "plumo3", folder / "plumo3");
    ReleaseInputs release = FullRelease();
    for (auto _ : state) {
        SubmitOutcome outcome = RunSubmit(release, {folder.string(), 3000});
        if (!outcome.ok)
            state.SkipWithError("the model run failed");
    }
    fs::remove_all(folder);
}
BENCHMARK(BM_Submit)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
