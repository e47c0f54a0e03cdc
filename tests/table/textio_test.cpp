// Text decoding, line splitting, reading and writing table files.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "colour/errors.h"
#include "file_limit.h"
#include "table/tablefile.h"
#include "table/textio.h"

using namespace qolvar;
using namespace qolvar::table;

namespace {

TEST(SplitTextLines, AllLineEnds)
{
    struct Case {
        const char* text;
        QStringList lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"\r\n", {""}},
        {"a\n\nb\n", {"a", "", "b"}},
        {"a\r\rb", {"a", "", "b"}},
        {"a\n\r", {"a", ""}},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitTextLines(c.text), c.lines) << c.text;
}

TEST(DecodeLocalText, Utf8ThenCp932)
{
    // UTF-8, with and without a byte-order mark.
    EXPECT_EQ(DecodeLocalText("#FF0000 赤"), QString::fromUtf16(u"#FF0000 赤"));
    EXPECT_EQ(DecodeLocalText("\xEF\xBB\xBF#FF0000 x"), "#FF0000 x");
    // CP932: katakana, a full-width tilde, a circled digit (NEC extension),
    // half-width katakana, and 0x5C as the backslash.
    EXPECT_EQ(DecodeLocalText("#FF0000 \x83\x4A\x83\x89\x81\x5B \x81\x60\x87\x40 \xB1\x5C"),
              QString::fromUtf16(u"#FF0000 カラー ～① ｱ\\"));
    // A byte that is no character in either becomes U+FFFD, the rest stays.
    EXPECT_EQ(DecodeLocalText("\x83\x4A \xA0"), QString::fromUtf16(u"カ \uFFFD"));
}

TEST(TextTable, ReadDerivesEveryLineAndWritesCrLf)
{
    const TableData t = ReadTextTable("#FF0000 Red bright\r\n\r\n#00ff00 Green\n#0000FF");
    ASSERT_EQ(t.lines.size(), 4);
    ASSERT_EQ(t.entries.size(), 4u);
    EXPECT_EQ(t.entries[0].Comment, "bright");
    EXPECT_EQ(t.entries[1], MakeEntry(0));
    EXPECT_EQ(t.lines[2], "#00ff00 Green");
    EXPECT_EQ(t.entries[3].Code, 0x0000FF);
    EXPECT_EQ(EncodeTextTable(t.lines), "#FF0000 Red bright\r\n\r\n#00ff00 Green\r\n#0000FF\r\n");
    EXPECT_EQ(EncodeTextTable({}), "");
}

TEST(TextTable, FileRoundTripAndShiftJisInput)
{
    QTemporaryDir dir;
    const QString sjis = dir.filePath("sjis.tab");
    {
        QFile f(sjis);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#FF0000 \x90\xD4 \x82\xA0\x82\xA9\r\n#0000FF \x90\xC2\r\n");
    }
    const TableData t = ReadTableFile(sjis, ConversionConditions{});
    EXPECT_EQ(t.entries[0].Name, QString::fromUtf16(u"赤"));
    EXPECT_EQ(t.entries[0].Comment, QString::fromUtf16(u"あか"));
    EXPECT_EQ(t.entries[1].Name, QString::fromUtf16(u"青"));

    // Written back as UTF-8, read back the same.
    const QString out = dir.filePath("out.tab");
    WriteTableFile(out, t.lines, t.entries);
    EXPECT_EQ(ReadTableFile(out, ConversionConditions{}).lines, t.lines);
    QFile f(out);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QString::fromUtf16(u"#FF0000 赤 あか\r\n#0000FF 青\r\n").toUtf8());
}

TEST(TextTable, FailuresThrowFileErrorAndLeaveTheOldFile)
{
    QTemporaryDir dir;
    EXPECT_THROW(ReadTableFile(dir.filePath("missing.tab"), ConversionConditions{}), FileError);
    EXPECT_THROW(ReadTableFile(dir.path(), ConversionConditions{}), FileError);
    try {
        ReadTableFile(dir.filePath("missing.tab"), ConversionConditions{});
    } catch (const FileError& e) {
        EXPECT_EQ(QString::fromStdString(e.what()), "ファイル " + dir.filePath("missing.tab") + " は開けません");
    }
    EXPECT_THROW(WriteFileAtomic(dir.filePath("no/such/folder/x.tab"), "x"), FileError);
    // A path that is a folder cannot be replaced; nothing is lost.
    QDir(dir.path()).mkdir("sub.tab");
    EXPECT_THROW(WriteFileAtomic(dir.filePath("sub.tab"), "x"), FileError);
    EXPECT_TRUE(QFileInfo(dir.filePath("sub.tab")).isDir());
}

