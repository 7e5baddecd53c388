// One full inhalation run of the consumer model (both passes, 60 days at 10-second steps),
// and the number of allocations made inside the model's time loop.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <string>

#include <unistd.h>

#include "consumer/model/comtransfer.h"
#include "consumer/model/keyword_file.h"
#include "consumer/model/run_driver.h"
#include "consumer/model/use_day_pattern.h"
#include "consumer/model/zonaromain.h"
#include "platform/forms/ui_service.h"
#include "tests/consumer/model/paint_case.h"

namespace {

std::atomic<long> allocations{0};

// A latex paint case for an adult: two first-order sources, the heaviest default scenario.
consumer::ExposureInputs PaintCase() {
    return consumer_test::BenchmarkPaintCase();
}

// A folder of this process's own: benchmarks of other trees may run at the same time.
std::filesystem::path ScratchPath() {
    return std::filesystem::temp_directory_path() /
           ("consumer_bench_" + std::to_string(static_cast<long>(getpid())));
}

std::string ScratchFolder() {
    std::filesystem::create_directories(ScratchPath());
    return ScratchPath().string() + "/";
}

void FullInhalationRun(benchmark::State& state) {
    const consumer::ExposureInputs in = PaintCase();
    const std::string folder = ScratchFolder();
    consumer::ExposureResults results;
    forms::ScriptedUi ui;  // no windows: the hourglass is only counted
    for (auto _ : state) {
        if (!consumer::RunExposureModel(in, results, folder))
            state.SkipWithError("run failed");
        benchmark::DoNotOptimize(results);
    }
}
BENCHMARK(FullInhalationRun)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Allocations of one run of the model input, stopped after the given number of days (a later
// ENDTIME line replaces the model's own).
long RunAllocations(const std::string& input, double days) {
    consumer::zonaromain probe;
    if (probe.ParseText(input) != 1)
        return -1;
    consumer::zonaromain model;
    char endLine[64];
    std::snprintf(endLine, sizeof endLine, "ENDTIME %.17g\n", probe.StartTime() + days);
    if (model.ParseText(input + endLine) != 1)
        return -1;
    long before = allocations.load();
    model.Run();
    return allocations.load() - before;
}

// Allocations made inside the time loop of a pass: a 60-day run against a one-step run (the
// work arrays are made once before the first step).
long TimeLoopAllocations() {
    const std::string folder = ScratchFolder();
    consumer::WriteKeywordFile(folder + "xfer.cmi", PaintCase(), 2);
    consumer::comtransfer transfer;
    int code = 0;
    auto trn = transfer.Read(folder + "xfer.cmi", code);
    std::string input;
    if (!trn)
        return -1;
    if (FILE* file = std::fopen(trn->c_str(), "r")) {
        char buffer[4096];
        size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
            input.append(buffer, n);
        std::fclose(file);
    }
    long full = RunAllocations(input, 60);
    long oneStep = RunAllocations(input, consumer::zonaromain::kStep);
    if (full < 0 || oneStep < 0)
        return -1;
    return full - oneStep;
}

}  // namespace

void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("consumer.time_loop_allocations %ld count\n", TimeLoopAllocations());
    std::error_code ignored;
    std::filesystem::remove_all(ScratchPath(), ignored);
    return 0;
}
