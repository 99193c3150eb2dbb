// Endurance check of the section forms: opens, uses and closes each of the four forms over and
// over, as someone working through case after case all day would, and looks for anything a
// form leaves behind once it is gone.
//
//   endurance_forms [cycles [max-growth-kB]]
//                                one cycle opens and closes each of the four forms once;
//                                1000 cycles by default. With max-growth-kB, the run fails
//                                when the resident memory grows by more than that many
//                                kilobytes from the end of the first cycle to the end of the
//                                last.
//
// Each form, each cycle: create it and show it; take n from the roughness panel; type the
// rest of its worked case and size it (the rows must be the worked case's); NOVO; type a case
// that fails (0/0 in the first trial, a division by zero on the circle) and size it (one
// warning); NOVO; close it, delete it with deleteLater and process the deferred deletes. The
// form must then be gone and the application must hold exactly the widgets it held before the
// cycle.
//
// On its own the program checks those points and prints the resident memory (VmRSS) and the
// heap in use after cycles 1, 10 and every hundredth, and how much VmRSS grew after the first
// cycle. The leak verdict comes from running it under
// LeakSanitizer or valgrind: tests/endurance/run does both.

#include "examples.h"
#include "fake_dialogs.h"
#include "form_driver.h"
#include "forms/section_form.h"

#include <QApplication>
#include <QPointer>
#include <QTest>

#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace vazolar;
using namespace vazolar::testing;

namespace {

[[noreturn]] void fail(const QString& what) {
    std::fprintf(stderr, "endurance_forms: %s\n", qPrintable(what));
    std::exit(1);
}

void expect(bool condition, const QString& what) {
    if (!condition)
        fail(what);
}

// The resident set size of this process in kilobytes, from /proc/self/status.
long residentKilobytes() {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status)
        return -1;
    long kilobytes = -1;
    char line[256];
    while (std::fgets(line, sizeof line, status)) {
        if (std::sscanf(line, "VmRSS: %ld kB", &kilobytes) == 1)
            break;
    }
    std::fclose(status);
    return kilobytes;
}

// What malloc has handed out and not had back: unlike VmRSS, blind to fragmentation and to
// memory the allocator keeps for reuse, so steady growth here is memory the program holds.
// "n/a" under AddressSanitizer, whose allocator keeps no such statistics.
QString heapInUse() {
    const std::size_t bytes = mallinfo2().uordblks;
    return bytes == 0 ? QString("n/a") : QString("%1 kB").arg(bytes / 1024);
}

void printMemory(const char* when) {
    std::printf("%-32s VmRSS %6ld kB, heap in use %9s\n", when, residentKilobytes(),
                qPrintable(heapInUse()));
}

const char* startFieldOf(Shape shape) {
    return shape == Shape::Triangular ? "txty" : "txtb";
}

// Types the case's fields; n only when it is not taken from the panel.
void typeFields(const FormDriver& ui, const QMap<QString, QString>& fields, bool typeN) {
    for (auto it = fields.begin(); it != fields.end(); ++it) {
        if (typeN || it.key() != "txtn")
            ui.type(it.key(), it.value());
    }
}

void clickNovo(const FormDriver& ui, Shape shape, const QString& where) {
    ui.click("cmblimpar");
    expect(ui.button("cmbdimensionar")->isEnabled(), where + ": DIMENSIONAR disabled after NOVO");
    expect(ui.field("txti")->text().isEmpty(), where + ": slope not cleared by NOVO");
    expect(ui.field("txtresposta")->text().isEmpty(), where + ": result not cleared by NOVO");
    if (shape != Shape::Circular)
        expect(ui.rows().isEmpty(), where + ": rows left after NOVO");
}

