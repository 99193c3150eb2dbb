#include "ci_skip.h"
#include "forms/adopted_window.h"
#include "forms/picture_view.h"
#include "pdf_text.h"
#include "test_registry.h"
#include "trial_helpers.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace vazolar;
using namespace vazolar::testing;

namespace {

// The value shown beside the quantity whose label ends with `symbol`.
QString shownValue(const QWidget* window, const QString& symbol) {
    const auto* table = window->findChild<QTableWidget*>("grdresultado");
    for (int row = 0; row < table->rowCount(); ++row) {
        if (table->item(row, 0)->text().endsWith(" " + symbol))
            return table->item(row, 1)->text();
    }
    return "(absent)";
}

// Opens the adopted-section window of the last trial through the analysis window's button.
AdoptedWindow* adoptLastTrial(SizedExample& sized) {
    if (sized.example.shape == Shape::Circular) {
        QTest::mouseDClick(sized.open.ui.field("txtresposta"), Qt::LeftButton);
    } else {
        QListWidget* list = sized.open.ui.list("lstresposta");
        doubleClickRow(list, list->count() - 1);
    }
    QTest::mouseClick(sized.analysisWindow()->findChild<QPushButton*>("cmdadotar"), Qt::LeftButton);
    return sized.open.form.findChild<AdoptedWindow*>("frmadotada");
}

void retype(QWidget* window, const char* field, const QString& text) {
    auto* edit = window->findChild<QLineEdit*>(field);
    QVERIFY2(edit, field);
    edit->selectAll();
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Backspace);
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key(c.unicode()), QString(c), Qt::NoModifier);
}

} // namespace

