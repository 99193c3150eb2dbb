#pragma once

#include "sizing_input.h"

#include "engine/quantities.h"
#include "engine/sizing.h"

#include <QString>

#include <functional>

// A sizing run that hands out each trial as the row the tables show, with the exact
// quantities the row was formatted from.
namespace vazolar {

// Receives each row the moment it is built, before the next trial is computed.
using RowSink = std::function<void(const QString& row, const SectionQuantities& quantities)>;

SizingOutcome runSizing(const RunInputs& inputs, const RowSink& onRow);
SizingOutcome runSizing(const SizingInput& input, const RowSink& onRow);

} // namespace vazolar
