#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace vazolar {

// Renders an SVG resource at a fixed size in logical pixels, sharp on screens with
// devicePixelRatio above 1. A resource that cannot be read gives a transparent picture.
QPixmap svgPicture(const QString& resource, QSize logicalSize, qreal devicePixelRatio);

} // namespace vazolar
