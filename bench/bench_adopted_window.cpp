#include "forms/adopted_window.h"
#include "silent_dialogs.h"

#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>

using namespace vazolar;

// One keystroke in the adopted-section window of the circle, the costliest shape (its normal
// depth, critical depth and curves all solve over the pipe's exact geometry): from the field's
// new text to the results table and the three pictures painted.
static void keystrokeToPictures(benchmark::State& state) {
    SilentDialogs dialogs;
    QWidget form;
    form.resize(927, 660);
    form.show();
    const QString noSavedReport;
    AdoptedWindow window(&form, &form, Shape::Circular, dialogs, noSavedReport);
    window.showRequest(AdoptedRequest{.shape = Shape::Circular,
                                      .slope = "0,1",
                                      .roughness = "0,015",
                                      .discharge = "0,5",
                                      .diameter = "0,90"});
    QApplication::processEvents();
    auto* diameter = window.findChild<QLineEdit*>("txtdimensao");
    int keystroke = 0;
    for (auto _ : state) {
        diameter->setText(++keystroke % 2 ? "0,91" : "0,90");
        window.repaint();
        if (!window.outcome())
            state.SkipWithError("the section did not verify");
    }
}
BENCHMARK(keystrokeToPictures)->Unit(benchmark::kMillisecond);
