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

// How a table's columns share the width, and which hold figures set flush right.
struct TableColumns {
    QList<double> widths;
    QList<bool> figures;
    bool figureHeadings = false; // the header row's names flush right over their figures
};

// A figure as the tables write numbers: digits, with its sign and separators.
bool isFigure(const QString& cell) {
    return !cell.isEmpty() && std::all_of(cell.begin(), cell.end(), [](QChar c) {
        return c.isDigit() || c == u',' || c == u'.' || c == u'-';
    });
}

// A column of figures: every cell of its body rows a figure or empty, one a figure at least.
bool holdsFigures(const QList<QStringList>& cells, qsizetype column) {
    bool any = false;
    for (qsizetype r = 1; r < cells.size(); ++r) {
        if (cells[r].size() == 1)
            continue; // a title across the table
        const QString& cell = cells[r].value(column);
        if (!cell.isEmpty() && !isFigure(cell))
            return false;
        any |= !cell.isEmpty();
    }
    return any;
}

// What never splits across pages: a line of text, a reference, a table row, a figure with its
// caption. Its items are placed from its top at 0; the pages move them down to where it goes.
struct Piece {
    QList<MemoItem> items;
    double height = 0.0;
    double space = 0.0;     // above it, dropped where it starts a page
    int lines = 1;          // the lines it counts as for the keeps before it
    int keep = 0;           // the lines after it that go on its page with it
    bool newPage = false;   // it starts a page
    qsizetype heading = -1; // its table's heading row, repeated where the table goes on over
};

void moveDown(MemoText& text, double dy) {
    text.baseline.ry() += dy;
    text.box.translate(0, dy);
}
void moveDown(MemoFill& fill, double dy) {
    fill.rect.translate(0, dy);
}
void moveDown(MemoRule& rule, double dy) {
    rule.line.translate(0, dy);
}
void moveDown(MemoPicture& picture, double dy) {
    picture.rect.translate(0, dy);
}

// The blocks cut into pieces, each laid out as if on top of a page. Where a block may break
// is said by the pieces' keeps: a heading keeps the two lines after it, a table's heading row
// its first two rows, a text at least two lines on either side of a break, a table at least
// two rows on its last page; the last text before the end (or a new page) goes whole.
class MemoPieces {
public:
    MemoPieces(const MemoMeasures& measures, const MemoFrame& frame)
        : measures_(measures), frame_(frame), width_(frame.body.width()),
          pageHeight_(frame.body.height()) {}

    QList<Piece> run(const QList<MemoBlock>& blocks) {
        for (qsizetype k = 0; k < blocks.size(); ++k) {
            const bool last = k + 1 == blocks.size() || blocks[k + 1].kind == BlockKind::NewPage;
            place(blocks[k], last);
        }
        return pieces_;
    }

private:
    double millimetres(double mm) const { return frame_.millimetres(mm); }
    double spacing(MemoStyle style) const { return measures_.lineSpacing(style); }

    QStringList wrapped(MemoStyle style, const QString& content, double width) const {
        return wrapText(content, width,
                        [&](QStringView piece) { return measures_.advance(style, piece); });
    }

    MemoText text(MemoStyle style, const QPointF& baseline, const QString& content) const {
        const double ascent = measures_.ascent(style);
        const QRectF box(baseline.x(), baseline.y() - ascent, measures_.advance(style, content),
                         ascent + measures_.descent(style));
        return MemoText{style, baseline, content, box};
    }

    // A new piece, with the space that the blocks before left above it.
    Piece& start(double height, int lines = 1) {
        Piece piece;
        piece.height = height;
        piece.lines = lines;
        piece.space = space_;
        piece.newPage = newPage_;
        space_ = 0.0;
        newPage_ = false;
        pieces_.append(piece);
        return pieces_.last();
    }

    // The heading of the trial rows is bold in the rows' line spacing.
    static MemoStyle spacedAs(MemoStyle style) {
        return style == MemoStyle::RowsBold ? MemoStyle::Rows : style;
    }

