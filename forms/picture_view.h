#pragma once

#include "drawings/picture_file.h"

#include <QString>
#include <QWidget>

namespace vazolar {

class UserDialogs;

// One picture of a window, scaled to the widget, with a context menu that copies it to the
// clipboard as an image or saves it as PNG or SVG.
class PictureView : public QWidget {
    Q_OBJECT

public:
    // fileName: what the save dialog proposes, without extension ("secao"); title: the SVG's.
    PictureView(const QString& fileName, const QString& title, UserDialogs& dialogs,
                QWidget* parent);

    // An empty painter leaves the picture blank (nothing to show while a field is wrong).
    void setPainter(drawings::PicturePainter paint);
    const drawings::PicturePainter& painter() const { return paint_; }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return width * 2 / 3; }
    QSize sizeHint() const override { return {440, heightForWidth(440)}; }

    void copyImage() const;
    void saveImage();

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QString fileName_;
    QString title_;
    UserDialogs& dialogs_;
    drawings::PicturePainter paint_;
    QString lastPath_;
};

} // namespace vazolar
