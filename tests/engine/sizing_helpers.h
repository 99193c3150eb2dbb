#pragma once

#include "engine/sizing.h"
#include "wording/trial_rows.h"

#include <QMap>
#include <QStringList>

namespace vazolar::testing {

// The engine's input from the texts of a form's fields, keyed by control name.
inline SizingInput sizingInput(Shape shape, const QMap<QString, QString>& fields,
                               int scrollValue = 10) {
    SizingInput input;
    input.shape = shape;
    input.slope = fields.value("txti");
    input.angle = fields.value("txtangulo");
    input.roughness = fields.value("txtn");
    input.discharge = fields.value("txtQdesejada");
    input.start = fields.value(shape == Shape::Triangular ? "txty" : "txtb");
    input.scrollValue = scrollValue;
    return input;
}

// Runs a sizing and collects the rows it hands out.
struct CollectedRun {
    QStringList rows;
    SizingOutcome outcome;
};

inline CollectedRun collectRun(const SizingInput& input) {
    CollectedRun run;
    run.outcome =
        runSizing(input, [&](const QString& row, const SectionQuantities&) { run.rows << row; });
    return run;
}

} // namespace vazolar::testing
