#include "ci_skip.h"
#include "fuse_folder.h"
#include "reports/report_file.h"
#include "small_disk.h"
#include "test_registry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using namespace vazolar;
using namespace vazolar::reports;
using testing::contentOf;

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

mode_t currentMask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

} // namespace

class ReportFileTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    const QByteArray oldContent_ = "old report\r\n";

    QString path(const QString& name) const { return dir_.filePath(name); }

private slots:
    void init() { QVERIFY(dir_.isValid()); }

    void writesTheEncodedLines() {
        QVERIFY(writeReportFile(path("new.TXT"), {"Seção", "", "0,5000"}).ok());
        QCOMPARE(contentOf(path("new.TXT")), QByteArray("Se\xE7\xE3o\r\n\r\n0,5000\r\n"));
    }

    // A second save replaces the first one completely, even when it is shorter.
    void secondSaveReplacesTheFirst() {
        QVERIFY(writeReportFile(path("twice.TXT"), {"first line, the longer one", "second"}).ok());
        QVERIFY(writeReportFile(path("twice.TXT"), {"short"}).ok());
        QCOMPARE(contentOf(path("twice.TXT")), QByteArray("short\r\n"));
    }

    void failingSaveReportsWhy_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing folder") << "missing/report.TXT"
                                        << "O arquivo ou a pasta não existe";
        QTest::newRow("folder that is a file") << "plain-file/report.TXT"
                                               << "Um dos nomes do caminho não é uma pasta";
    }
    void failingSaveReportsWhy() {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        writeFile(path("plain-file"), oldContent_);
        const Outcome<> saved = writeReportFile(path(target), {"line"});
        QVERIFY(!saved);
        QCOMPARE(saved.message(), reason);
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
        const Outcome<> saved = writeReportFile(folder + "/report.TXT", {"new"});
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!saved);
        QCOMPARE(saved.message(), QString("Permissão negada"));
        QCOMPARE(contentOf(folder + "/report.TXT"), oldContent_);
    }

    // A real full disk, met by a short report (the system takes it whole and fails only when
    // it is synced or renamed, or at once) and by one too long for the space left; seen
    // directly and through FUSE, where the new file has its temporary name from the start.
    void fullDiskKeepsTheOldFile_data() {
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<qint64>("freeBytes");
        QTest::addColumn<bool>("throughFuse");
        QTest::newRow("short report, no space left") << 3 << qint64(0) << false;
        QTest::newRow("long report, 4 KB left") << 2000 << qint64(4096) << false;
        QTest::newRow("FUSE, short report, no space left") << 3 << qint64(0) << true;
        QTest::newRow("FUSE, long report, 4 KB left") << 2000 << qint64(4096) << true;
    }
    void fullDiskKeepsTheOldFile() {
        QFETCH(int, lineCount);
        QFETCH(qint64, freeBytes);
        QFETCH(bool, throughFuse);
        const testing::SmallDisk disk;
        if (!disk.mounted())
            VAZOLAR_SKIP_WITHOUT(qPrintable(disk.whyNot()));
        QVERIFY(disk.place("report.TXT", oldContent_));
        QVERIFY(disk.fill(freeBytes));
        std::optional<testing::FuseFolder> fuse;
        if (throughFuse && !fuse.emplace(disk.path()).mounted())
            VAZOLAR_SKIP_WITHOUT(qPrintable(fuse->whyNot()));
        const QString target = fuse ? fuse->filePath("report.TXT") : disk.filePath("report.TXT");
        const Outcome<> saved = writeReportFile(target, QStringList(lineCount, QString(90, u'0')));
        QVERIFY(!saved);
        QCOMPARE(saved.message(), QString("Não há espaço disponível no dispositivo"));
        QCOMPARE(contentOf(disk.filePath("report.TXT")), oldContent_);
        QCOMPARE(disk.names(), QStringList{"report.TXT"});
    }

    // The new content keeps the permissions the old file had; a new file takes the usual ones.
    void keepsTheOldFilesPermissions_data() {
        QTest::addColumn<bool>("existed");
        QTest::addColumn<int>("mode");
        QTest::newRow("owner and group read") << true << 0640;
        QTest::newRow("everyone writes") << true << 0666;
        QTest::newRow("new file") << false << int(0666 & ~currentMask());
    }
    void keepsTheOldFilesPermissions() {
        QFETCH(bool, existed);
        QFETCH(int, mode);
        const QString target = path("kept.TXT");
        QFile::remove(target);
        if (existed) {
            writeFile(target, oldContent_);
            QCOMPARE(::chmod(QFile::encodeName(target).constData(), mode_t(mode)), 0);
        }
        QVERIFY(writeReportFile(target, {"new"}).ok());
        struct stat status {};
        QCOMPARE(::stat(QFile::encodeName(target).constData(), &status), 0);
        QCOMPARE(int(status.st_mode & 07777), mode);
    }

    // Replaced by root, a user's file stays the user's; a hard link keeps the old content.
    void keepsTheOldFilesOwner() {
        if (::geteuid() != 0)
            QSKIP("only the superuser may give a file to another owner");
        const QString target = path("owned.TXT");
        writeFile(target, oldContent_);
        const QByteArray native = QFile::encodeName(target);
        QCOMPARE(::chown(native.constData(), 1234, 5678), 0);
        QCOMPARE(::link(native.constData(), QFile::encodeName(path("linked.TXT")).constData()), 0);
        QVERIFY(writeReportFile(target, {"new"}).ok());
        struct stat status {};
        QCOMPARE(::stat(native.constData(), &status), 0);
        QCOMPARE(status.st_uid, uid_t(1234));
        QCOMPARE(status.st_gid, gid_t(5678));
        QCOMPARE(contentOf(path("linked.TXT")), oldContent_);
    }

    // Any name the file system takes can be written, up to its longest: 255 bytes on tmpfs.
    void writesTheLongestNames_data() {
        QTest::addColumn<int>("length");
        QTest::newRow("249 bytes") << 249;
        QTest::newRow("255 bytes") << 255;
        QTest::newRow("254 bytes, two-byte letters") << 254;
    }
    void writesTheLongestNames() {
        QFETCH(int, length);
        const testing::SmallDisk disk(256);
        if (!disk.mounted())
            VAZOLAR_SKIP_WITHOUT(qPrintable(disk.whyNot()));
        const QString name = length % 2 ? QString(length - 4, u'a') + ".TXT"
                                        : QString((length - 4) / 2, u'ç') + ".TXT";
        QVERIFY(writeReportFile(disk.filePath(name), {"new"}).ok());
        QCOMPARE(disk.names(), QStringList{name});
    }
};

VAZOLAR_TEST(ReportFileTest);
#include "tst_report_file.moc"
