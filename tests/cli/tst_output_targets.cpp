#include "shell_run.h"
#include "test_registry.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace vazolar::testing;

namespace {

const QByteArray kChannels = "forma;i;angulo;n;q;inicial;incremento\n"
                             "trapezoidal;0,1;30;0,015;0,5;0,5;0,10\n";

// The summary line of the worked trapezoid, as far as its check's first figure.
const QByteArray kWorkedLine = "2;trapezoidal;0,1;30;0,015;0,5;0,5;0,10;3;0,7000;1,4000;0,6062;";

QString writeInput(const QTemporaryDir& dir, const QByteArray& content) {
    const QString path = dir.filePath("trechos.csv");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return QString();
    return path;
}

bool isFifo(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISFIFO(status.st_mode);
}

} // namespace

// Where `--saida` writes: a regular file is replaced whole, anything else written straight.
class OutputTargetsTest : public QObject {
    Q_OBJECT

private slots:
    // A named pipe read by another process: the summary goes through it, and the pipe stays.
    void namedPipeIsWrittenStraight() {
        QTemporaryDir dir;
        QVERIFY(!writeInput(dir, kChannels).isEmpty());
        QVERIFY(shell("mkfifo resumo", dir.path()).status == 0);
        const ShellRun run =
            shell("cat resumo > lido & \"$VAZOLAR\" lote trechos.csv --saida resumo; s=$?; wait; "
                  "exit $s",
                  dir.path());
        QCOMPARE(run.status, 0);
        QVERIFY(isFifo(dir.filePath("resumo")));
        QFile read(dir.filePath("lido"));
        QVERIFY(read.open(QIODevice::ReadOnly));
        QVERIFY2(read.readAll().split('\n').value(1).startsWith(kWorkedLine), run.err.constData());
    }

    // A link to a regular file stays a link; its target takes the new content, also where the
    // target is not there yet or is reached through another link.
    void linkKeepsPointingAtItsTarget_data() {
        QTest::addColumn<QString>("links");
        QTest::addColumn<QString>("target");
        QTest::newRow("link") << "echo anterior > alvo.csv && ln -s alvo.csv resumo.csv"
                              << "alvo.csv";
        QTest::newRow("link to a new file") << "ln -s novo.csv resumo.csv"
                                            << "novo.csv";
        QTest::newRow("chain into a folder")
            << "mkdir -p pasta && echo anterior > pasta/alvo.csv && ln -s alvo.csv pasta/elo && "
               "ln -s pasta/elo resumo.csv"
            << "pasta/alvo.csv";
    }
    void linkKeepsPointingAtItsTarget() {
        QFETCH(QString, links);
        QFETCH(QString, target);
        QTemporaryDir dir;
        QVERIFY(!writeInput(dir, kChannels).isEmpty());
        const ShellRun run =
            shell(links + " && \"$VAZOLAR\" lote trechos.csv --saida resumo.csv", dir.path());
        QCOMPARE(run.status, 0);
        QVERIFY(QFileInfo(dir.filePath("resumo.csv")).isSymLink());
        QFile written(dir.filePath(target));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.readAll().split('\n').value(1).startsWith(kWorkedLine));
    }

    // Names whose bytes are not UTF-8 (an old disk's Latin-1) name the very files they name;
    // messages show those bytes as U+FFFD.
    void namesThatAreNotUtf8_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("err");
        QTest::newRow("lote reads and writes them")
            << "cp trechos.csv $'canais\\xe7.csv' && \"$VAZOLAR\" lote $'canais\\xe7.csv' "
               "--saida $'resumo\\xe3.csv' && sed -n 2p $'resumo\\xe3.csv' | grep -q '^2;trap'"
            << 0 << QByteArray();
        QTest::newRow("dimensionar writes one")
            << "\"$VAZOLAR\" dimensionar retangular --i 0,1 --n 0,015 --q 0,5 --inicial 0,5 "
               "--saida $'relat\\xf3rio.txt' && test -s $'relat\\xf3rio.txt'"
            << 0 << QByteArray();
        QTest::newRow("a missing one is named")
            << "\"$VAZOLAR\" lote $'nada\\xe7.csv'" << 3
            << QByteArray("Não foi possível ler \"nada\xEF\xBF\xBD.csv\": O arquivo ou a pasta "
                          "não existe\n");
    }
    void namesThatAreNotUtf8() {
        QFETCH(QString, line);
        QFETCH(int, status);
        QFETCH(QByteArray, err);
        QTemporaryDir dir;
        QVERIFY(!writeInput(dir, kChannels).isEmpty());
        const ShellRun run = shell(line, dir.path());
        QVERIFY2(run.status == status, run.err.constData());
        QCOMPARE(run.err, err);
    }

    // Outputs that are not regular files, each given as a shell gives it.
    void streamsAreNeverReplaced_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QByteArray>("err");
        QTest::newRow("process substitution")
            << "\"$VAZOLAR\" lote trechos.csv --saida >(sed -n 2p > linha); s=$?; wait $!; "
               "cat linha; exit $s"
            << 0 << kWorkedLine << QByteArray();
        QTest::newRow("/dev/stdout appended by the shell")
            << "echo anterior > s.txt; \"$VAZOLAR\" lote trechos.csv --saida /dev/stdout >> s.txt;"
               " s=$?; head -c 9 s.txt; exit $s"
            << 0 << QByteArray("anterior\n") << QByteArray();
        QTest::newRow("- is standard output")
            << "\"$VAZOLAR\" lote trechos.csv --saida - | sed -n 2p" << 0 << kWorkedLine
            << QByteArray();
        QTest::newRow("/dev/full")
            << "\"$VAZOLAR\" lote trechos.csv --saida /dev/full" << 3 << QByteArray()
            << QByteArray("Não há espaço disponível no dispositivo");
    }

    void streamsAreNeverReplaced() {
        QFETCH(QString, line);
        QFETCH(int, status);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, err);
        QTemporaryDir dir;
        QVERIFY(!writeInput(dir, kChannels).isEmpty());
        const ShellRun run = shell(line, dir.path());
        QCOMPARE(run.status, status);
        QVERIFY2(run.out.startsWith(out), run.out.constData());
        QVERIFY2(err.isEmpty() ? run.err.isEmpty() : run.err.contains(err), run.err.constData());
        QVERIFY(QFileInfo("/dev/full").exists() && !QFileInfo("/dev/full").isFile());
    }

    // A reader that stops early (`| head`): no message, and status 3, since not everything
    // was written.
    void brokenPipeEndsQuietly() {
        QByteArray many = kChannels;
        for (int k = 0; k < 20000; ++k)
            many += "trapezoidal;0,1;30;0,015;0,5;0,5;0,10\n";
        QTemporaryDir dir;
        QVERIFY(!writeInput(dir, many).isEmpty());
        const ShellRun run =
            shell("\"$VAZOLAR\" lote trechos.csv | head -n 2; exit ${PIPESTATUS[0]}", dir.path());
        QCOMPARE(run.status, 3);
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(run.out.count('\n'), 2);
    }
};

VAZOLAR_TEST(OutputTargetsTest);
#include "tst_output_targets.moc"
