#include "increment.h"

#include "number_text.h"

namespace vazolar {

double incrementForScroll(int scrollValue) {
    if (scrollValue > 10)
        return (scrollValue - 9) / 100.0;
    return scrollValue / 1000.0;
}

QString incrementText(int scrollValue) {
    return brazilianLocale().toString(incrementForScroll(scrollValue), 'g',
                                      QLocale::FloatingPointShortest);
}

} // namespace vazolar
