#include "examples.h"
#include "test_registry.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace vazolar;
using namespace vazolar::testing;

namespace {

// The options that type the example's fields into the command line.
QStringList sizeArguments(const ExampleCase& example, const QString& output) {
    static const char* const shapes[] = {"trapezoidal", "retangular", "triangular", "circular"};
    static const QList<QPair<QString, QString>> options{
        {"txti", "--i"},         {"txtangulo", "--angulo"}, {"txtn", "--n"},
        {"txtQdesejada", "--q"}, {"txtb", "--inicial"},     {"txty", "--inicial"}};
    QStringList arguments{"dimensionar", shapes[int(example.shape)]};
    for (const auto& [field, option] : options) {
        if (example.fields.contains(field))
            arguments << option << example.fields.value(field);
    }
    if (example.shape != Shape::Circular) {
        // The bar's steps are thousandths up to 10, then hundredths.
        const int v = example.scrollValue;
        const QString step = v > 10 ? QString("0,%1").arg(v - 9, 2, 10, QChar('0'))
                                    : QString("0,%1").arg(v, 3, 10, QChar('0'));
        arguments << "--incremento" << step;
    }
    return arguments << "--saida" << output;
}

// The built program, with no display at all: the command line must not need one.
QProcess* startVazolar(const QStringList& arguments, QObject* parent) {
    auto* process = new QProcess(parent);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.insert("QT_QPA_PLATFORM", "xcb");
    process->setProcessEnvironment(environment);
    process->start(VAZOLAR_BINARY, arguments);
    return process;
}

} // namespace

// The installed program's command line, run as a user runs it.
class VazolarProcessTest : public QObject {
    Q_OBJECT

private slots:
    void savesWhatSalvarSaves_data() {
        QTest::addColumn<QString>("name");
        for (const ExampleCase& example : loadExamples())
            QTest::newRow(qPrintable(example.name)) << example.name;
    }

    void savesWhatSalvarSaves() {
        QFETCH(QString, name);
        const ExampleCase example = loadExample(name);
        QTemporaryDir dir;
        const QString output = dir.filePath("canal.TXT");
        QProcess* process = startVazolar(sizeArguments(example, output), this);
        QVERIFY(process->waitForFinished(30000));
        QCOMPARE(process->exitStatus(), QProcess::NormalExit);
        QVERIFY2(process->exitCode() == 0, process->readAllStandardError().constData());
        QFile file(output);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), example.savedReport);
    }

    void usageErrorExitsWithTwo() {
        QProcess* process = startVazolar({"dimensionar", "retangular", "--q", "1"}, this);
        QVERIFY(process->waitForFinished(30000));
        QCOMPARE(process->exitCode(), 2);
        QCOMPARE(process->readAllStandardOutput(), QByteArray());
        QVERIFY(process->readAllStandardError().contains("falta a opção --i"));
    }
};

VAZOLAR_TEST(VazolarProcessTest);
#include "tst_vazolar_process.moc"
