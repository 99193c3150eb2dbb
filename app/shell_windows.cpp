#include "shell_windows.h"

#include "chooser_window.h"
#include "credits_window.h"
#include "splash_window.h"
#include "windows.h"

namespace vazolar {

void registerShellWindows(Windows& windows) {
    windows.registerFactory(WindowId::Splash, [&windows] { return new SplashWindow(windows); });
    windows.registerFactory(WindowId::Chooser, [&windows] { return new ChooserWindow(windows); });
    windows.registerFactory(WindowId::Credits, [] { return new CreditsWindow; });
}

} // namespace vazolar
