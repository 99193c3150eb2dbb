#pragma once

#include "window_id.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>

namespace vazolar {

// Owns the program's windows by id. A window is built by its factory the first time it is
// opened and destroyed with all its controls when it closes, whether through close() or its
// own close box, so the next open() builds it afresh from its layout.
//
// The application ends when its last window closes, so a window that replaces another must be
// opened before the other is closed: replace() does exactly that.
class Windows {
public:
    using Factory = std::function<QWidget*()>;

    Windows() = default;
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;
    // Destroys the windows still open.
    ~Windows();

    void registerFactory(WindowId id, Factory factory);

    // Shows the window modeless and gives it the focus, building it first if it is not open;
    // an open window is only brought to the front.
    QWidget* open(WindowId id);
    // Closes and destroys the window if it is open.
    void close(WindowId id);
    // Opens the next window, then closes the current one.
    void replace(WindowId current, WindowId next);

    // The open window, or nullptr.
    QWidget* window(WindowId id) const;
    bool isOpen(WindowId id) const { return window(id) != nullptr; }

private:
    QWidget* build(WindowId id);

    std::array<Factory, kWindowCount> factories_;
    std::array<QPointer<QWidget>, kWindowCount> windows_;
};

} // namespace vazolar
