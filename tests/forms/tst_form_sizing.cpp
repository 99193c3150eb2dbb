#include "examples.h"
#include "fake_dialogs.h"
#include "form_driver.h"
#include "shapes.h"
#include "test_registry.h"

#include <QTest>

using namespace vazolar;
using namespace vazolar::testing;

namespace {

const char* startFieldOf(Shape shape) {
    return shape == Shape::Triangular ? "txty" : "txtb";
}

// Fills a form with sound data for its shape.
void fillSoundData(const FormDriver& ui, Shape shape) {
    ui.type("txti", "0,1");
    if (shape == Shape::Trapezoidal)
        ui.type("txtangulo", "30");
    ui.type("txtn", "0,015");
    ui.type("txtQdesejada", "0,5");
    if (shape != Shape::Circular)
        ui.type(startFieldOf(shape), "0,5");
}

} // namespace

// DIMENSIONAR on the real forms, typed key by key.
class FormSizingTest : public QObject {
    Q_OBJECT

private slots:
    void sizesTheWorkedCases_data() { addExampleRows(); }
    void sizesTheWorkedCases() {
        QFETCH(QString, name);
        const ExampleCase example = loadExample(name);
        FakeDialogs dialogs;
        SectionForm form(example.shape, dialogs);
        const FormDriver ui(&form);
        for (auto it = example.fields.begin(); it != example.fields.end(); ++it)
            ui.type(it.key(), it.value());
        if (example.shape != Shape::Circular)
            ui.setIncrement(example.scrollValue);
        ui.click("cmbdimensionar");

        QVERIFY(dialogs.messages.empty());
        if (example.shape == Shape::Circular) {
            QCOMPARE(ui.field("txtresposta")->text(), example.rows.first());
        } else {
            QCOMPARE(ui.rows(), example.rows);
            QCOMPARE(form.ntentativas(), example.ntentativas);
            QCOMPARE(ui.field("txtresposta")->text(),
                     example.rows.isEmpty() ? QString() : example.rows.last());
        }
        for (auto it = example.labels.begin(); it != example.labels.end(); ++it)
            QCOMPARE(ui.label(it.key())->text(), it.value());
        form.show();
        QVERIFY(ui.field("txtresposta")->isVisible());
        QCOMPARE(ui.commandStates(), kSizedCommands);
        // The typed angle stays on the drawing; the data fields keep their text.
        if (example.shape == Shape::Trapezoidal)
            QCOMPARE(ui.label("lbla")->text(), example.fields["txtangulo"]);
        QCOMPARE(ui.field("txtn")->text(), example.fields["txtn"]);
    }

    // Each field left empty in turn: the form's message, and nothing else happens.
    void emptyFieldStopsBeforeComputing_data() {
        QTest::addColumn<Shape>("shape");
        QTest::addColumn<QString>("emptyField");
        QTest::addColumn<QString>("message");
        const QString all = "Informe todos os dados.";
        const QString needed = "Informe todos os dados necessários.";
        for (const char* f : {"txti", "txtangulo", "txtn", "txtQdesejada", "txtb"})
            QTest::addRow("trapezoidal %s", f) << Shape::Trapezoidal << f << all;
        for (const char* f : {"txti", "txtn", "txtQdesejada", "txtb"})
            QTest::addRow("rectangular %s", f) << Shape::Rectangular << f << all;
        for (const char* f : {"txti", "txtn", "txtQdesejada", "txty"})
            QTest::addRow("triangular %s", f) << Shape::Triangular << f << needed;
        for (const char* f : {"txti", "txtn", "txtQdesejada"})
            QTest::addRow("circular %s", f) << Shape::Circular << f << needed;
    }
    void emptyFieldStopsBeforeComputing() {
        QFETCH(Shape, shape);
        QFETCH(QString, emptyField);
        QFETCH(QString, message);
        FakeDialogs dialogs;
        SectionForm form(shape, dialogs);
        const FormDriver ui(&form);
        fillSoundData(ui, shape);
        ui.field(emptyField)->clear();
        ui.click("cmbdimensionar");
        QCOMPARE(dialogs.messages.size(), size_t(1));
        QVERIFY(!dialogs.messages[0].warning);
        QCOMPARE(dialogs.messages[0].text, message);
        QCOMPARE(ui.commandStates(), kReadyCommands);
        if (shape == Shape::Circular)
            QVERIFY(ui.field("txtresposta")->text().isEmpty());
        else
            QVERIFY(ui.rows().isEmpty());
    }

