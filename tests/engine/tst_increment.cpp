#include "engine/increment.h"
#include "test_registry.h"

#include <QTest>

using namespace vazolar;

class IncrementTest : public QObject {
    Q_OBJECT

private slots:
    void followsTheScrollBar_data() {
        QTest::addColumn<int>("scrollValue");
        QTest::addColumn<double>("increment");
        QTest::addColumn<QString>("text");
        const double steps[] = {0.001, 0.002, 0.003, 0.004, 0.005, 0.006, 0.007,
                                0.008, 0.009, 0.010, 0.02,  0.03,  0.04,  0.05,
                                0.06,  0.07,  0.08,  0.09,  0.10};
        const char* texts[] = {"0,001", "0,002", "0,003", "0,004", "0,005", "0,006", "0,007",
                               "0,008", "0,009", "0,01",  "0,02",  "0,03",  "0,04",  "0,05",
                               "0,06",  "0,07",  "0,08",  "0,09",  "0,1"};
        for (int v = 1; v <= 19; ++v)
            QTest::addRow("value %d", v) << v << steps[v - 1] << texts[v - 1];
    }
    void followsTheScrollBar() {
        QFETCH(int, scrollValue);
        QFETCH(double, increment);
        QFETCH(QString, text);
        QCOMPARE(incrementForScroll(scrollValue), increment);
        QCOMPARE(incrementText(scrollValue), text);
    }
};

VAZOLAR_TEST(IncrementTest);
#include "tst_increment.moc"
