#include "window_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QList>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <limits>
#include <optional>

namespace vazolar {

namespace {

constexpr int kGap = 8;

// Moves the rectangle inside the screen, as far as it fits there; a window taller or wider
// than the screen keeps its top-left corner on the screen.
QRect keptInside(QRect rect, const QRect& screen) {
    rect.moveRight(std::min(rect.right(), screen.right()));
    rect.moveBottom(std::min(rect.bottom(), screen.bottom()));
    rect.moveLeft(std::max(rect.left(), screen.left()));
    rect.moveTop(std::max(rect.top(), screen.top()));
    return rect;
}

qint64 overlap(const QRect& a, const QRect& b) {
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : qint64(common.width()) * common.height();
}

qint64 overlap(const QRect& a, const QList<QRect>& others) {
    qint64 cover = 0;
    for (const QRect& other : others)
        cover += overlap(a, other);
    return cover;
}

qint64 distance(const QRect& a, const QPoint& to) {
    const QPoint d = a.topLeft() - to;
    return qint64(d.x()) * d.x() + qint64(d.y()) * d.y();
}

} // namespace

QPoint placeBeside(const QRect& form, const QRect& keep, const QSize& window, const QRect& screen,
                   const QList<QRect>& others) {
    const QRect beside[] = {
        QRect(QPoint(form.right() + 1 + kGap, form.top()), window),
        QRect(QPoint(form.left() - kGap - window.width(), form.top()), window),
        QRect(QPoint(form.left(), form.bottom() + 1 + kGap), window),
        QRect(QPoint(form.left(), form.top() - kGap - window.height()), window),
    };
    // Of the places beside the form, the first that covers no other window, else the one that
    // covers the least of them.
    std::optional<QRect> besideBest;
    for (const QRect& place : beside) {
        const QRect inside = keptInside(place, screen);
        if (inside.intersects(form) || !screen.contains(inside))
            continue;
        if (!besideBest || overlap(inside, others) < overlap(*besideBest, others))
            besideBest = inside;
    }
    if (besideBest)
        return besideBest->topLeft();
    // No room beside: of the places along the screen's edges and beside the form, the one
    // that hides least of the list, then the nearest to the form's right.
    const QList<int> xs{screen.left(), screen.right() - window.width() + 1, form.right() + 1 + kGap,
                        form.left() - kGap - window.width()};
    const QList<int> ys{screen.top(), screen.bottom() - window.height() + 1, form.top()};
    const QPoint preferred = beside[0].topLeft();
    QRect best;
    qint64 bestCover = std::numeric_limits<qint64>::max();
    for (const int x : xs) {
        for (const int y : ys) {
            const QRect place = keptInside(QRect(QPoint(x, y), window), screen);
            const qint64 cover = overlap(place, keep) + overlap(place, others);
            if (cover < bestCover ||
                (cover == bestCover && distance(place, preferred) < distance(best, preferred))) {
                best = place;
                bestCover = cover;
            }
        }
    }
    return best.topLeft();
}

int roomBeside(const QRect& form, const QRect& screen, const QList<QRect>& others) {
    const int right = screen.right() - form.right() - kGap;
    const int left = form.left() - screen.left() - kGap;
    const auto taken = [&](const QRect& band) { return overlap(band, others) > 0; };
    const bool rightTaken =
        taken(QRect(form.right() + 1, screen.top(), std::max(right, 0), screen.height()));
    const bool leftTaken =
        taken(QRect(screen.left(), screen.top(), std::max(left, 0), screen.height()));
    if (rightTaken != leftTaken)
        return rightTaken ? left : right;
    return std::max(right, left);
}

int widthBeside(const QRect& form, const QRect& screen, int preferred, int least,
                const QList<QRect>& others) {
    return std::clamp(roomBeside(form, screen, others), least, std::max(least, preferred));
}

} // namespace vazolar

namespace vazolar {

namespace {

QRect globalRect(const QWidget* widget) {
    return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}

void moveBeside(QWidget* window, const QWidget* form, const QWidget* keep) {
    const QScreen* screen = form->screen() ? form->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect frame = window->frameGeometry();
    const QPoint corner =
        placeBeside(form->frameGeometry(), keep ? globalRect(keep) : QRect(), frame.size(),
                    screen->availableGeometry(), otherWindows(form, window));
    window->move(corner); // move() places the frame's top-left corner
}

// Places the window again once the window system has framed it, which it does only after the
// window is first shown; until then its frame is its client area. Watches the window's moves
// until then, and goes.
class PlaceWhenFramed : public QObject {
public:
    PlaceWhenFramed(QWidget* window, const QWidget* form, const QWidget* keep)
        : QObject(window), window_(window), form_(form), keep_(keep) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Move &&
            window_->frameGeometry() != window_->geometry()) {
            window_->removeEventFilter(this);
            if (form_ && keep_)
                moveBeside(window_, form_, keep_);
            deleteLater();
        }
        return false;
    }

private:
    QWidget* window_;
    QPointer<const QWidget> form_;
    QPointer<const QWidget> keep_;
};

} // namespace

// A new window of the form leaves the others in view where it can.
QList<QRect> otherWindows(const QWidget* form, const QWidget* window) {
    QList<QRect> frames;
    for (const QWidget* other : form->findChildren<QWidget*>()) {
        if (other != window && other->isWindow() && other->isVisible())
            frames << other->frameGeometry();
    }
    return frames;
}

QRect formScreenArea(const QWidget* form) {
    const QScreen* screen = form->screen() ? form->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

void openBeside(QWidget* window, const QWidget* form, const QWidget* keep, int preferredWidth,
                int leastWidth) {
    if (const QScreen* screen = form->screen()) {
        const QRect available = screen->availableGeometry();
        window->resize(widthBeside(form->frameGeometry(), available, preferredWidth, leastWidth,
                                   otherWindows(form, window)),
                       std::min(window->height(), available.height() - 40));
    }
    moveBeside(window, form, keep);
    window->installEventFilter(new PlaceWhenFramed(window, form, keep));
}

} // namespace vazolar
