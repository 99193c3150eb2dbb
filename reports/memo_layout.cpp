#include "memo_layout.h"

#include "memo_wrap.h"

#include <algorithm>

namespace vazolar::reports {

namespace {

// A table row: each cell's text as lines inside its column.
struct CellLines {
    QStringList lines;
    MemoStyle style = MemoStyle::Table;
    double x = 0.0; // the column
    double width = 0.0;
    bool alignRight = false; // a number: its lines end 2 mm inside the column
};

class MemoLayout {
public:
    MemoLayout(const MemoMeasures& measures, const MemoFrame& frame)
        : measures_(measures), frame_(frame), page_(frame.body), y_(frame.body.top()) {
        pages_.append(MemoPage{});
    }

    QList<MemoPage> run(const QList<MemoBlock>& blocks, const QString& footerText) {
        for (const MemoBlock& block : blocks)
            place(block);
        for (qsizetype k = 0; k < pages_.size(); ++k)
            footer(pages_[k], footerText, int(k + 1), int(pages_.size()));
        return pages_;
    }

private:
    double millimetres(double mm) const { return frame_.millimetres(mm); }
    double spacing(MemoStyle style) const { return measures_.lineSpacing(style); }

    void newPage() {
        pages_.append(MemoPage{});
        y_ = page_.top();
    }

    // Starts a new page unless the height fits on what is left of this one.
    void need(double height) {
        if (y_ + height > page_.bottom() && y_ > page_.top())
            newPage();
    }

    void add(MemoItem item) { pages_.last().items.append(std::move(item)); }

    void text(MemoStyle style, const QPointF& baseline, const QString& content) {
        const double ascent = measures_.ascent(style);
        const QRectF box(baseline.x(), baseline.y() - ascent, measures_.advance(style, content),
                         ascent + measures_.descent(style));
        add(MemoText{style, baseline, content, box});
    }

    void footer(MemoPage& page, const QString& footerText, int number, int count) const {
        const MemoStyle style = MemoStyle::Footer;
        const double baseline = frame_.footerBaseline();
        const QString numbering = QString::fromUtf8("Página %1 de %2").arg(number).arg(count);
        const double ascent = measures_.ascent(style);
        const double height = ascent + measures_.descent(style);
        const double numberLeft = page_.right() - measures_.advance(style, numbering);
        page.items.append(MemoText{
            style, QPointF(page_.left(), baseline), footerText,
            QRectF(page_.left(), baseline - ascent, measures_.advance(style, footerText), height)});
        page.items.append(
            MemoText{style, QPointF(numberLeft, baseline), numbering,
                     QRectF(numberLeft, baseline - ascent, page_.right() - numberLeft, height)});
    }

    QStringList wrapped(MemoStyle style, const QString& content, double width) const {
        return wrapText(content, width,
                        [&](QStringView piece) { return measures_.advance(style, piece); });
    }

    // The heading of the trial rows is bold in the rows' line spacing.
    static MemoStyle spacedAs(MemoStyle style) {
        return style == MemoStyle::RowsBold ? MemoStyle::Rows : style;
    }

    void line(MemoStyle style, const QString& content, double indent = 0) {
        const MemoStyle spaced = spacedAs(style);
        need(spacing(spaced));
        text(style, QPointF(page_.left() + indent, y_ + measures_.ascent(spaced)), content);
        y_ += spacing(spaced);
    }

    // The text in lines no wider than the page, broken between words.
    void lines(MemoStyle style, const QString& content, double indent = 0) {
        for (const QString& piece : wrapped(style, content, page_.width() - indent))
            line(style, piece, indent);
    }

    void paragraph(const QString& content) {
        lines(MemoStyle::Body, content);
        y_ += spacing(MemoStyle::Body) * 0.3;
    }

    void heading(const QString& content) {
        const double height = spacing(MemoStyle::Heading);
        y_ += height * 0.6;
        need(height * 3); // not alone at the foot of a page
        lines(MemoStyle::Heading, content);
        y_ += height * 0.2;
    }

    // The cells of one row as lines inside their columns.
    QList<CellLines> rowCells(const QStringList& cellRow, bool header, int columns) const {
        const QList<double> shares =
            columns == 4 ? QList<double>{0.34, 0.24, 0.24, 0.18} : QList<double>{0.62, 0.2, 0.18};
        const bool spanning = cellRow.size() == 1;
        QList<CellLines> cells;
        double x = page_.left();
        for (qsizetype c = 0; c < cellRow.size(); ++c) {
            const double width = spanning ? page_.width() : page_.width() * shares.value(c);
            CellLines cell;
            cell.style = header || spanning ? MemoStyle::TableBold : MemoStyle::Table;
            cell.alignRight = !header && c == 1 && columns == 3;
            cell.x = x;
            cell.width = width;
            const double room = width - millimetres(cell.alignRight ? 3.5 : 3);
            cell.lines = wrapped(cell.style, cellRow[c], room);
            cells << cell;
            x += width;
        }
        return cells;
    }

