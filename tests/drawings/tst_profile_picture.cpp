#include "drawings/picture_style.h"
#include "drawings/profile_frame.h"
#include "drawings/profile_picture.h"
#include "reach_profiles.h"
#include "test_registry.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <cmath>

using namespace vazolar;
using namespace vazolar::drawings;
using namespace vazolar::testing;

Q_DECLARE_METATYPE(vazolar::testing::ReachProfile)

namespace {

// 3 m long and 1,5 m deep: not even one scale for both fits a wide picture, the reach narrows.
ReachProfile shortDeepReach() {
    return trapezoidReach(0.1, 1.5, 3, 0.5, 2.0);
}

ProfileFrame frameIn(const QRectF& bounds, const ReachProfile& reach) {
    const QImage device(1, 1, QImage::Format_RGB32);
    return profileFrame(profileDrawing(reach.inputs, reach.profile), bounds,
                        QFontMetricsF(pictureFont(), &device));
}

// The factor as the picture states it: "escala vertical exagerada 1.000×" is 1000.
double statedFactor(QString text) {
    if (text == "escala vertical sem exagero")
        return 1.0;
    return text.remove("escala vertical exagerada ").remove(u'×').remove(u'.').toDouble();
}

// The first and last rows of the column painted in the water surface's colour.
std::pair<int, int> surfaceRows(const QImage& image, int column) {
    std::pair<int, int> rows{-1, -1};
    for (int y = 0; y < image.height(); ++y) {
        const QRgb pixel = image.pixel(column, y);
        if (std::abs(qRed(pixel) - kWaterEdge.red()) +
                std::abs(qGreen(pixel) - kWaterEdge.green()) +
                std::abs(qBlue(pixel) - kWaterEdge.blue()) <
            60)
            rows = {rows.first < 0 ? y : rows.first, y};
    }
    return rows;
}

} // namespace

class ProfilePictureTest : public QObject {
    Q_OBJECT

private slots:
    void frame_data() {
        QTest::addColumn<ReachProfile>("reach");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("computedUpstream");
        const std::tuple<const char*, ReachProfile, bool> reaches[] = {
            {"M1", mildBackwater(), true},
            {"S1", steepJump(), true},
            {"S2", steepDrawdown(), false},
            {"short", shortDeepReach(), true}};
        for (const auto& [name, reach, upstream] : reaches) {
            QTest::addRow("%s, window", name) << reach << QSize(900, 320) << upstream;
            QTest::addRow("%s, tall", name) << reach << QSize(360, 520) << upstream;
            QTest::addRow("%s, memo page", name) << reach << QSize(4016, 2209) << upstream;
        }
    }
    // The factor stated is the vertical scale over the one along the reach on the device, a
    // round factor, and the whole profile lies inside the area with it. Upstream is on the left
    // whichever way the profile was computed: the control on the right of a profile computed
    // upstream, on the left of one computed downstream, the bed falling to the right.
    void frame() {
        QFETCH(ReachProfile, reach);
        QFETCH(QSize, size);
        QFETCH(bool, computedUpstream);
        const ProfileFrame frame = frameIn(QRectF(QPointF(), size), reach);
        const double along = std::abs(frame.toDevice({1, 0}).x() - frame.toDevice({0, 0}).x());
        const double up = frame.toDevice({0, 0}).y() - frame.toDevice({0, 1}).y();
        const double stated = statedFactor(exaggerationText(frame.exaggeration));
        QVERIFY2(std::abs(up / along / stated - 1) < 1e-9,
                 qPrintable(QString("%1 stated, %2 drawn").arg(stated).arg(up / along)));
        const double mantissa = stated / std::pow(10.0, std::floor(std::log10(stated) + 1e-12));
        QVERIFY2(mantissa == 1 || mantissa == 2 || mantissa == 5,
                 qPrintable(QString::number(stated)));

        const ProfileDrawing drawing = profileDrawing(reach.inputs, reach.profile);
        const QRectF room = frame.area.adjusted(-0.5, -0.5, 0.5, 0.5);
        for (const QPointF& point : drawing.surface + drawing.levelLine(0.0) +
                                        drawing.levelLine(drawing.criticalDepth) +
                                        drawing.levelLine(drawing.topHeight))
            QVERIFY2(room.contains(frame.toDevice(point)),
                     qPrintable(QString("x %1, z %2").arg(point.x()).arg(point.y())));

        const QPointF control = frame.toDevice(drawing.levelLine(0.0).first());
        const QPointF end = frame.toDevice(drawing.levelLine(0.0).last());
        QCOMPARE(control.x() > end.x(), computedUpstream);
        QCOMPARE(control.y() > end.y(), computedUpstream); // lower on the right
    }

    // The jump is a vertical step of the painted surface at its x, from y2 down to yn.
    void jumpIsAStepAtItsX() {
        const ReachProfile reach = steepJump();
        QImage image(900, 320, QImage::Format_RGB32);
        QPainter painter(&image);
        paintProfilePicture(painter, QRectF(image.rect()), reach.inputs, reach.profile);
        const ProfileFrame frame = frameIn(QRectF(image.rect()), reach);
        const HydraulicJump& jump = *reach.profile.jump;
        const double bed = profileDrawing(reach.inputs, reach.profile).bedAt(jump.x);
        const QPointF top = frame.toDevice({jump.x, bed + jump.sequentDepth});
        const QPointF foot = frame.toDevice({jump.x, bed + jump.upstreamDepth});
        const auto [first, last] = surfaceRows(image, int(top.x()));
        QVERIFY(std::abs(first - top.y()) <= 2 && std::abs(last - foot.y()) <= 2);
        for (const int aside : {int(top.x()) - 5, int(top.x()) + 6}) {
            const auto [from, to] = surfaceRows(image, aside);
            QVERIFY2(to - from <= 4, qPrintable(QString::number(aside)));
        }
    }

    // However small the rectangle, the picture is painted in it and nothing outside it.
    void paintsOnlyInsideItsRectangle_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("tiny") << QSize(6, 4);
        QTest::newRow("thumbnail") << QSize(120, 90);
        QTest::newRow("window") << QSize(900, 320);
    }
    void paintsOnlyInsideItsRectangle() {
        QFETCH(QSize, size);
        const QRgb ground = qRgb(255, 0, 255);
        QImage image(size + QSize(60, 60), QImage::Format_RGB32);
        image.fill(ground);
        const QRect inside(QPoint(20, 30), size);
        {
            QPainter painter(&image);
            const ReachProfile reach = mildBackwater();
            paintProfilePicture(painter, inside, reach.inputs, reach.profile);
        }
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                QVERIFY2(inside.contains(x, y) != (image.pixel(x, y) == ground),
                         qPrintable(QString("%1, %2").arg(x).arg(y)));
        }
    }
};

VAZOLAR_TEST(ProfilePictureTest);
#include "tst_profile_picture.moc"
