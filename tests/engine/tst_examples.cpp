#include "examples.h"
#include "sizing_helpers.h"
#include "test_registry.h"

#include <QRegularExpression>
#include <QTest>

using namespace vazolar;
using namespace vazolar::testing;

namespace {

// The column of a row that a result label of the drawing shows, by the column headings: b, B
// and y on the trapezoid, B and y on the rectangle and the triangle, D on the circle.
int columnShownBy(Shape shape, const QString& label) {
    static const QMap<QString, int> trapezoidal{{"lblbb", 0}, {"lblB", 1}, {"lblY", 2}};
    static const QMap<QString, int> otherTrials{{"lblB", 0}, {"lblY", 1}};
    static const QMap<QString, int> circular{{"lbld", 0}};
    const QMap<QString, int>& columns = shape == Shape::Trapezoidal ? trapezoidal
                                        : shape == Shape::Circular  ? circular
                                                                    : otherTrials;
    return columns.value(label, -1);
}

} // namespace

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

        // The result labels show the last row's quantities: the engine hands them out
        // formatted, in column order, or none at all when no trial ran.
        const QStringList expected =
            example.rows.isEmpty() ? QStringList()
                                   : example.rows.last().trimmed().split(QRegularExpression(" +"));
        QCOMPARE(run.outcome.lastQuantities, expected);
        QVERIFY(!example.labels.isEmpty());
        for (auto label = example.labels.begin(); label != example.labels.end(); ++label) {
            const int column = columnShownBy(example.shape, label.key());
            QVERIFY2(column >= 0, qPrintable("no column for " + label.key()));
            QCOMPARE(run.outcome.lastQuantities.value(column), label.value());
        }
    }
};

VAZOLAR_TEST(ExampleSizingTest);
#include "tst_examples.moc"
