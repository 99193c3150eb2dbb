#include "shell_run.h"
#include "test_registry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vazolar::testing;

namespace {

const QByteArray kChannels = "forma;i;angulo;n;q;inicial;incremento\n"
                             "trapezoidal;0,1;30;0,015;0,5;0,5;0,10\n";

// The program's address space is capped, so that a reading that keeps every cell fails on a
// refused allocation rather than taking the machine's memory. AddressSanitizer reserves far
// more address space than that for its shadow memory: there its own limit on resident memory
// stands in, and its quarantine of freed blocks (256 MB) is allowed for in the bound.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
constexpr rlim_t kAddressSpace = rlim_t(2) << 30;
constexpr long kPeakKilobytes = (kSanitized ? 512 : 100) * 1024;

// The sanitizer's options with its limit, made before the fork: the child only sets them.
QByteArray sanitizerOptions() {
    const QByteArray options = qgetenv("ASAN_OPTIONS");
    return options + (options.isEmpty() ? "" : ":") + "hard_rss_limit_mb=2048";
}

void limitMemory(const QByteArray& sanitizer) {
    if (kSanitized) {
        setenv("ASAN_OPTIONS", sanitizer.constData(), 1);
        return;
    }
    const rlimit space{kAddressSpace, kAddressSpace};
    if (setrlimit(RLIMIT_AS, &space) != 0)
        _exit(127);
}

struct MeasuredRun {
    int status = -1;
    long peakKilobytes = 0;
};

// Runs the built program with its standard error into errorPath and waits for it alone, to
// take its own peak resident memory.
MeasuredRun runMeasured(const QStringList& arguments, const QString& errorPath) {
    std::vector<QByteArray> texts{VAZOLAR_BINARY, "lote"};
    for (const QString& argument : arguments)
        texts.push_back(QFile::encodeName(argument));
    std::vector<char*> argv;
    for (QByteArray& text : texts)
        argv.push_back(text.data());
    argv.push_back(nullptr);
    const QByteArray errorName = QFile::encodeName(errorPath);
    const QByteArray sanitizer = sanitizerOptions();
    const pid_t child = fork();
    if (child == 0) {
        limitMemory(sanitizer);
        const int error = open(errorName.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (error >= 0 && dup2(error, STDERR_FILENO) >= 0)
            execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child)
        return {};
    return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), usage.ru_maxrss};
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(nenhum)");
}

} // namespace

// `lote` on inputs with no end, or with lines no spreadsheet writes: it ends, in bounded
// memory, and says what it did not read.
class BatchLimitsTest : public QObject {
    Q_OBJECT

private slots:
    // The shell's CPU limit only ends a program that would never end by itself.
    void endlessInputEnds_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("err");
        QTest::addColumn<QByteArray>("summaryEnd");
        QTest::newRow("/dev/zero")
            << "\"$VAZOLAR\" lote /dev/zero --saida resumo.csv" << 3
            << QByteArray("O arquivo \"/dev/zero\", linha 1: registro com mais de 1 MB.\n")
            << QByteArray("(nenhum)");
        QTest::newRow("a pipe: a channel, then zeros")
            << "(cat trechos.csv; cat /dev/zero) | \"$VAZOLAR\" lote - --saida resumo.csv" << 1
            << QByteArray("linha 3: registro com mais de 1 MB.\n"
                          "O restante de \"entrada padrão\" não foi lido: a leitura parou no "
                          "registro da linha 3.\n")
            << QByteArray(";registro com mais de 1 MB.\n");
    }

    void endlessInputEnds() {
        QFETCH(QString, line);
        QFETCH(int, status);
        QFETCH(QByteArray, err);
        QFETCH(QByteArray, summaryEnd);
        QTemporaryDir dir;
        QFile channels(dir.filePath("trechos.csv"));
        QVERIFY(channels.open(QIODevice::WriteOnly) && channels.write(kChannels) > 0);
        channels.close();
        const ShellRun run = shell("ulimit -t 60; " + line, dir.path());
        QCOMPARE(run.status, status);
        QCOMPARE(run.err, err);
        const QByteArray summary = contentOf(dir.filePath("resumo.csv"));
        QVERIFY2(summary.endsWith(summaryEnd), summary.constData());
        QCOMPARE(summary.count('\n'), status == 1 ? 3 : 0);
    }

    // A line of 100 MB of separators would be a hundred million empty cells.
    void hugeLineInBoundedMemory() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("saida"));
        QFile input(dir.filePath("trechos.csv"));
        QVERIFY(input.open(QIODevice::WriteOnly) && input.write(kChannels) > 0);
        const QByteArray separators(1024 * 1024, ';');
        for (int megabyte = 0; megabyte < 100; ++megabyte)
            QVERIFY(input.write(separators) == separators.size());
        QVERIFY(input.write("\ntrapezoidal;0,1;30;0,015;0,5;0,5;0,10\n") > 0);
        input.close();

        const MeasuredRun run = runMeasured(
            {input.fileName(), "--saida", dir.filePath("saida/resumo.csv")}, dir.filePath("err"));
        QCOMPARE(run.status, 1);
        QVERIFY2(run.peakKilobytes < kPeakKilobytes,
                 qPrintable(QString::number(run.peakKilobytes)));
        QVERIFY(contentOf(dir.filePath("err")).startsWith("linha 3: registro com mais de 1 MB.\n"));
        QCOMPARE(QDir(dir.filePath("saida")).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"resumo.csv"});
        QCOMPARE(contentOf(dir.filePath("saida/resumo.csv")).count('\n'), 3);
    }
};

VAZOLAR_TEST(BatchLimitsTest);
#include "tst_batch_limits.moc"
