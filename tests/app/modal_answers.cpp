#include "modal_answers.h"

#include <QApplication>
#include <QDialog>
#include <QTest>

namespace vazolar::testing {

namespace {

constexpr int kPollMilliseconds = 10;

QString describe(const QWidget* dialog) {
    return QStringLiteral("%1 \"%2\"")
        .arg(QString::fromLatin1(dialog->metaObject()->className()), dialog->windowTitle());
}

} // namespace

ModalAnswers::ModalAnswers(QList<Answer> answers, int deadlineMilliseconds)
    : answers_(std::move(answers)), deadlineMilliseconds_(deadlineMilliseconds),
      deadline_(deadlineMilliseconds) {
    connect(&poll_, &QTimer::timeout, this, &ModalAnswers::answerNewDialog);
    poll_.start(kPollMilliseconds);
}

void ModalAnswers::answerNewDialog() {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog)
        return;
    if (deadline_.hasExpired()) {
        giveUp(dialog);
        return;
    }
    if (dialog == last_ || next_ == answers_.size())
        return;
    last_ = dialog;
    // Answered from a fresh event: the answer may itself open a modal dialog.
    QTimer::singleShot(0, dialog, [answer = answers_[next_++], dialog] { answer(dialog); });
}

// Fails the test once, then closes every dialog that is still open, the innermost first.
void ModalAnswers::giveUp(QWidget* dialog) {
    if (!failed_) {
        failed_ = true;
        const QString why = next_ == answers_.size() && dialog != last_
                                ? QStringLiteral("no answer was left for it")
                                : QStringLiteral("its answer did not close it");
        const QString message = QStringLiteral("modal dialog %1 still open after %2 ms: %3")
                                    .arg(describe(dialog))
                                    .arg(deadlineMilliseconds_)
                                    .arg(why);
        QTest::qFail(qPrintable(message), __FILE__, __LINE__);
    }
    if (auto* modal = qobject_cast<QDialog*>(dialog))
        modal->reject();
    else
        dialog->close();
}

} // namespace vazolar::testing
