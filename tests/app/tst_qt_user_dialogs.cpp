#include "app/qt_user_dialogs.h"
#include "app/save_file_dialog.h"
#include "modal_answers.h"
#include "test_registry.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace vazolar;
using namespace vazolar::testing;

namespace {

const SavePrompt kTextReport{"", "TXT", "Arquivos de textos (*.txt) ", "*.txt"};

SavePrompt promptFor(const QString& path) {
    SavePrompt prompt = kTextReport;
    prompt.proposedPath = path;
    return prompt;
}

void press(QWidget* messageBox, QMessageBox::StandardButton button) {
    static_cast<QMessageBox*>(messageBox)->button(button)->click();
}

} // namespace

class QtUserDialogsTest : public QObject {
    Q_OBJECT

    QtUserDialogs dialogs;
    QTemporaryDir folder;

private slots:
    void messagesAreCaptionedVazolarWithOneOkButton_data() {
        QTest::addColumn<bool>("warning");
        QTest::addColumn<QMessageBox::Icon>("icon");
        QTest::newRow("inform") << false << QMessageBox::Information;
        QTest::newRow("warn") << true << QMessageBox::Warning;
    }
    void messagesAreCaptionedVazolarWithOneOkButton() {
        QFETCH(bool, warning);
        QFETCH(QMessageBox::Icon, icon);
        QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
        QString caption, text;
        QMessageBox::StandardButtons buttons;
        ModalAnswers user({[&](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            shownIcon = box->icon();
            caption = box->windowTitle();
            text = box->text();
            buttons = box->standardButtons();
            press(box, QMessageBox::Ok);
        }});
        const QString message = QStringLiteral("Entre com o valor de n");
        warning ? dialogs.warn(nullptr, message) : dialogs.inform(nullptr, message);
        QCOMPARE(shownIcon, icon);
        QCOMPARE(caption, QStringLiteral("VAZOLAR"));
        QCOMPARE(text, message);
        QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }

    void theSaveDialogShowsOnlyTheFileTypeDescription() {
        const auto dialog = makeSaveFileDialog(nullptr, promptFor("VAZOLAR"));
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
        QCOMPARE(dialog->defaultSuffix(), QStringLiteral("TXT"));
        QCOMPARE(dialog->nameFilters(), QStringList{"Arquivos de textos (*.txt) (*.txt)"});
        const auto* fileTypes = dialog->findChild<QComboBox*>("fileTypeCombo");
        QCOMPARE(fileTypes->count(), 1);
        QCOMPARE(fileTypes->itemText(0), QStringLiteral("Arquivos de textos (*.txt) "));
        QVERIFY(!dialog->testOption(QFileDialog::DontConfirmOverwrite));
        QCOMPARE(dialog->windowTitle(), QFileDialog::tr("Save As"));
    }

    void aNameWithoutSuffixIsSavedWithTheDefaultOne() {
        ModalAnswers user({[](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->accept(); }});
        const auto path = dialogs.askSavePath(nullptr, promptFor(folder.filePath("VAZOLAR")));
        QCOMPARE(path, std::optional<QString>(folder.filePath("VAZOLAR.TXT")));
    }

    // No path, and not for want of asking: the dialog was shown and cancelled.
    void cancellingTheSaveDialogGivesNoPath() {
        ModalAnswers user({[](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); }});
        QCOMPARE(dialogs.askSavePath(nullptr, promptFor(folder.filePath("VAZOLAR"))), std::nullopt);
        QCOMPARE(user.answered(), 1);
    }

    void anExistingFileIsReplacedOnlyAfterAsking() {
        const QString existing = folder.filePath("CANAL.TXT");
        QFile file(existing);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        ModalAnswers user({[](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->accept(); },
                           [](QWidget* question) { press(question, QMessageBox::Yes); }});
        QCOMPARE(dialogs.askSavePath(nullptr, promptFor(existing)),
                 std::optional<QString>(existing));
        QCOMPARE(user.answered(), 2);
    }

    void thePrintDialogTellsWhetherTheUserWentOn_data() {
        QTest::addColumn<bool>("accept");
        QTest::newRow("printed") << true;
        QTest::newRow("cancelled") << false;
    }
    void thePrintDialogTellsWhetherTheUserWentOn() {
        QFETCH(bool, accept);
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath("report.pdf"));
        ModalAnswers user({[accept](QWidget* dialog) {
            auto* printDialog = qobject_cast<QPrintDialog*>(dialog);
            accept ? printDialog->accept() : printDialog->reject();
        }});
        QCOMPARE(dialogs.askPrinter(nullptr, printer), accept);
        QCOMPARE(user.answered(), 1);
    }
};

VAZOLAR_TEST(QtUserDialogsTest);
#include "tst_qt_user_dialogs.moc"
