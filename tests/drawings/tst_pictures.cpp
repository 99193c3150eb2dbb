#include "drawings/adopted_pictures.h"
#include "drawings/picture_style.h"
#include "drawings/plot_painter.h"
#include "drawings/section_painter.h"
#include "field_names.h"
#include "test_registry.h"
#include "wording/adopted_request.h"
#include "wording/adopted_verification.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <cmath>

using namespace vazolar;
using namespace vazolar::drawings;

namespace {

// The sections of the adopted-section reference table (I 0,1 %, n 0,015, Q 0,5 m³/s).
AdoptedResult referenceSection(const QString& name) {
    AdoptedRequest request{.slope = "0,1", .roughness = "0,015", .discharge = "0,5"};
    if (name == "trapezoidal") {
        request.angle = "30";
        request.bottomWidth = "0,70";
    } else if (name == "retangular") {
        request.shape = Shape::Rectangular;
        request.width = "1,10";
        request.freeboard = {FreeboardRule::DepthShare, "20"};
    } else if (name == "triangular") {
        request.shape = Shape::Triangular;
        request.freeboard = {FreeboardRule::BankHeight, "1,00"};
    } else {
        request.shape = Shape::Circular;
        request.diameter = "0,90";
    }
    const Outcome<AdoptedResult> result =
        verifyAdoptedSection(request, testing::testFieldNames(request.shape));
    if (!result)
        qFatal("%s", qPrintable(result.message()));
    return result.value();
}

// Water, its surface line and their antialiased edges: clearly bluer than red. Nothing else in
// the pictures is.
bool isWater(QRgb pixel) {
    return qBlue(pixel) - qRed(pixel) > 30;
}

bool isColour(QRgb pixel, const QColor& colour, int tolerance = 60) {
    return std::abs(qRed(pixel) - colour.red()) + std::abs(qGreen(pixel) - colour.green()) +
               std::abs(qBlue(pixel) - colour.blue()) <
           tolerance;
}

// The rows of the image that hold a pixel of the colour, and how many each holds.
struct Rows {
    int first = -1;
    int last = -1;
    int widest = 0;
};
template <typename Test> Rows rowsWhere(const QImage& image, const Test& test) {
    Rows rows;
    for (int y = 0; y < image.height(); ++y) {
        int count = 0;
        for (int x = 0; x < image.width(); ++x)
            count += test(image.pixel(x, y));
        if (count > 0) {
            rows.first = rows.first < 0 ? y : rows.first;
            rows.last = y;
            rows.widest = std::max(rows.widest, count);
        }
    }
    return rows;
}

// The picture painted by `paint` into an image of the size.
template <typename Paint> QImage rendered(QSize size, const Paint& paint) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter, QRectF(image.rect()));
    return image;
}

QImage renderedPlot(QSize size, const PlotPicture& plot) {
    return rendered(
        size, [&](QPainter& painter, const QRectF& bounds) { paintPlot(painter, bounds, plot); });
}

} // namespace

