#include "section_form.h"

#include "control_lookup.h"
#include "engine/increment.h"
#include "engine/sizing.h"
#include "form_builder.h"
#include "key_filter.h"
#include "look.h"
#include "roughness/roughness_panel.h"
#include "section_layouts.h"
#include "shape_profile.h"
#include "trial_actions.h"
#include "user_dialogs.h"
#include "wording/empty_fields.h"
#include "wording/number_text.h"
#include "wording/shape_description.h"
#include "wording/sizing_messages.h"
#include "wording/trial_rows.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QScrollBar>
#include <QToolButton>

namespace vazolar {

namespace {

struct ShapeButton {
    const char* name;
    Shape target;
};

constexpr ShapeButton kShapeButtons[] = {{"cmbtrapezoidal", Shape::Trapezoidal},
                                         {"cmbcircular", Shape::Circular},
                                         {"cmbtriangular", Shape::Triangular},
                                         {"cmdretangular", Shape::Rectangular}};

} // namespace

SectionForm::SectionForm(Shape shape, UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent), profile_(profileOf(shape)), dialogs_(dialogs) {
    setObjectName(profile_.formName);
    const FormLayout layout = sectionLayout(shape);
    makeFixedWindow(this, layout.caption, layout.widthTwips, layout.heightTwips);
    buildLayout(this, layout);
    bindControls();
    connectHandlers();
    fieldOf(Field::Slope)->setFocus();
}

SectionForm::~SectionForm() = default;

Shape SectionForm::shape() const {
    return profile_.shape;
}

void SectionForm::bindControls() {
    cmbdimensionar = requireControl<QToolButton>(this, "cmbdimensionar");
    cmblimpar = requireControl<QToolButton>(this, "cmblimpar");
    cmbsalvar = requireControl<QToolButton>(this, "cmbsalvar");
    cmbimprimir = requireControl<QToolButton>(this, "cmbimprimir");
    cmbsobre = requireControl<QToolButton>(this, "cmbsobre");
    cmbtabelan = requireControl<QToolButton>(this, "cmbtabelan");
    txtresposta = requireControl<QLineEdit>(this, "txtresposta");
    if (isTrialShape(profile_.shape)) {
        lstresposta = requireControl<QListWidget>(this, "lstresposta");
        brhincremento = requireControl<QScrollBar>(this, "brhincremento");
    }
    Framen = requireControl<QGroupBox>(this, "Framen");
    bindDataFields();
}

void SectionForm::bindDataFields() {
    const ShapeDescription& description = describe(profile_.shape);
    for (const FieldDescription& described : description.fields) {
        const Field field = described.field;
        fields_.push_back({field, requireControl<QLineEdit>(this, controlOf(profile_, field)),
                           requireMember<QLabel>(this, "Label1", captionIndexOf(field))});
    }
    for (const ResultLabel& result : profile_.resultLabels)
        results_.push_back({requireControl<QLabel>(this, result.label), result.quantity});
    for (const MirroredField& mirror : profile_.mirrors) {
        mirrors_.push_back({requireControl<QLineEdit>(this, mirror.field),
                            requireControl<QLabel>(this, mirror.label)});
    }
}

void SectionForm::connectHandlers() {
    connect(cmbdimensionar, &QToolButton::clicked, this, [this] { on_cmbdimensionar_clicked(); });
    connect(cmblimpar, &QToolButton::clicked, this, [this] { on_cmblimpar_clicked(); });
    connect(cmbsalvar, &QToolButton::clicked, this, [this] { on_cmbsalvar_clicked(); });
    connect(cmbimprimir, &QToolButton::clicked, this, [this] { on_cmbimprimir_clicked(); });
    connect(cmbtabelan, &QToolButton::clicked, this, [this] { on_cmbtabelan_clicked(); });
    connect(cmbsobre, &QToolButton::clicked, this, &SectionForm::creditsRequested);
    for (const ShapeButton& button : kShapeButtons) {
        auto* shapeButton = requireControl<QToolButton>(this, button.name);
        if (button.target != profile_.shape)
            connect(shapeButton, &QToolButton::clicked, this,
                    [this, target = button.target] { emit shapeRequested(target); });
    }

    auto* keyFilter = new NumericKeyFilter(this);
    for (const BoundField& bound : fields_)
        bound.edit->installEventFilter(keyFilter);
    for (const Mirror& mirror : mirrors_)
        connect(mirror.field, &QLineEdit::textChanged, mirror.label, &QLabel::setText);

    const roughness::RoughnessPanel::Controls panel{
        Framen, requireControl<QListWidget>(this, "lstmateriais"),
        requireControl<QLineEdit>(this, "Text1"), requireControl<QListWidget>(this, "lstcondicoes"),
        fieldOf(Field::Roughness)};
    panel_ = new roughness::RoughnessPanel(panel, profile_.focusOnNClosesPanel, this);
    trialActions_ = new TrialActions(this, lstresposta, txtresposta, trials_, runTexts_, dialogs_,
                                     lastSavePath_);
}

QLineEdit* SectionForm::fieldOf(Field field) const {
    for (const BoundField& bound : fields_) {
        if (bound.field == field)
            return bound.edit;
    }
    return nullptr;
}

QString SectionForm::captionOf(Field field) const {
    for (const BoundField& bound : fields_) {
        if (bound.field == field)
            return bound.caption->text().simplified();
    }
    return QString();
}

void SectionForm::on_cmbdimensionar_clicked() {
    if (profile_.sizingClosesPanel)
        Framen->hide();
    SizingInput input;
    input.shape = profile_.shape;
    for (const BoundField& bound : fields_)
        fieldText(input, bound.field) = bound.edit->text();
    if (const Outcome<> filled = requireEveryField(input); !filled) {
        dialogs_.inform(this, filled.message());
        return;
    }
    if (brhincremento)
        input.scrollValue = brhincremento->value();

    // Rows an abandoned run left behind do not belong to this run's table.
    if (lstresposta)
        lstresposta->clear();
    trials_.clear();
    trialActions_->closeAnalysis();
    // Each row goes into the list the moment it is built. The hidden result field gets the
    // last one when the run stops: nothing can look at it in between.
    QString lastRow;
    const auto appendRow = [&](const QString& row, const SectionQuantities& quantities) {
        lastRow = row;
        trials_.append(quantities);
        if (lstresposta)
            lstresposta->addItem(row);
    };
    runTexts_ = input;
    SizingOutcome outcome;
    try {
        trials_.start(convertInputs(input));
        outcome = runSizing(trials_.inputs(), appendRow);
    } catch (const SizingError& error) {
        if (!lastRow.isNull())
            txtresposta->setText(lastRow);
        dialogs_.warn(this, sizingFaultMessage(error, captionOf(error.field())));
        return;
    }
    txtresposta->setText(lastRow);
    if (lstresposta)
        ntentativas_ = outcome.rowCount;
    for (const ResultShown& result : results_)
        result.label->setText(outcome.last ? formatQuantity((*outcome.last)[result.quantity])
                                           : QString());
    showSizedState();
}

void SectionForm::showSizedState() {
    txtresposta->show();
    cmbsalvar->setEnabled(true);
    cmbimprimir->setEnabled(true);
    cmbdimensionar->setEnabled(false);
    cmbtabelan->setEnabled(false);
}

void SectionForm::on_cmblimpar_clicked() {
    if (lstresposta)
        lstresposta->clear();
    for (const BoundField& bound : fields_)
        bound.edit->setText(QString());
    txtresposta->setText(QString());
    trials_.clear();
    trialActions_->closeAnalysis();
    ntentativas_ = 0;
    if (brhincremento)
        brhincremento->setValue(kScrollDefault);
    // After the fields: emptying a field has just emptied the label that mirrors it.
    for (const ResultShown& result : results_)
        result.label->setText("?");
    for (const Mirror& mirror : mirrors_)
        mirror.label->setText("?");
    cmbdimensionar->setEnabled(true);
    cmbtabelan->setEnabled(true);
    cmbsalvar->setEnabled(false);
    cmbimprimir->setEnabled(false);
}

void SectionForm::on_cmbtabelan_clicked() {
    panel_->open();
}

} // namespace vazolar
