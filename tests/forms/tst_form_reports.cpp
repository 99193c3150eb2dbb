#include "ci_skip.h"
#include "examples.h"
#include "fake_dialogs.h"
#include "form_driver.h"
#include "small_disk.h"
#include "test_registry.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace vazolar;
using namespace vazolar::testing;

namespace {

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// A form sized with one of the worked cases, typed as a user would.
struct SizedForm {
    explicit SizedForm(const ExampleCase& example) : form(example.shape, dialogs), ui(&form) {
        for (auto it = example.fields.begin(); it != example.fields.end(); ++it)
            ui.type(it.key(), it.value());
        if (example.shape != Shape::Circular)
            ui.setIncrement(example.scrollValue);
        ui.click("cmbdimensionar");
    }
    FakeDialogs dialogs;
    SectionForm form;
    FormDriver ui;
};

} // namespace

// SALVAR and IMPRIMIR through the real forms, with the dialogs answered by a script.
class FormReportsTest : public QObject {
    Q_OBJECT

private slots:
    void savesTheWorkedCases_data() { addExampleRows(); }
    void savesTheWorkedCases() {
        QFETCH(QString, name);
        const ExampleCase example = loadExample(name);
        SizedForm sized(example);
        QTemporaryDir dir;
        const QString path = dir.filePath("relatorio.TXT");
        sized.dialogs.saveAnswers.push_back(path);
        sized.ui.click("cmbsalvar");
        QVERIFY(sized.dialogs.messages.empty());
        QCOMPARE(contentOf(path), example.savedReport);
        if (example.shape != Shape::Circular && example.ntentativas > 0) {
            QListWidget* rows = sized.ui.list("lstresposta");
            QCOMPARE(rows->currentRow(), example.ntentativas - 1);
            QVERIFY(rows->currentItem()->isSelected());
        }
    }

