#pragma once

// The windows and the printed report are laid out in twips: a twentieth of a point, 1/1440
// inch. The memo's margins are in millimetres.
namespace vazolar {

constexpr int kTwipsPerInch = 1440;
constexpr int kPointsPerInch = 72;
constexpr int kTwipsPerPoint = kTwipsPerInch / kPointsPerInch;
constexpr double kMillimetresPerInch = 25.4;

} // namespace vazolar
