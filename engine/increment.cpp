#include "increment.h"

namespace vazolar {

double incrementForScroll(int scrollValue) {
    if (scrollValue > 10)
        return (scrollValue - 9) / 100.0;
    return scrollValue / 1000.0;
}

} // namespace vazolar
