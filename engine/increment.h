#pragma once

namespace vazolar {

// The increment scroll bar: its range and its opening value.
constexpr int kScrollMinimum = 1;
constexpr int kScrollMaximum = 19;
constexpr int kScrollDefault = 10;

// The step added to the trial variable after each trial: thousandths of a metre up to
// value 10, then hundredths.
double incrementForScroll(int scrollValue);

} // namespace vazolar
