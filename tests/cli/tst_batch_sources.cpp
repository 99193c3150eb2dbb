#include "shell_run.h"
#include "test_registry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vazolar::testing;

namespace {

const QByteArray kChannels = "forma;i;angulo;n;q;inicial;incremento\n"
                             "trapezoidal;0,1;30;0,015;0,5;0,5;0,10\n"
                             "retangular;0,1;;0,015;0,5;0,5;0,1\n";

const QByteArray kSummaryStart = "linha;forma;";

bool place(const QTemporaryDir& dir, const QString& name, const QByteArray& content) {
    QFile file(dir.filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(nenhum)");
}

} // namespace

// `lote` reading from wherever a shell hands it its channels.
class BatchSourcesTest : public QObject {
    Q_OBJECT

private slots:
    // Every way of reading from another process gives both channels, as the file does.
    void readsToTheEnd_data() {
        QTest::addColumn<QString>("line");
        QTest::newRow("file") << "\"$VAZOLAR\" lote trechos.csv";
        QTest::newRow("- from a pipe") << "cat trechos.csv | \"$VAZOLAR\" lote -";
        QTest::newRow("/dev/stdin from a pipe") << "cat trechos.csv | \"$VAZOLAR\" lote /dev/stdin";
        QTest::newRow("slow pipe")
            << "(head -n 2 trechos.csv; sleep 0.3; tail -n 1 trechos.csv) | \"$VAZOLAR\" lote -";
        QTest::newRow("named pipe")
            << "mkfifo canais && (cat trechos.csv > canais &) && \"$VAZOLAR\" lote canais";
        QTest::newRow("process substitution") << "\"$VAZOLAR\" lote <(cat trechos.csv)";
        QTest::newRow("- from a redirection") << "\"$VAZOLAR\" lote - < trechos.csv";
    }

    void readsToTheEnd() {
        QFETCH(QString, line);
        QTemporaryDir dir;
        QVERIFY(place(dir, "trechos.csv", kChannels));
        const ShellRun run = shell(line, dir.path());
        QVERIFY2(run.status == 0, run.err.constData());
        const QList<QByteArray> lines = run.out.split('\n');
        QCOMPARE(lines.size(), 4);
        QVERIFY(lines[0].startsWith(kSummaryStart));
        QVERIFY(lines[1].startsWith("2;trapezoidal;"));
        QVERIFY(lines[2].startsWith("3;retangular;"));
    }

    // An input that fails as it is read: status 3 with the system's reason, and the summary
    // written before stays as it was.
    void readErrorKeepsTheEarlierSummary() {
        QTemporaryDir dir;
        QVERIFY(place(dir, "resumo.csv", "anterior"));
        const ShellRun run =
            shell("\"$VAZOLAR\" lote /proc/self/mem --saida resumo.csv", dir.path());
        QCOMPARE(run.status, 3);
        QVERIFY2(run.err.startsWith("Não foi possível ler \"/proc/self/mem\": "),
                 run.err.constData());
        QCOMPARE(contentOf(dir.filePath("resumo.csv")), QByteArray("anterior"));
    }

    // A signal while the summary is being written: the program ends by it, the earlier summary
    // keeps its bytes and no temporary file is left beside it.
    void signalLeavesNoTemporaryFile_data() {
        QTest::addColumn<QString>("signal");
        QTest::addColumn<int>("status");
        QTest::newRow("SIGINT") << "INT" << 128 + 2;
        QTest::newRow("SIGTERM") << "TERM" << 128 + 15;
        QTest::newRow("SIGHUP") << "HUP" << 128 + 1;
    }

    void signalLeavesNoTemporaryFile() {
        QFETCH(QString, signal);
        QFETCH(int, status);
        QTemporaryDir dir;
        QVERIFY(place(dir, "resumo.csv", "anterior"));
        QVERIFY(place(dir, "trechos.csv", kChannels));
        // The channels come slowly through a pipe: the summary is still being written.
        const ShellRun run =
            shell(QString("set -m; mkfifo canais; (cat trechos.csv; sleep 3) > canais & "
                          "\"$VAZOLAR\" lote canais --saida resumo.csv & p=$!; "
                          "sleep 1; kill -%1 $p; wait $p; s=$?; rm canais; "
                          "exit $s")
                      .arg(signal),
                  dir.path());
        QCOMPARE(run.status, status);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 (QStringList{"resumo.csv", "trechos.csv"}));
        QCOMPARE(contentOf(dir.filePath("resumo.csv")), QByteArray("anterior"));
    }

    // A directory opens but cannot be read as a file.
    void directoryIsNotAnInput() {
        QTemporaryDir dir;
        const ShellRun run = shell("\"$VAZOLAR\" lote .", dir.path());
        QCOMPARE(run.status, 3);
        QVERIFY2(run.err.startsWith("Não foi possível ler \".\": "), run.err.constData());
        QCOMPARE(run.out, QByteArray());
    }
};

VAZOLAR_TEST(BatchSourcesTest);
#include "tst_batch_sources.moc"
