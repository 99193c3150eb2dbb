#include "examples.h"
#include "sizing_helpers.h"
#include "test_registry.h"
#include "wording/row_text.h"

#include <QRegularExpression>
#include <QTest>

using namespace vazolar;
using namespace vazolar::testing;

// Every worked case, row for row and character for character.
class ExampleSizingTest : public QObject {
    Q_OBJECT

private slots:
    void reproducesRows_data() { addExampleRows(); }

    void reproducesRows() {
        QFETCH(QString, name);
        const ExampleCase example = loadExample(name);
        const CollectedRun run =
            collectRun(sizingInput(example.shape, example.fields, example.scrollValue));
        QCOMPARE(run.rows, example.rows);
        QCOMPARE(run.outcome.rowCount, example.rows.size());

        // The engine hands out the last row's quantities, or none when no trial ran.
        QCOMPARE(run.outcome.last.has_value(), !example.rows.isEmpty());
        if (run.outcome.last) {
            QCOMPARE(columnCells(example.shape, *run.outcome.last),
                     example.rows.last().trimmed().split(QRegularExpression(" +")));
        }
    }
};

VAZOLAR_TEST(ExampleSizingTest);
#include "tst_examples.moc"