    // Abandoned runs: a warning that says what to check, the rows so far kept, the labels and
    // buttons as they were, and the form still usable.
    void faultKeepsTheForm_data() {
        QTest::addColumn<Shape>("shape");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("rowsKept");
        QTest::addColumn<QString>("messageStart");
        QTest::newRow("n not a number") << Shape::Rectangular << "txtn"
                                        << "," << 0 << "O valor de n não é um número válido.";
        QTest::newRow("slope blanks only")
            << Shape::Triangular << "txti"
            << "   " << 0 << "O valor de I (%) não é um número válido.";
        QTest::newRow("angle not a number")
            << Shape::Trapezoidal << "txtangulo"
            << "1-" << 0 << "O valor de ANGULO (°) não é um número válido.";
        QTest::newRow("start 0") << Shape::Trapezoidal << "txtb"
                                 << "0" << 0
                                 << "O dimensionamento foi interrompido: um resultado ficou";
        QTest::newRow("n 0") << Shape::Triangular << "txtn"
                             << "0" << 0
                             << "O dimensionamento foi interrompido por uma divisão por zero.";
        QTest::newRow("negative depth")
            << Shape::Triangular << "txty"
            << "-0,5" << 0 << "O dimensionamento foi interrompido: o cálculo pediu";
        QTest::newRow("circle slope 0")
            << Shape::Circular << "txti"
            << "0" << 0 << "O dimensionamento foi interrompido por uma divisão";
        QTest::newRow("slope 0") << Shape::Rectangular << "txti"
                                 << "0" << 32768
                                 << "O dimensionamento foi interrompido: 32767 tentativas não "
                                    "alcançaram a vazão de projeto.";
    }
    void faultKeepsTheForm() {
        QFETCH(Shape, shape);
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(int, rowsKept);
        QFETCH(QString, messageStart);
        FakeDialogs dialogs;
        SectionForm form(shape, dialogs);
        const FormDriver ui(&form);
        form.show();
        fillSoundData(ui, shape);
        ui.field(field)->setText(text); // as if pasted
        ui.click("cmbdimensionar");

        QCOMPARE(dialogs.messages.size(), size_t(1));
        QVERIFY(dialogs.messages[0].warning);
        QVERIFY2(dialogs.messages[0].text.startsWith(messageStart),
                 qPrintable(dialogs.messages[0].text));
        QCOMPARE(ui.commandStates(), kReadyCommands);
        if (shape == Shape::Circular) {
            QVERIFY(ui.field("txtresposta")->text().isEmpty());
            QCOMPARE(ui.label("lbld")->text(), QString("?"));
        } else {
            QCOMPARE(ui.rows().size(), rowsKept);
            QVERIFY(!ui.field("txtresposta")->isVisible());
            // A result label that no field mirrors still shows "?".
            QCOMPARE(ui.label(shape == Shape::Triangular ? "lblB" : "lblY")->text(), QString("?"));
        }

        // The user corrects the data and sizes again: only the new run's rows are listed.
        ui.field(field)->setText(shape == Shape::Circular || field == "txti" ? "0,1" : "0,5");
        if (field == "txtn")
            ui.field(field)->setText("0,015");
        if (field == "txtangulo")
            ui.field(field)->setText("30");
        ui.click("cmbdimensionar");
        QCOMPARE(dialogs.messages.size(), size_t(1));
        QCOMPARE(ui.commandStates(), kSizedCommands);
        if (shape != Shape::Circular)
            QCOMPARE(ui.rows().size(), form.ntentativas());
    }

    void mirroredLabelsFollowTyping_data() {
        QTest::addColumn<Shape>("shape");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("label");
        QTest::newRow("angle") << Shape::Trapezoidal << "txtangulo"
                               << "lbla";
        QTest::newRow("bottom width") << Shape::Trapezoidal << "txtb"
                                      << "lblbb";
        QTest::newRow("width") << Shape::Rectangular << "txtb"
                               << "lblB";
        QTest::newRow("depth") << Shape::Triangular << "txty"
                               << "lblY";
    }
    void mirroredLabelsFollowTyping() {
        QFETCH(Shape, shape);
        QFETCH(QString, field);
        QFETCH(QString, label);
        FakeDialogs dialogs;
        SectionForm form(shape, dialogs);
        const FormDriver ui(&form);
        ui.type(field, "1");
        QCOMPARE(ui.label(label)->text(), QString("1"));
        ui.type(field, ",25");
        QCOMPARE(ui.label(label)->text(), QString("1,25"));
        ui.field(field)->setText("7"); // set by the program
        QCOMPARE(ui.label(label)->text(), QString("7"));
        ui.field(field)->clear();
        QCOMPARE(ui.label(label)->text(), QString());
    }

    // The trapezoidal form closes the roughness panel before checking the fields; the
    // triangular one leaves it open.
    void sizingAndThePanel_data() { addShapeRows(); }
    void sizingAndThePanel() {
        QFETCH(Shape, shape);
        const bool panelStaysOpen = shape != Shape::Trapezoidal;
        FakeDialogs dialogs;
        SectionForm form(shape, dialogs);
        const FormDriver ui(&form);
        form.show();
        ui.click("cmbtabelan");
        QVERIFY(ui.get("Framen")->isVisible());
        ui.click("cmbdimensionar");
        QCOMPARE(dialogs.messageTexts().size(), 1);
        QCOMPARE(ui.get("Framen")->isVisible(), panelStaysOpen);
    }
};

VAZOLAR_TEST(FormSizingTest);
#include "tst_form_sizing.moc"
