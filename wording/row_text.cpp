#include "row_text.h"

#include "quantity_names.h"
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

QString columnHeading(Shape shape, const std::vector<int>& blanks, HeadingNames names) {
    const std::vector<ColumnDescription>& columns = describe(shape).columns;
    QString heading;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const Quantity quantity = columns[i].quantity;
        const QString name = names == HeadingNames::Symbol ? symbolOf(quantity)
                                                           : QString::fromLatin1(columns[i].name);
        heading += QString(blanks.at(i), u' ') + name + u'(' + unitOf(quantity) + u')';
    }
    return heading;
}

QStringList columnCells(Shape shape, const SectionQuantities& quantities) {
    QStringList cells;
    for (const ColumnDescription& column : describe(shape).columns)
        cells << formatQuantity(quantities[column.quantity]);
    return cells;
}

} // namespace vazolar
