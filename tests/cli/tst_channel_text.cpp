#include "cli/channel_text.h"
#include "cli/csv_text.h"
#include "test_registry.h"

#include <QTest>

using namespace vazolar;
using namespace vazolar::cli;

// How the command line reads increments and CSV cells.
class ChannelTextTest : public QObject {
    Q_OBJECT

private slots:
    void incrementSteps_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("scroll"); // 0: not one of the bar's steps
        QTest::newRow("tenth") << "0,1" << 19;
        QTest::newRow("tenth, two decimals") << "0,10" << 19;
        QTest::newRow("smallest") << "0,001" << 1;
        QTest::newRow("largest thousandth") << "0,009" << 9;
        QTest::newRow("opening step") << "0,01" << 10;
        QTest::newRow("hundredths") << "0,02" << 11;
        QTest::newRow("empty: the opening step") << "" << 10;
        QTest::newRow("between steps") << "0,011" << 0;
        QTest::newRow("beyond the bar") << "0,2" << 0;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("negative") << "-0,01" << 0;
        QTest::newRow("decimal point") << "0.1" << 0;
        QTest::newRow("not a number") << "x" << 0;
    }

    void incrementSteps() {
        QFETCH(QString, text);
        QFETCH(int, scroll);
        QCOMPARE(scrollValueForIncrement(text).value_or(0), scroll);
    }

    void shapeNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("shape"); // -1: unknown
        QTest::newRow("trapezoidal") << "trapezoidal" << int(Shape::Trapezoidal);
        QTest::newRow("capitals") << "Retangular" << int(Shape::Rectangular);
        QTest::newRow("triangular") << "triangular" << int(Shape::Triangular);
        QTest::newRow("circular") << "circular" << int(Shape::Circular);
        QTest::newRow("English") << "rectangular" << -1;
        QTest::newRow("empty") << "" << -1;
    }

    void shapeNames() {
        QFETCH(QString, name);
        QFETCH(int, shape);
        const std::optional<Shape> found = shapeNamed(name);
        QCOMPARE(found ? int(*found) : -1, shape);
    }

    void csvCells_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("cells");
        QTest::newRow("plain") << "a;0,5;" << QStringList{"a", "0,5", ""};
        QTest::newRow("empty line") << "" << QStringList{""};
        QTest::newRow("quoted separator") << "\"a;b\";c" << QStringList{"a;b", "c"};
        QTest::newRow("doubled quote") << "\"say \"\"x\"\"\"" << QStringList{"say \"x\""};
        QTest::newRow("blanks kept") << " 0,5 ;x" << QStringList{" 0,5 ", "x"};
    }

    void csvCells() {
        QFETCH(QString, line);
        QFETCH(QStringList, cells);
        QCOMPARE(splitCsvLine(line), cells);
        // What is written reads back the same.
        if (!line.isEmpty())
            QCOMPARE(splitCsvLine(csvLine(cells)), cells);
    }

    void messagesStayOnTheirLine() {
        QCOMPARE(csvCell("Primeiro.\n\nSegundo."), QString("Primeiro. Segundo."));
        QCOMPARE(csvCell("a;b"), QString("\"a;b\""));
    }
};

VAZOLAR_TEST(ChannelTextTest);
#include "tst_channel_text.moc"