    // The text's lines, no wider than the page, in one piece.
    Piece& together(MemoStyle style, const QString& content, double indent = 0) {
        const MemoStyle spaced = spacedAs(style);
        const QStringList pieceLines = wrapped(style, content, width_ - indent);
        Piece& piece = start(pieceLines.size() * spacing(spaced), int(pieceLines.size()));
        for (qsizetype k = 0; k < pieceLines.size(); ++k)
            piece.items << text(style,
                                QPointF(frame_.body.left() + indent,
                                        k * spacing(spaced) + measures_.ascent(spaced)),
                                pieceLines[k]);
        return piece;
    }

    // The text's lines a piece each, broken between pages with two lines at least on either
    // side; whole where it is the last before the end.
    void flowing(MemoStyle style, const QString& content, bool whole, double indent = 0) {
        const QStringList pieceLines = wrapped(style, content, width_ - indent);
        const int count = int(pieceLines.size());
        for (int k = 0; k < count; ++k) {
            Piece& piece = together(style, pieceLines[k], indent);
            if (whole)
                piece.keep = count - 1 - k;
            else if (count > 1 && (k == 0 || k == count - 2))
                piece.keep = 1;
        }
    }

    void heading(const QString& content) {
        const double height = spacing(MemoStyle::Heading);
        space_ += height * 0.6;
        together(MemoStyle::Heading, content).keep = 2; // not alone at the foot of a page
        space_ += height * 0.2;
    }

    // The name, value and unit of a quantity; a criterion, its limit, value and result.
    TableColumns sharedColumns(int columns) const {
        const QList<double> shares =
            columns == 4 ? QList<double>{0.34, 0.24, 0.24, 0.18} : QList<double>{0.62, 0.2, 0.18};
        TableColumns shared;
        for (qsizetype c = 0; c < columns; ++c) {
            shared.widths << width_ * shares.value(c);
            shared.figures << (c == 1 && columns == 3);
        }
        return shared;
    }

    // Any other table, of figures: each column as wide as its widest cell, the room left
    // shared among them, or all narrowed alike where they are too wide together.
    TableColumns measuredColumns(const QList<QStringList>& cells, int columns) const {
        TableColumns measured;
        measured.figureHeadings = true;
        double total = 0.0;
        for (qsizetype c = 0; c < columns; ++c) {
            double widest = 0.0;
            for (qsizetype r = 0; r < cells.size(); ++r) {
                if (cells[r].size() > 1)
                    widest = std::max(
                        widest, measures_.advance(r == 0 ? MemoStyle::TableBold : MemoStyle::Table,
                                                  cells[r].value(c)));
            }
            measured.widths << widest + millimetres(4);
            measured.figures << holdsFigures(cells, c);
            total += measured.widths.last();
        }
        const double spare = (width_ - total) / std::max(columns, 1);
        for (double& width : measured.widths)
            width = spare >= 0 ? width + spare : width * width_ / total;
        return measured;
    }

    TableColumns columnsOf(const QList<QStringList>& cells) const {
        const int columns = int(cells.value(0).size());
        return columns == 3 || columns == 4 ? sharedColumns(columns)
                                            : measuredColumns(cells, columns);
    }

