#include "colourformat.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "csscolour.h"
#include "errors.h"
#include "oklab.h"

namespace qolvar {

namespace {

// The CSS functions' values beyond the models, each printed with fixed
// decimals: enough that the written function reads back to the same code.
struct CssGroup {
    std::string_view name;
    std::array<std::string_view, 3> fields;
    std::array<int, 3> decimals;
    int hue;  // the field that is a hue (0.00 for 360.00), or -1
    std::array<double, 3> (*values)(RGBCode);
};
std::array<double, 3> CssOkLabOf(RGBCode code) { return OkValues(OkModel::OkLab, code); }
std::array<double, 3> CssOkLChOf(RGBCode code) { return OkValues(OkModel::OkLCh, code); }
constexpr std::array<CssGroup, 6> kCssGroups{{
    {"css-hwb", {"h", "w", "b"}, {2, 2, 2}, 0, CssHWBOf},
    {"css-lab", {"L", "a", "b"}, {2, 2, 2}, -1, CssLabOf},
    {"css-lch", {"L", "C", "h"}, {2, 2, 2}, 2, CssLChOf},
    {"css-oklab", {"L", "a", "b"}, {5, 5, 5}, -1, CssOkLabOf},
    {"css-oklch", {"L", "C", "h"}, {5, 5, 3}, 2, CssOkLChOf},
    {"css-p3", {"r", "g", "b"}, {5, 5, 5}, -1, CssDisplayP3Of},
}};

// What a token takes its values from: group 0 is the bare channel tokens,
// groups 1 .. kModels.size() the models in the order of kModels, then CSS
// HSL, then the groups of kCssGroups.
constexpr int kChannelGroup = 0;
constexpr int kHslGroup = static_cast<int>(kModels.size()) + 1;
constexpr int kFirstCssGroup = kHslGroup + 1;
constexpr int kGroupCount = kFirstCssGroup + static_cast<int>(kCssGroups.size());

constexpr std::array<std::string_view, 5> kChannelFields = {"R", "G", "B", "HEX", "hex"};
constexpr std::array<std::string_view, 3> kHslFields = {"h", "s", "l"};

const CssGroup* CssGroupOf(int group)
{
    return group >= kFirstCssGroup && group < kGroupCount
               ? &kCssGroups[static_cast<std::size_t>(group - kFirstCssGroup)]
               : nullptr;
}

// A value with fixed decimals, without a minus sign on a value that rounds
// to zero.
std::string FixedText(double v, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, v);
    std::string s = text;
    if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
    return s;
}

const ModelInfo* ModelOfGroup(int group)
{
    return group > kChannelGroup && group < kHslGroup ? &kModels[static_cast<std::size_t>(group - 1)] : nullptr;
}

std::string_view GroupName(int group)
{
    if (const ModelInfo* m = ModelOfGroup(group)) return m->name;
    if (const CssGroup* g = CssGroupOf(group)) return g->name;
    return group == kHslGroup ? "hsl" : "";
}

// The position of a field among a group's fields, -1 when it has none of
// that name.
int FieldIndex(int group, std::string_view name)
{
    std::vector<std::string_view> names;
    if (const ModelInfo* m = ModelOfGroup(group))
        for (int i = 0; i < m->fieldCount; ++i) names.push_back(m->fields[static_cast<std::size_t>(i)].name);
    else if (group == kHslGroup)
        names.assign(kHslFields.begin(), kHslFields.end());
    else if (const CssGroup* g = CssGroupOf(group))
        names.assign(g->fields.begin(), g->fields.end());
    else
        names.assign(kChannelFields.begin(), kChannelFields.end());
    const auto it = std::find(names.begin(), names.end(), name);
    return it == names.end() ? -1 : static_cast<int>(it - names.begin());
}

// A token as messages quote it, cut at 40 characters.
std::string Quoted(std::string_view token)
{
    constexpr std::size_t kMax = 40;
    std::string s = "{";
    s.append(token.substr(0, kMax));
    s.append(token.size() > kMax ? "...}" : "}");
    return s;
}

// The group and field of a token's name; a bare name that is none of the
// channel tokens may be a field of the default group.
std::pair<int, int> ReadToken(std::string_view name, std::string_view defaultGroup)
{
    const auto dot = name.find('.');
    const std::string_view groupName = dot == std::string_view::npos ? name : name.substr(0, dot);
    for (int g = 1; g < kGroupCount; ++g) {
        if (GroupName(g) != groupName) continue;
        if (dot == std::string_view::npos) return {g, -1};
        const int field = FieldIndex(g, name.substr(dot + 1));
        if (field >= 0) return {g, field};
        break;
    }
    if (dot == std::string_view::npos) {
        const int field = FieldIndex(kChannelGroup, name);
        if (field >= 0) return {kChannelGroup, field};
        for (int g = 1; g < kGroupCount && !defaultGroup.empty(); ++g) {
            if (GroupName(g) != defaultGroup) continue;
            const int own = FieldIndex(g, name);
            if (own >= 0) return {g, own};
        }
    }
    throw TemplateError(Message{MessageId::UnknownToken, {Quoted(name)}, nullptr});
}

// The texts of a group's values for a colour.
std::vector<std::string> GroupTexts(int group, RGBCode code, const ConversionConditions& c)
{
    if (const ModelInfo* m = ModelOfGroup(group)) return ValueTexts(m->model, ConvertToModel(m->model, code, c));
    std::vector<std::string> texts;
    if (group == kHslGroup) {
        for (const int v : CssHsl(code)) texts.push_back(std::to_string(v));
        return texts;
    }
    if (const CssGroup* g = CssGroupOf(group)) {
        const auto values = g->values(code);
        for (int i = 0; i < 3; ++i) {
            const auto k = static_cast<std::size_t>(i);
            texts.push_back(FixedText(values[k], g->decimals[k]));
            if (i == g->hue && texts.back() == FixedText(360, g->decimals[k]))
                texts.back() = FixedText(0, g->decimals[k]);
        }
        return texts;
    }
    const std::string hex = CodeToHex(code);
    std::string lower = hex;
    for (char& ch : lower)
        if (ch >= 'A' && ch <= 'F') ch = static_cast<char>(ch - 'A' + 'a');
    return {std::to_string(code >> 16), std::to_string((code >> 8) & 0xFF), std::to_string(code & 0xFF), hex, lower};
}

// n / d rounded to the nearest whole number, halves up (n >= 0, d > 0).
int RoundedQuotient(long n, long d) { return static_cast<int>((2 * n + d) / (2 * d)); }

}  // namespace

