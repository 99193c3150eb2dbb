#include "engine/water_profile.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

using namespace vazolar;

namespace {

// The worked trapezoid (b 0,70 m, 30°, n 0,015, Q 0,5 m³/s, I 0,1 %) behind a control 1 m
// deep: an M1 curve over a 10 km reach, reported at 1000 stations.
ProfileRequest longBackwater() {
    ProfileRequest request;
    request.reach = {TrapezoidSection{0.7, std::tan(std::numbers::pi / 6)}, 0.5, {0.1, 0.015}};
    request.controlDepth = 1.0;
    request.length = 10000.0;
    request.step = 10.0;
    return request;
}

} // namespace

static void thousandStationsOverTenKilometres(benchmark::State& state) {
    const ProfileRequest request = longBackwater();
    std::size_t stations = 0;
    for (auto _ : state) {
        const ProfileOutcome outcome = computeWaterProfile(request);
        const auto* profile = std::get_if<WaterProfile>(&outcome);
        stations = profile ? profile->stations.size() : 0;
        benchmark::DoNotOptimize(stations);
    }
    state.counters["stations"] = double(stations);
}
BENCHMARK(thousandStationsOverTenKilometres)->Unit(benchmark::kMillisecond);
