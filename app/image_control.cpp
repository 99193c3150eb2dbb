#include "image_control.h"

#include "svg_picture.h"

#include <QLabel>

namespace vazolar {

QLabel* addImageControl(QWidget* window, const QString& resource, QSize pictureSize) {
    auto* image = new QLabel(window);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(svgPicture(resource, pictureSize, window->devicePixelRatioF()));
    image->setGeometry(QRect(QPoint(0, 0), pictureSize));
    image->setAttribute(Qt::WA_TransparentForMouseEvents);
    return image;
}

} // namespace vazolar
