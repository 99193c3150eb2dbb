#pragma once

#include <QColor>
#include <QRect>

class QLabel;
class QPixmap;
class QWidget;

// Checks of what a window looks like that several shell tests make.
namespace vazolar::testing {

// The colour a widget fills its background with, or an invalid colour if it leaves it alone.
QColor backgroundOf(const QWidget* widget);

// True when the window cannot be resized and its title bar keeps only the close box.
bool isFixedWithOnlyACloseBox(const QWidget* window);

// True when the window's frame is centred on its screen's available area.
bool isCentredOnScreen(const QWidget* window);

// True when something is drawn on the picture: it is not empty and not fully transparent.
bool isDrawn(const QPixmap& picture);

// The rectangle an `Image1` picture covers, in logical pixels, if it holds a picture with
// something drawn on it; an empty rectangle otherwise.
QRect drawnPictureRect(const QLabel* image);

} // namespace vazolar::testing
