#include "examples.h"
#include "sizing_helpers.h"
#include "test_registry.h"

#include <QRegularExpression>
#include <QTest>

using namespace vazolar;
using namespace vazolar::testing;

// Every worked case, row for row and character for character.
class ExampleSizingTest : public QObject {
    Q_OBJECT

private slots:
    void reproducesRows_data() {
        QTest::addColumn<QString>("name");
        for (const ExampleCase& example : loadExamples())
            QTest::newRow(qPrintable(example.name)) << example.name;
    }

    void reproducesRows() {
        QFETCH(QString, name);
        const ExampleCase example = loadExample(name);
        const CollectedRun run =
            collectRun(sizingInput(example.shape, example.fields, example.scrollValue));
        QCOMPARE(run.rows, example.rows);
        QCOMPARE(run.outcome.rowCount, example.rows.size());

        // The result labels show the last row's quantities: the engine hands them out
        // formatted, in column order, or none at all when no trial ran.
        const QStringList expected =
            example.rows.isEmpty() ? QStringList()
                                   : example.rows.last().trimmed().split(QRegularExpression(" +"));
        QCOMPARE(run.outcome.lastQuantities, expected);
        for (const QString& label : example.labels)
            QVERIFY(label.isEmpty() ? expected.isEmpty() : expected.contains(label));
    }
};

VAZOLAR_TEST(ExampleSizingTest);
#include "tst_examples.moc"
