#include "cli/csv_text.h"
#include "cli_helpers.h"
#include "test_registry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vazolar;
using namespace vazolar::testing;

namespace {

QString inputFile(const QTemporaryDir& dir, const QByteArray& content) {
    const QString path = dir.filePath("trechos.csv");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return QString();
    return path;
}

// The text in UTF-16, little-endian, with its byte-order mark, as Windows editors save it.
QByteArray utf16Le(const QByteArray& text) {
    const QString decoded = QString::fromLatin1(text);
    return QByteArray("\xFF\xFE") +
           QByteArray(reinterpret_cast<const char*>(decoded.utf16()), decoded.size() * 2);
}

// Each summary line's number, shape and error, "linha forma erro".
QStringList outline(const QString& summary) {
    QStringList lines;
    for (const QString& line : summary.split('\n', Qt::SkipEmptyParts).mid(1)) {
        const QStringList cells = cli::splitCsvLine(line);
        lines << QStringList{cells.value(0), cells.value(1), cells.value(24)}.join(' ').trimmed();
    }
    return lines;
}

} // namespace

// `lote` reading the files spreadsheets and editors save.
class BatchInputTest : public QObject {
    Q_OBJECT

private slots:
    void readsWhatSpreadsheetsSave_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("summary");
        QTest::addColumn<QString>("err");
        const QByteArray worked = "trapezoidal;0,1;30;0,015;0,5;0,5;0,10";
        const QByteArray header = "forma;i;angulo;n;q;inicial;incremento";
        QTest::newRow("LibreOffice Calc in Portuguese: quoted text, Windows-1252")
            << QByteArray("\"forma\";\"i\";\"angulo\";\"n\";\"q\";\"inicial\";\"incremento\";"
                          "\"observa\xE7\xE3o\"\r\n"
                          "\"trapezoidal\";0,1;30;0,015;0,5;0,5;0,1;\"a\xE7ude\"\r\n")
            << 0 << QStringList{"2 trapezoidal"}
            << QString("O arquivo \"%1\" não está em UTF-8 (linha 1): lido como Windows-1252.\n"
                       "O arquivo \"%1\" tem colunas que não são lidas, ignoradas: observação.\n");
        QTest::newRow("CR line ends") << header + "\r" + worked + "\r" + worked + "\r" << 0
                                      << QStringList{"2 trapezoidal", "3 trapezoidal"} << QString();
        QTest::newRow("a line break inside a quoted cell is one channel")
            << header + ";obs\n" + worked + ";\"primeira\nsegunda\"\n" + worked + ";\n"
            << 0 << QStringList{"2 trapezoidal", "4 trapezoidal"}
            << QString("O arquivo \"%1\" tem colunas que não são lidas, ignoradas: obs.\n");
        // A stray quote on line 3 of a 1000-line file takes the 997 channels after it.
        const QString unclosed = "aspas abertas na linha 3 não se fecham até o fim do arquivo: "
                                 "998 linhas não foram lidas como canais.";
        QTest::newRow("unterminated quote: the lines before are sized, the rest counted")
            << header + "\n" + worked + "\n\"" + (worked + "\n").repeated(998) << 1
            << QStringList{"2 trapezoidal", "3  " + unclosed} << "linha 3: " + unclosed + "\n";
        QTest::newRow("trailing empty columns, on every line as spreadsheets write them")
            << header + ";;\n" + worked + ";;\n"
            << 0 << QStringList{"2 trapezoidal"} << QString();
        QTest::newRow("tab separated")
            << QByteArray(header).replace(';', '\t') + "\n" + QByteArray(worked).replace(';', '\t')
            << 0 << QStringList{"2 trapezoidal"}
            << QString("O arquivo \"%1\" não tem ponto e vírgula na primeira linha: as colunas são "
                       "lidas separadas por tabulação.\n");
        QTest::newRow("UTF-16 with its mark") << utf16Le(header + "\r\n" + worked + "\r\n") << 0
                                              << QStringList{"2 trapezoidal"} << QString();
        QTest::newRow("header alone") << header + "\n" << 0 << QStringList{} << QString();
        QTest::newRow("unknown column named with its unit")
            << QByteArray("forma;i;angulo;n;q;inicial;incremento (m)\n"
                          "trapezoidal;0,1;30;0,015;0,5;0,5;0,10\n")
            << 0 << QStringList{"2 trapezoidal"}
            << QString("O arquivo \"%1\" tem colunas que não são lidas, ignoradas: incremento "
                       "(m).\n");
    }

    void readsWhatSpreadsheetsSave() {
        QFETCH(QByteArray, content);
        QFETCH(int, status);
        QFETCH(QStringList, summary);
        QFETCH(QString, err);
        QTemporaryDir dir;
        const QString input = inputFile(dir, content);
        const CommandRun run = runCommand({"lote", input});
        QCOMPARE(run.err, err.replace("%1", input));
        QCOMPARE(run.status, status);
        QCOMPARE(outline(run.out), summary);
    }

    // Files that cannot be read as channels at all: status 3, nothing written.
    void refusedWhole_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("err");
        QTest::newRow("empty") << QByteArray() << QString("O arquivo \"%1\" está vazio.\n");
        QTest::newRow("blank lines only")
            << QByteArray("\r\n  \n\n") << QString("O arquivo \"%1\" está vazio.\n");
        QTest::newRow("column named twice")
            << QByteArray("forma;i;n;q;N\n")
            << QString("O arquivo \"%1\" tem a coluna \"n\" mais de uma vez.\n");
        QTest::newRow("required column missing, comma separated")
            << QByteArray("forma,i,n\n")
            << QString("O arquivo \"%1\" não tem ponto e vírgula na primeira linha: as colunas são "
                       "lidas separadas por vírgula.\n"
                       "O arquivo \"%1\" não tem a coluna \"q\" (colunas separadas por vírgula): a "
                       "primeira linha nomeia as colunas forma;i;angulo;n;q;inicial;incremento.\n");
    }

    void refusedWhole() {
        QFETCH(QByteArray, content);
        QFETCH(QString, err);
        QTemporaryDir dir;
        const QString input = inputFile(dir, content);
        const QString output = dir.filePath("resumo.csv");
        const CommandRun run = runCommand({"lote", input, "--saida", output});
        QCOMPARE(run.err, err.replace("%1", input));
        QCOMPARE(run.status, 3);
        QVERIFY(!QFile::exists(output));
    }
};

VAZOLAR_TEST(BatchInputTest);
#include "tst_batch_input.moc"
