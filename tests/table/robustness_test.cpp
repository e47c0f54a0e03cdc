// Readers take any bytes: random data, truncations and mutations of valid
// files never crash, hang or read outside the data (the sanitizer build
// checks the last), and whatever they read is a consistent table.
#include <gtest/gtest.h>

#include <random>

#include "colour/errors.h"
#include "table/swatch.h"
#include "table/tablefile.h"

using namespace qolvar;
using namespace qolvar::table;

namespace {

#ifdef QOLVAR_SANITIZED
constexpr int Rounds = 3000;
#else
constexpr int Rounds = 20000;
#endif

QByteArray RandomBytes(std::mt19937& rng, int maxSize)
{
    QByteArray b(static_cast<qsizetype>(rng() % static_cast<unsigned>(maxSize + 1)), '\0');
    for (auto& c : b) c = static_cast<char>(rng());
    return b;
}

void Check(const TableData& t)
{
    ASSERT_EQ(t.entries.size(), static_cast<std::size_t>(t.lines.size()));
    for (const auto& line : t.lines) {
        EXPECT_FALSE(line.contains(u'\r'));
        EXPECT_FALSE(line.contains(u'\n'));
    }
}

// Runs a reader; only FileError may come out of it.
template <class Reader>
void Feed(Reader read, const QByteArray& bytes)
{
    try {
        Check(read(bytes));
    } catch (const FileError&) {
    }
}

const auto Aco = [](const QByteArray& b) { return ReadAco(b, ConversionConditions{}, "f.aco"); };
const auto Cgd = [](const QByteArray& b) { return ReadCgd(b, "f.cgd"); };
const auto Text = [](const QByteArray& b) { return ReadTextTable(b); };

QByteArray ValidAco()
{
    std::vector<TColorTabel> entries;
    for (int i = 0; i < 12; ++i) entries.push_back(MakeEntry(static_cast<TColor>(i * 0x151515), QString(i, u'n')));
    return WriteAco(entries);
}

QByteArray ValidCgd()
{
    QByteArray b("CT10\0\0\x03\0Title", 13);
    b.append(256 - b.size(), '\0');
    for (int i = 0; i < 3; ++i) b += QByteArray("name").leftJustified(32, '\0') + QByteArray(96, char(i + 1));
    for (int i = 0; i < 3; ++i) b += QByteArray("\xFF\x01comment\n\r\x83", 12).leftJustified(512, 'x');
    return b;
}

TEST(Robustness, RandomBytes)
{
    std::mt19937 rng(12345);
    for (int i = 0; i < Rounds; ++i) {
        const QByteArray b = RandomBytes(rng, 2048);
        Feed(Aco, b);
        Feed(Cgd, "CT10" + b);
        Feed(Cgd, b);
        Feed(Text, b);
    }
}

TEST(Robustness, TruncatedAndMutatedFiles)
{
    std::mt19937 rng(777);
    const QByteArray aco = ValidAco(), cgd = ValidCgd();
    for (qsizetype cut = 0; cut <= aco.size(); ++cut) Feed(Aco, aco.left(cut));
    for (qsizetype cut = 0; cut <= cgd.size(); cut += 7) Feed(Cgd, cgd.left(cut));
    for (int i = 0; i < Rounds; ++i) {
        QByteArray a = aco, c = cgd;
        for (int k = 0; k < 4; ++k) {
            a[rng() % a.size()] = static_cast<char>(rng());
            c[rng() % c.size()] = static_cast<char>(rng());
        }
        // The version-1 section header too, so both sections get exercised.
        if (i % 3 == 0) a[1] = 1;
        Feed(Aco, a);
        Feed(Aco, a.left(rng() % (a.size() + 1)));
        Feed(Cgd, c);
        Feed(Text, a);
    }
}

TEST(Robustness, HugeCountsAndLengthsAreBoundedByTheData)
{
    // Count 65535 and a 4-gigaunit name length: nothing read, no allocation
    // of what the header claims.
    const QByteArray aco("\x00\x02\xFF\xFF\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\xFF\xFF\xFF\xFF", 18);
    const TableData t = ReadAco(aco, ConversionConditions{}, "f.aco");
    EXPECT_TRUE(t.entries.empty());
    EXPECT_FALSE(t.warning.isEmpty());
    QByteArray cgd("CT10\0\0\xFF\xFF", 8);
    cgd.append(248, '\0');
    EXPECT_TRUE(ReadCgd(cgd, "f.cgd").entries.empty());
}

}  // namespace
