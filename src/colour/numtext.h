// Decimal numbers as text, the same way everywhere.
//
// Reading: whatever the user's locale, "." is the decimal separator. The
// form is an optional sign, digits with an optional point (at least one
// digit), and an optional exponent (E or e, optional sign, digits); "inf",
// "nan", hexadecimal forms and thousands separators are not numbers.
//
// Writing: fixed texts ("%4.2f" and the like) and the general text with at
// most 15 significant digits are produced from the value's decimal expansion
// to 18 significant digits, rounded half away from zero at the last digit
// shown. A value that rounds to zero is written without a minus sign.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qolvar {

// The number at extended precision, or nullopt when the whole text is not a
// number of that form (no blanks allowed) or lies beyond the extended range.
std::optional<long double> ParseDecimal(std::string_view text);

// The same with blanks (bytes 1..32) allowed around the number.
std::optional<long double> ParseDecimalTrimmed(std::string_view text);

// A value's decimal digits: value = 0.digits × 10^exp10 (negative: minus).
struct Decimal {
    std::string digits;  // significant digits, most significant first; empty for zero
    int exp10 = 0;
    bool negative = false;
};

// The value's expansion to 18 significant digits.
Decimal Expand(long double v);
// Rounds d to n significant digits, half away from zero; trailing zeros go.
void RoundTo(Decimal& d, int n);

// Fixed notation with `decimals` decimals, right-aligned with blanks in at
// least `width` characters ("%4.2f" is FixedText(v, 2)). Infinities and NaN
// are written "INF", "-INF", "NAN".
std::string FixedText(long double v, int decimals, int width = 4);
// The shortest text with at most 15 significant digits and no trailing
// zeros: fixed notation for values from 0.00001 up to 15 integer digits,
// otherwise d.dddE±x.
std::string GeneralText(long double v);

}  // namespace qolvar
