#pragma once

#include "trial_rows.h"
#include "engine/quantities.h"
#include "engine/sizing.h"

#include <vector>

namespace vazolar {

// The exact quantities of every row of a run, kept beside the row texts so that a later look
// at a trial (the hydraulic check, a copy to a spreadsheet) starts from the numbers the row
// was formatted from, never from its rounded text. It keeps each row's exact trial value,
// 8 bytes a row, and works the rest out again by the run's own arithmetic when asked.
class TrialTable {
public:
    // Forgets the rows and keeps the inputs of the run that follows.
    void start(const RunInputs& inputs);
    // Forgets the rows and gives their memory back.
    void clear();
    void append(const SectionQuantities& quantities);

    const RunInputs& inputs() const { return inputs_; }
    int size() const { return int(trialValues_.size()); }
    bool isEmpty() const { return trialValues_.empty(); }
    // The quantities of a row, counted from 0: the very numbers the run handed out.
    SectionQuantities at(int row) const;

private:
    RunInputs inputs_;
    std::vector<double> trialValues_;
};

// Sizes the fields' texts into a table of every trial. Throws SizingError as runSizing does.
TrialTable sizedTrials(const SizingInput& texts);

} // namespace vazolar
