#include "adopted_window.h"

#include "drawings/adopted_pictures.h"
#include "drawings/plot_painter.h"
#include "drawings/section_painter.h"
#include "engine/commercial_diameters.h"
#include "io/atomic_file.h"
#include "key_filter.h"
#include "look.h"
#include "picture_view.h"
#include "profile_window.h"
#include "reports/memo_pdf.h"
#include "user_dialogs.h"
#include "window_placement.h"
#include "wording/adopted_verification.h"
#include "wording/permissible_shear.h"
#include "wording/pipe_text.h"
#include "wording/shape_description.h"
#include "wording/trial_rows.h"

#include <algorithm>
#include <iterator>

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vazolar {

namespace {

// The freeboard rules in the order of the list, and the caption of the value each needs.
enum FreeboardChoice { kUsbr, kHeight, kDepthShare, kBankHeight };
const char* const kFreeboardCaptions[] = {"USBR: F = √(C·y)", "Altura (m)", "% da profundidade",
                                          "Altura total H (m)"};
constexpr FreeboardRule kChoiceRules[] = {FreeboardRule::Usbr, FreeboardRule::Height,
                                          FreeboardRule::DepthShare, FreeboardRule::BankHeight};

int freeboardChoice(const FreeboardText& freeboard) {
    const auto* rule = std::find(std::begin(kChoiceRules), std::end(kChoiceRules), freeboard.rule);
    return int(rule - std::begin(kChoiceRules));
}

QIcon swatch(const QColor& colour) {
    QPixmap pixmap(12, 12);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

QTableWidgetItem* cell(const QString& text, Qt::Alignment alignment) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QString fieldText(const QLineEdit* field) {
    return field ? field->text() : QString();
}

void setFieldText(QLineEdit* field, const QString& text) {
    if (field)
        field->setText(text);
}

const QString kUndefined = QString::fromUtf8("—");

// How the window's messages name its fields: by their captions; the freeboard's value by the
// rule picked in the list.
FieldNamer windowFieldNames(Shape shape, const QString& freeboardRule) {
    return [shape, freeboardRule](AdoptedField id) -> QString {
        if (id == AdoptedField::Freeboard || id == AdoptedField::BankHeight)
            return freeboardRule;
        const auto field = adoptedField(shape, id);
        return field ? QString::fromUtf8(field->caption) : QString();
    };
}

} // namespace

// The window's line fields down the form, by their object names, where the shape takes them;
// the bank's list goes between the flow and the limits. There is no depth: the window verifies
// a discharge.
struct WindowField {
    AdoptedField id;
    const char* objectName;
};
constexpr WindowField kFlowFields[] = {{AdoptedField::Dimension, "txtdimensao"},
                                       {AdoptedField::Angle, "txtangulo"},
                                       {AdoptedField::Slope, "txti"},
                                       {AdoptedField::Roughness, "txtn"},
                                       {AdoptedField::Discharge, "txtq"}};
constexpr WindowField kLimitFields[] = {
    {AdoptedField::MaxVelocity, "txtvmax"}, {AdoptedField::MinVelocity, "txtvmin"},
    {AdoptedField::MaxFroude, "txtfrmax"},  {AdoptedField::MaxDepthRatio, "txtymaxd"},
    {AdoptedField::MaxShear, "txttauadm"},  {AdoptedField::ShearSafetyFactor, "txtfs"}};

namespace {

// The lists beside the D field and the τadm field: a typed value first, then the table's.
const char* const kTypedPipe = "outro (D digitado)";
const char* const kTypedShear = "τadm digitado";

void addNote(QComboBox* list, const QString& note) {
    list->addItem(note);
    qobject_cast<QStandardItemModel*>(list->model())->item(list->count() - 1)->setEnabled(false);
}

} // namespace

AdoptedWindow::AdoptedWindow(QWidget* form, const QWidget* trialList, Shape shape,
                             UserDialogs& dialogs, const QString& lastSavePath)
    : QWidget(form, Qt::Window), form_(form), trialList_(trialList), shape_(shape),
      dialogs_(dialogs), outcome_(Failure{}), lastSavePath_(lastSavePath) {
    setObjectName("frmadotada");
    setWindowTitle(QString::fromUtf8("Seção adotada — Canal %1").arg(shapeName(shape)));
    setFont(windowFont(11, false));
    paintColours(this, kWindowBackground);

    fieldsBox_ = new QGroupBox(QStringLiteral("Seção e dados"), this);
    fieldsLayout_ = new QFormLayout(fieldsBox_);
    buildFields();

    grdresultado = new QTableWidget(0, 3, this);
    grdresultado->setObjectName("grdresultado");
    grdresultado->setHorizontalHeaderLabels({"Grandeza", "Valor", "Unidade"});
    grdresultado->verticalHeader()->hide();
    grdresultado->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdresultado->setFocusPolicy(Qt::NoFocus);
    grdresultado->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdresultado->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    grdresultado->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    grdresultado->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    // Rows as close as the swatches allow: the whole table stands beside the fields on a
    // laptop's screen.
    grdresultado->verticalHeader()->setDefaultSectionSize(grdresultado->fontMetrics().height() + 3);
    paintColours(grdresultado, Qt::white);
    buildPictures();
    memoBox_ = new QGroupBox(QString::fromUtf8("Memória de cálculo"), this);
    memoLayout_ = new QFormLayout(memoBox_);
    buildMemoFields();

    lblstatus = new QLabel(this);
    lblstatus->setObjectName("lblstatus");
    lblstatus->setWordWrap(true);
    cmdcopiar = new QPushButton(QStringLiteral("Copiar"), this);
    cmdcopiar->setObjectName("cmdcopiar");
    cmdcopiar->setToolTip(QString::fromUtf8("Copia a tabela para colar numa planilha"));
    connect(cmdcopiar, &QPushButton::clicked, this, [this] { on_cmdcopiar_clicked(); });
    cmdmemoria = new QPushButton(QString::fromUtf8("Memória de cálculo…"), this);
    cmdmemoria->setObjectName("cmdmemoria");
    cmdmemoria->setToolTip(QString::fromUtf8("Grava a memória de cálculo em PDF"));
    connect(cmdmemoria, &QPushButton::clicked, this, [this] { on_cmdmemoria_clicked(); });
    cmdremanso = new QPushButton(QString::fromUtf8("Curva de remanso…"), this);
    cmdremanso->setObjectName("cmdremanso");
    cmdremanso->setToolTip(
        QString::fromUtf8("Calcula a linha d'água de um trecho desta seção a partir do controle"));
    connect(cmdremanso, &QPushButton::clicked, this, [this] { on_cmdremanso_clicked(); });
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblstatus, 1);
    bottom->addWidget(cmdremanso);
    bottom->addWidget(cmdmemoria);
    bottom->addWidget(cmdcopiar);
    outer_ = new QVBoxLayout(this);
    outer_->addLayout(bottom);
    arrange(Arrangement::OneColumn);
    resize(520, kOneColumnHeight);
}

QLineEdit* AdoptedWindow::addField(const char* name, const QString& caption) {
    auto* field = new QLineEdit(this);
    field->setObjectName(QString::fromLatin1(name));
    field->installEventFilter(new NumericKeyFilter(field));
    connect(field, &QLineEdit::textChanged, this, [this] { recompute(); });
    fieldsLayout_->addRow(caption, field);
    return field;
}

void AdoptedWindow::addLineFields(std::span<const WindowField> fields) {
    for (const WindowField& field : fields) {
        if (const auto taken = adoptedField(shape_, field.id)) {
            QLineEdit* edit = addField(field.objectName, QString::fromUtf8(taken->caption));
            lineFields_.push_back({taken->text, edit});
            addListBeside(field.id, edit);
        }
    }
}

// The circle's D has the concrete pipes beside it, τadm the linings' typical figures.
void AdoptedWindow::addListBeside(AdoptedField id, QLineEdit* edit) {
    if (id == AdoptedField::Dimension && builtOfPipes(shape_))
        addPipeList(edit);
    else if (id == AdoptedField::MaxShear)
        addLiningList(edit);
    else if (id == AdoptedField::ShearSafetyFactor)
        edit->setPlaceholderText(QStringLiteral("1,0"));
}

void AdoptedWindow::addPipeList(QLineEdit* diameter) {
    txtdiametro = diameter;
    cmbdn = new QComboBox(this);
    cmbdn->setObjectName("cmbdn");
    cmbdn->setToolTip(
        QString::fromUtf8("Tubos de concreto para águas pluviais: %1").arg(pipeTableCitation()));
    cmbdn->addItem(QString::fromUtf8(kTypedPipe));
    for (const int pipe : concretePipeDiameters())
        cmbdn->addItem(pipeName(pipe), pipe);
    connect(cmbdn, &QComboBox::activated, this, [this](int index) {
        if (index > 0)
            txtdiametro->setText(pipeMetresText(cmbdn->itemData(index).toInt()));
    });
    fieldsLayout_->addRow(QStringLiteral("DN comercial (NBR 8890)"), cmbdn);
}

void AdoptedWindow::addLiningList(QLineEdit* shear) {
    txttauadm = shear;
    cmbtauadm = new QComboBox(this);
    cmbtauadm->setObjectName("cmbtauadm");
    cmbtauadm->setToolTip(QString::fromUtf8("Tensões admissíveis típicas de solos e "
                                            "revestimentos de pedra: %1")
                              .arg(liningShearCitation()));
    cmbtauadm->addItem(QString::fromUtf8(kTypedShear));
    for (const LiningShear& lining : liningShears())
        cmbtauadm->addItem(liningShearCaption(lining), liningShearText(lining));
    addNote(cmbtauadm, rigidLiningNote());
    addNote(cmbtauadm, liningShearCitation());
    // The list's long names would widen the whole window: the field stays as narrow as the
    // others, and the open list as wide as its names.
    cmbtauadm->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbtauadm->setMinimumContentsLength(12);
    cmbtauadm->view()->setMinimumWidth(cmbtauadm->view()->sizeHintForColumn(0) + 24);
    connect(cmbtauadm, &QComboBox::activated, this, [this](int index) {
        if (index > 0)
            txttauadm->setText(cmbtauadm->itemData(index).toString());
    });
    fieldsLayout_->addRow(QStringLiteral("Revestimento (HEC-15)"), cmbtauadm);
}

// Each list shows the entry of its field's value, or the typed one.
void AdoptedWindow::showListedValues() {
    if (cmbdn) {
        const std::optional<int> pipe = pipeOfTypedDiameter(txtdiametro->text().trimmed());
        cmbdn->setCurrentIndex(pipe ? cmbdn->findData(*pipe) : 0);
    }
    if (cmbtauadm) {
        const QString typed = txttauadm->text().trimmed();
        const int lining = typed.isEmpty() ? -1 : cmbtauadm->findData(typed);
        cmbtauadm->setCurrentIndex(std::max(lining, 0));
    }
}

void AdoptedWindow::buildFields() {
    addLineFields(kFlowFields);
    if (takesField(shape_, AdoptedField::Freeboard)) {
        cmbborda = new QComboBox(this);
        cmbborda->setObjectName("cmbborda");
        for (const char* caption : kFreeboardCaptions)
            cmbborda->addItem(QString::fromUtf8(caption));
        connect(cmbborda, &QComboBox::activated, this, [this] { on_cmbborda_activated(); });
        fieldsLayout_->addRow(QStringLiteral("Borda livre"), cmbborda);
        txtborda = addField("txtborda", QStringLiteral("Valor"));
    }
    addLineFields(kLimitFields);
}

// The memo's identification, kept for every window while the program runs.
static reports::MemoIdentity& keptIdentity() {
    static reports::MemoIdentity identity;
    return identity;
}

void AdoptedWindow::buildMemoFields() {
    const std::pair<const char*, QString reports::MemoIdentity::*> fields[] = {
        {"Obra", &reports::MemoIdentity::work},
        {"Trecho", &reports::MemoIdentity::stretch},
        {"Responsável técnico", &reports::MemoIdentity::engineer}};
    QLineEdit** edits[] = {&txtobra, &txttrecho, &txtresponsavel};
    const char* names[] = {"txtobra", "txttrecho", "txtresponsavel"};
    for (int k = 0; k < 3; ++k) {
        auto* edit = new QLineEdit(keptIdentity().*fields[k].second, this);
        edit->setObjectName(QString::fromLatin1(names[k]));
        connect(
            edit, &QLineEdit::textChanged, this,
            [member = fields[k].second](const QString& text) { keptIdentity().*member = text; });
        memoLayout_->addRow(QString::fromUtf8(fields[k].first), edit);
        *edits[k] = edit;
    }
    txtresponsavel->setPlaceholderText(QStringLiteral("nome e CREA"));
}

void AdoptedWindow::buildPictures() {
    picsecao = new PictureView(QString::fromUtf8("secao"), QString::fromUtf8("Seção adotada"),
                               dialogs_, this);
    picsecao->setObjectName("picsecao");
    piccurvachave = new PictureView(QStringLiteral("curva-chave"), QStringLiteral("Curva-chave"),
                                    dialogs_, this);
    piccurvachave->setObjectName("piccurvachave");
    picenergia = new PictureView(QStringLiteral("energia-especifica"),
                                 QString::fromUtf8("Energia específica"), dialogs_, this);
    picenergia->setObjectName("picenergia");
}

void AdoptedWindow::showRequest(const AdoptedRequest& request) {
    filling_ = true;
    for (const LineField& field : lineFields_)
        field.edit->setText(request.*field.text);
    if (cmbborda) {
        const int choice = freeboardChoice(request.freeboard);
        cmbborda->setCurrentIndex(choice);
        setFieldText(txtborda, choice == kUsbr ? QString() : request.freeboard.value);
        txtborda->setEnabled(choice != kUsbr);
    }
    filling_ = false;
    recompute();
    if (!isVisible())
        openArranged();
    show();
    raise();
    activateWindow();
}

AdoptedRequest AdoptedWindow::request() const {
    AdoptedRequest request;
    request.shape = shape_;
    for (const LineField& field : lineFields_)
        request.*field.text = field.edit->text();
    if (cmbborda) {
        const int choice = cmbborda->currentIndex();
        request.freeboard = {kChoiceRules[choice],
                             choice == kUsbr ? QString() : fieldText(txtborda)};
    }
    return request;
}

// Every edit: the section is verified again, and the table and the pictures follow. A field
// that cannot be read says so in the status line; nothing pops up while the user types.
void AdoptedWindow::recompute() {
    if (filling_)
        return;
    showListedValues();
    const AdoptedRequest typed = request();
    const bool valueMissing =
        cmbborda && cmbborda->currentIndex() != kUsbr && fieldText(txtborda).trimmed().isEmpty();
    outcome_ =
        valueMissing
            ? Outcome<AdoptedResult>(
                  Failure{QString::fromUtf8("Informe o valor de %1.").arg(cmbborda->currentText())})
            : verifyAdoptedSection(
                  typed, windowFieldNames(shape_, cmbborda ? cmbborda->currentText() : QString()));
    if (outcome_) {
        rows_ = adoptedResultRows(outcome_.value());
        lblstatus->setText(noPipeLargeEnoughNote(outcome_.value().inputs.section));
    } else {
        for (ResultRow& row : rows_) {
            row.value = kUndefined;
            row.passes.reset();
        }
        lblstatus->setText(QString(outcome_.message()).replace(QStringLiteral("\n\n"), " "));
    }
    showRows(rows_);
    showPictures();
    emit sectionChanged();
}

void AdoptedWindow::showRows(const QList<ResultRow>& rows) {
    grdresultado->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        const ResultRow& line = rows[row];
        grdresultado->setItem(row, 0, cell(line.label, Qt::AlignLeft));
        QTableWidgetItem* value = cell(line.value, Qt::AlignRight);
        // A check is said in words; the colour beside them only repeats it.
        if (line.passes)
            value->setIcon(
                swatch(*line.passes ? QColor(0x2E, 0x9E, 0x44) : QColor(0xD0, 0x30, 0x20)));
        grdresultado->setItem(row, 1, value);
        grdresultado->setItem(row, 2, cell(line.unit, Qt::AlignLeft));
    }
    const int height = grdresultado->horizontalHeader()->height() +
                       grdresultado->verticalHeader()->length() + 2 * grdresultado->frameWidth();
    grdresultado->setFixedHeight(height);
    // The names are never cut: the table is at least as wide as its widest name, value and
    // unit, and the names' column takes what the window gives beyond that.
    const QFontMetrics metrics = grdresultado->fontMetrics();
    int names = grdresultado->horizontalHeader()->sectionSizeHint(0);
    for (const ResultRow& line : rows)
        names =
            std::max(names, metrics.horizontalAdvance(line.label) + 2 * metrics.averageCharWidth());
    const QHeaderView* header = grdresultado->horizontalHeader();
    grdresultado->setMinimumWidth(2 * grdresultado->frameWidth() + names + header->sectionSize(1) +
                                  header->sectionSize(2));
    fitOneColumn();
}

