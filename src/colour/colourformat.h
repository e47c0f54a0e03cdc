// A colour written by a template: the text of the template with each token
// in braces replaced by a value of the colour.
//
//   {R} {G} {B}     red, green, blue, 0..255
//   {HEX} {hex}     the six hexadecimal digits, upper or lower case
//   {MODEL.FIELD}   one value of a model, as `qolvar-cli convert MODEL`
//                   prints it; {MODEL} alone is all of them, separated by
//                   single blanks
//   {{ }}           a literal brace
//
// MODEL and its FIELDs (names are case-sensitive):
//   xyz X Y Z        yxy x y Y        lab L a b        luv L u v
//   hsv H S V        hls H L S        cmyk C M Y K
//   yuv Y U V        ycbcr Y Cb Cr    ypbpr Y Pb Pr    yiq Y I Q
//   munsell H V C x y Y               oklab L a b      oklch L C h
//   hsl h s l   CSS HSL: hue in degrees 0..359, saturation and lightness in
//               percent, each rounded to a whole number (halves up); not the
//               program's HLS, whose L and S run 0..255
//   css-hwb h w b    css-lab L a b    css-lch L C h    css-oklab L a b
//   css-oklch L C h  css-p3 r g b
//               the values of the CSS forms of the same names, with the
//               decimals that make the written function read back to the
//               same code (csscolour.h): two for hwb (hue in degrees,
//               whiteness and blackness in percent) and for lab and lch
//               (CIE L*a*b* under D50 whatever the conditions' white), five
//               for oklab, oklch (the hue three) and display-p3
//
// The models follow the conditions given to Format (the CIE models their
// gamma and white, munsell their renotation table and method), as the
// conversions do; their failures (black in luv, a colour with no table) are
// thrown as the conversions throw them. The models and their fields are
// those of kModels (models.h).
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "codes.h"
#include "models.h"

namespace qolvar {

// Named templates, offered wherever a template may be typed.
struct PredefinedFormat {
    std::string_view name;
    std::string_view templ;
};
inline constexpr std::array<PredefinedFormat, 9> kPredefinedFormats{{
    {"hex", "#{HEX}"},
    {"css-rgb", "rgb({R}, {G}, {B})"},
    {"css-hsl", "hsl({hsl.h}, {hsl.s}%, {hsl.l}%)"},
    {"css-hwb", "hwb({css-hwb.h} {css-hwb.w}% {css-hwb.b}%)"},
    {"css-lab", "lab({css-lab.L} {css-lab.a} {css-lab.b})"},
    {"css-lch", "lch({css-lch.L} {css-lch.C} {css-lch.h})"},
    {"css-oklab", "oklab({css-oklab.L} {css-oklab.a} {css-oklab.b})"},
    {"css-oklch", "oklch({css-oklch.L} {css-oklch.C} {css-oklch.h})"},
    {"css-p3", "color(display-p3 {css-p3.r} {css-p3.g} {css-p3.b})"},
}};

// A template read once and applied to any number of colours.
class ColourTemplate {
public:
    // The text is a template, or the name of a predefined format. Throws
    // TemplateError for a token that is not known, a "{" without its "}"
    // and a "}" that is neither "}}" nor the end of a token. With a model
    // name (lab, hsv …), its fields may be written bare: {L} for {lab.L};
    // R, G, B, HEX and hex keep their meaning.
    explicit ColourTemplate(std::string_view text, std::string_view model = {});

    // The colour 0xRRGGBB (the bits above 24 are ignored) by the template,
    // its values converted under the conditions.
    std::string Format(RGBCode code, const ConversionConditions& c) const;

    // Whether a token of the template takes values of the model (the
    // command line loads the renotation table only when munsell is used).
    bool Uses(Model model) const;

private:
    struct Piece {
        std::string literal;  // text written as it stands, when group < 0
        int group = -1;       // what the token takes its value from
        int field = -1;       // which value, or -1 for all of them
    };
    std::vector<Piece> pieces_;
};

// The colour by a template (or a predefined format's name); throws
// TemplateError for a bad template.
std::string FormatColour(RGBCode code, std::string_view templ, const ConversionConditions& c);

// CSS HSL of a colour: hue in degrees (0..359), saturation and lightness in
// percent (0..100), rounded to whole numbers, halves up.
std::array<int, 3> CssHsl(RGBCode code);

}  // namespace qolvar
