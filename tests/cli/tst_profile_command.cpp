#include "cli_helpers.h"
#include "test_registry.h"

#include <QTest>

using namespace vazolar;
using namespace vazolar::testing;

namespace {

// The CSV's rows as "ponto x y" of each, and the class of the first.
struct CsvProfile {
    QString curve;
    QStringList rows;
};

CsvProfile csvProfile(const QString& out) {
    CsvProfile profile;
    const QStringList lines = out.split(u'\n', Qt::SkipEmptyParts);
    for (const QString& line : lines.mid(1)) {
        const QStringList cells = line.split(u';');
        profile.curve = cells[0];
        profile.rows << QStringList{cells[1], cells[2], cells[4]}.join(u' ').trimmed();
    }
    return profile;
}

const QStringList kTrapezoid{"trapezoidal", "--b",   "0,70", "--angulo", "30",
                             "--n",         "0,015", "--q",  "0,5"};

} // namespace

// `vazolar remanso`: the reference profiles of the trapezoid b 0,70 m, 30°, n 0,015, Q 0,5 m³/s
// and of the rectangle B 1,10 m under a gate, worked with an independent model, as the CSV
// gives them; and the faults, with their exit statuses.
class ProfileCommandTest : public QObject {
    Q_OBJECT

private slots:
    void referenceProfiles_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("curve");
        QTest::addColumn<QStringList>("rows"); // "ponto x y", among the CSV's rows
        QTest::newRow("M1 from 1,00 m")
            << kTrapezoid + QStringList{"--i",           "0,1",  "--y0",    "1,00",
                                        "--comprimento", "2000", "--passo", "200"}
            << "M1"
            << QStringList{"controle 0,0000 1,0000", "200,0000 0,8259", "400,0000 0,6813",
                           "600,0000 0,5906",        "800,0000 0,5553", "normal 895,1562 0,5494",
                           "1000,0000 0,5463",       "2000,0000 0,5439"};
        QTest::newRow("M2 from a free overfall")
            << kTrapezoid + QStringList{"--i",           "0,1", "--y0",    "critica",
                                        "--comprimento", "500", "--passo", "50"}
            << "M2"
            << QStringList{"controle 0,0000 0,3383", "50,0000 0,4766",         "100,0000 0,5056",
                           "250,0000 0,5342",        "normal 319,0428 0,5385", "500,0000 0,5427"};
        QTest::newRow("S2 from the brink of a steep reach")
            << kTrapezoid +
                   QStringList{"--i", "2", "--y0", "critica", "--comprimento", "50", "--passo", "5"}
            << "S2"
            << QStringList{"5,0000 0,2560", "10,0000 0,2403", "normal 27,7", "50,0000 0,2242"};
        QTest::newRow("S1 with its jump")
            << kTrapezoid +
                   QStringList{"--i", "2", "--y0", "0,60", "--comprimento", "100", "--passo", "5"}
            << "S1" << QStringList{"ressalto 4,9036 0,4821", "5,0000 0,2240", "100,0000 0,2240"};
        QTest::newRow("H3 under a gate, to yc")
            << QStringList{"retangular", "--B",           "1,10", "--i",     "0",
                           "--n",        "0,015",         "--q",  "0,5",     "--y0",
                           "0,10",       "--comprimento", "100",  "--passo", "10"}
            << "H3" << QStringList{"controle 0,0000 0,1000", "critica 18,8050 0,2762"};
    }
    void referenceProfiles() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, curve);
        QFETCH(QStringList, rows);
        const CommandRun run =
            runCommand(QStringList{"remanso"} + arguments + QStringList{"--formato", "csv"});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.startsWith("curva;ponto;x;zf;y;zw;A;V;Fr;E;Sf;folga\n"));
        const CsvProfile profile = csvProfile(QString(run.out).remove(u'.'));
        QCOMPARE(profile.curve, curve);
        for (const QString& row : rows) {
            const bool found = std::any_of(profile.rows.cbegin(), profile.rows.cend(),
                                           [&](const QString& r) { return r.startsWith(row); });
            QVERIFY2(found, qPrintable(row + " not in\n" + profile.rows.join(u'\n')));
        }
    }

    // The report names the class, the control's end and the special points; the bank's
    // stretch ends where the S1 curve falls to H.
    void reportLines() {
        const CommandRun run = runCommand(
            QStringList{"remanso"} + kTrapezoid +
            QStringList{"--i", "2", "--y0", "0,60", "--comprimento", "100", "--altura", "0,55"});
        QCOMPARE(run.status, 0);
        const QStringList lines = run.out.split(u'\n');
        QVERIFY(lines.contains("Profundidade normal yn: 0,2240 m"));
        QVERIFY(lines.contains("Controle: y0 = 0,6000 m, a jusante; a curva se calcula para "
                               "montante"));
        QVERIFY(run.out.contains("Ressalto hidráulico em x = 4,9036 m: y1 = yn = 0,2240 m, y2 = "
                                 "0,4821 m"));
        QVERIFY(run.out.contains("a linha d'água ultrapassa a margem de x = 0,0000 a x = "));
        const CommandRun horizontal =
            runCommand({"remanso", "retangular", "--B", "1,10", "--i", "0", "--n", "0,015", "--q",
                        "0,5", "--y0", "0,10", "--comprimento", "100"});
        QVERIFY(horizontal.out.contains("Profundidade normal yn: não existe\n"));
    }

    void faults_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const QStringList mild = kTrapezoid + QStringList{"--i", "0,1"};
        QTest::newRow("y0 zero") << mild + QStringList{"--y0", "0", "--comprimento", "100"} << 1
                                 << "O valor de --y0 deve ser maior que zero.";
        QTest::newRow("y0 unreadable")
            << mild + QStringList{"--y0", "1.0", "--comprimento", "100"} << 1 << "--y0 (\"1.0\")";
        QTest::newRow("length zero") << mild + QStringList{"--y0", "1", "--comprimento", "0"} << 1
                                     << "O valor de --comprimento deve ser maior que zero.";
        QTest::newRow("step beyond the reach")
            << mild + QStringList{"--y0", "1", "--comprimento", "100", "--passo", "101"} << 1
            << "O valor de --passo (101,0000 m) não pode ser maior que o de --comprimento";
        QTest::newRow("beyond the pipe's capacity")
            << QStringList{"circular", "--D", "0,5",  "--i", "0,1",           "--n", "0,013",
                           "--q",      "2",   "--y0", "0,3", "--comprimento", "100"}
            << 1 << "A seção circular de D = 0,5000 m comporta no máximo 0,1284 m³/s";
        QTest::newRow("y0 above the crown")
            << QStringList{"circular", "--D", "0,5",  "--i", "0,1",           "--n", "0,013",
                           "--q",      "0,1", "--y0", "0,6", "--comprimento", "100"}
            << 1 << "A profundidade --y0 = 0,6000 m passa do diâmetro D = 0,5000 m.";
        QTest::newRow("no length")
            << mild + QStringList{"--y0", "1"} << 2 << "falta a opção --comprimento.";
        QTest::newRow("a limit of verificar")
            << mild + QStringList{"--y0", "1", "--comprimento", "9", "--vmax", "2"} << 2
            << "a opção --vmax é de verificar, não de remanso.";
        QTest::newRow("a bank on the pipe")
            << QStringList{"circular", "--D",           "0,5", "--i",      "0,1",
                           "--n",      "0,013",         "--q", "0,1",      "--y0",
                           "0,4",      "--comprimento", "100", "--altura", "1"}
            << 2 << "a opção --altura não vale para o canal circular.";
        QTest::newRow("a memo of a horizontal bed")
            << QStringList{"retangular", "--B",           "1,10", "--i",       "0",
                           "--n",        "0,015",         "--q",  "0,5",       "--y0",
                           "0,10",       "--comprimento", "100",  "--memoria", "/dev/null"}
            << 1 << "pede --i maior que zero";
    }
    void faults() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        const CommandRun run = runCommand(QStringList{"remanso"} + arguments);
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(run.out, QString());
    }
};

VAZOLAR_TEST(ProfileCommandTest);
#include "tst_profile_command.moc"
