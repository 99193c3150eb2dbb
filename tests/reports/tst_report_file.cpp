#include "reports/report_file.h"
#include "test_registry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace vazolar::reports;

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Makes every write past maxBytes fail the way a full disk does, for this process, while it
// lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t maxBytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = maxBytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

} // namespace

class ReportFileTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    const QByteArray oldContent_ = "old report\r\n";

    QString path(const QString& name) const { return dir_.filePath(name); }

private slots:
    void init() { QVERIFY(dir_.isValid()); }

    void writesTheEncodedLines() {
        const WriteOutcome outcome = writeReportFile(path("new.TXT"), {"Seção", "", "0,5000"});
        QVERIFY(outcome.ok);
        QCOMPARE(outcome.error, QString());
        QCOMPARE(contentOf(path("new.TXT")), QByteArray("Se\xE7\xE3o\r\n\r\n0,5000\r\n"));
    }

    // A second save replaces the first one completely, even when it is shorter.
    void secondSaveReplacesTheFirst() {
        QVERIFY(writeReportFile(path("twice.TXT"), {"first line, the longer one", "second"}).ok);
        QVERIFY(writeReportFile(path("twice.TXT"), {"short"}).ok);
        QCOMPARE(contentOf(path("twice.TXT")), QByteArray("short\r\n"));
    }

    void failingSaveReportsWhy_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("missing folder") << "missing/report.TXT";
        QTest::newRow("folder that is a file") << "plain-file/report.TXT";
    }
    void failingSaveReportsWhy() {
        QFETCH(QString, target);
        writeFile(path("plain-file"), oldContent_);
        const WriteOutcome outcome = writeReportFile(path(target), {"line"});
        QVERIFY(!outcome.ok);
        QVERIFY(!outcome.error.isEmpty());
        QVERIFY(!QFile::exists(path(target)));
        QCOMPARE(contentOf(path("plain-file")), oldContent_);
    }

    void readOnlyFolderKeepsTheOldFile() {
        if (geteuid() == 0)
            QSKIP("running as root, whom folder permissions do not stop");
        const QString folder = path("read-only");
        QVERIFY(QDir().mkdir(folder));
        writeFile(folder + "/report.TXT", oldContent_);
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        const WriteOutcome outcome = writeReportFile(folder + "/report.TXT", {"new"});
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!outcome.ok);
        QVERIFY(!outcome.error.isEmpty());
        QCOMPARE(contentOf(folder + "/report.TXT"), oldContent_);
    }

    // A disk that fills up half-way through: the old file stays whole, no stray file is left.
    void fullDiskKeepsTheOldFile() {
        const QString folder = path("full-disk");
        QVERIFY(QDir().mkdir(folder));
        writeFile(folder + "/report.TXT", oldContent_);
        const QStringList lines(2000, QString(90, u'0'));
        WriteOutcome outcome{true, {}};
        {
            const FileSizeLimit limit(4096);
            outcome = writeReportFile(folder + "/report.TXT", lines);
        }
        QVERIFY(!outcome.ok);
        QVERIFY(!outcome.error.isEmpty());
        QCOMPARE(contentOf(folder + "/report.TXT"), oldContent_);
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"report.TXT"});
    }
};

VAZOLAR_TEST(ReportFileTest);
#include "tst_report_file.moc"
