#include "look.h"

#include "common/typeface.h"
#include "shared_palette.h"
#include "twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace vazolar {

QFont windowFont(double pointSize, bool bold) {
    QFont font(kTypeface);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

void paintColours(QWidget* widget, const QColor& background, const QColor& text) {
    if (background.isValid())
        widget->setAutoFillBackground(true);
    widget->setPalette(sharedPalette(widget->palette(), background, text));
}

void makeFixedWindow(QWidget* window, const QString& caption, int widthTwips, int heightTwips) {
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    window->setWindowTitle(caption);
    window->setFixedSize(twipsSize(widthTwips, heightTwips));
    centreOnScreen(window);
}

void centreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame(QPoint(), window->size());
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace vazolar
