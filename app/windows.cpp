#include "windows.h"

namespace vazolar {

namespace {

int slotOf(WindowId id) {
    return static_cast<int>(id);
}

} // namespace

Windows::~Windows() {
    for (QPointer<QWidget>& window : windows_)
        delete window.data();
}

void Windows::registerFactory(WindowId id, Factory factory) {
    factories_[slotOf(id)] = std::move(factory);
}

QWidget* Windows::open(WindowId id) {
    QWidget* window = this->window(id);
    if (window) {
        window->showNormal();
        window->raise();
    } else {
        window = build(id);
        window->show();
    }
    window->activateWindow();
    return window;
}

void Windows::close(WindowId id) {
    QWidget* window = this->window(id);
    if (window && window->close())
        windows_[slotOf(id)].clear();
}

void Windows::replace(WindowId current, WindowId next) {
    open(next);
    close(current);
}

QWidget* Windows::window(WindowId id) const {
    // A closed window stays in memory until the event loop deletes it; hidden, it no longer
    // counts as open (the program never hides a window without closing it).
    QWidget* window = windows_[slotOf(id)].data();
    return window && !window->isHidden() ? window : nullptr;
}

QWidget* Windows::build(WindowId id) {
    const Factory& factory = factories_[slotOf(id)];
    Q_ASSERT_X(factory, "Windows::open", "no factory registered for this window");
    QWidget* window = factory();
    window->setAttribute(Qt::WA_DeleteOnClose);
    windows_[slotOf(id)] = window;
    return window;
}

} // namespace vazolar
