#include "increment_text.h"

#include "number_text.h"

#include "engine/increment.h"

namespace vazolar {

QString incrementText(int scrollValue) {
    return brazilianLocale().toString(incrementForScroll(scrollValue), 'g',
                                      QLocale::FloatingPointShortest);
}

} // namespace vazolar
