#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

// The look every window shares: the program's typeface (reports/typeface.h), bold unless said
// otherwise, and flat colours.
namespace vazolar {

// The ground of every window.
inline const QColor kWindowBackground(0xE0, 0xE0, 0xE0);

QFont windowFont(double pointSize, bool bold = true);

// Sets a widget's background and text colours (sharedPalette); an invalid colour keeps the
// widget's own.
void paintColours(QWidget* widget, const QColor& background, const QColor& text = QColor());

// Fixed-size window with a title bar that keeps only the close box, centred on its screen
// (again once the window system has framed it).
void makeFixedWindow(QWidget* window, const QString& caption, int widthTwips, int heightTwips);
// Centres the window's frame on the available area of its screen.
void centreOnScreen(QWidget* window);

} // namespace vazolar
