#include "app/windows.h"
#include "test_registry.h"
#include "window_helpers.h"

#include <QPointer>
#include <QTest>

using namespace vazolar;
using namespace vazolar::testing;

class WindowsTest : public QObject {
    Q_OBJECT

    // A registry whose credits window counts how often it was built.
    struct CountingWindows {
        Windows windows;
        int built = 0;
        CountingWindows() {
            windows.registerFactory(WindowId::Credits, [this] {
                ++built;
                return new QWidget;
            });
        }
    };

private slots:
    void openingAnOpenWindowMakesNoSecondCopy() {
        CountingWindows registry;
        QWidget* first = registry.windows.open(WindowId::Credits);
        QWidget* second = registry.windows.open(WindowId::Credits);
        QCOMPARE(second, first);
        QCOMPARE(registry.built, 1);
        QVERIFY(first->isVisible());
        QVERIFY(!first->isModal());
    }

    void closingDestroysTheWindowAndItsControls() {
        CountingWindows registry;
        QPointer<QWidget> window = registry.windows.open(WindowId::Credits);
        QPointer<QWidget> control = new QWidget(window);
        registry.windows.close(WindowId::Credits);
        QVERIFY(!registry.windows.isOpen(WindowId::Credits));
        deleteClosedWindows();
        QVERIFY(window.isNull());
        QVERIFY(control.isNull());
    }

    void aWindowOpenedAfterClosingIsBuiltAfresh() {
        CountingWindows registry;
        registry.windows.open(WindowId::Credits);
        registry.windows.close(WindowId::Credits);
        // Reopened before the event loop has deleted the old one.
        QWidget* reopened = registry.windows.open(WindowId::Credits);
        QCOMPARE(registry.built, 2);
        QVERIFY(reopened->isVisible());
        QCOMPARE(registry.windows.window(WindowId::Credits), reopened);
    }

    void theCloseBoxTakesTheWindowOutOfTheRegistry() {
        CountingWindows registry;
        QPointer<QWidget> window = registry.windows.open(WindowId::Credits);
        pressCloseBox(window);
        QVERIFY(!registry.windows.isOpen(WindowId::Credits));
        deleteClosedWindows();
        QVERIFY(window.isNull());
        registry.windows.open(WindowId::Credits);
        QCOMPARE(registry.built, 2);
    }

    void replaceOpensTheNextWindowBeforeClosingTheCurrent() {
        Windows windows;
        registerPlainSectionWindows(windows);
        bool currentWasOpen = false;
        windows.registerFactory(WindowId::Credits, [&] {
            currentWasOpen = windows.isOpen(WindowId::Circular);
            return new QWidget;
        });
        windows.open(WindowId::Circular);
        windows.replace(WindowId::Circular, WindowId::Credits);
        QVERIFY(currentWasOpen);
        QVERIFY(windows.isOpen(WindowId::Credits));
        QVERIFY(!windows.isOpen(WindowId::Circular));
    }

    void theRegistryDestroysTheWindowsStillOpen() {
        QPointer<QWidget> window;
        {
            CountingWindows registry;
            window = registry.windows.open(WindowId::Credits);
        }
        QVERIFY(window.isNull());
    }
};

VAZOLAR_TEST(WindowsTest);
#include "tst_windows.moc"
