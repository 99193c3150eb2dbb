#include "section_layouts.h"

#include "look.h"
#include "shape_profile.h"
#include "wording/row_text.h"
#include "wording/shape_description.h"

#include <QRect>

namespace vazolar {

namespace {

const QColor kPanelGrey(0xC0, 0xC0, 0xC0);
const QColor kDarkBlue(0x00, 0x00, 0xC0);
const QColor kRed(0xFF, 0x00, 0x00);

ControlSpec place(ControlSpec spec, int left, int top, int width, int height) {
    spec.left = left;
    spec.top = top;
    spec.width = width;
    spec.height = height;
    return spec;
}

// --- The two bands across the top and their buttons, the same on every form. ---

ControlSpec shapeButton(const char* name, const char* text, int left, int width, Shape own,
                        Shape target) {
    ControlSpec b{
        .name = name, .kind = ControlKind::PictureButton, .text = QString::fromUtf8(text)};
    b.pointSize = 9;
    b.background = Qt::white;
    b.disabled = own == target;
    return place(b, left, 120, width, 375);
}

ControlSpec commandButton(const char* name, const char* text, int left, const char* picture,
                          bool disabled = false) {
    ControlSpec b{
        .name = name, .kind = ControlKind::PictureButton, .text = QString::fromUtf8(text)};
    b.pointSize = 9;
    b.background = kPanelGrey;
    b.picture = picture;
    b.disabled = disabled;
    return place(b, left, 720, 2055, 735);
}

void addBands(std::vector<ControlSpec>& c, Shape own) {
    ControlSpec box{.name = "lblcaixa", .background = kDarkBlue, .bordered = true};
    c.push_back(place(box, -120, 480, 16320, 1095));
    ControlSpec strip{.name = "Label2", .background = Qt::black};
    c.push_back(place(strip, 0, 0, 13935, 615));
    c.push_back(
        shapeButton("cmbtrapezoidal", "Canal Trapezoidal", 1080, 2055, own, Shape::Trapezoidal));
    c.push_back(shapeButton("cmbcircular", "Canal Circular", 4200, 2115, own, Shape::Circular));
    c.push_back(
        shapeButton("cmbtriangular", "Canal Triângular", 7440, 2055, own, Shape::Triangular));
    c.push_back(
        shapeButton("cmdretangular", "Canal Retangular", 10560, 2055, own, Shape::Rectangular));
    c.push_back(commandButton("cmblimpar", "NOVO", 600, ":/assets/icon_new.svg"));
    c.push_back(
        commandButton("cmbdimensionar", "DIMENSIONAR", 3120, ":/assets/icon_calculator.svg"));
    c.push_back(commandButton("cmbsalvar", "SALVAR", 5640, ":/assets/icon_save.svg", true));
    c.push_back(commandButton("cmbimprimir", "IMPRIMIR", 8160, ":/assets/icon_print.svg", true));
    c.push_back(commandButton("cmbsobre", "CRÉDITOS", 10680, ""));
}

// --- The data group. ---

void addDataGroup(std::vector<ControlSpec>& c, int left, int top, int height) {
    ControlSpec group{.name = "framedados", .kind = ControlKind::GroupBox, .text = "DADOS"};
    group.pointSize = 14.25;
    group.background = kPanelGrey;
    group.foreground = kDarkBlue;
    c.push_back(place(group, left, top, 4095, height));
}

ControlSpec captionLabel(int index, const QString& text, int left, int top) {
    ControlSpec label{.name = "Label1", .container = "framedados", .text = text};
    label.background = kPanelGrey;
    label.alignment = Qt::AlignCenter;
    label.index = index;
    return place(label, left, top, 2535, index == 5 ? 255 : 375);
}

// The caption of a data field, as the shape's description words it.
ControlSpec fieldCaptionLabel(Shape shape, Field field, int left, int top) {
    for (const FieldDescription& described : describe(shape).fields) {
        if (described.field == field)
            return captionLabel(captionIndexOf(field), QString::fromUtf8(described.label), left,
                                top);
    }
    Q_UNREACHABLE();
    return {};
}

ControlSpec dataField(const char* name, int top) {
    ControlSpec field{.name = name, .kind = ControlKind::TextField, .container = "framedados"};
    field.alignment = Qt::AlignCenter;
    return place(field, 2760, top, 1215, 615);
}

ControlSpec tableButton(int left, int top) {
    ControlSpec button{
        .name = "cmbtabelan", .kind = ControlKind::PictureButton, .container = "framedados"};
    button.background = QColor(0xFF, 0xFF, 0xC0);
    button.picture = ":/assets/icon_table.svg";
    return place(button, left, top, 375, 390);
}

ControlSpec incrementBar(int left, int top) {
    ControlSpec bar{
        .name = "brhincremento", .kind = ControlKind::ScrollBar, .container = "framedados"};
    return place(bar, left, top, 2895, 255);
}

// --- The section drawing. ---

void addFigureGroup(std::vector<ControlSpec>& c, const char* caption, int left, int top, int width,
                    int height) {
    ControlSpec group{
        .name = "Frame1", .kind = ControlKind::GroupBox, .text = QString::fromUtf8(caption)};
    group.background = kPanelGrey;
    group.foreground = kDarkBlue;
    c.push_back(place(group, left, top, width, height));
    ControlSpec figure{.name = "figura", .kind = ControlKind::Figure, .container = "Frame1"};
    c.push_back(place(figure, 0, 0, width, height));
}

// A caption such as "B =" and the result label beside it, which shows "?" until a sizing.
// The two overlap a little; both let the group's ground show through, so neither hides the
// other's text.
void addLabelPair(std::vector<ControlSpec>& c, const char* captionName, const char* caption,
                  QRect captionRect, const char* resultName, QRect resultRect,
                  bool centredCaption = false) {
    ControlSpec label{
        .name = captionName, .container = "Frame1", .text = QString::fromUtf8(caption)};
    if (centredCaption)
        label.alignment = Qt::AlignCenter;
    c.push_back(
        place(label, captionRect.x(), captionRect.y(), captionRect.width(), captionRect.height()));
    ControlSpec result{.name = resultName, .container = "Frame1", .text = "?"};
    result.alignment = Qt::AlignCenter;
    c.push_back(
        place(result, resultRect.x(), resultRect.y(), resultRect.width(), resultRect.height()));
    for (ControlSpec* spec : {&c[c.size() - 2], &c.back()}) {
        spec->pointSize = 8.25;
        spec->background = kPanelGrey;
        spec->seeThrough = true;
    }
}

FigureLine outline(int x1, int y1, int x2, int y2) {
    return {x1, y1, x2, y2, Qt::black, 3};
}
FigureLine dimension(int x1, int y1, int x2, int y2, int width = 1) {
    return {x1, y1, x2, y2, kRed, width};
}

// --- The results area. ---

// The column heading over the rows, three blanks after its last name.
ControlSpec headingLabel(Shape shape, const std::vector<int>& blanks, int left, int top, int width,
                         bool centred) {
    ControlSpec heading{.name = "lbltitulo", .text = columnHeading(shape, blanks) + "   "};
    heading.background = kPanelGrey;
    heading.foreground = QColor(0x00, 0x00, 0xFF);
    heading.bordered = true;
    heading.alignment = (centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter;
    return place(heading, left, top, width, 495);
}

ControlSpec trialList(int left, int top, int width) {
    ControlSpec list{.name = "lstresposta", .kind = ControlKind::List};
    list.bold = false;
    return place(list, left, top, width, 6330);
}

ControlSpec resultField(int left, int top, int width, bool trialShape) {
    ControlSpec field{.name = "txtresposta", .kind = ControlKind::ReadOnlyField};
    field.bold = false;
    field.foreground = trialShape ? QColor(0x00, 0x80, 0x00) : QColor(Qt::black);
    field.hidden = trialShape;
    return place(field, left, top, width, 495);
}

// The heading, the list under it and the hidden field in which each row is composed.
void addTrialResults(std::vector<ControlSpec>& c, Shape shape,
                     const std::vector<int>& headingBlanks, int left, int top, int width,
                     int resultTop) {
    c.push_back(headingLabel(shape, headingBlanks, left, top, width, false));
    c.push_back(trialList(left, top + 480, width));
    c.push_back(resultField(left, resultTop, width, true));
}

// --- The roughness panel, hidden until called; it lies in front of everything. ---

void addRoughnessPanel(std::vector<ControlSpec>& c, int left, int top) {
    ControlSpec panel{.name = "Framen",
                      .kind = ControlKind::GroupBox,
                      .text = QString::fromUtf8("n da fórmula de Manning")};
    panel.background = kPanelGrey;
    panel.foreground = kDarkBlue;
    panel.hidden = true;
    c.push_back(place(panel, left, top, 3255, 3255));

    ControlSpec title{
        .name = "Label7", .container = "Framen", .text = "Coeficientes de rugosidade (n)"};
    title.pointSize = 9.75;
    title.background = QColor(0x80, 0xFF, 0x80);
    title.foreground = kDarkBlue;
    title.alignment = Qt::AlignCenter;
    title.bordered = true;
    c.push_back(place(title, 120, 360, 3015, 255));

    ControlSpec materials{.name = "lstmateriais", .kind = ControlKind::List, .container = "Framen"};
    materials.pointSize = 9.75;
    materials.background = QColor(0xFF, 0xFF, 0xC0);
    materials.foreground = Qt::black;
    c.push_back(place(materials, 120, 600, 3015, 2535));

    ControlSpec heading{.name = "Text1",
                        .kind = ControlKind::ReadOnlyField,
                        .container = "Framen",
                        .text = QString::fromUtf8("Condições")};
    heading.pointSize = 9.75;
    heading.background = QColor(0x80, 0xFF, 0x80);
    heading.foreground = kDarkBlue;
    heading.alignment = Qt::AlignCenter;
    heading.hidden = true;
    c.push_back(place(heading, 480, 1320, 2175, 285));

    ControlSpec conditions{
        .name = "lstcondicoes", .kind = ControlKind::List, .container = "Framen"};
    conditions.pointSize = 9;
    conditions.background = QColor(0xC0, 0xFF, 0xC0);
    conditions.foreground = Qt::black;
    conditions.hidden = true;
    c.push_back(place(conditions, 480, 1560, 2175, 960));
}

FormLayout baseLayout(const char* caption, int width, int height, Shape own) {
    FormLayout layout;
    layout.caption = QString::fromUtf8(caption);
    layout.widthTwips = width;
    layout.heightTwips = height;
    layout.background = kWindowBackground;
    addBands(layout.controls, own);
    return layout;
}

FormLayout trapezoidalLayout() {
    FormLayout l = baseLayout("VAZOLAR TRAPEZOIDAL", 13905, 9900, Shape::Trapezoidal);
    auto& c = l.controls;
    addDataGroup(c, 120, 1680, 4815);
    c.push_back(fieldCaptionLabel(Shape::Trapezoidal, Field::Slope, 120, 600));
    c.push_back(fieldCaptionLabel(Shape::Trapezoidal, Field::Angle, 120, 1320));
    c.push_back(fieldCaptionLabel(Shape::Trapezoidal, Field::Roughness, 120, 2040));
    c.push_back(fieldCaptionLabel(Shape::Trapezoidal, Field::Discharge, 240, 2760));
    c.push_back(fieldCaptionLabel(Shape::Trapezoidal, Field::Start, 120, 3480));
    c.push_back(captionLabel(5, QString::fromUtf8("Precisão do incremento"), 720, 4440));
    c.push_back(dataField("txti", 360));
    c.push_back(dataField("txtangulo", 1080));
    c.push_back(dataField("txtn", 1800));
    c.push_back(dataField("txtQdesejada", 2520));
    c.push_back(dataField("txtb", 3240));
    c.push_back(tableButton(2280, 2010));
    c.push_back(incrementBar(600, 4080));

    addFigureGroup(c, "Canal Trapezoidal", 120, 6720, 4335, 3135);
    l.figure = {outline(120, 1080, 4080, 1080),    outline(720, 2400, 3360, 2400),
                outline(120, 1080, 720, 2400),     outline(4080, 1080, 3360, 2400),
                dimension(120, 840, 4080, 840),    dimension(120, 1080, 120, 720),
                dimension(4080, 1080, 4080, 720),  dimension(1080, 1080, 1080, 2400),
                dimension(720, 2880, 3360, 2880),  dimension(720, 2400, 720, 3000),
                dimension(3360, 2400, 3360, 3000), dimension(3360, 1920, 3360, 2400),
                dimension(3480, 1920, 3360, 2040), dimension(3480, 1920, 3600, 2040)};
    addLabelPair(c, "Label3", "B =", {1800, 480, 375, 255}, "lblB", {2040, 480, 615, 255});
    addLabelPair(c, "Label4", "Y = ", {1200, 1560, 255, 255}, "lblY", {1560, 1560, 615, 255});
    addLabelPair(c, "Label6", "b = ", {1800, 2520, 255, 255}, "lblbb", {2040, 2520, 615, 255});
    addLabelPair(c, "Label5", "Angulo", {3000, 1440, 735, 255}, "lbla", {3240, 1680, 375, 255},
                 true);

    addTrialResults(c, Shape::Trapezoidal, {3, 9, 8, 8, 6, 6, 5, 5}, 4920, 1680, 8775, 8520);
    addRoughnessPanel(c, 4440, 2280);
    l.tabOrder = {"txtresposta",   "txti",           "txtangulo",    "cmbtabelan",
                  "txtn",          "txtQdesejada",   "txtb",         "cmbdimensionar",
                  "cmbsalvar",     "cmblimpar",      "lstresposta",  "cmbimprimir",
                  "cmbsobre",      "cmbtrapezoidal", "cmbcircular",  "cmbtriangular",
                  "cmdretangular", "lstmateriais",   "lstcondicoes", "Text1",
                  "brhincremento"};
    return l;
}

FormLayout rectangularLayout() {
    FormLayout l = baseLayout("VAZOLAR RETANGULAR", 13875, 9870, Shape::Rectangular);
    auto& c = l.controls;
    addDataGroup(c, 120, 1800, 4215);
    c.push_back(fieldCaptionLabel(Shape::Rectangular, Field::Slope, 120, 600));
    c.push_back(fieldCaptionLabel(Shape::Rectangular, Field::Roughness, 120, 1320));
    c.push_back(fieldCaptionLabel(Shape::Rectangular, Field::Discharge, 120, 1920));
    c.push_back(fieldCaptionLabel(Shape::Rectangular, Field::Start, 120, 2640));
    c.push_back(captionLabel(5, QString::fromUtf8("Precisão das Tentativas"), 720, 3720));
    c.push_back(dataField("txti", 360));
    c.push_back(dataField("txtn", 1080));
    c.push_back(dataField("txtQdesejada", 1800));
    c.push_back(dataField("txtb", 2520));
    c.push_back(tableButton(2280, 1320));
    c.push_back(incrementBar(600, 3480));

    addFigureGroup(c, "Canal Retangular", 120, 6240, 4335, 3375);
    l.figure = {outline(360, 1080, 3840, 1080),    outline(360, 2400, 3840, 2400),
                outline(360, 1080, 360, 2400),     outline(3840, 1080, 3840, 2400),
                dimension(1200, 1080, 1200, 2400), dimension(360, 2760, 3840, 2760),
                dimension(360, 2880, 360, 2520),   dimension(3840, 2880, 3840, 2520)};
    addLabelPair(c, "Label4", "Y = ", {1320, 1560, 255, 255}, "lblY", {1680, 1560, 615, 255});
    addLabelPair(c, "Label3", "B =", {1680, 2520, 375, 255}, "lblB", {2040, 2520, 615, 255});

    addTrialResults(c, Shape::Rectangular, {3, 11, 11, 9, 9, 8, 8}, 4680, 1800, 8775, 8640);
    addRoughnessPanel(c, 4440, 2520);
    l.tabOrder = {"cmdretangular",  "txti",         "cmbtabelan",    "txtn",
                  "txtQdesejada",   "txtb",         "brhincremento", "cmbdimensionar",
                  "cmbsalvar",      "cmbimprimir",  "cmblimpar",     "cmbsobre",
                  "cmbtrapezoidal", "cmbcircular",  "cmbtriangular", "txtresposta",
                  "lstresposta",    "lstcondicoes", "Text1",         "lstmateriais"};
    return l;
}

FormLayout triangularLayout() {
    FormLayout l = baseLayout("VAZOLAR TRIANGULAR", 13905, 9900, Shape::Triangular);
    auto& c = l.controls;
    addDataGroup(c, 120, 1800, 4455);
    c.push_back(fieldCaptionLabel(Shape::Triangular, Field::Slope, 120, 600));
    c.push_back(fieldCaptionLabel(Shape::Triangular, Field::Roughness, 120, 1320));
    c.push_back(fieldCaptionLabel(Shape::Triangular, Field::Discharge, 240, 2160));
    c.push_back(fieldCaptionLabel(Shape::Triangular, Field::Start, 120, 3000));
    c.push_back(captionLabel(5, QString::fromUtf8("Precisão do incremento"), 840, 4080));
    c.push_back(dataField("txti", 360));
    c.push_back(dataField("txtn", 1200));
    c.push_back(dataField("txtQdesejada", 2040));
    c.push_back(dataField("txty", 2880));
    c.push_back(tableButton(2280, 1320));
    c.push_back(incrementBar(720, 3720));

    addFigureGroup(c, "Canal Triangular", 240, 6600, 4335, 3135);
    l.figure = {outline(360, 1080, 3720, 1080),  outline(360, 1080, 2040, 3000),
                outline(3720, 1080, 2040, 3000), dimension(2040, 1080, 2040, 3000),
                dimension(360, 840, 3720, 840),  dimension(360, 1080, 360, 720),
                dimension(3720, 1080, 3720, 720)};
    addLabelPair(c, "Label3", "B =", {1800, 480, 375, 255}, "lblB", {2160, 480, 615, 255});
    addLabelPair(c, "Label4", "Y = ", {2040, 1440, 255, 255}, "lblY", {2280, 1440, 615, 255});

    addTrialResults(c, Shape::Triangular, {1, 8, 8, 6, 6, 5, 5}, 5400, 1800, 7455, 8760);
    addRoughnessPanel(c, 4560, 2400);
    l.tabOrder = {"txti",        "cmbtabelan",    "txtn",           "txtQdesejada",
                  "txty",        "brhincremento", "cmbdimensionar", "cmbsalvar",
                  "cmbimprimir", "cmbsobre",      "cmblimpar",      "cmbtrapezoidal",
                  "cmbcircular", "cmbtriangular", "cmdretangular",  "lstresposta",
                  "txtresposta", "lstcondicoes",  "Text1",          "lstmateriais"};
    return l;
}

FormLayout circularLayout() {
    FormLayout l = baseLayout("VAZOLAR CIRCULAR", 13875, 9870, Shape::Circular);
    auto& c = l.controls;
    addDataGroup(c, 840, 2160, 2895);
    c.push_back(fieldCaptionLabel(Shape::Circular, Field::Slope, 120, 600));
    c.push_back(fieldCaptionLabel(Shape::Circular, Field::Roughness, 120, 1320));
    c.push_back(fieldCaptionLabel(Shape::Circular, Field::Discharge, 240, 1920));
    c.push_back(dataField("txti", 360));
    c.push_back(dataField("txtn", 1080));
    c.push_back(dataField("txtQdesejada", 1800));
    c.push_back(tableButton(2160, 1320));

    ControlSpec group{.name = "Frame1", .kind = ControlKind::GroupBox, .text = "Canal Circular"};
    group.background = kPanelGrey;
    group.foreground = kDarkBlue;
    c.push_back(place(group, 360, 5520, 5175, 3975));
    ControlSpec circle{.name = "Image1", .kind = ControlKind::Picture, .container = "Frame1"};
    circle.picture = ":/assets/circle.svg";
    c.push_back(place(circle, 720, 360, 3855, 3480));
    ControlSpec figure{.name = "figura", .kind = ControlKind::Figure, .container = "Frame1"};
    c.push_back(place(figure, 0, 0, 5175, 3975));
    l.figure = {dimension(960, 2040, 4270, 2040, 2)};
    addLabelPair(c, "Label3", "D = ", {2280, 1680, 255, 255}, "lbld", {2640, 1680, 735, 255});

    c.push_back(headingLabel(Shape::Circular, {0, 10, 11, 10, 10}, 6720, 2160, 6735, true));
    c.push_back(resultField(6720, 2640, 6735, false));
    addRoughnessPanel(c, 5760, 3240);
    l.tabOrder = {"txti",          "cmbtabelan",  "txtn",          "txtQdesejada", "cmbdimensionar",
                  "cmbsalvar",     "cmbimprimir", "cmbsobre",      "cmblimpar",    "cmbtrapezoidal",
                  "cmbtriangular", "cmbcircular", "cmdretangular", "txtresposta",  "lstcondicoes",
                  "Text1",         "lstmateriais"};
    return l;
}

} // namespace

FormLayout sectionLayout(Shape shape) {
    switch (shape) {
    case Shape::Trapezoidal:
        return trapezoidalLayout();
    case Shape::Rectangular:
        return rectangularLayout();
    case Shape::Triangular:
        return triangularLayout();
    case Shape::Circular:
        return circularLayout();
    }
    Q_UNREACHABLE();
    return {};
}

} // namespace vazolar
