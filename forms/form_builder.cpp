#include "form_builder.h"

#include "control_lookup.h"
#include "engine/increment.h"
#include "group_frame_style.h"
#include "look.h"
#include "section_figure.h"
#include "shared_picture.h"
#include "twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QToolButton>

namespace vazolar {

namespace {

// How far one click on the increment scroll bar's arrows or track moves it.
constexpr int kScrollChange = 5;

QWidget* makeLabel(const ControlSpec& spec, QWidget* parent) {
    auto* label = new QLabel(spec.text, parent);
    label->setAlignment(spec.alignment);
    if (spec.bordered) {
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setLineWidth(1);
    }
    label->setFocusPolicy(Qt::NoFocus);
    return label;
}

QWidget* makeField(const ControlSpec& spec, QWidget* parent) {
    auto* field = new QLineEdit(spec.text, parent);
    field->setAlignment(spec.alignment);
    field->setReadOnly(spec.kind == ControlKind::ReadOnlyField);
    return field;
}

QWidget* makeList(QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    // Every row has the same height: long trial tables list in milliseconds.
    list->setUniformItemSizes(true);
    return list;
}

QWidget* makeButton(const ControlSpec& spec, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(spec.text);
    if (!spec.picture.isEmpty()) {
        const SharedPicture picture = sharedPicture(spec.picture);
        button->setIcon(picture.icon);
        button->setIconSize(picture.size);
    }
    button->setToolButtonStyle(spec.picture.isEmpty() ? Qt::ToolButtonTextOnly
                               : spec.text.isEmpty()  ? Qt::ToolButtonIconOnly
                                                      : Qt::ToolButtonTextUnderIcon);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

QWidget* makeGroupBox(const ControlSpec& spec, QWidget* parent) {
    auto* group = new QGroupBox(spec.text, parent);
    group->setStyle(groupFrameStyle());
    return group;
}

QWidget* makeScrollBar(QWidget* parent) {
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setRange(kScrollMinimum, kScrollMaximum);
    bar->setSingleStep(kScrollChange);
    bar->setPageStep(kScrollChange);
    bar->setValue(kScrollDefault);
    bar->setFocusPolicy(Qt::StrongFocus);
    return bar;
}

QWidget* makePicture(const ControlSpec& spec, QWidget* parent) {
    auto* picture = new QLabel(parent);
    picture->setPixmap(sharedPicture(spec.picture).image);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return picture;
}

QWidget* makeControl(const ControlSpec& spec, const FormLayout& layout, QWidget* parent) {
    switch (spec.kind) {
    case ControlKind::Label:
        return makeLabel(spec, parent);
    case ControlKind::TextField:
    case ControlKind::ReadOnlyField:
        return makeField(spec, parent);
    case ControlKind::List:
        return makeList(parent);
    case ControlKind::PictureButton:
        return makeButton(spec, parent);
    case ControlKind::GroupBox:
        return makeGroupBox(spec, parent);
    case ControlKind::ScrollBar:
        return makeScrollBar(parent);
    case ControlKind::Picture:
        return makePicture(spec, parent);
    case ControlKind::Figure:
        return new SectionFigure(layout.figure, parent);
    }
    Q_UNREACHABLE();
    return nullptr;
}

// Colours not given in the layout are the usual ones: black text, white fields and lists.
void applyColours(QWidget* widget, const ControlSpec& spec) {
    const QColor text = spec.foreground.value_or(QColor(Qt::black));
    switch (spec.kind) {
    case ControlKind::TextField:
    case ControlKind::ReadOnlyField:
    case ControlKind::List:
        paintColours(widget, spec.background.value_or(QColor(Qt::white)), text);
        break;
    default:
        paintColours(widget, spec.background.value_or(QColor()), text);
    }
}

QWidget* containerOf(QWidget* window, const ControlSpec& spec) {
    if (spec.container.isEmpty())
        return window;
    return requireControl<QGroupBox>(window, spec.container);
}

void chainFocus(QWidget* window, const QStringList& order) {
    QWidget* previous = nullptr;
    for (const QString& name : order) {
        QWidget* next = requireControl<QWidget>(window, name);
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

} // namespace

void buildLayout(QWidget* window, const FormLayout& layout) {
    window->setFont(windowFont(12));
    paintColours(window, layout.background);
    for (const ControlSpec& spec : layout.controls) {
        QWidget* control = makeControl(spec, layout, containerOf(window, spec));
        control->setObjectName(spec.name);
        if (spec.index >= 0)
            control->setProperty("index", spec.index);
        control->setGeometry(twipsRect(spec.left, spec.top, spec.width, spec.height));
        control->setFont(windowFont(spec.pointSize, spec.bold));
        applyColours(control, spec);
        if (spec.seeThrough)
            control->setAutoFillBackground(false);
        control->setEnabled(!spec.disabled);
        control->setVisible(!spec.hidden);
    }
    chainFocus(window, layout.tabOrder);
}

QWidget* arrayMember(const QWidget* window, const QString& name, int index) {
    for (QWidget* member : window->findChildren<QWidget*>(name)) {
        if (member->property("index").toInt() == index)
            return member;
    }
    return nullptr;
}

} // namespace vazolar
