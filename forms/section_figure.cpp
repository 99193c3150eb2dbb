#include "section_figure.h"

#include "twips.h"

#include <QPainter>

namespace vazolar {

SectionFigure::SectionFigure(std::vector<FigureLine> lines, QWidget* parent)
    : QWidget(parent), lines_(std::move(lines)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void SectionFigure::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (const FigureLine& line : lines_) {
        QPen pen(line.colour, line.widthPixels);
        pen.setCapStyle(Qt::SquareCap);
        painter.setPen(pen);
        const double scale = 1.0 / kTwipsPerPixel;
        painter.drawLine(
            QLineF(line.x1 * scale, line.y1 * scale, line.x2 * scale, line.y2 * scale));
    }
}

} // namespace vazolar
