#include "shapes.h"
#include "test_registry.h"
#include "wording/shape_description.h"

#include <QTest>

using namespace vazolar;
using namespace vazolar::testing;

namespace {

bool hasColumn(const ShapeDescription& description, Quantity quantity) {
    for (const ColumnDescription& column : description.columns) {
        if (column.quantity == quantity)
            return true;
    }
    return false;
}

} // namespace

// What every shape's description must hold together: the windows, the reports and the command
// line look things up in it by shape, by field and by quantity.
class ShapeDescriptionTest : public QObject {
    Q_OBJECT

private slots:
    void holdsTogether_data() { addShapeRows(); }
    void holdsTogether() {
        QFETCH(Shape, shape);
        const ShapeDescription& description = describe(shape);
        QCOMPARE(description.shape, shape);
        // Trials step a quantity the rows show; the circle is sized directly.
        QCOMPARE(description.trialVariable.has_value(), isTrialShape(shape));
        QCOMPARE(hasField(shape, Field::Start), isTrialShape(shape));
        if (description.trialVariable)
            QVERIFY(hasColumn(description, *description.trialVariable));
        // The form reads the slope first; every shape has its n and its design discharge.
        QCOMPARE(description.fields.front().field, Field::Slope);
        QVERIFY(hasField(shape, Field::Roughness) && hasField(shape, Field::Discharge));
        QCOMPARE(fieldCaption(shape, Field::None), QString());
    }
};

VAZOLAR_TEST(ShapeDescriptionTest);
#include "tst_shape_description.moc"
