#include "cmyk.h"

#include <algorithm>

namespace qolvar {

CMYKCode RGBToCMYK(RGBCode code) noexcept
{
    std::uint32_t C = 255 - ((code >> 16) & 0xFF);
    std::uint32_t M = 255 - ((code >> 8) & 0xFF);
    std::uint32_t Y = 255 - (code & 0xFF);
    const std::uint32_t K =
        MinByte3(static_cast<std::uint8_t>(C), static_cast<std::uint8_t>(M), static_cast<std::uint8_t>(Y));
    C -= K;
    M -= K;
    Y -= K;
    return (C << 24) + (M << 16) + (Y << 8) + K;
}

RGBCode CMYKToRGB(CMYKCode code) noexcept
{
    const int C = static_cast<int>((code >> 24) & 0xFF);
    const int M = static_cast<int>((code >> 16) & 0xFF);
    const int Y = static_cast<int>((code >> 8) & 0xFF);
    const int K = static_cast<int>(code & 0xFF);
    auto channel = [K](int ink) { return static_cast<std::uint32_t>(std::max(0, 255 - ink - K)); };
    return channel(C) * 65536 + channel(M) * 256 + channel(Y);
}

}  // namespace qolvar
