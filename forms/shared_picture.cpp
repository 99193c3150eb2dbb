#include "shared_picture.h"

#include <QCoreApplication>
#include <QHash>
#include <QPointer>
#include <QSvgRenderer>

namespace vazolar {

namespace {

// The pictures made so far. The application owns them: icons must go before the application
// and the icon engine it loaded.
class PictureStore : public QObject {
public:
    using QObject::QObject;
    QHash<QString, SharedPicture> pictures;
};

PictureStore& store() {
    static QPointer<PictureStore> instance;
    if (!instance)
        instance = new PictureStore(QCoreApplication::instance());
    return *instance;
}

SharedPicture makePicture(const QString& resource) {
    const QIcon icon(resource);
    const QSize size = QSvgRenderer(resource).defaultSize();
    return {icon, size, icon.pixmap(size)};
}

} // namespace

SharedPicture sharedPicture(const QString& resource) {
    QHash<QString, SharedPicture>& pictures = store().pictures;
    auto found = pictures.constFind(resource);
    if (found == pictures.cend())
        found = pictures.insert(resource, makePicture(resource));
    return *found;
}

} // namespace vazolar
