#include "analysis_window.h"

#include "look.h"
#include "window_placement.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace vazolar {

namespace {

constexpr int kNameColumn = 0;
constexpr int kValueColumn = 1;
constexpr int kUnitColumn = 2;
const QColor kTitleGround(0xC0, 0xC0, 0xC0);

QTableWidgetItem* cell(const QString& text, Qt::Alignment alignment) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QTableWidget* makeTable(QWidget* parent) {
    auto* table = new QTableWidget(0, 3, parent);
    table->setObjectName("grdanalise");
    table->setHorizontalHeaderLabels({"Grandeza", "Valor", "Unidade"});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setFont(windowFont(11, false));
    table->horizontalHeader()->setFont(windowFont(11));
    // Compact rows on white, as a spreadsheet: the whole check fits on one screen.
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setFocusPolicy(Qt::NoFocus);
    paintColours(table, Qt::white);
    table->horizontalHeader()->setSectionResizeMode(kNameColumn, QHeaderView::Stretch);
    table->horizontalHeader()->setSectionResizeMode(kValueColumn, QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(kUnitColumn, QHeaderView::ResizeToContents);
    return table;
}

} // namespace

AnalysisWindow::AnalysisWindow(QWidget* form, const QWidget* trialList)
    : QWidget(form, Qt::Window), trialList_(trialList) {
    setObjectName("frmanalise");
    setWindowTitle(QString::fromUtf8("Análise hidráulica"));
    setFont(windowFont(11, false));
    paintColours(this, kWindowBackground);

    lbltentativa = new QLabel(this);
    lbltentativa->setObjectName("lbltentativa");
    lbltentativa->setFont(windowFont(12));
    grdanalise = makeTable(this);
    lblconstantes = new QLabel(this);
    lblconstantes->setObjectName("lblconstantes");
    cmdcopiar = new QPushButton(QStringLiteral("Copiar"), this);
    cmdcopiar->setObjectName("cmdcopiar");
    cmdcopiar->setToolTip(QString::fromUtf8("Copia a tabela para colar numa planilha"));
    connect(cmdcopiar, &QPushButton::clicked, this, [this] { on_cmdcopiar_clicked(); });

    cmdadotar = new QPushButton(QString::fromUtf8("Adotar seção…"), this);
    cmdadotar->setObjectName("cmdadotar");
    cmdadotar->setToolTip(
        QString::fromUtf8("Abre a seção a construir, com as dimensões arredondadas"));
    connect(cmdadotar, &QPushButton::clicked, this, &AnalysisWindow::adoptRequested);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblconstantes, 1);
    bottom->addWidget(cmdadotar);
    bottom->addWidget(cmdcopiar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lbltentativa);
    layout->addWidget(grdanalise, 1);
    layout->addLayout(bottom);
    resize(540, 640);
}

void AnalysisWindow::showSheet(const AnalysisSheet& sheet) {
    sheet_ = sheet;
    lbltentativa->setText(sheet.heading);
    lblconstantes->setText(sheet.constants);
    fillTable();
    if (!isVisible()) {
        fitHeightToTable();
        openBeside(this, parentWidget(), trialList_, 540, 420);
    }
    show();
    raise();
    activateWindow();
}

void AnalysisWindow::fillTable() {
    grdanalise->clearContents();
    grdanalise->clearSpans();
    grdanalise->setRowCount(int(sheet_.lines.size()));
    int row = 0;
    for (const SheetLine& line : sheet_.lines) {
        QTableWidgetItem* name = cell(line.name, Qt::AlignLeft);
        if (line.isTitle) {
            grdanalise->setSpan(row, kNameColumn, 1, 3);
            name->setFont(windowFont(11));
            name->setBackground(kTitleGround);
        }
        grdanalise->setItem(row, kNameColumn, name);
        if (!line.isTitle) {
            grdanalise->setItem(row, kValueColumn, cell(line.value, Qt::AlignRight));
            grdanalise->setItem(row, kUnitColumn, cell(line.unit, Qt::AlignLeft));
        }
        ++row;
    }
}

// Tall enough for every line of the table, as far as the screen allows.
void AnalysisWindow::fitHeightToTable() {
    const int tableHeight = grdanalise->horizontalHeader()->height() +
                            grdanalise->verticalHeader()->length() + 2 * grdanalise->frameWidth();
    const int others = sizeHint().height() - grdanalise->sizeHint().height();
    int height = tableHeight + others;
    if (const QScreen* screen = this->screen())
        height = std::min(height, screen->availableGeometry().height() - 60);
    resize(width(), height);
}

void AnalysisWindow::on_cmdcopiar_clicked() {
    QGuiApplication::clipboard()->setText(copyText());
}

} // namespace vazolar