void AdoptedWindow::showPictures() {
    if (!outcome_) {
        for (PictureView* view : {picsecao, piccurvachave, picenergia})
            view->setPainter({});
        return;
    }
    const AdoptedResult& result = outcome_.value();
    picsecao->setPainter(
        [section = drawings::sectionPicture(result)](QPainter& painter, const QRectF& bounds) {
            drawings::paintSection(painter, bounds, section);
        });
    piccurvachave->setPainter(
        [plot = drawings::ratingCurve(result)](QPainter& painter, const QRectF& bounds) {
            drawings::paintPlot(painter, bounds, plot);
        });
    picenergia->setPainter(
        [plot = drawings::energyCurve(result)](QPainter& painter, const QRectF& bounds) {
            drawings::paintPlot(painter, bounds, plot);
        });
}

void AdoptedWindow::on_cmbborda_activated() {
    txtborda->setEnabled(cmbborda->currentIndex() != kUsbr);
    if (cmbborda->currentIndex() == kUsbr)
        txtborda->clear();
    recompute();
}

QString AdoptedWindow::copyText() const {
    return resultRowsText(rows_);
}

void AdoptedWindow::on_cmdcopiar_clicked() {
    QGuiApplication::clipboard()->setText(copyText());
}

std::optional<reports::MemoInput> AdoptedWindow::memoInput() const {
    if (!outcome_)
        return std::nullopt;
    return reports::MemoInput{
        keptIdentity(), QDate::currentDate(), QCoreApplication::applicationVersion(), sizing_,
        request(),      outcome_.value()};
}

