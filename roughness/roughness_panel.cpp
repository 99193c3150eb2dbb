#include "roughness_panel.h"

#include "catalogue.h"

#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>

namespace vazolar::roughness {

namespace {

std::optional<int> selectedRow(const QListWidget* list) {
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->isSelected())
            return row;
    }
    return std::nullopt;
}

// A pick is a click on a row or its activation from the keyboard, also on the row that is
// already selected; a mere change of selection is not.
template <typename Slot> void onPick(QListWidget* list, QObject* receiver, Slot slot) {
    QObject::connect(list, &QListWidget::itemClicked, receiver, slot);
    QObject::connect(list, &QListWidget::itemActivated, receiver, slot);
}

} // namespace

RoughnessPanel::RoughnessPanel(const Controls& controls, bool closeWhenNFocused, QObject* parent)
    : QObject(parent), c_(controls) {
    c_.materials->addItems(materialRows());
    c_.conditions->addItems(conditionRows());
    onPick(c_.materials, this, [this] { pickMaterial(); });
    onPick(c_.conditions, this, [this] { pickCondition(); });
    if (closeWhenNFocused)
        c_.nField->installEventFilter(this);
}

void RoughnessPanel::open() {
    c_.panel->show();
    c_.materials->setEnabled(true);
}

void RoughnessPanel::pickMaterial() {
    showConditions(true);
    c_.materials->setEnabled(false);
}

void RoughnessPanel::pickCondition() {
    const LookupResult result = lookup(selectedRow(c_.materials), selectedRow(c_.conditions));
    if (const QString* n = std::get_if<QString>(&result)) {
        c_.nField->setText(*n);
        // The focus leaves the panel before the panel that holds it is hidden.
        c_.nField->setFocus(Qt::OtherFocusReason);
        c_.panel->hide();
        showConditions(false);
        c_.materials->setEnabled(true);
    } else if (std::holds_alternative<GoBack>(result)) {
        showConditions(false);
        c_.materials->show();
        c_.materials->setEnabled(true);
        // The material choice starts afresh.
        c_.materials->clearSelection();
    }
}

void RoughnessPanel::showConditions(bool shown) {
    c_.conditions->setVisible(shown);
    c_.conditionsTitle->setVisible(shown);
}

bool RoughnessPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == c_.nField && event->type() == QEvent::FocusIn)
        c_.panel->hide();
    return QObject::eventFilter(watched, event);
}

} // namespace vazolar::roughness
