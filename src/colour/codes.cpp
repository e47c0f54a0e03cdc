#include "codes.h"

namespace qolvar {

namespace {
template <class Char>
std::uint32_t ReadHex(std::basic_string_view<Char> text) noexcept
{
    if (text.size() > 8) text = text.substr(0, 8);
    std::uint32_t result = 0;
    for (const Char ch : text) {
        unsigned digit;
        if (ch >= '0' && ch <= '9')
            digit = static_cast<unsigned>(ch - '0');
        else if (ch >= 'A' && ch <= 'F')
            digit = static_cast<unsigned>(ch - 'A' + 10);
        else if (ch >= 'a' && ch <= 'f')
            digit = static_cast<unsigned>(ch - 'a' + 10);
        else
            return 0;
        result = (result << 4) + digit;
    }
    return result;
}
template <class Char>
bool IsHexDigit(Char ch) noexcept
{
    return (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'F') || (ch >= 'a' && ch <= 'f');
}

template <class Char>
std::optional<std::uint32_t> ReadTyped(std::basic_string_view<Char> text) noexcept
{
    auto blank = [](Char ch) { return ch == ' ' || ch == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    if (text.empty()) return 0;
    if (text.front() != '#') {
        const auto head = text.substr(0, 8);
        for (const Char ch : head)
            if (!IsHexDigit(ch)) return std::nullopt;
        return ReadHex(head);
    }
    text.remove_prefix(1);
    for (const Char ch : text)
        if (!IsHexDigit(ch)) return std::nullopt;
    switch (text.size()) {
    case 3:
    case 4: {
        // Each digit stands for itself twice: F80 is FF8800.
        std::uint32_t code = 0;
        for (const Char ch : text.substr(0, 3)) {
            const std::uint32_t d = ReadHex(std::basic_string_view<Char>(&ch, 1));
            code = code << 8 | d << 4 | d;
        }
        return code;
    }
    case 6:
    case 8: return ReadHex(text.substr(0, 6));
    default: return std::nullopt;
    }
}

}  // namespace

std::uint32_t HexToCode(std::string_view text) noexcept { return ReadHex(text); }
std::uint32_t HexToCode(std::u16string_view text) noexcept { return ReadHex(text); }
std::optional<std::uint32_t> ReadTypedHex(std::string_view text) noexcept { return ReadTyped(text); }
std::optional<std::uint32_t> ReadTypedHex(std::u16string_view text) noexcept { return ReadTyped(text); }

TColor CodeToColor(RGBCode code) noexcept
{
    const std::uint32_t red = (code >> 16) & 0xFF;
    const std::uint32_t green = (code >> 8) & 0xFF;
    const std::uint32_t blue = code & 0xFF;
    return red + green * 256 + blue * 65536;
}

RGBCode ColorToCode(TColor color) noexcept
{
    return ((color & 0xFF) << 16) + (color & 0xFF00) + ((color >> 16) & 0xFF);
}

TColor HexToColor(std::string_view text) noexcept { return CodeToColor(HexToCode(text)); }

void CodeToHex(RGBCode code, char* out) noexcept
{
    static constexpr char digits[] = "0123456789ABCDEF";
    for (int i = 5; i >= 0; --i) {
        out[i] = digits[code & 0xF];
        code >>= 4;
    }
}

std::string CodeToHex(RGBCode code) { return HexDigits(code & 0xFFFFFF, 6); }

std::string HexDigits(std::uint32_t v, int width)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    char buf[8];
    int n = 0;
    do {
        buf[n++] = digits[v & 0xF];
        v >>= 4;
    } while (v != 0);
    std::string s(static_cast<std::size_t>(width > n ? width - n : 0), '0');
    while (n > 0) s.push_back(buf[--n]);
    return s;
}

std::string ColorToHex(TColor color) { return CodeToHex(ColorToCode(color)); }

float Max3(float a, float b, float c) noexcept
{
    float m = a;
    if (b > m) m = b;
    if (c > m) m = c;
    return m;
}

float Min3(float a, float b, float c) noexcept
{
    float m = a;
    if (b < m) m = b;
    if (c < m) m = c;
    return m;
}

std::uint8_t MinByte3(std::uint8_t a, std::uint8_t b, std::uint8_t c) noexcept
{
    std::uint8_t m = a;
    if (b < m) m = b;
    if (c < m) m = c;
    return m;
}

int SignedByte(std::int64_t value) noexcept
{
    return static_cast<std::int8_t>(static_cast<std::uint8_t>(value & 0xFF));
}

}  // namespace qolvar