class AdoptedWindowTest : public QObject {
    Q_OBJECT

private slots:
    // Each worked example adopted: the title, the dimension rounded up to the centimetre (the
    // circle's to the next concrete pipe, 0,8896 m to DN 900) and the run's texts; then the
    // dimension and freeboard of the adopted-section reference table (I 0,1 %, n 0,015, Q 0,5 m³/s,
    // worked with an independent model) give its figures.
    void adoptsTheWorkedExamples_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("prefilled");
        QTest::addColumn<QString>("dimension");
        QTest::addColumn<int>("rule");
        QTest::addColumn<QString>("ruleValue");
        QTest::addColumn<QStringList>("figures"); // yn, V, Fr, τ0, yc, then F and H if any
        QTest::newRow("trapezoid")
            << "trapezoidal-worked"
            << "Seção adotada — Canal trapezoidal"
            << "0,70"
            << "0,70" << 0 << ""
            << QStringList{"0,5439", "0,9065", "0,4491", "2,7661", "0,3383", "0,5002", "1,0441"};
        QTest::newRow("rectangle")
            << "rectangular-worked"
            << "Seção adotada — Canal retangular"
            << "1,10"
            << "1,10" << 2 << "20"
            << QStringList{"0,5197", "0,8746", "0,3873", "2,6214", "0,2762", "0,1039", "0,6237"};
        QTest::newRow("triangle") << "triangular-worked"
                                  << "Seção adotada — Canal triangular"
                                  << ""
                                  << "" << 3 << "1,00"
                                  << QStringList{"0,7560", "0,8748", "0,4543", "2,6222",
                                                 "0,5514", "0,2440", "1,0000"};
        QTest::newRow("circle") << "circular-worked"
                                << "Seção adotada — Canal circular"
                                << "0,90"
                                << "0,90" << -1 << ""
                                << QStringList{"0,7442", "0,8888", "0,3122", "2,6855", "0,4118"};
    }
    void adoptsTheWorkedExamples() {
        QFETCH(QString, name);
        QFETCH(QString, title);
        QFETCH(QString, prefilled);
        QFETCH(QString, dimension);
        QFETCH(int, rule);
        QFETCH(QString, ruleValue);
        QFETCH(QStringList, figures);
        SizedExample sized(name);
        AdoptedWindow* window = adoptLastTrial(sized);
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->windowTitle(), title);
        auto* dimensionField = window->findChild<QLineEdit*>("txtdimensao");
        QCOMPARE(dimensionField ? dimensionField->text() : QString(), prefilled);
        const auto* pipes = window->findChild<QComboBox*>("cmbdn");
        QCOMPARE(pipes ? pipes->currentText() : QString(),
                 QString(name == "circular-worked" ? "DN 900" : ""));
        QCOMPARE(window->findChild<QLineEdit*>("txtn")->text(), sized.example.fields.value("txtn"));
        QCOMPARE(window->findChild<QLineEdit*>("txtq")->text(),
                 sized.example.fields.value("txtQdesejada"));

        if (dimensionField)
            retype(window, "txtdimensao", dimension);
        if (rule >= 0) {
            auto* rules = window->findChild<QComboBox*>("cmbborda");
            rules->setCurrentIndex(rule);
            emit rules->activated(rule);
            if (!ruleValue.isEmpty())
                retype(window, "txtborda", ruleValue);
        }
        QStringList shown;
        for (const char* symbol : {"yn", "V", "Fr", "τ0", "yc", "F", "H"})
            shown << shownValue(window, symbol);
        QCOMPARE(shown.mid(0, figures.size()), figures);
        QCOMPARE(window->findChild<QLabel*>("lblstatus")->text(), QString());
        QVERIFY(sized.open.dialogs.messages.empty());
    }

    // Picking from a list beside a field writes the entry's figure in the field.
    void listsWriteTheirFigures_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("written");
        QTest::newRow("DN 1750") << "cmbdn"
                                 << "DN 1750"
                                 << "txtdimensao"
                                 << "1,75";
        QTest::newRow("riprap") << "cmbtauadm"
                                << "Enrocamento (D50 = 0,15 m) — 113,0000 Pa"
                                << "txttauadm"
                                << "113";
    }
    void listsWriteTheirFigures() {
        QFETCH(QString, list);
        QFETCH(QString, entry);
        QFETCH(QString, field);
        QFETCH(QString, written);
        SizedExample sized("circular-worked");
        AdoptedWindow* window = adoptLastTrial(sized);
        auto* choices = window->findChild<QComboBox*>(list);
        const int index = choices->findText(entry);
        QVERIFY(index > 0);
        choices->setCurrentIndex(index);
        emit choices->activated(index);
        QCOMPARE(window->findChild<QLineEdit*>(field)->text(), written);
        QCOMPARE(choices->currentText(), entry);
    }

    // A field that cannot be read: its message in the status line, dashes in the table, and
    // no message box while the user types.
    void unreadableFieldShowsInTheStatusLine() {
        SizedExample sized("trapezoidal-worked");
        AdoptedWindow* window = adoptLastTrial(sized);
        retype(window, "txtn", ",");
        QVERIFY(window->findChild<QLabel*>("lblstatus")->text().startsWith("O valor de n"));
        QCOMPARE(shownValue(window, "yn"), QString("—"));
        QVERIFY(sized.open.dialogs.messages.empty());
        retype(window, "txtn", "0,015");
        QCOMPARE(shownValue(window, "yn"), QString("0,5439"));
    }

    // A limit is checked in words, with a colour beside them.
    void limitsAreCheckedInWords() {
        SizedExample sized("trapezoidal-worked");
        AdoptedWindow* window = adoptLastTrial(sized);
        retype(window, "txtvmax", "0,80");
        const auto* table = window->findChild<QTableWidget*>("grdresultado");
        QTableWidgetItem* check = nullptr;
        for (int row = 0; row < table->rowCount(); ++row) {
            if (table->item(row, 0)->text() == "V ≤ vmax")
                check = table->item(row, 1);
        }
        QVERIFY(check);
        QVERIFY(check->text().endsWith(": não atende"));
        QVERIFY(!check->icon().isNull());
        QTest::mouseClick(window->findChild<QPushButton*>("cmdcopiar"), Qt::LeftButton);
        QVERIFY(QApplication::clipboard()->text().contains("V ≤ vmax\t"));
    }

    // Nothing of the window is cut across, nor scrolled sideways, when it opens in one column
    // (the test's screen is 800 × 600) nor when a check's words widen the table.
    void nothingIsCutAcross() {
        SizedExample sized("trapezoidal-worked");
        AdoptedWindow* window = adoptLastTrial(sized);
        const auto* scroll = window->findChild<QScrollArea*>();
        QVERIFY(scroll);
        const auto fitsAcross = [scroll] {
            QApplication::processEvents();
            return scroll->widget()->minimumSizeHint().width() <= scroll->viewport()->width();
        };
        QVERIFY(fitsAcross());
        for (const char* limit : {"txtvmax", "txtvmin", "txtfrmax", "txttauadm"})
            retype(window, limit, "123456789");
        QVERIFY(fitsAcross());
        const auto* table = window->findChild<QTableWidget*>("grdresultado");
        for (int row = 0; row < table->rowCount(); ++row) {
            const QString name = table->item(row, 0)->text();
            QVERIFY2(table->fontMetrics().horizontalAdvance(name) < table->columnWidth(0),
                     qPrintable(name));
        }
    }

    // "Memória de cálculo…" writes the run and the section as the window shows it, under the
    // name the save dialog proposes in the folder of the last report.
    void writesTheMemo() {
        if (!hasPdfTools())
            VAZOLAR_SKIP_WITHOUT("pdftotext and pdffonts (poppler-utils) are not installed");
        SizedExample sized("trapezoidal-worked");
        QTemporaryDir dir;
        sized.open.dialogs.saveAnswers.push_back(dir.filePath("r.TXT"));
        sized.open.ui.click("cmbsalvar");
        AdoptedWindow* window = adoptLastTrial(sized);
        retype(window, "txtobra", "Canal principal");
        retype(window, "txtvmax", "1,5");
        const QString memo = dir.filePath("memoria_trapezoidal.pdf");
        sized.open.dialogs.saveAnswers.push_back(memo);
        QTest::mouseClick(window->findChild<QPushButton*>("cmdmemoria"), Qt::LeftButton);
        QCOMPARE(sized.open.dialogs.savePrompts.back().proposedPath, memo);
        QVERIFY(sized.open.dialogs.messages.empty());
        const QStringList expected =
            QStringList{"Memória de cálculo — dimensionamento de canal trapezoidal",
                        "Obra: Canal principal",
                        "0,1 %",
                        "30 °",
                        "0,015",
                        "0,5 m³/s"} +
            sized.example.rows + QStringList{"0,4504",   "5. Seção adotada", "0,7000",
                                             "0,5439",   "0,9065",           "6. Verificações",
                                             "V ≤ vmax", "1,5000 m/s",       "0,9065 m/s",
                                             "atende"};
        QCOMPARE(firstMissing(pdfPages(memo), expected), QString());
    }

    // "Salvar imagem…" writes the picture as PNG or SVG by the extension chosen, whole; another
    // extension is refused with a message and writes nothing.
    void savesPictures_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("start"); // of the file's bytes; empty: no file
        QTest::newRow("PNG") << "secao.png" << QByteArray("\x89PNG");
        QTest::newRow("SVG") << "secao.svg" << QByteArray("<?xml");
        QTest::newRow("JPEG") << "secao.jpg" << QByteArray();
    }
    void savesPictures() {
        QFETCH(QString, file);
        QFETCH(QByteArray, start);
        SizedExample sized("circular-worked");
        AdoptedWindow* window = adoptLastTrial(sized);
        QTemporaryDir dir;
        sized.open.dialogs.saveAnswers.push_back(dir.filePath(file));
        window->findChild<PictureView*>("picsecao")->saveImage();
        QFile saved(dir.filePath(file));
        if (start.isEmpty()) {
            QVERIFY(!saved.exists());
            QCOMPARE(sized.open.dialogs.messages.size(), size_t(1));
            QVERIFY(sized.open.dialogs.messages[0].text.startsWith("A imagem não foi salva em"));
        } else {
            QVERIFY(saved.open(QIODevice::ReadOnly));
            QVERIFY(saved.readAll().startsWith(start));
            QVERIFY(sized.open.dialogs.messages.empty());
        }
    }

    // One window per form, opened from the list's menu too; NOVO closes it, as the form does.
    void oneWindowPerFormClosedByNovo() {
        SizedExample sized("rectangular-worked");
        QListWidget* list = sized.open.ui.list("lstresposta");
        pickFromNextMenu("Adotar seção…");
        openContextMenu(list->viewport(), list->visualItemRect(list->item(0)).center());
        QPointer<AdoptedWindow> window = sized.open.form.findChild<AdoptedWindow*>("frmadotada");
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->findChild<QLineEdit*>("txtdimensao")->text(), QString("0,50"));
        pickFromNextMenu("Adotar seção…");
        openContextMenu(list->viewport(), list->visualItemRect(list->item(6)).center());
        QCOMPARE(sized.open.form.findChildren<AdoptedWindow*>().size(), 1);
        QCOMPARE(window->findChild<QLineEdit*>("txtdimensao")->text(), QString("1,10"));
        sized.open.ui.click("cmblimpar");
        QVERIFY(window.isNull() || !window->isVisible());
    }
};

VAZOLAR_TEST(AdoptedWindowTest);
#include "tst_adopted_window.moc"
