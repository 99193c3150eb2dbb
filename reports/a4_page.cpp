#include "a4_page.h"

namespace vazolar::reports {

namespace {

constexpr double kMemoMargin = 20.0;    // millimetres
constexpr double kMemoFooterBand = 5.0; // more at the foot, for the page numbers

} // namespace

QPageSize a4Paper() {
    return QPageSize(QPageSize::A4);
}

QPageLayout memoPageLayout() {
    return QPageLayout(
        a4Paper(), QPageLayout::Portrait,
        QMarginsF(kMemoMargin, kMemoMargin, kMemoMargin, kMemoMargin + kMemoFooterBand),
        QPageLayout::Millimeter);
}

MemoFrame memoFrame() {
    return {QRectF(QPointF(0, 0), memoPageLayout().paintRectPixels(kMemoUnitsPerInch).size()),
            kMemoUnitsPerInch};
}

} // namespace vazolar::reports
