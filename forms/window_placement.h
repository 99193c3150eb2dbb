#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace vazolar {

// Where a window that belongs to a form opens, in global coordinates, as frames: beside the
// form (to its right, else to its left, else below or above) where the screen has room for it
// without covering the form nor the form's other windows (`others`); beside the form over the
// least of those where none is free; otherwise where it covers the least of `keep` (the trial
// list) and of the others, nearest the form's right. Always inside the screen's available area,
// as far as the window fits in it.
QPoint placeBeside(const QRect& form, const QRect& keep, const QSize& window, const QRect& screen,
                   const QList<QRect>& others = {});

// The room beside the form: the wider of the rooms to its right and left that no other window
// of the form takes (of both, where both are taken).
int roomBeside(const QRect& form, const QRect& screen, const QList<QRect>& others = {});

// The width a window may take beside the form: the room beside it, no more than preferred and
// no less than least.
int widthBeside(const QRect& form, const QRect& screen, int preferred, int least,
                const QList<QRect>& others = {});

} // namespace vazolar

class QWidget;

namespace vazolar {

// Sizes a window that belongs to the form to the room beside it (preferred width at most,
// least width at least) and moves it by placeBeside, keeping `keep` (the trial list) in view
// where it must cover the form; placed again once the window system has framed it.
void openBeside(QWidget* window, const QWidget* form, const QWidget* keep, int preferredWidth,
                int leastWidth);

// The available area of the form's screen, and the frames of the form's other windows on it
// (its analysis, adopted-section and profile windows, other than `window`).
QRect formScreenArea(const QWidget* form);
QList<QRect> otherWindows(const QWidget* form, const QWidget* window);

} // namespace vazolar
