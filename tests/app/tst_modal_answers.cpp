#include "modal_answers.h"
#include "test_registry.h"

#include <QDialog>
#include <QTest>

using namespace vazolar::testing;

// The stand-in user of the dialog tests: a dialog it cannot get rid of fails the test, and
// the call that opened the dialog returns instead of hanging.
class ModalAnswersTest : public QObject {
    Q_OBJECT

private slots:
    void aDialogLeftOpenFailsTheTestAndIsClosed_data() {
        QTest::addColumn<bool>("withAnswer");
        QTest::addColumn<int>("answered");
        QTest::newRow("no answer left for it") << false << 0;
        QTest::newRow("an answer that leaves it open") << true << 1;
    }
    void aDialogLeftOpenFailsTheTestAndIsClosed() {
        QFETCH(bool, withAnswer);
        QFETCH(int, answered);
        QList<ModalAnswers::Answer> answers;
        if (withAnswer)
            answers << [](QWidget*) {};
        const ModalAnswers user(answers, 100);
        QDialog dialog;
        dialog.setWindowTitle(QStringLiteral("Salvar como"));
        QEXPECT_FAIL("", "the dialog outlives the deadline", Continue);
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(user.answered(), answered);
    }
};

VAZOLAR_TEST(ModalAnswersTest);
#include "tst_modal_answers.moc"
