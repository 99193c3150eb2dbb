#include "chooser_window.h"

#include "windows.h"

#include "forms/control_lookup.h"
#include "forms/form_builder.h"
#include "forms/look.h"

#include <QToolButton>

namespace vazolar {

namespace {

ControlSpec label(const char* name, const char* text, int top, int width, bool heading) {
    ControlSpec spec{.name = name, .text = QString::fromUtf8(text)};
    spec.left = heading ? 120 : 2280;
    spec.top = top;
    spec.width = width;
    spec.height = 495;
    spec.pointSize = heading ? 15.75 : 20.25;
    spec.background = kWindowBackground;
    spec.foreground = heading ? QColor(0x00, 0x80, 0x00) : QColor(0x00, 0x00, 0xFF);
    spec.alignment = Qt::AlignHCenter | Qt::AlignTop;
    return spec;
}

ControlSpec shapeButton(const char* name, const char* picture, int top) {
    ControlSpec spec{.name = name, .kind = ControlKind::PictureButton};
    spec.left = 120;
    spec.top = top;
    spec.width = 2055;
    spec.height = 1095;
    spec.background = QColor(0x00, 0xC0, 0x00);
    spec.picture = picture;
    return spec;
}

FormLayout chooserLayout() {
    FormLayout layout;
    layout.caption = QStringLiteral("Vazolar");
    layout.widthTwips = 5670;
    layout.heightTwips = 6720;
    layout.background = kWindowBackground;
    layout.controls = {
        label("Label5", "VAZOLAR", 120, 5415, true),
        label("Label6", "MÉTODO DA SEÇÃO ECONÔMICA", 720, 5415, true),
        shapeButton("cmbtrapezoidal", ":/assets/chooser_trapezoidal.svg", 1560),
        label("Label1", "Canal Trapezoidal", 1800, 3375, false),
        shapeButton("cmbretangular", ":/assets/chooser_rectangular.svg", 2880),
        label("Label2", "Canal Retangular", 3120, 3255, false),
        shapeButton("cmbtriangular", ":/assets/chooser_triangular.svg", 4200),
        label("Label3", "Canal Triangular", 4440, 3255, false),
        shapeButton("cmbcircular", ":/assets/chooser_circular.svg", 5520),
        label("Label4", "Canal Circular", 5760, 2895, false),
    };
    layout.tabOrder = {"cmbtrapezoidal", "cmbretangular", "cmbtriangular", "cmbcircular"};
    return layout;
}

} // namespace

ChooserWindow::ChooserWindow(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("frmsessao"));
    const FormLayout layout = chooserLayout();
    makeFixedWindow(this, layout.caption, layout.widthTwips, layout.heightTwips);
    buildLayout(this, layout);
    const std::pair<const char*, Shape> buttons[] = {{"cmbtrapezoidal", Shape::Trapezoidal},
                                                     {"cmbretangular", Shape::Rectangular},
                                                     {"cmbtriangular", Shape::Triangular},
                                                     {"cmbcircular", Shape::Circular}};
    for (const auto& [name, shape] : buttons) {
        connect(requireControl<QToolButton>(this, name), &QToolButton::clicked, this,
                [this, shape = shape] { chooseShape(shape); });
    }
    requireControl<QToolButton>(this, "cmbtrapezoidal")->setFocus();
}

void ChooserWindow::chooseShape(Shape shape) {
    windows_.replace(WindowId::Chooser, sectionWindow(shape));
}

} // namespace vazolar
