#include "memo_pdf.h"

#include "a4_page.h"
#include "drawings/adopted_pictures.h"
#include "drawings/plot_painter.h"
#include "drawings/profile_picture.h"
#include "drawings/section_painter.h"
#include "glyph_line_painter.h"
#include "io/atomic_file.h"
#include "memo_fonts.h"
#include "memo_layout.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>

#include <variant>
#include <vector>

namespace vazolar::reports {

namespace {

// Paints the laid-out pages, each item as the layout placed it.
class PagePainter {
public:
    PagePainter(QPainter& painter, const MemoInput& input, const QPaintDevice& device)
        : painter_(painter), input_(input), rowsPainter_(memoFont(MemoStyle::Rows), device) {}

    void operator()(const MemoText& text) {
        const bool row = text.style == MemoStyle::Rows || text.style == MemoStyle::RowsBold;
        if (row && rowsPainter_.canDraw(text.text)) {
            rowsPainter_.draw(painter_, text.baseline, text.text);
            return;
        }
        painter_.setFont(memoFont(text.style));
        painter_.setPen(Qt::black);
        painter_.drawText(text.baseline, text.text);
    }

    void operator()(const MemoFill& fill) {
        painter_.fillRect(fill.rect, QColor(0xE4, 0xE4, 0xE4));
    }

    void operator()(const MemoRule& rule) {
        painter_.setPen(QPen(QColor(0xB0, 0xB0, 0xB0), 0));
        painter_.drawLine(rule.line);
    }

    void operator()(const MemoPicture& picture) {
        painter_.save();
        const AdoptedResult& result = input_.result;
        switch (picture.figure) {
        case MemoFigure::Section:
            drawings::paintSection(painter_, picture.rect, drawings::sectionPicture(result));
            break;
        case MemoFigure::RatingCurve:
            drawings::paintPlot(painter_, picture.rect, drawings::ratingCurve(result));
            break;
        case MemoFigure::EnergyCurve:
            drawings::paintPlot(painter_, picture.rect, drawings::energyCurve(result));
            break;
        case MemoFigure::Profile:
            if (input_.profile)
                drawings::paintProfilePicture(painter_, picture.rect, input_.profile->inputs,
                                              input_.profile->profile);
            break;
        }
        painter_.restore();
    }

private:
    QPainter& painter_;
    const MemoInput& input_;
    GlyphLinePainter rowsPainter_;
};

void setUpPdf(QPdfWriter& pdf, const MemoInput& input) {
    pdf.setResolution(kMemoUnitsPerInch);
    pdf.setPageLayout(memoPageLayout());
    pdf.setCreator(QStringLiteral("VAZOLAR %1").arg(input.version));
    pdf.setTitle(memoTitle(input));
}

QList<MemoPage> pagesOn(const QPdfWriter& pdf, const MemoInput& input) {
    return layOutMemo(memoBlocks(input),
                      QStringLiteral("VAZOLAR %1 — %2").arg(input.version, memoTitle(input)),
                      MemoFontMeasures(pdf), memoFrame());
}

void paintPages(QPdfWriter& pdf, const QList<MemoPage>& pages, const MemoInput& input) {
    QPainter painter(&pdf);
    painter.setRenderHint(QPainter::Antialiasing);
    PagePainter paint(painter, input, pdf);
    for (qsizetype k = 0; k < pages.size(); ++k) {
        if (k > 0)
            pdf.newPage();
        for (const MemoItem& item : pages[k].items)
            std::visit(paint, item);
    }
}

} // namespace

QList<MemoPage> memoPages(const MemoInput& input) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    setUpPdf(pdf, input);
    return pagesOn(pdf, input);
}

Outcome<MemoPdf> memoPdf(const MemoInput& input) {
    if (const Outcome<> fonts = checkMemoFonts(); !fonts)
        return fonts.failure();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QList<char32_t> undrawable;
    {
        QPdfWriter pdf(&buffer);
        setUpPdf(pdf, input);
        const QList<MemoPage> pages = pagesOn(pdf, input);
        undrawable = undrawableCharacters(pages, pdf);
        paintPages(pdf, pages, input);
    }
    return MemoPdf{buffer.data(), undrawable};
}

Outcome<> writeMemo(const QString& path, const MemoInput& input) {
    const Outcome<MemoPdf> pdf = memoPdf(input);
    if (!pdf)
        return pdf.failure();
    return io::writeFileAtomically(path, pdf.value().bytes);
}

} // namespace vazolar::reports
