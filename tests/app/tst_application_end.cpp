#include "app/shell_windows.h"
#include "app/windows.h"
#include "test_registry.h"
#include "window_helpers.h"

#include <QSignalSpy>
#include <QTest>

using namespace vazolar;
using namespace vazolar::testing;

// The application ends when its last window closes, and at no other moment: these tests run
// the real event loop and see whether it ends by itself.
class ApplicationEndTest : public QObject {
    Q_OBJECT

    Windows windows;

    void closeByItsBox(WindowId id) { pressCloseBox(windows.window(id)); }

private slots:
    void init() {
        registerShellWindows(windows);
        registerPlainSectionWindows(windows);
    }
    void cleanup() { closeEveryWindow(windows); }

    void theSplashHandsOverToTheChooserWithoutEnding() {
        ApplicationRun run;
        QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
        windows.open(WindowId::Splash);
        run.when([&] { return windows.isOpen(WindowId::Chooser); }, "chooser shown",
                 [&] {
                     QVERIFY(!windows.isOpen(WindowId::Splash));
                     QCOMPARE(lastClosed.count(), 0);
                     closeByItsBox(WindowId::Chooser);
                 });
        QVERIFY(run.endsByItself());
        QCOMPARE(run.log, QStringList{"chooser shown"});
        QCOMPARE(lastClosed.count(), 1);
    }

    void theSplashClosedAloneEndsTheApplication() {
        ApplicationRun run;
        windows.open(WindowId::Splash);
        run.at(0, "splash closed", [&] { closeByItsBox(WindowId::Splash); });
        QVERIFY(run.endsByItself());
    }

    void theCreditsWindowKeepsTheApplicationRunning() {
        ApplicationRun run;
        windows.open(WindowId::Triangular);
        windows.open(WindowId::Credits);
        run.at(0, "section closed", [&] { closeByItsBox(WindowId::Triangular); });
        run.at(100, "credits closed", [&] {
            QVERIFY(windows.isOpen(WindowId::Credits));
            closeByItsBox(WindowId::Credits);
        });
        QVERIFY(run.endsByItself());
        QCOMPARE(run.log, (QStringList{"section closed", "credits closed"}));
    }
};

VAZOLAR_TEST(ApplicationEndTest);
#include "tst_application_end.moc"
