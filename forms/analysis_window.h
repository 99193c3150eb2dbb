#pragma once

#include "analysis_sheet.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;

namespace vazolar {

// "Análise hidráulica": the hydraulic check of one trial, beside its form. A form keeps one
// and shows each trial asked for in it; it is not modal and closes with its form.
class AnalysisWindow : public QWidget {
    Q_OBJECT

public:
    // A window of its own that belongs to the form; it opens beside the form, keeping the
    // trial list in view as far as the screen allows.
    AnalysisWindow(QWidget* form, const QWidget* trialList);

    void showSheet(const AnalysisSheet& sheet);
    // The table as the Copiar button puts it on the clipboard.
    QString copyText() const { return sheetText(sheet_); }

signals:
    // "Adotar seção…": the trial shown is to be adopted.
    void adoptRequested();

private:
    void fillTable();
    void fitHeightToTable();
    void on_cmdcopiar_clicked();

    const QWidget* trialList_;
    AnalysisSheet sheet_;
    QLabel* lbltentativa = nullptr;
    QTableWidget* grdanalise = nullptr;
    QLabel* lblconstantes = nullptr;
    QPushButton* cmdcopiar = nullptr;
    QPushButton* cmdadotar = nullptr;
};

} // namespace vazolar
