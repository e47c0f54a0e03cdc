// GIMP palettes (.gpl): reading what GIMP and others write, writing what
// they read, and the comments a palette cannot hold.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "cli_run.h"
#include "colour/errors.h"
#include "table/document.h"
#include "table/gpl.h"
#include "table/tablefile.h"

using namespace qolvar;
using namespace qolvar::table;

namespace {

TEST(GplRead, HandWrittenPalette)
{
    // CR LF and LF mixed, tabs and runs of blanks between the fields, a
    // comment, an empty line, names with blanks, a missing name and lines
    // that are no colour (a missing component, 256, a sign, a letter).
    const QByteArray bytes =
        "GIMP Palette\r\n"
        "Name: Hand made\r\n"
        "Columns: 4\r\n"
        "# a comment\r\n"
        "255   0   0\tRed\r\n"
        "\r\n"
        "  0\t128 255   Sky blue  \n"
        " 18  52  86\n"
        "12 34\tshort\n"
        "256 0 0 too bright\n"
        "1 -2 3 negative\n"
        "0 0 0x1 hex\n"
        "0 0 0\tBlack";
    const TableData t = ReadGpl(bytes, QStringLiteral("hand%1.gpl"));  // a "%1" in the name stays
    const QStringList lines{"#FF0000 Red", "#0080FF \"Sky blue\"", "#123456 ", "#000000 Black"};
    EXPECT_EQ(t.lines, lines);
    ASSERT_EQ(t.entries.size(), 4u);
    EXPECT_EQ(t.entries[1].Name, "Sky blue");
    EXPECT_EQ(t.entries[1].Code, 0x0080FF);
    EXPECT_EQ(t.entries[2].Name, "");
    EXPECT_EQ(t.title, "Hand made");
    EXPECT_EQ(t.warning, "ファイル hand%1.gpl の 4 行は色として読めないため読み飛ばしました（最初は 9 行目）");
}

TEST(GplRead, HeaderVariantsAndRefusals)
{
    struct Case {
        const char* what;
        QByteArray bytes;
        int colours;  // -1: refused
    };
    const Case cases[] = {
        {"old format without Name", "GIMP Palette\n1 2 3 a\n", 1},
        {"byte-order mark", "\xEF\xBB\xBFGIMP Palette\nName: x\n1 2 3\n", 1},
        {"mark only", "GIMP Palette", 0},
        {"empty file", "", -1},
        {"no mark", "1 2 3 a\n", -1},
        {"text table", "#FF0000 Red\r\n", -1},
    };
    for (const auto& c : cases) {
        if (c.colours < 0) {
            EXPECT_THROW(ReadGpl(c.bytes), FileError) << c.what;
        } else {
            EXPECT_EQ(ReadGpl(c.bytes).entries.size(), std::size_t(c.colours)) << c.what;
        }
    }
}

TEST(GplWrite, ByteExactAndReadBack)
{
    const std::vector<TColorTabel> entries{MakeEntry(CodeToColor(0xFF8000), "Orange", "dropped"),
                                           MakeEntry(CodeToColor(0x0A0B0C), "Dark grey"), MakeEntry(0),
                                           MakeEntry(CodeToColor(0xFFFFFF), QString::fromUtf16(u"白\t😀"))};
    const QByteArray gpl = WriteGpl(entries, QStringLiteral("Mine"));
    EXPECT_EQ(gpl, QByteArray("GIMP Palette\nName: Mine\nColumns: 16\n#\n"
                              "255 128   0\tOrange\n"
                              " 10  11  12\tDark grey\n"
                              "  0   0   0\n"
                              "255 255 255\t") +
                       QString::fromUtf16(u"白\t😀").toUtf8() + '\n');
    const TableData back = ReadGpl(gpl);
    ASSERT_EQ(back.entries.size(), entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(back.entries[i].Color, entries[i].Color) << i;
        EXPECT_EQ(back.entries[i].Name, entries[i].Name) << i;
    }
    EXPECT_EQ(back.title, "Mine");
    EXPECT_TRUE(back.warning.isEmpty());
    // A tiny palette is filled up to 50 bytes by a comment line (some
    // readers refuse anything shorter): 35 bytes of header, 14 of entry.
    const QByteArray tiny = WriteGpl({MakeEntry(CodeToColor(0xFF0000), "R")}, QStringLiteral("a"));
    EXPECT_EQ(tiny, QByteArray("GIMP Palette\nName: a\nColumns: 16\n#\n#\n255   0   0\tR\n"));
    EXPECT_EQ(WriteGpl({}, QStringLiteral("a")).size(), 50);
    ASSERT_EQ(ReadGpl(tiny).entries.size(), 1u);
    EXPECT_EQ(ReadGpl(tiny).entries[0].Name, "R");
    EXPECT_EQ(GplPaletteName("/a/b/Web colours.gpl"), "Web colours");
    EXPECT_EQ(GplPaletteName("/a/.gpl"), ".gpl");
}

TEST(GplWrite, CommentsLostAsInSwatches)
{
    const std::vector<TColorTabel> entries{MakeEntry(0, "a", "note"), MakeEntry(0, "b"), MakeEntry(0, "c", "x")};
    EXPECT_EQ(CommentsLost("t.gpl", entries), 2);
    EXPECT_EQ(CommentsLost("t.aco", entries), 2);
    EXPECT_EQ(CommentsLost("t.tab", entries), 0);
    EXPECT_EQ(
        CommentsLostQuestion("t.gpl", 2),
        "GIMP パレットにはコメントを保存できません。コメントのある 2 色はコメントなしで保存されます。保存しますか？");
}

TEST(GplCli, ConvertsBothWaysThroughTheTableCommands)
{
    const test::JapaneseMessages japanese;  // the message quoted below
    QTemporaryDir dir;
    const QString tab = dir.filePath("web.tab");
    {
        QFile f(tab);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#FF0000 Red bright\r\n#00FF00 \"Pure green\"\r\n");
    }
    const std::string gpl = dir.filePath("web.gpl").toStdString();
    auto r = test::RunCli({"table", "convert", tab.toStdString(), gpl});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("GIMP パレットにはコメントを保存できません（コメントのある 1 色"), std::string::npos) << r.err;
    QFile f(QString::fromStdString(gpl));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "GIMP Palette\nName: web\nColumns: 16\n#\n255   0   0\tRed\n  0 255   0\tPure green\n");
    r = test::RunCli({"table", "dump", gpl});
    EXPECT_EQ(r.out, "#FF0000 Red\n#00FF00 \"Pure green\"\n");
    r = test::RunCli({"table", "sort", "--by", "rgb", gpl, dir.filePath("sorted.tab").toStdString()});
    EXPECT_EQ(r.status, 0) << r.err;

    // A palette's own name and columns stay through a conversion and
    // through the editor's open and save; the editor shows it by its name.
    const QString mine = dir.filePath("mine.gpl");
    {
        QFile m(mine);
        ASSERT_TRUE(m.open(QIODevice::WriteOnly));
        m.write("GIMP Palette\nName: My Palette\nColumns: 4\n#\n  1   2   3\tOne\n");
    }
    const QString copy = dir.filePath("copy.gpl");
    EXPECT_EQ(test::RunCli({"table", "convert", mine.toStdString(), copy.toStdString()}).status, 0);
    TblDocument doc;
    doc.TblFileRead(copy, ConversionConditions{});
    EXPECT_EQ(doc.Caption(), "My Palette - Qolvar");
    doc.EditAdd("040506", "Four", "");
    doc.TblFileSave();
    QFile saved(copy);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().startsWith("GIMP Palette\nName: My Palette\nColumns: 4\n#\n  1   2   3\tOne\n"));
}

}  // namespace
