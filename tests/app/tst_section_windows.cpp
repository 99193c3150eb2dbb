#include "app/section_windows.h"
#include "app/shell_windows.h"
#include "app/windows.h"
#include "forms/section_form.h"
#include "forms/user_dialogs.h"
#include "test_registry.h"
#include "window_helpers.h"

#include <QTest>

using namespace vazolar;
using namespace vazolar::testing;

namespace {

// Moving between windows asks the user nothing: any dialog is a fault.
class NoDialogs : public UserDialogs {
public:
    int opened = 0;
    void inform(QWidget*, const QString&) override { ++opened; }
    void warn(QWidget*, const QString&) override { ++opened; }
    std::optional<QString> askSavePath(QWidget*, const SavePrompt&) override {
        ++opened;
        return std::nullopt;
    }
    bool askPrinter(QWidget*, QPrinter&) override {
        ++opened;
        return false;
    }
};

} // namespace

// The real section forms as the program registers them: their shape buttons and CRÉDITOS
// move between windows.
class SectionWindowsTest : public QObject {
    Q_OBJECT

    NoDialogs dialogs;
    Windows windows;

    void click(WindowId form, const char* button) {
        QTest::mouseClick(windows.window(form)->findChild<QWidget*>(button), Qt::LeftButton);
    }

private slots:
    void init() {
        registerShellWindows(windows);
        registerSectionForms(windows, dialogs);
    }
    void cleanup() {
        closeEveryWindow(windows);
        QCOMPARE(dialogs.opened, 0);
    }

    void eachSectionWindowIsTheFormOfItsShape() {
        for (Shape shape :
             {Shape::Trapezoidal, Shape::Rectangular, Shape::Triangular, Shape::Circular}) {
            auto* form = qobject_cast<SectionForm*>(windows.open(sectionWindow(shape)));
            QVERIFY(form);
            QCOMPARE(form->shape(), shape);
        }
    }

    void aShapeButtonReplacesTheForm_data() {
        QTest::addColumn<WindowId>("from");
        QTest::addColumn<QString>("button");
        QTest::addColumn<WindowId>("to");
        QTest::newRow("trapezoidal to circular")
            << WindowId::Trapezoidal << "cmbcircular" << WindowId::Circular;
        QTest::newRow("circular to rectangular")
            << WindowId::Circular << "cmdretangular" << WindowId::Rectangular;
        QTest::newRow("rectangular to triangular")
            << WindowId::Rectangular << "cmbtriangular" << WindowId::Triangular;
        QTest::newRow("triangular to trapezoidal")
            << WindowId::Triangular << "cmbtrapezoidal" << WindowId::Trapezoidal;
    }
    void aShapeButtonReplacesTheForm() {
        QFETCH(WindowId, from);
        QFETCH(QString, button);
        QFETCH(WindowId, to);
        windows.open(from);
        click(from, qPrintable(button));
        QVERIFY(windows.isOpen(to));
        QVERIFY(!windows.isOpen(from));
    }

    void creditsOpenOnceBesideTheForm() {
        windows.open(WindowId::Triangular);
        click(WindowId::Triangular, "cmbsobre");
        QWidget* credits = windows.window(WindowId::Credits);
        QVERIFY(credits);
        click(WindowId::Triangular, "cmbsobre");
        QCOMPARE(windows.window(WindowId::Credits), credits);
        QVERIFY(windows.isOpen(WindowId::Triangular));
    }

    void creditsStayOpenWhenTheShapeChanges() {
        windows.open(WindowId::Circular);
        click(WindowId::Circular, "cmbsobre");
        QWidget* credits = windows.window(WindowId::Credits);
        click(WindowId::Circular, "cmbtrapezoidal");
        QCOMPARE(windows.window(WindowId::Credits), credits);
    }
};

VAZOLAR_TEST(SectionWindowsTest);
#include "tst_section_windows.moc"
