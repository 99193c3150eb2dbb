#pragma once

#include "engine/design_limits.h"

#include <QString>

#include <vector>

// The design limits and their checks in words, for the result lines and the CSV.
namespace vazolar {

// "vmax", "vmin", "frmax", "ymaxd": the option and the CSV column.
QString limitName(DesignLimit limit);

// The unit of the quantity a limit bounds: "m/s", or empty.
QString limitUnit(DesignLimit limit);

// "V ≤ vmax" as the limit asks; "V > vmax" as it fails.
QString limitComparison(DesignLimit limit, bool holds);

// "0,9065 m/s ≤ 1,5000 m/s: atende", "— > 1,5000: não atende" where the value is undefined.
QString checkOutcomeText(const LimitCheck& check);

// "não atende: V > vmax, Fr > frmax", "atende", or empty when no limit was set.
QString verificationText(const std::vector<LimitCheck>& checks);

} // namespace vazolar
