#include "base/variant.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/error.h"
#include "base/numeric.h"

namespace mirelo {

bool ParseNumber(const Text& s, double* out) {
    const size_t b = s.find_first_not_of(u" \t");
    if (b == Text::npos) return false;
    const size_t e = s.find_last_not_of(u" \t") + 1;
    std::string a;
    for (size_t i = b; i < e; ++i) {
        if (s[i] > 0x7F) return false;
        a.push_back(static_cast<char>(s[i]));
    }
    if (a.size() > 2 && a[0] == '&' && (a[1] == 'H' || a[1] == 'h')) {
        char* end = nullptr;
        unsigned long long h = std::strtoull(a.c_str() + 2, &end, 16);
        if (*end != '\0' || h > 0xFFFFFFFFull) return false;
        // Up to four digits is a 16-bit literal, more a 32-bit one: both signed.
        if (a.size() - 2 <= 4) *out = static_cast<int16_t>(static_cast<uint16_t>(h));
        else *out = static_cast<int32_t>(static_cast<uint32_t>(h));
        return true;
    }
    // Only plain decimal notation: no "inf", "nan" or C hex floats.
    if (a.find_first_not_of("0123456789+-.eE") != std::string::npos) return false;
    char* end = nullptr;
    double d = std::strtod(a.c_str(), &end);
    if (end != a.c_str() + a.size() || !std::isfinite(d)) return false;
    *out = d;
    return true;
}

Text FloatingText(double v) {
    if (v == 0) return u"0";
    char buf[40];
    for (int prec = 1; prec <= 15; ++prec) {
        std::snprintf(buf, sizeof buf, "%.*G", prec, v);
        if (std::strtod(buf, nullptr) == v) break;
    }
    std::string s = buf;
    // The host language writes "1E+20" where C writes "1E+020" or "1E+20".
    // The exponent is never 0: %G writes such numbers without one.
    const size_t e = s.find('E');
    if (e != std::string::npos) s.erase(e + 2, s.find_first_not_of('0', e + 2) - (e + 2));
    return FromUtf8(s);
}

Text Variant::ToText() const {
    switch (kind_) {
    case Kind::Missing: Raise(kTypeMismatch);
    case Kind::Empty: return Text();
    case Kind::Short:
    case Kind::Integer: return DecimalText(int_);
    case Kind::Floating: return FloatingText(dbl_);
    case Kind::String: return str_;
    case Kind::Boolean: return int_ ? u"True" : u"False";
    }
    return Text();
}

double Variant::ToDouble() const {
    switch (kind_) {
    case Kind::Missing: Raise(kTypeMismatch);
    case Kind::Empty: return 0;
    case Kind::Short:
    case Kind::Integer:
    case Kind::Boolean: return int_;
    case Kind::Floating: return dbl_;
    case Kind::String: {
        double d;
        if (!ParseNumber(str_, &d)) Raise(kTypeMismatch);
        return d;
    }
    }
    return 0;
}

int16_t Variant::ToInt16() const { return mirelo::ToInt16(ToDouble()); }
int32_t Variant::ToInt32() const { return mirelo::ToInt32(ToDouble()); }

bool Variant::ToBool() const {
    if (kind_ == Kind::String) {
        if (str_ == u"True" || str_ == u"true" || str_ == u"TRUE") return true;
        if (str_ == u"False" || str_ == u"false" || str_ == u"FALSE") return false;
    }
    return ToDouble() != 0;
}

bool Variant::operator==(const Variant& o) const {
    if (kind_ != o.kind_) return false;
    switch (kind_) {
    case Kind::Missing:
    case Kind::Empty: return true;
    case Kind::Short:
    case Kind::Integer:
    case Kind::Boolean: return int_ == o.int_;
    case Kind::Floating: return dbl_ == o.dbl_;
    case Kind::String: return str_ == o.str_;
    }
    return false;
}

}  // namespace mirelo
