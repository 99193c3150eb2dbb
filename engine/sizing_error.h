#pragma once

#include <exception>

namespace vazolar {

// The data fields a sizing reads. The forms map them to their controls and captions.
enum class Field { None, Slope, Angle, Roughness, Discharge, Start };

// Why a sizing was abandoned.
enum class Fault {
    TypeMismatch,    // a field's text is not a number
    Overflow,        // 0/0, or a result too large to hold
    DivisionByZero,  // x/0 with x different from 0
    InvalidArgument, // a negative base raised to a fractional power
    TrialLimit,      // kTrialLimit trials did not reach the design discharge
};

class SizingError : public std::exception {
public:
    explicit SizingError(Fault fault, Field field = Field::None) : fault_(fault), field_(field) {}

    Fault fault() const { return fault_; }
    // The field whose text could not be converted; Field::None for arithmetic faults.
    Field field() const { return field_; }
    const char* what() const noexcept override;

private:
    Fault fault_;
    Field field_;
};

} // namespace vazolar