// memoria_trapezoidal.pdf, in the folder of the last memo or, before one, of the last report.
QString AdoptedWindow::proposedMemoPath() const {
    const QString name = QStringLiteral("memoria_%1.pdf").arg(shapeName(shape_));
    const QString& last = lastMemoPath_.isEmpty() ? lastSavePath_ : lastMemoPath_;
    if (last.isEmpty())
        return name;
    return QFileInfo(last).dir().filePath(name);
}

void AdoptedWindow::on_cmdmemoria_clicked() {
    saveMemo(this, memoInput());
}

void AdoptedWindow::on_cmdremanso_clicked() {
    if (!profileWindow_)
        profileWindow_ = new ProfileWindow(this, form_, trialList_, dialogs_);
    profileWindow_->open();
}

void AdoptedWindow::saveMemo(QWidget* from, const std::optional<reports::MemoInput>& input) {
    if (!input) {
        dialogs_.warn(from, QString::fromUtf8("A memória de cálculo não foi feita: %1")
                                .arg(QString(outcome_.message()).replace("\n\n", " ")));
        return;
    }
    // Made before the file is asked for: a memo that cannot be made asks for nothing.
    from->setCursor(Qt::WaitCursor);
    const Outcome<reports::MemoPdf> pdf = reports::memoPdf(*input);
    from->setCursor(Qt::ArrowCursor);
    if (!pdf) {
        dialogs_.warn(
            from, QString::fromUtf8("A memória de cálculo não foi feita: %1").arg(pdf.message()));
        return;
    }
    const SavePrompt prompt{.proposedPath = proposedMemoPath(),
                            .defaultSuffix = QStringLiteral("pdf"),
                            .filterDescription = QStringLiteral("Documentos PDF"),
                            .filterPattern = QStringLiteral("*.pdf")};
    const std::optional<QString> path = dialogs_.askSavePath(from, prompt);
    if (!path)
        return;
    lastMemoPath_ = *path;
    const Outcome<> written = io::writeFileAtomically(*path, pdf.value().bytes);
    if (!written)
        dialogs_.warn(from, QString::fromUtf8("A memória de cálculo não foi salva em \"%1\": %2")
                                .arg(QDir::toNativeSeparators(*path), written.message()));
}

} // namespace vazolar
