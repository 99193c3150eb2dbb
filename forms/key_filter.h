#pragma once

#include <QObject>

#include <optional>

class QKeyEvent;

namespace vazolar {

// The character a key press types, as a field would receive it: printable characters,
// backspace, Enter and the control characters of Ctrl+letter shortcuts. Keys that type nothing
// (arrows, Delete, Home, End, Tab) give none.
std::optional<char16_t> typedCharacter(const QKeyEvent& event);

// Whether a numeric field accepts a typed character: digits, the decimal comma, the minus
// sign and backspace.
bool acceptsCharacter(char16_t character);

// Installed on the numeric data fields: discards every other typed character before the
// field sees it, whether it comes as a key press or is committed by an input method. Text put
// in by the program or pasted from the context menu is not filtered.
class NumericKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace vazolar
