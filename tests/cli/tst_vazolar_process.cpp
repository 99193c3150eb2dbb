#include "ci_skip.h"
#include "examples.h"
#include "pdf_text.h"
#include "small_disk.h"
#include "test_registry.h"

#include <QProcess>

#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using namespace vazolar;
using namespace vazolar::testing;

namespace {

// The options that type the example's fields into the command line.
QStringList sizeArguments(const ExampleCase& example, const QString& output) {
    static const char* const shapes[] = {"trapezoidal", "retangular", "triangular", "circular"};
    static const QList<QPair<QString, QString>> options{
        {"txti", "--i"},         {"txtangulo", "--angulo"}, {"txtn", "--n"},
        {"txtQdesejada", "--q"}, {"txtb", "--inicial"},     {"txty", "--inicial"}};
    QStringList arguments{"dimensionar", shapes[int(example.shape)]};
    for (const auto& [field, option] : options) {
        if (example.fields.contains(field))
            arguments << option << example.fields.value(field);
    }
    if (example.shape != Shape::Circular) {
        // The bar's steps are thousandths up to 10, then hundredths.
        const int v = example.scrollValue;
        const QString step = v > 10 ? QString("0,%1").arg(v - 9, 2, 10, QChar('0'))
                                    : QString("0,%1").arg(v, 3, 10, QChar('0'));
        arguments << "--incremento" << step;
    }
    return arguments << "--saida" << output;
}

// The built program, with no display at all: the command line must not need one.
QProcess* startVazolar(const QStringList& arguments, QObject* parent) {
    auto* process = new QProcess(parent);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    // As under cron or ssh: no desktop session.
    environment.remove("XDG_RUNTIME_DIR");
    environment.insert("QT_QPA_PLATFORM", "xcb");
    process->setProcessEnvironment(environment);
    process->start(VAZOLAR_BINARY, arguments);
    return process;
}

} // namespace

// The installed program's command line, run as a user runs it.
class VazolarProcessTest : public QObject {
    Q_OBJECT

private slots:
    void savesWhatSalvarSaves_data() {
        QTest::addColumn<QString>("name");
        for (const ExampleCase& example : loadExamples())
            QTest::newRow(qPrintable(example.name)) << example.name;
    }

