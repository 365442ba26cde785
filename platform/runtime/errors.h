#pragma once

#include <stdexcept>
#include <string>

namespace platform {

// The run-time error numbers the windows can meet. They keep the classic numbering so that a
// report reads the way a user of the original would expect.
enum class ErrorNumber : int {
    InvalidArgument = 5,
    Overflow = 6,
    DivisionByZero = 11,
    FileNotFound = 53,
    InvalidIndex = 381,
    ControlFailure = 9000,
};

// Every run-time failure of a control, a service or a number conversion is one of these.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(ErrorNumber number, const std::string& message);

    [[nodiscard]] ErrorNumber number() const noexcept { return number_; }

private:
    ErrorNumber number_;
};

[[nodiscard]] RuntimeError overflowError();
[[nodiscard]] RuntimeError floatingPointError();
[[nodiscard]] RuntimeError invalidArgumentError();
[[nodiscard]] RuntimeError invalidIndexError();

// The one line a failure leaves on standard error, flushed at once: the program may end next.
void writeReportLine(const std::string& message);

} // namespace platform
