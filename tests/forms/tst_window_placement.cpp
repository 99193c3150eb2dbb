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
};

VAZOLAR_TEST(WindowPlacementTest);
#include "tst_window_placement.moc"
