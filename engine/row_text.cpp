#include "row_text.h"

#include "number_text.h"

#include <array>

namespace vazolar {

namespace {

// Blanks before each column of a row: entry i goes before column i.
using Spacing = std::array<int, 8>;

const Spacing& spacingOf(Shape shape) {
    static const Spacing trapezoidal{0, 6, 6, 6, 6, 6, 6, 6};
    static const Spacing rectangular{0, 9, 9, 9, 9, 9, 9};
    static const Spacing triangular{0, 6, 6, 6, 6, 6, 6};
    static const Spacing circular{3, 11, 12, 11, 11};
    switch (shape) {
    case Shape::Trapezoidal:
        return trapezoidal;
    case Shape::Rectangular:
        return rectangular;
    case Shape::Triangular:
        return triangular;
    case Shape::Circular:
        return circular;
    }
    Q_UNREACHABLE();
    return circular;
}

} // namespace

void appendRowText(QString& out, Shape shape, const SectionQuantities& quantities) {
    static const QString blanks(16, u' ');
    const Spacing& spacing = spacingOf(shape);
    for (int i = 0; i < quantities.count; ++i) {
        out.append(QStringView(blanks).first(spacing[i]));
        appendQuantity(out, quantities.values[i]);
    }
}

QString rowText(Shape shape, const SectionQuantities& quantities) {
    QString row;
    row.reserve(128);
    appendRowText(row, shape, quantities);
    return row;
}

QStringList formattedQuantities(const SectionQuantities& quantities) {
    QStringList texts;
    for (int i = 0; i < quantities.count; ++i)
        texts << formatQuantity(quantities.values[i]);
    return texts;
}

} // namespace vazolar