    void saveDialogPresets_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("proposed");
        QTest::newRow("trapezoidal") << "trapezoidal-worked"
                                     << "Vazolar_seção_trapezoidal";
        QTest::newRow("rectangular") << "rectangular-worked"
                                     << "Vazolar_seção_retangular";
        QTest::newRow("triangular") << "triangular-worked"
                                    << "Vazolar_seção_triangular";
        QTest::newRow("circular") << "circular-worked"
                                  << "Vazolar_seção_circular";
    }
    void saveDialogPresets() {
        QFETCH(QString, name);
        QFETCH(QString, proposed);
        SizedForm sized(loadExample(name));
        QTemporaryDir dir;
        sized.dialogs.saveAnswers = {std::nullopt, dir.filePath("canal"), std::nullopt};
        sized.ui.click("cmbsalvar"); // cancelled: nothing written
        sized.ui.click("cmbsalvar"); // a name without an extension
        sized.ui.click("cmbsalvar");
        const std::vector<SavePrompt>& prompts = sized.dialogs.savePrompts;
        QCOMPARE(prompts.size(), size_t(3));
        QCOMPARE(prompts[0].proposedPath, proposed);
        QCOMPARE(prompts[0].defaultSuffix, QString("TXT"));
        QCOMPARE(prompts[0].filterDescription, QString("Arquivos de textos (*.txt) "));
        QCOMPARE(prompts[0].filterPattern, QString("*.txt"));
        QCOMPARE(prompts[1].proposedPath, proposed);
        // After a save the dialog offers the chosen folder and name.
        QCOMPARE(prompts[2].proposedPath, dir.filePath("canal.TXT"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"canal.TXT"});
        QVERIFY(sized.dialogs.messages.empty());
    }

    void savingTwiceReplaces() {
        const ExampleCase example = loadExample("triangular-worked");
        SizedForm sized(example);
        QTemporaryDir dir;
        const QString path = dir.filePath("r.txt");
        writeFile(path, QByteArray(5000, 'x'));
        sized.dialogs.saveAnswers = {path, path};
        sized.ui.click("cmbsalvar");
        sized.ui.click("cmbsalvar");
        QCOMPARE(contentOf(path), example.savedReport);
    }

    // The report reads the fields when it is saved, as they stand.
    void savesTheFieldsAsTheyStand() {
        SizedForm sized(loadExample("rectangular-worked"));
        sized.ui.field("txtn")->clear();
        sized.ui.field("txti")->setText("0,10");
        QTemporaryDir dir;
        sized.dialogs.saveAnswers.push_back(dir.filePath("r.txt"));
        sized.ui.click("cmbsalvar");
        const QList<QByteArray> lines = contentOf(dir.filePath("r.txt")).split('\n');
        QCOMPARE(lines[8], QByteArray("I (%) = 0,10     n = \r"));
    }

    void failedSaveIsReportedAndHarmless_data() {
        QTest::addColumn<QString>("target"); // relative to a temporary folder
        QTest::newRow("missing folder") << "nao-existe/r.txt";
        QTest::newRow("folder is a file") << "arquivo/r.txt";
    }
    void failedSaveIsReportedAndHarmless() {
        QFETCH(QString, target);
        SizedForm sized(loadExample("trapezoidal-worked"));
        QTemporaryDir dir;
        writeFile(dir.filePath("arquivo"), "conteúdo anterior");
        const QString path = dir.filePath(target);
        sized.dialogs.saveAnswers.push_back(path);
        sized.ui.click("cmbsalvar");
        QCOMPARE(sized.dialogs.messages.size(), size_t(1));
        QVERIFY(sized.dialogs.messages[0].warning);
        QVERIFY(sized.dialogs.messages[0].text.startsWith("O relatório não foi salvo em"));
        QVERIFY(sized.dialogs.messages[0].text.contains(QDir::toNativeSeparators(path)));
        QVERIFY(!QFile::exists(path));
        QCOMPARE(contentOf(dir.filePath("arquivo")), QByteArray("conteúdo anterior"));
    }

    // SALVAR and IMPRIMIR onto a full disk, over an earlier file of the same name.
    void fullDiskIsReportedAndHarmless_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");
        QTest::newRow("SALVAR") << "cmbsalvar"
                                << "relatorio.TXT"
                                << "O relatório não foi salvo em \"%1\": Não há espaço disponível "
                                   "no dispositivo";
        QTest::newRow("IMPRIMIR") << "cmbimprimir"
                                  << "relatorio.pdf"
                                  << "O relatório não foi impresso.\n\nNão foi possível gravar "
                                     "\"%1\": Não há espaço disponível no dispositivo";
    }
    void fullDiskIsReportedAndHarmless() {
        QFETCH(QString, command);
        QFETCH(QString, file);
        QFETCH(QString, message);
        const SmallDisk disk;
        if (!disk.mounted())
            VAZOLAR_SKIP_WITHOUT(qPrintable(disk.whyNot()));
        const QByteArray earlier = "relatório anterior\r\n";
        QVERIFY(disk.place(file, earlier));
        QVERIFY(disk.fill());
        SizedForm sized(loadExample("circular-worked"));
        sized.dialogs.saveAnswers.push_back(disk.filePath(file));
        sized.dialogs.pdfAnswers.push_back(disk.filePath(file));
        sized.ui.click(command);
        QCOMPARE(sized.dialogs.messageTexts(), QStringList{message.arg(disk.filePath(file))});
        QVERIFY(sized.dialogs.messages[0].warning);
        QCOMPARE(contentOf(disk.filePath(file)), earlier);
        QCOMPARE(disk.names(), QStringList{file});
    }

    void printsTheWorkedCases_data() { addExampleRows(); }
    void printsTheWorkedCases() {
        QFETCH(QString, name);
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty())
            VAZOLAR_SKIP_WITHOUT("pdftotext (poppler-utils) is not installed");
        const ExampleCase example = loadExample(name);
        SizedForm sized(example);
        QTemporaryDir dir;
        const QString pdf = dir.filePath("r.pdf");
        sized.dialogs.pdfAnswers.push_back(pdf);
        sized.ui.click("cmbimprimir");
        QVERIFY(sized.dialogs.messages.empty());
        QCOMPARE(sized.form.cursor().shape(), Qt::ArrowCursor);

        QProcess extract;
        extract.start(pdftotext, {"-layout", pdf, "-"});
        QVERIFY(extract.waitForFinished());
        QStringList printed;
        for (const QString& line : QString::fromUtf8(extract.readAllStandardOutput()).split('\n'))
            if (!line.trimmed().isEmpty())
                printed << line.simplified();
        QStringList expected;
        for (const QString& line : example.printedLines)
            if (!line.trimmed().isEmpty())
                expected << line.simplified();
        QCOMPARE(printed, expected);
    }

    void cancelledPrintDoesNothing() {
        SizedForm sized(loadExample("circular-worked"));
        sized.ui.click("cmbimprimir");
        QCOMPARE(sized.dialogs.printDialogs, 1);
        QVERIFY(sized.dialogs.messages.empty());
        QCOMPARE(sized.form.cursor().shape(), Qt::ArrowCursor);
    }
};

VAZOLAR_TEST(FormReportsTest);
#include "tst_form_reports.moc"
