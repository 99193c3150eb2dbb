#include "trial_table.h"

namespace vazolar {

namespace {

// Where Q stands in a shape's row.
int dischargeColumn(Shape shape) {
    switch (shape) {
    case Shape::Trapezoidal:
        return 6;
    case Shape::Rectangular:
    case Shape::Triangular:
        return 5;
    case Shape::Circular:
        return 3;
    }
    Q_UNREACHABLE();
    return 0;
}

} // namespace

QStringList columnNames(Shape shape) {
    switch (shape) {
    case Shape::Trapezoidal:
        return {"b", "B", "y", "Am", "Pm", "RH", "Q", "V"};
    case Shape::Rectangular:
        return {"B", "y", "Am", "Pm", "RH", "Q", "V"};
    case Shape::Triangular:
        return {"B", "Y", "Am", "Pm", "RH", "Q", "V"};
    case Shape::Circular:
        return {"D", "Am", "RH", "Q", "V"};
    }
    Q_UNREACHABLE();
    return {};
}

int columnCount(Shape shape) {
    switch (shape) {
    case Shape::Trapezoidal:
        return 8;
    case Shape::Rectangular:
    case Shape::Triangular:
        return 7;
    case Shape::Circular:
        return 5;
    }
    Q_UNREACHABLE();
    return 0;
}

void TrialTable::start(const RunInputs& inputs) {
    inputs_ = inputs;
    rows_.clear();
}

void TrialTable::clear() {
    start(RunInputs{});
}

void TrialTable::append(const SectionQuantities& quantities) {
    rows_.push_back(quantities.values);
}

SectionQuantities TrialTable::at(int row) const {
    SectionQuantities quantities;
    quantities.values = rows_.at(std::size_t(row));
    quantities.count = columnCount(inputs_.shape);
    quantities.discharge = quantities.values[std::size_t(dischargeColumn(inputs_.shape))];
    return quantities;
}

} // namespace vazolar
