// One entry of a colour table and its derivation from a table line.
//
// A table is a list of text lines, one entry per line. The program writes a
// line as
//
//     #RRGGBB name comment
//
// ("#", six hexadecimal digits, one blank, the name, one blank, the comment),
// but a line read from a file may hold anything; DeriveEntry turns whatever
// it holds into an entry:
//   - the line is split into tokens by the comma-text rule (colour/commatext.h);
//   - colour: characters 2..7 of token 1 read by HexToCode (either case; any
//     character that is not a hexadecimal digit gives black, fewer than six
//     digits are read as they stand: "#FFF" is 0x000FFF);
//   - Name: token 2 (unquoted), or empty;
//   - Comment: only when there are three tokens or more, the line's own
//     characters from index length(Name) + 9 on, at most 255 of them. That is
//     where the comment starts in a line of the program's own form; it is not
//     unquoted and keeps any blanks or commas;
//   - Hue, Sat, Val: RGBToHSV of the colour (hue 0..360, the others 0..255).
// A line without any token (empty, or blanks only) is a black entry with an
// empty name and comment.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "colour/codes.h"

namespace qolvar::table {

struct TColorTabel {
    TColor Color = 0;  // 0x00BBGGRR
    QString Name;
    QString Comment;
    std::int32_t Code = 0;  // the same colour as an RGBCode 0xRRGGBB; the RGB sort key
    std::uint16_t Hue = 0;  // HSV hue in whole degrees, 0..360
    std::uint8_t Sat = 0;   // HSV saturation, 0..255
    std::uint8_t Val = 0;   // HSV value, 0..255

    bool operator==(const TColorTabel&) const = default;
};

// The entry of a colour with the given name and comment (keys derived).
TColorTabel MakeEntry(TColor color, const QString& name = {}, const QString& comment = {});

TColorTabel DeriveEntry(const QString& line);

// The entries of all lines, in order (one per line).
std::vector<TColorTabel> ParseTblLines(const QStringList& lines);

// The colour of a line as a reader that does not split it into tokens takes
// it (the main window's colour drop-down): HexToColor of characters 2..7 of
// the line itself, whatever the first character is.
TColor RawLineColor(const QString& line);

// The longest comment an entry derives from a line.
inline constexpr int MaxCommentLength = 255;

}  // namespace qolvar::table
