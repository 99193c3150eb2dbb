#include "window_arrangement.h"

#include "window_placement.h"

#include <algorithm>

namespace vazolar {

namespace {

// Left on the screen for a window's frame and title bar.
constexpr int kFrameWidth = 24;
constexpr int kFrameHeight = 40;

} // namespace

ArrangedWidth arrangeBeside(const QRect& form, const QRect& screen, const QList<QRect>& others,
                            const ArrangementNeeds& needs) {
    const bool columnsFit = needs.columnsLeast.width() + kFrameWidth <= screen.width() &&
                            needs.columnsLeast.height() + kFrameHeight <= screen.height();
    if (!columnsFit)
        return {Arrangement::OneColumn, needs.oneColumnLeastWidth, needs.oneColumnPreferredWidth};
    if (roomBeside(form, screen, others) >= needs.columnsLeast.width())
        return {Arrangement::Columns, needs.columnsLeast.width(), needs.columnsPreferredWidth};
    const int width = std::min(needs.columnsPreferredWidth, screen.width() - kFrameWidth);
    return {Arrangement::Columns, width, width};
}

} // namespace vazolar
