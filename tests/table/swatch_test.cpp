// Photoshop swatches (.aco) and colour guides (.cgd).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "colour/cie.h"
#include "colour/errors.h"
#include "table/swatch.h"
#include "table/tablefile.h"

using namespace qolvar;
using namespace qolvar::table;

namespace {

// Builds swatch bytes word by word.
struct Bytes {
    QByteArray b;
    Bytes& w(unsigned v)
    {
        b.append(char(v >> 8)).append(char(v));
        return *this;
    }
    Bytes& l(unsigned v) { return w(v >> 16).w(v & 0xFFFF); }
    Bytes& units(const QString& s)
    {
        for (QChar c : s) w(c.unicode());
        return *this;
    }
    // A version 2 record with its name and terminator.
    Bytes& v2(unsigned space, unsigned a, unsigned b2, unsigned c, unsigned d, const QString& name)
    {
        w(space).w(a).w(b2).w(c).w(d).l(unsigned(name.size()) + 1).units(name).w(0);
        return *this;
    }
    Bytes& raw(const QByteArray& x)
    {
        b += x;
        return *this;
    }
};

QString Hex(const TColorTabel& e) { return QString::fromLatin1(CodeToHex(static_cast<RGBCode>(e.Code))); }

TEST(AcoWrite, ByteExact)
{
    EXPECT_EQ(WriteAco({}), QByteArray("\x00\x02\x00\x00", 4));
    const QByteArray red = WriteAco({MakeEntry(CodeToColor(0xFF8000), "Red")});
    EXPECT_EQ(red, Bytes{}.w(2).w(1).w(0).w(0xFFFF).w(0x8080).w(0).w(0).l(4).w('R').w('e').w('d').w(0).b);
    // Names are UTF-16, surrogate pairs included, longer than 254 units too.
    const QString name = QString::fromUtf16(u"チェリー😀") + QString(300, u'x');
    const TableData back = ReadAco(WriteAco({MakeEntry(0x123456, name, "dropped")}), ConversionConditions{});
    ASSERT_EQ(back.entries.size(), 1u);
    EXPECT_EQ(back.entries[0].Name, name);
    EXPECT_EQ(back.entries[0].Comment, "");
    EXPECT_EQ(back.entries[0].Color, 0x123456u);
    EXPECT_TRUE(back.warning.isEmpty());
    EXPECT_THROW(WriteAco(std::vector<TColorTabel>(65536)), RangeError);
}

TEST(AcoRead, VersionsAndColourSpaces)
{
    // Version 2: RGB uses the high byte of each word; Lab 5000, -200, 0; a
    // CMYK record between RGB records keeps its name and its colour.
    const Bytes v2 = Bytes{}
                         .w(2)
                         .w(4)
                         .v2(0, 0x80FF, 0x0000, 0xFFFF, 0, "first")
                         .v2(2, 65535, 0, 0, 65535, "CMYK Red")
                         .v2(7, 5000, 0xFF38, 0x0000, 0, "Lab")
                         .v2(9, 1, 2, 3, 4, "unknown");
    const TableData t = ReadAco(v2.b, ConversionConditions{});
    ASSERT_EQ(t.entries.size(), 4u);
    EXPECT_EQ(Hex(t.entries[0]), "8000FF");
    EXPECT_EQ(Hex(t.entries[1]), "FF0000");
    TColorVec lab{50.0f, -2.0f, 0.0f};
    EXPECT_EQ(static_cast<RGBCode>(t.entries[2].Code), LabToRGB(lab, ConversionConditions{}));
    // L*a*b* is read under the gamma and white it is given (qolvar-cli
    // convert/reverse lab give these codes).
    for (const auto& [gamma, white, code] :
         {std::tuple{2.2f, WhiteD65, 0x737776u}, std::tuple{1.8f, WhiteC, 0x636369u}}) {
        ConversionConditions c;
        c.gamma = gamma;
        c.white = white;
        EXPECT_EQ(static_cast<RGBCode>(ReadAco(v2.b, c).entries[2].Code), code) << gamma;
    }
    EXPECT_EQ(t.entries[3].Code, 0);
    EXPECT_EQ(t.entries[3].Name, "unknown");
    EXPECT_EQ(t.lines, QStringList({"#8000FF first", "#FF0000 \"CMYK Red\"", t.lines[2], "#000000 unknown"}));
    EXPECT_TRUE(t.warning.isEmpty());

    // Version 0: one-byte length and CP932 bytes.
    const Bytes v0 = Bytes{}.w(0).w(1).w(0).w(0x1100).w(0x2200).w(0x3300).w(0).raw("\x04\x83\x4A\x83\x89");
    const TableData t0 = ReadAco(v0.b, ConversionConditions{});
    ASSERT_EQ(t0.entries.size(), 1u);
    EXPECT_EQ(t0.entries[0].Name, QString::fromUtf16(u"カラ"));
    EXPECT_EQ(Hex(t0.entries[0]), "112233");
}

TEST(AcoRead, Version1FollowedByVersion2)
{
    const Bytes v1 = Bytes{}.w(1).w(1).w(0).w(0x1111).w(0x2222).w(0x3333).w(0);
    // Alone: the version 1 colours without names.
    EXPECT_EQ(ReadAco(v1.b, ConversionConditions{}).lines, QStringList({"#112233 "}));
    // With a version 2 section: its records and names.
    Bytes both = v1;
    both.w(2).w(1).v2(0, 0x4444, 0x5555, 0x6666, 0, "named").raw("8BIMphry trailing block");
    const TableData t = ReadAco(both.b, ConversionConditions{});
    EXPECT_EQ(t.lines, QStringList({"#445566 named"}));
    EXPECT_TRUE(t.warning.isEmpty());
    // A version 2 section cut anywhere gives way to the complete version 1
    // colours, without names, and says so.
    for (qsizetype cut = v1.b.size() + 2; cut < both.b.size() - 23; ++cut) {
        const TableData t = ReadAco(both.b.left(cut), ConversionConditions{}, "x%1y.aco");
        EXPECT_EQ(t.lines, QStringList({"#112233 "})) << cut;
        EXPECT_EQ(t.warning, "ファイル x%1y.aco の色名の部分は途中で終わっています（1 色を名前なしで読み込みました）");
    }
    // Bytes after the version 1 section that are no version 2 header are ignored.
    Bytes junk = v1;
    junk.raw("8BIM and more bytes");
    EXPECT_EQ(ReadAco(junk.b, ConversionConditions{}).lines, QStringList({"#112233 "}));
}

TEST(AcoRead, NameLengthAndTerminator)
{
    // A name without a terminator is read whole; a zero-length name is
    // empty and takes no bytes; the next record is read from its place.
    const Bytes b = Bytes{}.w(2).w(3).w(0).w(0).w(0).w(0).w(0).l(4).units("Void").w(0).w(0xFFFF).w(0).w(0).w(0).l(0).v2(
        0, 0, 0xFFFF, 0, 0, "Green");
    EXPECT_EQ(ReadAco(b.b, ConversionConditions{}).lines, QStringList({"#000000 Void", "#FF0000 ", "#00FF00 Green"}));
}

TEST(AcoRead, TruncatedFilesGiveTheCompleteRecordsAndSaySo)
{
    const Bytes full =
        Bytes{}.w(2).w(3).v2(0, 0xFF00, 0, 0, 0, "a").v2(0, 0, 0xFF00, 0, 0, "b").v2(0, 0, 0, 0xFF00, 0, "c");
    for (qsizetype cut = 4; cut < full.b.size(); ++cut) {
        // A "%2" in the name stays as it is (the counts go in with it).
        const TableData t = ReadAco(full.b.left(cut), ConversionConditions{}, "x%2.aco");
        const qsizetype record = 10 + 4 + 2 * 2;  // one name unit and the terminator
        const long long complete = (cut - 4) / record;
        ASSERT_EQ(static_cast<long long>(t.entries.size()), complete) << cut;
        EXPECT_EQ(t.warning, QStringLiteral("ファイル x%2.aco は途中で終わっています（3 色のうち ") +
                                 QString::number(complete) + QStringLiteral(" 色を読み込みました）"));
    }
    // A count far beyond the data and a name length past the end.
    EXPECT_EQ(ReadAco(Bytes{}.w(2).w(65535).b, ConversionConditions{}).entries.size(), 0u);
    EXPECT_EQ(ReadAco(Bytes{}.w(2).w(1).w(0).w(0).w(0).w(0).w(0).l(0xFFFFFFFF).w(65).b, ConversionConditions{})
                  .entries.size(),
              0u);
}

TEST(AcoRead, NoSwatchAtAll)
{
    EXPECT_THROW(ReadAco(QByteArray(), ConversionConditions{}), FileError);
    EXPECT_THROW(ReadAco(QByteArray("\x00\x02\x00", 3), ConversionConditions{}), FileError);
    EXPECT_THROW(ReadAco(Bytes{}.w(3).w(0).b, ConversionConditions{}), FileError);
}

TEST(AcoRead, LineBreaksInNamesBecomeBlanks)
{
    const TableData t = ReadAco(Bytes{}.w(2).w(1).v2(0, 0, 0, 0, 0, "two\r\nlines").b, ConversionConditions{});
    EXPECT_EQ(t.lines, QStringList({"#000000 \"two lines\""}));
    EXPECT_EQ(t.entries[0].Name, "two lines");
}

// The real files made by other software, with what their provenance notes
// state about them.
class RealSwatches : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QDir(QOLVAR_SWATCH_DIR).exists()) GTEST_SKIP() << "no sample swatches at " << QOLVAR_SWATCH_DIR;
    }
    static TableData Read(const char* name)
    {
        return ReadTableFile(QStringLiteral(QOLVAR_SWATCH_DIR "/") + name, ConversionConditions{});
    }
    static QStringList Hexes(const TableData& t)
    {
        QStringList h;
        for (const auto& e : t.entries) h.append(Hex(e));
        return h;
    }
    static QStringList Names(const TableData& t)
    {
        QStringList n;
        for (const auto& e : t.entries) n.append(e.Name);
        return n;
    }
};

