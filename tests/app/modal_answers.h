#pragma once

#include <QDeadlineTimer>
#include <QList>
#include <QObject>
#include <QTimer>

#include <functional>

class QWidget;

namespace vazolar::testing {

// Plays the user in front of the modal dialogs that the code under test opens: each new modal
// dialog goes to the next answer, in order. A modal dialog still open when the deadline has
// passed (no answer was left for it, or its answer did not close it) fails the running test
// with a message that names the dialog, and is rejected, so that the call that opened it
// returns instead of waiting for ever.
class ModalAnswers : public QObject {
public:
    using Answer = std::function<void(QWidget*)>;

    static constexpr int kDeadlineMilliseconds = 20000;

    explicit ModalAnswers(QList<Answer> answers, int deadlineMilliseconds = kDeadlineMilliseconds);

    // How many dialogs have been given an answer.
    qsizetype answered() const { return next_; }

private:
    void answerNewDialog();
    void giveUp(QWidget* dialog);

    QList<Answer> answers_;
    qsizetype next_ = 0;
    QWidget* last_ = nullptr;
    int deadlineMilliseconds_;
    QDeadlineTimer deadline_;
    bool failed_ = false;
    QTimer poll_;
};

} // namespace vazolar::testing
