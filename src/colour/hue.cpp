#include "hue.h"

#include "numeric.h"

namespace qolvar {

using num::Ext;
using num::single;

namespace {
struct Normalised {
    float r, g, b;
};
Normalised Normalise(RGBCode code)
{
    return {single(static_cast<Ext>((code >> 16) & 0xFF) / 255), single(static_cast<Ext>((code >> 8) & 0xFF) / 255),
            single(static_cast<Ext>(code & 0xFF) / 255)};
}

std::uint32_t Byte(float c) { return static_cast<std::uint32_t>(num::Round(c * 255.0L)) & 0xFF; }

HueCode Pack(float hue, float middle, float low)
{
    const auto h = static_cast<std::uint32_t>(num::Round(hue * 360.0L)) & 0xFFFF;
    return h * 65536 + Byte(middle) * 256 + Byte(low);
}

RGBCode PackRGB(float r, float g, float b) { return Byte(r) * 65536 + Byte(g) * 256 + Byte(b); }

// Hue field of a HueCode as the reverse routines read it (nine bits).
float HueOf(HueCode code) { return static_cast<float>((code >> 16) & 0x1FF); }
}  // namespace

HueCode RGBToHSV(RGBCode code)
{
    const auto [r, g, b] = Normalise(code);
    const float mx = Max3(r, g, b);
    const float mn = Min3(r, g, b);
    const float V = mx;
    const float S = mx != 0 ? single((static_cast<Ext>(mx) - mn) / mx) : 0.0f;
    float H = 0;
    if (S != 0) {
        const float d = single(static_cast<Ext>(mx) - mn);
        const float rc = single((static_cast<Ext>(mx) - r) / d);
        const float gc = single((static_cast<Ext>(mx) - g) / d);
        const float bc = single((static_cast<Ext>(mx) - b) / d);
        if (r == mx)
            H = single(static_cast<Ext>(bc) - gc);
        else if (g == mx)
            H = single(2 + static_cast<Ext>(rc) - bc);
        else
            H = single(4 + static_cast<Ext>(gc) - rc);
        H = single(static_cast<Ext>(H) / 6);
        if (H < 0) H = single(static_cast<Ext>(H) + 1);
    }
    return Pack(H, S, V);
}

RGBCode HSVToRGB(HueCode code)
{
    float h = HueOf(code);
    const float s = single(static_cast<Ext>((code >> 8) & 0xFF) / 255);
    const float v = single(static_cast<Ext>(code & 0xFF) / 255);
    if (s == 0) return PackRGB(v, v, v);
    if (h == 360) h = 0;
    h = single(static_cast<Ext>(h) / 60);
    const auto i = static_cast<int>(std::floor(h));
    const float f = single(static_cast<Ext>(h) - i);
    const float p = single((1 - static_cast<Ext>(s)) * v);
    const float q = single((1 - static_cast<Ext>(s) * f) * v);
    const float t = single((1 - (1 - static_cast<Ext>(f)) * s) * v);
    switch (i) {
    case 0: return PackRGB(v, t, p);
    case 1: return PackRGB(q, v, p);
    case 2: return PackRGB(p, v, t);
    case 3: return PackRGB(p, q, v);
    case 4: return PackRGB(t, p, v);
    case 5: return PackRGB(v, p, q);
    default: return 0;  // hue 361..511
    }
}

HueCode RGBToHLS(RGBCode code)
{
    const auto [r, g, b] = Normalise(code);
    const float mx = Max3(r, g, b);
    const float mn = Min3(r, g, b);
    const float L = single((static_cast<Ext>(mx) + mn) / 2);
    const float d = single(static_cast<Ext>(mx) - mn);
    float S = 0, H = 0;
    if (d != 0) {
        S = L > 0.5f ? single(d / (2 - static_cast<Ext>(mx) - mn)) : single(d / (static_cast<Ext>(mx) + mn));
        if (r == mx)
            H = single((static_cast<Ext>(g) - b) / d);
        else if (g == mx)
            H = single((static_cast<Ext>(b) - r) / d + 2);
        else
            H = single((static_cast<Ext>(r) - g) / d + 4);
        H = single(static_cast<Ext>(H) / 6);
        if (H < 0) H = single(static_cast<Ext>(H) + 1);
    }
    return Pack(H, L, S);
}

float HLSValue(float m1, float m2, float hue)
{
    if (hue > 360) hue = single(static_cast<Ext>(hue) - 360);
    if (hue < 0) hue = single(static_cast<Ext>(hue) + 360);
    const Ext span = static_cast<Ext>(m2) - m1;
    if (hue < 60) return single(span * hue / 60 + m1);
    if (hue < 180) return m2;
    if (hue < 240) return single(span * (240 - static_cast<Ext>(hue)) / 60 + m1);
    return m1;
}

RGBCode HLSToRGB(HueCode code)
{
    const float h = HueOf(code);
    const float l = single(static_cast<Ext>((code >> 8) & 0xFF) / 255);
    const float s = single(static_cast<Ext>(code & 0xFF) / 255);
    float m1, m2;
    if (l > 0.5f) {
        m2 = single((1 - static_cast<Ext>(s)) * l + s);
        m1 = single(2 * static_cast<Ext>(l) - m2);
    } else {
        m1 = single((1 - static_cast<Ext>(s)) * l);
        m2 = single(2 * static_cast<Ext>(l) - m1);
    }
    const float r = HLSValue(m1, m2, single(static_cast<Ext>(h) + 120));
    const float g = HLSValue(m1, m2, h);
    const float b = HLSValue(m1, m2, single(static_cast<Ext>(h) - 120));
    return PackRGB(r, g, b);
}

}  // namespace qolvar
