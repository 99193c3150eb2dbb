#include "window_checks.h"

#include <QImage>
#include <QLabel>
#include <QScreen>

namespace vazolar::testing {

QColor backgroundOf(const QWidget* widget) {
    if (!widget->autoFillBackground())
        return QColor();
    return widget->palette().color(widget->backgroundRole());
}

bool isFixedWithOnlyACloseBox(const QWidget* window) {
    const Qt::WindowFlags flags = window->windowFlags();
    return window->minimumSize() == window->maximumSize() &&
           flags.testFlag(Qt::WindowCloseButtonHint) &&
           !flags.testFlag(Qt::WindowMinimizeButtonHint) &&
           !flags.testFlag(Qt::WindowMaximizeButtonHint);
}

bool isCentredOnScreen(const QWidget* window) {
    const QPoint offset =
        window->frameGeometry().center() - window->screen()->availableGeometry().center();
    // Centred before it is shown, the window cannot know the size of the frame the window system
    // adds: allow a frame's width.
    constexpr int kFrameAllowance = 4;
    return qAbs(offset.x()) <= kFrameAllowance && qAbs(offset.y()) <= kFrameAllowance;
}

bool isDrawn(const QPixmap& picture) {
    const QImage image = picture.toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0)
                return true;
        }
    }
    return false;
}

QRect drawnPictureRect(const QLabel* image) {
    const QPixmap picture = image->pixmap();
    if (!isDrawn(picture))
        return QRect();
    return QRect(image->pos(), picture.deviceIndependentSize().toSize());
}

} // namespace vazolar::testing
