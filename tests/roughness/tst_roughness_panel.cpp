#include "examples.h"
#include "fake_dialogs.h"
#include "form_driver.h"
#include "roughness/catalogue.h"
#include "shapes.h"
#include "test_registry.h"

#include <QGroupBox>
#include <QTest>

using namespace vazolar;
using namespace vazolar::testing;

namespace {

// The panel's state, as the user sees it.
struct PanelState {
    bool panel;
    bool conditions; // the condition list and its heading
    bool materialsEnabled;
    bool operator==(const PanelState&) const = default;
};

PanelState stateOf(const FormDriver& ui) {
    QWidget* panel = ui.get("Framen");
    const bool conditions = ui.get("lstcondicoes")->isVisibleTo(panel);
    if (conditions != ui.get("Text1")->isVisibleTo(panel))
        qFatal("condition list and its heading disagree");
    return {panel->isVisible(), conditions, ui.list("lstmateriais")->isEnabled()};
}

char* toString(const PanelState& s) {
    return qstrdup(qPrintable(QString("panel %1, conditions %2, materials %3")
                                  .arg(s.panel)
                                  .arg(s.conditions)
                                  .arg(s.materialsEnabled ? "enabled" : "disabled")));
}

const PanelState kClosed{false, false, true};
const PanelState kChoosingMaterial{true, false, true};
const PanelState kChoosingCondition{true, true, false};

} // namespace

// The roughness panel on each of the four forms.
class RoughnessPanelTest : public QObject {
    Q_OBJECT

private slots:
    void ordinaryCourse_data() { addShapeRows(); }
    void ordinaryCourse() {
        QFETCH(Shape, shape);
        OpenForm f(shape);
        const FormDriver& ui = f.ui;
        QCOMPARE(stateOf(ui), kClosed);
        ui.type("txtn", "0,5");
        ui.field("txti")->setFocus();

        ui.click("cmbtabelan");
        QCOMPARE(stateOf(ui), kChoosingMaterial);
        QVERIFY(ui.list("lstmateriais")->selectedItems().isEmpty());

        ui.pickRow("lstmateriais", 4); // Gabiões
        QCOMPARE(stateOf(ui), kChoosingCondition);
        QCOMPARE(ui.field("txtn")->text(), QString("0,5"));

        ui.pickRow("lstcondicoes", 1); // Regulares
        QCOMPARE(stateOf(ui), kClosed);
        QCOMPARE(ui.field("txtn")->text(), QString("0,030"));
        QCOMPARE(QApplication::focusWidget(), ui.field("txtn"));

        // Opening again: the material still selected, the condition list hidden; picking a
        // material shows the last condition still selected.
        ui.click("cmbtabelan");
        QCOMPARE(stateOf(ui), kChoosingMaterial);
        QCOMPARE(ui.list("lstmateriais")->selectedItems().first()->text(), QString("Gabiões"));
        ui.pickRow("lstmateriais", 4);
        QCOMPARE(ui.list("lstcondicoes")->selectedItems().first()->text(), QString("Regulares"));
    }

    void goBackToTheMaterials_data() { addShapeRows(); }
    void goBackToTheMaterials() {
        QFETCH(Shape, shape);
        OpenForm f(shape);
        const FormDriver& ui = f.ui;
        ui.type("txtn", "0,02");
        ui.field("txti")->setFocus();
        ui.click("cmbtabelan");
        ui.pickRow("lstmateriais", 7);
        ui.pickRow("lstcondicoes", roughness::kGoBackRow);
        QCOMPARE(stateOf(ui), kChoosingMaterial);
        QCOMPARE(ui.field("txtn")->text(), QString("0,02"));
        QVERIFY(QApplication::focusWidget() != ui.field("txtn"));
        // The material choice starts afresh.
        QVERIFY(ui.list("lstmateriais")->selectedItems().isEmpty());
        ui.pickRow("lstmateriais", 2);
        ui.pickRow("lstcondicoes", 2);
        QCOMPARE(ui.field("txtn")->text(), QString("0,020"));
    }

