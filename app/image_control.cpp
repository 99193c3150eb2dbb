#include "image_control.h"

#include "forms/shared_picture.h"

#include <QLabel>

namespace vazolar {

QLabel* addImageControl(QWidget* window, const QString& resource) {
    const SharedPicture picture = sharedPicture(resource);
    auto* image = new QLabel(window);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(picture.image);
    image->setGeometry(QRect(QPoint(0, 0), picture.size));
    image->setAttribute(Qt::WA_TransparentForMouseEvents);
    return image;
}

} // namespace vazolar
