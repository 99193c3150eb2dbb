#include "fake_dialogs.h"
#include "form_driver.h"
#include "shapes.h"
#include "test_registry.h"

#include <QLabel>
#include <QTest>

using namespace vazolar;
using namespace vazolar::testing;

// Forms opened one after another paint with the same palettes and pictures. Qt's pixmap cache
// keeps every key it is given for the life of the program, and Fusion and the SVG icon engine
// build those keys from the palette's and the icon's cache keys: new palettes or icons for
// every form would make the program grow with every form opened.
class SharedLooksTest : public QObject {
    Q_OBJECT

private slots:
    void palettesAreTheSameFromFormToForm_data() {
        QTest::addColumn<QString>("control");
        for (const char* control :
             {"frmtrapezoidal", "cmbsalvar", "cmbcircular", "cmbtabelan", "brhincremento", "txti",
              "framedados", "Label1", "Frame1", "lstresposta", "lstmateriais"})
            QTest::newRow(control) << QString(control);
    }
    void palettesAreTheSameFromFormToForm() {
        QFETCH(QString, control);
        FakeDialogs dialogs;
        SectionForm first(Shape::Trapezoidal, dialogs);
        SectionForm second(Shape::Trapezoidal, dialogs);
        QCOMPARE(controlOf(second, control)->palette().cacheKey(),
                 controlOf(first, control)->palette().cacheKey());
    }

    void picturesAreTheSameFromFormToForm_data() {
        QTest::addColumn<Shape>("firstShape");
        QTest::addColumn<Shape>("secondShape");
        QTest::addColumn<QString>("button");
        QTest::newRow("SALVAR") << Shape::Trapezoidal << Shape::Circular << "cmbsalvar";
        QTest::newRow("NOVO") << Shape::Rectangular << Shape::Triangular << "cmblimpar";
        QTest::newRow("table button") << Shape::Triangular << Shape::Trapezoidal << "cmbtabelan";
    }
    void picturesAreTheSameFromFormToForm() {
        QFETCH(Shape, firstShape);
        QFETCH(Shape, secondShape);
        QFETCH(QString, button);
        FakeDialogs dialogs;
        SectionForm first(firstShape, dialogs);
        SectionForm second(secondShape, dialogs);
        QCOMPARE(FormDriver(&second).button(button)->icon().cacheKey(),
                 FormDriver(&first).button(button)->icon().cacheKey());
    }

    void theCircleIsTheSameFromFormToForm() {
        FakeDialogs dialogs;
        SectionForm first(Shape::Circular, dialogs);
        SectionForm second(Shape::Circular, dialogs);
        QCOMPARE(FormDriver(&second).label("Image1")->pixmap().cacheKey(),
                 FormDriver(&first).label("Image1")->pixmap().cacheKey());
    }

private:
    static const QWidget* controlOf(SectionForm& form, const QString& name) {
        if (form.objectName() == name)
            return &form;
        return FormDriver(&form).get(name);
    }
};

VAZOLAR_TEST(SharedLooksTest);
#include "tst_shared_looks.moc"
