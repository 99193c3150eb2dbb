#include "form_driver.h"
#include "shapes.h"
#include "test_registry.h"

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QTest>

using namespace vazolar;
using namespace vazolar::testing;

namespace {

// The ground of the data group, the drawing and the roughness panel.
const QColor kGroupGround(0xC0, 0xC0, 0xC0);

// Points just inside a group's frame, on its left, right and bottom sides, where no control
// lies: the first ring inside the outline and one a little further in.
QList<QPoint> insideFrame(const QGroupBox* group) {
    const int right = group->width() - 1;
    const int bottom = group->height() - 1;
    const int middleX = group->width() / 2;
    const int middleY = group->height() / 2;
    return {{2, middleY},         {4, middleY},           {right - 2, middleY},
            {right - 4, middleY}, {middleX, bottom - 2},  {middleX, bottom - 4},
            {2, bottom - 2},      {right - 2, bottom - 2}};
}

// The corners of a label, one pixel in: its ground, away from its centred text.
QList<QPoint> cornersOf(const QWidget* label) {
    const QRect inner = label->rect().adjusted(1, 1, -2, -2);
    return {inner.topLeft(), inner.topRight(), inner.bottomLeft(), inner.bottomRight()};
}

// Those corners of a label that no other control covers.
QList<QPoint> cornersShownOf(const QWidget& form, const QWidget* label) {
    QList<QPoint> shown;
    for (const QPoint& corner : cornersOf(label)) {
        if (form.childAt(label->mapTo(&form, corner)) == label)
            shown << corner;
    }
    return shown;
}

// The form as drawn, with the roughness panel open.
QImage drawnWithPanelOpen(OpenForm& open) {
    open.ui.click("cmbtabelan");
    return open.form.grab().toImage();
}

QString failureAt(const QWidget* widget, QPoint point, const QColor& found) {
    return QStringLiteral("%1 at (%2, %3) of %4, expected %5")
        .arg(found.name(), QString::number(point.x()), QString::number(point.y()),
             widget->objectName(), kGroupGround.name());
}

} // namespace

// Inside every group box the ground is the group's own colour, and the caption labels on it
// cannot be told from it apart from their text.
class GroupColoursTest : public QObject {
    Q_OBJECT

private slots:
    void insideOfEveryGroup_data() {
        QTest::addColumn<Shape>("shape");
        QTest::addColumn<QString>("group");
        for (Shape shape : kAllShapes) {
            for (const char* group : {"framedados", "Frame1", "Framen"})
                QTest::addRow("%s %s", qPrintable(shapeName(shape)), group)
                    << shape << QString(group);
        }
    }
    void insideOfEveryGroup() {
        QFETCH(Shape, shape);
        QFETCH(QString, group);
        OpenForm open(shape);
        const QImage drawn = drawnWithPanelOpen(open);
        const auto* box = open.ui.get<QGroupBox>(group);
        QVERIFY(box->isVisible());
        for (const QPoint& point : insideFrame(box)) {
            const QColor found = drawn.pixelColor(box->mapTo(&open.form, point));
            QVERIFY2(found == kGroupGround, qPrintable(failureAt(box, point, found)));
        }
    }

    void captionLabelsOnTheDataGroup_data() { addShapeRows(); }
    void captionLabelsOnTheDataGroup() {
        QFETCH(Shape, shape);
        OpenForm open(shape);
        const QImage drawn = drawnWithPanelOpen(open);
        const QList<QLabel*> captions = open.form.findChildren<QLabel*>("Label1");
        QVERIFY(!captions.isEmpty());
        for (const QLabel* caption : captions) {
            // The table button covers a corner of the caption of n.
            const QList<QPoint> uncovered = cornersShownOf(open.form, caption);
            QVERIFY(uncovered.size() >= 2);
            for (const QPoint& point : uncovered) {
                const QColor found = drawn.pixelColor(caption->mapTo(&open.form, point));
                QVERIFY2(found == kGroupGround, qPrintable(failureAt(caption, point, found)));
            }
        }
    }

    // The circle behind the circular drawing is painted on the same ground.
    void groundOfTheCirclePicture() {
        OpenForm open(Shape::Circular);
        const QImage drawn = open.form.grab().toImage();
        const auto* picture = open.ui.get<QLabel>("Image1");
        for (const QPoint& point : cornersOf(picture)) {
            const QColor found = drawn.pixelColor(picture->mapTo(&open.form, point));
            QVERIFY2(found == kGroupGround, qPrintable(failureAt(picture, point, found)));
        }
    }
};

VAZOLAR_TEST(GroupColoursTest);
#include "tst_group_colours.moc"
