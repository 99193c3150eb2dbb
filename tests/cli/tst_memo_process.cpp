#include "ci_skip.h"
#include "pdf_text.h"
#include "test_registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace vazolar::testing;

namespace {

const QStringList kVerify{"verificar", "circular", "--D",   "0,90", "--i",
                          "0,1",       "--n",      "0,015", "--q",  "0,5"};
const QStringList kSize{"dimensionar", "retangular", "--i", "0,1",       "--n",
                        "0,015",       "--q",        "0,5", "--inicial", "0,5"};

// A font configuration whose only folder is the one given, its cache inside the temporary
// folder.
QString writeFontConfig(const QTemporaryDir& dir, const QString& fontFolder) {
    const QString path = dir.filePath("fonts.conf");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(QString("<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n"
                       "<fontconfig>\n  <dir>%1</dir>\n  <cachedir>%2</cachedir>\n</fontconfig>\n")
                   .arg(fontFolder, dir.filePath("cache"))
                   .toUtf8());
    return path;
}

// The folder of the installed Liberation Serif, as fontconfig finds it.
QString liberationFolder() {
    QProcess match;
    match.start("fc-match", {"-f", "%{file}", "Liberation Serif"});
    if (!match.waitForFinished(30000) || match.exitCode() != 0)
        return QString();
    const QFileInfo file(QString::fromUtf8(match.readAllStandardOutput()));
    return file.fileName().startsWith("LiberationSerif") ? file.absolutePath() : QString();
}

struct Run {
    int status = -1;
    QByteArray out;
    QString err;
};

// The built program with no display, under the font configuration given (none: the system's).
Run runVazolar(const QStringList& arguments, const QString& fontConfig) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    if (!fontConfig.isEmpty())
        environment.insert("FONTCONFIG_FILE", fontConfig);
    process.setProcessEnvironment(environment);
    process.start(VAZOLAR_BINARY, arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

// The memo of the installed program under real font configurations.
class MemoProcessTest : public QObject {
    Q_OBJECT

private slots:
    // Fonts that cannot be found: the memo is not made, status 3, the font named, and nothing
    // written, neither the memo nor the other output.
    void missingFontsStopTheCommand_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("toFile");
        QTest::newRow("verificar --saida") << kVerify << true;
        QTest::newRow("dimensionar --saida") << kSize << true;
        QTest::newRow("dimensionar to standard output") << kSize << false;
    }
    void missingFontsStopTheCommand() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, toFile);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("fontes"));
        const QString config = writeFontConfig(dir, dir.filePath("fontes"));
        const QString memo = dir.filePath("memoria.pdf");
        const QString output = dir.filePath("saida.txt");
        arguments << "--memoria" << memo << "--obra"
                  << "Canal principal";
        if (toFile)
            arguments << "--saida" << output;
        const Run run = runVazolar(arguments, config);
        QCOMPARE(run.status, 3);
        QCOMPARE(run.err, QString("A memória de cálculo não foi feita: falta a fonte Liberation "
                                  "Serif (Times New Roman); instale fonts-liberation2.\n"));
        QCOMPARE(run.out, QByteArray());
        QVERIFY(!QFile::exists(memo));
        QVERIFY(!QFile::exists(output));
    }

    // A character that no installed font has is said on standard error; the memo is written.
    void undrawableCharacterIsSaid_data() {
        QTest::addColumn<bool>("liberationOnly");
        QTest::addColumn<QString>("work");
        QTest::addColumn<QString>("note");
        QTest::newRow("水 with Liberation only")
            << true << "Canal 水 principal"
            << "Aviso: a memória de cálculo não tem como desenhar o caractere U+6C34 (水): "
               "nenhuma fonte instalada o tem.\n";
        QTest::newRow("private use, system fonts")
            << false << QString("Canal ") + QChar(0xE000)
            << "Aviso: a memória de cálculo não tem como desenhar o caractere U+E000 (" +
                   QString(QChar(0xE000)) + "): nenhuma fonte instalada o tem.\n";
    }
    void undrawableCharacterIsSaid() {
        QFETCH(bool, liberationOnly);
        QFETCH(QString, work);
        QFETCH(QString, note);
        QTemporaryDir dir;
        QString config;
        if (liberationOnly) {
            const QString folder = liberationFolder();
            if (folder.isEmpty())
                VAZOLAR_SKIP_WITHOUT("fc-match finds no Liberation Serif (fonts-liberation2)");
            config = writeFontConfig(dir, folder);
        }
        const QString memo = dir.filePath("memoria.pdf");
        const Run run = runVazolar(kVerify + QStringList{"--memoria", memo, "--obra", work,
                                                         "--saida", dir.filePath("saida.txt")},
                                   config);
        QCOMPARE(run.err, note);
        QCOMPARE(run.status, 0);
        QVERIFY(QFileInfo(memo).size() > 0);
        if (hasPdfTools())
            QVERIFY(allFontsEmbedded(memo));
    }
};

VAZOLAR_TEST(MemoProcessTest);
#include "tst_memo_process.moc"
