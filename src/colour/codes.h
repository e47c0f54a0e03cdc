// Colour values and hexadecimal codes.
//
// RGBCode  0x00RRGGBB  the library's colour (red in bits 16..23); written as
//                      text it is six upper-case hexadecimal digits RRGGBB.
// TColor   0x00BBGGRR  the platform's colour value (red in the low byte).
// Converting between the two only exchanges bytes 0 and 2.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qolvar {

using RGBCode = std::uint32_t;
using TColor = std::uint32_t;
using HueCode = std::uint32_t;    // hue << 16 | (S or L) << 8 | (V or S)
using CMYKCode = std::uint32_t;   // C << 24 | M << 16 | Y << 8 | K
using VideoCode = std::uint32_t;  // luma << 16 | difference 1 << 8 | difference 2

// Three single-precision components: XYZ, Yxy (Y on 0..100), L*a*b*, L*u*v*
// or Munsell H V C, as each routine states.
using TColorVec = std::array<float, 3>;

// Reads up to the first eight characters as hexadecimal digits (either case).
// Any other character among them makes the whole result 0, as does the empty
// text; the ninth character and later are never examined. The result may be
// wider than 24 bits ("1234567" gives 0x1234567).
std::uint32_t HexToCode(std::string_view text) noexcept;
std::uint32_t HexToCode(std::u16string_view text) noexcept;

// Reads a code typed or pasted by a user (the hexadecimal field, the
// command line). Blanks around it are ignored. Bare digits read as
// HexToCode reads them, except that text which is not a code (a character
// other than a digit among the first eight) gives nothing instead of 0. With
// a leading "#" the text is a CSS colour: "#RGB" is the shorthand of
// "#RRGGBB", and "#RGBA" / "#RRGGBBAA" carry an alpha that is dropped; any
// other length gives nothing. The empty text is 0. (Text that is no code is
// reported as MessageId::NotAHexCode, errors.h.)
std::optional<std::uint32_t> ReadTypedHex(std::string_view text) noexcept;
std::optional<std::uint32_t> ReadTypedHex(std::u16string_view text) noexcept;

// Exchanges red and blue; bits 24..31 of the argument are ignored.
TColor CodeToColor(RGBCode code) noexcept;
RGBCode ColorToCode(TColor color) noexcept;
TColor HexToColor(std::string_view text) noexcept;
// Six upper-case hexadecimal digits of the colour's RGBCode.
std::string ColorToHex(TColor color);
// Six upper-case hexadecimal digits of the low 24 bits of an RGBCode.
std::string CodeToHex(RGBCode code);
// Writes those six digits to out (no terminator).
void CodeToHex(RGBCode code, char* out) noexcept;
// Upper-case hexadecimal digits of v, zero-padded to at least `width`.
std::string HexDigits(std::uint32_t v, int width);

// Largest / smallest of three, comparing in the order a, b, c: a comparison
// with a NaN is false, so the value held so far stays.
float Max3(float a, float b, float c) noexcept;
float Min3(float a, float b, float c) noexcept;
std::uint8_t MinByte3(std::uint8_t a, std::uint8_t b, std::uint8_t c) noexcept;

// The low byte of value read as a two's-complement number (-128..127).
int SignedByte(std::int64_t value) noexcept;

}  // namespace qolvar
