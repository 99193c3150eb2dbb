#include "engine/sizing.h"

#include <benchmark/benchmark.h>

using namespace vazolar;

namespace {

// Times a run that ends on the trial limit, counting the characters of the rows it builds.
void timeRunToTheLimit(benchmark::State& state, const SizingInput& input) {
    qsizetype characters = 0;
    for (auto _ : state) {
        characters = 0;
        try {
            runSizing(input, [&](const QString& row, const SectionQuantities&) {
                characters += row.size();
            });
        } catch (const SizingError&) {
        }
        benchmark::DoNotOptimize(characters);
    }
    state.counters["characters"] = double(characters);
}

} // namespace

// The longest run the engine can make: a slope of 0 keeps the discharge at 0, so the run goes
// through 32768 trials, formatting every row, and ends on the trial limit.
static void worstTrialRun(benchmark::State& state) {
    SizingInput input;
    input.shape = Shape::Trapezoidal;
    input.slope = "0";
    input.angle = "30";
    input.roughness = "0,015";
    input.discharge = "0,5";
    input.start = "0,5";
    input.scrollValue = 10;
    timeRunToTheLimit(state, input);
}
BENCHMARK(worstTrialRun)->Unit(benchmark::kMillisecond);

// A run of huge numbers: a negative n never reaches the design discharge, and a start value of
// 1e115 makes every row some 1,500 characters long.
static void hugeValuesTrialRun(benchmark::State& state) {
    SizingInput input;
    input.shape = Shape::Triangular;
    input.slope = "100";
    input.roughness = "-1";
    input.discharge = "5";
    input.start = "1" + QString(115, '0');
    timeRunToTheLimit(state, input);
}
BENCHMARK(hugeValuesTrialRun)->Unit(benchmark::kMillisecond);
