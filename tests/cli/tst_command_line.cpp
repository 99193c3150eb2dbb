#include "cli/command_table.h"
#include "cli/exit_statuses.h"
#include "cli_helpers.h"
#include "examples.h"
#include "test_registry.h"
#include "wording/adopted_fields.h"
#include "wording/shape_description.h"

#include <QFile>
#include <QMap>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <utility>

using namespace vazolar;
using namespace vazolar::testing;

namespace {

const QStringList kTrapezoid{"dimensionar", "trapezoidal", "--i",          "0,1", "--angulo",
                             "30",          "--n",         "0,015",        "--q", "0,5",
                             "--inicial",   "0,5",         "--incremento", "0,10"};

QStringList replaced(QStringList arguments, const QString& option, const QString& value) {
    arguments[arguments.indexOf(option) + 1] = value;
    return arguments;
}

QStringList withShape(const QString& shape) {
    QStringList arguments = kTrapezoid;
    arguments[1] = shape;
    return arguments;
}

QStringList without(QStringList arguments, const QString& option) {
    const qsizetype at = arguments.indexOf(option);
    arguments.remove(at, 2);
    return arguments;
}

// Each option of the table with the commands that take it.
QMap<QString, unsigned> tableOwners() {
    QMap<QString, unsigned> owners;
    for (const cli::OptionSpec& option : cli::optionTable())
        owners[option.name] |= option.commands;
    return owners;
}

// The parser's first complaint about the option given empty on the command line, when the
// command does not take it there: an option of another command, or of another shape. Empty
// where it takes it; the command then fails on a later check and writes nothing.
QString refusal(const QStringList& commandLine, const QString& option) {
    const CommandRun run = runCommand(commandLine + QStringList{"--" + option, ""});
    const QString line = run.err.section(u'\n', 0, 0);
    const QString head = "vazolar: a opção --" + option;
    if (run.status == 2 &&
        (line.startsWith(head + " é de ") || line.startsWith(head + " não vale ")))
        return line;
    return {};
}

} // namespace

