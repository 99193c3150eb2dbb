#include "forms/adopted_window.h"
#include "forms/profile_window.h"
#include "silent_dialogs.h"

#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>

using namespace vazolar;

// One keystroke in the profile's window: the M1 backwater of the worked trapezoid over 2 km in
// 200 stations, from the field's new text to the lines, the station table and the longitudinal
// picture painted.
static void keystrokeToProfile(benchmark::State& state) {
    SilentDialogs dialogs;
    QWidget form;
    form.resize(927, 660);
    form.show();
    const QString noSavedReport;
    AdoptedWindow adopted(&form, &form, Shape::Trapezoidal, dialogs, noSavedReport);
    adopted.showRequest(AdoptedRequest{.shape = Shape::Trapezoidal,
                                       .slope = "0,1",
                                       .roughness = "0,015",
                                       .discharge = "0,5",
                                       .angle = "30",
                                       .bottomWidth = "0,70"});
    ProfileWindow window(&adopted, &form, &form, dialogs);
    window.open();
    window.findChild<QLineEdit*>("txtcomprimento")->setText("2000");
    window.findChild<QLineEdit*>("txtpasso")->setText("10");
    auto* control = window.findChild<QLineEdit*>("txty0");
    control->setText("1,00");
    QApplication::processEvents();
    int keystroke = 0;
    for (auto _ : state) {
        control->setText(++keystroke % 2 ? "1,01" : "1,00");
        window.repaint();
        if (!window.outcome())
            state.SkipWithError("the profile was not computed");
    }
}
BENCHMARK(keystrokeToProfile)->Unit(benchmark::kMillisecond);
