#include "video.h"

#include <algorithm>

#include "numeric.h"

namespace qolvar {

using num::Ext;
using num::Round;

namespace {
struct Channels {
    Ext R, G, B;
};
Channels Split(RGBCode code)
{
    return {static_cast<Ext>((code >> 16) & 0xFF), static_cast<Ext>((code >> 8) & 0xFF), static_cast<Ext>(code & 0xFF)};
}

std::uint32_t Unsigned(std::int64_t v) { return static_cast<std::uint32_t>(std::clamp<std::int64_t>(v, 0, 255)); }
std::uint32_t Signed(std::int64_t v)
{
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(v, -128, 127)) & 0xFF;
}

VideoCode PackSigned(std::int64_t luma, std::int64_t d1, std::int64_t d2)
{
    return Unsigned(luma) * 65536 + Signed(d1) * 256 + Signed(d2);
}

RGBCode PackRGB(std::int64_t R, std::int64_t G, std::int64_t B)
{
    return Unsigned(R) * 65536 + Unsigned(G) * 256 + Unsigned(B);
}

struct Fields {
    Ext luma, d1, d2;
};
// Luma unsigned, both differences read as signed bytes; all exact.
Fields SignedFields(VideoCode code)
{
    return {static_cast<Ext>((code >> 16) & 0xFF), static_cast<Ext>(SignedByte(code >> 8)),
            static_cast<Ext>(SignedByte(code))};
}
}  // namespace

VideoCode RGBToYUV(RGBCode code)
{
    const auto [R, G, B] = Split(code);
    return PackSigned(Round(0.299L * R + 0.587L * G + 0.114L * B), Round(-0.169L * R - 0.331L * G + 0.5L * B),
                      Round(0.5L * R - 0.419L * G - 0.081L * B));
}

RGBCode YUVToRGB(VideoCode code)
{
    const auto [Y, U, V] = SignedFields(code);
    return PackRGB(Round(1.402L * V + Y), Round(Y - 0.344L * U - 0.714L * V), Round(1.772L * U + Y));
}

VideoCode RGBToYCbCr(RGBCode code)
{
    const auto [R, G, B] = Split(code);
    const std::int64_t Y = Round(0.257L * R + 0.504L * G + 0.098L * B + 16);
    const std::int64_t Cb = Round(-0.148L * R - 0.291L * G + 0.439L * B) + 128;
    const std::int64_t Cr = Round(0.439L * R - 0.368L * G - 0.071L * B) + 128;
    return Unsigned(Y) * 65536 + Unsigned(Cb) * 256 + Unsigned(Cr);
}

RGBCode YCbCrToRGB(VideoCode code)
{
    const Ext Yp = static_cast<Ext>(static_cast<int>((code >> 16) & 0xFF) - 16);
    const Ext Cb = static_cast<Ext>(static_cast<int>((code >> 8) & 0xFF) - 128);
    const Ext Cr = static_cast<Ext>(static_cast<int>(code & 0xFF) - 128);
    const Ext y = num::single(Yp * 1.164L);
    return PackRGB(Round(1.596L * Cr + y), Round(y - 0.391L * Cb - 0.813L * Cr), Round(2.018L * Cb + y));
}

VideoCode RGBToYPbPr(RGBCode code)
{
    const auto [R, G, B] = Split(code);
    return PackSigned(Round(0.2122L * R + 0.7013L * G + 0.0865L * B), Round(-0.1162L * R - 0.3838L * G + 0.5L * B),
                      Round(0.5L * R - 0.4451L * G - 0.0549L * B));
}

RGBCode YPbPrToRGB(VideoCode code)
{
    const auto [Y, Pb, Pr] = SignedFields(code);
    // 0.4768 is the exact inverse's coefficient to four places, so that
    // saturated greens survive the round trip.
    return PackRGB(Round(1.5756L * Pr + Y), Round(Y - 0.2253L * Pb - 0.4768L * Pr), Round(1.827L * Pb + Y));
}

VideoCode RGBToYIQ(RGBCode code)
{
    const auto [R, G, B] = Split(code);
    return PackSigned(Round(0.299L * R + 0.587L * G + 0.114L * B), Round(0.596L * R - 0.274L * G - 0.322L * B),
                      Round(0.212L * R - 0.523L * G + 0.311L * B));
}

RGBCode YIQToRGB(VideoCode code)
{
    const auto [Y, I, Q] = SignedFields(code);
    return PackRGB(Round(0.956L * I + Y + 0.621L * Q), Round(Y - 0.272L * I - 0.647L * Q),
                   Round(Y - 1.105L * I + 1.702L * Q));
}

VideoCode RGBToVideo(Model model, RGBCode code)
{
    switch (model) {
    case Model::YUV: return RGBToYUV(code);
    case Model::YCbCr: return RGBToYCbCr(code);
    case Model::YPbPr: return RGBToYPbPr(code);
    case Model::YIQ: return RGBToYIQ(code);
    default: return 0;
    }
}

RGBCode VideoToRGB(Model model, VideoCode code)
{
    switch (model) {
    case Model::YUV: return YUVToRGB(code);
    case Model::YCbCr: return YCbCrToRGB(code);
    case Model::YPbPr: return YPbPrToRGB(code);
    case Model::YIQ: return YIQToRGB(code);
    default: return 0;
    }
}

}  // namespace qolvar
