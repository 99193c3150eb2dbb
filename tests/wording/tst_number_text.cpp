#include "test_registry.h"
#include "wording/number_text.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <limits>

using namespace vazolar;

Q_DECLARE_METATYPE(vazolar::Fault)

class NumberTextTest : public QObject {
    Q_OBJECT

private slots:
    void readsBrazilianNumbers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("decimal comma") << "0,015" << 0.015;
        QTest::newRow("integer") << "30" << 30.0;
        QTest::newRow("grouped thousands") << "1.234,5" << 1234.5;
        QTest::newRow("negative") << "-0,25" << -0.25;
        QTest::newRow("leading comma") << ",5" << 0.5;
        QTest::newRow("trailing comma") << "5," << 5.0;
        QTest::newRow("surrounding blanks") << " 2,5 " << 2.5;
    }
    void readsBrazilianNumbers() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(parseFieldNumber(text, Field::Slope), value);
    }

    void rejectsWhatIsNotANumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Fault>("fault");
        QTest::newRow("lone comma") << "," << Fault::TypeMismatch;
        QTest::newRow("lone minus") << "-" << Fault::TypeMismatch;
        QTest::newRow("blanks") << "   " << Fault::TypeMismatch;
        QTest::newRow("full stop decimal") << "0.5" << Fault::TypeMismatch;
        QTest::newRow("two minus signs") << "--1" << Fault::TypeMismatch;
        QTest::newRow("letters") << "abc" << Fault::TypeMismatch;
        QTest::newRow("infinity") << "inf" << Fault::TypeMismatch;
        QTest::newRow("not a number") << "nan" << Fault::TypeMismatch;
        QTest::newRow("beyond double") << "1" + QString(320, '0') << Fault::Overflow;
    }
    void rejectsWhatIsNotANumber() {
        QFETCH(QString, text);
        QFETCH(Fault, fault);
        try {
            parseFieldNumber(text, Field::Roughness);
            QFAIL("accepted");
        } catch (const SizingError& error) {
            QCOMPARE(error.fault(), fault);
            QCOMPARE(error.field(), Field::Roughness);
        }
    }

    void formatsFourDecimals_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("small") << 0.43301270 << "0,4330";
        QTest::newRow("thousands") << 1234.5 << "1.234,5000";
        QTest::newRow("negative") << -0.25 << "-0,2500";
        QTest::newRow("millions") << 1234567.0 << "1.234.567,0000";
        QTest::newRow("zero") << 0.0 << "0,0000";
        QTest::newRow("negative zero") << -0.0 << "0,0000";
        QTest::newRow("negative rounding to zero") << -0.00001 << "-0,0000";
        QTest::newRow("rounds up") << 0.99996 << "1,0000";
        QTest::newRow("huge") << 1e20 << "100.000.000.000.000.000.000,0000";
    }
    void formatsFourDecimals() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(formatQuantity(value), text);
    }

    // The fast formatter must write exactly what the locale writes, halves included.
    void formatsLikeTheLocale() {
        const QLocale& locale = brazilianLocale();
        QRandomGenerator random(20261208);
        auto check = [&](double value) {
            const QString expected = locale.toString(value, 'f', 4);
            if (formatQuantity(value) != expected)
                QFAIL(qPrintable(QString("%1: %2 instead of %3")
                                     .arg(value, 0, 'g', 17)
                                     .arg(formatQuantity(value), expected)));
        };
        for (int i = 0; i < 300000; ++i) {
            const double magnitude = std::pow(10.0, random.bounded(19.0) - 6.0);
            check((random.bounded(2) ? -1 : 1) * random.bounded(1.0) * magnitude);
        }
        // Exact and near halves of the fourth decimal, and the edges of the fast path.
        for (int k = 0; k < 200000; ++k) {
            const double half = (2.0 * k + 1.0) / 20000.0;
            check(half);
            check(-half);
            check(std::nextafter(half, 0.0));
            check(std::nextafter(half, 1e9));
        }
        // Large values: halves that still have room for a fraction, whole numbers beyond
        // 2^53 and beyond 64-bit integers, up to the largest double.
        for (int i = 0; i < 20000; ++i) {
            check(std::ldexp(random.bounded(1.0), random.bounded(1024)));
            check(std::ldexp(double(random.generate64() >> 11), random.bounded(-20, 20)));
        }
        for (double edge :
             {1e11, std::nextafter(1e11, 0.0), 99999999999.99995, 1e11 + 1.0 / 32, 1e14 + 3.0 / 32,
              9007199254740993.0, 1e18, std::nextafter(1e18, 0.0), 18446744073709551616.0,
              std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(), 9999.99995,
              std::numeric_limits<double>::denorm_min(), 0.03125, 1.00005})
            check(edge);
    }
};

VAZOLAR_TEST(NumberTextTest);
#include "tst_number_text.moc"