// The pictures, rendered to images and read back as a user would look at them.
class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void shapes_data() {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QSize>("size");
        for (const char* shape : {"trapezoidal", "retangular", "triangular", "circular"}) {
            QTest::addRow("%s, wide", shape) << shape << QSize(900, 320);
            QTest::addRow("%s, tall", shape) << shape << QSize(360, 520);
        }
    }

    // The water fills the section from the bed to yn, and the bank line stands at H, on one
    // scale across and down: the widest water row is the widest top width to the same scale.
    void sectionToScale_data() { shapes_data(); }
    void sectionToScale() {
        QFETCH(QString, shape);
        QFETCH(QSize, size);
        const AdoptedResult result = referenceSection(shape);
        const SectionPicture picture = sectionPicture(result);
        const QImage image = rendered(size, [&](QPainter& painter, const QRectF& bounds) {
            paintSection(painter, bounds, picture);
        });

        const SectionFrame frame =
            sectionFrame(picture, image.rect(), QFontMetricsF(pictureFont(), &image));
        const Rows water = rowsWhere(image, isWater);
        const double surface = frame.toDevice({0, result.depth}).y();
        QVERIFY2(std::abs(water.first + 0.5 - surface) <= 1.0,
                 qPrintable(QString("surface at row %1, yn at %2").arg(water.first).arg(surface)));
        const double widestTop =
            flowGeometry(result.inputs.section,
                         shape == "circular" && result.depth > 0.45 ? 0.45 : result.depth)
                .topWidth;
        // The lining's 1,5-point stroke covers half its width of the water on either side.
        const double lining = 1.5 * image.logicalDpiY() / 72;
        QVERIFY2(std::abs(water.widest + lining - widestTop * frame.scale) <= 1.5,
                 qPrintable(QString("%1 %2").arg(water.widest).arg(widestTop * frame.scale)));
        if (result.bank) {
            const Rows bank =
                rowsWhere(image, [](QRgb pixel) { return isColour(pixel, kBank, 90); });
            const double bankRow = frame.toDevice({0, result.bank->bankHeight}).y();
            QVERIFY(std::abs(bank.first - bankRow) <= 1.0 || std::abs(bank.last - bankRow) <= 1.0);
        }
    }

    // The working point sits on the rating curve: the curve passes through the ring's centre.
    void designPointOnRatingCurve_data() { shapes_data(); }
    void designPointOnRatingCurve() {
        QFETCH(QString, shape);
        QFETCH(QSize, size);
        const AdoptedResult result = referenceSection(shape);
        const PlotPicture plot = ratingCurve(result);
        const QImage image = renderedPlot(size, plot);

        const PlotFrame frame = plotFrame(plot, image.rect(), QFontMetricsF(pictureFont(), &image));
        const QPoint centre = frame.toDevice({result.discharge, result.depth}).toPoint();
        bool onCurve = false;
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                onCurve |= isColour(image.pixel(centre + QPoint(dx, dy)), kWaterEdge, 120);
        QVERIFY(onCurve);
    }

    // The energy curve is least at yc: its leftmost pixels lie around the critical depth's row
    // (the curve is not symmetric about its least energy, hence two pixels).
    void leastEnergyAtCriticalDepth_data() { shapes_data(); }
    void leastEnergyAtCriticalDepth() {
        QFETCH(QString, shape);
        QFETCH(QSize, size);
        const AdoptedResult result = referenceSection(shape);
        const PlotPicture plot = energyCurve(result);
        const QImage image = renderedPlot(size, plot);

        int leftmost = image.width();
        double rowSum = 0;
        int rowCount = 0;
        for (int x = 0; x < image.width() && leftmost == image.width(); ++x) {
            for (int y = 0; y < image.height(); ++y) {
                if (isColour(image.pixel(x, y), kWaterEdge, 40)) {
                    leftmost = x;
                    rowSum += y;
                    ++rowCount;
                }
            }
        }
        const PlotFrame frame = plotFrame(plot, image.rect(), QFontMetricsF(pictureFont(), &image));
        const double critical = frame.toDevice({0, *result.flow.criticalDepth}).y();
        QVERIFY2(
            std::abs(rowSum / rowCount - critical) <= 2.0,
            qPrintable(
                QString("least energy at row %1, yc at %2").arg(rowSum / rowCount).arg(critical)));
    }

    // Ticks on round numbers, labelled with the decimal comma.
    void roundTicks_data() {
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("metres") << 0.0 << 1.0441 << QStringList{"0,0", "0,5", "1,0", "1,5"};
        QTest::newRow("discharge")
            << 0.0 << 0.3898 << QStringList{"0,0", "0,1", "0,2", "0,3", "0,4"};
        QTest::newRow("energy") << 0.0 << 2.51 << QStringList{"0", "1", "2", "3"};
        QTest::newRow("large") << 0.0 << 1234.0 << QStringList{"0", "500", "1.000", "1.500"};
        QTest::newRow("away from zero")
            << 0.73 << 0.91 << QStringList{"0,70", "0,75", "0,80", "0,85", "0,90", "0,95"};
        QTest::newRow("empty range")
            << 0.0 << 0.0 << QStringList{"0,0", "0,2", "0,4", "0,6", "0,8", "1,0"};
    }
    void roundTicks() {
        QFETCH(double, low);
        QFETCH(double, high);
        QFETCH(QStringList, labels);
        const AxisScale scale = roundScale(low, high);
        QStringList shown;
        for (const double tick : scale.ticks())
            shown << scale.label(tick);
        QCOMPARE(shown, labels);
    }
};

VAZOLAR_TEST(PicturesTest);
#include "tst_pictures.moc"
