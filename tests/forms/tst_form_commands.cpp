#include "fake_dialogs.h"
#include "form_driver.h"
#include "shapes.h"
#include "test_registry.h"

#include <QSignalSpy>
#include <QTest>

using namespace vazolar;
using namespace vazolar::testing;

// NOVO, the shape buttons and CRÉDITOS.
class FormCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void newEmptiesASizedForm_data() {
        QTest::addColumn<Shape>("shape");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("trapezoidal")
            << Shape::Trapezoidal
            << QStringList{"txti", "txtangulo", "txtn", "txtQdesejada", "txtb"}
            << QStringList{"lblB", "lblY", "lbla", "lblbb"};
        QTest::newRow("rectangular")
            << Shape::Rectangular << QStringList{"txti", "txtn", "txtQdesejada", "txtb"}
            << QStringList{"lblB", "lblY"};
        QTest::newRow("triangular")
            << Shape::Triangular << QStringList{"txti", "txtn", "txtQdesejada", "txty"}
            << QStringList{"lblB", "lblY"};
        QTest::newRow("circular") << Shape::Circular << QStringList{"txti", "txtn", "txtQdesejada"}
                                  << QStringList{"lbld"};
    }
    void newEmptiesASizedForm() {
        QFETCH(Shape, shape);
        QFETCH(QStringList, fields);
        QFETCH(QStringList, labels);
        FakeDialogs dialogs;
        SectionForm form(shape, dialogs);
        const FormDriver ui(&form);
        form.show();
        for (const QString& field : fields)
            ui.type(field, field == "txtangulo" ? "30" : "0,5");
        const bool trial = shape != Shape::Circular;
        if (trial)
            ui.setIncrement(19);
        ui.click("cmbdimensionar");
        QVERIFY(ui.button("cmbsalvar")->isEnabled());
        ui.click("cmbtabelan"); // disabled after a run: the panel stays closed
        QVERIFY(!ui.get("Framen")->isVisible());

        ui.field("txti")->setFocus();
        ui.click("cmblimpar");
        for (const QString& field : fields)
            QVERIFY(ui.field(field)->text().isEmpty());
        for (const QString& label : labels)
            QCOMPARE(ui.label(label)->text(), QString("?"));
        QVERIFY(ui.field("txtresposta")->text().isEmpty());
        QVERIFY(ui.field("txtresposta")->isVisible());
        QCOMPARE(form.ntentativas(), 0);
        if (trial) {
            QVERIFY(ui.rows().isEmpty());
            QCOMPARE(ui.get<QScrollBar>("brhincremento")->value(), 10);
        }
        QCOMPARE(ui.commandStates(), kReadyCommands);
        QVERIFY(dialogs.messages.empty());

        // The form sizes again as new.
        for (const QString& field : fields)
            ui.type(field, field == "txtangulo" ? "30" : "0,5");
        ui.click("cmbdimensionar");
        QVERIFY(!ui.button("cmbdimensionar")->isEnabled());
    }

    void newLeavesThePanelAlone() {
        FakeDialogs dialogs;
        SectionForm form(Shape::Rectangular, dialogs);
        const FormDriver ui(&form);
        form.show();
        ui.click("cmbtabelan");
        ui.pickRow("lstmateriais", 4);
        ui.click("cmblimpar");
        QVERIFY(ui.get("Framen")->isVisible());
        QVERIFY(ui.get("lstcondicoes")->isVisible());
        QCOMPARE(ui.list("lstmateriais")->currentRow(), 4);
    }

    void shapeButtonsAskForTheirForm_data() { addShapeRows(); }
    void shapeButtonsAskForTheirForm() {
        QFETCH(Shape, shape);
        FakeDialogs dialogs;
        SectionForm form(shape, dialogs);
        const FormDriver ui(&form);
        form.show();
        QSignalSpy requests(&form, &SectionForm::shapeRequested);
        const std::pair<const char*, Shape> buttons[] = {{"cmbtrapezoidal", Shape::Trapezoidal},
                                                         {"cmdretangular", Shape::Rectangular},
                                                         {"cmbtriangular", Shape::Triangular},
                                                         {"cmbcircular", Shape::Circular}};
        QList<Shape> expected;
        for (const auto& [name, target] : buttons) {
            ui.click(name);
            if (target != shape)
                expected << target;
        }
        QList<Shape> asked;
        for (const QList<QVariant>& request : requests)
            asked << request.at(0).value<Shape>();
        QCOMPARE(asked, expected);
    }

    void creditsAsksForTheCreditsWindow() {
        FakeDialogs dialogs;
        SectionForm form(Shape::Circular, dialogs);
        const FormDriver ui(&form);
        form.show();
        ui.type("txti", "0,1");
        QSignalSpy credits(&form, &SectionForm::creditsRequested);
        ui.click("cmbsobre");
        ui.click("cmbsobre");
        QCOMPARE(credits.count(), 2);
        QCOMPARE(ui.field("txti")->text(), QString("0,1"));
    }
};

VAZOLAR_TEST(FormCommandsTest);
#include "tst_form_commands.moc"
