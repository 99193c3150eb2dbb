#include "reports/glyph_line_painter.h"
#include "reports/report_printer.h"
#include "test_registry.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace vazolar::reports;

namespace {

// At 300 dpi, where 12 points are 50 pixels, unlike the 16 of a 96 dpi screen.
QImage blankImage() {
    constexpr int kDotsPerMetre = 11811;
    QImage image(2000, 150, QImage::Format_ARGB32);
    image.setDotsPerMeterX(kDotsPerMetre);
    image.setDotsPerMeterY(kDotsPerMetre);
    image.fill(Qt::white);
    return image;
}

} // namespace

class GlyphLinePainterTest : public QObject {
    Q_OBJECT

private slots:
    void drawsNumberLinesOnly_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("drawn");
        QTest::newRow("trial row") << "0,5000      1,0000      0,4330" << true;
        QTest::newRow("signs and groups") << "-1.234,5000   +2" << true;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("letters") << "Dados" << false;
        QTest::newRow("column heading") << " B(m)           y(m)" << false;
        QTest::newRow("accent") << "²" << false;
    }
    void drawsNumberLinesOnly() {
        QFETCH(QString, line);
        QFETCH(bool, drawn);
        const QImage image = blankImage();
        QCOMPARE(GlyphLinePainter(reportFont(), image).canDraw(line), drawn);
    }

    // The same pixels as drawText: same glyphs, same advances, same baseline.
    void drawsWhereDrawTextDraws_data() {
        QTest::addColumn<QString>("line");
        QTest::newRow("trapezoid row") << "0,5000      1,0000      0,4330      0,3248      1,5000";
        QTest::newRow("circle row") << "   0,8896           0,5904            0,2544";
        QTest::newRow("negative, grouped") << "-1.234,5000         -0,2500";
    }
    void drawsWhereDrawTextDraws() {
        QFETCH(QString, line);
        const QPointF baseline(10.5, 100.25);
        QImage shaped = blankImage();
        QPainter shapedPainter(&shaped);
        shapedPainter.setFont(reportFont());
        shapedPainter.drawText(baseline, line);
        shapedPainter.end();
        QImage fromGlyphs = blankImage();
        QPainter glyphPainter(&fromGlyphs);
        GlyphLinePainter(reportFont(), fromGlyphs).draw(glyphPainter, baseline, line);
        glyphPainter.end();
        QVERIFY(shaped != blankImage());
        QCOMPARE(fromGlyphs, shaped);
    }
};

VAZOLAR_TEST(GlyphLinePainterTest);
#include "tst_glyph_line_painter.moc"
