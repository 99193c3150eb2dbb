#include "app/shell_windows.h"
#include "app/windows.h"
#include "test_registry.h"
#include "window_checks.h"
#include "window_helpers.h"

#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

using namespace vazolar;
using namespace vazolar::testing;

class SplashTest : public QObject {
    Q_OBJECT

    Windows windows;

private slots:
    void init() {
        registerShellWindows(windows);
        registerPlainSectionWindows(windows);
    }
    void cleanup() { closeEveryWindow(windows); }

    void isABorderlessPictureInTheMiddleOfTheScreen() {
        QWidget* splash = windows.open(WindowId::Splash);
        QCOMPARE(splash->objectName(), QStringLiteral("FRMABERTURA"));
        QCOMPARE(splash->windowType(), Qt::SplashScreen);
        QVERIFY(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(splash->size(), QSize(502, 340));
        QVERIFY(isCentredOnScreen(splash));
        QCOMPARE(backgroundOf(splash), QColor(0xE0, 0xE0, 0xE0));
        QCOMPARE(drawnPictureRect(splash->findChild<QLabel*>("Image1")), QRect(0, 0, 504, 339));
    }

    void theTimerOpensTheChooserAndClosesTheSplash() {
        QPointer<QWidget> splash = windows.open(WindowId::Splash);
        QTRY_VERIFY_WITH_TIMEOUT(windows.isOpen(WindowId::Chooser), 5000);
        QVERIFY(windows.window(WindowId::Chooser)->isVisible());
        QVERIFY(!windows.isOpen(WindowId::Splash));
        deleteClosedWindows();
        QVERIFY(splash.isNull());
    }

    void clickingTheSplashDoesNothing() {
        QWidget* splash = windows.open(WindowId::Splash);
        QTest::mouseClick(splash->findChild<QLabel*>("Image1"), Qt::LeftButton);
        QTest::mouseClick(splash, Qt::LeftButton);
        QVERIFY(windows.isOpen(WindowId::Splash));
        QVERIFY(!windows.isOpen(WindowId::Chooser));
        QVERIFY(splash->findChild<QTimer*>("Timer1")->isActive());
    }
};

VAZOLAR_TEST(SplashTest);
#include "tst_splash.moc"
