#pragma once

#include <QLatin1StringView>

// The typeface of every window and of the printed report. Where it is missing, fontconfig
// (or the application's own substitution) puts Liberation Serif, its metric twin, in its place.
namespace vazolar {

inline constexpr QLatin1StringView kTypeface("Times New Roman");

} // namespace vazolar
