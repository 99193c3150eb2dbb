#include "drawings/picture_file.h"
#include "drawings/picture_style.h"
#include "drawings/profile_frame.h"
#include "drawings/profile_picture.h"
#include "reach_profiles.h"
#include "test_registry.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTest>

#include <cmath>

using namespace vazolar;
using namespace vazolar::drawings;
using namespace vazolar::testing;

Q_DECLARE_METATYPE(vazolar::testing::ReachProfile)

namespace {

// A reach only 3 m long and 1,5 m deep: even the same scale up and along does not fit a wide
// picture, which then narrows the reach.
ReachProfile shortDeepReach() {
    return trapezoidReach(0.1, 1.5, 3, 0.5, 2.0);
}

ProfileFrame frameIn(const QRectF& bounds, const ReachProfile& reach) {
    const QImage device(1, 1, QImage::Format_RGB32);
    return profileFrame(profileDrawing(reach.inputs, reach.profile), bounds,
                        QFontMetricsF(pictureFont(), &device));
}

QImage rendered(QSize size, const ReachProfile& reach) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintProfilePicture(painter, QRectF(image.rect()), reach.inputs, reach.profile);
    return image;
}

// The factor as the picture states it: "escala vertical exagerada 1.000×" is 1000.
double statedFactor(QString text) {
    if (text == "escala vertical sem exagero")
        return 1.0;
    return text.remove("escala vertical exagerada ").remove(u'×').remove(u'.').toDouble();
}

bool isSurface(QRgb pixel) {
    return std::abs(qRed(pixel) - kWaterEdge.red()) + std::abs(qGreen(pixel) - kWaterEdge.green()) +
               std::abs(qBlue(pixel) - kWaterEdge.blue()) <
           60;
}

// How many rows apart the first and last surface pixels of the column lie.
int surfaceSpan(const QImage& image, int column, int* first = nullptr) {
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        if (isSurface(image.pixel(column, y))) {
            top = top < 0 ? y : top;
            bottom = y;
        }
    }
    if (first)
        *first = top;
    return top < 0 ? 0 : bottom - top;
}

} // namespace

class ProfilePictureTest : public QObject {
    Q_OBJECT

private slots:
    void statedExaggerationIsTrue_data() {
        QTest::addColumn<ReachProfile>("reach");
        QTest::addColumn<QSize>("size");
        const std::pair<const char*, ReachProfile> reaches[] = {{"M1", mildBackwater()},
                                                                {"S1", steepJump()},
                                                                {"S2", steepDrawdown()},
                                                                {"short", shortDeepReach()}};
        for (const auto& [name, reach] : reaches) {
            QTest::addRow("%s, window", name) << reach << QSize(900, 320);
            QTest::addRow("%s, tall", name) << reach << QSize(360, 520);
            QTest::addRow("%s, memo page", name) << reach << QSize(4016, 2209);
        }
    }
    // The factor stated is the vertical scale over the one along the reach on the device, a
    // round factor, and the whole profile lies inside the area with it.
    void statedExaggerationIsTrue() {
        QFETCH(ReachProfile, reach);
        QFETCH(QSize, size);
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
        const QPolygonF drawn = drawing.surface + drawing.levelLine(0.0) +
                                drawing.levelLine(drawing.criticalDepth) +
                                drawing.levelLine(drawing.topHeight);
        const QRectF room = frame.area.adjusted(-0.5, -0.5, 0.5, 0.5);
        for (const QPointF& point : drawn)
            QVERIFY2(room.contains(frame.toDevice(point)),
                     qPrintable(QString("x %1, z %2").arg(point.x()).arg(point.y())));
    }

