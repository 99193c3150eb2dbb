#include "engine/hydraulics.h"
#include "engine/sizing.h"
#include "wording/trial_rows.h"
#include "wording/trial_table.h"

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
    timeRunToTheLimit(state, {.shape = Shape::Trapezoidal,
                              .slope = "0",
                              .angle = "30",
                              .roughness = "0,015",
                              .discharge = "0,5",
                              .start = "0,5"});
}
BENCHMARK(worstTrialRun)->Unit(benchmark::kMillisecond);

// A run of huge numbers: a negative n never reaches the design discharge, and a start value of
// 1e115 makes every row some 1,500 characters long.
static void hugeValuesTrialRun(benchmark::State& state) {
    timeRunToTheLimit(state, {.shape = Shape::Triangular,
                              .slope = "100",
                              .roughness = "-1",
                              .discharge = "5",
                              .start = "1" + QString(115, '0')});
}
BENCHMARK(hugeValuesTrialRun)->Unit(benchmark::kMillisecond);

// The hydraulic check of every trial of a long run, as `dimensionar --formato csv` makes it:
// 32767 rectangles, each with its critical depth and slope.
static void hydraulicCheckOfEveryTrial(benchmark::State& state) {
    TrialTable trials;
    trials.start(convertInputs({.shape = Shape::Rectangular,
                                .slope = "0,1",
                                .roughness = "0,015",
                                .discharge = "4598,8",
                                .start = "0,001",
                                .scrollValue = 1}));
    runSizing(trials.inputs(), [&](const QString&, const SectionQuantities& quantities) {
        trials.append(quantities);
    });
    for (auto _ : state) {
        double sum = 0.0;
        for (int row = 0; row < trials.size(); ++row)
            sum += hydraulics::checkTrial(trials.inputs(), trials.at(row)).froude.value_or(0.0);
        benchmark::DoNotOptimize(sum);
    }
    state.counters["trials"] = trials.size();
}
BENCHMARK(hydraulicCheckOfEveryTrial)->Unit(benchmark::kMillisecond);
