#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace vazolar {

// An `Image1` picture control: an SVG shown at its own size at the top-left corner of its
// window. It ignores the mouse, so clicks fall through to the window.
QLabel* addImageControl(QWidget* window, const QString& resource);

} // namespace vazolar
