#include "look.h"

#include "common/typeface.h"
#include "twips.h"

#include <QGuiApplication>
#include <QPalette>
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
    QPalette palette = widget->palette();
    if (background.isValid()) {
        for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
            palette.setColor(role, background);
        widget->setAutoFillBackground(true);
    }
    if (text.isValid()) {
        for (QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(role, text);
    }
    widget->setPalette(palette);
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
