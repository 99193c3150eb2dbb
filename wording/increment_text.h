#pragma once

#include <QString>

namespace vazolar {

// The increment in its shortest decimal-comma form ("0,01", "0,1", "0,007"), as the
// saved report writes it.
QString incrementText(int scrollValue);

} // namespace vazolar
