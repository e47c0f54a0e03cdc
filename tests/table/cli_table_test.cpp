// qolvar-cli table convert | sort | dump.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "cli_run.h"
#include "table/swatch.h"
#include "table/tablefile.h"

using namespace qolvar;

namespace {

using Result = test::CliResult;

class CliTable : public ::testing::Test {
protected:
    test::JapaneseMessages japanese;  // the messages quoted below
    QTemporaryDir dir;

    Result Run(std::vector<std::string> args)
    {
        args.insert(args.begin(), "table");
        return test::RunCli(std::move(args));
    }
    std::string Path(const char* name) { return dir.filePath(name).toStdString(); }
    std::string Write(const char* name, const QByteArray& bytes)
    {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return Path(name);
    }
    QByteArray Contents(const char* name)
    {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
};

TEST_F(CliTable, DumpConvertAndSort)
{
    const std::string tab = Write("in.tab", "#ff8000 Orange warm\r\n#0000FF Blue\r\n#FF0000 Red\r\n");
    Result r = Run({"dump", tab});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "#ff8000 Orange warm\n#0000FF Blue\n#FF0000 Red\n");

    r = Run({"convert", tab, Path("out.aco")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("コメントのある 1 色"), std::string::npos) << r.err;
    r = Run({"dump", Path("out.aco")});
    EXPECT_EQ(r.out, "#FF8000 Orange\n#0000FF Blue\n#FF0000 Red\n");

    r = Run({"sort", "--by", "rgb", "--desc", tab, Path("sorted.tab")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Contents("sorted.tab"), "#FF8000 Orange warm\r\n#FF0000 Red\r\n#0000FF Blue\r\n");
    r = Run({"sort", "--by=hue", tab, Path("hue.tab")});
    EXPECT_EQ(Contents("hue.tab"), "#FF0000 Red\r\n#FF8000 Orange warm\r\n#0000FF Blue\r\n");
}

TEST_F(CliTable, LogsConvertThroughTheLogConversion)
{
    const std::string log = Write("c.log", "RGB=#FF8000 HSV=30,255,255\r\n");
    ASSERT_EQ(Run({"convert", log, Path("c.tab")}).status, 0);
    EXPECT_EQ(Contents("c.tab"), "#FF8000 CN0000 HSV=30,255,255\r\n");
}

TEST_F(CliTable, FailuresWriteNothing)
{
    const std::string tab = Write("in.tab", "#FF0000 Red\r\n");
    struct Case {
        std::vector<std::string> args;
        int status;
    };
    const Case cases[] = {
        {{"convert", Path("missing.tab"), Path("out.tab")}, 1},
        {{"convert", Write("bad.aco", "\x00\x07\x00\x01"), Path("out.tab")}, 1},
        {{"convert", tab}, 2},
        {{"sort", tab, Path("out.tab")}, 2},
        {{"sort", "--by", "size", tab, Path("out.tab")}, 2},
        {{"frobnicate", tab}, 2},
        {{"dump"}, 2},
    };
    for (const auto& c : cases) {
        const Result r = Run(c.args);
        EXPECT_EQ(r.status, c.status) << c.args[0];
        EXPECT_FALSE(r.err.empty());
        EXPECT_EQ(Contents("out.tab"), "<missing>");
    }
}

TEST_F(CliTable, SwatchExchangeFilesAndUnknownExtensions)
{
    const std::string tab = Write("in.tab", "#FF8000 Orange\r\n#0000FF \"Deep blue\"\r\n");
    Result r = Run({"convert", tab, Path("out.ase")});
    ASSERT_EQ(r.status, 0) << r.err;
    r = Run({"dump", Path("out.ase")});
    EXPECT_EQ(r.out, "#FF8000 Orange out\n#0000FF \"Deep blue\"\n");
    // An extension that names no format is refused, not written as text.
    for (const char* out : {"out.json", "out", "out.log"}) {
        r = Run({"convert", tab, Path(out)});
        EXPECT_EQ(r.status, 2) << out;
        EXPECT_NE(r.err.find("extension"), std::string::npos) << r.err;
        EXPECT_EQ(Contents(out), "<missing>") << out;
    }
}

TEST_F(CliTable, PartialSwatchesWarnButConvert)
{
    QByteArray aco = table::WriteAco({table::MakeEntry(0xFF, "a"), table::MakeEntry(0xFF00, "b")});
    aco.chop(3);
    const Result r = Run({"convert", Write("part.aco", aco), Path("out.tab")});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("2 色のうち 1 色"), std::string::npos) << r.err;
    EXPECT_EQ(Contents("out.tab"), "#FF0000 a\r\n");
}

// The shipped table of CSS named colours holds the source's rows, in order.
TEST(ShippedCssTable, MatchesTheSource)
{
    QFile source(QStringLiteral(QOLVAR_CSS_SOURCE));
    if (!source.open(QIODevice::ReadOnly)) GTEST_SKIP() << "no source at " << QOLVAR_CSS_SOURCE;
    QStringList expected;
    for (const QByteArray& row : source.readAll().split('\n')) {
        const QList<QByteArray> f = row.trimmed().split(',');
        if (f.size() == 3 && f[0] != "name") expected.append(QString::fromUtf8(f[1] + ' ' + f[0]));
    }
    EXPECT_EQ(expected.size(), 148);
    EXPECT_EQ(table::ReadTableFile(QStringLiteral(QOLVAR_CSS_TABLE), ConversionConditions{}).lines, expected);
}

}  // namespace
