// Arithmetic helpers that reproduce the library's numeric rules exactly.
//
// - Intermediate arithmetic is extended precision (`Ext`, the x87 80-bit
//   long double with a 64-bit mantissa).
// - single(e) rounds an extended value to single precision at the point where
//   the value is stored in a float; a finite value too large for a float is an
//   overflow error rather than a silent infinity.
// - Round rounds to the nearest integer with halves to even; Trunc truncates
//   toward zero.
// - Pow follows the library's own definition: 1 for y = 0, 0 for x = 0 with
//   y > 0, repeated squaring for whole-number y (negative x allowed), and
//   exp(y ln x) otherwise.
#pragma once

#include <cmath>
#include <cstdint>

#include "errors.h"

namespace qolvar::num {

using Ext = long double;
static_assert(sizeof(Ext) >= 10 && std::numeric_limits<Ext>::digits == 64,
              "extended precision must be the x87 80-bit format");

[[noreturn]] void ThrowInvalid();
[[noreturn]] void ThrowZeroDivide();
[[noreturn]] void ThrowOverflow();

// Rounds to single precision; a NaN or a finite value beyond the float range
// is reported instead of being stored.
inline float single(Ext v)
{
    const float f = static_cast<float>(v);
    if (std::isinf(f) && !std::isinf(v)) [[unlikely]] {
        if (std::isnan(v)) ThrowInvalid();
        ThrowOverflow();
    }
    return f;
}

// Division with the failures of the floating-point unit made explicit:
// 0/0 is an invalid operation, x/0 a division by zero.
inline Ext Div(Ext a, Ext b)
{
    if (b == 0) [[unlikely]] {
        if (a == 0 || std::isnan(a)) ThrowInvalid();
        ThrowZeroDivide();
    }
    return a / b;
}

// Nearest integer, halves to even. Values beyond the 64-bit range are an
// invalid operation, as the conversion to an integer would be.
inline std::int64_t Round(Ext v)
{
    // llrint rounds in the current mode, which is never changed from
    // round-to-nearest-even.
    if (!(v > -9223372036854775808.5L && v < 9223372036854775807.5L)) [[unlikely]]
        ThrowInvalid();
    return std::llrint(v);
}

inline std::int64_t Trunc(Ext v)
{
    if (!(v > -9223372036854775809.0L && v < 9223372036854775808.0L)) [[unlikely]]
        ThrowInvalid();
    return static_cast<std::int64_t>(v);
}

// x to a whole-number power by repeated squaring at extended precision.
Ext IntPower(Ext base, std::int64_t exponent);

// The library's power function (see the head of this file).
Ext Pow(Ext x, Ext y);

// The extended constant 1/3 used for every cube root.
inline constexpr Ext OneThird = 1.0L / 3.0L;

}  // namespace qolvar::num
