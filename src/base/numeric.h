#pragma once
// Integer widths and rounding as hosts see them: 16-bit indices and Booleans,
// banker's rounding whenever a fraction lands in an integer, and the two
// explicit truncations Int (towards minus infinity) and Fix (towards zero).
#include <cstdint>

namespace mirelo {

using Bool16 = int16_t;  // True = -1, False = 0
constexpr Bool16 kTrue = -1;
constexpr Bool16 kFalse = 0;
inline Bool16 ToBool16(bool b) { return b ? kTrue : kFalse; }

// Nearest integer, halves to the even neighbour. Returns a double so callers
// choose the width through the checked narrowing below.
double RoundHalfEven(double v);
double Int(double v);  // floor
double Fix(double v);  // truncation

// Checked narrowing: error 6 when the value does not fit. Fractions are
// rounded half to even first, as every store of a fraction into an integer is.
int16_t ToInt16(double v);
int32_t ToInt32(double v);
int16_t ToInt16(int64_t v);
int32_t ToInt32(int64_t v);
inline int16_t ToInt16(int32_t v) { return ToInt16(static_cast<int64_t>(v)); }
inline int16_t ToInt16(int16_t v) { return v; }
inline int32_t ToInt32(int32_t v) { return v; }

// Nearest integer held within 16 bits, for a place that only decides where
// something is drawn: a place past the 16-bit range lies off every window,
// so it is drawn clipped there instead of failing the whole paint.
int16_t Clip16(double v);
int32_t Clip32(int64_t v);

}  // namespace mirelo
