#include "fake_dialogs.h"
#include "form_driver.h"
#include "forms/form_builder.h"
#include "shapes.h"
#include "test_registry.h"

#include <QGroupBox>
#include <QScrollBar>
#include <QTest>

using namespace vazolar;
using namespace vazolar::testing;

// What a user sees when a section form opens.
class FormLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void window_data() {
        QTest::addColumn<Shape>("shape");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("clientSize");
        // Client areas of 13905 × 9900 and 13875 × 9870 twips.
        QTest::newRow("trapezoidal") << Shape::Trapezoidal << "frmtrapezoidal"
                                     << "VAZOLAR TRAPEZOIDAL" << QSize(927, 660);
        QTest::newRow("rectangular") << Shape::Rectangular << "frmretangular"
                                     << "VAZOLAR RETANGULAR" << QSize(925, 658);
        QTest::newRow("triangular") << Shape::Triangular << "frmtriangular"
                                    << "VAZOLAR TRIANGULAR" << QSize(927, 660);
        QTest::newRow("circular") << Shape::Circular << "frmcircular"
                                  << "VAZOLAR CIRCULAR" << QSize(925, 658);
    }
    void window() {
        QFETCH(Shape, shape);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QSize, clientSize);
        FakeDialogs dialogs;
        SectionForm form(shape, dialogs);
        QCOMPARE(form.objectName(), name);
        QCOMPARE(form.windowTitle(), caption);
        QCOMPARE(form.size(), clientSize);
        QCOMPARE(form.minimumSize(), clientSize);
        QCOMPARE(form.maximumSize(), clientSize);
        QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(form.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(form.windowFlags() & Qt::WindowCloseButtonHint);
        QCOMPARE(form.palette().color(QPalette::Window), QColor(0xE0, 0xE0, 0xE0));
    }

    // A representative set of controls, in pixels (twips / 15) inside their container.
    void geometry_data() {
        QTest::addColumn<Shape>("shape");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("rect");
        const Shape T = Shape::Trapezoidal, R = Shape::Rectangular, Y = Shape::Triangular,
                    C = Shape::Circular;
        QTest::newRow("band") << T << "lblcaixa"
                              << "frmtrapezoidal" << QRect(-8, 32, 1088, 73);
        QTest::newRow("circular button") << C << "cmbcircular"
                                         << "frmcircular" << QRect(280, 8, 141, 25);
        QTest::newRow("IMPRIMIR") << R << "cmbimprimir"
                                  << "frmretangular" << QRect(544, 48, 137, 49);
        QTest::newRow("data group") << T << "framedados"
                                    << "frmtrapezoidal" << QRect(8, 112, 273, 321);
        QTest::newRow("txtQdesejada") << Y << "txtQdesejada"
                                      << "framedados" << QRect(184, 136, 81, 41);
        QTest::newRow("table button") << T << "cmbtabelan"
                                      << "framedados" << QRect(152, 134, 25, 26);
        QTest::newRow("scroll bar") << R << "brhincremento"
                                    << "framedados" << QRect(40, 232, 193, 17);
        QTest::newRow("figure group") << C << "Frame1"
                                      << "frmcircular" << QRect(24, 368, 345, 265);
        QTest::newRow("circle picture") << C << "Image1"
                                        << "Frame1" << QRect(48, 24, 257, 232);
        QTest::newRow("angle label") << T << "lbla"
                                     << "Frame1" << QRect(216, 112, 25, 17);
        QTest::newRow("heading") << Y << "lbltitulo"
                                 << "frmtriangular" << QRect(360, 120, 497, 33);
        QTest::newRow("trial list") << T << "lstresposta"
                                    << "frmtrapezoidal" << QRect(328, 144, 585, 422);
        QTest::newRow("result field") << Y << "txtresposta"
                                      << "frmtriangular" << QRect(360, 584, 497, 33);
        QTest::newRow("circle result") << C << "txtresposta"
                                       << "frmcircular" << QRect(448, 176, 449, 33);
        QTest::newRow("panel") << Y << "Framen"
                               << "frmtriangular" << QRect(304, 160, 217, 217);
        QTest::newRow("conditions") << C << "lstcondicoes"
                                    << "Framen" << QRect(32, 104, 145, 64);
    }
    void geometry() {
        QFETCH(Shape, shape);
        QFETCH(QString, control);
        QFETCH(QString, container);
        QFETCH(QRect, rect);
        FakeDialogs dialogs;
        SectionForm form(shape, dialogs);
        QWidget* widget = FormDriver(&form).get(control);
        QCOMPARE(widget->parentWidget()->objectName(), container);
        QCOMPARE(widget->geometry(), rect);
    }

    void texts_data() {
        QTest::addColumn<Shape>("shape");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        const Shape T = Shape::Trapezoidal, R = Shape::Rectangular, Y = Shape::Triangular,
                    C = Shape::Circular;
        QTest::newRow("trapezoid heading")
            << T << "lbltitulo"
            << "   b(m)         B(m)        y(m)        Am(m²)      Pm(m)      RH(m)     "
               "Q(m³/s)     V(m/s)   ";
        QTest::newRow("rectangle heading")
            << R << "lbltitulo"
            << "   B(m)           y(m)           Am(m²)         Pm(m)         RH(m)        "
               "Q(m³/s)        V(m/s)   ";
        QTest::newRow("triangle heading")
            << Y << "lbltitulo"
            << " B(m)        Y(m)        Am(m²)      Pm(m)      RH(m)     Q(m³/s)     V(m/s)   ";
        QTest::newRow("circle heading")
            << C << "lbltitulo"
            << "D(m)          Am(m²)           RH(m)          Q(m³/s)          V(m/s)   ";
        QTest::newRow("triangle button") << R << "cmbtriangular"
                                         << "Canal Triângular";
        QTest::newRow("credits") << Y << "cmbsobre"
                                 << "CRÉDITOS";
        QTest::newRow("panel") << C << "Framen"
                               << "n da fórmula de Manning";
        QTest::newRow("panel title") << T << "Label7"
                                     << "Coeficientes de rugosidade (n)";
        QTest::newRow("conditions title") << R << "Text1"
                                          << "Condições";
        QTest::newRow("angle caption") << T << "Label5"
                                       << "Angulo";
        QTest::newRow("diameter caption") << C << "Label3"
                                          << "D = ";
        QTest::newRow("figure") << Y << "Frame1"
                                << "Canal Triangular";
        QTest::newRow("data") << C << "framedados"
                              << "DADOS";
    }
    void texts() {
        QFETCH(Shape, shape);
        QFETCH(QString, control);
        QFETCH(QString, text);
        FakeDialogs dialogs;
        SectionForm form(shape, dialogs);
        QWidget* widget = FormDriver(&form).get(control);
        QString shown = widget->property("text").toString();
        if (auto* group = qobject_cast<QGroupBox*>(widget))
            shown = group->title();
        QCOMPARE(shown, text);
    }

    void captionLabels_data() {
        QTest::addColumn<Shape>("shape");
        QTest::addColumn<QStringList>("captions"); // Label1(0) to Label1(5); "" where absent
        QTest::newRow("trapezoidal") << Shape::Trapezoidal << QStringList{"I (%)",
                                                                          "ANGULO (°)",
                                                                          "n",
                                                                          "Q projeto (m³/s)",
                                                                          "b  inicial (m)",
                                                                          "Precisão do incremento"};
        QTest::newRow("rectangular")
            << Shape::Rectangular << QStringList{"I (%)",
                                                 "",
                                                 "n",
                                                 "Q projeto (m³/s)",
                                                 "B  inicial (m)",
                                                 "Precisão das Tentativas"};
        QTest::newRow("triangular") << Shape::Triangular << QStringList{"I (%)",
                                                                        "",
                                                                        "n",
                                                                        "Q projeto (m³/s)",
                                                                        "Y  inicial (m)",
                                                                        "Precisão do incremento"};
        QTest::newRow("circular") << Shape::Circular
                                  << QStringList{"I (%)", "", "n", "Q projeto (m³/s)", "", ""};
    }
    void captionLabels() {
        QFETCH(Shape, shape);
        QFETCH(QStringList, captions);
        FakeDialogs dialogs;
        SectionForm form(shape, dialogs);
        for (int index = 0; index < captions.size(); ++index) {
            auto* label = qobject_cast<QLabel*>(arrayMember(&form, "Label1", index));
            QCOMPARE(label ? label->text() : QString(), captions[index]);
        }
    }

    void fontsAndColours_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("text");
        QTest::newRow("heading") << "lbltitulo" << 12.0 << true << QColor(0xC0, 0xC0, 0xC0)
                                 << QColor(0x00, 0x00, 0xFF);
        QTest::newRow("trial list")
            << "lstresposta" << 12.0 << false << QColor(Qt::white) << QColor(Qt::black);
        QTest::newRow("materials")
            << "lstmateriais" << 9.75 << true << QColor(0xFF, 0xFF, 0xC0) << QColor(Qt::black);
        QTest::newRow("conditions")
            << "lstcondicoes" << 9.0 << true << QColor(0xC0, 0xFF, 0xC0) << QColor(Qt::black);
        QTest::newRow("result label")
            << "lblY" << 8.25 << true << QColor(0xC0, 0xC0, 0xC0) << QColor(Qt::black);
        QTest::newRow("shape button")
            << "cmbcircular" << 9.0 << true << QColor(Qt::white) << QColor(Qt::black);
        QTest::newRow("command button")
            << "cmblimpar" << 9.0 << true << QColor(0xC0, 0xC0, 0xC0) << QColor(Qt::black);
        QTest::newRow("data field")
            << "txtn" << 12.0 << true << QColor(Qt::white) << QColor(Qt::black);
        QTest::newRow("hidden result")
            << "txtresposta" << 12.0 << false << QColor(Qt::white) << QColor(0x00, 0x80, 0x00);
    }
    void fontsAndColours() {
        QFETCH(QString, control);
        QFETCH(double, points);
        QFETCH(bool, bold);
        QFETCH(QColor, background);
        QFETCH(QColor, text);
        FakeDialogs dialogs;
        SectionForm form(Shape::Triangular, dialogs);
        QWidget* widget = FormDriver(&form).get(control);
        QCOMPARE(widget->font().family(), QString("Times New Roman"));
        QCOMPARE(widget->font().pointSizeF(), points);
        QCOMPARE(widget->font().bold(), bold);
        QCOMPARE(widget->palette().color(widget->backgroundRole()), background);
        QCOMPARE(widget->palette().color(widget->foregroundRole()), text);
    }

    void openingState_data() {
        QTest::addColumn<Shape>("shape");
        QTest::addColumn<QStringList>("questionLabels"); // the drawing's labels that show "?"
        QTest::newRow("trapezoidal")
            << Shape::Trapezoidal << QStringList{"lblB", "lblY", "lbla", "lblbb"};
        QTest::newRow("rectangular") << Shape::Rectangular << QStringList{"lblB", "lblY"};
        QTest::newRow("triangular") << Shape::Triangular << QStringList{"lblB", "lblY"};
        QTest::newRow("circular") << Shape::Circular << QStringList{"lbld"};
    }
    void openingState() {
        QFETCH(Shape, shape);
        QFETCH(QStringList, questionLabels);
        FakeDialogs dialogs;
        SectionForm form(shape, dialogs);
        const FormDriver ui(&form);
        form.show();
        QCOMPARE(ui.commandStates(), kReadyCommands);
        const QString ownButton[] = {"cmbtrapezoidal", "cmdretangular", "cmbtriangular",
                                     "cmbcircular"};
        for (const QString& name : ownButton)
            QCOMPARE(ui.button(name)->isEnabled(), name != ownButton[int(shape)]);
        QVERIFY(!ui.get("Framen")->isVisible());
        QVERIFY(!ui.get("lstcondicoes")->isVisibleTo(ui.get("Framen")));
        QVERIFY(!ui.get("Text1")->isVisibleTo(ui.get("Framen")));
        QCOMPARE(ui.list("lstmateriais")->count(), 11);
        QVERIFY(ui.list("lstmateriais")->selectedItems().isEmpty());
        for (QLineEdit* field : form.findChildren<QLineEdit*>()) {
            if (field->objectName() != "Text1")
                QVERIFY2(field->text().isEmpty(), qPrintable(field->objectName()));
        }
        for (const QString& name : questionLabels)
            QCOMPARE(ui.label(name)->text(), QString("?"));
        const bool trial = shape != Shape::Circular;
        QCOMPARE(ui.get("txtresposta")->isVisible(), !trial);
        QCOMPARE(form.findChild<QListWidget*>("lstresposta") != nullptr, trial);
        QCOMPARE(form.findChild<QScrollBar*>("brhincremento") != nullptr, trial);
        if (trial) {
            const auto* bar = ui.get<QScrollBar>("brhincremento");
            QCOMPARE(bar->minimum(), 1);
            QCOMPARE(bar->maximum(), 19);
            QCOMPARE(bar->value(), 10);
            QCOMPARE(bar->singleStep(), 5);
            QCOMPARE(bar->pageStep(), 5);
        }
    }

    // Tab walks the tabled order, skipping what is hidden or disabled, from txti round.
    void tabOrder_data() {
        QTest::addColumn<Shape>("shape");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("trapezoidal")
            << Shape::Trapezoidal
            << QStringList{"txti",          "txtangulo",    "cmbtabelan",     "txtn",
                           "txtQdesejada",  "txtb",         "cmbdimensionar", "cmblimpar",
                           "lstresposta",   "cmbsobre",     "cmbcircular",    "cmbtriangular",
                           "cmdretangular", "brhincremento"};
        QTest::newRow("rectangular")
            << Shape::Rectangular
            << QStringList{"txti",       "cmbtabelan",     "txtn",           "txtQdesejada",
                           "txtb",       "brhincremento",  "cmbdimensionar", "cmblimpar",
                           "cmbsobre",   "cmbtrapezoidal", "cmbcircular",    "cmbtriangular",
                           "lstresposta"};
        QTest::newRow("triangular")
            << Shape::Triangular
            << QStringList{"txti",       "cmbtabelan",     "txtn",           "txtQdesejada",
                           "txty",       "brhincremento",  "cmbdimensionar", "cmbsobre",
                           "cmblimpar",  "cmbtrapezoidal", "cmbcircular",    "cmdretangular",
                           "lstresposta"};
        QTest::newRow("circular") << Shape::Circular
                                  << QStringList{"txti",          "cmbtabelan",     "txtn",
                                                 "txtQdesejada",  "cmbdimensionar", "cmbsobre",
                                                 "cmblimpar",     "cmbtrapezoidal", "cmbtriangular",
                                                 "cmdretangular", "txtresposta"};
    }
    void tabOrder() {
        QFETCH(Shape, shape);
        QFETCH(QStringList, order);
        FakeDialogs dialogs;
        SectionForm form(shape, dialogs);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("txti"));
        QStringList walked{QApplication::focusWidget()->objectName()};
        for (int step = 1; step <= order.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(walked, order + QStringList{"txti"});
    }
};

VAZOLAR_TEST(FormLayoutTest);
#include "tst_form_layout.moc"