    void savesWhatSalvarSaves() {
        QFETCH(QString, name);
        const ExampleCase example = loadExample(name);
        QTemporaryDir dir;
        const QString output = dir.filePath("canal.TXT");
        QProcess* process = startVazolar(sizeArguments(example, output), this);
        QVERIFY(process->waitForFinished(30000));
        QCOMPARE(process->exitStatus(), QProcess::NormalExit);
        // A run with no trial is saved as SALVAR saves it, and still counts as a failure.
        const int status = example.rows.isEmpty() ? 1 : 0;
        QVERIFY2(process->exitCode() == status, process->readAllStandardError().constData());
        QFile file(output);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), example.savedReport);
    }

    void usageErrorExitsWithTwo() {
        QProcess* process = startVazolar({"dimensionar", "retangular", "--q", "1"}, this);
        QVERIFY(process->waitForFinished(30000));
        QCOMPARE(process->exitCode(), 2);
        QCOMPARE(process->readAllStandardOutput(), QByteArray());
        QVERIFY(process->readAllStandardError().contains("falta a opção --i"));
    }

    // --memoria of both commands, with no display: the memo's text as a reader shows it.
    void writesTheMemo_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("memoOption");
        QTest::newRow("dimensionar")
            << QStringList{"dimensionar",   "retangular", "--i",          "0,1",
                           "--n",           "0,015",      "--q",          "0,5",
                           "--inicial",     "0,5",        "--incremento", "0,1",
                           "--borda-livre", "20%",        "--obra",       "Canal de irrigação"}
            << QStringList{"Memória de cálculo — dimensionamento de canal retangular",
                           "Obra: Canal de irrigação", "1,1000 0,5500 0,6050 2,2000",
                           "Profundidade normal yn", "Regra da borda livre"}
            << "--memoria";
        // Vertical walls: the run the sizing takes, the memo takes too.
        QTest::newRow("dimensionar, angle 0")
            << QStringList{"dimensionar", "trapezoidal", "--i",          "0,1", "--angulo",
                           "0",           "--n",         "0,015",        "--q", "0,5",
                           "--inicial",   "0,5",         "--incremento", "0,1"}
            << QStringList{"Memória de cálculo — dimensionamento de canal trapezoidal"}
            << "--memoria";
        // The adopted-section reference: circle D 0,90 at I 0,1 %, n 0,015, Q 0,5 m³/s.
        QTest::newRow("verificar")
            << QStringList{"verificar", "circular", "--D", "0,90", "--i",     "0,1",
                           "--n",       "0,015",    "--q", "0,5",  "--ymaxd", "0,85"}
            << QStringList{"Memória de cálculo — verificação de canal circular",
                           "0,7442",
                           "0,8269",
                           "y/D ≤ ymaxd",
                           "0,8500",
                           "atende",
                           "Figura 3"}
            << "--memoria";
        // One dash is the same option to the parser, so it paints as well.
        QTest::newRow("verificar, -memoria")
            << QStringList{"verificar", "triangular", "--i", "0,1", "--n", "0,015", "--q", "0,5"}
            << QStringList{"Memória de cálculo — verificação de canal triangular"} << "-memoria";
    }
    void writesTheMemo() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, texts);
        QFETCH(QString, memoOption);
        if (!hasPdfTools())
            VAZOLAR_SKIP_WITHOUT("pdftotext and pdffonts (poppler-utils) are not installed");
        QTemporaryDir dir;
        const QString memo = dir.filePath("memoria.pdf");
        QProcess* process = startVazolar(arguments + QStringList{memoOption, memo}, this);
        QVERIFY(process->waitForFinished(30000));
        const QByteArray err = process->readAllStandardError();
        QVERIFY2(process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0,
                 err.constData());
        QCOMPARE(err, QByteArray());
        const QStringList pages = pdfPages(memo);
        QCOMPARE(firstMissing(pages, texts), QString());
        QVERIFY(!pages.join(' ').contains("Tabela de tentativas") || arguments[0] == "dimensionar");
        QVERIFY(allFontsEmbedded(memo));
    }

    // A memo on a full disk: status 3, the earlier memo keeps its bytes, nothing is left.
    // A memo on a full disk, asked for with --saida to another folder: status 3, and neither
    // the earlier memo nor the earlier output has changed (the memo is written first).
    void memoOnAFullDisk_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("verificar")
            << QStringList{"verificar", "triangular", "--i", "0,1", "--n", "0,015", "--q", "0,5"};
        QTest::newRow("dimensionar")
            << QStringList{"dimensionar", "triangular", "--i", "0,1",       "--n",
                           "0,015",       "--q",        "0,5", "--inicial", "0,5"};
    }
    void memoOnAFullDisk() {
        QFETCH(QStringList, arguments);
        const SmallDisk disk;
        if (!disk.mounted())
            VAZOLAR_SKIP_WITHOUT(qPrintable(disk.whyNot()));
        QVERIFY(disk.place("memoria.pdf", "anterior"));
        QVERIFY(disk.fill(4096));
        QTemporaryDir dir;
        const QString output = dir.filePath("saida.txt");
        QFile earlier(output);
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("saída anterior") > 0);
        earlier.close();
        QProcess* process = startVazolar(
            arguments + QStringList{"--saida", output, "--memoria", disk.filePath("memoria.pdf")},
            this);
        QVERIFY(process->waitForFinished(30000));
        QCOMPARE(process->exitCode(), 3);
        QVERIFY(QString::fromUtf8(process->readAllStandardError())
                    .contains("A memória de cálculo não foi salva em \"" +
                              disk.filePath("memoria.pdf") +
                              "\": Não há espaço disponível no dispositivo"));
        QCOMPARE(contentOf(disk.filePath("memoria.pdf")), QByteArray("anterior"));
        QCOMPARE(disk.names(), QStringList{"memoria.pdf"});
        QCOMPARE(contentOf(output), QByteArray("saída anterior"));
    }

    // A full disk under --saida, or under a shell redirection of standard output: the failure
    // is reported with the system's reason and status 3, and the earlier file keeps its
    // bytes (standard output appends, as `>>` does, so that they can be compared).
    void fullDiskFails_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("toStandardOutput");
        QTest::addColumn<qint64>("freeBytes");
        QTest::addColumn<QString>("message");
        const QStringList trapezoid{"dimensionar", "trapezoidal", "--i", "0,1", "--angulo",  "30",
                                    "--n",         "0,015",       "--q", "0,5", "--inicial", "0,5"};
        const QString notSaved = "O relatório não foi salvo em \"%1\": Não há espaço disponível "
                                 "no dispositivo\n";
        const QString noStandardOutput =
            "Não foi possível gravar a saída padrão: Não há espaço disponível no dispositivo\n";
        QTest::newRow("dimensionar --saida")
            << trapezoid + QStringList{"--saida", "%1"} << false << qint64(0) << notSaved;
        QTest::newRow("dimensionar csv --saida")
            << trapezoid + QStringList{"--formato", "csv", "--saida", "%1"} << false << qint64(0)
            << notSaved;
        QTest::newRow("lote --saida, 4 KB left")
            << QStringList{"lote", "%2", "--saida", "%1"} << false << qint64(4096) << notSaved;
        QTest::newRow("dimensionar > full disk")
            << trapezoid << true << qint64(0) << noStandardOutput;
        QTest::newRow("lote > full disk, 4 KB left")
            << QStringList{"lote", "%2"} << true << qint64(4096) << noStandardOutput;
    }
    void fullDiskFails() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, toStandardOutput);
        QFETCH(qint64, freeBytes);
        QFETCH(QString, message);
        const SmallDisk disk;
        if (!disk.mounted())
            VAZOLAR_SKIP_WITHOUT(qPrintable(disk.whyNot()));
        const QString output = disk.filePath("r.txt");
        // A whole page: what standard output appends cannot slip into its slack.
        const QByteArray earlier(4096, 'x');
        QVERIFY(disk.place("r.txt", earlier));
        QVERIFY(disk.fill(freeBytes));
        QTemporaryDir dir;
        const QString input = dir.filePath("trechos.csv");
        QByteArray channels = "forma;i;angulo;n;q;inicial;incremento\n";
        for (int k = 0; k < 200; ++k)
            channels += "trapezoidal;0,1;30;0,015;0,5;0,5;0,10\n";
        QFile file(input);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(channels) == channels.size());
        file.close();

        arguments.replaceInStrings("%1", output).replaceInStrings("%2", input);
        QProcess* process = new QProcess(this);
        if (toStandardOutput)
            process->setStandardOutputFile(output, QIODevice::Append);
        process->start(VAZOLAR_BINARY, arguments);
        QVERIFY(process->waitForFinished(30000));
        QCOMPARE(process->exitStatus(), QProcess::NormalExit);
        QCOMPARE(process->exitCode(), 3);
        QVERIFY(QString::fromUtf8(process->readAllStandardError())
                    .endsWith(message.replace("%1", output)));
        if (!toStandardOutput || freeBytes == 0)
            QCOMPARE(contentOf(output), earlier);
        QCOMPARE(disk.names(), QStringList{"r.txt"});
    }
};

VAZOLAR_TEST(VazolarProcessTest);
#include "tst_vazolar_process.moc"