TEST_F(RealSwatches, PhotoshopRgbCmykHsb)
{
    const QStringList primaries{"FF0000", "FFFF00", "00FF00", "00FFFF", "0000FF", "FF00FF"};
    const TableData rgb = Read("ps2022-rgb.aco");
    EXPECT_EQ(Hexes(rgb), primaries);
    EXPECT_EQ(Names(rgb), QStringList({"RGB Red", "RGB Yellow", "RGB Green", "RGB Cyan", "RGB Blue", "RGB Magenta"}));
    const TableData cmyk = Read("ps2022-cmyk.aco");
    EXPECT_EQ(Hexes(cmyk), primaries);
    EXPECT_EQ(cmyk.entries[0].Name, "CMYK Red");
    const TableData hsb = Read("ps2022-hsb-utf.aco");
    EXPECT_EQ(Hexes(hsb), QStringList({"E3E14D", "AF0E40", "FFFFFF"}));
    EXPECT_EQ(Names(hsb),
              QStringList({QString::fromUtf16(u"Zażółć gęślą jaźń"), QString::fromUtf16(u"チェリー"), "a"}));
    for (const auto* t : {&rgb, &cmyk, &hsb}) EXPECT_TRUE(t->warning.isEmpty());
    // Cut two bytes into its version 2 section: the six colours of the
    // complete version 1 section before it.
    QFile file(QStringLiteral(QOLVAR_SWATCH_DIR "/ps2022-cmyk.aco"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const TableData cut = ReadAco(file.read(66), ConversionConditions{}, "cut.aco");
    EXPECT_EQ(Hexes(cut), primaries);
    EXPECT_FALSE(cut.warning.isEmpty());
}

TEST_F(RealSwatches, PhotoshopGrayscale)
{
    const TableData t = Read("ps2022-grayscale.aco");
    ASSERT_EQ(t.entries.size(), 20u);
    EXPECT_EQ(t.entries.front().Name, "White");
    EXPECT_EQ(Hex(t.entries.front()), "FFFFFF");
    EXPECT_EQ(t.entries[1].Name, "10% Gray");
    EXPECT_EQ(Hex(t.entries[1]), "E6E6E6");
    EXPECT_EQ(t.entries.back().Name, "Black");
    EXPECT_EQ(Hex(t.entries.back()), "000000");
}

TEST_F(RealSwatches, OtherWriters)
{
    EXPECT_EQ(Hexes(Read("zeldman-v1.aco")), QStringList({"553300", "AABB88", "CCCC99", "CCDDAA", "DDDDBB", "EEEEDD"}));
    const TableData arne = Read("arne-v20-16.aco");
    ASSERT_EQ(arne.entries.size(), 16u);
    EXPECT_EQ(arne.entries[0].Name, "Void");
    EXPECT_EQ(arne.entries[1].Name, "Ash");
    EXPECT_EQ(Hex(arne.entries[1]), "9D9D9D");

    const TableData lab = Read("aseprite-lab-v1.aco");
    ASSERT_EQ(lab.entries.size(), 14u);
    TColorVec second{50.16f, 61.0f, 38.0f};
    EXPECT_EQ(static_cast<RGBCode>(lab.entries[2].Code), LabToRGB(second, ConversionConditions{}));

    const TableData emoji = Read("anypalette-emoji.aco");
    ASSERT_EQ(emoji.entries.size(), 1816u);
    EXPECT_EQ(emoji.entries[0].Name, QString::fromUtf16(u"😀"));
    EXPECT_TRUE(emoji.warning.isEmpty());
}

TEST_F(RealSwatches, WrittenFilesReadBackTheSame)
{
    for (const char* name : {"ps2022-hsb-utf.aco", "arne-v20-16.aco", "anypalette-emoji.aco"}) {
        const TableData t = Read(name);
        const TableData back = ReadAco(WriteAco(t.entries), ConversionConditions{});
        EXPECT_EQ(back.lines, t.lines) << name;
        EXPECT_EQ(back.entries, t.entries) << name;
    }
}

// A colour guide image: header, name records, comment records.
QByteArray Cgd(const QByteArray& title, const std::vector<std::tuple<QByteArray, RGBCode, QByteArray>>& colours)
{
    QByteArray b("CT10\0\0", 6);
    b.append(char(colours.size() & 0xFF)).append(char(colours.size() >> 8));
    b += title.left(248);
    b.append(256 - b.size(), '\0');
    for (const auto& [name, code, comment] : colours) {
        QByteArray rec = name.left(32);
        rec.append(32 - rec.size(), '\0');
        const TColor c = CodeToColor(code);
        rec.append(char(c)).append(char(c >> 8)).append(char(c >> 16)).append('\x7F');
        rec.append(92, '\0');
        b += rec;
    }
    for (const auto& [name, code, comment] : colours) {
        QByteArray rec;
        rec.append(char(comment.size() & 0xFF)).append(char(comment.size() >> 8));
        rec += comment.left(510);
        rec.append(512 - rec.size(), '\0');
        b += rec;
    }
    return b;
}

TEST(CgdRead, RecordsTitleAndComments)
{
    const QByteArray bytes = Cgd("DIC \x83\x4A\x83\x89\x81\x5B", {{"DIC-1", 0xFF8000, "line1\nline2\r\nend"},
                                                                  {QByteArray(32, 'N'), 0x123456, ""},
                                                                  {"\x90\xD4", 0x0000FF, "\x82\xA0"}});
    const TableData t = ReadCgd(bytes);
    EXPECT_EQ(t.title, QString::fromUtf16(u"DIC カラー"));
    EXPECT_EQ(t.announced, 3);
    ASSERT_EQ(t.entries.size(), 3u);
    EXPECT_EQ(t.lines[0], "#FF8000 DIC-1 line1 line2  end");
    EXPECT_EQ(t.entries[0].Comment, "line1 line2  end");
    EXPECT_EQ(t.entries[1].Name, QString(32, u'N'));
    EXPECT_EQ(t.lines[1], "#123456 " + QString(32, u'N') + " ");
    EXPECT_EQ(t.lines[2], QString::fromUtf16(u"#0000FF 赤 あ"));
    EXPECT_TRUE(t.warning.isEmpty());
    // A title of 248 bytes without a zero byte is taken whole.
    EXPECT_EQ(ReadCgd(Cgd(QByteArray(248, 'T'), {})).title, QString(248, u'T'));
    // The length field cuts the comment; a zero byte ends it earlier.
    EXPECT_EQ(ReadCgd(Cgd("t", {{"a", 0, QByteArray("abc\0def", 7)}})).entries[0].Comment, "abc");
}

TEST(CgdRead, MarkAndTruncation)
{
    EXPECT_THROW(ReadCgd(QByteArray("CT11") + QByteArray(300, '\0')), FileError);
    EXPECT_THROW(ReadCgd(QByteArray("CT10") + QByteArray(100, '\0')), FileError);
    const QByteArray full = Cgd("t", {{"a", 0xFF0000, "ca"}, {"b", 0x00FF00, "cb"}});
    // Inside the name records: the complete name records, no comments.
    const TableData names = ReadCgd(full.left(256 + 128 + 10), "g.cgd");
    EXPECT_EQ(names.lines, QStringList({"#FF0000 a "}));
    EXPECT_EQ(names.warning, "ファイル g.cgd は途中で終わっています（2 色のうち 1 色を読み込みました）");
    // Inside the comment records: every colour, the comments that are there.
    const TableData comments = ReadCgd(full.left(256 + 2 * 128 + 512 + 3), "g.cgd");
    EXPECT_EQ(comments.lines, QStringList({"#FF0000 a ca", "#00FF00 b "}));
    EXPECT_FALSE(comments.warning.isEmpty());
}

}  // namespace
