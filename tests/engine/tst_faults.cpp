#include "sizing_helpers.h"
#include "test_registry.h"
#include "wording/trial_rows.h"

#include <QTest>

using namespace vazolar;
using namespace vazolar::testing;

Q_DECLARE_METATYPE(vazolar::Shape)
Q_DECLARE_METATYPE(vazolar::Fault)
Q_DECLARE_METATYPE(vazolar::Field)

namespace {

// "txti=0,1 txtn=0,015 ..." with "_" standing for a blank inside a text.
QMap<QString, QString> fieldsFrom(const QString& spec) {
    QMap<QString, QString> fields;
    for (const QString& pair : spec.split(' ', Qt::SkipEmptyParts)) {
        const qsizetype eq = pair.indexOf('=');
        fields.insert(pair.left(eq), pair.mid(eq + 1).replace('_', ' '));
    }
    return fields;
}

} // namespace

// Runs that cannot finish: the fault, the field it names, and the rows already handed out.
class FaultTest : public QObject {
    Q_OBJECT

private slots:
    void abandonsTheRun_data() {
        QTest::addColumn<Shape>("shape");
        QTest::addColumn<QString>("fields");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<Field>("field");
        QTest::addColumn<int>("rowsBefore");

        const QString trap = "txti=0,1 txtangulo=30 txtn=0,015 txtQdesejada=0,5 ";
        const QString rect = "txti=0,1 txtn=0,015 txtQdesejada=0,5 ";
        const Shape T = Shape::Trapezoidal, R = Shape::Rectangular, Y = Shape::Triangular,
                    C = Shape::Circular;

        // A start value of 0 makes RH = 0/0 in the first trial.
        QTest::newRow("trapezoid start 0")
            << T << trap + "txtb=0" << Fault::Overflow << Field::None << 0;
        QTest::newRow("rectangle start 0")
            << R << rect + "txtb=0" << Fault::Overflow << Field::None << 0;
        QTest::newRow("triangle start 0")
            << Y << rect + "txty=0" << Fault::Overflow << Field::None << 0;
        // n = 0 divides Q by zero; with a zero slope as well it is 0/0.
        QTest::newRow("n 0") << R << "txti=0,1 txtn=0 txtQdesejada=0,5 txtb=0,5"
                             << Fault::DivisionByZero << Field::None << 0;
        QTest::newRow("n 0 slope 0") << R << "txti=0 txtn=0 txtQdesejada=0,5 txtb=0,5"
                                     << Fault::Overflow << Field::None << 0;
        // A negative slope under the square root, a negative RH under the power 2/3.
        QTest::newRow("negative slope") << T
                                        << "txti=-0,1 txtangulo=30 txtn=0,015 "
                                           "txtQdesejada=0,5 txtb=0,5"
                                        << Fault::InvalidArgument << Field::None << 0;
        QTest::newRow("negative depth")
            << Y << rect + "txty=-0,5" << Fault::InvalidArgument << Field::None << 0;
        // A slope of 0 keeps Q at 0: Q equal to Qd does not stop the run, which ends
        // right after its 32768th row.
        QTest::newRow("slope 0, Qd 0") << R << "txti=0 txtn=0,015 txtQdesejada=0 txtb=0,5"
                                       << Fault::TrialLimit << Field::None << 32768;
        // A negative n gives negative discharges that never pass a positive Qd.
        QTest::newRow("negative n") << Y << "txti=0,1 txtn=-0,015 txtQdesejada=0,5 txty=0,5"
                                    << Fault::TrialLimit << Field::None << 32768;

        // Texts that are not numbers, reported with their field.
        QTest::newRow("blanks only") << R << "txti=___ txtn=0,015 txtQdesejada=0,5 txtb=0,5"
                                     << Fault::TypeMismatch << Field::Slope << 0;
        QTest::newRow("lone comma")
            << R << rect + "txtb=," << Fault::TypeMismatch << Field::Start << 0;
        QTest::newRow("lone minus") << Y << "txti=0,1 txtn=- txtQdesejada=0,5 txty=0,5"
                                    << Fault::TypeMismatch << Field::Roughness << 0;
        QTest::newRow("two commas") << R << "txti=0,1 txtn=0,015 txtQdesejada=0,,5 txtb=1"
                                    << Fault::TypeMismatch << Field::Discharge << 0;
        QTest::newRow("full stop as decimal")
            << R << rect + "txtb=0.5" << Fault::TypeMismatch << Field::Start << 0;
        QTest::newRow("infinity text")
            << R << rect + "txtb=inf" << Fault::TypeMismatch << Field::Start << 0;
        QTest::newRow("too large")
            << C << "txti=1" + QString(400, '0') + " txtn=0,015 txtQdesejada=0,5" << Fault::Overflow
            << Field::Slope << 0;
        // The angle is converted after the other fields.
        QTest::newRow("angle and n bad") << T
                                         << "txti=0,1 txtangulo=- txtn=, "
                                            "txtQdesejada=0,5 txtb=0,5"
                                         << Fault::TypeMismatch << Field::Roughness << 0;
        QTest::newRow("angle and start bad") << T
                                             << "txti=0,1 txtangulo=- txtn=0,015 "
                                                "txtQdesejada=0,5 txtb=-"
                                             << Fault::TypeMismatch << Field::Start << 0;
        QTest::newRow("angle bad") << T
                                   << "txti=0,1 txtangulo=-- txtn=0,015 "
                                      "txtQdesejada=0,5 txtb=0,5"
                                   << Fault::TypeMismatch << Field::Angle << 0;

        // The circle: a zero slope divides by zero, or is 0/0 with n or Qd 0; Qd 0 makes
        // V = 0/0; a negative n or Qd under the power 3/8 is an invalid argument.
        QTest::newRow("circle slope 0") << C << "txti=0 txtn=0,015 txtQdesejada=0,5"
                                        << Fault::DivisionByZero << Field::None << 0;
        QTest::newRow("circle slope 0 n 0")
            << C << "txti=0 txtn=0 txtQdesejada=0,5" << Fault::Overflow << Field::None << 0;
        QTest::newRow("circle Qd 0")
            << C << "txti=0,1 txtn=0,015 txtQdesejada=0" << Fault::Overflow << Field::None << 0;
        QTest::newRow("circle negative n") << C << "txti=0,1 txtn=-0,015 txtQdesejada=0,5"
                                           << Fault::InvalidArgument << Field::None << 0;
        QTest::newRow("circle negative slope") << C << "txti=-0,1 txtn=0,015 txtQdesejada=0,5"
                                               << Fault::InvalidArgument << Field::None << 0;
    }

