#include "trial_rows.h"

#include "row_text.h"

namespace vazolar {

// One buffer for every row of the run: a long run formats up to 32768 of them.
SizingOutcome runSizing(const RunInputs& inputs, const RowSink& onRow) {
    QString row;
    row.reserve(128);
    return runSizing(inputs, TrialSink([&](const SectionQuantities& quantities) {
                         row.resize(0);
                         appendRowText(row, inputs.shape, quantities);
                         onRow(row, quantities);
                     }));
}

SizingOutcome runSizing(const SizingInput& input, const RowSink& onRow) {
    return runSizing(convertInputs(input), onRow);
}

} // namespace vazolar
