#include "picture_view.h"

#include "io/atomic_file.h"
#include "user_dialogs.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>

namespace vazolar {

PictureView::PictureView(const QString& fileName, const QString& title, UserDialogs& dialogs,
                         QWidget* parent)
    : QWidget(parent), fileName_(fileName), title_(title), dialogs_(dialogs) {
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setMinimumSize(240, 160);
}

void PictureView::setPainter(drawings::PicturePainter paint) {
    paint_ = std::move(paint);
    update();
}

void PictureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (paint_)
        paint_(painter, QRectF(rect()));
}

void PictureView::contextMenuEvent(QContextMenuEvent* event) {
    if (!paint_)
        return;
    QMenu menu(this);
    menu.addAction(QStringLiteral("Copiar imagem"), this, [this] { copyImage(); });
    menu.addAction(QString::fromUtf8("Salvar imagem…"), this, [this] { saveImage(); });
    menu.exec(event->globalPos());
}

void PictureView::copyImage() const {
    if (paint_)
        QGuiApplication::clipboard()->setImage(drawings::pictureImage(paint_, size()));
}

void PictureView::saveImage() {
    if (!paint_)
        return;
    const SavePrompt prompt{.proposedPath = lastPath_.isEmpty() ? fileName_ + ".png" : lastPath_,
                            .defaultSuffix = QStringLiteral("png"),
                            .filterDescription = QStringLiteral("Imagens PNG ou SVG"),
                            .filterPattern = QStringLiteral("*.png *.svg")};
    const std::optional<QString> path = dialogs_.askSavePath(this, prompt);
    if (!path)
        return;
    lastPath_ = *path;
    const Outcome<QByteArray> bytes = drawings::pictureFile(*path, paint_, size(), title_);
    const Outcome<> saved =
        bytes ? io::writeFileAtomically(*path, bytes.value()) : Outcome<>(Failure{bytes.message()});
    if (!saved)
        dialogs_.warn(this, QString::fromUtf8("A imagem não foi salva em \"%1\": %2")
                                .arg(QDir::toNativeSeparators(*path), saved.message()));
}

} // namespace vazolar
