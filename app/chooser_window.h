#pragma once

#include "engine/shape.h"

#include <QWidget>

namespace vazolar {

class Windows;

// frmsessao: four picture buttons, one per channel shape. A button opens its shape's section
// form and closes the chooser, which is never shown again.
class ChooserWindow : public QWidget {
    Q_OBJECT

public:
    explicit ChooserWindow(Windows& windows);

private:
    void chooseShape(Shape shape);

    Windows& windows_;
};

} // namespace vazolar
