#include "profile_window.h"

#include "adopted_window.h"
#include "drawings/profile_picture.h"
#include "key_filter.h"
#include "look.h"
#include "picture_view.h"
#include "user_dialogs.h"
#include "window_placement.h"
#include "wording/number_text.h"
#include "wording/profile_rows.h"
#include "wording/profile_text.h"
#include "wording/shape_description.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vazolar {

namespace {

QString reachCaption(ProfileField field) {
    return QString::fromUtf8(profileField(field).caption);
}

// The window's messages name the section's fields by the adopted-section window's captions.
ProfileNamer windowNames(Shape shape) {
    return {[shape](AdoptedField id) {
                const auto field = adoptedField(shape, id);
                return field ? QString::fromUtf8(field->caption) : QString();
            },
            reachCaption};
}

QTableWidgetItem* cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

// Each column as wide as its widest text. The cells are figures of one notation, so the
// longest text of a column is its widest: one text a column is measured, not every row.
void fitColumns(QTableWidget* table) {
    const QFontMetrics metrics = table->fontMetrics();
    const int padding =
        2 * table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) +
        metrics.averageCharWidth();
    for (int c = 0; c < table->columnCount(); ++c) {
        QString widest = table->horizontalHeaderItem(c)->text();
        for (int r = 0; r < table->rowCount(); ++r) {
            if (const QTableWidgetItem* item = table->item(r, c);
                item && item->text().size() > widest.size())
                widest = item->text();
        }
        table->setColumnWidth(c, metrics.horizontalAdvance(widest) + padding);
    }
}

// The bank of the adopted section as its window shows it: the height its rule gives, or the
// height typed where the section cannot be verified (a horizontal bed has no normal depth).
QString bankHeightText(const AdoptedWindow& adopted) {
    const Outcome<AdoptedResult>& result = adopted.outcome();
    if (result && result.value().bank)
        return formatQuantity(result.value().bank->bankHeight);
    const FreeboardText freeboard = adopted.request().freeboard;
    return freeboard.rule == FreeboardRule::BankHeight ? freeboard.value : QString();
}

} // namespace

ProfileWindow::ProfileWindow(AdoptedWindow* adopted, const QWidget* form, const QWidget* trialList,
                             UserDialogs& dialogs)
    : QWidget(adopted, Qt::Window), adopted_(adopted), form_(form), trialList_(trialList),
      dialogs_(dialogs), outcome_(Failure{}) {
    const Shape shape = adopted->request().shape;
    setObjectName("frmremanso");
    setWindowTitle(QString::fromUtf8("Curva de remanso — Canal %1").arg(shapeName(shape)));
    setFont(windowFont(11, false));
    paintColours(this, kWindowBackground);

    auto* fields = new QGroupBox(QString::fromUtf8("Controle e trecho"), this);
    auto* fieldsLayout = new QFormLayout(fields);
    buildFields(fieldsLayout);
    lblresumo = new QLabel(this);
    lblresumo->setObjectName("lblresumo");
    lblresumo->setWordWrap(true);
    lblresumo->setTextInteractionFlags(Qt::TextSelectableByMouse);
    picperfil = new PictureView(QStringLiteral("curva-de-remanso"),
                                QString::fromUtf8("Curva de remanso"), dialogs, this);
    picperfil->setObjectName("picperfil");
    grdestacoes = new QTableWidget(0, int(profileColumnNames().size()) - 1, this);
    grdestacoes->setObjectName("grdestacoes");
    grdestacoes->setHorizontalHeaderLabels(profileColumnNames().mid(1));
    grdestacoes->verticalHeader()->hide();
    grdestacoes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdestacoes->verticalHeader()->setDefaultSectionSize(grdestacoes->fontMetrics().height() + 6);
    paintColours(grdestacoes, Qt::white);

    lblstatus = new QLabel(this);
    lblstatus->setObjectName("lblstatus");
    lblstatus->setWordWrap(true);
    cmdcopiar = new QPushButton(QStringLiteral("Copiar"), this);
    cmdcopiar->setObjectName("cmdcopiar");
    cmdcopiar->setToolTip(
        QString::fromUtf8("Copia a tabela das estações para colar numa planilha"));
    connect(cmdcopiar, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(copyText()); });
    cmdmemoria = new QPushButton(QString::fromUtf8("Memória de cálculo…"), this);
    cmdmemoria->setObjectName("cmdmemoria");
    cmdmemoria->setToolTip(QString::fromUtf8("Grava a memória de cálculo da seção com a curva"));
    connect(cmdmemoria, &QPushButton::clicked, this, [this] { on_cmdmemoria_clicked(); });

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblstatus, 1);
    bottom->addWidget(cmdmemoria);
    bottom->addWidget(cmdcopiar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fields);
    layout->addWidget(lblresumo);
    layout->addWidget(picperfil);
    layout->addWidget(grdestacoes, 1);
    layout->addLayout(bottom);
    resize(760, 980);
    connect(adopted, &AdoptedWindow::sectionChanged, this, [this] { recompute(); });
    recompute();
}

