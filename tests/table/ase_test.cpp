// Swatch exchange files (.ase): a file built here by hand with groups and
// the four colour models, what the program writes read back, and files
// that lie about their lengths.
#include <gtest/gtest.h>

#include <QtEndian>
#include <cstring>

#include "colour/errors.h"
#include "table/ase.h"

using namespace qolvar;
using namespace qolvar::table;

namespace {

// A file assembled field by field, big-endian, as the format describes it.
struct AseBuilder {
    QByteArray bytes;

    AseBuilder& U16(unsigned v)
    {
        bytes.append(char(v >> 8)).append(char(v));
        return *this;
    }
    AseBuilder& U32(std::uint32_t v) { return U16(v >> 16).U16(v & 0xFFFF); }
    AseBuilder& F32(float f)
    {
        std::uint32_t v;
        std::memcpy(&v, &f, 4);
        return U32(v);
    }
    AseBuilder& Name(const char16_t* name)
    {
        const auto n = std::char_traits<char16_t>::length(name);
        U16(unsigned(n + 1));
        for (std::size_t i = 0; i < n; ++i) U16(name[i]);
        return U16(0);
    }
    // A block whose body is given by another builder.
    AseBuilder& Block(unsigned type, const AseBuilder& body)
    {
        U16(type).U32(std::uint32_t(body.bytes.size()));
        bytes.append(body.bytes);
        return *this;
    }
};

AseBuilder Colour(const char16_t* name, const char* model, std::initializer_list<float> values, unsigned type)
{
    AseBuilder b;
    b.Name(name);
    b.bytes.append(model, 4);
    for (float v : values) b.F32(v);
    return b.U16(type);
}

AseBuilder Header(std::uint32_t blocks)
{
    AseBuilder b;
    b.bytes = "ASEF";
    return b.U16(1).U16(0).U32(blocks);
}

// Values worked by hand: 0.5 × 255 = 127.5 rounds to 128; CMYK (0, 1, 1, 0)
// is (255, 0, 0); L* 100 under D50 is white and L* 50 neutral is sRGB
// 118.9 → 119 (0x77) after the adaptation to D65; gray 0.5 is 128.
TEST(AseRead, HandMadeFileWithGroupsAndTheFourModels)
{
    AseBuilder f = Header(8);
    f.Block(0xC001, AseBuilder().Name(u"Brand"))
        .Block(0x0001, Colour(u"Orange", "RGB ", {1, 0.5f, 0}, 1))
        .Block(0x0001, Colour(u"Red ink", "CMYK", {0, 1, 1, 0}, 2))
        .Block(0x0001, Colour(u"灰色", "LAB ", {0.5f, 0, 0}, 2))
        .Block(0xC002, AseBuilder())
        .Block(0x0001, Colour(u"White", "LAB ", {1, 0, 0}, 0))
        .Block(0x0001, Colour(u"Mid", "Gray", {0.5f}, 2))
        .Block(0x0042, AseBuilder().U32(7));  // a block of another kind is passed over
    const TableData t = ReadAse(f.bytes, QStringLiteral("hand.ase"));
    const QStringList lines{"#FF8000 Orange Brand [spot]", "#FF0000 \"Red ink\"", "#777777 灰色 Brand",
                            "#FFFFFF White [global]", "#808080 Mid"};
    EXPECT_EQ(t.lines, lines);
    ASSERT_EQ(t.entries.size(), 5u);
    EXPECT_EQ(t.entries[1].Name, "Red ink");
    EXPECT_EQ(t.entries[2].Comment, "Brand");
}

TEST(AseWrite, WrittenFilesReadBackWithEveryNameAndColour)
{
    const std::vector<TColorTabel> entries{MakeEntry(0x0080FF, "Sky blue"), MakeEntry(0x123456, "紺"),
                                           MakeEntry(0xFFFFFF, ""), MakeEntry(0x000001, "a,b")};
    const QByteArray bytes = WriteAse(entries, QStringLiteral("palette"));
    const TableData t = ReadAse(bytes);
    ASSERT_EQ(t.entries.size(), entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(t.entries[i].Color, entries[i].Color) << i;
        EXPECT_EQ(t.entries[i].Name, entries[i].Name) << i;
    }
    // One group named after the file around the colours.
    EXPECT_EQ(bytes.left(12), QByteArray("ASEF\0\1\0\0\0\0\0\6", 12));
    EXPECT_EQ(bytes.mid(12, 2), QByteArray("\xC0\x01", 2));
    EXPECT_EQ(bytes.right(6), QByteArray("\xC0\x02\0\0\0\0", 6));
}

TEST(AseRead, FilesThatLieAreRefused)
{
    const AseBuilder orange = Colour(u"Orange", "RGB ", {1, 0.5f, 0}, 2);
    AseBuilder cut = Header(1).Block(0x0001, orange);
    cut.bytes.chop(3);
    AseBuilder longBlock = Header(1);
    longBlock.U16(0x0001).U32(std::uint32_t(orange.bytes.size() + 1)).bytes.append(orange.bytes);
    AseBuilder longName = Header(1);
    AseBuilder name;
    name.U16(400).U16('A').bytes.append("RGB ");
    longName.Block(0x0001, name);
    AseBuilder shortColour = Header(1).Block(0x0001, AseBuilder().Name(u"x").U32(0x52474220).F32(1));
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"not ASE", "GIMP Palette\n1 2 3\n"},
        {"too short", "ASEF\0\1"},
        {"version 2", Header(0).bytes.replace(4, 2, QByteArray("\0\2", 2))},
        {"more blocks announced", Header(2).Block(0x0001, orange).bytes},
        {"cut inside a block", cut.bytes},
        {"block longer than the file", longBlock.bytes},
        {"name longer than its block", longName.bytes},
        {"values beyond the block", shortColour.bytes},
        {"unknown model", Header(1).Block(0x0001, Colour(u"x", "HSB ", {1, 1, 1}, 2)).bytes},
    };
    for (const auto& c : cases) {
        try {
            ReadAse(c.bytes, QStringLiteral("bad.ase"));
            ADD_FAILURE() << c.what << " was read";
        } catch (const FileError& e) {
            EXPECT_NE(std::string(e.what()).find("bad.ase"), std::string::npos) << c.what << ": " << e.what();
        }
    }
}

}  // namespace
