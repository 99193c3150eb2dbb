#include "key_filter.h"

#include "wording/field_characters.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace vazolar {

namespace {

bool typesNothing(int key) {
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Insert:
        return true;
    default:
        return false;
    }
}

bool dropsKeyPress(const QKeyEvent& event) {
    const std::optional<char16_t> typed = typedCharacter(event);
    return typed && !acceptsCharacter(*typed);
}

// The characters of a text an input method commits (a dead key, compose, IBus) that a numeric
// field takes, in order: digits, the decimal comma and the minus sign.
QString acceptedCommit(const QString& committed) {
    QString accepted;
    for (QChar c : committed) {
        // A backspace typed erases; inside committed text it would be a character of its own.
        if (c != u'\b' && acceptsCharacter(c.unicode()))
            accepted += c;
    }
    return accepted;
}

// Keeps what the input method shows while composing and the text it replaces; only the
// committed text loses the characters a numeric field does not take.
void filterCommit(QInputMethodEvent& event) {
    const QString accepted = acceptedCommit(event.commitString());
    if (accepted != event.commitString())
        event.setCommitString(accepted, event.replacementStart(), event.replacementLength());
}

} // namespace

std::optional<char16_t> typedCharacter(const QKeyEvent& event) {
    if (typesNothing(event.key()))
        return std::nullopt;
    // Ctrl+letter types a control character (Ctrl+V is 22) whatever text the platform reports.
    if ((event.modifiers() & Qt::ControlModifier) && event.key() >= Qt::Key_A &&
        event.key() <= Qt::Key_Z)
        return static_cast<char16_t>(event.key() - Qt::Key_A + 1);
    if (event.text().isEmpty())
        return std::nullopt;
    return event.text().at(0).unicode();
}

bool acceptsCharacter(char16_t c) {
    return c == u'\b' || fieldAccepts(c);
}

bool NumericKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        return dropsKeyPress(*static_cast<QKeyEvent*>(event));
    case QEvent::InputMethod:
        filterCommit(*static_cast<QInputMethodEvent*>(event));
        return false;
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace vazolar