    // Upstream on the left, the water flowing to the right, whichever way the profile was
    // computed: the control on the right of a profile computed upstream, on the left of one
    // computed downstream, and the bed falling to the right.
    void upstreamOnTheLeft_data() {
        QTest::addColumn<ReachProfile>("reach");
        QTest::addColumn<bool>("controlOnTheRight");
        QTest::newRow("M1, computed upstream") << mildBackwater() << true;
        QTest::newRow("S1, computed upstream") << steepJump() << true;
        QTest::newRow("S2, computed downstream") << steepDrawdown() << false;
    }
    void upstreamOnTheLeft() {
        QFETCH(ReachProfile, reach);
        QFETCH(bool, controlOnTheRight);
        const ProfileFrame frame = frameIn(QRectF(0, 0, 900, 320), reach);
        const ProfileDrawing drawing = profileDrawing(reach.inputs, reach.profile);
        const QPolygonF bed = drawing.levelLine(0.0);
        const QPointF control = frame.toDevice(bed.first());
        const QPointF end = frame.toDevice(bed.last());
        QCOMPARE(control.x() > end.x(), controlOnTheRight);
        QCOMPARE(control.y() > end.y(), controlOnTheRight); // lower on the right
    }

    // The jump is a vertical step of the painted surface at its x, from y2 down to yn.
    void jumpIsAStepAtItsX() {
        const ReachProfile reach = steepJump();
        const QImage image = rendered(QSize(900, 320), reach);
        const ProfileFrame frame = frameIn(QRectF(image.rect()), reach);
        const HydraulicJump& jump = *reach.profile.jump;
        const double bed = profileDrawing(reach.inputs, reach.profile).bedAt(jump.x);
        const QPointF top = frame.toDevice({jump.x, bed + jump.sequentDepth});
        const QPointF foot = frame.toDevice({jump.x, bed + jump.upstreamDepth});
        int first = -1;
        const int column = int(top.x());
        const int span =
            std::max(surfaceSpan(image, column, &first), surfaceSpan(image, column + 1, &first));
        QVERIFY2(span >= foot.y() - top.y() - 2,
                 qPrintable(QString("%1 rows of %2").arg(span).arg(foot.y() - top.y())));
        QVERIFY(std::abs(first - top.y()) <= 2);
        for (const int aside : {column - 5, column + 6})
            QVERIFY2(surfaceSpan(image, aside) <= 4, qPrintable(QString::number(aside)));
    }

    // However small the rectangle, nothing is painted outside it.
    void paintsOnlyInsideItsRectangle_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("tiny") << QSize(6, 4);
        QTest::newRow("thumbnail") << QSize(120, 90);
        QTest::newRow("window") << QSize(900, 320);
    }
    void paintsOnlyInsideItsRectangle() {
        QFETCH(QSize, size);
        const QColor ground(Qt::magenta);
        QImage image(size + QSize(60, 60), QImage::Format_RGB32);
        image.fill(ground);
        const QRect inside(QPoint(20, 30), size);
        {
            QPainter painter(&image);
            const ReachProfile reach = mildBackwater();
            paintProfilePicture(painter, inside, reach.inputs, reach.profile);
        }
        bool paintedInside = false;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const bool untouched = image.pixel(x, y) == ground.rgb();
                if (!inside.contains(x, y))
                    QVERIFY2(untouched, qPrintable(QString("%1, %2").arg(x).arg(y)));
                paintedInside |= inside.contains(x, y) && !untouched;
            }
        }
        QVERIFY(paintedInside);
    }

    // On a PDF page and in an SVG document, with the picture's words as text.
    void vectorDevices() {
        const ReachProfile reach = steepJump();
        const PicturePainter paint = [&](QPainter& painter, const QRectF& bounds) {
            paintProfilePicture(painter, bounds, reach.inputs, reach.profile);
        };
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter pdf(&buffer);
            QPainter painter(&pdf);
            paint(painter, QRectF(0, 0, pdf.width(), pdf.height() / 2.0));
        }
        QVERIFY(buffer.data().startsWith("%PDF"));
        const QString svg = QString::fromUtf8(pictureSvg(paint, QSize(900, 320), "perfil"));
        for (const char* word : {"montante", "jusante", "controle", "ressalto", "fundo",
                                 "escala vertical exagerada 10×"})
            QVERIFY2(svg.contains(QString::fromUtf8(word)), word);
    }
};

VAZOLAR_TEST(ProfilePictureTest);
#include "tst_profile_picture.moc"
