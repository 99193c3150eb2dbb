#include "cli_helpers.h"
#include "test_registry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace vazolar;
using namespace vazolar::testing;

namespace {

const QStringList kSizing{"dimensionar", "trapezoidal", "--i", "0,1", "--angulo",  "30",
                          "--n",         "0,015",       "--q", "0,5", "--inicial", "0,5"};

const QByteArray kBatch = "forma;i;angulo;n;q;inicial;incremento;trecho\n"
                          "trapezoidal;0,1;30;0,015;0,5;0,5;0,1;Estaca 0 a 12\n";

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// How the second name reaches the first file: the same spelling, another spelling, a
// symbolic link, a hard link; and a file that does not exist yet.
enum class Spelling { Same, DotSlash, SymbolicLink, HardLink, NewThroughFolderLink };

// The second name for "a" in dir, made real on disk; a holds the given bytes unless new.
QString secondName(const QTemporaryDir& dir, Spelling spelling, const QByteArray& bytes) {
    const QString a = dir.filePath("a.pdf");
    if (spelling != Spelling::NewThroughFolderLink)
        writeFile(a, bytes);
    switch (spelling) {
    case Spelling::Same:
        return a;
    case Spelling::DotSlash:
        return dir.path() + "/./sub/../a.pdf";
    case Spelling::SymbolicLink:
        QFile::link(a, dir.filePath("b.pdf"));
        return dir.filePath("b.pdf");
    case Spelling::HardLink:
        ::link(QFile::encodeName(a).constData(), QFile::encodeName(dir.filePath("b.pdf")));
        return dir.filePath("b.pdf");
    case Spelling::NewThroughFolderLink:
        QFile::link(dir.path(), dir.filePath("here"));
        return dir.filePath("here/a.pdf");
    }
    return a;
}

void addSpellings(bool withNewFile) {
    QTest::addColumn<Spelling>("spelling");
    QTest::newRow("same name") << Spelling::Same;
    QTest::newRow("another spelling") << Spelling::DotSlash;
    QTest::newRow("symbolic link") << Spelling::SymbolicLink;
    QTest::newRow("hard link") << Spelling::HardLink;
    if (withNewFile)
        QTest::newRow("new file, folder through a link") << Spelling::NewThroughFolderLink;
}

} // namespace

Q_DECLARE_METATYPE(Spelling)

// Two outputs of one command, or an output and the input, that are one file: the command is
// refused before anything is written, however the names spell the file.
class OutputIdentityTest : public QObject {
    Q_OBJECT

private slots:
    void memoAndReportOnOneFile_data() { addSpellings(true); }
    void memoAndReportOnOneFile() {
        QFETCH(Spelling, spelling);
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("sub");
        const QString other = secondName(dir, spelling, "memo");
        const CommandRun run =
            runCommand(kSizing + QStringList{"--memoria", dir.filePath("a.pdf"), "--saida", other});
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.startsWith("vazolar: --memoria e --saida são o mesmo arquivo"),
                 qPrintable(run.err));
        QCOMPARE(contentOf(dir.filePath("a.pdf")),
                 spelling == Spelling::NewThroughFolderLink ? QByteArray() : QByteArray("memo"));
    }

    // An input that does not exist is not read: the input is always an existing file here.
    void batchOverItsInput_data() { addSpellings(false); }
    void batchOverItsInput() {
        QFETCH(Spelling, spelling);
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("sub");
        const QString other = secondName(dir, spelling, kBatch);
        const CommandRun run = runCommand({"lote", dir.filePath("a.pdf"), "--saida", other});
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.startsWith("vazolar: a saída do lote é o próprio arquivo de ENTRADA"),
                 qPrintable(run.err));
        QCOMPARE(contentOf(dir.filePath("a.pdf")), kBatch);
    }

    // Distinct files, and outputs that are no regular file, are written as before.
    void distinctFilesAreWritten() {
        QTemporaryDir dir;
        writeFile(dir.filePath("canais.csv"), kBatch);
        const CommandRun batch =
            runCommand({"lote", dir.filePath("canais.csv"), "--saida", dir.filePath("resumo.csv")});
        QCOMPARE(batch.status, 0);
        QVERIFY(contentOf(dir.filePath("resumo.csv")).startsWith("linha;forma"));
        const CommandRun nullDevice =
            runCommand({"lote", dir.filePath("canais.csv"), "--saida", "/dev/null"});
        QCOMPARE(nullDevice.status, 0);
    }
};

VAZOLAR_TEST(OutputIdentityTest);
#include "tst_output_identity.moc"
