#include "svg_picture.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace vazolar {

QPixmap svgPicture(const QString& resource, QSize logicalSize, qreal devicePixelRatio) {
    QImage image(logicalSize * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    if (renderer.isValid()) {
        QPainter painter(&image);
        renderer.render(&painter);
    }
    QPixmap picture = QPixmap::fromImage(image);
    picture.setDevicePixelRatio(devicePixelRatio);
    return picture;
}

} // namespace vazolar
