#include "key_filter.h"

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
    return c == u'\b' || c == u',' || c == u'-' || (c >= u'0' && c <= u'9');
}

bool NumericKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const std::optional<char16_t> typed = typedCharacter(*static_cast<QKeyEvent*>(event));
    return typed && !acceptsCharacter(*typed);
}

} // namespace vazolar
