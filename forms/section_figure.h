#pragma once

#include "layout_table.h"

#include <QWidget>

#include <vector>

namespace vazolar {

// The schematic of a cross-section: outline and dimension lines over a transparent ground,
// drawn in front of the group's picture and behind its labels.
class SectionFigure : public QWidget {
public:
    SectionFigure(std::vector<FigureLine> lines, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<FigureLine> lines_;
};

} // namespace vazolar
