#include "forms/section_form.h"
#include "forms/user_dialogs.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>

#include <benchmark/benchmark.h>

using namespace vazolar;

namespace {

// Answers every dialog at once, so the benchmark never waits on a modal window.
class SilentDialogs : public UserDialogs {
public:
    void inform(QWidget*, const QString&) override {}
    void warn(QWidget*, const QString&) override { ++warnings; }
    std::optional<QString> askSavePath(QWidget*, const SavePrompt&) override { return {}; }
    bool askPrinter(QWidget*, QPrinter&) override { return false; }
    int warnings = 0;
};

} // namespace

// The longest sizing a user can start, through the real trapezoidal form: a slope of 0 lists
// 32768 trials and ends on the trial limit. Measured from the click to the list painted.
static void worstRunOnTheForm(benchmark::State& state) {
    SilentDialogs dialogs;
    for (auto _ : state) {
        state.PauseTiming();
        SectionForm form(Shape::Trapezoidal, dialogs);
        form.show();
        const std::pair<const char*, const char*> fields[] = {{"txti", "0"},
                                                              {"txtangulo", "30"},
                                                              {"txtn", "0,015"},
                                                              {"txtQdesejada", "0,5"},
                                                              {"txtb", "0,5"}};
        for (const auto& [name, text] : fields)
            form.findChild<QLineEdit*>(name)->setText(text);
        QApplication::processEvents();
        auto* list = form.findChild<QListWidget*>("lstresposta");
        state.ResumeTiming();

        form.findChild<QToolButton*>("cmbdimensionar")->click();
        list->repaint();

        state.PauseTiming();
        if (list->count() != 32768 || dialogs.warnings == 0)
            state.SkipWithError("the run did not list 32768 rows and stop on the trial limit");
        state.ResumeTiming();
    }
}
BENCHMARK(worstRunOnTheForm)->Unit(benchmark::kMillisecond);
