#include "cli/csv_text.h"
#include "test_registry.h"

#include <QTest>

using namespace vazolar::cli;

// The cells the command line writes into its CSV, as a spreadsheet will open them.
class CsvTextTest : public QObject {
    Q_OBJECT

private slots:
    void formulasAreWrittenAsText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("written");
        QTest::newRow("sum") << "=1+1"
                             << "'=1+1";
        QTest::newRow("plus") << "+trapezoidal"
                              << "'+trapezoidal";
        QTest::newRow("at") << "@SUM(A1)"
                            << "'@SUM(A1)";
        QTest::newRow("minus text") << "-2+3"
                                    << "'-2+3";
        QTest::newRow("minus alone") << "-"
                                     << "'-";
        QTest::newRow("tab") << "\t=1"
                             << "'\t=1";
        QTest::newRow("line break first, then a formula") << "\n=1"
                                                          << " =1";
        QTest::newRow("with a separator, quoted") << "=A1;B1"
                                                  << "\"'=A1;B1\"";
        QTest::newRow("dot decimal") << "-0.5"
                                     << "'-0.5";
        QTest::newRow("groups of two") << "-1.23,5"
                                       << "'-1.23,5";
        QTest::newRow("two commas") << "-1,2,3"
                                    << "'-1,2,3";
        QTest::newRow("exponent") << "-1E3"
                                  << "'-1E3";
        QTest::newRow("negative") << "-0,2500"
                                  << "-0,2500";
        QTest::newRow("negative whole") << "-1"
                                        << "-1";
        QTest::newRow("negative grouped") << "-1.234.567,5000"
                                          << "-1.234.567,5000";
        QTest::newRow("no whole part") << "-,5"
                                       << "-,5";
        QTest::newRow("blanks after") << "-0,5 "
                                      << "-0,5 ";
        QTest::newRow("grouped") << "1.234,5000"
                                 << "1.234,5000";
        QTest::newRow("text") << "subcrítico"
                              << "subcrítico";
        QTest::newRow("equals later") << "a=1"
                                      << "a=1";
    }

    void formulasAreWrittenAsText() {
        QFETCH(QString, text);
        QFETCH(QString, written);
        QCOMPARE(csvCell(text), written);
    }
};

VAZOLAR_TEST(CsvTextTest);
#include "tst_csv_text.moc"
