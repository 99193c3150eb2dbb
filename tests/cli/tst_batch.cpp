#include "cli/csv_text.h"
#include "cli_helpers.h"
#include "test_registry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vazolar;
using namespace vazolar::testing;

namespace {

const QString kHeader = "linha;forma;i;angulo;n;q;inicial;incremento;tentativas;b;B;y;D;Am;Pm;"
                        "RH;Q;V;Fr;regime;yc;Ic;E;tau;erro";

// Writes the lines as a UTF-8 file in dir and returns its path.
QString inputFile(const QTemporaryDir& dir, const QByteArray& content) {
    const QString path = dir.filePath("trechos.csv");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(content);
    return path;
}

} // namespace

// `vazolar lote`: a file of channels in, one summary line per channel out.
class BatchTest : public QObject {
    Q_OBJECT

private slots:
    void everyLineInOrder() {
        QTemporaryDir dir;
        // Columns in another order than the summary's, one unknown column, CR LF line ends.
        const QString input = inputFile(dir, "\xEF\xBB\xBF"
                                             "forma;q;n;i;obs;angulo;inicial;incremento\r\n"
                                             "trapezoidal;0,5;0,015;0,1;canal 1;30;0,5;0,10\r\n"
                                             "retangular;0,5;,;0,1;;;0,5;0,1\r\n"
                                             "\r\n"
                                             "triangular;0,5;0;0,1;;;1;0,1\r\n"
                                             "retangular;0,5;0,015;0;;;0,5;\r\n"
                                             "oval;0,5;0,015;0,1;;;1;\r\n"
                                             "circular;0,5;0,015;0,1;;45;;\r\n");
        const QString output = dir.filePath("resumo.csv");
        const CommandRun run = runCommand({"lote", input, "--saida", output});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.out, QString());
        // The unknown column is told once, then each line that failed.
        const QStringList err = run.err.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(err.size(), 5);
        QCOMPARE(err[0],
                 "O arquivo \"" + input + "\" tem colunas que não são lidas, ignoradas: obs.");
        QVERIFY2(err[1].startsWith("linha 3: O valor de n não é um número válido. Digite"),
                 qPrintable(run.err));
        QFile file(output);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 7);
        QCOMPARE(lines[0], kHeader);
        // The worked trapezoid: its last trial, and the figures of its check worked out by hand.
        QCOMPARE(lines[1],
                 QString("2;trapezoidal;0,1;30;0,015;0,5;0,5;0,10;3;0,7000;1,4000;0,6062;;"
                         "0,6365;2,1000;0,3031;0,6055;0,9513;0,4504;subcrítico;0,3798;"
                         "0,5054;0,6523;2,9735;"));
        QVERIFY(lines[2].startsWith("3;retangular;0,1;;,;0,5;0,5;0,1;;;;;;;;;;;;;;;;;"
                                    "O valor de n não é um número válido. Digite"));
        QVERIFY(
            lines[3].startsWith("5;triangular;0,1;;0;0,5;1;0,1;;;;;;;;;;;;;;;;;"
                                "O dimensionamento foi interrompido por uma divisão por zero."));
        QVERIFY(lines[4].startsWith("6;retangular;0;;0,015;0,5;0,5;;;;;;;;;;;;;;;;;;"
                                    "\"O dimensionamento foi interrompido: 32767 tentativas"));
        QVERIFY(lines[5].startsWith("7;oval;0,1;;0,015;0,5;1;;;;;;;;;;;;;;;;;;Forma desconhecida"));
        // The circle: its row's D, Am, RH, Q and V, and the normal depth of the exact circle.
        QVERIFY2(lines[6].startsWith("8;circular;0,1;;0,015;0,5;;;1;;;0,7655;0,8896;0,5904;;"
                                     "0,2544;0,5000;0,8469;0,2921;subcrítico;0,4133;0,5567;"
                                     "0,8048;2,6405;"),
                 qPrintable(lines[6]));
    }

    // One channel per file: its summary's `erro` and the status.
    void lineFaults_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("error");
        QTest::newRow("dot decimal")
            << QByteArray("trapezoidal;0,1;30;0.015;0,5;0,5;0,10")
            << QString("O valor de n (\"0.015\") tem \".\"; use a vírgula decimal: 0,015.");
        QTest::newRow("dot in the step")
            << QByteArray("retangular;0,1;;0,015;0,5;0,5;0.1")
            << QString("O valor de incremento (\"0.1\") tem \".\"; use a vírgula decimal: 0,1.");
        QTest::newRow("a letter in q") << QByteArray("circular;0,1;;0,015;0,5m3;;")
                                       << QString("O valor de Q projeto (m³/s) (\"0,5m3\") tem "
                                                  "\"m\"; o campo aceita só algarismos, "
                                                  "a vírgula decimal e o sinal de menos.");
        QTest::newRow("negative discharge")
            << QByteArray("trapezoidal;0,1;30;0,015;-0,5;0,5;0,10")
            << QString("Nenhuma tentativa: a vazão de projeto é negativa.");
        QTest::newRow("a cell short") << QByteArray("trapezoidal;0,1;30;0,015;0,5;0,5")
                                      << QString("a linha 2 tem 6 campos; o cabeçalho tem 7.");
        QTest::newRow("a cell more") << QByteArray("trapezoidal;0,1;30;0,015;0,5;0,5;0,10;")
                                     << QString("a linha 2 tem 8 campos; o cabeçalho tem 7.");
        QTest::newRow("one cell") << QByteArray("trapezoidal")
                                  << QString("a linha 2 tem 1 campo; o cabeçalho tem 7.");
        QTest::newRow("blanks around")
            << QByteArray("retangular; 0,1 ;; 0,015;0,5 ;0,5; 0,1") << QString();
    }

    void lineFaults() {
        QFETCH(QByteArray, line);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString input = inputFile(dir, "forma;i;angulo;n;q;inicial;incremento\n" + line);
        const CommandRun run = runCommand({"lote", input});
        QCOMPARE(run.status, error.isEmpty() ? 0 : 1);
        const QString summary = run.out.section('\n', 1, 1);
        QCOMPARE(cli::splitCsvLine(summary).value(24), error);
        QCOMPARE(run.err, error.isEmpty() ? QString() : "linha 2: " + error + "\n");
    }

    // Cells a spreadsheet would run as formulas come back as text; numbers stay numbers.
    void formulaCellsAreWrittenAsText() {
        QTemporaryDir dir;
        const QString input = inputFile(dir, "forma;i;angulo;n;q;inicial;incremento\n"
                                             "+trapezoidal;@SUM(A1);=1+1;0,015;-0,5;0,5;0,10\n");
        const CommandRun run = runCommand({"lote", input});
        QCOMPARE(run.status, 1);
        QCOMPARE(cli::splitCsvLine(run.out.section('\n', 1, 1)).mid(0, 8),
                 (QStringList{"2", "'+trapezoidal", "'@SUM(A1)", "'=1+1", "0,015", "-0,5", "0,5",
                              "0,10"}));
    }

    void missingColumnIsAFileError() {
        QTemporaryDir dir;
        const QString input = inputFile(dir, "forma;i;n;inicial\ntrapezoidal;0,1;0,015;0,5\n");
        const QString output = dir.filePath("resumo.csv");
        const CommandRun run = runCommand({"lote", input, "--saida", output});
        QCOMPARE(run.status, 3);
        QVERIFY2(run.err.contains("\"q\""), qPrintable(run.err));
        QVERIFY(!QFile::exists(output));
    }

    void unreadableInputFails() {
        QTemporaryDir dir;
        const CommandRun run = runCommand({"lote", dir.filePath("nenhum.csv")});
        QCOMPARE(run.status, 3);
        QVERIFY2(run.err.startsWith("Não foi possível ler"), qPrintable(run.err));
        QCOMPARE(run.out, QString());
    }

    void allGoodOnStandardOutput() {
        QTemporaryDir dir;
        const QString input = inputFile(dir, "forma;i;n;q;inicial;incremento\n"
                                             "retangular;0,1;0,015;0,5;0,5;0,1\n");
        const CommandRun run = runCommand({"lote", input});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out.section('\n', 1, 1).section(';', 0, 17),
                 QString("2;retangular;0,1;;0,015;0,5;0,5;0,1;7;;1,1000;0,5500;;0,6050;2,2000;"
                         "0,2750;0,5394;0,8915"));
    }
};

VAZOLAR_TEST(BatchTest);
#include "tst_batch.moc"
