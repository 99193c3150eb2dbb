#include "forms/window_arrangement.h"
#include "forms/window_placement.h"
#include "test_registry.h"

#include <QTest>

using namespace vazolar;

namespace {

// A form of the program's size (927 × 660 and its frame), centred on the screen.
QRect centredForm(const QRect& screen) {
    QRect form(0, 0, 929, 690);
    form.moveCenter(screen.center());
    return form;
}

qint64 area(const QRect& rect) {
    return rect.isEmpty() ? 0 : qint64(rect.width()) * rect.height();
}

// The trial list sits in the form's lower left.
QRect trialList(const QRect& form) {
    return QRect(form.left() + 20, form.top() + 330, 600, 300);
}

// The adopted-section window's needs, as measured on the trapezoid with every limit typed.
ArrangementNeeds adoptedNeeds() {
    return {.columnsLeast = QSize(1090, 660),
            .columnsPreferredWidth = 1250,
            .oneColumnLeastWidth = 490,
            .oneColumnPreferredWidth = 560};
}

} // namespace

class WindowPlacementTest : public QObject {
    Q_OBJECT

private slots:
    void placement_data() {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<bool>("besideTheForm");
        QTest::newRow("full HD, narrow window")
            << QRect(0, 0, 1920, 1040) << QSize(480, 900) << true;
        QTest::newRow("full HD, window as wide as the room")
            << QRect(0, 0, 1920, 1040) << QSize(486, 700) << true;
        QTest::newRow("full HD, window wider than the room")
            << QRect(0, 0, 1920, 1040) << QSize(560, 700) << false;
        QTest::newRow("second screen to the right")
            << QRect(1920, 0, 1920, 1080) << QSize(480, 900) << true;
        QTest::newRow("laptop") << QRect(0, 0, 1366, 728) << QSize(480, 700) << false;
        QTest::newRow("window taller than the screen")
            << QRect(0, 0, 1366, 728) << QSize(480, 900) << false;
    }
    // Beside the form wherever there is room; otherwise over as little of the trial list as
    // any place on the screen; inside the screen always.
    void placement() {
        QFETCH(QRect, screen);
        QFETCH(QSize, window);
        QFETCH(bool, besideTheForm);
        const QRect form = centredForm(screen);
        const QRect list = trialList(form);
        const QRect placed(placeBeside(form, list, window, screen), window);
        QCOMPARE(!placed.intersects(form), besideTheForm);
        QVERIFY(placed.left() >= screen.left() && placed.top() >= screen.top());
        if (window.height() <= screen.height())
            QVERIFY(screen.contains(placed));
        if (!besideTheForm) {
            const QRect covered = placed.intersected(list);
            const qint64 cover = covered.isEmpty() ? 0 : qint64(covered.width()) * covered.height();
            // No corner of the screen hides less of the list.
            for (const QPoint corner :
                 {screen.topLeft(), screen.topRight(), screen.bottomLeft(), screen.bottomRight()}) {
                QRect other(QPoint(), window);
                other.moveTopLeft(corner);
                other.moveRight(std::min(other.right(), screen.right()));
                other.moveBottom(std::min(other.bottom(), screen.bottom()));
                other.moveLeft(std::max(other.left(), screen.left()));
                other.moveTop(std::max(other.top(), screen.top()));
                const QRect hidden = other.intersected(list);
                QVERIFY(cover <= (hidden.isEmpty() ? 0 : qint64(hidden.width()) * hidden.height()));
            }
        }
    }