    void abandonsTheRun() {
        QFETCH(Shape, shape);
        QFETCH(QString, fields);
        QFETCH(Fault, fault);
        QFETCH(Field, field);
        QFETCH(int, rowsBefore);

        QStringList rows;
        try {
            runSizing(sizingInput(shape, fieldsFrom(fields)),
                      [&](const QString& row, const SectionQuantities&) { rows << row; });
            QFAIL("the run finished");
        } catch (const SizingError& error) {
            QCOMPARE(error.fault(), fault);
            QCOMPARE(error.field(), field);
        }
        QCOMPARE(rows.size(), rowsBefore);
    }

    void trialLimitKeepsCountingFromTheStart() {
        // The rows before the fault are the ordinary trials: the 32768th trial value is
        // the start plus 32767 increments of 0,001.
        QStringList rows;
        SizingInput input = sizingInput(Shape::Rectangular,
                                        fieldsFrom("txti=0 txtn=0,015 txtQdesejada=1 txtb=1"), 1);
        QVERIFY_THROWS_EXCEPTION(
            SizingError,
            runSizing(input, [&](const QString& r, const SectionQuantities&) { rows << r; }));
        QCOMPARE(rows.size(), 32768);
        QVERIFY(rows.first().startsWith("1,0000         0,5000"));
        QVERIFY(rows.last().startsWith("33,7670         16,8835"));
    }
};

VAZOLAR_TEST(FaultTest);
#include "tst_faults.moc"