    // Reopening the panel while a condition is being chosen leaves the conditions shown and
    // lets the user pick another material above them.
    void reopeningWhileChoosingACondition() {
        OpenForm f(Shape::Rectangular);
        const FormDriver& ui = f.ui;
        ui.click("cmbtabelan");
        ui.pickRow("lstmateriais", 0);
        ui.click("cmbtabelan");
        QCOMPARE(stateOf(ui), (PanelState{true, true, true}));
        ui.pickRow("lstmateriais", 10); // the last row, below the condition list
        QCOMPARE(stateOf(ui), kChoosingCondition);
        ui.pickRow("lstcondicoes", 2);
        QCOMPARE(ui.field("txtn")->text(), QString("0,040"));
    }

    // Only the trapezoidal form closes the panel when n takes the focus.
    void focusOnN_data() {
        QTest::addColumn<Shape>("shape");
        QTest::addColumn<bool>("closes");
        QTest::newRow("trapezoidal") << Shape::Trapezoidal << true;
        QTest::newRow("rectangular") << Shape::Rectangular << false;
        QTest::newRow("triangular") << Shape::Triangular << false;
        QTest::newRow("circular") << Shape::Circular << false;
    }
    void focusOnN() {
        QFETCH(Shape, shape);
        QFETCH(bool, closes);
        OpenForm f(shape);
        const FormDriver& ui = f.ui;
        ui.click("cmbtabelan");
        ui.pickRow("lstmateriais", 3);
        QTest::mouseClick(ui.field("txtn"), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), ui.field("txtn"));
        QCOMPARE(stateOf(ui), closes ? (PanelState{false, true, false}) : kChoosingCondition);
        // Reopened, the condition list is still over the material list, which is enabled.
        ui.click("cmbtabelan");
        QCOMPARE(stateOf(ui), (PanelState{true, true, true}));
    }

    // After a run the button is disabled, but a panel left open still writes n.
    void openPanelOutlivesARun() {
        OpenForm f(Shape::Circular);
        const FormDriver& ui = f.ui;
        ui.type("txti", "0,1");
        ui.type("txtQdesejada", "0,5");
        ui.click("cmbtabelan");
        ui.pickRow("lstmateriais", 1);
        ui.pickRow("lstcondicoes", 1);
        ui.click("cmbdimensionar");
        QCOMPARE(ui.field("txtresposta")->text(), loadExample("circular-worked").rows.first());
        ui.click("cmblimpar");
        ui.type("txti", "0,1");
        ui.type("txtQdesejada", "0,5");
        ui.click("cmbtabelan");
        ui.pickRow("lstmateriais", 4);
        ui.field("txtn")->setText("0,015");
        ui.click("cmbdimensionar");
        QVERIFY(!ui.button("cmbtabelan")->isEnabled());
        QCOMPARE(stateOf(ui), kChoosingCondition);
        ui.pickRow("lstcondicoes", 0);
        QCOMPARE(ui.field("txtn")->text(), QString("0,022"));
    }

    // Every cell picked through the panel reaches n and the sizing reads it.
    void everyCellThroughThePanel_data() {
        QTest::addColumn<Shape>("shape");
        QTest::addColumn<int>("material");
        QTest::addColumn<int>("condition");
        for (Shape shape : kAllShapes)
            for (int m = 0; m < roughness::kMaterialCount; ++m)
                for (int c = 0; c < roughness::kConditionCount; ++c)
                    QTest::addRow("%s %d %d", qPrintable(shapeName(shape)), m, c)
                        << shape << m << c;
    }
    void everyCellThroughThePanel() {
        QFETCH(Shape, shape);
        QFETCH(int, material);
        QFETCH(int, condition);
        OpenForm f(shape);
        const FormDriver& ui = f.ui;
        ui.click("cmbtabelan");
        ui.pickRow("lstmateriais", material);
        ui.pickRow("lstcondicoes", condition);
        const QString n = std::get<QString>(roughness::lookup(material, condition));
        QCOMPARE(ui.field("txtn")->text(), n);

        // The sizing reads that n: a circle sized with it has the diameter of its n.
        ui.type("txti", "0,1");
        ui.type("txtQdesejada", "0,5");
        if (shape == Shape::Trapezoidal)
            ui.type("txtangulo", "30");
        if (shape != Shape::Circular)
            ui.type(shape == Shape::Triangular ? "txty" : "txtb", "2");
        ui.click("cmbdimensionar");
        QVERIFY(f.dialogs.messages.empty());
        QVERIFY(!ui.button("cmbdimensionar")->isEnabled());
    }
};

VAZOLAR_TEST(RoughnessPanelTest);
#include "tst_roughness_panel.moc"
