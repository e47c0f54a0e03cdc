// Deriving entries from lines, composing lines, file-name bookkeeping.
#include <gtest/gtest.h>

#include "table/entry.h"
#include "table/filenames.h"
#include "table/lines.h"

using namespace qolvar;
using namespace qolvar::table;

namespace {

struct DeriveCase {
    const char16_t* line;
    RGBCode code;
    const char16_t* name;
    const char16_t* comment;
};

TEST(DeriveEntry, FollowsTheLineRules)
{
    const DeriveCase cases[] = {
        {u"#ff8000 Orange", 0xFF8000, u"Orange", u""},
        {u"#FF0000 Red bright red", 0xFF0000, u"Red", u"bright red"},
        {u"#FF0000,Red,dark", 0xFF0000, u"Red", u"dark"},
        // The comment position counts single separators.
        {u"#FF0000  Red x", 0xFF0000, u"Red", u" x"},
        {u"#FFF white", 0x000FFF, u"white", u""},
        {u"#GG0000 x", 0, u"x", u""},
        {u"#00FF00", 0x00FF00, u"", u""},
        // A quoted name is unquoted; the comment position counts it without
        // its quotes, so the comment starts at the closing quote.
        {u"#808080 \"Dark grey\" x", 0x808080, u"Dark grey", u"\" x"},
        {u"#808080 \"Dark \"\"grey\"\"\"", 0x808080, u"Dark \"grey\"", u""},
        // Lines without a token: black, no name (not an error).
        {u"", 0, u"", u""},
        {u" \t  ", 0, u"", u""},
        // The code is read from token 1, wherever it starts.
        {u"   #0000ff blue", 0x0000FF, u"blue", u""},
        {u"\"#00ff00\" green", 0x00FF00, u"green", u""},
        {u"#", 0, u"", u""},
        {u",#FF0000 x", 0, u"#FF0000", u""},
        // Japanese names and comments; U+3000 is no blank.
        {u"#FF0000 赤 あか　色", 0xFF0000, u"赤", u"あか　色"},
        {u"#FF0000 赤　あか", 0xFF0000, u"赤　あか", u""},
        // Seven or more characters after "#" in token 1: only six are read.
        {u"#1234567 x", 0x123456, u"x", u""},
        // A comment keeps commas and blanks as they stand.
        {u"#000001 a b, c ,d", 0x000001, u"a", u"b, c ,d"},
    };
    for (const auto& c : cases) {
        const auto line = QString::fromUtf16(c.line);
        const TColorTabel e = DeriveEntry(line);
        SCOPED_TRACE(line.toStdString());
        EXPECT_EQ(static_cast<RGBCode>(e.Code), c.code);
        EXPECT_EQ(e.Color, CodeToColor(c.code));
        EXPECT_EQ(e.Name, QString::fromUtf16(c.name));
        EXPECT_EQ(e.Comment, QString::fromUtf16(c.comment));
    }
}

TEST(DeriveEntry, KeysAreHueSaturationValue)
{
    const auto e = DeriveEntry("#336699 b");
    EXPECT_EQ(std::make_tuple(e.Hue, e.Sat, e.Val), std::make_tuple(210, 170, 153));
}

TEST(DeriveEntry, CommentIsAtMost255UnitsAndKeepsSurrogatePairsWhole)
{
    const QString longComment(400, u'c');
    EXPECT_EQ(DeriveEntry("#000000 n " + longComment + " x").Comment, QString(255, u'c'));
    // A pair straddling unit 255 is left out whole.
    const QString pairs = QString(254, u'c') + QString::fromUtf16(u"😀x");
    EXPECT_EQ(DeriveEntry("#000000 n " + pairs + " x").Comment, QString(254, u'c'));
}

TEST(RawLineColor, TakesCharacters2To7WithoutSplitting)
{
    const std::pair<const char16_t*, RGBCode> cases[] = {
        {u"#FF8000 Orange", 0xFF8000}, {u"", 0},        {u"#", 0}, {u"#ABC", 0x000ABC}, {u"  #FF8000 x", 0},
        {u"xFF8000", 0xFF8000},        {u"#ff80zz", 0},
    };
    for (const auto& [line, code] : cases)
        EXPECT_EQ(RawLineColor(QString::fromUtf16(line)), CodeToColor(code)) << QString::fromUtf16(line).toStdString();
}

TEST(Lines, NumberNames)
{
    const std::pair<long long, const char*> cases[] = {
        {0, "CN0000"},   {1, "CN0001"},   {9, "CN0009"},     {10, "CN0010"},      {99, "CN0099"},
        {100, "CN0100"}, {999, "CN0999"}, {1000, "CN01000"}, {12345, "CN012345"},
    };
    for (const auto& [n, name] : cases) EXPECT_EQ(NumberName(n), name) << n;
}

TEST(Lines, AddLineNamesAndRenumbers)
{
    struct Case {
        const char* name;
        long long count;
        const char* comment;
        const char* line;
    };
    const Case cases[] = {
        {"", 9, "", "#FF8000 CN0010"},           {"", 99, "", "#FF8000 CN0100"},
        {"", 0, "", "#FF8000 CN0001"},           {"CN0042", 5, "", "#FF8000 CN0006"},
        {"CN1", 5, "", "#FF8000 CN1"},           {"Orange", 5, "warm", "#FF8000 Orange warm"},
        {"", 5, "a\r\nb", "#FF8000 CN0006 a b"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AddLine("FF8000", c.name, c.comment, c.count), c.line) << c.name << " " << c.count;
}

TEST(Lines, ReplaceLineKeepsBothBlanksAndOneLine)
{
    EXPECT_EQ(ReplaceLine("FF0000", "Red", ""), "#FF0000 Red ");
    // A shorter code gets its leading zeros: "#0" is read by nobody else.
    EXPECT_EQ(ReplaceLine("0", "Black", ""), "#000000 Black ");
    EXPECT_EQ(AddLine("f80", "", "", 0), "#000f80 CN0001");
    EXPECT_EQ(ReplaceLine("ff0000", "Red", "line one\r\nline two\nthree"), "#ff0000 Red line one line two three");
}

TEST(Lines, ProgramLineReadsBackToTheSameEntry)
{
    struct Case {
        RGBCode code;
        const char16_t* name;
        const char16_t* comment;
        const char16_t* line;
    };
    const Case cases[] = {
        {0xFF8000, u"Orange", u"", u"#FF8000 Orange"},
        {0xFF8000, u"Orange", u"warm one", u"#FF8000 Orange warm one"},
        {0x000000, u"", u"", u"#000000 "},
        {0xFF0000, u"RGB Red", u"", u"#FF0000 \"RGB Red\""},
        {0xFF0000, u"a,b", u"", u"#FF0000 \"a,b\""},
        {0xFF0000, u"\"q\" x", u"", u"#FF0000 \"\"\"q\"\" x\""},
        {0xFF0000, u"チェリー", u"", u"#FF0000 チェリー"},
    };
    for (const auto& c : cases) {
        const QString name = QString::fromUtf16(c.name), comment = QString::fromUtf16(c.comment);
        const QString line = ProgramLine(CodeToColor(c.code), name, comment);
        EXPECT_EQ(line, QString::fromUtf16(c.line));
        const auto e = DeriveEntry(line);
        EXPECT_EQ(e.Name, name) << line.toStdString();
        EXPECT_EQ(e.Comment, comment) << line.toStdString();
        EXPECT_EQ(static_cast<RGBCode>(e.Code), c.code);
    }
}

TEST(Lines, LogLinesBecomeNumberedTableLines)
{
    struct Case {
        const char* log;
        long long i;
        const char* line;
    };
    const Case cases[] = {
        {"RGB=#FF8000 CMYK=0,127,255,0", 0, "#FF8000 CN0000 CMYK=0,127,255,0"},
        {"RGB=#336699 CIE Yxy=0.2080,0.2197,12.49", 10, "#336699 CN0010 CIE Yxy=0.2080,0.2197,12.49"},
        {"RGB=#FF8000", 1000, "#FF8000 CN01000 "},
        {"no code here", 3, "no code CN0003 here"},
        {"", 2, " CN0002 "},
    };
    for (const auto& c : cases) EXPECT_EQ(LogTableLine(c.log, c.i), c.line) << c.log;
    const auto e = DeriveEntry(LogTableLine("RGB=#FF8000 HSV=30,255,255", 0));
    EXPECT_EQ(e.Name, "CN0000");
    EXPECT_EQ(e.Comment, "HSV=30,255,255");
}

TEST(FileNames, BookkeepingRules)
{
    struct Case {
        const char16_t* path;
        const char16_t* dir;
        const char16_t* base;
        const char16_t* ext;
    };
    const Case cases[] = {
        {u"/home/u/Web標準色.tab", u"/home/u", u"Web標準色", u".tab"},
        {u"/home/u/Swatch.ACO", u"/home/u", u"Swatch", u".aco"},
        {u"/home/u/colours.table", u"/home/u", u"colours.t", u".tab"},
        {u"/home/u/a.acox", u"/home/u", u"a.", u".aco"},
        {u"/home/u/abc", u"/home/u", u"", u""},
        {u"/home/u.d/abcdef", u"/home/u.d", u"ab", u""},
        {u"無題", u"", u"", u""},
        {u"/x.tab", u"", u"x", u".tab"},
    };
    for (const auto& c : cases) {
        const auto n = MakeTblFileNames(QString::fromUtf16(c.path));
        EXPECT_EQ(n.TblFileDir, QString::fromUtf16(c.dir)) << n.TblFileName.toStdString();
        EXPECT_EQ(n.TblBaseName, QString::fromUtf16(c.base)) << n.TblFileName.toStdString();
        EXPECT_EQ(n.TblFileExt, QString::fromUtf16(c.ext)) << n.TblFileName.toStdString();
    }
    EXPECT_EQ(KindOf("/a/b.ACO"), TblFileKind::Aco);
    EXPECT_EQ(KindOf("/a/b.cgd"), TblFileKind::Cgd);
    EXPECT_EQ(KindOf("/a/b.Gpl"), TblFileKind::Gpl);
    EXPECT_EQ(KindOf("/a/b.log"), TblFileKind::Text);
}

TEST(FileNames, ProposedSaveName)
{
    // A swatch or a palette keeps its format; a colour guide, only read,
    // becomes a text table.
    EXPECT_EQ(ProposedSaveName(MakeTblFileNames("/d/swatch.aco")), "/d/swatch.aco");
    EXPECT_EQ(ProposedSaveName(MakeTblFileNames("/d/pal.GPL")), "/d/pal.gpl");
    EXPECT_EQ(ProposedSaveFormat(MakeTblFileNames("/d/pal.gpl")).filterIndex, 2);
    EXPECT_EQ(ProposedSaveName(MakeTblFileNames("/x.cgd")), "/x.tab");
    EXPECT_EQ(ProposedSaveName(MakeTblFileNames("rel.txt")), "rel.tab");
    EXPECT_EQ(ProposedSaveName(MakeTblFileNames(Untitled)), "");
}

}  // namespace
