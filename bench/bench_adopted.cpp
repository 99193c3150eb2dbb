#include "engine/normal_depth.h"
#include "wording/adopted_request.h"
#include "wording/adopted_verification.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

using namespace vazolar;

namespace {

// One normal-depth solve of the worked channel (I 0,1 %, n 0,015, Q 0,5 m³/s) in the section.
void timeNormalDepth(benchmark::State& state, const Section& section) {
    const ManningInputs manning{0.1, 0.015};
    double depth = 0.0;
    for (auto _ : state) {
        depth = normalDepth(section, 0.5, manning).value_or(NAN);
        benchmark::DoNotOptimize(depth);
    }
    state.counters["yn"] = depth;
}

} // namespace

static void normalDepthOfATrapezoid(benchmark::State& state) {
    timeNormalDepth(state, TrapezoidSection{0.7, std::tan(std::numbers::pi / 6)});
}
BENCHMARK(normalDepthOfATrapezoid)->Unit(benchmark::kMicrosecond);

static void normalDepthOfARectangle(benchmark::State& state) {
    timeNormalDepth(state, RectangleSection{1.1});
}
BENCHMARK(normalDepthOfARectangle)->Unit(benchmark::kMicrosecond);

static void normalDepthOfACircle(benchmark::State& state) {
    timeNormalDepth(state, CircleSection{0.9});
}
BENCHMARK(normalDepthOfACircle)->Unit(benchmark::kMicrosecond);

// Everything `verificar` computes for one channel, from the typed texts to the result.
static void verifyTypedTrapezoid(benchmark::State& state) {
    const AdoptedRequest request{.shape = Shape::Trapezoidal,
                                 .slope = "0,1",
                                 .roughness = "0,015",
                                 .discharge = "0,5",
                                 .angle = "30",
                                 .bottomWidth = "0,70"};
    for (auto _ : state)
        benchmark::DoNotOptimize(
            verifyAdoptedSection(request, [](AdoptedField) { return QString(); }).ok());
}
BENCHMARK(verifyTypedTrapezoid)->Unit(benchmark::kMicrosecond);
