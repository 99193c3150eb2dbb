#pragma once

#include <QList>
#include <QRect>
#include <QSize>

namespace vazolar {

// How a window with a tall table and pictures lays out its parts: all down one scrolling
// column, or side by side in columns (fields, table, pictures) where the screen has room.
enum class Arrangement { OneColumn, Columns };

// What each arrangement needs: the columns' least size and the width at which their pictures
// reach their preferred size; the one column's least and preferred widths.
struct ArrangementNeeds {
    QSize columnsLeast;
    int columnsPreferredWidth = 0;
    int oneColumnLeastWidth = 0;
    int oneColumnPreferredWidth = 0;
};

// The arrangement chosen, and the widths to open it at (see openBeside).
struct ArrangedWidth {
    Arrangement arrangement = Arrangement::OneColumn;
    int least = 0;
    int preferred = 0;
};

// The columns where the screen has room for them, the one column otherwise. The columns open
// beside the form where they fit there, sized to that room; otherwise they take the screen's
// width, up to their preferred one. `others` are the form's other windows, whose side of the
// form is taken.
ArrangedWidth arrangeBeside(const QRect& form, const QRect& screen, const QList<QRect>& others,
                            const ArrangementNeeds& needs);

} // namespace vazolar
