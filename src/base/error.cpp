#include "base/error.h"

namespace mirelo {

const char* ErrorDescription(int number) {
    switch (number) {
    case kOverflow: return "Overflow";
    case kSubscriptOutOfRange: return "Subscript out of range";
    case kDivisionByZero: return "Division by zero";
    case kTypeMismatch: return "Type mismatch";
    case kInvalidPropertyValue: return "Invalid property value";
    default: return "Application-defined or object-defined error";
    }
}

RuntimeError::RuntimeError(int number)
    : std::runtime_error(ErrorDescription(number)), number_(number) {}

void Raise(int number) { throw RuntimeError(number); }

}  // namespace mirelo