QLineEdit* ProfileWindow::addField(const char* name) {
    auto* field = new QLineEdit(this);
    field->setObjectName(QString::fromLatin1(name));
    field->installEventFilter(new NumericKeyFilter(field));
    connect(field, &QLineEdit::textChanged, this, [this] { recompute(); });
    return field;
}

void ProfileWindow::buildFields(QFormLayout* layout) {
    txty0 = addField("txty0");
    chkcritica = new QCheckBox(QString::fromUtf8("Profundidade crítica (queda livre)"), this);
    chkcritica->setObjectName("chkcritica");
    connect(chkcritica, &QCheckBox::toggled, this, [this] { on_chkcritica_toggled(); });
    auto* control = new QHBoxLayout;
    control->addWidget(txty0, 1);
    control->addWidget(chkcritica);
    layout->addRow(reachCaption(ProfileField::ControlDepth), control);
    txtcomprimento = addField("txtcomprimento");
    layout->addRow(reachCaption(ProfileField::Length), txtcomprimento);
    txtpasso = addField("txtpasso");
    txtpasso->setPlaceholderText(QString::fromUtf8("L/%1 se em branco").arg(kDefaultStepsPerReach));
    layout->addRow(reachCaption(ProfileField::Step), txtpasso);
}

void ProfileWindow::open() {
    if (!isVisible())
        openBeside(this, form_, trialList_, 760, 520);
    show();
    raise();
    activateWindow();
    txty0->setFocus();
}

ProfileTexts ProfileWindow::texts() const {
    ProfileTexts texts;
    texts.section = adopted_->request();
    texts.bankHeight = bankHeightText(*adopted_);
    texts.criticalControl = chkcritica->isChecked();
    texts.controlDepth = texts.criticalControl ? QString() : txty0->text();
    texts.length = txtcomprimento->text();
    texts.step = txtpasso->text();
    return texts;
}

// Every edit here or in the adopted section: the profile is computed again, and the lines, the
// table and the picture follow. What cannot be computed says so in the status line.
void ProfileWindow::recompute() {
    const ProfileTexts typed = texts();
    const ProfileNamer names = windowNames(typed.section.shape);
    const Outcome<ProfileInputs> inputs = convertProfileTexts(typed, names);
    inputs_.reset();
    outcome_ = inputs ? computeProfile(inputs.value(), names) : inputs.failure();
    if (inputs)
        inputs_ = inputs.value();
    showResults();
}

void ProfileWindow::showStatus(const QString& message) {
    lblstatus->setText(QString(message).replace(QStringLiteral("\n\n"), " "));
}

void ProfileWindow::showResults() {
    if (!outcome_) {
        showStatus(outcome_.message());
        lblresumo->clear();
        grdestacoes->setRowCount(0);
        picperfil->setPainter({});
        return;
    }
    lblstatus->clear();
    const WaterProfile& profile = outcome_.value();
    lblresumo->setText(profileFindingLines(*inputs_, profile).join(u'\n'));
    const std::vector<ProfileRow> rows = profileRows(*inputs_, profile);
    grdestacoes->setUpdatesEnabled(false);
    grdestacoes->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        const QStringList cells = profileRowCells(profile, rows[size_t(r)]);
        for (int c = 1; c < cells.size(); ++c)
            grdestacoes->setItem(r, c - 1, cell(cells[c]));
    }
    grdestacoes->setUpdatesEnabled(true);
    fitColumns(grdestacoes);
    picperfil->setPainter([inputs = *inputs_, profile](QPainter& painter, const QRectF& bounds) {
        drawings::paintProfilePicture(painter, bounds, inputs, profile);
    });
}

void ProfileWindow::on_chkcritica_toggled() {
    txty0->setEnabled(!chkcritica->isChecked());
    recompute();
}

QString ProfileWindow::copyText() const {
    if (!outcome_)
        return QString();
    QString text = profileColumnNames().join(u'\t') + u'\n';
    for (const ProfileRow& row : profileRows(*inputs_, outcome_.value()))
        text += profileRowCells(outcome_.value(), row).join(u'\t') + u'\n';
    return text;
}

std::optional<reports::MemoInput> ProfileWindow::memoInput() const {
    std::optional<reports::MemoInput> memo = adopted_->memoInput();
    if (!memo || !outcome_)
        return std::nullopt;
    memo->profile = reports::MemoProfile{*inputs_, outcome_.value()};
    return memo;
}

void ProfileWindow::on_cmdmemoria_clicked() {
    if (!outcome_) {
        dialogs_.warn(this, QString::fromUtf8("A memória de cálculo não foi feita: %1")
                                .arg(QString(outcome_.message()).replace("\n\n", " ")));
        return;
    }
    adopted_->saveMemo(this, memoInput());
}

} // namespace vazolar