std::array<int, 3> CssHsl(RGBCode code)
{
    // Whole-number arithmetic on the bytes, so that halves round exactly.
    const long r = (code >> 16) & 0xFF, g = (code >> 8) & 0xFF, b = code & 0xFF;
    const long hi = std::max({r, g, b}), lo = std::min({r, g, b});
    const long chroma = hi - lo, sum = hi + lo;
    const int lightness = RoundedQuotient(sum * 100, 510);
    if (chroma == 0) return {0, 0, lightness};
    // Hue × chroma / 60 on the six sextants of the circle.
    long sextant;
    if (hi == r)
        sextant = g - b;
    else if (hi == g)
        sextant = b - r + 2 * chroma;
    else
        sextant = r - g + 4 * chroma;
    if (sextant < 0) sextant += 6 * chroma;
    int hue = RoundedQuotient(sextant * 60, chroma);
    if (hue == 360) hue = 0;
    // S = chroma / (1 − |2L − 1|), with L = sum / 510.
    const int saturation = RoundedQuotient(chroma * 100, 255 - std::labs(sum - 255));
    return {hue, saturation, lightness};
}

ColourTemplate::ColourTemplate(std::string_view text, std::string_view model)
{
    for (const auto& f : kPredefinedFormats)
        if (f.name == text) text = f.templ;
    std::string literal;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if ((c == '{' || c == '}') && i + 1 < text.size() && text[i + 1] == c) {
            literal.push_back(c);
            ++i;
            continue;
        }
        if (c == '}') throw TemplateError(Message{MessageId::UnmatchedClose, {}, nullptr});
        if (c != '{') {
            literal.push_back(c);
            continue;
        }
        const auto close = text.find_first_of("{}", i + 1);
        if (close == std::string_view::npos || text[close] != '}')
            throw TemplateError(Message{MessageId::UnclosedOpen, {}, nullptr});
        const auto [group, field] = ReadToken(text.substr(i + 1, close - i - 1), model);
        if (!literal.empty()) pieces_.push_back({std::move(literal), -1, -1});
        literal.clear();
        pieces_.push_back({{}, group, field});
        i = close;
    }
    if (!literal.empty()) pieces_.push_back({std::move(literal), -1, -1});
}

std::string ColourTemplate::Format(RGBCode code, const ConversionConditions& c) const
{
    code &= 0xFFFFFF;
    std::array<std::vector<std::string>, kGroupCount> texts;  // each group converted once
    std::string out;
    for (const auto& p : pieces_) {
        if (p.group < 0) {
            out.append(p.literal);
            continue;
        }
        auto& values = texts[static_cast<std::size_t>(p.group)];
        if (values.empty()) values = GroupTexts(p.group, code, c);
        if (p.field >= 0) {
            out.append(values[static_cast<std::size_t>(p.field)]);
            continue;
        }
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (i > 0) out.push_back(' ');
            out.append(values[i]);
        }
    }
    return out;
}

bool ColourTemplate::Uses(Model model) const
{
    for (const auto& p : pieces_) {
        if (p.group < 0) continue;
        const ModelInfo* m = ModelOfGroup(p.group);
        if (m && m->model == model) return true;
    }
    return false;
}

std::string FormatColour(RGBCode code, std::string_view templ, const ConversionConditions& c)
{
    return ColourTemplate(templ).Format(code, c);
}

}  // namespace qolvar