    static int lineCount(const QList<CellLines>& cells) {
        int count = 1;
        for (const CellLines& cell : cells)
            count = std::max(count, int(cell.lines.size()));
        return count;
    }

    // A row's height with that many lines: one line's row, and a line more for each other.
    double rowHeight(int lineCount) const {
        return spacing(MemoStyle::Table) * 1.35 + (lineCount - 1) * spacing(MemoStyle::Table);
    }

    // Lines [from, to) of the row, shaded where it is the header or a title.
    void rowPiece(const QList<CellLines>& cells, bool shaded, int from, int to) {
        const double height = rowHeight(to - from);
        if (shaded)
            add(MemoFill{QRectF(page_.left(), y_, page_.width(), height)});
        const MemoStyle table = MemoStyle::Table;
        const double first =
            y_ + (rowHeight(1) + measures_.ascent(table) - measures_.descent(table)) / 2;
        for (const CellLines& cell : cells) {
            for (int k = from; k < to && k < cell.lines.size(); ++k) {
                const QString& content = cell.lines[k];
                const double left = cell.alignRight ? cell.x + cell.width -
                                                          measures_.advance(cell.style, content) -
                                                          millimetres(2)
                                                    : cell.x + millimetres(1.5);
                text(cell.style, QPointF(left, first + (k - from) * spacing(table)), content);
            }
        }
        add(MemoRule{QLineF(page_.left(), y_ + height, page_.right(), y_ + height)});
        y_ += height;
    }

    // A row on this page where it fits, on the next where it does not; a row taller than a
    // page goes on over as many as it needs.
    void tableRow(const QList<CellLines>& cells, bool shaded) {
        const int total = lineCount(cells);
        need(rowHeight(total) <= page_.height() ? rowHeight(total) : rowHeight(1));
        int from = 0;
        while (from < total) {
            int to = total;
            while (to > from + 1 && y_ + rowHeight(to - from) > page_.bottom())
                --to;
            rowPiece(cells, shaded, from, to);
            from = to;
            if (from < total)
                newPage();
        }
    }

    void table(const QList<QStringList>& cells) {
        const int columns = int(cells.value(0).size());
        QList<QList<CellLines>> rows;
        for (qsizetype r = 0; r < cells.size(); ++r)
            rows << rowCells(cells[r], r == 0, columns);
        // The header not alone at a foot.
        const qsizetype leading = std::min<qsizetype>(cells.size(), 4);
        int leadingLines = 0;
        for (qsizetype r = 0; r < leading; ++r)
            leadingLines += lineCount(rows[r]);
        need(rowHeight(1) * leading + (leadingLines - leading) * spacing(MemoStyle::Table));
        for (qsizetype r = 0; r < rows.size(); ++r)
            tableRow(rows[r], r == 0 || cells[r].size() == 1);
        y_ += spacing(MemoStyle::Table) * 0.5;
    }

    void rows(const QStringList& rowLines) {
        for (qsizetype k = 0; k < rowLines.size(); ++k)
            lines(k == 0 ? MemoStyle::RowsBold : MemoStyle::Rows, rowLines[k]);
        y_ += spacing(MemoStyle::Rows) * 0.5;
    }

    void figure(const MemoBlock& block) {
        const double height = page_.width() * 0.6;
        const double body = spacing(MemoStyle::Body);
        need(height + body * 2);
        add(MemoPicture{QRectF(page_.left(), y_, page_.width(), height), block.figure});
        y_ += height + body * 0.3;
        lines(MemoStyle::Body, block.text);
        y_ += body * 0.5;
    }

    void place(const MemoBlock& block) {
        switch (block.kind) {
        case BlockKind::Title:
            lines(MemoStyle::Title, block.text);
            y_ += spacing(MemoStyle::Title) * 0.3;
            break;
        case BlockKind::Line:
            lines(MemoStyle::Body, block.text);
            break;
        case BlockKind::Heading:
            heading(block.text);
            break;
        case BlockKind::Paragraph:
            paragraph(block.text);
            break;
        case BlockKind::Formula:
            lines(MemoStyle::Body, block.text, millimetres(8));
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

    const MemoMeasures& measures_;
    MemoFrame frame_;
    QRectF page_; // the room of the blocks
    QList<MemoPage> pages_;
    double y_ = 0.0;
};

} // namespace

QList<MemoPage> layOutMemo(const QList<MemoBlock>& blocks, const QString& footerText,
                           const MemoMeasures& measures, const MemoFrame& frame) {
    return MemoLayout(measures, frame).run(blocks, footerText);
}

} // namespace vazolar::reports
