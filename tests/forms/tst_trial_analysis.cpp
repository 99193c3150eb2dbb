#include "examples.h"
#include "form_driver.h"
#include "test_registry.h"
#include "trial_helpers.h"

#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QToolTip>

using namespace vazolar;
using namespace vazolar::testing;

namespace {

// The value shown beside the quantity whose name starts with `name`.
QString shownValue(const QWidget* window, const QString& name) {
    const auto* table = window->findChild<QTableWidget*>("grdanalise");
    for (int row = 0; row < table->rowCount(); ++row) {
        if (table->item(row, 0)->text().startsWith(name + " ") && table->item(row, 1))
            return table->item(row, 1)->text();
    }
    return "(absent)";
}

// A row of the table as a spreadsheet cell line: blanks between columns become one tab.
QString tabbed(const QString& row) {
    return row.trimmed().split(' ', Qt::SkipEmptyParts).join('\t') + '\n';
}

} // namespace

// The hydraulic check of a trial and the copies of the trial table.
class TrialAnalysisTest : public QObject {
    Q_OBJECT

private slots:
    // Reference figures of the last trial of each worked example, worked out by hand from
    // the row's b, z, B, D with g = 9,81 m/s² and γ = 9810 N/m³.
    void showsTheCheckOfTheWorkedExamples_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("figures"); // Fr, E, τ0, yc, Ic
        QTest::newRow("trapezoid") << "trapezoidal-worked"
                                   << QStringList{"0,4504", "0,6523", "2,9735", "0,3798", "0,5054"};
        QTest::newRow("rectangle") << "rectangular-worked"
                                   << QStringList{"0,3838", "0,5905", "2,6977", "0,2905", "0,5866"};
        QTest::newRow("triangle") << "triangular-worked"
                                  << QStringList{"0,4586", "0,8421", "2,7747", "0,5857", "0,5276"};
        QTest::newRow("circle") << "circular-worked"
                                << QStringList{"0,2921", "0,8048", "2,6405", "0,4133", "0,5567"};
    }

    void showsTheCheckOfTheWorkedExamples() {
        QFETCH(QString, name);
        QFETCH(QStringList, figures);
        SizedExample sized(name);
        if (sized.example.shape == Shape::Circular) {
            QTest::mouseDClick(sized.open.ui.field("txtresposta"), Qt::LeftButton);
        } else {
            QListWidget* list = sized.open.ui.list("lstresposta");
            doubleClickRow(list, list->count() - 1);
        }
        QWidget* window = sized.analysisWindow();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->windowTitle(), QString("Análise hidráulica"));
        const QStringList shown{shownValue(window, "Fr"), shownValue(window, "E"),
                                shownValue(window, "τ0"), shownValue(window, "yc"),
                                shownValue(window, "Ic")};
        QCOMPARE(shown, figures);
        if (sized.example.shape == Shape::Circular)
            QCOMPARE(shownValue(window, "yn"), QString("0,7655"));
    }

    // One window per form: the next trial asked for replaces the last, Enter opens the
    // selected row, and the window goes with its form.
    void oneWindowPerForm() {
        QPointer<QWidget> window;
        {
            SizedExample sized("trapezoidal-worked");
            QListWidget* list = sized.open.ui.list("lstresposta");
            doubleClickRow(list, 0);
            window = sized.analysisWindow();
            QVERIFY(
                window->findChild<QLabel*>("lbltentativa")->text().endsWith("tentativa 1 de 3"));
            list->setCurrentRow(2);
            QTest::keyClick(list, Qt::Key_Return);
            QCOMPARE(sized.analysisWindow(), window.data());
            QVERIFY(
                window->findChild<QLabel*>("lbltentativa")->text().endsWith("tentativa 3 de 3"));
            QCOMPARE(sized.open.form.findChildren<QWidget*>("frmanalise").size(), 1);
        }
        QVERIFY(window.isNull());
    }

    void tipShowsTheFroudeNumber() {
        SizedExample sized("trapezoidal-worked");
        QListWidget* list = sized.open.ui.list("lstresposta");
        const QPoint at = list->visualItemRect(list->item(2)).center();
        QHelpEvent event(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
        QApplication::sendEvent(list->viewport(), &event);
        QCOMPARE(QToolTip::text(), QString("Fr = 0,4504 — subcrítico"));
        QToolTip::hideText();
    }

    void copiesForASpreadsheet() {
        SizedExample sized("trapezoidal-worked");
        const QStringList rows = sized.example.rows;
        QListWidget* list = sized.open.ui.list("lstresposta");
        list->setCurrentRow(1);
        QTest::keySequence(list, QKeySequence::Copy);
        QCOMPARE(QApplication::clipboard()->text(), tabbed(rows[1]));

        const QPoint at = list->visualItemRect(list->item(2)).center();
        pickFromNextMenu("Copiar linha");
        openContextMenu(list->viewport(), at);
        QCOMPARE(QApplication::clipboard()->text(), tabbed(rows[2]));

        pickFromNextMenu("Copiar tabela");
        openContextMenu(list->viewport(), at);
        QString table = "b\tB\ty\tAm\tPm\tRH\tQ\tV\n";
        for (const QString& row : rows)
            table += tabbed(row);
        QCOMPARE(QApplication::clipboard()->text(), table);

        pickFromNextMenu("Análise hidráulica…");
        openContextMenu(list->viewport(), at);
        QVERIFY(sized.analysisWindow()->isVisible());
        QTest::mouseClick(sized.analysisWindow()->findChild<QPushButton*>("cmdcopiar"),
                          Qt::LeftButton);
        const QString copied = QApplication::clipboard()->text();
        QVERIFY(copied.startsWith("Canal trapezoidal — tentativa 3 de 3\n"));
        QVERIFY(copied.contains("Fr (número de Froude)\t0,4504\t\n"));
        QVERIFY(copied.contains("Regime\tsubcrítico (fluvial)\t\n"));
    }

    // 32768 rows of a run stopped at the trial limit, copied whole; a zero slope leaves
    // nothing critical to find, which the window shows as a dash.
    void longestTableAndUndefinedFigures() {
        OpenForm open(Shape::Trapezoidal);
        for (auto [field, text] : {std::pair{"txti", "0"},
                                   {"txtangulo", "30"},
                                   {"txtn", "0,015"},
                                   {"txtQdesejada", "0,5"},
                                   {"txtb", "0,5"}})
            open.ui.type(field, text);
        open.ui.click("cmbdimensionar");
        QListWidget* list = open.ui.list("lstresposta");
        QCOMPARE(list->count(), 32768);
        pickFromNextMenu("Copiar tabela");
        openContextMenu(list->viewport(), QPoint(5, 5));
        const QStringList lines = QApplication::clipboard()->text().split('\n');
        QCOMPARE(lines.size(), 32770); // the column names, the rows, the empty end
        QCOMPARE(lines[1] + '\n', tabbed(list->item(0)->text()));
        QCOMPARE(lines[32768] + '\n', tabbed(list->item(32767)->text()));

        doubleClickRow(list, 0);
        auto* window = open.form.findChild<QWidget*>("frmanalise");
        QCOMPARE(shownValue(window, "yc"), QString("—"));
        QCOMPARE(shownValue(window, "Ic"), QString("—"));
    }
};

VAZOLAR_TEST(TrialAnalysisTest);
#include "tst_trial_analysis.moc"
