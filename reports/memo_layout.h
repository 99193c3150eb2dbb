#pragma once

#include "memo_content.h"
#include "page_units.h"

#include <QLineF>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringView>

#include <variant>

// Where every text, shading, rule and picture of the calculation memo goes on its A4 pages:
// the blocks flowed down the pages, long texts wrapped inside their room. No painting here:
// the sizes of the texts come from a MemoMeasures.
namespace vazolar::reports {

// The memo's type styles; memo_fonts.h says which font each one is.
enum class MemoStyle { Title, Heading, Body, Table, TableBold, Rows, RowsBold, Footer };

// How wide a text is in a style, and the style's vertical measures, in page units.
class MemoMeasures {
public:
    virtual ~MemoMeasures() = default;
    virtual double advance(MemoStyle style, QStringView text) const = 0;
    virtual double ascent(MemoStyle style) const = 0;
    virtual double descent(MemoStyle style) const = 0;
    virtual double lineSpacing(MemoStyle style) const = 0;
};

struct MemoText {
    MemoStyle style = MemoStyle::Body;
    QPointF baseline; // where the line starts
    QString text;
    QRectF box; // from the ascent to the descent, as wide as the text
};

struct MemoFill {
    QRectF rect; // a shaded table row
};

struct MemoRule {
    QLineF line; // the rule under a table row
};

struct MemoPicture {
    QRectF rect;
    MemoFigure figure = MemoFigure::Section;
};

using MemoItem = std::variant<MemoText, MemoFill, MemoRule, MemoPicture>;

// A page's items in the order they are painted; its footer last.
struct MemoPage {
    QList<MemoItem> items;
};

// The page in page units: the room of the blocks (inside the margins), and the footer's line
// in the bottom margin.
struct MemoFrame {
    QRectF body;
    double unitsPerInch = 600.0;
    double millimetres(double mm) const { return mm * unitsPerInch / kMillimetresPerInch; }
    double footerBaseline() const { return body.bottom() + millimetres(10); }
};

// The blocks on pages, each page with its footer: footerText at the left, "Página N de M" at
// the right. A heading goes with the two lines after it, a table's heading row with its first
// two rows and again at the top of each page the table goes on over; a reference, a table row
// and a figure with its caption are never broken (a row taller than a page is, page by page); a
// text leaves two lines at least on either side of a break, a table two rows at least on its
// last page, and the last text before the end goes whole.
QList<MemoPage> layOutMemo(const QList<MemoBlock>& blocks, const QString& footerText,
                           const MemoMeasures& measures, const MemoFrame& frame);

} // namespace vazolar::reports
