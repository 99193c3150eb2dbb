#include "report_printer.h"

#include "a4_page.h"
#include "glyph_line_painter.h"
#include "io/atomic_file.h"
#include "page_units.h"
#include "typeface.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace vazolar::reports {

namespace {

// Draws placements on the painter's device, converting twips to device pixels.
class PageWriter {
public:
    PageWriter(QPainter& painter, QPagedPaintDevice& device)
        : painter_(painter), device_(device),
          pixelsPerTwip_(device.logicalDpiY() / double(kTwipsPerInch)),
          ascent_(QFontMetricsF(painter.font(), &device).ascent()),
          glyphLines_(painter.font(), device) {}

    // False when the device refused to start the placement's page.
    bool draw(const Placement& placement) {
        if (placement.page != page_) {
            if (!device_.newPage())
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
    QPagedPaintDevice& device_;
    double pixelsPerTwip_;
    double ascent_;               // device pixels from a line's top to its baseline
    GlyphLinePainter glyphLines_; // the rows; other lines are shaped by drawText
    int page_ = 0;
};

bool inError(const QPrinter& printer) {
    return printer.printerState() == QPrinter::Error;
}

bool printsToPdfFile(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
}

// Lays the report out on the device's A4 pages and draws it.
Outcome<> paintReport(QPagedPaintDevice& device, const PrintedReport& report) {
    QPainter painter;
    if (!painter.begin(&device))
        return Failure{QStringLiteral("Não foi possível iniciar a impressão.")};
    painter.setFont(reportFont());
    PageWriter writer(painter, device);
    for (const Placement& placement : layOutPages(report, measurePage(device))) {
        if (!writer.draw(placement)) {
            painter.end();
            return Failure{QStringLiteral("Não foi possível começar uma nova página.")};
        }
    }
    if (!painter.end())
        return Failure{QStringLiteral("Não foi possível concluir a impressão.")};
    return {};
}

// The PDF the printer would write, made in memory with the printer's paper, margins,
// resolution and document details, then written to the printer's file in one piece.
Outcome<> printToPdfFile(const QPrinter& printer, const PrintedReport& report) {
    QBuffer document;
    document.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&document);
        pdf.setPdfVersion(printer.pdfVersion());
        pdf.setResolution(printer.resolution());
        pdf.setPageLayout(printer.pageLayout());
        pdf.setCreator(printer.creator());
        pdf.setTitle(printer.docName());
        if (Outcome<> painted = paintReport(pdf, report); !painted)
            return painted;
    }
    const Outcome<> written = io::writeFileAtomically(printer.outputFileName(), document.data());
    if (!written)
        return Failure{QStringLiteral("Não foi possível gravar \"%1\": %2")
                           .arg(printer.outputFileName(), written.message())};
    return {};
}

} // namespace

QFont reportFont() {
    QFont font(kTypeface);
    font.setPointSizeF(12.0);
    return font;
}

PageMetrics measurePage(QPagedPaintDevice& device) {
    const QFontMetricsF font(reportFont(), &device);
    const double twipsPerPixel = double(kTwipsPerInch) / device.logicalDpiY();
    const double printableHeight =
        device.pageLayout().paintRect(QPageLayout::Point).height() * kTwipsPerPoint;
    return {font.lineSpacing() * twipsPerPixel, font.averageCharWidth() * twipsPerPixel,
            printableHeight - kTwipsPerInch};
}

Outcome<> printReport(QPrinter& printer, const PrintedReport& report) {
    if (inError(printer))
        return Failure{QStringLiteral("A impressora está com erro e não pode imprimir.")};
    // A4 before any measuring: the bottom limit must belong to the paper the rows land on. A
    // printer without A4 keeps its paper, and the measures below are then that paper's.
    printer.setPageSize(a4Paper());
    if (printsToPdfFile(printer))
        return printToPdfFile(printer, report);
    if (Outcome<> painted = paintReport(printer, report); !painted)
        return painted;
    if (inError(printer))
        return Failure{QStringLiteral("Não foi possível concluir a impressão.")};
    return {};
}

} // namespace vazolar::reports
