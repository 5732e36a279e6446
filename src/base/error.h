#pragma once
// Run-time errors raised by properties and methods. The number is what a host
// reads as Err.Number; the server turns it into an automation error.
#include <stdexcept>
#include <string>

namespace mirelo {

enum ErrorNumber : int {
    kOverflow = 6,
    kSubscriptOutOfRange = 9,
    kDivisionByZero = 11,
    kTypeMismatch = 13,
    kInvalidPropertyValue = 380,
};

class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(int number);
    int number() const { return number_; }

private:
    int number_;
};

// The standard description a host shows for a run-time error number.
const char* ErrorDescription(int number);

[[noreturn]] void Raise(int number);

}  // namespace mirelo
