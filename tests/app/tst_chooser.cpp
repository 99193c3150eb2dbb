#include "app/shell_windows.h"
#include "app/windows.h"
#include "forms/twips.h"
#include "test_registry.h"
#include "window_checks.h"
#include "window_helpers.h"

#include <QLabel>
#include <QTest>
#include <QToolButton>

using namespace vazolar;
using namespace vazolar::testing;

class ChooserTest : public QObject {
    Q_OBJECT

    Windows windows;

    QWidget* openChooser() { return windows.open(WindowId::Chooser); }
    template <typename Control> Control* control(const char* name) {
        return openChooser()->findChild<Control*>(QString::fromLatin1(name));
    }

private slots:
    void init() {
        registerShellWindows(windows);
        registerPlainSectionWindows(windows);
    }
    void cleanup() { closeEveryWindow(windows); }

    void isAFixedWindowWithOnlyACloseBox() {
        QWidget* chooser = openChooser();
        QCOMPARE(chooser->objectName(), QStringLiteral("frmsessao"));
        QCOMPARE(chooser->windowTitle(), QStringLiteral("Vazolar"));
        QCOMPARE(chooser->size(), QSize(378, 448));
        QVERIFY(isFixedWithOnlyACloseBox(chooser));
        QVERIFY(isCentredOnScreen(chooser));
        QCOMPARE(backgroundOf(chooser), QColor(0xE0, 0xE0, 0xE0));
    }

    void labelsAreAsLaidOut_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<double>("points");
        QTest::addColumn<QColor>("colour");
        const QColor green(0x00, 0x80, 0x00), blue(0x00, 0x00, 0xFF);
        QTest::newRow("Label5") << "Label5"
                                << "VAZOLAR" << twipsRect(120, 120, 5415, 495) << 15.75 << green;
        QTest::newRow("Label6") << "Label6"
                                << "MÉTODO DA SEÇÃO ECONÔMICA" << twipsRect(120, 720, 5415, 495)
                                << 15.75 << green;
        QTest::newRow("Label1") << "Label1"
                                << "Canal Trapezoidal" << twipsRect(2280, 1800, 3375, 495) << 20.25
                                << blue;
        QTest::newRow("Label2") << "Label2"
                                << "Canal Retangular" << twipsRect(2280, 3120, 3255, 495) << 20.25
                                << blue;
        QTest::newRow("Label3") << "Label3"
                                << "Canal Triangular" << twipsRect(2280, 4440, 3255, 495) << 20.25
                                << blue;
        QTest::newRow("Label4") << "Label4"
                                << "Canal Circular" << twipsRect(2280, 5760, 2895, 495) << 20.25
                                << blue;
    }
    void labelsAreAsLaidOut() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QRect, place);
        QFETCH(double, points);
        QFETCH(QColor, colour);
        const QLabel* label = control<QLabel>(qPrintable(name));
        QCOMPARE(label->text(), text);
        QCOMPARE(label->geometry(), place);
        QVERIFY(label->alignment().testFlag(Qt::AlignHCenter));
        QCOMPARE(label->font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(label->font().pointSizeF(), points);
        QVERIFY(label->font().bold());
        QCOMPARE(label->palette().color(QPalette::WindowText), colour);
        QCOMPARE(backgroundOf(label), QColor(0xE0, 0xE0, 0xE0));
    }

    void shapeButtonsArePicturesOnGreen_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("top");
        QTest::newRow("cmbtrapezoidal") << "cmbtrapezoidal" << 1560;
        QTest::newRow("cmbretangular") << "cmbretangular" << 2880;
        QTest::newRow("cmbtriangular") << "cmbtriangular" << 4200;
        QTest::newRow("cmbcircular") << "cmbcircular" << 5520;
    }
    void shapeButtonsArePicturesOnGreen() {
        QFETCH(QString, name);
        QFETCH(int, top);
        const QToolButton* button = control<QToolButton>(qPrintable(name));
        QCOMPARE(button->geometry(), twipsRect(120, top, 2055, 1095));
        QVERIFY(button->text().isEmpty());
        QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonIconOnly);
        QCOMPARE(button->iconSize(), QSize(132, 70));
        const QPixmap picture = button->icon().pixmap(QSize(132, 70));
        QCOMPARE(picture.deviceIndependentSize(), QSizeF(132, 70));
        QVERIFY(isDrawn(picture));
        QCOMPARE(button->palette().color(QPalette::Button), QColor(0x00, 0xC0, 0x00));
    }

    void focusStartsOnTrapezoidalAndTabWalksTheButtons() {
        QWidget* chooser = openChooser();
        QVERIFY(QTest::qWaitForWindowActive(chooser));
        const QStringList order = {"cmbtrapezoidal", "cmbretangular", "cmbtriangular",
                                   "cmbcircular", "cmbtrapezoidal"};
        QCOMPARE(QApplication::focusWidget()->objectName(), order.first());
        for (qsizetype i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), order[i]);
        }
    }

    void aShapeButtonOpensItsFormAndClosesTheChooser_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<WindowId>("form");
        QTest::newRow("cmbtrapezoidal") << "cmbtrapezoidal" << WindowId::Trapezoidal;
        QTest::newRow("cmbretangular") << "cmbretangular" << WindowId::Rectangular;
        QTest::newRow("cmbtriangular") << "cmbtriangular" << WindowId::Triangular;
        QTest::newRow("cmbcircular") << "cmbcircular" << WindowId::Circular;
    }
    void aShapeButtonOpensItsFormAndClosesTheChooser() {
        QFETCH(QString, button);
        QFETCH(WindowId, form);
        QTest::mouseClick(control<QToolButton>(qPrintable(button)), Qt::LeftButton);
        QVERIFY(!windows.isOpen(WindowId::Chooser));
        for (WindowId id : {WindowId::Trapezoidal, WindowId::Rectangular, WindowId::Triangular,
                            WindowId::Circular})
            QCOMPARE(windows.isOpen(id), id == form);
    }

    void clickingALabelDoesNothing() {
        QTest::mouseClick(control<QLabel>("Label1"), Qt::LeftButton);
        QVERIFY(windows.isOpen(WindowId::Chooser));
        QVERIFY(!windows.isOpen(WindowId::Trapezoidal));
    }
};

VAZOLAR_TEST(ChooserTest);
#include "tst_chooser.moc"
