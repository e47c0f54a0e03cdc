#include "entry.h"

#include <string_view>

#include "colour/commatext.h"
#include "colour/hue.h"

namespace qolvar::table {

namespace {

std::u16string_view View(const QString& s)
{
    return {reinterpret_cast<const char16_t*>(s.utf16()), static_cast<std::size_t>(s.size())};
}

QString FromU16(const std::u16string& s)
{
    return QString(reinterpret_cast<const QChar*>(s.data()), static_cast<qsizetype>(s.size()));
}

// At most MaxCommentLength units of line from index from on, never ending
// in the first half of a surrogate pair.
QString CommentAt(const QString& line, qsizetype from)
{
    if (from >= line.size()) return {};
    qsizetype n = std::min<qsizetype>(MaxCommentLength, line.size() - from);
    if (n > 0 && line.at(from + n - 1).isHighSurrogate() && from + n < line.size()) --n;
    return line.mid(from, n);
}

void SetKeys(TColorTabel& e)
{
    e.Code = static_cast<std::int32_t>(ColorToCode(e.Color));
    const HueCode h = RGBToHSV(static_cast<RGBCode>(e.Code));
    e.Hue = static_cast<std::uint16_t>((h >> 16) & 0x1FF);
    e.Sat = static_cast<std::uint8_t>((h >> 8) & 0xFF);
    e.Val = static_cast<std::uint8_t>(h & 0xFF);
}

}  // namespace

TColorTabel MakeEntry(TColor color, const QString& name, const QString& comment)
{
    TColorTabel e;
    e.Color = color & 0xFFFFFF;
    e.Name = name;
    e.Comment = comment;
    SetKeys(e);
    return e;
}

TColorTabel DeriveEntry(const QString& line)
{
    TColorTabel e;
    const auto tokens = SplitCommaText<char16_t>(View(line));
    if (!tokens.empty()) {
        const std::u16string_view first = tokens[0];
        const std::u16string_view digits = first.size() > 1 ? first.substr(1, 6) : std::u16string_view{};
        e.Color = CodeToColor(HexToCode(digits));
        if (tokens.size() >= 2) e.Name = FromU16(tokens[1]);
        if (tokens.size() >= 3) e.Comment = CommentAt(line, e.Name.size() + 9);
    }
    SetKeys(e);
    return e;
}

TColor RawLineColor(const QString& line)
{
    const std::u16string_view all = View(line);
    return CodeToColor(HexToCode(all.size() > 1 ? all.substr(1, 6) : std::u16string_view{}));
}

std::vector<TColorTabel> ParseTblLines(const QStringList& lines)
{
    std::vector<TColorTabel> entries;
    entries.reserve(static_cast<std::size_t>(lines.size()));
    for (const QString& line : lines) entries.push_back(DeriveEntry(line));
    return entries;
}

}  // namespace qolvar::table
