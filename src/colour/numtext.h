// Reading decimal numbers from text the same way everywhere: whatever the
// user's locale, "." is the decimal separator. The form is an optional sign,
// digits with an optional point (at least one digit), and an optional
// exponent (E or e, optional sign, digits); "inf", "nan", hexadecimal forms
// and thousands separators are not numbers.
#pragma once

#include <optional>
#include <string_view>

namespace qolvar {

// The number at extended precision, or nullopt when the whole text is not a
// number of that form (no blanks allowed) or lies beyond the extended range.
std::optional<long double> ParseDecimal(std::string_view text);

// The same with blanks (bytes 1..32) allowed around the number.
std::optional<long double> ParseDecimalTrimmed(std::string_view text);

}  // namespace qolvar
