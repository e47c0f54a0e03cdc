// Fuzz target: the hexadecimal and decimal readers, the number texts, and
// the colour log reader.
//   - HexToCode of the bytes and of the same characters as UTF-16 agree, and
//     look at no more than eight characters, and ReadTypedHex agrees with
//     them on bare digits;
//   - ParseDecimal and ParseDecimalTrimmed: a number is a number with blanks
//     around it too; the texts FixedText and GeneralText write of a parsed
//     value read back, and GeneralText of what it wrote is the same text;
//   - the bytes as a typed Munsell hue, split into number and family;
//   - the bytes as a colour log, converted into table lines.
// A violation aborts, so that the fuzzer keeps the input.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "colour/codes.h"
#include "colour/errors.h"
#include "colour/munsell.h"
#include "colour/numtext.h"
#include "table/tablefile.h"
#include "table/textio.h"

namespace {

void Check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "text_fuzz: %s\n", what);
        std::abort();
    }
}

bool SameNumber(std::optional<long double> a, std::optional<long double> b)
{
    if (a.has_value() != b.has_value()) return false;
    if (!a) return true;
    return *a == *b && std::signbit(*a) == std::signbit(*b);
}

void CheckHex(std::string_view text)
{
    const std::uint32_t narrow = qolvar::HexToCode(text);
    Check(narrow == qolvar::HexToCode(text.substr(0, 8)), "HexToCode looks past eight characters");
    bool ascii = true;
    std::u16string wide;
    for (const char c : text) {
        ascii &= static_cast<unsigned char>(c) < 0x80;
        wide.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
    }
    if (ascii) Check(qolvar::HexToCode(std::u16string_view(wide)) == narrow, "the two HexToCode overloads disagree");
    // A typed code: both overloads agree; bare digits that read as a code
    // read as HexToCode reads them, and a CSS code is 24 bits.
    const auto typed = qolvar::ReadTypedHex(text);
    if (ascii)
        Check(qolvar::ReadTypedHex(std::u16string_view(wide)) == typed, "the two ReadTypedHex overloads disagree");
    if (typed && !text.empty() && text.front() != '#' && text.front() != ' ' && text.front() != '\t' &&
        text.back() != ' ' && text.back() != '\t')
        Check(*typed == narrow, "ReadTypedHex reads bare digits unlike HexToCode");
    if (typed && !text.empty() && text.front() == '#') Check(*typed <= 0xFFFFFF, "a CSS code wider than 24 bits");
}

void CheckDecimal(std::string_view text, int decimals)
{
    const auto exact = qolvar::ParseDecimal(text);
    const auto trimmed = qolvar::ParseDecimalTrimmed(text);
    if (exact) Check(SameNumber(exact, trimmed), "ParseDecimalTrimmed differs from ParseDecimal");
    Check(SameNumber(trimmed, qolvar::ParseDecimalTrimmed(" \t" + std::string(text) + "\r\n ")),
          "blanks around a number change it");
    if (!trimmed) return;
    const long double v = *trimmed;
    Check(std::isfinite(v), "ParseDecimal gave a value that is not finite");

    const std::string fixed = qolvar::FixedText(v, decimals);
    Check(qolvar::ParseDecimalTrimmed(fixed).has_value(), "FixedText wrote a text that is no number");

    const std::string general = qolvar::GeneralText(v);
    const auto back = qolvar::ParseDecimal(general);
    // Rounding the largest values to fifteen digits can leave the range.
    if (back) Check(qolvar::GeneralText(*back) == general, "GeneralText of its own text differs");
}

}  // namespace

// The typed Munsell hue: every character but blanks goes to the number or
// the family, and the family index names the family or none.
void CheckHueText(std::string_view text)
{
    const qolvar::HueTextParts parts = qolvar::SplitHueText(text);
    std::size_t blanks = 0;
    for (const char c : text) blanks += c == ' ';
    Check(parts.number.size() + parts.family.size() + blanks == text.size(), "hue text characters lost");
    Check(parts.familyIndex <= qolvar::MunsellHueNames.size(), "hue family index out of range");
    Check(parts.familyIndex == qolvar::MunsellHueNames.size() ||
              parts.family == qolvar::MunsellHueNames[parts.familyIndex],
          "hue family index names another family");
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckHex(text);
    CheckHueText(text);
    if (size <= 4096) CheckDecimal(text.substr(size > 0 ? 1 : 0), size > 0 ? data[0] % 24 : 2);

    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const QStringList logLines = qolvar::table::SplitTextLines(qolvar::table::DecodeLocalText(bytes));
        const QStringList lines = qolvar::table::LogToTabLines(logLines);
        Check(lines.size() == logLines.size(), "a log line did not give one table line");
        for (const QString& line : lines)
            Check(!line.contains(u'\r') && !line.contains(u'\n'), "a table line holds a line break");
    } catch (const qolvar::ColourError&) {
    }
    return 0;
}
