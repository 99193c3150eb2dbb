#pragma once

#include "memo_layout.h"

#include <QPageLayout>
#include <QPageSize>

// The paper that the printed report and the memo go on, and the memo's page on it: one place
// for both, so that they cannot drift apart.
namespace vazolar::reports {

// A4, the paper of the printed report and of the memo.
QPageSize a4Paper();

// The memo's coordinates: 600 units an inch, from the top left corner of the room inside its
// margins.
constexpr int kMemoUnitsPerInch = 600;

// A4 portrait with the memo's margins: 20 mm, 25 mm at the foot, where the page numbers go.
QPageLayout memoPageLayout();

// The room inside the memo's margins, in its units.
MemoFrame memoFrame();

} // namespace vazolar::reports
