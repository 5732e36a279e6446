#include "base/numeric.h"

#include <cmath>

#include "base/error.h"

namespace mirelo {

double RoundHalfEven(double v) {
    if (!std::isfinite(v)) return v;
    // Decided here rather than by the FPU rounding mode, which a host may change.
    double f = std::floor(v);
    double diff = v - f;
    if (diff < 0.5) return f;
    if (diff > 0.5) return f + 1.0;
    return std::fmod(f, 2.0) == 0.0 ? f : f + 1.0;
}

double Int(double v) { return std::floor(v); }
double Fix(double v) { return std::trunc(v); }

int32_t ToInt32(double v) {
    double r = RoundHalfEven(v);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) Raise(kOverflow);
    return static_cast<int32_t>(r);
}

int16_t ToInt16(double v) { return ToInt16(ToInt32(v)); }

int16_t ToInt16(int64_t v) {
    if (v < -32768 || v > 32767) Raise(kOverflow);
    return static_cast<int16_t>(v);
}

int32_t ToInt32(int64_t v) {
    if (v < INT32_MIN || v > INT32_MAX) Raise(kOverflow);
    return static_cast<int32_t>(v);
}

int16_t Clip16(double v) {
    const double r = RoundHalfEven(v);
    if (r > 32767.0) return 32767;
    if (!(r > -32768.0)) return -32768;  // NaN too: no place at all
    return static_cast<int16_t>(r);
}

int32_t Clip32(int64_t v) {
    if (v > INT32_MAX) return INT32_MAX;
    if (v < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(v);
}

}  // namespace mirelo
