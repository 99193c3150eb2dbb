// vazolar_startup_probe: the program exactly as main starts it, with a watch on the first
// paint of the splash and of the chooser. It prints the wall-clock time of each (nanoseconds
// since the epoch, as `date +%s%N` gives them) and ends once the chooser is painted, so that
// bench/startup.sh can time start-up from outside the process.

#include "application_setup.h"
#include "program.h"

#include <QApplication>
#include <QEvent>
#include <QSet>
#include <QTimer>

#include <chrono>
#include <cstdio>

namespace {

long long wallClockNanoseconds() {
    using namespace std::chrono;
    return duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count();
}

void report(const char* moment, long long nanoseconds) {
    std::printf("%s %lld\n", moment, nanoseconds);
    std::fflush(stdout);
}

class FirstPaintWatch : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType())
            noticePaint(watched->objectName());
        return false;
    }

private:
    void noticePaint(const QString& window) {
        if (window == QLatin1String("FRMABERTURA"))
            reportOnce(window, "splash_painted", false);
        else if (window == QLatin1String("frmsessao"))
            reportOnce(window, "chooser_painted", true);
    }

    // Reported once the paint event has been handled, that is after the window's contents
    // have been drawn and handed to the window system.
    void reportOnce(const QString& window, const char* moment, bool thenQuit) {
        if (seen_.contains(window))
            return;
        seen_.insert(window);
        QTimer::singleShot(0, this, [moment, thenQuit] {
            report(moment, wallClockNanoseconds());
            if (thenQuit)
                QCoreApplication::quit();
        });
    }

    QSet<QString> seen_;
};

} // namespace

int main(int argc, char** argv) {
    report("main_entered", wallClockNanoseconds());
    QApplication app(argc, argv);
    vazolar::setUpApplication(app);
    FirstPaintWatch watch;
    app.installEventFilter(&watch);
    return vazolar::runProgram(app);
}
