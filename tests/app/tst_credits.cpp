#include "app/shell_windows.h"
#include "app/windows.h"
#include "test_registry.h"
#include "window_checks.h"
#include "window_helpers.h"

#include <QLabel>
#include <QTest>

using namespace vazolar;
using namespace vazolar::testing;

class CreditsTest : public QObject {
    Q_OBJECT

    Windows windows;

private slots:
    void init() { registerShellWindows(windows); }
    void cleanup() { closeEveryWindow(windows); }

    void isOnePictureInAFixedWindow() {
        QWidget* credits = windows.open(WindowId::Credits);
        QCOMPARE(credits->objectName(), QStringLiteral("frmcreditos"));
        QCOMPARE(credits->windowTitle(), QStringLiteral("Créditos"));
        QCOMPARE(credits->size(), QSize(572, 428));
        QVERIFY(isFixedWithOnlyACloseBox(credits));
        QVERIFY(isCentredOnScreen(credits));
        QCOMPARE(backgroundOf(credits), QColor(0xE0, 0xE0, 0xE0));
        const auto controls = credits->findChildren<QWidget*>();
        QCOMPARE(controls.size(), 1);
        QCOMPARE(drawnPictureRect(qobject_cast<QLabel*>(controls.first())), QRect(0, 0, 573, 431));
    }
};

VAZOLAR_TEST(CreditsTest);
#include "tst_credits.moc"
