#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace vazolar {

// A picture of the program's resources (":/assets/icon_save.svg"), made once and shared by
// every window that shows it. An icon built afresh for every form gets a new serial number, and
// the SVG icon engine keys the pixmaps it caches by that number: Qt's pixmap cache keeps every
// such key for the life of the program.
struct SharedPicture {
    QIcon icon;
    QSize size;    // the picture's own size, in logical pixels
    QPixmap image; // the picture drawn at that size
};

SharedPicture sharedPicture(const QString& resource);

} // namespace vazolar
