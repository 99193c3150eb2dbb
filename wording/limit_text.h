#pragma once

#include "engine/design_limits.h"

#include <QString>

#include <vector>

// The design limits and their checks in words, for the result lines and the CSV.
namespace vazolar {

// "vmax", "vmin", "frmax", "ymaxd", "tauadm": the option and the CSV column.
QString limitName(DesignLimit limit);

// The unit of the quantity a limit bounds: "m/s", or empty.
QString limitUnit(DesignLimit limit);

// "V ≤ vmax" as the limit asks; "V > vmax" as it fails; "τ > τadm".
QString limitComparison(DesignLimit limit, bool holds);

// The value a check holds to its bound: "0,9065 m/s"; "1,5000 × 2,6855 Pa = 4,0283 Pa" where
// a factor multiplies it; "—" where it is undefined.
QString checkedValueText(const LimitCheck& check);

// "0,9065 m/s ≤ 1,5000 m/s: atende", "— > 1,5000: não atende" where the value is undefined.
QString checkOutcomeText(const LimitCheck& check);

// "não atende: V > vmax, Fr > frmax", "atende", or empty when no limit was set.
QString verificationText(const std::vector<LimitCheck>& checks);

} // namespace vazolar