void useForm(const ExampleCase& worked, FakeDialogs& dialogs) {
    const QString where = worked.name;
    auto* form = new SectionForm(worked.shape, dialogs);
    const QPointer<SectionForm> watch(form);
    form->show();
    expect(QTest::qWaitForWindowActive(form), where + ": the form did not become active");
    const FormDriver ui(form);

    // n from the panel, as in the usual course: "Concreto com acabamento", "Regulares".
    ui.click("cmbtabelan");
    ui.pickRow("lstmateriais", 1);
    ui.pickRow("lstcondicoes", 1);
    expect(ui.field("txtn")->text() == worked.fields.value("txtn"),
           where + ": the panel wrote " + ui.field("txtn")->text());
    ui.field("txti")->setFocus();
    typeFields(ui, worked.fields, false);
    if (worked.shape != Shape::Circular)
        ui.setIncrement(worked.scrollValue);
    ui.click("cmbdimensionar");
    expect(dialogs.messages.empty(), where + ": message " + dialogs.messageTexts().join('|'));
    if (worked.shape == Shape::Circular)
        expect(ui.field("txtresposta")->text() == worked.rows.first(), where + ": wrong row");
    else
        expect(ui.rows() == worked.rows, where + ": wrong rows");
    expect(ui.button("cmbsalvar")->isEnabled(), where + ": SALVAR not enabled");
    clickNovo(ui, worked.shape, where);

    // A run that is abandoned: a start value of 0 (0/0 in the first trial), or on the circle
    // n = 0 (the velocity divides by a zero area).
    QMap<QString, QString> failing = worked.fields;
    if (worked.shape == Shape::Circular)
        failing["txtn"] = "0";
    else
        failing[startFieldOf(worked.shape)] = "0";
    typeFields(ui, failing, true);
    ui.click("cmbdimensionar");
    expect(dialogs.messages.size() == 1 && dialogs.messages.front().warning,
           where + ": no warning for a failing run");
    dialogs.messages.clear();
    clickNovo(ui, worked.shape, where);

    form->close();
    form->deleteLater();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    expect(watch.isNull(), where + ": the form outlived deleteLater");
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    bool ok = true;
    const int cycles = args.size() > 1 ? args[1].toInt(&ok) : 1000;
    bool limitOk = true;
    const long maxGrowth = args.size() > 2 ? args[2].toLong(&limitOk) : -1;
    if (!ok || cycles < 1 || !limitOk)
        fail("usage: endurance_forms [cycles [max-growth-kB]]");

    std::vector<ExampleCase> cases;
    for (const char* name :
         {"trapezoidal-worked", "rectangular-worked", "triangular-worked", "circular-worked"})
        cases.push_back(loadExample(name));

    FakeDialogs dialogs;
    printMemory("before the first form:");
    qsizetype widgets = -1;
    long residentAfterFirst = 0;
    for (int cycle = 1; cycle <= cycles; ++cycle) {
        for (const ExampleCase& worked : cases)
            useForm(worked, dialogs);
        // Widgets Qt creates on first use (the offscreen desktop, style helpers) stay; from
        // the first cycle on, every cycle must end with exactly as many as it started with.
        const qsizetype now = QApplication::allWidgets().size();
        if (cycle > 1)
            expect(now == widgets, QString("cycle %1 ends with %2 widgets instead of %3")
                                       .arg(cycle)
                                       .arg(now)
                                       .arg(widgets));
        widgets = now;
        if (cycle == 1)
            residentAfterFirst = residentKilobytes();
        if (cycle == 1 || cycle == 10 || cycle % 100 == 0 || cycle == cycles) {
            const QString when = QString("after %1 cycles (%2 forms):").arg(cycle).arg(4 * cycle);
            printMemory(qPrintable(when));
        }
        std::fflush(stdout);
    }
    std::printf("%d cycles, %d forms opened, used and closed; %lld widgets alive at the end\n",
                cycles, 4 * cycles, static_cast<long long>(widgets));
    const long growth = residentKilobytes() - residentAfterFirst;
    std::printf("VmRSS grew by %ld kB after the first cycle\n", growth);
    if (maxGrowth >= 0)
        expect(growth <= maxGrowth,
               QString("VmRSS grew by %1 kB, more than %2 kB").arg(growth).arg(maxGrowth));
    return 0;
}
