// The editor's table: file commands, editing operations, undo, titles.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "colour/errors.h"
#include "table/document.h"
#include "table/swatch.h"
#include "table/tablefile.h"
#include "table/textio.h"

using namespace qolvar;
using namespace qolvar::table;

namespace {

class Doc : public ::testing::Test {
protected:
    QTemporaryDir dir;
    TblDocument doc;

    QString Write(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    QByteArray Contents(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // A table of n lines "#0000KK Ck" with modified cleared.
    void Table(int n)
    {
        QStringList lines;
        for (int i = 0; i < n; ++i) lines.append(QStringLiteral("#%1 C%2").arg(i, 6, 16, QChar(u'0')).arg(i));
        doc.TblFileRead(Write("t.tab", EncodeTextTable(lines)), ConversionConditions{});
    }
    QString Names() const
    {
        QString s;
        for (const auto& e : doc.TblEntries()) s += e.Name + u' ';
        return s.trimmed();
    }
    void ExpectEntriesMatchLines() const { EXPECT_EQ(doc.TblEntries(), ParseTblLines(doc.Lines())); }
};

TEST_F(Doc, StartsUntitled)
{
    EXPECT_EQ(doc.File().TblFileName, "無題");
    EXPECT_EQ(doc.File().TblBaseName, "");
    EXPECT_EQ(doc.Caption(), "無題 - Color Table Editor");
    EXPECT_EQ(doc.Title(), "■ Ｃｏｌｏｒ Ｔａｂｌｅ");
    EXPECT_TRUE(doc.SaveNeedsName());
    EXPECT_FALSE(doc.TblModified());
    EXPECT_EQ(doc.EntryAt(-1), MakeEntry(0));
}

TEST_F(Doc, ReadTextTakesOverTheFile)
{
    const QString path = Write("Web.tab", "#ff8000 Orange\r\n#FF0000 Red bright red\r\n");
    doc.SetModified(true);
    const EditResult r = doc.TblFileRead(path, ConversionConditions{});
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(r.currentRow, -1);  // no row current or selected
    EXPECT_EQ(doc.Lines(), QStringList({"#ff8000 Orange", "#FF0000 Red bright red"}));
    EXPECT_EQ(doc.EntryAt(1).Comment, "bright red");
    EXPECT_EQ(doc.Title(), "  ■ Web 2色");
    EXPECT_EQ(doc.Caption(), "Web.tab - Color Table Editor");
    EXPECT_FALSE(doc.TblModified());
    EXPECT_FALSE(doc.SaveNeedsName());
    EXPECT_TRUE(doc.UndoList().isEmpty());
}

TEST_F(Doc, FailedReadChangesNothing)
{
    Table(3);
    doc.SetModified(true);
    EXPECT_THROW(doc.TblFileRead(dir.filePath("missing.tab"), ConversionConditions{}), FileError);
    EXPECT_THROW(doc.TblFileRead(Write("bad.cgd", "XXXX"), ConversionConditions{}), FileError);
    EXPECT_EQ(doc.File().TblFileName, dir.filePath("t.tab"));
    EXPECT_EQ(doc.Count(), 3);
    EXPECT_TRUE(doc.TblModified());
}

TEST_F(Doc, SwatchFilesAskForANameOnSave)
{
    doc.TblFileRead(Write("s.aco", WriteAco({MakeEntry(0xFF, "RGB Red")})), ConversionConditions{});
    EXPECT_TRUE(doc.SaveNeedsName());
    EXPECT_EQ(doc.Caption(), "s.aco - Color Table Editor");
    QByteArray cgd("CT10\0\0\0\0Guide", 13);
    cgd.append(256 - cgd.size(), '\0');
    doc.TblFileRead(Write("g.cgd", cgd), ConversionConditions{});
    EXPECT_TRUE(doc.SaveNeedsName());
    EXPECT_EQ(doc.Caption(), "Guide - Qolvar");
    EXPECT_EQ(doc.Title(), "  ■ g 0色");
    doc.TblFileRead(Write("p.gpl", "GIMP Palette\nName: Mine\n255 0 0 Red\n"), ConversionConditions{});
    EXPECT_TRUE(doc.SaveNeedsName());
    EXPECT_EQ(doc.Caption(), "Mine - Qolvar") << "the palette's name, as a guide's title";
    EXPECT_EQ(doc.Title(), "  ■ p 1色");
}

TEST_F(Doc, SaveAndSaveAs)
{
    Table(2);
    doc.EditAdd("FF0000", "Red", "");
    ASSERT_TRUE(doc.TblModified());
    doc.TblFileSave();
    EXPECT_FALSE(doc.TblModified());
    EXPECT_EQ(Contents(dir.filePath("t.tab")), "#000000 C0\r\n#000001 C1\r\n#FF0000 Red\r\n");

    // Save as .aco writes a swatch of the entries; the name is taken over.
    const QString aco = dir.filePath("out.aco");
    doc.TblFileSaveAs(aco);
    EXPECT_EQ(doc.File().TblFileName, aco);
    EXPECT_EQ(ReadAco(Contents(aco), ConversionConditions{}).lines,
              QStringList({"#000000 C0", "#000001 C1", "#FF0000 Red"}));
    EXPECT_TRUE(doc.SaveNeedsName());

    // A .cgd name is refused (colour guides are only read): nothing is
    // written, the caption stays.
    const QString caption = doc.Caption();
    EXPECT_THROW(doc.TblFileSaveAs(dir.filePath("x.cgd")), FileError);
    EXPECT_FALSE(QFile::exists(dir.filePath("x.cgd")));
    EXPECT_EQ(doc.Caption(), caption);
    EXPECT_TRUE(doc.SaveNeedsName());
}

TEST_F(Doc, FailedSaveKeepsFlagNameAndFile)
{
    Table(2);
    doc.EditInsert(0);
    EXPECT_THROW(doc.TblFileSaveAs(dir.filePath("no/such/dir/x.tab")), FileError);
    EXPECT_TRUE(doc.TblModified());
    EXPECT_EQ(doc.File().TblFileName, dir.filePath("t.tab"));
    EXPECT_EQ(Contents(dir.filePath("t.tab")), "#000000 C0\r\n#000001 C1\r\n");
}

TEST_F(Doc, NewKeepsFileTitleAndSnapshot)
{
    Table(3);
    doc.EditInsert(0);
    const QStringList undo = doc.UndoList();
    const EditResult r = doc.TblFileNew();
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(doc.Count(), 0);
    EXPECT_TRUE(doc.TblEntries().empty());
    EXPECT_FALSE(doc.TblModified());
    EXPECT_EQ(doc.Title(), "  ■ t 4色");
    EXPECT_EQ(doc.Caption(), "t.tab - Color Table Editor");
    EXPECT_EQ(doc.UndoList(), undo);
    // A plain save now writes the empty table over the previous file.
    doc.TblFileSave();
    EXPECT_EQ(Contents(dir.filePath("t.tab")), "");
}

TEST_F(Doc, UndoIsOneLevelAndRepeatable)
{
    Table(2);
    // Before any snapshot, undo empties the list.
    doc.EditUndo(0);
    EXPECT_EQ(doc.Count(), 0);
    Table(2);
    doc.EditAdd("FF0000", "", "");
    EXPECT_EQ(doc.Title(), "  ■ t 3色");
    EditResult r = doc.EditUndo(2);
    EXPECT_EQ(doc.Count(), 2);
    EXPECT_EQ(r.currentRow, 1);
    EXPECT_EQ(doc.Title(), "  ■ t 2色");
    EXPECT_TRUE(doc.TblModified());  // undo leaves the flag
    doc.EditUndo(0);
    EXPECT_EQ(doc.Count(), 2);
    ExpectEntriesMatchLines();
}

TEST_F(Doc, CopyCutPasteDelete)
{
    Table(6);
    EXPECT_EQ(doc.EditCopy({}), "");
    EXPECT_EQ(doc.EditCopy({4, 1}), "#000001 C1\r\n#000004 C4\r\n");

    EditResult r = doc.EditCut(1, {1, 4});
    EXPECT_EQ(*r.clipboard, "#000001 C1\r\n#000004 C4\r\n");
    EXPECT_EQ(Names(), "C0 C2 C3 C5");
    EXPECT_EQ(r.currentRow, 1);
    EXPECT_EQ(doc.UndoList().size(), 6);
    EXPECT_EQ(doc.Title(), "  ■ t 4色");

    // Only lines beginning with "#" are pasted, in clipboard order, before
    // the current row.
    r = doc.EditPaste("#FF0000 P1\r\nnot a line\r\n\r\n#00FF00 P2\n", 3);
    EXPECT_EQ(Names(), "C0 C2 C3 P1 P2 C5");
    EXPECT_EQ(r.currentRow, 3);
    EXPECT_EQ(r.selectFirst, 3);
    EXPECT_EQ(r.selectLast, 4);
    // Without a current row the lines go to the end.
    doc.EditPaste("#0000FF P3", -1);
    EXPECT_EQ(Names(), "C0 C2 C3 P1 P2 C5 P3");

    r = doc.EditDelete(6, {6, 5});
    EXPECT_EQ(Names(), "C0 C2 C3 P1 P2");
    EXPECT_EQ(r.currentRow, 4);
    ExpectEntriesMatchLines();
}

TEST_F(Doc, OperationsThatCannotRunChangeNothing)
{
    Table(3);
    struct Case {
        const char* what;
        std::function<EditResult()> op;
    };
    const Case cases[] = {
        {"cut without current row", [&] { return doc.EditCut(-1, {0}); }},
        {"cut without selection", [&] { return doc.EditCut(0, {}); }},
        {"delete without current row", [&] { return doc.EditDelete(-1, {1}); }},
        {"paste without # lines", [&] { return doc.EditPaste("a\r\nb", 0); }},
        {"insert without current row", [&] { return doc.EditInsert(-1); }},
        {"move up on the first row", [&] { return doc.MoveUp(0); }},
        {"move down on the last row", [&] { return doc.MoveDown(2); }},
        {"drop without selection", [&] { return doc.DragDrop(0, {}, 50, 20, 0); }},
    };
    for (const auto& c : cases) {
        const EditResult r = c.op();
        EXPECT_FALSE(r.changed) << c.what;
        EXPECT_EQ(doc.Count(), 3) << c.what;
        EXPECT_FALSE(doc.TblModified()) << c.what;
        EXPECT_TRUE(doc.UndoList().isEmpty()) << c.what;
    }
}

TEST_F(Doc, InsertReplaceAdd)
{
    Table(5);
    EditResult r = doc.EditInsert(3);
    EXPECT_EQ(doc.Lines()[3], "#FFFFFF 0");
    EXPECT_EQ(doc.Lines()[4], "#000003 C3");
    EXPECT_EQ(r.currentRow, 3);

    r = doc.EditReplace(0, " 2 ", "FF0000", "Red", "");
    EXPECT_EQ(doc.Lines()[1], "#FF0000 Red ");
    EXPECT_EQ(r.currentRow, 0) << "the current row stays where it was";
    EXPECT_EQ(doc.EntryAt(1).Name, "Red");

    r = doc.EditAdd("00FF00", "CN0042", "a comment");
    EXPECT_EQ(doc.Lines().back(), "#00FF00 CN0007 a comment");
    EXPECT_EQ(r.currentRow, 6);
    EXPECT_EQ(doc.Title(), "  ■ t 7色");

    // Insert into an empty table gives its first line.
    doc.TblFileNew();
    r = doc.EditInsert(-1);
    EXPECT_EQ(doc.Lines(), QStringList({"#FFFFFF 0"}));
    EXPECT_EQ(r.currentRow, 0);
}

TEST_F(Doc, ReplaceOutsideTheTableWarnsAndChangesNothing)
{
    Table(3);
    for (const char* no : {"0", "4", "-1", "99999999999"}) {
        const EditResult r = doc.EditReplace(1, no, "FF0000", "x", "");
        EXPECT_FALSE(r.changed) << no;
        EXPECT_FALSE(r.warning.isEmpty()) << no;
        EXPECT_EQ(r.currentRow, 1);
    }
    EXPECT_EQ(doc.EditReplace(1, "4", "", "", "").warning, "No. 4 は範囲外です。1～3 の番号を指定してください");
    EXPECT_THROW(doc.EditReplace(1, "-", "FF0000", "x", ""), ConvertError);
    EXPECT_THROW(doc.EditReplace(1, "", "FF0000", "x", ""), ConvertError);
    EXPECT_TRUE(doc.UndoList().isEmpty());
    EXPECT_FALSE(doc.TblModified());
}

TEST_F(Doc, MoveUpAndDown)
{
    Table(3);
    EditResult r = doc.MoveUp(2);
    EXPECT_EQ(Names(), "C0 C2 C1");
    EXPECT_EQ(r.currentRow, 1);
    EXPECT_TRUE(doc.TblModified());
    EXPECT_TRUE(doc.UndoList().isEmpty());
    r = doc.MoveDown(0);
    EXPECT_EQ(Names(), "C2 C0 C1");
    EXPECT_EQ(r.currentRow, 1);
}

TEST(DropIndex, RoundsHalvesToEvenAndStaysBelowTheFirstRow)
{
    struct Case {
        int y, top, remaining, index;
    };
    const Case cases[] = {
        {0, 0, 10, 1},  {10, 0, 10, 1}, {30, 0, 10, 1}, {31, 0, 10, 1},   {45, 0, 10, 1},  {50, 0, 10, 1},
        {51, 0, 10, 2}, {70, 0, 10, 3}, {90, 5, 10, 8}, {400, 5, 10, 10}, {-40, 0, 10, 1}, {100, 0, 0, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(DropIndex(c.y, 20, c.top, c.remaining), c.index) << c.y << " " << c.top;
}

TEST_F(Doc, DragDropMovesTheSelection)
{
    Table(6);
    const EditResult r = doc.DragDrop(0, {0, 1}, 70, 20, 0);
    // y 70 → 3.5 → 4; + top 0 - 1 = 3 of the four remaining lines.
    EXPECT_EQ(Names(), "C2 C3 C4 C0 C1 C5");
    EXPECT_EQ(r.currentRow, 3);
    EXPECT_EQ(r.selectFirst, 3);
    EXPECT_EQ(r.selectLast, 4);
    EXPECT_EQ(r.topRow, 0);
    EXPECT_EQ(doc.UndoList().size(), 6);
    // Near the top the rows land after the first remaining row.
    doc.DragDrop(5, {5}, 0, 20, 0);
    EXPECT_EQ(Names(), "C2 C5 C3 C4 C0 C1");
    ExpectEntriesMatchLines();
}

TEST_F(Doc, SortRewritesLinesInTheProgramsForm)
{
    doc.TblFileRead(Write("s.tab", "#ff8000 Orange\r\n"), ConversionConditions{});
    const EditResult r = doc.SortTable(SortMode::RGBU, 0);
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(doc.Lines(), QStringList({"#FF8000 Orange"}));
    EXPECT_EQ(doc.UndoList(), QStringList({"#ff8000 Orange"}));
    EXPECT_TRUE(doc.TblModified());

    doc.TblFileRead(Write("s.tab", "#0000FF b  two  blanks\r\n#FF0000,r,c\r\n#00FF00 g\r\n"), ConversionConditions{});
    doc.SortTable(SortMode::RGBD, 2);
    EXPECT_EQ(doc.Lines(), QStringList({"#FF0000 r c", "#00FF00 g", "#0000FF b  two  blanks"}));
    doc.EditUndo(0);
    EXPECT_EQ(doc.Lines()[0], "#0000FF b  two  blanks");
    // An empty table is not sorted.
    doc.TblFileNew();
    EXPECT_FALSE(doc.SortTable(SortMode::HU, -1).changed);
}

TEST_F(Doc, SwatchNamesWithBlanksSurviveEditingAndSaving)
{
    doc.TblFileRead(Write("s.aco", WriteAco({MakeEntry(0xFF, "RGB Red"), MakeEntry(0xFF00, "RGB Green")})),
                    ConversionConditions{});
    doc.EditAdd("0000FF", "Blue", "");
    doc.SortTable(SortMode::HD, 0);
    doc.MoveUp(1);
    const QString out = dir.filePath("back.aco");
    doc.TblFileSaveAs(out);
    QStringList names;
    for (const auto& e : ReadAco(Contents(out), ConversionConditions{}).entries) names.append(e.Name);
    names.sort();
    EXPECT_EQ(names, QStringList({"Blue", "RGB Green", "RGB Red"}));
}

TEST_F(Doc, LogToTab)
{
    Table(2);
    const QString log = Write("c.log", "RGB=#FF8000 CMYK=0,127,255,0\r\nRGB=#336699\r\n");
    const EditResult r = doc.LogToTab(log);
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(r.currentRow, -1) << "no row current, as after opening";
    EXPECT_EQ(doc.Lines(), QStringList({"#FF8000 CN0000 CMYK=0,127,255,0", "#336699 CN0001 "}));
    EXPECT_EQ(doc.EntryAt(0).Comment, "CMYK=0,127,255,0");
    EXPECT_EQ(doc.EntryAt(1).Comment, "");
    EXPECT_EQ(doc.Title(), "  ■ t 2色");
    EXPECT_TRUE(doc.TblModified()) << "the converted table is not in any file yet";
    EXPECT_TRUE(doc.UndoList().isEmpty());
    EXPECT_EQ(doc.File().TblFileName, dir.filePath("t.tab"));

    // An empty log shows the count 0 and leaves the table.
    EXPECT_FALSE(doc.LogToTab(Write("e.log", "")).changed);
    EXPECT_EQ(doc.Title(), "  ■ t 0色");
    EXPECT_EQ(doc.Count(), 2);
    EXPECT_THROW(doc.LogToTab(dir.filePath("missing.log")), FileError);
}

TEST_F(Doc, LongLogsAndTablesGrow)
{
    QByteArray log;
    for (int i = 0; i < 5000; ++i) log += "RGB=#000000 HSV=0,0,0\r\n";
    doc.LogToTab(Write("long.log", log));
    ASSERT_EQ(doc.Count(), 5000);
    EXPECT_EQ(doc.EntryAt(999).Name, "CN0999");
    EXPECT_EQ(doc.EntryAt(1000).Name, "CN01000");
    EXPECT_EQ(doc.EntryAt(4999).Name, "CN04999");
    doc.EditAdd("FFFFFF", "", "");
    EXPECT_EQ(doc.EntryAt(5000).Name, "CN05001");
}

}  // namespace
