#include "fake_dialogs.h"
#include "forms/adopted_window.h"
#include "forms/profile_window.h"
#include "test_registry.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using namespace vazolar;
using namespace vazolar::testing;

namespace {

// The worked trapezoid's adopted section, b 0,70 m, with its profile's window opened by the
// adopted window's button.
struct OpenProfile {
    FakeDialogs dialogs;
    QWidget form;
    QString noSavedReport;
    AdoptedWindow adopted{&form, &form, Shape::Trapezoidal, dialogs, noSavedReport};
    ProfileWindow* window = nullptr;

    OpenProfile() {
        adopted.showRequest(AdoptedRequest{.shape = Shape::Trapezoidal,
                                           .slope = "0,1",
                                           .roughness = "0,015",
                                           .discharge = "0,5",
                                           .angle = "30",
                                           .bottomWidth = "0,70"});
        QTest::mouseClick(adopted.findChild<QPushButton*>("cmdremanso"), Qt::LeftButton);
        window = adopted.findChild<ProfileWindow*>("frmremanso");
    }
    void type(QWidget* on, const char* field, const QString& text) {
        auto* edit = on->findChild<QLineEdit*>(field);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    QString summary() const { return window->findChild<QLabel*>("lblresumo")->text(); }
    QString status() const { return window->findChild<QLabel*>("lblstatus")->text(); }
    QTableWidget* table() const { return window->findChild<QTableWidget*>("grdestacoes"); }
};

} // namespace

// The profile's window: its fields through the key filter, its lines, table and picture on
// every edit, and the adopted section's edits followed.
class ProfileWindowTest : public QObject {
    Q_OBJECT

private slots:
    void followsItsFieldsAndTheAdoptedSection() {
        OpenProfile open;
        QVERIFY(open.window);
        QCOMPARE(open.window->windowTitle(),
                 QString::fromUtf8("Curva de remanso — Canal trapezoidal"));
        open.type(open.window, "txty0", "1,00x");
        open.type(open.window, "txtcomprimento", "2000");
        open.type(open.window, "txtpasso", "200");
        QCOMPARE(open.window->findChild<QLineEdit*>("txty0")->text(), QString("1,00"));
        QVERIFY2(open.summary().contains("Curva M1"), qPrintable(open.summary()));
        QCOMPARE(open.table()->rowCount(), 12); // 11 stations and the 1 % length
        QCOMPARE(open.table()->item(5, 0)->text(), QString("normal"));
        QCOMPARE(open.table()->item(1, 3)->text(), QString("0,8259"));
        QVERIFY(open.window->copyText().startsWith("curva\tponto\tx\tzf\ty\tzw\t"));

        // A steep slope typed in the adopted window: the control now holds a jump.
        open.type(&open.adopted, "txti", "2");
        QVERIFY2(open.summary().contains("Curva S1"), qPrintable(open.summary()));
        QVERIFY(open.summary().contains("Ressalto hidráulico em x = "));

        // The critical depth replaces the typed control.
        open.type(&open.adopted, "txti", "0,1");
        open.window->findChild<QCheckBox*>("chkcritica")->setChecked(true);
        QVERIFY(!open.window->findChild<QLineEdit*>("txty0")->isEnabled());
        QVERIFY2(open.summary().contains("Curva M2"), qPrintable(open.summary()));

        open.window->findChild<QCheckBox*>("chkcritica")->setChecked(false);
        open.type(open.window, "txty0", "0");
        QCOMPARE(open.status(),
                 QString::fromUtf8("O valor de y de controle (m) deve ser maior que zero."));
        QCOMPARE(open.table()->rowCount(), 0);
        QCOMPARE(open.window->copyText(), QString());
    }
};

VAZOLAR_TEST(ProfileWindowTest);
#include "tst_profile_window.moc"
