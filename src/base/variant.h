#pragma once
// The small subset of automation variants the control's variant parameters
// take. Conversions follow the host language's rules: numeric strings convert,
// other strings fail with a type mismatch; integers round half to even and
// overflow with error 6.
#include <cstdint>

#include "base/text.h"

namespace mirelo {

class Variant {
public:
    enum class Kind { Missing, Empty, Short, Integer, Floating, String, Boolean };

    Variant() = default;  // Empty
    static Variant Missing() { return Variant(Kind::Missing, 0); }
    Variant(int v) : kind_(Kind::Integer), int_(v) {}
    Variant(int16_t v) : kind_(Kind::Short), int_(v) {}  // kept apart: bags store the width
    Variant(double v) : kind_(Kind::Floating), dbl_(v) {}
    Variant(const char16_t* s) : kind_(Kind::String), str_(s) {}
    Variant(Text s) : kind_(Kind::String), str_(std::move(s)) {}
    static Variant FromBool(bool b) { return Variant(Kind::Boolean, b ? -1 : 0); }

    Kind kind() const { return kind_; }
    bool IsMissing() const { return kind_ == Kind::Missing; }
    bool IsEmpty() const { return kind_ == Kind::Empty; }

    Text ToText() const;      // CStr
    double ToDouble() const;  // CDbl
    int16_t ToInt16() const;  // CInt
    int32_t ToInt32() const;  // CLng
    bool ToBool() const;      // CBool

    bool operator==(const Variant& o) const;
    bool operator!=(const Variant& o) const { return !(*this == o); }

private:
    Variant(Kind kind, int32_t v) : kind_(kind), int_(v) {}

    Kind kind_ = Kind::Empty;
    int32_t int_ = 0;
    double dbl_ = 0;
    Text str_;
};

// Parses a numeric text the way a host's conversion does (blanks around it,
// sign, decimals, exponent, &H hex). False when the text is not a number.
bool ParseNumber(const Text& s, double* out);

// Shortest decimal text that reads back as the same double (up to 15 digits,
// as the host language prints floating values).
Text FloatingText(double v);

}  // namespace mirelo