    // The cells of one row as lines inside their columns.
    QList<CellLines> rowCells(const QStringList& cellRow, bool header,
                              const TableColumns& columns) const {
        const bool spanning = cellRow.size() == 1;
        QList<CellLines> cells;
        double x = frame_.body.left();
        for (qsizetype c = 0; c < cellRow.size(); ++c) {
            const double width = spanning ? width_ : columns.widths.value(c);
            CellLines cell;
            cell.style = header || spanning ? MemoStyle::TableBold : MemoStyle::Table;
            cell.alignRight =
                !spanning && columns.figures.value(c) && (!header || columns.figureHeadings);
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

    // Lines [from, to) of the row as a piece, shaded where it is the header or a title.
    void rowPiece(const QList<CellLines>& cells, bool shaded, int from, int to) {
        const double height = rowHeight(to - from);
        const QRectF band(frame_.body.left(), 0, width_, height);
        Piece& piece = start(height);
        if (shaded)
            piece.items << MemoFill{band};
        const MemoStyle table = MemoStyle::Table;
        const double first =
            (rowHeight(1) + measures_.ascent(table) - measures_.descent(table)) / 2;
        for (const CellLines& cell : cells) {
            for (int k = from; k < to && k < cell.lines.size(); ++k) {
                const QString& content = cell.lines[k];
                const double left = cell.alignRight ? cell.x + cell.width -
                                                          measures_.advance(cell.style, content) -
                                                          millimetres(2)
                                                    : cell.x + millimetres(1.5);
                piece.items << text(cell.style, QPointF(left, first + (k - from) * spacing(table)),
                                    content);
            }
        }
        piece.items << MemoRule{QLineF(band.bottomLeft(), band.bottomRight())};
    }

    // A row in one piece; a row taller than a page (less the heading row it may be repeated
    // under) in as many pieces as it needs, each a page full. The index of its first piece.
    qsizetype tableRow(const QList<CellLines>& cells, bool shaded, double room) {
        const qsizetype first = pieces_.size();
        const int total = lineCount(cells);
        int perPage = total;
        while (perPage > 1 && rowHeight(perPage) > room)
            --perPage;
        int from = 0;
        for (; total - from > perPage; from += perPage)
            rowPiece(cells, shaded, from, from + perPage);
        rowPiece(cells, shaded, from, total);
        return first;
    }

    void table(const QList<QStringList>& cells) {
        const TableColumns columns = columnsOf(cells);
        const qsizetype header = pieces_.size();
        double room = pageHeight_;
        for (qsizetype r = 0; r < cells.size(); ++r) {
            const bool title = cells[r].size() == 1;
            const qsizetype first = tableRow(rowCells(cells[r], r == 0, columns), r == 0 || title,
                                             r == 0 ? pageHeight_ : room);
            if (r == 0) {
                pieces_.last().keep = 2; // the header not alone at a foot
                room -= pieces_.last().height;
                continue;
            }
            for (qsizetype k = first; k < pieces_.size(); ++k)
                pieces_[k].heading = header;
            // A title keeps its first row; the row before the last, the last.
            pieces_.last().keep = (title || r == cells.size() - 2) ? 1 : 0;
        }
        space_ += spacing(MemoStyle::Table) * 0.5;
    }

    // The trial rows, their heading repeated on each page they go on over.
    void rows(const QStringList& rowLines) {
        const qsizetype header = pieces_.size();
        for (qsizetype k = 0; k < rowLines.size(); ++k) {
            Piece& row = together(k == 0 ? MemoStyle::RowsBold : MemoStyle::Rows, rowLines[k]);
            if (k == 0)
                row.keep = 2;
            else
                row.heading = header;
            if (k > 0 && k == rowLines.size() - 2)
                row.keep = 1;
        }
        space_ += spacing(MemoStyle::Rows) * 0.5;
    }

    // The picture and its caption in one piece. The picture is 0,55 of the width high: two of
    // them with their captions and a heading go on one page.
    void figure(const MemoBlock& block) {
        const double height = width_ * 0.55;
        const double body = spacing(MemoStyle::Body);
        const QStringList caption = wrapped(MemoStyle::Body, block.text, width_);
        const double captionTop = height + body * 0.3;
        Piece& piece = start(captionTop + caption.size() * body, 1 + int(caption.size()));
        piece.items << MemoPicture{QRectF(frame_.body.left(), 0, width_, height), block.figure};
        for (qsizetype k = 0; k < caption.size(); ++k)
            piece.items << text(MemoStyle::Body,
                                QPointF(frame_.body.left(),
                                        captionTop + k * body + measures_.ascent(MemoStyle::Body)),
                                caption[k]);
        space_ += body * 0.5;
    }

    void place(const MemoBlock& block, bool last) {
        switch (block.kind) {
        case BlockKind::Title:
            together(MemoStyle::Title, block.text);
            space_ += spacing(MemoStyle::Title) * 0.3;
            break;
        case BlockKind::Line:
            flowing(MemoStyle::Body, block.text, last);
            break;
        case BlockKind::Heading:
            heading(block.text);
            break;
        case BlockKind::Paragraph:
            flowing(MemoStyle::Body, block.text, last);
            space_ += spacing(MemoStyle::Body) * 0.3;
            break;
        case BlockKind::Reference:
            together(MemoStyle::Body, block.text);
            space_ += spacing(MemoStyle::Body) * 0.3;
            break;
        case BlockKind::Formula:
            flowing(MemoStyle::Body, block.text, last, millimetres(8));
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
            newPage_ = true;
            break;
        }
    }

    const MemoMeasures& measures_;
    MemoFrame frame_;
    double width_;
    double pageHeight_;
    QList<Piece> pieces_;
    double space_ = 0.0; // above the next piece
    bool newPage_ = false;
};

// The pieces down the pages: each on the page it starts on, where it and the lines it keeps
// fit, otherwise on the next.
class MemoPager {
public:
    MemoPager(const QList<Piece>& pieces, const MemoFrame& frame)
        : pieces_(pieces), top_(frame.body.top()), bottom_(frame.body.bottom()) {}

    QList<MemoPage> run() {
        pages_.append(MemoPage{});
        for (qsizetype k = 0; k < pieces_.size(); ++k) {
            const Piece& piece = pieces_[k];
            if ((piece.newPage || !fits(k)) && !fresh_)
                newPage();
            if (fresh_ && piece.heading >= 0)
                put(pieces_[piece.heading], top_);
            put(piece, fresh_ ? y_ : y_ + piece.space);
            fresh_ = false;
        }
        return pages_;
    }

private:
    // The first piece after the pieces from first on that must share its page: each takes
    // that many lines after it along.
    qsizetype keptUntil(qsizetype first) const {
        int owed = pieces_[first].keep;
        qsizetype end = first + 1;
        for (; owed > 0 && end < pieces_.size() && !pieces_[end].newPage; ++end)
            owed = std::max(owed - pieces_[end].lines, pieces_[end].keep);
        return end;
    }

    // Whether the piece fits below what is on the page, with the lines it keeps; where those
    // could not share even an empty page, the piece alone.
    bool fits(qsizetype k) const {
        double height = pieces_[k].height;
        const qsizetype end = keptUntil(k);
        double kept = height;
        for (qsizetype j = k + 1; j < end; ++j)
            kept += pieces_[j].space + pieces_[j].height;
        const double heading = pieces_[k].heading >= 0 ? pieces_[pieces_[k].heading].height : 0.0;
        if (kept + heading <= bottom_ - top_)
            height = kept;
        return y_ + pieces_[k].space + height <= bottom_;
    }

    void newPage() {
        pages_.append(MemoPage{});
        y_ = top_;
        fresh_ = true;
    }

    void put(const Piece& piece, double top) {
        for (MemoItem item : piece.items) {
            std::visit([top](auto& placed) { moveDown(placed, top); }, item);
            pages_.last().items.append(std::move(item));
        }
        y_ = top + piece.height;
    }

    const QList<Piece>& pieces_;
    double top_;
    double bottom_;
    QList<MemoPage> pages_;
    double y_ = top_;
    bool fresh_ = true; // nothing of the body on the page yet
};

// Each page's footer: footerText at the left, "Página N de M" at the right.
void addFooters(QList<MemoPage>& pages, const QString& footerText, const MemoMeasures& measures,
                const MemoFrame& frame) {
    const MemoStyle style = MemoStyle::Footer;
    const QRectF& body = frame.body;
    const double baseline = frame.footerBaseline();
    const double ascent = measures.ascent(style);
    const double height = ascent + measures.descent(style);
    for (qsizetype k = 0; k < pages.size(); ++k) {
        const QString numbering = QString::fromUtf8("Página %1 de %2").arg(k + 1).arg(pages.size());
        const double numberLeft = body.right() - measures.advance(style, numbering);
        pages[k].items.append(MemoText{
            style, QPointF(body.left(), baseline), footerText,
            QRectF(body.left(), baseline - ascent, measures.advance(style, footerText), height)});
        pages[k].items.append(
            MemoText{style, QPointF(numberLeft, baseline), numbering,
                     QRectF(numberLeft, baseline - ascent, body.right() - numberLeft, height)});
    }
}

} // namespace

QList<MemoPage> layOutMemo(const QList<MemoBlock>& blocks, const QString& footerText,
                           const MemoMeasures& measures, const MemoFrame& frame) {
    const QList<Piece> pieces = MemoPieces(measures, frame).run(blocks);
    QList<MemoPage> pages = MemoPager(pieces, frame).run();
    addFooters(pages, footerText, measures, frame);
    return pages;
}

} // namespace vazolar::reports
