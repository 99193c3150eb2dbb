#pragma once

#include "sections.h"
#include "sizing.h"

#include <QStringList>

#include <array>
#include <vector>

namespace vazolar {

// The column names of a shape's rows, in column order ("b", "B", "y", "Am", ...), and how
// many there are.
QStringList columnNames(Shape shape);
int columnCount(Shape shape);

// The exact quantities of every row of a run, kept beside the row texts so that a later look
// at a trial (the hydraulic check, a copy to a spreadsheet) starts from the numbers the row
// was formatted from, never from its rounded text. 64 bytes a row.
class TrialTable {
public:
    // Forgets the rows and keeps the inputs of the run that follows.
    void start(const RunInputs& inputs);
    // Forgets the rows and gives their memory back.
    void clear();
    void append(const SectionQuantities& quantities);

    const RunInputs& inputs() const { return inputs_; }
    int size() const { return int(rows_.size()); }
    bool isEmpty() const { return rows_.empty(); }
    SectionQuantities at(int row) const;

private:
    RunInputs inputs_;
    std::vector<std::array<double, 8>> rows_;
};

} // namespace vazolar
