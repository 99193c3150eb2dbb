#include "program.h"

#include "qt_user_dialogs.h"
#include "section_windows.h"
#include "shell_windows.h"
#include "windows.h"

#include <QApplication>

namespace vazolar {

int runProgram(QApplication& app) {
    QtUserDialogs dialogs;
    Windows windows;
    registerShellWindows(windows);
    registerSectionForms(windows, dialogs);
    windows.open(WindowId::Splash);
    const int status = app.exec();
    // The last window closed was only scheduled for deletion when the loop ended.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}

} // namespace vazolar
