#pragma once

#include "engine/shape.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include <vector>

// The worked cases in tests/examples: the texts typed into a form, the rows and labels the
// sizing must show, and the exact bytes and lines of the saved and printed reports.
namespace vazolar::testing {

struct ExampleCase {
    QString name; // folder name
    Shape shape = Shape::Trapezoidal;
    QMap<QString, QString> fields; // control name -> text typed
    int scrollValue = 10;
    QStringList rows; // trial rows, or the one circular row
    int ntentativas = 0;
    QMap<QString, QString> labels; // result label -> text after the run
    QByteArray savedReport;        // bytes of saved-report.TXT
    QStringList printedLines;      // lines of printed-lines.txt
};

std::vector<ExampleCase> loadExamples();
ExampleCase loadExample(const QString& name);

// A data column "name" with one row per worked case, for a test that loads its case by name.
void addExampleRows();

} // namespace vazolar::testing
