#pragma once

#include "engine/outcome.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

class QPainter;
class QRectF;

namespace vazolar::drawings {

// Paints one picture into the rectangle: the same call serves a window, a PDF and a file.
using PicturePainter = std::function<void(QPainter&, const QRectF&)>;

// The picture at the size, in logical pixels, drawn at twice the resolution for sharp print.
QImage pictureImage(const PicturePainter& paint, QSize size);

// The picture as an SVG document, in vectors.
QByteArray pictureSvg(const PicturePainter& paint, QSize size, const QString& title);

// The bytes of the picture file at path: PNG or SVG, by its extension; a failure says that the
// extension is neither.
Outcome<QByteArray> pictureFile(const QString& path, const PicturePainter& paint, QSize size,
                                const QString& title);

} // namespace vazolar::drawings
