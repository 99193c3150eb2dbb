#include "group_frame_style.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>

namespace vazolar {

namespace {

// The shading is translucent black; the outline is grey. Only the outline stays.
void dropShading(QImage& frame) {
    for (int y = 0; y < frame.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(frame.scanLine(y));
        for (int x = 0; x < frame.width(); ++x) {
            if ((line[x] & RGB_MASK) == 0)
                line[x] = 0;
        }
    }
}

class GroupFrameStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element != PE_FrameGroupBox) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        painter->drawImage(option->rect.topLeft(), frameOutline(option, painter, widget));
    }

private:
    // The base style's frame drawn on a transparent ground, without its shading.
    QImage frameOutline(const QStyleOption* option, const QPainter* painter,
                        const QWidget* widget) const {
        const qreal ratio = painter->device()->devicePixelRatioF();
        QImage frame(option->rect.size() * ratio, QImage::Format_ARGB32_Premultiplied);
        frame.setDevicePixelRatio(ratio);
        frame.fill(Qt::transparent);
        QPainter framePainter(&frame);
        framePainter.translate(-option->rect.topLeft());
        baseStyle()->drawPrimitive(PE_FrameGroupBox, option, &framePainter, widget);
        framePainter.end();
        dropShading(frame);
        return frame;
    }
};

} // namespace

QStyle* groupFrameStyle() {
    static QPointer<QStyle> style;
    if (!style) {
        style = new GroupFrameStyle(QApplication::style()->name());
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

} // namespace vazolar
