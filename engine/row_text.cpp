#include "row_text.h"

#include "number_text.h"
#include "shape_description.h"

namespace vazolar {

void appendRowText(QString& out, Shape shape, const SectionQuantities& quantities) {
    static const QString blanks(16, u' ');
    for (const ColumnDescription& column : describe(shape).columns) {
        out.append(QStringView(blanks).first(column.blanks));
        appendQuantity(out, quantities[column.quantity]);
    }
}

QString rowText(Shape shape, const SectionQuantities& quantities) {
    QString row;
    row.reserve(128);
    appendRowText(row, shape, quantities);
    return row;
}

} // namespace vazolar
