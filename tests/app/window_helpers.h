#pragma once

#include "app/windows.h"

#include <QObject>
#include <QStringList>

#include <functional>

class QWidget;

// What the shell tests share: stand-in section forms, the close box, and a run of the real
// event loop that tells whether the application ended by itself.
namespace vazolar::testing {

// Registers plain windows for the four section forms, named like the real ones. The shell
// only opens and closes them.
void registerPlainSectionWindows(Windows& windows);

// Closes a window the way its title-bar close box does.
void pressCloseBox(QWidget* window);

// Lets the event loop delete the windows that were closed.
void deleteClosedWindows();

// Closes every window of the registry and deletes it, so that no test leaves one behind.
void closeEveryWindow(Windows& windows);

// Runs QApplication::exec() with actions at fixed moments after it starts. Actions that would
// come after the application ended never run; those that ran are in `log`.
class ApplicationRun {
public:
    void at(int milliseconds, const QString& step, std::function<void()> action);
    // Repeats `condition` every few milliseconds; once true, runs `action` once.
    void when(std::function<bool()> condition, const QString& step, std::function<void()> action);
    // True when the last window closed and so ended the run before the deadline.
    bool endsByItself(int deadlineMilliseconds = 5000);

    QStringList log;

private:
    QObject context_; // owns every pending action: none survives the run
};

} // namespace vazolar::testing
