#include "window_options.h"

#include <QStringList>

namespace vazolar::cli {

namespace {

// The options QGuiApplication and QApplication read from the command line, on every
// platform's plugin, and the X11 ones they still accept.
const QStringList kWindowOptions{"platform",
                                 "platformpluginpath",
                                 "platformtheme",
                                 "plugin",
                                 "display",
                                 "geometry",
                                 "style",
                                 "stylesheet",
                                 "reverse",
                                 "qwindowgeometry",
                                 "qwindowtitle",
                                 "qwindowicon",
                                 "session",
                                 "graphicssystem",
                                 "qmljsdebugger",
                                 "widgetcount",
                                 "nograb",
                                 "dograb",
                                 "sync",
                                 "fn",
                                 "font",
                                 "bg",
                                 "background",
                                 "fg",
                                 "foreground",
                                 "btn",
                                 "button",
                                 "name",
                                 "title",
                                 "visual",
                                 "ncols",
                                 "cmap",
                                 "im",
                                 "inputstyle",
                                 "testability",
                                 "qdevicepixelratio",
                                 "nativeui"};

} // namespace

bool isWindowOption(const QString& argument) {
    if (!argument.startsWith(u'-'))
        return false;
    QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
    name = name.section(u'=', 0, 0);
    return kWindowOptions.contains(name);
}

} // namespace vazolar::cli
