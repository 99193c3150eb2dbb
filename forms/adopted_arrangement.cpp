// How the adopted-section window lays out its parts: the fields, the results table, the three
// pictures and the memo's identification.
#include "adopted_window.h"
#include "picture_view.h"
#include "window_placement.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vazolar {

namespace {

// The pictures' column is never narrower than this, and reaches its preferred width where the
// screen has room.
constexpr int kPictureLeastWidth = 280;
constexpr int kPicturePreferredWidth = 440;
constexpr int kOneColumnPreferredWidth = 560;

QScrollArea* scrolling(QWidget* content) {
    auto* scroll = new QScrollArea;
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return scroll;
}

QVBoxLayout* stacked(QWidget* on, std::initializer_list<QWidget*> parts) {
    auto* column = new QVBoxLayout(on);
    for (QWidget* part : parts)
        column->addWidget(part);
    column->addStretch(1);
    return column;
}

int scrollBarWidth(const QWidget* widget) {
    return widget->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, widget);
}

} // namespace

// Everything down one column that scrolls, never narrower than its widest part.
QWidget* AdoptedWindow::oneColumnBody() {
    auto* content = new QWidget;
    stacked(content, {fieldsBox_, grdresultado, picsecao, piccurvachave, picenergia, memoBox_});
    return scrolling(content);
}

// The one column widens with the table (a check's words may): the column does not scroll
// sideways, so nothing may be wider than it.
void AdoptedWindow::fitOneColumn() {
    if (auto* scroll = qobject_cast<QScrollArea*>(body_))
        scroll->setMinimumWidth(scroll->widget()->minimumSizeHint().width() + scrollBarWidth(this));
}

// The fields over the memo's, the table, and the pictures in a column of their own that
// scrolls where the screen is too short for the three.
QWidget* AdoptedWindow::columnsBody() {
    auto* body = new QWidget;
    auto* row = new QHBoxLayout(body);
    row->setContentsMargins(0, 0, 0, 0);
    auto* fields = new QWidget;
    stacked(fields, {fieldsBox_, memoBox_})->setContentsMargins(0, 0, 0, 0);
    auto* table = new QWidget;
    stacked(table, {grdresultado})->setContentsMargins(0, 0, 0, 0);
    auto* pictures = new QWidget;
    stacked(pictures, {picsecao, piccurvachave, picenergia})->setContentsMargins(0, 0, 0, 0);
    QScrollArea* scroll = scrolling(pictures);
    scroll->setMinimumWidth(kPictureLeastWidth + scrollBarWidth(this));
    row->addWidget(fields);
    row->addWidget(table);
    row->addWidget(scroll, 1);
    return body;
}

void AdoptedWindow::arrange(Arrangement arrangement) {
    QWidget* const parts[] = {fieldsBox_,    grdresultado, picsecao,
                              piccurvachave, picenergia,   memoBox_};
    for (QWidget* part : parts)
        part->setParent(this); // out of the arrangement that goes
    delete body_;
    body_ = arrangement == Arrangement::Columns ? columnsBody() : oneColumnBody();
    outer_->insertWidget(0, body_, 1);
    for (QWidget* part : parts)
        part->show(); // a part taken out is hidden until shown again
    arrangement_ = arrangement;
    fitOneColumn();
}

QSize AdoptedWindow::leastSize(Arrangement arrangement) {
    arrange(arrangement);
    return minimumSizeHint();
}

// Opens the window in the arrangement that fits beside the form, or over it, sized to it. The
// user's height is kept while the arrangement stays.
void AdoptedWindow::openArranged() {
    const Arrangement before = arrangement_;
    ArrangementNeeds needs;
    needs.columnsLeast = leastSize(Arrangement::Columns);
    needs.columnsPreferredWidth =
        needs.columnsLeast.width() + kPicturePreferredWidth - kPictureLeastWidth;
    needs.oneColumnLeastWidth = leastSize(Arrangement::OneColumn).width();
    needs.oneColumnPreferredWidth = std::max(kOneColumnPreferredWidth, needs.oneColumnLeastWidth);
    const QRect screen = formScreenArea(form_);
    const QList<QRect> others = otherWindows(form_, this);
    const ArrangedWidth chosen = arrangeBeside(form_->frameGeometry(), screen, others, needs);
    arrange(chosen.arrangement);
    // The columns only as tall as the table: a taller window would hide more of the trials.
    if (chosen.arrangement == Arrangement::Columns)
        resize(width(), needs.columnsLeast.height());
    else if (before == Arrangement::Columns)
        resize(width(), kOneColumnHeight);
    openBeside(this, form_, trialList_, chosen.preferred, chosen.least);
}

} // namespace vazolar
