#include "engine/sizing.h"
#include "reports/memo_pdf.h"
#include "wording/trial_rows.h"
#include "wording/trial_table.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace vazolar;
using namespace vazolar::reports;

namespace {

// The memo of a sizing typed as the fields, adopting its last trial as sized.
MemoInput memoOf(const SizingInput& texts) {
    return sizingMemo(texts, sizedTrials(texts), FreeboardText{},
                      {"Canal principal", "Estaca 0 a 12", "Eng. Fulana de Tal, CREA 12345/D"},
                      QDate(2026, 12, 9), "1.0.0", [](AdoptedField) { return QString(); })
        .value();
}

void writeMemoOf(benchmark::State& state, const SizingInput& texts) {
    QTemporaryDir dir;
    for (auto _ : state) {
        const Outcome<> written = writeMemo(dir.filePath("memoria.pdf"), memoOf(texts));
        if (!written)
            state.SkipWithError(qPrintable(written.message()));
    }
}

} // namespace

// The worked trapezoid (I 0,1 %, 30°, n 0,015, Qd 0,5, b from 0,5 by 0,10): three rows, the
// pictures, five pages; sized, laid out, painted and written.
static void memoOfTheWorkedTrapezoid(benchmark::State& state) {
    writeMemoOf(state, {.shape = Shape::Trapezoidal,
                        .slope = "0,1",
                        .angle = "30",
                        .roughness = "0,015",
                        .discharge = "0,5",
                        .start = "0,5",
                        .scrollValue = 19});
}
BENCHMARK(memoOfTheWorkedTrapezoid)->Unit(benchmark::kMillisecond);

// The longest run that ends well, 32767 rectangle trials, every one of them in Anexo A.
static void memoOfTheLongestRun(benchmark::State& state) {
    writeMemoOf(state, {.shape = Shape::Rectangular,
                        .slope = "0,1",
                        .roughness = "0,015",
                        .discharge = "4598,8",
                        .start = "0,001",
                        .scrollValue = 1});
}
BENCHMARK(memoOfTheLongestRun)->Unit(benchmark::kMillisecond);
