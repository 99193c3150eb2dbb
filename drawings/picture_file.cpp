#include "picture_file.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QSvgGenerator>

namespace vazolar::drawings {

namespace {

constexpr double kImageScale = 2.0;

} // namespace

QImage pictureImage(const PicturePainter& paint, QSize size) {
    QImage image(size * kImageScale, QImage::Format_RGB32);
    image.setDevicePixelRatio(kImageScale);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter, QRectF(QPointF(), QSizeF(size)));
    return image;
}

QByteArray pictureSvg(const PicturePainter& paint, QSize size, const QString& title) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(), size));
    svg.setTitle(title);
    svg.setDescription(QStringLiteral("VAZOLAR"));
    QPainter painter(&svg);
    paint(painter, QRectF(QPointF(), QSizeF(size)));
    painter.end();
    return buffer.data();
}

Outcome<QByteArray> pictureFile(const QString& path, const PicturePainter& paint, QSize size,
                                const QString& title) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    QByteArray bytes;
    if (suffix == QLatin1String("svg")) {
        bytes = pictureSvg(paint, size, title);
    } else if (suffix == QLatin1String("png")) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        pictureImage(paint, size).save(&buffer, "PNG");
    } else {
        return Failure{QString::fromUtf8("a imagem é salva como PNG ou SVG: dê ao arquivo a "
                                         "extensão .png ou .svg.")};
    }
    return bytes;
}

} // namespace vazolar::drawings
