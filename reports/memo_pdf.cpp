#include "memo_pdf.h"

#include "atomic_file.h"
#include "drawings/adopted_pictures.h"
#include "drawings/plot_painter.h"
#include "drawings/section_painter.h"
#include "glyph_line_painter.h"
#include "typeface.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <optional>

namespace vazolar::reports {

namespace {

constexpr int kResolution = 600; // dots per inch of the page's coordinates
constexpr double kMarginMillimetres = 20.0;

QFont memoFont(double points, bool bold = false) {
    QFont font{QString(kTypeface)};
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The fonts of the memo, and their measures on the page.
struct Styles {
    explicit Styles(QPaintDevice& device)
        : title(memoFont(15, true)), heading(memoFont(12, true)), body(memoFont(10.5)),
          table(memoFont(9.5)), tableBold(memoFont(9.5, true)), rows(memoFont(9)),
          footer(memoFont(8.5)), device_(device) {}

    QFontMetricsF metrics(const QFont& font) const { return QFontMetricsF(font, &device_); }

    QFont title, heading, body, table, tableBold, rows, footer;

private:
    QPaintDevice& device_;
};

// Flows the blocks down the pages. Run once without a painter to count the pages, then with
// one to draw them: both runs break the pages at the same places.
class MemoFlow {
public:
    MemoFlow(QPdfWriter& pdf, const MemoInput& input, QPainter* painter, int pageCount)
        : pdf_(pdf), input_(input), painter_(painter), pageCount_(pageCount), styles_(pdf),
          page_(QRectF(QPointF(0, 0), pdf.pageLayout().paintRectPixels(kResolution).size())),
          rowsPainter_(styles_.rows, pdf) {
        y_ = page_.top();
    }

    int run(const QList<MemoBlock>& blocks) {
        for (const MemoBlock& block : blocks)
            place(block);
        footer();
        return pageNumber_;
    }

private:
    double millimetres(double mm) const { return mm * kResolution / 25.4; }

    void newPage() {
        footer();
        if (painter_)
            pdf_.newPage();
        ++pageNumber_;
        y_ = page_.top();
    }

    // Starts a new page unless the height fits on what is left of this one.
    void need(double height) {
        if (y_ + height > page_.bottom() && y_ > page_.top())
            newPage();
    }

    void text(const QFont& font, const QPointF& baseline, const QString& line) {
        if (!painter_)
            return;
        painter_->setFont(font);
        painter_->setPen(Qt::black);
        painter_->drawText(baseline, line);
    }

    void footer() {
        if (!painter_)
            return;
        const QFontMetricsF metrics = styles_.metrics(styles_.footer);
        const double baseline = page_.bottom() + millimetres(10);
        text(styles_.footer, QPointF(page_.left(), baseline),
             QStringLiteral("VAZOLAR %1 — %2").arg(input_.version, memoTitle(input_)));
        const QString number =
            QString::fromUtf8("Página %1 de %2").arg(pageNumber_).arg(pageCount_);
        text(styles_.footer, QPointF(page_.right() - metrics.horizontalAdvance(number), baseline),
             number);
    }

    void line(const QFont& font, const QString& content, double indent = 0) {
        const QFontMetricsF metrics = styles_.metrics(font);
        need(metrics.lineSpacing());
        text(font, QPointF(page_.left() + indent, y_ + metrics.ascent()), content);
        y_ += metrics.lineSpacing();
    }

    // The text in lines no wider than the page, broken between words.
    void wrapped(const QString& content, double indent) {
        const QFontMetricsF metrics = styles_.metrics(styles_.body);
        QString current;
        for (const QString& word : content.split(u' ', Qt::SkipEmptyParts)) {
            const QString longer = current.isEmpty() ? word : current + u' ' + word;
            if (!current.isEmpty() && metrics.horizontalAdvance(longer) > page_.width() - indent) {
                line(styles_.body, current, indent);
                current = word;
            } else {
                current = longer;
            }
        }
        if (!current.isEmpty())
            line(styles_.body, current, indent);
    }

    void paragraph(const QString& content) {
        wrapped(content, 0);
        y_ += styles_.metrics(styles_.body).lineSpacing() * 0.3;
    }

    void heading(const QString& content) {
        const QFontMetricsF metrics = styles_.metrics(styles_.heading);
        y_ += metrics.lineSpacing() * 0.6;
        need(metrics.lineSpacing() * 3); // not alone at the foot of a page
        line(styles_.heading, content);
        y_ += metrics.lineSpacing() * 0.2;
    }

    void table(const QList<QStringList>& cells) {
        const int columns = int(cells.value(0).size());
        const QList<double> shares =
            columns == 4 ? QList<double>{0.34, 0.24, 0.24, 0.18} : QList<double>{0.62, 0.2, 0.18};
        const QFontMetricsF metrics = styles_.metrics(styles_.table);
        const double height = metrics.lineSpacing() * 1.35;
        need(height * std::min<qsizetype>(cells.size(), 4)); // the header not alone at a foot
        for (qsizetype r = 0; r < cells.size(); ++r) {
            need(height);
            const QStringList& cellRow = cells[r];
            const bool header = r == 0;
            const bool spanning = cellRow.size() == 1;
            if (painter_ && (header || spanning))
                painter_->fillRect(QRectF(page_.left(), y_, page_.width(), height),
                                   QColor(0xE4, 0xE4, 0xE4));
            double x = page_.left();
            for (qsizetype c = 0; c < cellRow.size(); ++c) {
                const double width = spanning ? page_.width() : page_.width() * shares.value(c);
                const QFont& font = header || spanning ? styles_.tableBold : styles_.table;
                const double advance = styles_.metrics(font).horizontalAdvance(cellRow[c]);
                const bool numeric = !header && c == 1 && columns == 3;
                const double left =
                    numeric ? x + width - advance - millimetres(2) : x + millimetres(1.5);
                text(font, QPointF(left, y_ + (height + metrics.ascent() - metrics.descent()) / 2),
                     cellRow[c]);
                x += width;
            }
            if (painter_) {
                painter_->setPen(QPen(QColor(0xB0, 0xB0, 0xB0), 0));
                painter_->drawLine(QPointF(page_.left(), y_ + height),
                                   QPointF(page_.right(), y_ + height));
            }
            y_ += height;
        }
        y_ += metrics.lineSpacing() * 0.5;
    }

    void rows(const QStringList& lines) {
        const QFontMetricsF metrics = styles_.metrics(styles_.rows);
        for (qsizetype k = 0; k < lines.size(); ++k) {
            need(metrics.lineSpacing());
            const QPointF baseline(page_.left(), y_ + metrics.ascent());
            if (painter_ && rowsPainter_.canDraw(lines[k]))
                rowsPainter_.draw(*painter_, baseline, lines[k]);
            else
                text(k == 0 ? memoFont(9, true) : styles_.rows, baseline, lines[k]);
            y_ += metrics.lineSpacing();
        }
        y_ += metrics.lineSpacing() * 0.5;
    }

    void figure(const MemoBlock& block) {
        const double height = page_.width() * 0.6;
        const QFontMetricsF metrics = styles_.metrics(styles_.body);
        need(height + metrics.lineSpacing() * 2);
        if (painter_) {
            const QRectF bounds(page_.left(), y_, page_.width(), height);
            painter_->save();
            const AdoptedResult& result = input_.result;
            switch (block.figure) {
            case MemoFigure::Section:
                drawings::paintSection(*painter_, bounds, drawings::sectionPicture(result));
                break;
            case MemoFigure::RatingCurve:
                drawings::paintPlot(*painter_, bounds, drawings::ratingCurve(result));
                break;
            case MemoFigure::EnergyCurve:
                drawings::paintPlot(*painter_, bounds, drawings::energyCurve(result));
                break;
            }
            painter_->restore();
        }
        y_ += height + metrics.lineSpacing() * 0.3;
        line(styles_.body, block.text);
        y_ += metrics.lineSpacing() * 0.5;
    }

    void place(const MemoBlock& block) {
        switch (block.kind) {
        case BlockKind::Title:
            line(styles_.title, block.text);
            y_ += styles_.metrics(styles_.title).lineSpacing() * 0.3;
            break;
        case BlockKind::Line:
            line(styles_.body, block.text);
            break;
        case BlockKind::Heading:
            heading(block.text);
            break;
        case BlockKind::Paragraph:
            paragraph(block.text);
            break;
        case BlockKind::Formula:
            wrapped(block.text, millimetres(8));
            break;
        case BlockKind::Table:
            table(block.cells);
            break;
        case BlockKind::Rows:
            rows(block.lines);
            break;
        case BlockKind::Figure:
            figure(block);
            break;
        case BlockKind::NewPage:
            newPage();
            break;
        }
    }

    QPdfWriter& pdf_;
    const MemoInput& input_;
    QPainter* painter_;
    int pageCount_;
    Styles styles_;
    QRectF page_; // the printable area, in the painter's coordinates
    GlyphLinePainter rowsPainter_;
    double y_ = 0.0;
    int pageNumber_ = 1;
};

void setUpPdf(QPdfWriter& pdf, const MemoInput& input) {
    pdf.setResolution(kResolution);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(kMarginMillimetres, kMarginMillimetres,
                                            kMarginMillimetres, kMarginMillimetres + 5),
                                  QPageLayout::Millimeter));
    pdf.setCreator(QStringLiteral("VAZOLAR %1").arg(input.version));
    pdf.setTitle(memoTitle(input));
}

} // namespace

QByteArray memoPdf(const MemoInput& input) {
    const QList<MemoBlock> blocks = memoBlocks(input);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        setUpPdf(pdf, input);
        const int pages = MemoFlow(pdf, input, nullptr, 0).run(blocks);
        QPainter painter(&pdf);
        painter.setRenderHint(QPainter::Antialiasing);
        MemoFlow(pdf, input, &painter, pages).run(blocks);
    }
    return buffer.data();
}

Outcome<> writeMemo(const QString& path, const MemoInput& input) {
    return writeFileAtomically(path, memoPdf(input));
}

} // namespace vazolar::reports
