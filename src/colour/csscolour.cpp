#include "csscolour.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <span>

#include "errors.h"
#include "oklab.h"

namespace qolvar {

namespace {

using Vec = std::array<double, 3>;
using Matrix = std::array<Vec, 3>;

constexpr double kPi = 3.14159265358979323846;

Vec Multiply(const Matrix& m, const Vec& v)
{
    Vec r{};
    for (std::size_t i = 0; i < 3; ++i) r[i] = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
    return r;
}

// The colour spaces' matrices to and from CIE XYZ, and the Bradford
// adaptation between D50 and D65, as the CSS Color 4 text gives them.
constexpr Matrix kLinearSRGBToXYZ{{
    {506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
    {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
    {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270},
}};
constexpr Matrix kXYZToLinearSRGB{{
    {12831.0 / 3959, -329.0 / 214, -1974.0 / 3959},
    {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
    {705.0 / 12673, -2585.0 / 12673, 705.0 / 667},
}};
constexpr Matrix kP3ToXYZ{{
    {608311.0 / 1250200, 189793.0 / 714400, 198249.0 / 1000160},
    {35783.0 / 156275, 247089.0 / 357200, 198249.0 / 2500400},
    {0.0, 32229.0 / 714400, 5220557.0 / 5000800},
}};
constexpr Matrix kXYZToP3{{
    {446124.0 / 178915, -333277.0 / 357830, -72051.0 / 178915},
    {-14852.0 / 17905, 63121.0 / 35810, 423.0 / 17905},
    {11844.0 / 330415, -50337.0 / 660830, 316169.0 / 330415},
}};
constexpr Matrix kA98ToXYZ{{
    {573536.0 / 994567, 263643.0 / 1420810, 187206.0 / 994567},
    {591459.0 / 1989134, 6239551.0 / 9945670, 374412.0 / 4972835},
    {53769.0 / 1989134, 351524.0 / 4972835, 4929758.0 / 4972835},
}};
constexpr Matrix kProPhotoToXYZD50{{
    {0.7977666449006423, 0.13518129740053308, 0.0313477341283922},
    {0.2880748288194013, 0.711835234241873, 0.00008993693872564},
    {0.0, 0.0, 0.8251046025104602},
}};
constexpr Matrix kRec2020ToXYZ{{
    {63426534.0 / 99577255, 20160776.0 / 139408157, 47086771.0 / 278816314},
    {26158966.0 / 99577255, 472592308.0 / 697040785, 8267143.0 / 139408157},
    {0.0, 19567812.0 / 697040785, 295819943.0 / 278816314},
}};
constexpr Matrix kD50ToD65{{
    {0.955473421488075, -0.02309845494876471, 0.06325924320057072},
    {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
    {0.012314014864481998, -0.020507649298898964, 1.330365926242124},
}};

constexpr Matrix kD65ToD50{{
    {1.0479297925449969, 0.022946870601609652, -0.05019226628920524},
    {0.02962780877005599, 0.9904344267538799, -0.017073799063418826},
    {-0.009243040646204504, 0.015055191490298152, 0.7518742814281371},
}};

// Transfer functions to linear light, odd about zero as the text extends
// them beyond the gamut.
double SignedPow(double c, double e) { return std::copysign(std::pow(std::fabs(c), e), c); }
double SRGBDecode(double c)
{
    const double a = std::fabs(c);
    return a <= 0.04045 ? c / 12.92 : std::copysign(std::pow((a + 0.055) / 1.055, 2.4), c);
}
double SRGBEncode(double c)
{
    const double a = std::fabs(c);
    return a <= 0.0031308 ? 12.92 * c : std::copysign(1.055 * std::pow(a, 1 / 2.4) - 0.055, c);
}
double ProPhotoDecode(double c) { return std::fabs(c) <= 16.0 / 512 ? c / 16 : SignedPow(c, 1.8); }
double Rec2020Decode(double c)
{
    constexpr double alpha = 1.09929682680944, beta = 0.018053968510807;
    const double a = std::fabs(c);
    return a < beta * 4.5 ? c / 4.5 : std::copysign(std::pow((a + alpha - 1) / alpha, 1 / 0.45), c);
}

// CIE L*a*b* under D50 to XYZ under D50 (white from the chromaticities
// 0.3457, 0.3585).
Vec LabToXYZD50(double L, double a, double b)
{
    constexpr double kappa = 24389.0 / 27, epsilon = 216.0 / 24389;
    const double f1 = (L + 16) / 116, f0 = a / 500 + f1, f2 = f1 - b / 200;
    const double x = f0 * f0 * f0 > epsilon ? f0 * f0 * f0 : (116 * f0 - 16) / kappa;
    const double y = L > kappa * epsilon ? f1 * f1 * f1 : L / kappa;
    const double z = f2 * f2 * f2 > epsilon ? f2 * f2 * f2 : (116 * f2 - 16) / kappa;
    return {x * 0.3457 / 0.3585, y, z * (1 - 0.3457 - 0.3585) / 0.3585};
}

// XYZ under D50 to CIE L*a*b* under D50.
Vec XYZD50ToLab(const Vec& xyz)
{
    constexpr double kappa = 24389.0 / 27, epsilon = 216.0 / 24389;
    const Vec white{0.3457 / 0.3585, 1, (1 - 0.3457 - 0.3585) / 0.3585};
    Vec f{};
    for (std::size_t i = 0; i < 3; ++i) {
        const double r = xyz[i] / white[i];
        f[i] = r > epsilon ? std::cbrt(r) : (kappa * r + 16) / 116;
    }
    return {116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
}

// A hue in degrees from its two components, 0 <= h < 360.
double HueOf(double a, double b)
{
    double h = std::atan2(b, a) * 180 / kPi;
    if (h < 0) h += 360;
    return h >= 360 ? 0 : h;
}

Vec LinearOf(RGBCode code)
{
    return {SRGBDecode(((code >> 16) & 0xFF) / 255.0), SRGBDecode(((code >> 8) & 0xFF) / 255.0),
            SRGBDecode((code & 0xFF) / 255.0)};
}

// ---- the text ----

struct Failure {
    std::string why;
};

struct Token {
    enum Kind { Number, Percent, Dimension, Ident, Comma, Slash } kind;
    double value = 0;
    std::string_view text;  // an identifier or a dimension's unit, as written
};

// The tokens of a function's arguments; no function takes more than eight
// (three values and an alpha, with commas or a colour space).
struct Tokens {
    std::array<Token, 8> items;
    std::size_t count = 0;

    void Push(const Token& t)
    {
        if (count == items.size()) throw Failure{"too many values"};
        items[count++] = t;
    }
    std::span<const Token> View() const { return {items.data(), count}; }
};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
int Digit(char c) { return c - '0'; }
constexpr std::array<double, 16> kPowersOfTen{1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
// Whether text is `lower` in any letter case.
bool Is(std::string_view text, std::string_view lower)
{
    if (text.size() != lower.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (Lower(text[i]) != lower[i]) return false;
    return true;
}
std::string LowerText(std::string_view s)
{
    std::string r(s);
    for (char& c : r) c = Lower(c);
    return r;
}

// The arguments between the parentheses as tokens.
Tokens Tokenise(std::string_view s)
{
    Tokens tokens;
    std::size_t i = 0;
    while (i < s.size()) {
        const char c = s[i];
        if (IsBlank(c)) {
            ++i;
        } else if (c == ',') {
            tokens.Push({Token::Comma, 0, {}});
            ++i;
        } else if (c == '/') {
            tokens.Push({Token::Slash, 0, {}});
            ++i;
        } else if (IsDigit(c) || c == '.' ||
                   ((c == '+' || c == '-') && i + 1 < s.size() && (IsDigit(s[i + 1]) || s[i + 1] == '.'))) {
            // A CSS number: sign, digits with one point, an exponent.
            std::size_t j = i + (c == '+' || c == '-' ? 1 : 0);
            std::size_t digits = 0, decimals = 0;
            std::uint64_t mantissa = 0;  // the digits as a whole number, while there are at most 15
            while (j < s.size() && IsDigit(s[j])) mantissa = mantissa * 10 + Digit(s[j++]), ++digits;
            if (j < s.size() && s[j] == '.') {
                ++j;
                while (j < s.size() && IsDigit(s[j])) mantissa = mantissa * 10 + Digit(s[j++]), ++digits, ++decimals;
            }
            if (digits == 0) throw Failure{"a number is expected"};
            bool exponent = false;
            if (j + 1 < s.size() && (s[j] == 'e' || s[j] == 'E') &&
                (IsDigit(s[j + 1]) ||
                 ((s[j + 1] == '+' || s[j + 1] == '-') && j + 2 < s.size() && IsDigit(s[j + 2])))) {
                exponent = true;
                j += 2;
                while (j < s.size() && IsDigit(s[j])) ++j;
            }
            Token t{Token::Number, 0, {}};
            if (!exponent && digits <= 15) {
                // Both the digits and the power of ten are exact doubles, so
                // one division gives the correctly rounded value, as
                // from_chars would, at a fraction of its cost.
                t.value = static_cast<double>(mantissa) / kPowersOfTen[decimals];
                if (c == '-') t.value = -t.value;
            } else {
                const std::size_t start = i + (c == '+' ? 1 : 0);
                const auto [end, ec] = std::from_chars(s.data() + start, s.data() + j, t.value);
                if (ec != std::errc() || end != s.data() + j || !std::isfinite(t.value))
                    throw Failure{"a number is out of range"};
            }
            i = j;
            if (i < s.size() && s[i] == '%') {
                t.kind = Token::Percent;
                ++i;
            } else if (i < s.size() && IsLetter(s[i])) {
                std::size_t k = i;
                while (k < s.size() && IsLetter(s[k])) ++k;
                t.kind = Token::Dimension;
                t.text = s.substr(i, k - i);
                i = k;
            }
            tokens.Push(t);
        } else if (IsLetter(c) || c == '-') {
            std::size_t k = i;
            while (k < s.size() && (IsLetter(s[k]) || IsDigit(s[k]) || s[k] == '-')) ++k;
            tokens.Push({Token::Ident, 0, s.substr(i, k - i)});
            i = k;
        } else {
            throw Failure{std::string("unexpected character '") + c + "'"};
        }
    }
    return tokens;
}

bool IsNone(const Token& t) { return t.kind == Token::Ident && Is(t.text, "none"); }

// A component that is a number or a percentage (100 % is `full`), or none.
double NumberOrPercent(const Token& t, double full)
{
    if (t.kind == Token::Number) return t.value;
    if (t.kind == Token::Percent) return t.value / 100 * full;
    if (IsNone(t)) return 0;
    throw Failure{"a number or a percentage is expected"};
}

// A hue in degrees: a number or an angle, or none.
double Degrees(const Token& t)
{
    if (t.kind == Token::Number || IsNone(t)) return IsNone(t) ? 0 : t.value;
    if (t.kind == Token::Dimension) {
        if (Is(t.text, "deg")) return t.value;
        if (Is(t.text, "grad")) return t.value * 0.9;
        if (Is(t.text, "rad")) return t.value * 180 / kPi;
        if (Is(t.text, "turn")) return t.value * 360;
        throw Failure{"unknown angle unit '" + std::string(t.text) + "'"};
    }
    throw Failure{"a hue is expected"};
}
double Hue(const Token& t)
{
    // A huge angle in turns or radians overflows on the way to degrees.
    const double h = Degrees(t);
    if (!std::isfinite(h)) throw Failure{"a number is out of range"};
    return h;
}

double Clamp(double v, double lo, double hi) { return std::min(std::max(v, lo), hi); }

// The three components and the alpha of a function's arguments, in either
// form.
struct Arguments {
    std::array<Token, 3> values{};
    std::optional<Token> alpha;
    bool legacy = false;
};

Arguments Split(std::span<const Token> tokens, bool legacyAllowed)
{
    Arguments args;
    const bool commas =
        std::any_of(tokens.begin(), tokens.end(), [](const Token& t) { return t.kind == Token::Comma; });
    if (commas) {
        if (!legacyAllowed) throw Failure{"commas are not allowed here"};
        args.legacy = true;
        // v , v , v [, v]
        if (tokens.size() != 5 && tokens.size() != 7)
            throw Failure{"three or four values separated by commas are expected"};
        for (std::size_t i = 0; i < tokens.size(); ++i) {
            const bool comma = i % 2 == 1;
            if ((tokens[i].kind == Token::Comma) != comma) throw Failure{"values and commas must alternate"};
            if (!comma && (tokens[i].kind == Token::Slash || IsNone(tokens[i])))
                throw Failure{"'none' and '/' are not allowed with commas"};
        }
        args.values = {tokens[0], tokens[2], tokens[4]};
        if (tokens.size() == 7) args.alpha = tokens[6];
        return args;
    }
    std::size_t slash = tokens.size();
    for (std::size_t i = 0; i < tokens.size(); ++i)
        if (tokens[i].kind == Token::Slash) {
            slash = i;
            break;
        }
    if (slash != 3) {
        if (slash < tokens.size() || tokens.size() < 3) throw Failure{"three values are expected"};
        if (tokens.size() > 3) throw Failure{"too many values"};
    }
    args.values = {tokens[0], tokens[1], tokens[2]};
    if (slash < tokens.size()) {
        if (tokens.size() != 5) throw Failure{"one alpha value is expected after '/'"};
        args.alpha = tokens[4];
    }
    for (const Token& t : args.values)
        if (t.kind == Token::Slash || t.kind == Token::Comma) throw Failure{"three values are expected"};
    return args;
}

double Alpha(const std::optional<Token>& t)
{
    if (!t) return 1;
    if (t->kind != Token::Number && t->kind != Token::Percent && !IsNone(*t))
        throw Failure{"the alpha must be a number or a percentage"};
    return Clamp(NumberOrPercent(*t, 1), 0, 1);
}

// HSL (hue in degrees, saturation and lightness 0..1) to encoded sRGB.
Vec HSLToSRGB(double h, double s, double l)
{
    h = std::fmod(h, 360);
    if (h < 0) h += 360;
    auto f = [&](double n) {
        const double k = std::fmod(n + h / 30, 12);
        const double a = s * std::min(l, 1 - l);
        return l - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
    };
    return {f(0), f(8), f(4)};
}

// ---- the result ----

RGBCode ByteCode(const Vec& encoded)
{
    RGBCode code = 0;
    for (const double c : encoded)
        // CSS rounds halves towards +infinity.
        code = code << 8 | static_cast<RGBCode>(std::floor(Clamp(c, 0, 1) * 255 + 0.5));
    return code;
}

Vec Encoded(const Vec& linear) { return {SRGBEncode(linear[0]), SRGBEncode(linear[1]), SRGBEncode(linear[2])}; }

bool InGamut(const Vec& encoded)
{
    // Within half a byte of the ends clipping changes no byte: such a
    // colour (sRGB's own colours through other spaces, by the arithmetic's
    // last bits) counts as inside.
    constexpr double margin = 0.5 / 255;
    return std::all_of(encoded.begin(), encoded.end(), [](double c) { return c >= -margin && c <= 1 + margin; });
}

double DeltaEOK(const OkLab& a, const OkLab& b)
{
    return std::sqrt((a.L - b.L) * (a.L - b.L) + (a.a - b.a) * (a.a - b.a) + (a.b - b.b) * (a.b - b.b));
}

Vec Clip(const Vec& encoded) { return {Clamp(encoded[0], 0, 1), Clamp(encoded[1], 0, 1), Clamp(encoded[2], 0, 1)}; }

OkLab EncodedToOkLab(const Vec& encoded)
{
    return LinearSRGBToOkLab({SRGBDecode(encoded[0]), SRGBDecode(encoded[1]), SRGBDecode(encoded[2])});
}

// The gamut mapping of the text: the colour's OKLCh chroma is reduced by
// bisection until its clipped sRGB lies within the just-noticeable
// difference of the unclipped colour.
Vec MapIntoSRGB(const OkLab& origin)
{
    constexpr double jnd = 0.02, epsilon = 0.0001;
    if (origin.L >= 1) return {1, 1, 1};
    if (origin.L <= 0) return {0, 0, 0};
    const OkLCh lch = OkLabToOkLCh(origin);
    auto at = [&](double chroma) { return OkLChToOkLab({lch.L, chroma, lch.h}); };
    OkLab current = origin;
    Vec clipped = Clip(Encoded(OkLabToLinearSRGB(current)));
    if (DeltaEOK(EncodedToOkLab(clipped), current) < jnd) return clipped;
    double lo = 0, hi = lch.C;
    bool loInGamut = true;
    while (hi - lo > epsilon) {
        const double chroma = (lo + hi) / 2;
        current = at(chroma);
        const Vec encoded = Encoded(OkLabToLinearSRGB(current));
        if (loInGamut && InGamut(encoded)) {
            lo = chroma;
            continue;
        }
        clipped = Clip(encoded);
        const double e = DeltaEOK(EncodedToOkLab(clipped), current);
        if (e < jnd) {
            if (jnd - e < epsilon) return clipped;
            loInGamut = false;
            lo = chroma;
        } else {
            hi = chroma;
        }
    }
    return clipped;
}

// The linear light of the half-way points between bytes: byte b's
// colours lie from entry b to entry b + 1 (entry 0 and 256 half a byte
// beyond the ends). Finding a byte among them rounds as encoding and
// rounding would, without a power per channel.
const std::array<double, 257>& HalfPoints()
{
    static const std::array<double, 257> points = [] {
        std::array<double, 257> p{};
        for (int i = 0; i <= 256; ++i) p[static_cast<std::size_t>(i)] = SRGBDecode((i - 0.5) / 255);
        return p;
    }();
    return points;
}

CssColour FromLinear(const Vec& linear)
{
    for (const double c : linear)
        if (!std::isfinite(c)) throw Failure{"the values are too large"};
    const auto& points = HalfPoints();
    const bool inside =
        std::all_of(linear.begin(), linear.end(), [&](double c) { return c >= points.front() && c <= points.back(); });
    if (!inside) return {ByteCode(MapIntoSRGB(LinearSRGBToOkLab(linear))), true, false};
    RGBCode code = 0;
    for (const double c : linear) {
        // The number of inner half-way points at or below c is its byte
        // (a value exactly half-way goes up, as CSS rounds).
        // A search without branches to mispredict: points[1 + byte + step - 1]
        // are the inner points.
        std::size_t byte = 0;
        for (std::size_t step = 128; step > 0; step >>= 1) byte += points[byte + step] <= c ? step : 0;
        code = code << 8 | static_cast<RGBCode>(byte);
    }
    return {code, false, false};
}

CssColour FromEncoded(const Vec& encoded)
{
    return FromLinear({SRGBDecode(encoded[0]), SRGBDecode(encoded[1]), SRGBDecode(encoded[2])});
}

CssColour FromXYZD65(const Vec& xyz) { return FromLinear(Multiply(kXYZToLinearSRGB, xyz)); }

CssColour FromOkLab(const OkLab& lab)
{
    // Lightness at the ends is white or black whatever the chroma.
    if (lab.L >= 1) return {0xFFFFFF, false, false};
    if (lab.L <= 0) return {0x000000, false, false};
    return FromLinear(OkLabToLinearSRGB(lab));
}

Vec LabToLinear(double L, double a, double b)
{
    return Multiply(kXYZToLinearSRGB, Multiply(kD50ToD65, LabToXYZD50(L, a, b)));
}

// ---- the functions ----

CssColour ReadRGB(const Arguments& args)
{
    if (args.legacy) {
        const Token::Kind kind = args.values[0].kind;
        for (const Token& t : args.values)
            if (t.kind != kind || (kind != Token::Number && kind != Token::Percent))
                throw Failure{"rgb() with commas takes three numbers or three percentages"};
    }
    Vec v{};
    for (std::size_t i = 0; i < 3; ++i) v[i] = Clamp(NumberOrPercent(args.values[i], 255), 0, 255) / 255;
    return {ByteCode(v), false, false};
}

CssColour ReadHSL(const Arguments& args)
{
    const double h = Hue(args.values[0]);
    for (std::size_t i = 1; i < 3; ++i) {
        const Token& t = args.values[i];
        if (args.legacy ? t.kind != Token::Percent : t.kind == Token::Dimension)
            throw Failure{"saturation and lightness must be percentages"};
    }
    const double s = Clamp(NumberOrPercent(args.values[1], 100), 0, 100) / 100;
    const double l = Clamp(NumberOrPercent(args.values[2], 100), 0, 100) / 100;
    return FromEncoded(HSLToSRGB(h, s, l));
}

CssColour ReadHWB(const Arguments& args)
{
    const double h = Hue(args.values[0]);
    double w = Clamp(NumberOrPercent(args.values[1], 100), 0, 100) / 100;
    double b = Clamp(NumberOrPercent(args.values[2], 100), 0, 100) / 100;
    if (w + b >= 1) {
        const double grey = w / (w + b);
        return FromEncoded({grey, grey, grey});
    }
    Vec rgb = HSLToSRGB(h, 1, 0.5);
    for (double& c : rgb) c = c * (1 - w - b) + w;
    return FromEncoded(rgb);
}

CssColour ReadLab(const Arguments& args, bool polar)
{
    const double L = Clamp(NumberOrPercent(args.values[0], 100), 0, 100);
    double a, b;
    if (polar) {
        const double c = std::max(0.0, NumberOrPercent(args.values[1], 150));
        const double h = Hue(args.values[2]) * kPi / 180;
        a = c * std::cos(h);
        b = c * std::sin(h);
    } else {
        a = NumberOrPercent(args.values[1], 125);
        b = NumberOrPercent(args.values[2], 125);
    }
    return FromLinear(LabToLinear(L, a, b));
}

CssColour ReadOkLab(const Arguments& args, bool polar)
{
    OkLab lab;
    lab.L = Clamp(NumberOrPercent(args.values[0], 1), 0, 1);
    if (polar) {
        const double c = std::max(0.0, NumberOrPercent(args.values[1], 0.4));
        const double h = Hue(args.values[2]) * kPi / 180;
        lab.a = c * std::cos(h);
        lab.b = c * std::sin(h);
    } else {
        lab.a = NumberOrPercent(args.values[1], 0.4);
        lab.b = NumberOrPercent(args.values[2], 0.4);
    }
    return FromOkLab(lab);
}

CssColour ReadColorFunction(std::span<const Token> tokens)
{
    if (tokens.empty() || tokens[0].kind != Token::Ident) throw Failure{"color() needs a colour space first"};
    const std::string space = LowerText(tokens[0].text);
    const Arguments args = Split(tokens.subspan(1), false);
    Vec v{};
    for (std::size_t i = 0; i < 3; ++i) {
        if (args.values[i].kind == Token::Dimension || (args.values[i].kind == Token::Ident && !IsNone(args.values[i])))
            throw Failure{"color() takes numbers or percentages"};
        v[i] = NumberOrPercent(args.values[i], 1);
    }
    auto decoded = [&](double (*f)(double)) { return Vec{f(v[0]), f(v[1]), f(v[2])}; };
    if (space == "srgb") return FromEncoded(v);
    if (space == "srgb-linear") return FromLinear(v);
    if (space == "display-p3") return FromXYZD65(Multiply(kP3ToXYZ, decoded(SRGBDecode)));
    if (space == "a98-rgb")
        return FromXYZD65(Multiply(kA98ToXYZ, decoded([](double c) { return SignedPow(c, 563.0 / 256); })));
    if (space == "prophoto-rgb")
        return FromXYZD65(Multiply(kD50ToD65, Multiply(kProPhotoToXYZD50, decoded(ProPhotoDecode))));
    if (space == "rec2020") return FromXYZD65(Multiply(kRec2020ToXYZ, decoded(Rec2020Decode)));
    if (space == "xyz" || space == "xyz-d65") return FromXYZD65(v);
    if (space == "xyz-d50") return FromXYZD65(Multiply(kD50ToD65, v));
    throw Failure{"unknown colour space '" + space + "'"};
}

struct NamedColour {
    std::string_view name;
    RGBCode code;
};
constexpr NamedColour kNamedColours[] = {
#include "cssnames.inc"
};

CssColour Read(std::string_view text)
{
    // Hexadecimal codes as the program has always read them (the empty
    // text among them, which is black).
    const bool hexDigits = std::all_of(text.begin(), text.end(),
                                       [](char c) { return IsDigit(c) || (Lower(c) >= 'a' && Lower(c) <= 'f'); });
    if (hexDigits || text[0] == '#') {
        const auto code = ReadTypedHex(text);
        if (!code) throw Failure{"not a hexadecimal colour code"};
        // "#RGBA" and "#RRGGBBAA" carry an alpha; only an opaque one is 1.
        bool alpha = false;
        if ((text.size() == 5 || text.size() == 9) && text[0] == '#')
            alpha = LowerText(text.substr(text.size() == 5 ? 4 : 7)) != (text.size() == 5 ? "f" : "ff");
        return {*code, false, alpha};
    }
    const std::size_t open = text.find('(');
    if (open == std::string_view::npos) {
        const std::string name = LowerText(text);
        for (const NamedColour& c : kNamedColours)
            if (c.name == name) return {c.code, false, false};
        throw Failure{"unknown colour name"};
    }
    if (text.back() != ')') throw Failure{"')' is missing at the end"};
    const std::string_view function = text.substr(0, open);
    const Tokens tokens = Tokenise(text.substr(open + 1, text.size() - open - 2));
    if (Is(function, "color")) {
        CssColour c = ReadColorFunction(tokens.View());
        const Arguments args = Split(tokens.View().subspan(1), false);
        c.hadAlpha = Alpha(args.alpha) != 1;
        return c;
    }
    const bool rgb = Is(function, "rgb") || Is(function, "rgba"), hsl = Is(function, "hsl") || Is(function, "hsla");
    const Arguments args = Split(tokens.View(), rgb || hsl);
    CssColour c;
    if (rgb)
        c = ReadRGB(args);
    else if (hsl)
        c = ReadHSL(args);
    else if (Is(function, "hwb"))
        c = ReadHWB(args);
    else if (Is(function, "lab") || Is(function, "lch"))
        c = ReadLab(args, Is(function, "lch"));
    else if (Is(function, "oklab") || Is(function, "oklch"))
        c = ReadOkLab(args, Is(function, "oklch"));
    else
        throw Failure{"unknown function '" + LowerText(function) + "()'"};
    c.hadAlpha = Alpha(args.alpha) != 1;
    return c;
}

}  // namespace

std::array<double, 3> CssHWBOf(RGBCode code)
{
    const double r = ((code >> 16) & 0xFF) / 255.0, g = ((code >> 8) & 0xFF) / 255.0, b = (code & 0xFF) / 255.0;
    const double hi = std::max({r, g, b}), lo = std::min({r, g, b}), chroma = hi - lo;
    double h = 0;
    if (chroma > 0) {
        if (hi == r)
            h = (g - b) / chroma;
        else if (hi == g)
            h = (b - r) / chroma + 2;
        else
            h = (r - g) / chroma + 4;
        h *= 60;
        if (h < 0) h += 360;
    }
    return {h, lo * 100, (1 - hi) * 100};
}

std::array<double, 3> CssLabOf(RGBCode code)
{
    return XYZD50ToLab(Multiply(kD65ToD50, Multiply(kLinearSRGBToXYZ, LinearOf(code))));
}

std::array<double, 3> CssLChOf(RGBCode code)
{
    const Vec lab = CssLabOf(code);
    const double chroma = std::hypot(lab[1], lab[2]);
    // A chroma written as 0.00 (every grey, by the matrices' last bits) has
    // no hue of its own.
    return {lab[0], chroma, chroma < 0.005 ? 0 : HueOf(lab[1], lab[2])};
}

std::array<double, 3> CssDisplayP3Of(RGBCode code)
{
    const Vec p3 = Multiply(kXYZToP3, Multiply(kLinearSRGBToXYZ, LinearOf(code)));
    return {SRGBEncode(p3[0]), SRGBEncode(p3[1]), SRGBEncode(p3[2])};
}

CssColour CssLabToSRGB(double L, double a, double b)
{
    if (!std::isfinite(L) || !std::isfinite(a) || !std::isfinite(b)) return {};
    try {
        return FromXYZD65(Multiply(kD50ToD65, LabToXYZD50(Clamp(L, 0, 100), a, b)));
    } catch (const Failure&) {
        return {};  // values too large for the arithmetic
    }
}

CssColour CssColourOfLinear(const std::array<double, 3>& linear)
{
    try {
        return FromLinear(linear);
    } catch (const Failure&) {
        throw RangeError(Message{MessageId::OkLabTooLarge, {}, nullptr});
    }
}

CssColour CssColourOfEncoded(const std::array<double, 3>& encoded)
{
    return CssColourOfLinear({SRGBDecode(encoded[0]), SRGBDecode(encoded[1]), SRGBDecode(encoded[2])});
}

CssColour CssColourOfOkLab(const OkLab& lab)
{
    try {
        return FromOkLab(lab);
    } catch (const Failure&) {
        throw RangeError(Message{MessageId::OkLabTooLarge, {}, nullptr});
    }
}

std::array<double, 3> CssLinearOf(RGBCode code) { return LinearOf(code); }

std::array<double, 3> CssLabToLinear(const std::array<double, 3>& lab) { return LabToLinear(lab[0], lab[1], lab[2]); }

std::optional<CssColour> ReadCssColour(std::string_view text, std::string* why)
{
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    try {
        return Read(text);
    } catch (const Failure& f) {
        if (why) *why = f.why;
        return std::nullopt;
    }
}

}  // namespace qolvar
