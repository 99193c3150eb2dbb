#include "picture_style.h"

namespace vazolar::drawings {

QFont pictureFont(double points) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    return font;
}

} // namespace vazolar::drawings
