#include "report_printer.h"

#include "glyph_line_painter.h"
#include "page_units.h"
#include "typeface.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

namespace vazolar::reports {

namespace {

// Draws placements on the painter's printer, converting twips to device pixels.
class PageWriter {
public:
    PageWriter(QPainter& painter, QPrinter& printer)
        : painter_(painter), printer_(printer),
          pixelsPerTwip_(printer.resolution() / double(kTwipsPerInch)),
          ascent_(QFontMetricsF(painter.font(), &printer).ascent()),
          glyphLines_(painter.font(), printer) {}

    // False when the printer refused to start the placement's page.
    bool draw(const Placement& placement) {
        if (placement.page != page_) {
            if (!printer_.newPage())
                return false;
            page_ = placement.page;
        }
        const QPointF baseline(placement.x * pixelsPerTwip_,
                               placement.y * pixelsPerTwip_ + ascent_);
        if (glyphLines_.canDraw(placement.text))
            glyphLines_.draw(painter_, baseline, placement.text);
        else
            painter_.drawText(baseline, placement.text);
        return true;
    }

private:
    QPainter& painter_;
    QPrinter& printer_;
    double pixelsPerTwip_;
    double ascent_;               // device pixels from a line's top to its baseline
    GlyphLinePainter glyphLines_; // the rows; other lines are shaped by drawText
    int page_ = 0;
};

bool inError(const QPrinter& printer) {
    return printer.printerState() == QPrinter::Error;
}

} // namespace

QFont reportFont() {
    QFont font(kTypeface);
    font.setPointSizeF(12.0);
    return font;
}

PageMetrics measurePage(QPrinter& printer) {
    const QFontMetricsF font(reportFont(), &printer);
    const double twipsPerPixel = double(kTwipsPerInch) / printer.resolution();
    const double printableHeight =
        printer.pageLayout().paintRect(QPageLayout::Point).height() * kTwipsPerPoint;
    return {font.lineSpacing() * twipsPerPixel, font.averageCharWidth() * twipsPerPixel,
            printableHeight - kTwipsPerInch};
}

QString printReport(QPrinter& printer, const PrintedReport& report) {
    if (inError(printer))
        return QStringLiteral("A impressora está com erro e não pode imprimir.");
    // A4 before any measuring: the bottom limit must belong to the paper the rows land on. A
    // printer without A4 keeps its paper, and the measures below are then that paper's.
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPainter painter;
    if (!painter.begin(&printer))
        return QStringLiteral("Não foi possível iniciar a impressão.");
    painter.setFont(reportFont());
    PageWriter writer(painter, printer);
    for (const Placement& placement : layOutPages(report, measurePage(printer))) {
        if (!writer.draw(placement)) {
            painter.end();
            return QStringLiteral("Não foi possível começar uma nova página.");
        }
    }
    if (!painter.end() || inError(printer))
        return QStringLiteral("Não foi possível concluir a impressão.");
    return QString();
}

} // namespace vazolar::reports
