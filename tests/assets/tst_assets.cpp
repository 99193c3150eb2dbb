#include "test_registry.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTest>
#include <QXmlStreamReader>

namespace {

QString resourcePath(const QString& name) {
    return QStringLiteral(":/assets/") + name;
}

// The SVG renderer reports broken references and unreadable files as qt.svg warnings and
// otherwise carries on; collecting them turns a silently half-drawn picture into a failure.
QStringList svgWarnings;

void collectSvgWarnings(QtMsgType, const QMessageLogContext& context, const QString& message) {
    if (QByteArrayView(context.category) == "qt.svg")
        svgWarnings << message;
}

QImage render(const QString& name, QSize size) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(resourcePath(name));
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

// Text content of every <text> element, in document order.
QStringList texts(const QString& name) {
    QFile file(resourcePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("cannot open %1").arg(name)};
    QXmlStreamReader xml(&file);
    QStringList found;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"text")
            found << xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
    }
    if (xml.hasError())
        found << QStringLiteral("XML error: %1").arg(xml.errorString());
    return found;
}

struct Picture {
    const char* name;
    QSize size;
};

// Every picture of the program with the size its window lays it out at.
const Picture pictures[] = {
    {"splash.svg", {504, 339}},
    {"credits.svg", {573, 431}},
    {"chooser_trapezoidal.svg", {132, 70}},
    {"chooser_rectangular.svg", {132, 70}},
    {"chooser_triangular.svg", {132, 70}},
    {"chooser_circular.svg", {132, 70}},
    {"icon_new.svg", {16, 16}},
    {"icon_calculator.svg", {16, 16}},
    {"icon_save.svg", {16, 16}},
    {"icon_print.svg", {16, 16}},
    {"icon_table.svg", {16, 16}},
    {"circle.svg", {257, 232}},
    {"vazolar.svg", {64, 64}},
};

void addPictureRows() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    for (const Picture& p : pictures)
        QTest::newRow(p.name) << QString::fromLatin1(p.name) << p.size;
}

} // namespace

