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
    // Room for the longest run from the start: the memory is only touched as rows come, and
    // the table never moves while a run grows it.
    if (isTrialShape(inputs.shape))
        rows_.reserve(std::size_t(kTrialLimit) + 1);
}

void TrialTable::clear() {
    inputs_ = RunInputs{};
    rows_ = {};
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
