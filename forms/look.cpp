#include "look.h"

#include "reports/typeface.h"
#include "shared_palette.h"
#include "twips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace vazolar {

namespace {

// Centres a window again once the window system has put a frame around it, which it does only
// after the window is first shown: centred before, the frame would hang off-centre by the size
// of the title bar and borders. Watches the window's moves until then, and goes.
class FrameCentring : public QObject {
public:
    explicit FrameCentring(QWidget* window) : QObject(window), window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Move && isFramed()) {
            window_->removeEventFilter(this);
            centreOnScreen(window_);
            deleteLater();
        }
        return false;
    }

private:
    bool isFramed() const { return window_->frameGeometry() != window_->geometry(); }

    QWidget* window_;
};

} // namespace

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
    window->installEventFilter(new FrameCentring(window));
}

void centreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // Until the window system has framed the window, its frame is its client area.
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    // move() places the frame's top-left corner.
    window->move(frame.topLeft());
}

} // namespace vazolar
