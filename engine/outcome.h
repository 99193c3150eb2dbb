#pragma once

#include <QString>

#include <type_traits>
#include <utility>
#include <variant>

namespace vazolar {

// Why something the user asked for could not be done, in Portuguese, ready to be shown.
struct Failure {
    QString message;
};

// What a call returns where it can fail for reasons outside the program (a full disk, a file
// that cannot be read, a wrong command line, a printer that gives up): its value, or the
// Failure that says why there is none. Outcome<> carries no value, only success or failure.
template <typename T = std::monostate> class [[nodiscard]] Outcome {
public:
    Outcome() requires std::is_same_v<T, std::monostate> : state_(T{}) {}
    Outcome(T value) : state_(std::move(value)) {}
    Outcome(Failure failure) : state_(std::move(failure)) {}

    bool ok() const { return std::holds_alternative<T>(state_); }
    explicit operator bool() const { return ok(); }

    const T& value() const { return std::get<T>(state_); }
    T& value() { return std::get<T>(state_); }
    const QString& message() const { return std::get<Failure>(state_).message; }
    // The failure, to pass on as an Outcome of another type: `return read.failure();`.
    const Failure& failure() const { return std::get<Failure>(state_); }

private:
    std::variant<T, Failure> state_;
};

} // namespace vazolar
