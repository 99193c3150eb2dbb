#pragma once
#include "wording/trial_rows.h"

#include <QObject>
#include <QPointer>

class QLineEdit;
class QListWidget;
class QPoint;
class QWidget;

namespace vazolar {

class AdoptedWindow;
class AnalysisWindow;
class TrialTable;
class UserDialogs;
struct SizingInput;

// What a form offers on its trial table beyond the listing: the hydraulic analysis of a row
// (double-click, Enter, the context menu), the section adopted from it (the context menu, the
// analysis window's button), a hover tip with its Froude number, and copies for a spreadsheet
// (Ctrl+C, the context menu). On the circular form the one result field takes
// the list's place. Reads the table's selection and the run's kept quantities; changes
// nothing on the form.
class TrialActions : public QObject {
    Q_OBJECT

public:
    // list is null on the circular form; trials and runTexts (the field texts of the run)
    // live as long as the form.
    TrialActions(QWidget* form, QListWidget* list, QLineEdit* resultField, const TrialTable& trials,
                 const SizingInput& runTexts, UserDialogs& dialogs, const QString& lastSavePath);

    // The analysis window of the trial (counted from 0), opened or brought forward.
    void showAnalysis(int row);
    AnalysisWindow* analysisWindow() const;

    // The adopted-section window of the trial, opened or brought forward.
    void showAdopted(int row);
    AdoptedWindow* adoptedWindow() const;

    // The table was emptied: an analysis or an adopted section on screen no longer belongs
    // to it.
    void closeAnalysis();

    void copyRow(int row) const;
    void copyTable() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The trial under the pointer, or -1.
    int rowAt(QObject* watched, const QPoint& position) const;
    // The selected trial (the one result on the circle), or -1.
    int selectedRow() const;
    bool handleListKey(QEvent* event);
    void showMenu(int row, const QPoint& globalPosition);
    bool isTrial(int row) const;
    // The list, or the circle's result field: what a window beside the form keeps in view.
    const QWidget* tableWidget() const;

    QWidget* form_;
    QListWidget* list_;
    QLineEdit* resultField_;
    const TrialTable& trials_;
    const SizingInput& runTexts_;
    UserDialogs& dialogs_;
    const QString& lastSavePath_;
    QPointer<AnalysisWindow> analysis_;
    int analysisRow_ = -1;
    QPointer<AdoptedWindow> adopted_;
};

} // namespace vazolar