// `vazolar dimensionar`, `--help` and `--version`, run in this process.
class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void usageErrorsWriteNothing_data() {
        QTest::addColumn<QStringList>("arguments");
        const QStringList rectangle{"dimensionar", "retangular", "--i", "0,1",       "--n",
                                    "0,015",       "--q",        "0,5", "--inicial", "0,5"};
        QTest::newRow("unknown option") << kTrapezoid + QStringList{"--x", "1"};
        QTest::newRow("missing --q") << without(kTrapezoid, "--q");
        QTest::newRow("trapezoid without --angulo") << without(kTrapezoid, "--angulo");
        QTest::newRow("step off the bar") << replaced(kTrapezoid, "--incremento", "0,15");
        QTest::newRow("empty step") << replaced(kTrapezoid, "--incremento", "");
        QTest::newRow("dot in the step") << replaced(kTrapezoid, "--incremento", "0.10");
        QTest::newRow("angle off the trapezoid") << rectangle + QStringList{"--angulo", "30"};
        QTest::newRow("start on the circle")
            << QStringList{"dimensionar", "circular", "--i", "0,1",       "--n",
                           "0,015",       "--q",      "0,5", "--inicial", "1"};
        QTest::newRow("unknown shape") << withShape("oval");
        QTest::newRow("no shape") << QStringList{"dimensionar"};
        QTest::newRow("unknown format") << rectangle + QStringList{"--formato", "pdf"};
        QTest::newRow("unknown command") << QStringList{"calcular"};
        QTest::newRow("value missing") << QStringList{"dimensionar", "circular", "--i"};
        QTest::newRow("batch option on a sizing") << QStringList{"lote", "a.csv", "--q", "1"};
        QTest::newRow("empty --saida") << kTrapezoid + QStringList{"--saida", ""};
        QTest::newRow("empty --saida of lote") << QStringList{"lote", "a.csv", "--saida", ""};
        QTest::newRow("option given twice") << kTrapezoid + QStringList{"--n", "0,013"};
    }

    void usageErrorsWriteNothing() {
        QFETCH(QStringList, arguments);
        const CommandRun run = runCommand(arguments);
        QCOMPARE(run.status, 2);
        QCOMPARE(run.out, QString());
        QVERIFY2(run.err.startsWith("vazolar: "), qPrintable(run.err));
        QVERIFY(run.err.contains("vazolar dimensionar FORMA"));
    }

    // The form's own messages, naming the field by its option.
    void faultsNameTheOption_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("lone comma in n") << replaced(kTrapezoid, "--n", ",")
                                         << QString("O valor de --n não é um número válido.");
        QTest::newRow("start not a number")
            << replaced(kTrapezoid, "--inicial", "1,,5")
            << QString("O valor de --inicial não é um número válido.");
        QTest::newRow("n = 0") << replaced(kTrapezoid, "--n", "0")
                               << QString("O dimensionamento foi interrompido por uma divisão "
                                          "por zero.");
        QTest::newRow("empty field")
            << replaced(kTrapezoid, "--q", "") << QString("Informe o valor de --q.");
        QTest::newRow("trial limit") << replaced(kTrapezoid, "--i", "0")
                                     << QString("O dimensionamento foi interrompido: 32767 "
                                                "tentativas não alcançaram a vazão de projeto.");
        QTest::newRow("dot decimal")
            << replaced(kTrapezoid, "--n", "0.015")
            << QString("O valor de --n (\"0.015\") tem \".\"; use a vírgula decimal: 0,015.");
        QTest::newRow("dot grouping")
            << replaced(kTrapezoid, "--q", "1.000,5")
            << QString("O valor de --q (\"1.000,5\") tem \".\"; use a vírgula decimal: "
                       "1000,5.");
        QTest::newRow("a letter")
            << replaced(kTrapezoid, "--i", "0,1%")
            << QString("O valor de --i (\"0,1%\") tem \"%\"; o campo aceita só algarismos, "
                       "a vírgula decimal e o sinal de menos.");
        QTest::newRow("blanks only")
            << replaced(kTrapezoid, "--q", "  ") << QString("Informe o valor de --q.");
        QTest::newRow("circle, empty slope")
            << QStringList{"dimensionar", "circular", "--i", "", "--n", "0,015", "--q", "0,5"}
            << QString("Informe o valor de --i.");
    }

    void faultsNameTheOption() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const CommandRun run = runCommand(arguments);
        QCOMPARE(run.status, 1);
        QCOMPARE(run.out, QString());
        QVERIFY2(run.err.startsWith(message), qPrintable(run.err));
    }

    // Blanks around a value are dropped, as the form's field would never have taken them.
    void blanksAroundAreTrimmed() {
        const CommandRun run = runCommand(replaced(kTrapezoid, "--n", " 0,015 "));
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, runCommand(kTrapezoid).out);
    }

    // A negative design discharge lists no trial: the empty report, and a failure that says why.
    void noTrialFails() {
        const CommandRun run = runCommand(replaced(kTrapezoid, "--q", "-0,5"));
        QCOMPARE(run.status, 1);
        QVERIFY(run.out.contains("inc = 0,1\n"));
        QCOMPARE(run.err, QString("Nenhuma tentativa: a vazão de projeto é negativa.\n"));
    }

    // Without --saida the report goes to standard output, line for line as SALVAR writes it.
    void reportOnStandardOutput() {
        const CommandRun run = runCommand(kTrapezoid);
        QCOMPARE(run.status, 0);
        QString saved =
            QStringDecoder("windows-1252")(loadExample("trapezoidal-worked").savedReport);
        QCOMPARE(run.out, saved.replace("\r\n", "\n"));
    }

    // The trial table as CSV, with the check of each trial; the last trial's figures are
    // worked out by hand from the worked example.
    void trialTableAsCsv() {
        const CommandRun run = runCommand(kTrapezoid + QStringList{"--formato", "csv"});
        QCOMPARE(run.status, 0);
        const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0], QString("b;B;y;Am;Pm;RH;Q;V;Fr;regime;yc;Ic;E;tau"));
        QCOMPARE(lines[3], QString("0,7000;1,4000;0,6062;0,6365;2,1000;0,3031;0,6055;0,9513;"
                                   "0,4504;subcrítico;0,3798;0,5054;0,6523;2,9735"));
    }

    void faultLeavesAnExistingFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("canal.TXT");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("anterior");
        file.close();
        const CommandRun run =
            runCommand(replaced(kTrapezoid, "--n", "0") + QStringList{"--saida", path});
        QCOMPARE(run.status, 1);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("anterior"));
    }

    void unwritableFileFails() {
        QTemporaryDir dir;
        const CommandRun run =
            runCommand(kTrapezoid + QStringList{"--saida", dir.filePath("falta/canal.TXT")});
        QCOMPARE(run.status, 3);
        QVERIFY2(run.err.startsWith("O relatório não foi salvo em"), qPrintable(run.err));
    }

    void helpAndVersion() {
        const CommandRun help = runCommand({"--help"});
        QCOMPARE(help.status, 0);
        QVERIFY(help.out.contains("--incremento"));
        QCOMPARE(runCommand({"-help"}).out, help.out);
        QCOMPARE(runCommand({"-version"}).status, 0);
        const CommandRun version = runCommand({"--version"});
        QCOMPARE(version.status, 0);
        QVERIFY(version.out.startsWith("vazolar 1."));
    }

    // Every option the table gives a command is in --help, under that command, and the
    // increment's steps are the scroll bar's.
    void helpNamesEveryOption_data() {
        QTest::addColumn<QString>("section");
        QTest::addColumn<int>("command");
        QTest::newRow("dimensionar") << "Opções de dimensionar" << int(cli::kSizeCommand);
        QTest::newRow("verificar") << "Opções de verificar" << int(cli::kVerifyCommand);
        QTest::newRow("lote") << "lote:" << int(cli::kBatchCommand);
    }

    void helpNamesEveryOption() {
        QFETCH(QString, section);
        QFETCH(int, command);
        const QString help = runCommand({"--help"}).out;
        const QString part = help.mid(help.indexOf(section)).section("\n\n", 0, 0);
        int listed = 0;
        for (const cli::OptionSpec& option : cli::optionTable()) {
            if (!(option.commands & unsigned(command)))
                continue;
            QVERIFY2(part.contains(QString("  --%1 ").arg(option.name)), option.name);
            ++listed;
        }
        QVERIFY(listed > 0);
        if (section.contains("dimensionar"))
            QVERIFY(part.simplified().contains("0,008; 0,009; 0,01; 0,02;"));
    }

    // The parser against the option table: a command takes each option the table gives it
    // (on one shape at least) and refuses every other as another command's.
    void commandsTakeTheOptionsOfTheTable_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QList<QStringList>>("commandLines");
        const QStringList shapes{"trapezoidal", "retangular", "triangular", "circular"};
        for (const auto& [command, name] : {std::pair{cli::kSizeCommand, "dimensionar"},
                                            std::pair{cli::kVerifyCommand, "verificar"}}) {
            QList<QStringList> lines;
            for (const QString& shape : shapes)
                lines << QStringList{name, shape};
            QTest::newRow(name) << int(command) << lines;
        }
        QTest::newRow("lote") << int(cli::kBatchCommand) << QList<QStringList>{{"lote", "a.csv"}};
    }

    void commandsTakeTheOptionsOfTheTable() {
        QFETCH(int, command);
        QFETCH(QList<QStringList>, commandLines);
        const QString name = commandLines[0][0];
        const QMap<QString, unsigned> owners = tableOwners();
        for (auto option = owners.cbegin(); option != owners.cend(); ++option) {
            const bool taken = std::any_of(
                commandLines.cbegin(), commandLines.cend(),
                [&](const QStringList& line) { return refusal(line, option.key()).isEmpty(); });
            QVERIFY2(taken == bool(*option & unsigned(command)), qPrintable(option.key()));
            if (taken)
                continue;
            const QString why = refusal(commandLines[0], option.key());
            QVERIFY2(why.contains(" é de ") && why.endsWith(", não de " + name + "."),
                     qPrintable(why));
            for (const cli::CommandSpec& owner : cli::commandTable())
                QCOMPARE(why.contains(owner.name),
                         bool(*option & owner.command) || owner.name == name);
        }
    }

    // `verificar` on each shape takes the fields the shape takes and refuses the others as
    // fields of another shape: every field is an option of the command, and no shape takes
    // what its section has no use for.
    void verifyTakesTheShapesFields() {
        for (const Shape shape : kAllShapes) {
            const QStringList line{"verificar", shapeName(shape)};
            for (const AdoptedFieldSpec& field : adoptedFields()) {
                const QString option = QString::fromLatin1(field.option);
                const QString why = refusal(line, option);
                if (field.takenBy(shape))
                    QVERIFY2(why.isEmpty(), qPrintable(option));
                else
                    QVERIFY2(why.contains(" não vale para o canal " + shapeName(shape)),
                             qPrintable(why));
            }
        }
    }

    void windowsWithoutArguments_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("commandLine");
        QTest::newRow("none") << QStringList{"vazolar"} << false;
        QTest::newRow("Qt's window option") << QStringList{"vazolar", "-platform", "xcb"} << false;
        QTest::newRow("command") << QStringList{"vazolar", "lote", "a.csv"} << true;
        QTest::newRow("help") << QStringList{"vazolar", "--help"} << true;
        QTest::newRow("short help") << QStringList{"vazolar", "-h"} << true;
        QTest::newRow("-help") << QStringList{"vazolar", "-help"} << true;
        QTest::newRow("-version") << QStringList{"vazolar", "-version"} << true;
        QTest::newRow("a misspelt option") << QStringList{"vazolar", "-saida", "x"} << true;
        QTest::newRow("-style=fusion") << QStringList{"vazolar", "-style=fusion"} << false;
        QTest::newRow("--reverse") << QStringList{"vazolar", "--reverse"} << false;
        QTest::newRow("-fn") << QStringList{"vazolar", "-fn", "Serif"} << false;
        QTest::newRow("-qwindowgeometry")
            << QStringList{"vazolar", "-qwindowgeometry", "640x480"} << false;
    }

    void windowsWithoutArguments() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, commandLine);
        QCOMPARE(cli::wantsCommandLine(arguments), commandLine);
    }

    // Every spelling the parser takes says the same of whether the command paints.
    void paintsAsParsed_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("paints");
        const QStringList verify{"vazolar", "verificar", "triangular", "--i", "0,1",
                                 "--n",     "0,015",     "--q",        "0,5"};
        QTest::newRow("--memoria") << verify + QStringList{"--memoria", "m.pdf"} << true;
        QTest::newRow("-memoria") << verify + QStringList{"-memoria", "m.pdf"} << true;
        QTest::newRow("--memoria=") << verify + QStringList{"--memoria=m.pdf"} << true;
        QTest::newRow("no memo") << verify << false;
        QTest::newRow("a file named --memoria")
            << verify + QStringList{"--saida", "--memoria"} << false;
        QTest::newRow("usage error") << verify + QStringList{"--memoria"} << false;
    }
    void paintsAsParsed() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, paints);
        QCOMPARE(cli::CommandLine(arguments).paints(), paints);
    }

    // An option in the wrong command says whose it is; a shape's name may carry blanks.
    void wordsOfUsage_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("err");
        QTest::newRow("an option of verificar")
            << QStringList{"dimensionar", "circular", "--i", "0,1",    "--n",
                           "0,015",       "--q",      "0,5", "--vmax", "3"}
            << 2 << "vazolar: a opção --vmax é de verificar, não de dimensionar.\n";
        QTest::newRow("blanks around the shape") << withShape(" trapezoidal ") << 0 << QString();
        QTest::newRow("a long unknown shape, quoted short")
            << withShape(QString(1000, u'x')) << 2
            << "vazolar: forma desconhecida: \"" + QString(60, u'x') + "…\"; use";
        QTest::newRow("the memo's freeboard, with a dot")
            << kTrapezoid + QStringList{"--memoria", "m.pdf", "--borda-livre", "0.300"} << 1
            << "O valor de --borda-livre (\"0.300\") tem \".\"; use a vírgula decimal: 0,300.\n";
        QTest::newRow("bank rule and bank height")
            << kTrapezoid +
                   QStringList{"--memoria", "m.pdf", "--borda-livre", "usbr", "--altura", "2"}
            << 2 << "vazolar: dê --borda-livre";
    }
    void wordsOfUsage() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, err);
        const CommandRun run = runCommand(arguments);
        QCOMPARE(run.status, status);
        QVERIFY2(err.isEmpty() ? run.err.isEmpty() : run.err.startsWith(err), qPrintable(run.err));
    }

    // What each status means for each command, in --help and in the manual page alike.
    void statusesPerCommand() {
        QFile manual(VAZOLAR_MANUAL);
        QVERIFY(manual.open(QIODevice::ReadOnly));
        const QString page = QString::fromUtf8(manual.readAll()).simplified();
        const QString help = runCommand({"--help"}).out.simplified();
        int seen = 0;
        for (const cli::StatusMeaning& meaning : cli::statusMeanings()) {
            const QString sentence = QString::fromUtf8(meaning.meaning);
            QVERIFY2(help.contains(sentence), qPrintable(sentence));
            QVERIFY2(page.contains(sentence), qPrintable(sentence));
            seen |= meaning.commands;
        }
        QCOMPARE(seen, int(cli::kSizeCommand | cli::kVerifyCommand | cli::kBatchCommand |
                           cli::kProfileCommand));
    }
};

VAZOLAR_TEST(CommandLineTest);
#include "tst_command_line.moc"
