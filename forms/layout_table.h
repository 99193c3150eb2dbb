#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// A window described as data: every control with its place in twips, font, colours and
// opening state. The builder turns a layout into widgets; the four section forms differ only
// in their layouts and profiles.
namespace vazolar {

enum class ControlKind {
    Label,
    TextField,
    ReadOnlyField,
    List,
    PictureButton,
    GroupBox,
    ScrollBar,
    Picture,
    Figure, // the lines of the section drawing (FormLayout::figure)
};

struct ControlSpec {
    QString name{};
    ControlKind kind = ControlKind::Label;
    QString container{}; // empty: the window itself; otherwise a group box's name
    QString text{};
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    double pointSize = 12.0;
    bool bold = true;
    std::optional<QColor> background{};
    std::optional<QColor> foreground{};
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool bordered = false;
    bool seeThrough = false; // the ground colour is not painted: overlapping texts all show
    bool hidden = false;
    bool disabled = false;
    QString picture{}; // resource path of a button's or a picture's image
    int index = -1;    // position in a control array (the caption labels Label1)
};

// A straight line of a section figure, in twips inside the figure's group box.
struct FigureLine {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    QColor colour{};
    int widthPixels = 1;
};

struct FormLayout {
    QString caption{};
    int widthTwips = 0;
    int heightTwips = 0;
    QColor background{};
    // In stacking order: a control lies in front of those listed before it.
    std::vector<ControlSpec> controls{};
    std::vector<FigureLine> figure{};
    QStringList tabOrder{};
};

} // namespace vazolar
