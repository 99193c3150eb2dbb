#include "chooser_window.h"

#include "svg_picture.h"
#include "windows.h"

#include "forms/look.h"
#include "forms/twips.h"

#include <QLabel>
#include <QToolButton>

namespace vazolar {

namespace {

const QColor kBackground(0xE0, 0xE0, 0xE0);
const QColor kHeadingText(0x00, 0x80, 0x00);
const QColor kShapeNameText(0x00, 0x00, 0xFF);
const QColor kButtonFace(0x00, 0xC0, 0x00);

constexpr double kHeadingPoints = 15.75;
constexpr double kShapeNamePoints = 20.25;

constexpr int kButtonLeft = 120;
constexpr int kButtonWidth = 2055;
constexpr int kButtonHeight = 1095;
constexpr QSize kButtonPictureSize(132, 70);

struct LabelSpec {
    const char* name;
    const char* text;
    int left, top, width, height;
    double points;
    QColor colour;
};

// The two headings, then the name beside each button.
const LabelSpec kLabels[] = {
    {"Label5", "VAZOLAR", 120, 120, 5415, 495, kHeadingPoints, kHeadingText},
    {"Label6", "MÉTODO DA SEÇÃO ECONÔMICA", 120, 720, 5415, 495, kHeadingPoints, kHeadingText},
    {"Label1", "Canal Trapezoidal", 2280, 1800, 3375, 495, kShapeNamePoints, kShapeNameText},
    {"Label2", "Canal Retangular", 2280, 3120, 3255, 495, kShapeNamePoints, kShapeNameText},
    {"Label3", "Canal Triangular", 2280, 4440, 3255, 495, kShapeNamePoints, kShapeNameText},
    {"Label4", "Canal Circular", 2280, 5760, 2895, 495, kShapeNamePoints, kShapeNameText},
};

struct ShapeButtonSpec {
    const char* name;
    Shape shape;
    const char* picture;
    int top;
};

// In tab order.
const ShapeButtonSpec kShapeButtons[] = {
    {"cmbtrapezoidal", Shape::Trapezoidal, ":/assets/chooser_trapezoidal.svg", 1560},
    {"cmbretangular", Shape::Rectangular, ":/assets/chooser_rectangular.svg", 2880},
    {"cmbtriangular", Shape::Triangular, ":/assets/chooser_triangular.svg", 4200},
    {"cmbcircular", Shape::Circular, ":/assets/chooser_circular.svg", 5520},
};

QToolButton* makeShapeButton(QWidget* window, const ShapeButtonSpec& spec) {
    auto* button = new QToolButton(window);
    button->setObjectName(QString::fromLatin1(spec.name));
    button->setGeometry(twipsRect(kButtonLeft, spec.top, kButtonWidth, kButtonHeight));
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setIconSize(kButtonPictureSize);
    const QString picture = QString::fromLatin1(spec.picture);
    button->setIcon(QIcon(svgPicture(picture, kButtonPictureSize, window->devicePixelRatioF())));
    button->setFocusPolicy(Qt::StrongFocus);
    paintColours(button, kButtonFace);
    return button;
}

} // namespace

ChooserWindow::ChooserWindow(Windows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("frmsessao"));
    makeFixedWindow(this, QStringLiteral("Vazolar"), 5670, 6720);
    paintColours(this, kBackground);
    addLabels();
    addShapeButtons();
}

void ChooserWindow::addLabels() {
    for (const LabelSpec& spec : kLabels) {
        auto* label = new QLabel(QString::fromUtf8(spec.text), this);
        label->setObjectName(QString::fromLatin1(spec.name));
        label->setGeometry(twipsRect(spec.left, spec.top, spec.width, spec.height));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setFont(windowFont(spec.points));
        paintColours(label, kBackground, spec.colour);
    }
}

void ChooserWindow::addShapeButtons() {
    QWidget* previous = nullptr;
    for (const ShapeButtonSpec& spec : kShapeButtons) {
        QToolButton* button = makeShapeButton(this, spec);
        connect(button, &QToolButton::clicked, this,
                [this, shape = spec.shape] { chooseShape(shape); });
        if (previous)
            setTabOrder(previous, button);
        else
            button->setFocus();
        previous = button;
    }
}

void ChooserWindow::chooseShape(Shape shape) {
    windows_.replace(WindowId::Chooser, sectionWindow(shape));
}

} // namespace vazolar