    // A second window of the form (the adopted section after the analysis) opens where the
    // first leaves room, sized to that room; where there is none, over the least of the first
    // of any corner of the screen.
    void besideAnotherWindow_data() {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<bool>("roomForBoth");
        QTest::newRow("full HD") << QRect(0, 0, 1920, 1040) << true;
        QTest::newRow("laptop") << QRect(0, 0, 1366, 728) << false;
    }
    void besideAnotherWindow() {
        QFETCH(QRect, screen);
        QFETCH(bool, roomForBoth);
        const QRect form = centredForm(screen);
        const QSize firstSize(widthBeside(form, screen, 540, 420), 700);
        const QRect first(placeBeside(form, trialList(form), firstSize, screen), firstSize);
        const QSize secondSize(widthBeside(form, screen, 560, 420, {first}), 700);
        const QRect second(placeBeside(form, trialList(form), secondSize, screen, {first}),
                           secondSize);
        QVERIFY(screen.contains(second));
        QCOMPARE(!second.intersects(first) && !second.intersects(form), roomForBoth);
        if (roomForBoth)
            return;
        for (const QPoint corner :
             {screen.topLeft(), screen.topRight(), screen.bottomLeft(), screen.bottomRight()}) {
            QRect other(QPoint(), secondSize);
            other.moveTopLeft(corner);
            other.moveRight(std::min(other.right(), screen.right()));
            other.moveBottom(std::min(other.bottom(), screen.bottom()));
            QVERIFY(area(second.intersected(first)) <= area(other.intersected(first)));
        }
    }

    // The columns wherever the screen has room for them, beside the form where they fit there,
    // sized to that room; otherwise over the form, and beside the analysis window where the
    // screen has room for both.
    void arrangement_data() {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<bool>("formOnTheLeft"); // else centred
        QTest::addColumn<bool>("analysisOpen");
        QTest::addColumn<int>("arrangement");
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("overTheForm");
        QTest::addColumn<bool>("overTheAnalysis");
        const auto columns = int(Arrangement::Columns);
        const auto oneColumn = int(Arrangement::OneColumn);
        QTest::newRow("full HD, beside the analysis")
            << QRect(0, 0, 1920, 1040) << false << true << columns << 1250 << true << false;
        QTest::newRow("wide screen, form on the left")
            << QRect(0, 0, 2560, 1400) << true << false << columns << 1250 << false << false;
        QTest::newRow("just room beside the form")
            << QRect(0, 0, 2100, 1400) << true << false << columns << 1163 << false << false;
        QTest::newRow("laptop") << QRect(0, 0, 1366, 728) << false << false << columns << 1250
                                << true << false;
        QTest::newRow("1280 × 1024")
            << QRect(0, 0, 1280, 984) << false << false << columns << 1250 << true << false;
        QTest::newRow("columns just wider than the screen")
            << QRect(0, 0, 1110, 984) << false << false << oneColumn << 490 << true << false;
        QTest::newRow("columns taller than the screen")
            << QRect(0, 0, 1366, 690) << false << false << oneColumn << 490 << true << false;
    }
    void arrangement() {
        QFETCH(QRect, screen);
        QFETCH(bool, formOnTheLeft);
        QFETCH(bool, analysisOpen);
        QFETCH(int, arrangement);
        QFETCH(int, width);
        QFETCH(bool, overTheForm);
        QFETCH(bool, overTheAnalysis);
        QRect form = centredForm(screen);
        if (formOnTheLeft)
            form.moveLeft(screen.left());
        QList<QRect> others;
        if (analysisOpen) {
            const QSize size(widthBeside(form, screen, 540, 420), 700);
            others << QRect(placeBeside(form, trialList(form), size, screen), size);
        }
        const ArrangedWidth chosen = arrangeBeside(form, screen, others, adoptedNeeds());
        QCOMPARE(int(chosen.arrangement), arrangement);
        const QSize size(widthBeside(form, screen, chosen.preferred, chosen.least, others), 660);
        QCOMPARE(size.width(), width);
        const QRect placed(placeBeside(form, trialList(form), size, screen, others), size);
        QVERIFY(screen.contains(placed));
        QCOMPARE(placed.intersects(form), overTheForm);
        if (analysisOpen)
            QCOMPARE(placed.intersects(others.front()), overTheAnalysis);
    }
};

VAZOLAR_TEST(WindowPlacementTest);
#include "tst_window_placement.moc"