// A save replaces only a regular file: a FIFO or a device at the path (also
// behind a link) stays what it is and the save fails. A replaced file keeps
// its mode and, where the saving user may give them, its owner and group.
// The windows read no such thing either.
TEST(TextTable, SavesReplaceOnlyRegularFilesAndKeepTheirModeAndOwner)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("pipe.tab"), device = dir.filePath("null.tab");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/null", device));
    for (const QString& special : {fifo, device}) {
        EXPECT_THROW(WriteFileAtomic(special, "x"), FileError) << special.toStdString();
        EXPECT_FALSE(QFileInfo(special).isFile()) << special.toStdString();
        EXPECT_THROW(RequireRegularFile(special), FileError) << special.toStdString();
    }
    EXPECT_TRUE(QFileInfo(device).isSymLink());

    const QString kept = dir.filePath("kept.tab");
    const QByteArray path = QFile::encodeName(kept);
    WriteFileAtomic(kept, "old");
    ASSERT_EQ(::chmod(path.constData(), 0640), 0);
    const bool root = ::geteuid() == 0;
    const uid_t nobody = 65534;
    if (root) {
        ASSERT_EQ(::chown(path.constData(), nobody, nobody), 0);
    }
    WriteFileAtomic(kept, "new");
    struct stat st {};
    ASSERT_EQ(::stat(path.constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(st.st_uid, nobody);
    }
    EXPECT_NO_THROW(RequireRegularFile(kept));
    EXPECT_NO_THROW(RequireRegularFile(dir.filePath("missing.tab")));
}

// A disk that fills up during a save (here: the file size limit) fails the
// save, whatever the size of the file and the format, and the previous file
// keeps its bytes. Small files fail only when Qt's buffer is flushed.
TEST(TextTable, ASaveThatRunsOutOfSpaceFailsAndKeepsTheOldFile)
{
    QTemporaryDir dir;
    struct Case {
        const char* name;
        int entries;  // "#RRGGBB name" lines of 13 bytes, or 26-byte swatch records
    } cases[] = {{"small.tab", 400}, {"large.tab", 4000}, {"small.aco", 200}, {"large.aco", 2000}};
    for (const Case& c : cases) {
        const QString path = dir.filePath(c.name);
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("OLD\r\n");
        old.close();
        QStringList lines;
        for (int i = 0; i < c.entries; ++i) lines << QStringLiteral("#%1 n").arg(i, 6, 10, QLatin1Char('0'));
        const TableData table = ReadTextTable(EncodeTextTable(lines));
        {
            test::FileSizeLimit full(2048);
            EXPECT_THROW(WriteTableFile(path, table.lines, table.entries), FileError) << c.name;
        }
        ASSERT_TRUE(old.open(QIODevice::ReadOnly));
        EXPECT_EQ(old.readAll(), "OLD\r\n") << c.name;
        old.close();
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList(QString::fromLatin1(c.name))) << "no leftovers";
        QFile::remove(path);
    }
}

// Every line costs about 90 bytes once read, so files of more lines than
// MaxTextLines are refused before they are decoded (30 MB of blank lines
// would need 2.7 GB).
TEST(TextTable, TooManyLinesAreRefusedBeforeTheyCostMemory)
{
    const QByteArray atLimit(MaxTextLines, '\n');
    EXPECT_NO_THROW(CheckLineCount(atLimit, "x"));
    EXPECT_NO_THROW(CheckLineCount(QByteArray(MaxTextLines - 1, '\n') + "last", "x"));
    EXPECT_THROW(CheckLineCount(QByteArray(MaxTextLines, '\n') + "last", "x"), FileError);
    EXPECT_THROW(CheckLineCount(QByteArray(MaxTextLines + 1, '\r'), "x"), FileError);
    EXPECT_NO_THROW(CheckLineCount(QByteArray("\r\n").repeated(MaxTextLines), "x"));

    QTemporaryDir dir;
    for (const char* name : {"blank.tab", "blank.log"}) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(MaxTextLines + 1, '\n'));
        f.close();
    }
    try {
        ReadTableFile(dir.filePath("blank.tab"), ConversionConditions{});
        ADD_FAILURE() << "read";
    } catch (const FileError& e) {
        EXPECT_EQ(QString::fromStdString(e.what()),
                  "ファイル " + dir.filePath("blank.tab") + " は行が多すぎて開けません（1000000 行まで）");
    }
    EXPECT_THROW(ReadLogLines(dir.filePath("blank.log")), FileError);
}

// Byte-order marks: one at the start of a file is no text; a line that
// begins with U+FEFF keeps it through writing and reading.
TEST(TextTable, AByteOrderMarkAtTheStartOfALineSurvivesASave)
{
    const QByteArray marks = "\xEF\xBB\xBF\xEF\xBB\xBF#FF0000 x\r\n";
    const TableData read = ReadTextTable(marks);
    ASSERT_EQ(read.lines, QStringList(QString(QChar(0xFEFF)) + "#FF0000 x"));
    EXPECT_EQ(ReadTextTable(EncodeTextTable(read.lines)).lines, read.lines);
    EXPECT_EQ(ReadTextTable("\xEF\xBB\xBF#FF0000 x\r\n").lines, QStringList("#FF0000 x"));
    EXPECT_EQ(EncodeTextTable({"#FF0000 x"}), "#FF0000 x\r\n");
}

}  // namespace
