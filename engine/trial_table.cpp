#include "trial_table.h"

namespace vazolar {

namespace {

// Where the trial variable stands in a shape's row: b, B, Y; the circle has none.
int trialColumn(Shape shape) {
    return shape == Shape::Triangular ? 1 : 0;
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
    trialValues_.clear();
    // Room for the longest run from the start (256 KB): the table never moves while a run
    // grows it.
    if (isTrialShape(inputs.shape))
        trialValues_.reserve(std::size_t(kTrialLimit) + 1);
}

void TrialTable::clear() {
    inputs_ = RunInputs{};
    trialValues_ = {};
}

void TrialTable::append(const SectionQuantities& quantities) {
    trialValues_.push_back(quantities.values[std::size_t(trialColumn(inputs_.shape))]);
}

SectionQuantities TrialTable::at(int row) const {
    return trialQuantities(inputs_, trialValues_.at(std::size_t(row)));
}

} // namespace vazolar
