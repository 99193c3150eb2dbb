#include "cli_helpers.h"
#include "test_registry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vazolar;
using namespace vazolar::testing;

namespace {

using Cells = QMap<QString, QString>;

// The CSV's one line of cells, by column name.
Cells csvCells(const QString& out) {
    const QStringList lines = out.split(u'\n', Qt::SkipEmptyParts);
    if (lines.size() != 2)
        return {};
    const QStringList names = lines[0].split(u';');
    const QStringList values = lines[1].split(u';');
    Cells cells;
    for (qsizetype k = 0; k < names.size() && k < values.size(); ++k)
        cells[names[k]] = values[k];
    return cells;
}

const QStringList kFlow{"--i", "0,1", "--n", "0,015", "--q", "0,5"};

} // namespace

// `vazolar verificar`: the adopted-section reference figures (I 0,1 %, n 0,015, Q 0,5 m³/s),
// worked with an independent model, and a published case.
class VerifyCommandTest : public QObject {
    Q_OBJECT

private slots:
    void referenceFigures_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Cells>("expected");
        QTest::newRow("trapezoid b 0,70, usbr")
            << QStringList{"trapezoidal", "--b", "0,70", "--angulo", "30"} + kFlow
            << Cells{{"y", "0,5439"},  {"V", "0,9065"},     {"Fr", "0,4491"},    {"tau", "2,7661"},
                     {"yc", "0,3383"}, {"borda", "0,5002"}, {"H", "1,0441"},     {"TH", "1,9057"},
                     {"AH", "1,3603"}, {"PH", "3,1113"},    {"verificacao", ""}, {"erro", ""}};
        QTest::newRow("trapezoid b 0,70, 0,30 m")
            << QStringList{"trapezoidal", "--b",           "0,70", "--angulo",
                           "30",          "--borda-livre", "0,30"} +
                   kFlow
            << Cells{{"borda", "0,3000"},
                     {"H", "0,8439"},
                     {"TH", "1,6745"},
                     {"AH", "1,0020"},
                     {"PH", "2,6490"}};
        QTest::newRow("rectangle B 1,10, 20%")
            << QStringList{"retangular", "--B", "1,10", "--borda-livre", "20%"} + kFlow
            << Cells{{"B", "1,10"},     {"y", "0,5197"},  {"V", "0,8746"},     {"Fr", "0,3873"},
                     {"tau", "2,6214"}, {"yc", "0,2762"}, {"borda", "0,1039"}, {"H", "0,6237"},
                     {"TH", "1,1000"},  {"AH", "0,6860"}, {"PH", "2,3473"}};
        QTest::newRow("rectangle, a share with blanks")
            << QStringList{"retangular", "--B", "1,10", "--borda-livre", " 20 % "} + kFlow
            << Cells{{"borda", "0,1039"}, {"H", "0,6237"}};
        QTest::newRow("trapezoid, USBR in capitals")
            << QStringList{"trapezoidal", "--b",           "0,70", "--angulo",
                           "30",          "--borda-livre", "USBR"} +
                   kFlow
            << Cells{{"borda", "0,5002"}, {"H", "1,0441"}};
        QTest::newRow("triangle, H 1,00")
            << QStringList{"triangular", "--altura", "1,00"} + kFlow
            << Cells{{"y", "0,7560"},  {"V", "0,8748"},     {"Fr", "0,4543"}, {"tau", "2,6222"},
                     {"yc", "0,5514"}, {"borda", "0,2440"}, {"H", "1,0000"},  {"TH", "2,0000"},
                     {"AH", "1,0000"}, {"PH", "2,8284"}};
        QTest::newRow("circle D 0,90, y/D at most 0,85")
            << QStringList{"circular", "--D", "0,90", "--ymaxd", "0,85"} + kFlow
            << Cells{
                   {"y", "0,7442"},     {"yD", "0,8269"},         {"V", "0,8888"}, {"Fr", "0,3122"},
                   {"tau", "2,6855"},   {"yc", "0,4118"},         {"borda", ""},   {"H", ""},
                   {"ymaxd", "0,8500"}, {"verificacao", "atende"}};
        // yn = 0,744186 m (Manning solved apart), τmáx = 9810 · yn · 0,001 = 7,3005 Pa; times
        // 1,5, 10,9507 Pa is above τadm, which τmáx alone would meet.
        QTest::newRow("circle, τmáx times 1,5 above τadm")
            << QStringList{"circular", "--D", "0,90", "--tauadm", "10", "--fs", "1,5"} + kFlow
            << Cells{{"taumax", "7,3005"},
                     {"tauadm", "10,0000"},
                     {"fs", "1,5000"},
                     {"verificacao", "não atende: τ > τadm"}};
        QTest::newRow("τadm alone, the factor 1")
            << QStringList{"circular", "--dn", "900", "--tauadm", "7,31"} + kFlow
            << Cells{{"D", "0,90"}, {"fs", "1,0000"}, {"verificacao", "atende"}};
        QTest::newRow("limits not met")
            << QStringList{"trapezoidal", "--b",  "0,70",    "--angulo", "30",
                           "--vmax",      "0,80", "--frmax", "0,4"} +
                   kFlow
            << Cells{{"verificacao", "não atende: V > vmax, Fr > frmax"}};
        // V. M. Ponce, SDSU CIV E 530, midterm 2, spring 2007: a rectangle 5 m wide, slope
        // 0,0025, n 0,015, flowing 0,8 m deep, carries 9,548 m³/s (his R^(2/3) rounded to 0,7161;
        // unrounded, 9,5488).
        QTest::newRow("Ponce, capacity at 0,8 m")
            << QStringList{"retangular", "--B", "5", "--i", "0,25", "--n", "0,015", "--y", "0,8"}
            << Cells{{"q", "9,5488"}, {"y", "0,8000"}, {"A", "4,0000"}, {"P", "6,6000"}};
    }
    void referenceFigures() {
        QFETCH(QStringList, arguments);
        QFETCH(Cells, expected);
        const CommandRun run =
            runCommand(QStringList{"verificar"} + arguments + QStringList{"--formato", "csv"});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.status, 0);
        const Cells cells = csvCells(run.out);
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            QCOMPARE(cells.value(it.key(), "<missing>"), it.value());
    }

    // The limits' columns end with τadm and its factor, before the verdict.
    void csvColumnsOfTheLimits() {
        const CommandRun run =
            runCommand(QStringList{"verificar", "triangular", "--formato", "csv"} + kFlow);
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.section(u'\n', 0, 0)
                    .endsWith(";yD;vmax;vmin;frmax;ymaxd;tauadm;fs;verificacao;erro"));
    }

    // A concrete pipe's DN is its diameter in metres.
    void pipeByItsDn() {
        const QStringList csv{"--formato", "csv", "--tauadm", "9"};
        const CommandRun byDn =
            runCommand(QStringList{"verificar", "circular", "--dn", "900"} + kFlow + csv);
        const CommandRun byD =
            runCommand(QStringList{"verificar", "circular", "--D", "0,90"} + kFlow + csv);
        QCOMPARE(byDn.status, 0);
        QCOMPARE(byDn.out, byD.out);
    }

    // The report gives one quantity a line, with its unit, and ends with the checks.
    void reportLines() {
        const CommandRun run = runCommand(
            QStringList{"verificar", "circular", "--D", "0,90", "--ymaxd", "0,85"} + kFlow);
        QCOMPARE(run.status, 0);
        const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(lines.contains("Profundidade normal yn: 0,7442 m"));
        QVERIFY(lines.contains("Velocidade V: 0,8888 m/s"));
        QVERIFY(lines.contains("y/D ≤ ymaxd: 0,8269 ≤ 0,8500: atende"));
        QCOMPARE(lines.last(), QString("τ ≤ τadm: não verificado (sem limite)"));
    }

    void faultsAndUsage_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("pipe too small")
            << QStringList{"circular", "--D", "0,80"} + kFlow << 1
            << "A seção circular de D = 0,8000 m comporta no máximo 0,3898 m³/s (a 0,938 D); a "
               "vazão de projeto é 0,5000 m³/s.\n";
        QTest::newRow("bank below the water")
            << QStringList{"triangular", "--altura", "0,50"} + kFlow << 1
            << "fica abaixo da profundidade da água";
        QTest::newRow("a share without its number")
            << QStringList{"retangular", "--B", "1,10", "--borda-livre", "%"} + kFlow << 1
            << "A borda livre \"%\" não é válida.";
        QTest::newRow("n that is no number")
            << QStringList{"retangular", "--B", "1,10", "--i", "0,1", "--n", ",", "--q", "0,5"} << 1
            << "O valor de --n não é";
        QTest::newRow("dot decimal in D")
            << QStringList{"circular", "--D", "0.90"} + kFlow << 1
            << "O valor de --D (\"0.90\") tem \".\"; use a vírgula decimal: 0,90.\n";
        QTest::newRow("a unit in vmax")
            << QStringList{"retangular", "--B", "1,10", "--vmax", "2m/s"} + kFlow << 1
            << "O valor de --vmax (\"2m/s\") tem \"m\"; o campo aceita só algarismos, a vírgula "
               "decimal e o sinal de menos.\n";
        QTest::newRow("blanks around are dropped")
            << QStringList{"circular", "--D", " 0,80 "} + kFlow << 1
            << "A seção circular de D = 0,8000 m comporta no máximo";
        QTest::newRow("both q and y")
            << QStringList{"retangular", "--B", "1,10", "--y", "0,5"} + kFlow << 2
            << "vazolar: dê --q";
        QTest::newRow("y/D on an open channel")
            << QStringList{"retangular", "--B", "1,10", "--ymaxd", "0,8"} + kFlow << 2
            << "vazolar: a opção --ymaxd não vale para o canal retangular.";
        QTest::newRow("freeboard on the pipe")
            << QStringList{"circular", "--D", "0,9", "--borda-livre", "0,3"} + kFlow << 2
            << "vazolar: a opção --borda-livre não vale";
        QTest::newRow("a DN not listed")
            << QStringList{"circular", "--dn", "950"} + kFlow << 2
            << "vazolar: --dn \"950\" não é um DN da ABNT NBR 8890:2007, Tabela A.1; use 200, "
               "300, 400, 500, 600, 700, 800, 900, 1000, 1100, 1200, 1300, 1500, 1750 ou 2000.\n";
        QTest::newRow("both D and DN")
            << QStringList{"circular", "--D", "0,90", "--dn", "900"} + kFlow << 2
            << "vazolar: dê --D (o diâmetro em metros) ou --dn";
        QTest::newRow("a factor without τadm")
            << QStringList{"retangular", "--B", "1,10", "--fs", "1,5"} + kFlow << 2
            << "vazolar: a opção --fs só vale com --tauadm.";
        QTest::newRow("a factor of zero")
            << QStringList{"retangular", "--B", "1,10", "--tauadm", "5", "--fs", "0"} + kFlow << 1
            << "O valor de --fs deve ser maior que zero.";
        QTest::newRow("dimension missing") << QStringList{"trapezoidal", "--angulo", "30"} + kFlow
                                           << 2 << "vazolar: falta a opção --b.";
        // The freeboard's number is read as every other option's.
        const QStringList trapezoid{"trapezoidal", "--b", "0,70", "--angulo",
                                    "30",          "--i", "0,1",  "--n",
                                    "0,015",       "--q", "0,5",  "--borda-livre"};
        const QString dot =
            "O valor de --borda-livre (\"%1\") tem \".\"; use a vírgula decimal: %2.\n";
        QTest::newRow("freeboard 0.300")
            << trapezoid + QStringList{"0.300"} << 1 << dot.arg("0.300", "0,300");
        QTest::newRow("freeboard 3.000")
            << trapezoid + QStringList{"3.000"} << 1
            << dot.arg("3.000", "3,000 (ou 3000, se o ponto separa os milhares)");
        QTest::newRow("freeboard 1.000%")
            << trapezoid + QStringList{"1.000%"} << 1
            << dot.arg("1.000", "1,000 (ou 1000, se o ponto separa os milhares)");
        QTest::newRow("freeboard 1.000,5")
            << trapezoid + QStringList{"1.000,5"} << 1 << dot.arg("1.000,5", "1000,5");
        for (const char* exponent : {"1e3", "1E2", "0,3e1"})
            QTest::newRow(exponent)
                << trapezoid + QStringList{exponent} << 1
                << "O valor de --borda-livre (\"" + QString(exponent) + "\") tem";
        const QString huge = "1" + QString(160, u'0');
        QTest::newRow("freeboard too large")
            << trapezoid + QStringList{huge} << 1 << "grande demais para o cálculo.";
        QTest::newRow("depth too large")
            << QStringList{"triangular", "--i", "0,1", "--n", "0,015", "--y", huge} << 1
            << "grande demais para o cálculo.";
        QTest::newRow("vmin above vmax")
            << QStringList{"retangular", "--B", "1,10", "--vmin", "5", "--vmax", "1"} + kFlow << 2
            << "vazolar: --vmin (5 m/s) é maior que --vmax (1 m/s)";
        QTest::newRow("y/D above 1")
            << QStringList{"circular", "--D", "0,90", "--ymaxd", "1,5"} + kFlow << 1
            << "O valor de --ymaxd deve ficar entre 0 e 1";
        QTest::newRow("bank rule and bank height")
            << QStringList{"triangular", "--altura", "2", "--borda-livre", "usbr"} + kFlow << 2
            << "vazolar: dê --borda-livre";
        QTest::newRow("an option of dimensionar")
            << QStringList{"circular", "--D", "0,9", "--inicial", "0,5"} + kFlow << 2
            << "vazolar: a opção --inicial é de dimensionar, não de verificar.";
        QTest::newRow("memo to standard output")
            << QStringList{"circular", "--D", "0,9", "--memoria", "-"} + kFlow << 2
            << "vazolar: a memória de cálculo é um PDF";
        QTest::newRow("a long value, quoted short")
            << QStringList{"circular", "--D", QString(100000, u'9') + "x"} + kFlow << 1
            << "O valor de --D (\"" + QString(60, u'9') + "…\") tem \"x\"";
        QTest::newRow("a control character, escaped")
            << QStringList{"circular", "--D", QString("0,9\t\x01")} + kFlow << 1
            << "O valor de --D (\"0,9\\t\\x01\") tem \"\\t\"";
    }
    void faultsAndUsage() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        const CommandRun run = runCommand(QStringList{"verificar"} + arguments);
        QCOMPARE(run.status, status);
        QCOMPARE(run.out, QString());
        QVERIFY2(run.err.startsWith(message) || run.err.contains(message), qPrintable(run.err));
    }

    // An output that cannot be written: status 3, and an earlier file keeps its content.
    void unwritableOutput() {
        QTemporaryDir dir;
        const CommandRun run = runCommand(
            QStringList{"verificar", "triangular", "--saida", dir.filePath("falta/r.csv")} + kFlow);
        QCOMPARE(run.status, 3);
        QVERIFY(run.err.startsWith("O relatório não foi salvo em"));
    }
};

VAZOLAR_TEST(VerifyCommandTest);
#include "tst_verify_command.moc"
