#include "platform/runtime/errors.h"

#include <cstdio>

namespace platform {

RuntimeError::RuntimeError(ErrorNumber number, const std::string& message)
    : std::runtime_error("Run-time error '" + std::to_string(static_cast<int>(number)) +
                         "': " + message),
      number_(number) {}

RuntimeError overflowError() {
    return {ErrorNumber::Overflow, "Overflow"};
}

RuntimeError floatingPointError() {
    return {ErrorNumber::DivisionByZero, "Floating-point error"};
}

RuntimeError invalidArgumentError() {
    return {ErrorNumber::InvalidArgument, "Invalid procedure call or argument"};
}

RuntimeError invalidIndexError() {
    return {ErrorNumber::InvalidIndex, "Invalid property array index"};
}

void writeReportLine(const std::string& message) {
    std::fprintf(stderr, "pretextor: %s\n", message.c_str());
    std::fflush(stderr);
}

} // namespace platform
