#include "examples.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <stdexcept>

namespace vazolar::testing {

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return file.readAll();
}

// The cases name the shapes in English.
Shape shapeNamed(const QString& name) {
    static const char* const names[] = {"trapezoidal", "rectangular", "triangular", "circular"};
    for (Shape shape : kAllShapes) {
        if (name == QLatin1String(names[static_cast<int>(shape)]))
            return shape;
    }
    throw std::runtime_error("unknown shape " + name.toStdString());
}

QMap<QString, QString> stringMap(const QJsonObject& object) {
    QMap<QString, QString> map;
    for (auto it = object.begin(); it != object.end(); ++it)
        map.insert(it.key(), it.value().toString());
    return map;
}

} // namespace

ExampleCase loadExample(const QString& name) {
    const QString folder = QStringLiteral(VAZOLAR_EXAMPLES_DIR) + "/" + name;
    const QJsonObject json = QJsonDocument::fromJson(readAll(folder + "/case.json")).object();
    ExampleCase example;
    example.name = name;
    example.shape = shapeNamed(json["shape"].toString());
    example.fields = stringMap(json["fields"].toObject());
    example.scrollValue = json["brhincremento"].toInt(10);
    if (json.contains("row")) {
        example.rows << json["row"].toString();
        example.ntentativas = 1;
    } else {
        for (const QJsonValue& row : json["rows"].toArray())
            example.rows << row.toString();
        example.ntentativas = json["ntentativas"].toInt();
    }
    example.labels = stringMap(json["labels"].toObject());
    example.savedReport = readAll(folder + "/saved-report.TXT");
    QString printed = QString::fromUtf8(readAll(folder + "/printed-lines.txt"));
    if (printed.endsWith('\n'))
        printed.chop(1);
    example.printedLines = printed.split('\n');
    return example;
}

std::vector<ExampleCase> loadExamples() {
    std::vector<ExampleCase> examples;
    const QDir root(QStringLiteral(VAZOLAR_EXAMPLES_DIR));
    for (const QString& name : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        examples.push_back(loadExample(name));
    return examples;
}

void addExampleRows() {
    QTest::addColumn<QString>("name");
    for (const ExampleCase& example : loadExamples())
        QTest::newRow(qPrintable(example.name)) << example.name;
}

} // namespace vazolar::testing