class AssetsTest : public QObject {
    Q_OBJECT

private slots:
    void loadsAtItsExactSize_data() { addPictureRows(); }
    void loadsAtItsExactSize() {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QVERIFY2(QFile::exists(resourcePath(name)), qPrintable(name));
        QSvgRenderer renderer(resourcePath(name));
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.defaultSize(), size);
        // One drawing unit per pixel, so that whole-pixel coordinates stay sharp.
        QCOMPARE(renderer.viewBoxF(), QRectF(QPointF(0, 0), QSizeF(size)));
    }

    void parsesWithoutWarnings_data() { addPictureRows(); }
    void parsesWithoutWarnings() {
        QFETCH(QString, name);
        svgWarnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(collectSvgWarnings);
        {
            QSvgRenderer renderer(resourcePath(name));
            QImage image(16, 16, QImage::Format_ARGB32);
            QPainter painter(&image);
            renderer.render(&painter);
        }
        qInstallMessageHandler(previous);
        QVERIFY2(svgWarnings.isEmpty(), qPrintable(svgWarnings.join(u'\n')));
    }

    // A picture compiled in but left out of the table above would go untested.
    void everyCompiledPictureIsListed() {
        QStringList expected;
        for (const Picture& p : pictures)
            expected << QString::fromLatin1(p.name);
        expected.sort();
        QStringList compiled = QDir(QStringLiteral(":/assets")).entryList(QDir::Files);
        compiled.sort();
        QCOMPARE(compiled, expected);
    }

    void pixelHasColour_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QColor>("colour");
        // Room for antialiasing: none inside a filled area, a lot on a one-pixel curve.
        QTest::addColumn<int>("tolerance");
        const int fill = 8, curve = 64;
        const QColor ground(0x00, 0xC0, 0x00);
        const QColor black(Qt::black), white(Qt::white), cyan(Qt::cyan);
        const QSize chooser(132, 70);
        const struct {
            const char* name;
            QPoint freeboard, water, bottom;
        } choosers[] = {
            {"chooser_trapezoidal.svg", {66, 13}, {66, 45}, {66, 62}},
            {"chooser_rectangular.svg", {66, 13}, {66, 45}, {66, 62}},
            {"chooser_triangular.svg", {66, 13}, {66, 40}, {66, 60}},
            {"chooser_circular.svg", {66, 10}, {66, 45}, {66, 64}},
        };
        for (const auto& c : choosers) {
            const QString name = QString::fromLatin1(c.name);
            QTest::addRow("%s ground", c.name)
                << name << chooser << QPoint(1, 68) << ground << fill;
            QTest::addRow("%s corner", c.name)
                << name << chooser << QPoint(131, 0) << ground << fill;
            QTest::addRow("%s freeboard", c.name)
                << name << chooser << c.freeboard << white << fill;
            QTest::addRow("%s water", c.name) << name << chooser << c.water << cyan << fill;
            QTest::addRow("%s outline", c.name) << name << chooser << c.bottom << black << curve;
        }
        // The circle fills the height: its outline touches the top and bottom rows.
        const QSize circle(257, 232);
        const QColor grey(0xC0, 0xC0, 0xC0);
        QTest::newRow("circle corner") << "circle.svg" << circle << QPoint(0, 0) << grey << fill;
        QTest::newRow("circle centre")
            << "circle.svg" << circle << QPoint(128, 116) << grey << fill;
        QTest::newRow("circle top") << "circle.svg" << circle << QPoint(128, 0) << black << curve;
        QTest::newRow("circle bottom")
            << "circle.svg" << circle << QPoint(128, 231) << black << curve;
        QTest::newRow("circle outside") << "circle.svg" << circle << QPoint(8, 116) << grey << fill;
        QTest::newRow("credits ground")
            << "credits.svg" << QSize(573, 431) << QPoint(5, 420) << white << fill;
        QTest::newRow("table header") << "icon_table.svg" << QSize(16, 16) << QPoint(8, 2)
                                      << QColor(0x00, 0x00, 0x80) << fill;
        QTest::newRow("table cell")
            << "icon_table.svg" << QSize(16, 16) << QPoint(3, 5) << white << fill;
        QTest::newRow("new sheet")
            << "icon_new.svg" << QSize(16, 16) << QPoint(7, 9) << white << fill;
    }
    void pixelHasColour() {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(QPoint, pixel);
        QFETCH(QColor, colour);
        QFETCH(int, tolerance);
        const QColor actual = render(name, size).pixelColor(pixel);
        const bool close = qAbs(actual.red() - colour.red()) <= tolerance &&
                           qAbs(actual.green() - colour.green()) <= tolerance &&
                           qAbs(actual.blue() - colour.blue()) <= tolerance &&
                           actual.alpha() == 255;
        QVERIFY2(close, qPrintable(QStringLiteral("%1 at (%2, %3) is %4, expected %5")
                                       .arg(name)
                                       .arg(pixel.x())
                                       .arg(pixel.y())
                                       .arg(actual.name(QColor::HexArgb), colour.name())));
    }

    // The sections are drawn about the vertical centre line of their picture, so a shifted
    // or lopsided drawing shows up against its own mirror image.
    void isSymmetric_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        for (const char* name : {"chooser_trapezoidal.svg", "chooser_rectangular.svg",
                                 "chooser_triangular.svg", "chooser_circular.svg"})
            QTest::newRow(name) << QString::fromLatin1(name) << QSize(132, 70);
        QTest::newRow("circle.svg") << "circle.svg" << QSize(257, 232);
    }
    void isSymmetric() {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QImage image = render(name, size);
        const QImage mirror = image.mirrored(true, false);
        int differing = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb a = image.pixel(x, y), b = mirror.pixel(x, y);
                const int difference =
                    qMax(qMax(qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b))),
                         qAbs(qBlue(a) - qBlue(b)));
                differing += difference > 48;
            }
        QCOMPARE(differing, 0);
    }

    // Toolbar icons are drawn on whole pixels: at 16 px only the few pixels of a diagonal
    // may be blended with the background. A stroke centred on a pixel edge blurs the whole
    // outline into half-transparent pixels.
    void iconIsCrisp_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"icon_new.svg", "icon_calculator.svg", "icon_save.svg",
                                 "icon_print.svg", "icon_table.svg"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void iconIsCrisp() {
        QFETCH(QString, name);
        const QImage image = render(name, QSize(16, 16));
        int blended = 0, opaque = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const int alpha = qAlpha(image.pixel(x, y));
                blended += alpha > 0 && alpha < 255;
                opaque += alpha == 255;
            }
        QVERIFY2(blended <= 12, qPrintable(QString::number(blended)));
        QVERIFY2(opaque >= 96, qPrintable(QString::number(opaque)));
    }

    void carriesItsTexts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("required");
        QTest::newRow("splash") << "splash.svg" << QStringList{"VAZOLAR", "versão 1.0"};
        QTest::newRow("credits")
            << "credits.svg"
            << QStringList{"VAZOLAR",       "versão 1.0", "Departamento de Engenharia Agrícola",
                           "Desenvolvedor", "Orientador", "Co-orientador"};
    }
    void carriesItsTexts() {
        QFETCH(QString, name);
        QFETCH(QStringList, required);
        const QStringList found = texts(name);
        for (const QString& text : required)
            QVERIFY2(found.contains(text),
                     qPrintable(text + QStringLiteral(" not in ") + found.join(u'|')));
    }

    // The people named in the pictures are made up; their addresses must not reach anyone.
    void addressesAreExamples_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("count");
        for (const Picture& p : pictures)
            QTest::newRow(p.name) << QString::fromLatin1(p.name)
                                  << (QByteArrayView(p.name) == "credits.svg" ? 3 : 0);
    }
    void addressesAreExamples() {
        QFETCH(QString, name);
        QFETCH(int, count);
        static const QRegularExpression example(QStringLiteral("^[a-z.]+@example\\.org$"));
        int addresses = 0;
        for (const QString& text : texts(name)) {
            if (!text.contains(u'@'))
                continue;
            ++addresses;
            QVERIFY2(example.match(text).hasMatch(), qPrintable(text));
        }
        QCOMPARE(addresses, count);
    }
};

VAZOLAR_TEST(AssetsTest);
#include "tst_assets.moc"
