#include "ci_skip.h"
#include "fuse_folder.h"
#include "shell_run.h"
#include "test_registry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace vazolar::testing;

namespace {

const QByteArray kChannels = "forma;i;angulo;n;q;inicial;incremento\n"
                             "trapezoidal;0,1;30;0,015;0,5;0,5;0,10\n"
                             "retangular;0,1;;0,015;0,5;0,5;0,1\n";

const QByteArray kSummaryStart = "linha;forma;";

bool place(const QString& folder, const QString& name, const QByteArray& content) {
    QFile file(folder + '/' + name);
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
        QVERIFY(place(dir.path(), "trechos.csv", kChannels));
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
        QVERIFY(place(dir.path(), "resumo.csv", "anterior"));
        const ShellRun run =
            shell("\"$VAZOLAR\" lote /proc/self/mem --saida resumo.csv", dir.path());
        QCOMPARE(run.status, 3);
        QVERIFY2(run.err.startsWith("Não foi possível ler \"/proc/self/mem\": "),
                 run.err.constData());
        QCOMPARE(contentOf(dir.filePath("resumo.csv")), QByteArray("anterior"));
    }

    // A signal while the summary is being written: the program ends by it, the earlier summary
    // keeps its bytes and no temporary file is left beside it, whether the file system makes
    // the new file without a name or, as FUSE, with its temporary name from the start.
    void signalLeavesNoTemporaryFile_data() {
        QTest::addColumn<QString>("signal");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("onFuse");
        QTest::newRow("SIGINT") << "INT" << 128 + 2 << false;
        QTest::newRow("SIGTERM") << "TERM" << 128 + 15 << false;
        QTest::newRow("SIGHUP") << "HUP" << 128 + 1 << false;
        QTest::newRow("FUSE, SIGINT") << "INT" << 128 + 2 << true;
        QTest::newRow("FUSE, SIGTERM") << "TERM" << 128 + 15 << true;
    }

    void signalLeavesNoTemporaryFile() {
        QFETCH(QString, signal);
        QFETCH(int, status);
        QFETCH(bool, onFuse);
        QTemporaryDir plain;
        std::optional<FuseFolder> fuse;
        if (onFuse && !fuse.emplace().mounted())
            VAZOLAR_SKIP_WITHOUT(qPrintable(fuse->whyNot()));
        const QString folder = fuse ? fuse->path() : plain.path();
        // More channels than the reader takes at once, so that the summary is opened before
        // the channels stop coming; the signal comes once the program holds a file here.
        QByteArray channels = kChannels;
        while (channels.size() < 256 * 1024)
            channels += "trapezoidal;0,1;30;0,015;0,5;0,5;0,10\n";
        QVERIFY(place(folder, "resumo.csv", "anterior"));
        QVERIFY(place(folder, "trechos.csv", channels));
        const ShellRun run = shell(
            QString("set -m; mkfifo ../canais-$$; c=../canais-$$; "
                    "(cat trechos.csv; sleep 3) > $c 2> /dev/null & "
                    "\"$VAZOLAR\" lote $c --saida resumo.csv & p=$!; "
                    "for k in $(seq 100); do readlink /proc/$p/fd/* | grep -q \"^$PWD/\" && break; "
                    "sleep 0.1; done 2> /dev/null; "
                    "ls -A; kill -%1 $p; wait $p; s=$?; rm $c; exit $s")
                .arg(signal),
            folder);
        QCOMPARE(run.status, status);
        // Where the new file has its name from the start, it was there while being written.
        if (fuse)
            QCOMPARE(run.out.split('\n').size(), 4);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 (QStringList{"resumo.csv", "trechos.csv"}));
        QCOMPARE(contentOf(folder + "/resumo.csv"), QByteArray("anterior"));
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
