#include "trial_actions.h"

#include "adopted_window.h"
#include "analysis_window.h"
#include "reports/analysis_sheet.h"
#include "trial_copy.h"
#include "wording/trial_adoption.h"
#include "wording/trial_rows.h"
#include "wording/trial_table.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QToolTip>

namespace vazolar {

TrialActions::TrialActions(QWidget* form, QListWidget* list, QLineEdit* resultField,
                           const TrialTable& trials, const SizingInput& runTexts,
                           UserDialogs& dialogs, const QString& lastSavePath)
    : QObject(form), form_(form), list_(list), resultField_(resultField), trials_(trials),
      runTexts_(runTexts), dialogs_(dialogs), lastSavePath_(lastSavePath) {
    if (list_) {
        list_->installEventFilter(this);
        list_->viewport()->installEventFilter(this);
        connect(list_, &QListWidget::itemDoubleClicked, this,
                [this](QListWidgetItem* item) { showAnalysis(list_->row(item)); });
    } else {
        resultField_->installEventFilter(this);
    }
}

bool TrialActions::isTrial(int row) const {
    return row >= 0 && row < trials_.size();
}

int TrialActions::rowAt(QObject* watched, const QPoint& position) const {
    if (!list_)
        return trials_.isEmpty() ? -1 : 0;
    if (watched != list_->viewport())
        return selectedRow();
    const QListWidgetItem* item = list_->itemAt(position);
    return item ? list_->row(item) : -1;
}

int TrialActions::selectedRow() const {
    if (!list_)
        return trials_.isEmpty() ? -1 : 0;
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : list_->row(selected.first());
}

void TrialActions::showAnalysis(int row) {
    if (!isTrial(row))
        return;
    if (!analysis_) {
        analysis_ = new AnalysisWindow(form_, tableWidget());
        connect(analysis_, &AnalysisWindow::adoptRequested, this,
                [this] { showAdopted(analysisRow_); });
    }
    analysisRow_ = row;
    analysis_->showSheet(analysisSheet(trials_, row));
}

void TrialActions::showAdopted(int row) {
    if (!isTrial(row))
        return;
    if (!adopted_)
        adopted_ = new AdoptedWindow(form_, tableWidget(), trials_.inputs().shape, dialogs_,
                                     lastSavePath_);
    adopted_->setSizing(reports::memoSizing(runTexts_, trials_));
    adopted_->showRequest(adoptedRequestForTrial(runTexts_, trials_.at(row)));
}

AdoptedWindow* TrialActions::adoptedWindow() const {
    return adopted_;
}

const QWidget* TrialActions::tableWidget() const {
    return list_ ? static_cast<const QWidget*>(list_) : resultField_;
}

AnalysisWindow* TrialActions::analysisWindow() const {
    return analysis_;
}

void TrialActions::closeAnalysis() {
    if (analysis_)
        analysis_->close();
    if (adopted_)
        adopted_->close();
}

void TrialActions::copyRow(int row) const {
    if (isTrial(row))
        QGuiApplication::clipboard()->setText(trialRowText(trials_, row));
}

void TrialActions::copyTable() const {
    if (!trials_.isEmpty())
        QGuiApplication::clipboard()->setText(trialTableText(trials_));
}

void TrialActions::showMenu(int row, const QPoint& globalPosition) {
    QMenu menu(form_);
    QAction* analysis = menu.addAction(QString::fromUtf8("Análise hidráulica…"));
    QAction* adopt = menu.addAction(QString::fromUtf8("Adotar seção…"));
    QAction* copyLine = menu.addAction(QStringLiteral("Copiar linha"));
    QAction* copyAll = menu.addAction(QStringLiteral("Copiar tabela"));
    analysis->setEnabled(isTrial(row));
    adopt->setEnabled(isTrial(row));
    copyLine->setEnabled(isTrial(row));
    copyAll->setEnabled(!trials_.isEmpty());
    QAction* chosen = menu.exec(globalPosition);
    if (chosen == analysis)
        showAnalysis(row);
    else if (chosen == adopt)
        showAdopted(row);
    else if (chosen == copyLine)
        copyRow(row);
    else if (chosen == copyAll)
        copyTable();
}

bool TrialActions::handleListKey(QEvent* event) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Copy)) {
        copyRow(selectedRow());
        return true;
    }
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && isTrial(selectedRow())) {
        showAnalysis(selectedRow());
        return true;
    }
    return false;
}

bool TrialActions::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ToolTip: {
        auto* help = static_cast<QHelpEvent*>(event);
        const int row = rowAt(watched, help->pos());
        if (isTrial(row))
            QToolTip::showText(help->globalPos(), froudeTip(trials_, row),
                               static_cast<QWidget*>(watched));
        else
            QToolTip::hideText();
        return true;
    }
    case QEvent::ContextMenu: {
        auto* menu = static_cast<QContextMenuEvent*>(event);
        const bool byMouse = menu->reason() == QContextMenuEvent::Mouse;
        showMenu(byMouse ? rowAt(watched, menu->pos()) : selectedRow(), menu->globalPos());
        return true;
    }
    case QEvent::MouseButtonDblClick:
        if (watched == resultField_)
            showAnalysis(0);
        return false;
    case QEvent::KeyPress:
        return watched == list_ && handleListKey(event);
    default:
        return false;
    }
}

} // namespace vazolar
