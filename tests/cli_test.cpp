#include <gtest/gtest.h>

#include <QColorSpace>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/messages.h"
#include "cli_run.h"

using namespace qolvar;

namespace {

using Result = test::CliResult;

// The messages expected below are the Japanese ones.
class Cli : public ::testing::Test {
protected:
    test::JapaneseMessages japanese_;
    Result Run(std::vector<std::string> args, const std::string& input = "")
    {
        return test::RunCli(std::move(args), input);
    }
};

// The exact digits of each model for two colours; these lines are the
// scripting interface, so any change in the arithmetic shows here.
TEST_F(Cli, ConvertPrintsExactValues)
{
    struct Case {
        const char* model;
        const char* expected;
    };
    const Case cases[] = {
        {"xyz",
         "336699 0.118243873 0.124893367 0.325350136 -> 336699\n"
         "FF8000 0.490907967 0.369642705 0.0454976559 -> FF8000\n"},
        {"yxy",
         "336699 0.207997352 0.219694167 12.489337 -> 336699\n"
         "FF8000 0.541812122 0.407972395 36.9642715 -> FF8000\n"},
        {"lab",
         "336699 41.9835014 -0.323981047 -33.7337723 -> 336699\n"
         "FF8000 67.2502136 42.3314857 74.1345367 -> FF8000\n"},
        {"luv",
         "336699 41.9835014 -20.9900742 -48.8869438 -> 336699\n"
         "FF8000 67.2502136 105.186859 61.7906952 -> FF8000\n"},
        {"hsv", "336699 210 170 153 -> 336699\nFF8000 30 255 255 -> FF8000\n"},
        {"hls", "336699 210 102 128 -> 336699\nFF8000 30 128 255 -> FF8001\n"},
        {"cmyk", "336699 102 51 0 102 -> 336699\nFF8000 0 127 255 0 -> FF8000\n"},
        {"yuv", "336699 93 34 -30 -> 336799\nFF8000 151 -85 74 -> FF7F00\n"},
        {"ycbcr", "336699 96 158 102 -> 34679A\nFF8000 146 53 193 -> FF8000\n"},
        {"ypbpr", "336699 96 31 -28 -> 346699\nFF8000 144 -79 71 -> FF8000\n"},
        {"yiq", "336699 93 -47 5 -> 336799\nFF8000 151 117 -13 -> FF8000\n"},
    };
    for (const auto& c : cases) {
        const auto r = Run({"convert", c.model, "336699", "ff8000"});
        EXPECT_EQ(r.status, 0) << c.model;
        EXPECT_EQ(r.out, c.expected) << c.model;
    }
}

TEST_F(Cli, CodesAreReadAsTheHexFieldReadsThem)
{
    const auto r = Run({"convert", "cmyk", "1234567", "#FF0000", "", "fFfFfF", "#F80", "orange", "oranje", "#12345"});
    EXPECT_EQ(r.out,
              "234567 68 34 0 152 -> 234567\n"  // the low 24 bits of 0x1234567
              "FF0000 0 255 255 0 -> FF0000\n"  // CSS notation
              "000000 0 0 0 255 -> 000000\n"    // empty text is 0
              "FFFFFF 0 0 0 0 -> FFFFFF\n"
              "FF8800 0 119 255 0 -> FF8800\n"  // CSS shorthand
              "FFA500 0 90 255 0 -> FFA500\n"   // a CSS named colour
              "oranje error: 16 進数の色コードではありません\n"
              "#12345 error: 16 進数の色コードではありません\n");
    EXPECT_EQ(r.status, 1);
}

TEST_F(Cli, BatchModeReadsOneCodePerLine)
{
    const auto lf = Run({"convert", "hsv"}, "FF0000\n336699\n");
    EXPECT_EQ(lf.out, "FF0000 0 255 255 -> FF0000\n336699 210 170 153 -> 336699\n");
    const auto crlf = Run({"convert", "hsv"}, "FF0000\r\n336699");  // no final newline
    EXPECT_EQ(crlf.out, lf.out);
    const auto empty = Run({"convert", "hsv"}, "");
    EXPECT_EQ(empty.out, "");
    EXPECT_EQ(empty.status, 0);
    // Blank lines are skipped, not read as black.
    const auto blank = Run({"convert", "hsv"}, "FF0000\n\n \r\n336699\n\n");
    EXPECT_EQ(blank.out, lf.out);
    EXPECT_EQ(blank.status, 0);
    // A line longer than any code is refused unread; the next line is read.
    const std::string huge(100'000, 'x');
    for (const std::string& input : {"FF0000\n" + huge + "\n336699\n", "FF0000\n" + huge + huge + "\r\n336699"}) {
        const auto r = Run({"convert", "hsv"}, input);
        EXPECT_EQ(r.out, "FF0000 0 255 255 -> FF0000\n'" + std::string(40, 'x') +
                             "...' error: 行が長すぎます（65536 バイトまで）\n336699 210 170 153 -> 336699\n");
        EXPECT_EQ(r.status, 1);
    }
}

TEST_F(Cli, BatchModeHandlesLinesAcrossBufferBoundaries)
{
    std::string input, expected;
    for (int i = 0; i < 30000; ++i) {
        const RGBCode code = static_cast<RGBCode>(i * 557) & 0xFFFFFF;
        input += CodeToHex(code) + (i % 3 ? "\n" : "\r\n");
        const CMYKCode k = RGBToCMYK(code);
        expected += CodeToHex(code) + ' ' + std::to_string(k >> 24) + ' ' + std::to_string((k >> 16) & 0xFF) + ' ' +
                    std::to_string((k >> 8) & 0xFF) + ' ' + std::to_string(k & 0xFF) + " -> " + CodeToHex(code) + '\n';
    }
    const auto r = Run({"convert", "cmyk"}, input);
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out == expected) << "batch output differs";
}

TEST_F(Cli, GammaAndWhiteOptions)
{
    EXPECT_EQ(Run({"convert", "xyz", "--gamma", "1.0", "808080"}).out,
              Run({"convert", "xyz", "--gamma=1", "808080"}).out);
    EXPECT_NE(Run({"convert", "xyz", "--gamma", "1.0", "808080"}).out, Run({"convert", "xyz", "808080"}).out);
    const auto a = Run({"convert", "lab", "--white", "a", "FF8000"});
    EXPECT_NE(a.out, Run({"convert", "lab", "FF8000"}).out);
    EXPECT_EQ(a.out.substr(a.out.size() - 10), "-> FF8000\n");
    EXPECT_EQ(Run({"convert", "lab", "--white", "d65", "FF8000"}).out, Run({"convert", "lab", "FF8000"}).out);
}

TEST_F(Cli, ReverseConvertsTypedValues)
{
    struct Case {
        std::vector<std::string> args;
        const char* out;
    };
    const Case cases[] = {
        {{"reverse", "lab", "50", "-2", "0"}, "737776\n"},
        {{"reverse", "lab", "--", "53.2382011", "80.0923996", "67.2018204"}, "FF0000\n"},
        {{"reverse", "xyz", "2", "2", "2"}, "FFFFFF\n"},
        {{"reverse", "yxy", "0.312713146", "0.329015881", "100"}, "FFFFFF\n"},
        {{"reverse", "luv", "0", "5", "5"}, "000000\n"},
        {{"reverse", "hsv", "210", "170", "153"}, "336699\n"},
        {{"reverse", "hsv", "400", "10", "255"}, "000000\n"},
        {{"reverse", "hls", "0", "128", "255"}, "FF0101\n"},
        {{"reverse", "cmyk", "200", "0", "0", "100"}, "009B9B\n"},
        {{"reverse", "yuv", "93", "34", "-30"}, "336799\n"},
        {{"reverse", "ycbcr", "96", "158", "102"}, "34679A\n"},
        {{"reverse", "ypbpr", "179", "-98", "-114"}, "00FF00\n"},
        {{"reverse", "yiq", "151", "117", "-13"}, "FF8000\n"},
    };
    for (const auto& c : cases) {
        const auto r = Run(c.args);
        EXPECT_EQ(r.status, 0) << c.args[1] << ": " << r.err;
        EXPECT_EQ(r.out, c.out) << c.args[1];
    }
}

// OKLab and OKLCh: four decimals (hue two); the colour after the arrow is
// that of the printed values, which for cyan is one step off in red. A
// colour outside sRGB is clamped with a note on standard error.
TEST_F(Cli, OkLabAndOkLCh)
{
    struct Case {
        std::vector<std::string> args;
        const char* out;
        bool note;
    };
    const Case cases[] = {
        {{"convert", "oklab", "FF8000", "808080", "00FFFF"},
         "FF8000 0.7319 0.1119 0.1484 -> FF8000\n808080 0.5999 0.0000 0.0000 -> 808080\n"
         "00FFFF 0.9054 -0.1494 -0.0394 -> 01FFFF\n",
         false},
        {{"convert", "oklch", "FF8000", "000000"},
         "FF8000 0.7319 0.1858 52.98 -> FF8000\n000000 0.0000 0.0000 0.00 -> 000000\n",
         false},
        {{"reverse", "oklch", "0.6280", "0.2577", "29.23"}, "FF0000\n", false},
        {{"reverse", "oklab", "--", "0.4520", "-0.0325", "-0.3115"}, "0000FF\n", false},
        {{"reverse", "oklch", "0.5", "0.4", "30"}, "FD0000\n", true},
    };
    for (const auto& c : cases) {
        const auto r = Run(c.args);
        EXPECT_EQ(r.status, 0) << c.args[1] << ": " << r.err;
        EXPECT_EQ(r.out, c.out) << c.args[1];
        EXPECT_EQ(r.err.find("clamped") != std::string::npos, c.note) << r.err;
    }
    EXPECT_EQ(Run({"reverse", "oklab", "1", "0"}).status, 2);
    EXPECT_EQ(Run({"reverse", "oklab", "1", "x", "0"}).status, 2);
    EXPECT_EQ(Run({"reverse", "oklab", "1e300", "0", "0"}).status, 1);
}

// ycbcr and ypbpr by a standard. The bars are the published 10-bit BT.709
// table; BT.601 full-range blue: Y = 255·0.114 = 29.07, Cb = 128 + 255·0.5
// = 255.5 clamped to 255 (noted), Cr = 128 − 255·0.114/1.402 = 107.27.
TEST_F(Cli, VideoStandards)
{
    struct Case {
        std::vector<std::string> args;
        const char* out;
        bool note;
    };
    const Case cases[] = {
        {{"convert", "ycbcr", "--matrix", "bt709", "--bits", "10", "FFFFFF", "000000"},
         "FFFFFF 940 512 512 -> FFFFFF\n000000 64 512 512 -> 000000\n",
         false},
        {{"convert", "ycbcr", "--range=full", "0000FF"}, "0000FF 29 255 107 -> 0000FE\n", true},
        {{"convert", "ypbpr", "--matrix", "bt709", "FF0000"}, "FF0000 0.213 -0.115 0.500 -> FF0000\n", false},
        {{"reverse", "ycbcr", "--matrix", "bt709", "--bits", "10", "940", "512", "512"}, "FFFFFF\n", false},
        {{"reverse", "ycbcr", "--matrix", "bt709", "--bits", "10", "1023", "512", "512"}, "FFFFFF\n", true},
        {{"bars", "--matrix", "bt709", "--bits", "10"},
         "75%  white    721  512  512\n75%  yellow   674  176  543\n75%  cyan     581  589  176\n"
         "75%  green    534  253  207\n75%  magenta  251  771  817\n75%  red      204  435  848\n"
         "75%  blue     111  848  481\n75%  black     64  512  512\n100% white    940  512  512\n"
         "100% yellow   877   64  553\n100% cyan     754  615   64\n100% green    691  167  105\n"
         "100% magenta  313  857  919\n100% red      250  409  960\n100% blue     127  960  471\n"
         "100% black     64  512  512\n",
         false},
    };
    for (const auto& c : cases) {
        const auto r = Run(c.args);
        EXPECT_EQ(r.status, 0) << c.args[1] << ": " << r.err;
        EXPECT_EQ(r.out, c.out) << c.args[1];
        EXPECT_EQ(r.err.find("clamped") != std::string::npos, c.note) << r.err;
    }
}

// format: one line per code, typed codes as convert reads them; a bad
// template is a usage error, a code that is no code fails its line.
TEST_F(Cli, FormatByTemplate)
{
    const auto r = Run({"format", "css-hsl", "FF8000", "#369"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "hsl(30, 100%, 50%)\nhsl(210, 50%, 40%)\n");
    const auto batch = Run({"format", "{R} {G} {B}", "--"}, "FF8000\r\nzz\n");
    EXPECT_EQ(batch.status, 1);
    EXPECT_EQ(batch.out, "255 128 0\nzz error: 16 進数の色コードではありません\n");
    EXPECT_EQ(Run({"format", "{Q}", "FF8000"}).status, 2);
    EXPECT_EQ(Run({"format"}).status, 2);
    EXPECT_EQ(Run({"format", "--gamma", "1"}).status, 2);
    // Options stand before the template as well as after it.
    const auto before = Run({"format", "--munsell-table", "c", "--method=search", "{munsell.V}", "8D1818"});
    EXPECT_EQ(before.out, Run({"format", "{munsell.V}", "8D1818", "--munsell-table", "c", "--method=search"}).out);
    EXPECT_EQ(before.out, "1\n");
    // convert MODEL --format: the model's fields bare, R G B as channels
    // (HSV of FF8000 by hand: H 30 degrees, S and V 255).
    const auto hsv = Run({"convert", "hsv", "--format", "{H}/{S}/{V} {B}", "FF8000"});
    EXPECT_EQ(hsv.status, 0);
    EXPECT_EQ(hsv.out, "30/255/255 0\n");
    EXPECT_EQ(Run({"convert", "hsv", "--format", "{L}", "FF8000"}).status, 2);
    EXPECT_EQ(Run({"reverse", "hsv", "--format", "{H}", "1", "2", "3"}).status, 2);
}

TEST_F(Cli, BadInputIsRefusedWithAMessage)
{
    const std::vector<std::string> cases[] = {
        {},
        {"frobnicate"},
        {"convert"},
        {"convert", "rgb", "FF0000"},
        {"convert", "lab", "--gamma", "x", "FF0000"},
        {"convert", "lab", "--gamma", "-2", "FF0000"},
        {"convert", "lab", "--white", "d55", "FF0000"},
        {"convert", "lab", "--colour", "d50"},
        {"convert", "lab", "--gamma"},
        {"reverse", "lab", "50", "0"},
        {"reverse", "lab", "50", "x", "0"},
        {"reverse", "lab", "50", "1e999", "0"},
        {"reverse", "lab", "nan", "0", "0"},
        {"reverse", "hsv", "512", "0", "0"},
        {"reverse", "hsv", "10", "256", "0"},
        {"reverse", "hsv", "10.5", "25", "0"},
        {"reverse", "yuv", "10", "-129", "0"},
        {"reverse", "ycbcr", "10", "-1", "0"},
        {"reverse", "cmyk", "1", "2", "3"},
        {"convert", "ycbcr", "--bits", "9", "FF0000"},
        {"convert", "lab", "--matrix", "bt709", "FF0000"},
        {"reverse", "ycbcr", "--bits", "10", "1024", "512", "512"},
        {"bars", "--range", "limited"},
        {"deltae", "50", "0", "0", "50", "0"},
        {"deltae", "50", "0", "0", "50", "0", "x"},
        {"deltae", "--white", "a", "50", "0", "0", "50", "0", "0"},
        {"contrast", "FFFFFF"},
        {"nearest", "--munsell-table", "c", "FF0000"},
        {"nearest", "--table"},
        {"harmony", "opposite", "FF0000"},
        {"shades", "FF0000", "1"},
        {"tints", "FF0000", "1001"},
        {"gradient", "000000", "FFFFFF", "3", "--space", "hsl"},
        {"simulate", "protan", "--severity", "1.5", "FF0000"},
        {"simulate", "achromat", "FF0000"},
    };
    for (const auto& args : cases) {
        const auto r = Run(args);
        EXPECT_EQ(r.status, 2) << (args.empty() ? "" : args.back());
        EXPECT_EQ(r.out, "");
        EXPECT_FALSE(r.err.empty());
    }
}

TEST_F(Cli, FailedConversionIsReportedAndExitsWithOne)
{
    const auto huge = Run({"reverse", "lab", "3e38", "0", "0"});
    EXPECT_EQ(huge.status, 1);
    EXPECT_NE(huge.err.find("オーバーフロー"), std::string::npos);
}

// deltae: the first published CIEDE2000 pair and a sign given after "--".
// contrast: the WCAG 2 extremes and the greys on both sides of 4.5 on white.
TEST_F(Cli, DeltaEAndContrast)
{
    struct Case {
        std::vector<std::string> args;
        const char* out;
    };
    const Case cases[] = {
        {{"deltae", "50", "2.6772", "-79.7751", "50", "0", "-82.7485"}, "2.0425\n"},
        {{"deltae", "--", "50", "-1", "0", "50", "-1", "0"}, "0.0000\n"},
        {{"contrast", "000000", "FFFFFF"}, "21.00 AA AAA AA-large AAA-large\n"},
        {{"contrast", "FFFFFF", "000000"}, "21.00 AA AAA AA-large AAA-large\n"},
        {{"contrast", "ff8000", "FF8000"}, "1.00\n"},
        {{"contrast", "767676", "FFFFFF"}, "4.54 AA AA-large AAA-large\n"},
        {{"contrast", "777777", "FFFFFF"}, "4.48 AA-large\n"},
    };
    for (const auto& c : cases) {
        const auto r = Run(c.args);
        EXPECT_EQ(r.status, 0) << c.args[0] << ": " << r.err;
        EXPECT_EQ(r.out, c.out) << c.args[0];
    }
}

// nearest searches the shipped CSS named colours unless told otherwise;
// of equal colours (aqua and cyan) the first in the table wins.
TEST_F(Cli, NearestNamedColour)
{
    EXPECT_EQ(Run({"nearest", "FF0000", "00ffff", "008000"}).out,
              "FF0000 red 0.0\n00FFFF aqua 0.0\n008000 green 0.0\n");
    EXPECT_EQ(Run({"nearest", "--white", "c"}, "FFFFFF\r\n000000").out, "FFFFFF white 0.0\n000000 black 0.0\n");
    const std::string gpl = ::testing::TempDir() + "nearest.gpl";
    std::FILE* f = std::fopen(gpl.c_str(), "wb");
    ASSERT_TRUE(f);
    std::fputs("GIMP Palette\n0 0 0 Jet black\n255 255 255\tSnow\n", f);
    std::fclose(f);
    EXPECT_EQ(Run({"nearest", "--table", gpl, "FFFFFF"}).out, "FFFFFF Snow 0.0\n");
    const auto missing = Run({"nearest", "--table", gpl + ".missing", "FFFFFF"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("nearest.gpl.missing"), std::string::npos) << missing.err;
}

// The generated palettes one code per line (the codes are those of the
// library's rows in palette_test.cpp), or as a text table that the table
// commands read back.
TEST_F(Cli, PalettesPrintOneCodePerLine)
{
    struct Case {
        std::vector<std::string> args;
        const char* out;
    };
    const Case cases[] = {
        {{"harmony", "complementary", "#336699"}, "336699\n865815\n"},
        {{"shades", "FF8000", "5"}, "FF8000\nAE5500\n632E00\n220B00\n000000\n"},
        {{"tints", "336699", "3"}, "336699\n97B1CD\nFFFFFF\n"},
        {{"tones", "red", "4"}, "FF0000\nDD5647\nB7746A\n888888\n"},
        {{"gradient", "black", "white", "3"}, "000000\n636363\nFFFFFF\n"},
        {{"gradient", "000000", "FFFFFF", "3", "--space", "srgb"}, "000000\n808080\nFFFFFF\n"},
    };
    for (const auto& c : cases) {
        const auto r = Run(c.args);
        EXPECT_EQ(r.status, 0) << c.args[0];
        EXPECT_EQ(r.out, c.out) << c.args[0];
    }
    const auto mapped = Run({"harmony", "complementary", "FF8000"});
    EXPECT_EQ(mapped.out, "FF8000\n00B8FF\n");
    EXPECT_NE(mapped.err.find("1 colour(s) lay outside sRGB"), std::string::npos) << mapped.err;

    const std::string tab = ::testing::TempDir() + "gradient.tab";
    const auto written = Run({"gradient", "--space=linear-srgb", "--table", tab, "000000", "FFFFFF", "3"});
    EXPECT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(written.out, "");
    EXPECT_EQ(Run({"table", "dump", tab}).out, "#000000 CN0001\n#BCBCBC CN0002\n#FFFFFF CN0003\n");
    EXPECT_EQ(Run({"tints", "--table", ::testing::TempDir() + "tints.json", "336699", "3"}).status, 2);
}

// simulate prints each code and how the deficiency shows it (rows of
// palette_test.cpp, by hand from the published matrices), from the
// arguments or from standard input.
TEST_F(Cli, SimulatePrintsEachCodeAndItsLook)
{
    EXPECT_EQ(Run({"simulate", "protan", "FF0000", "808080"}).out, "FF0000 -> 6D5F00\n808080 -> 808080\n");
    EXPECT_EQ(Run({"simulate", "deutan", "--severity", "0.5"}, "FF0000\n").out, "FF0000 -> C37600\n");
    const auto bad = Run({"simulate", "tritan", "0000FF", "oranje"});
    EXPECT_EQ(bad.out, "0000FF -> 006B96\noranje error: 16 進数の色コードではありません\n");
    EXPECT_EQ(bad.status, 1);
}

TEST_F(Cli, MunsellUsesTheShippedTables)
{
    EXPECT_EQ(Run({"convert", "munsell", "--method", "search", "FF0000", "808080", "000000"}).out,
              "FF0000 7.5 5.23076916 20.9230766 0.640000165 0.329999447 21.2649002 -> FF0000\n"
              "808080 -1 5.4000001 0 0.312713146 0.329015881 21.951973 -> 808080\n"
              "000000 -1 0 0 0 0 0 -> 000000\n");
    EXPECT_EQ(Run({"convert", "munsell", "--method=search", "--munsell-table", "c", "FF0000"}).out,
              "FF0000 5.57692337 5 21.5384617 0.640000165 0.329999447 21.2649002 -> FF0000\n");
    EXPECT_EQ(Run({"reverse", "munsell", "-1", "5", "0"}).out, "797979\n");
    EXPECT_EQ(Run({"reverse", "munsell", "--method=search", "--munsell-table=c", "--", "-1", "5", "0"}).out,
              "797979\n");
    EXPECT_EQ(Run({"reverse", "munsell", "--method", "search", "5", "5", "10"}).out, "C35857\n");
    EXPECT_EQ(Run({"convert", "munsell", "--munsell-table", "x", "FF0000"}).status, 2);
}

// The interpolation of the renotation samples: same line, the colour's own
// Yxy; a sample's notation gives the colour of the sample's x, y with the
// polynomial's Y (5R 5/10 under C: 0.475, 0.323; Y of value 5 19.270875).
TEST_F(Cli, MunsellRenotationMethod)
{
    const auto red = Run({"convert", "munsell", "--method", "renotation", "FF0000"});
    EXPECT_EQ(red.status, 0);
    EXPECT_TRUE(red.err.empty()) << red.err;
    float H = 0, V = 0, C = 0;
    char tail[128] = {};
    ASSERT_EQ(std::sscanf(red.out.c_str(), "FF0000 %f %f %f %127[^\n]", &H, &V, &C, tail), 4) << red.out;
    EXPECT_STREQ(tail, "0.640000165 0.329999447 21.2649002 -> FF0000");
    EXPECT_TRUE(H > 0 && H < 10) << H;  // a red hue
    EXPECT_GT(C, 10);
    EXPECT_EQ(Run({"convert", "munsell", "--method=renotation", "808080"}).out.substr(0, 10), "808080 -1 ");
    EXPECT_EQ(Run({"reverse", "munsell", "--method", "renotation", "--munsell-table", "c", "5", "5", "10"}).out,
              Run({"reverse", "yxy", "0.475", "0.323", "19.270875"}).out);
    const auto far = Run({"reverse", "munsell", "--method", "renotation", "5", "5", "60"});
    EXPECT_EQ(far.status, 1);
    EXPECT_NE(far.err.find("彩度"), std::string::npos) << far.err;
    EXPECT_EQ(Run({"convert", "munsell", "--method", "table", "FF0000"}).status, 2);
    // The interpolation is the default: the search's 2.5YR 1/6 beside the
    // Y of value 3 for 8D1818 under C is gone, and its notation gives the
    // colour back.
    EXPECT_EQ(Run({"convert", "munsell", "--munsell-table", "c", "8D1818"}).out,
              Run({"convert", "munsell", "--method", "renotation", "--munsell-table", "c", "8D1818"}).out);
    EXPECT_EQ(Run({"convert", "munsell", "--method", "search", "--munsell-table", "c", "8D1818"}).out,
              "8D1818 12.5 1 6 0.610818744 0.329911739 6.20982218 -> 8D1818\n");
    EXPECT_EQ(Run({"reverse", "munsell", "--munsell-table", "c", "9.19448566", "2.95713568", "11.1826305"}).out,
              "8D1818\n");
}

TEST_F(Cli, HelpGoesToStandardOutput)
{
    const auto r = Run({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("qolvar-cli convert MODEL"), std::string::npos);
}

// Standard streams that fail: output to a full device, input that is a
// folder. Each fails with a message instead of reporting success.
TEST_F(Cli, StreamsThatFailAreReported)
{
    struct Case {
        std::vector<std::string> args;
        bool inputIsFolder;
        const char* message;
    };
    const Case cases[] = {
        {{"convert", "lab", "FF8000"}, false, "標準出力に書き込めません"},
        {{"convert", "lab"}, false, "標準出力に書き込めません"},
        {{"reverse", "lab", "50", "0", "0"}, false, "標準出力に書き込めません"},
        {{"--help"}, false, "標準出力に書き込めません"},
        {{"convert", "lab"}, true, "標準入力を読めません"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.begin(), "qolvar-cli");
        std::vector<const char*> argv;
        for (auto& a : args) argv.push_back(a.c_str());
        std::FILE* in = c.inputIsFolder ? std::fopen("/", "r") : std::tmpfile();
        std::FILE* out = c.inputIsFolder ? std::tmpfile() : std::fopen("/dev/full", "w");
        std::FILE* err = std::tmpfile();
        ASSERT_TRUE(in && out && err);
        if (!c.inputIsFolder) {
            std::fputs("336699\n", in);
            std::rewind(in);
        }
        const int status = cli::Run(static_cast<int>(argv.size()), argv.data(), in, out, err);
        const std::string message = test::ReadAll(err);
        EXPECT_EQ(status, 1) << args[1];
        EXPECT_NE(message.find(c.message), std::string::npos) << args[1] << ": " << message;
        for (std::FILE* f : {in, out, err}) std::fclose(f);
    }
}

// The user's language by LANGUAGE, LC_ALL, LC_MESSAGES and LANG, as the
// windows choose theirs (the order of QLocale's UI languages).
TEST(CliLanguage, ChosenAsTheWindowsChooseIt)
{
    const struct {
        const char *language, *lcAll, *lcMessages, *lang;
        Language expected;
    } rows[] = {
        {"", "", "", "", Language::English},
        {"", "", "", "ja_JP.UTF-8", Language::Japanese},
        {"", "", "", "C", Language::English},
        {"", "en_US.UTF-8", "", "ja_JP.UTF-8", Language::English},  // LC_ALL first
        {"", "", "ja_JP.UTF-8", "en_US.UTF-8", Language::Japanese},
        {"fr:ja:en", "", "", "C", Language::Japanese},  // Japanese before English
        {"fr:en:ja", "", "", "", Language::English},
        {"fr", "", "", "ja_JP.UTF-8", Language::English},  // LANGUAGE set: the locale is not asked
        {"ja", "", "", "C", Language::Japanese},
    };
    for (const auto& r : rows)
        EXPECT_EQ(cli::LanguageFor(r.language, r.lcAll, r.lcMessages, r.lang), r.expected)
            << r.language << " / " << r.lcAll << " / " << r.lcMessages << " / " << r.lang;
}

// Messages of the library, of the command line and of the table library
// are English unless the language is Japanese; the lines and values stay.
TEST_F(Cli, MessagesInTheUsersLanguage)
{
    struct Case {
        std::vector<std::string> args;
        const char *japanese, *english;
    };
    const Case cases[] = {
        {{"reverse", "lab", "3e38", "0", "0"},
         "error: 浮動小数点演算でオーバーフローしました",
         "error: Floating-point overflow"},
        {{"reverse", "lab", "50", "x", "0"}, "'x' は数値ではありません", "'x' is not a number"},
        {{"reverse", "hsv", "512", "0", "0"},
         "H は 0...511 の範囲で指定してください: 512",
         "H must lie within 0...511: 512"},
        {{"convert", "lab", "zz"},
         "zz error: 16 進数の色コードではありません",
         "zz error: This is not a hexadecimal colour code"},
        {{"format", "{Q}", "FF8000"}, "書式の {Q} は知らないトークンです", "{Q} in the template is not a known token"},
        {{"table", "dump", "/nonexistent/t.aco"},
         "ファイル /nonexistent/t.aco は開けません",
         "The file /nonexistent/t.aco cannot be opened"},
    };
    for (const char* language : {"ja", "en"}) {
        setenv("LANGUAGE", language, 1);
        for (const Case& c : cases) {
            const auto r = Run(c.args);
            const std::string said = r.out + r.err;
            const char* expected = language[0] == 'j' ? c.japanese : c.english;
            EXPECT_NE(said.find(expected), std::string::npos) << language << ": " << said;
        }
    }
}

TEST_F(Cli, GammaIsCheckedAsTheSingleTheProgramStores)
{
    struct Case {
        const char* gamma;
        const char* message;  // nullptr: accepted
    } cases[] = {
        {"2.2", nullptr},
        {"1e-30", nullptr},
        {"1e-50", "'1e-50' is out of range"},
        {"0", "'0' is out of range"},
        {"100.5", "'100.5' is out of range"},
        {"abc", "'abc' is not a number"},
        {"0x10", "'0x10' is not a number"},
    };
    for (const Case& c : cases) {
        const auto r = Run({"convert", "lab", "--gamma", c.gamma, "808080"});
        if (!c.message) {
            EXPECT_EQ(r.status, 0) << c.gamma << ": " << r.err;
            continue;
        }
        EXPECT_EQ(r.status, 2) << c.gamma;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
    // A huge argument is quoted in part.
    const auto r = Run({"convert", "lab", "--gamma", std::string(5000, '9'), "808080"});
    EXPECT_EQ(r.status, 2);
    EXPECT_LT(r.err.size(), 120u) << r.err;
}

// A 10 × 1 PNG of six red, three green and one blue pixel (that one fully
// transparent: alpha is ignored) has exactly those colours: N = 3 gives them
// with their shares, off from the pixels by nothing; N = 1 one colour for
// all (their mean in OKLab).
TEST_F(Cli, PaletteOfAnImage)
{
    QTemporaryDir dir;
    const auto path = [&](const char* name) {
        return QDir(dir.path()).filePath(QString::fromUtf8(name)).toStdString();
    };
    const std::string png = path("three.png"), missing = path("missing.png"), table = path("out.tab");
    QImage image(10, 1, QImage::Format_ARGB32);
    for (int x = 0; x < 10; ++x) image.setPixel(x, 0, x < 6 ? 0xFFFF0000 : x < 9 ? 0xFF00FF00 : 0x000000FF);
    ASSERT_TRUE(image.save(QString::fromStdString(png)));

    struct Case {
        std::vector<std::string> args;
        int status;
        const char* out;  // nullptr: not compared
        std::string err;  // a part of standard error
    };
    const Case cases[] = {
        {{"palette", png, "3", "--stats"}, 0, "FF0000 60.0%\n00FF00 30.0%\n0000FF 10.0%\n", "mean dE00 0.00\n"},
        {{"palette", png, "1"}, 0, nullptr, ""},
        {{"palette", "--table", table, png, "8"}, 0, "", ""},
        {{"palette", missing, "3"}, 1, "", missing + " error: 画像を読み込めません: "},
        {{"palette", png, "0"}, 2, "", "N は 1...256 の範囲で指定してください: 0"},
        {{"palette", png, "257"}, 2, "", "N は 1...256 の範囲で指定してください: 257"},
        {{"palette", png}, 2, "", "usage: qolvar-cli palette IMAGE N"},
        {{"palette", png, "3", "--colours"}, 2, "", "unknown option '--colours'"},
        {{"palette", "--table", path("out.json"), png, "3"}, 2, "", "the extension names no format"},
    };
    for (const Case& c : cases) {
        const auto r = Run(c.args);
        EXPECT_EQ(r.status, c.status) << c.args.back() << ": " << r.err;
        if (c.out) {
            EXPECT_EQ(r.out, c.out) << c.args.back();
        } else {
            EXPECT_EQ(r.out.substr(6), " 100.0%\n") << r.out;
        }
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
    }
    // The table as the table editor writes text tables: CR LF line ends.
    QFile written(QString::fromStdString(table));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().toStdString(), "#FF0000 60.0%\r\n#00FF00 30.0%\r\n#0000FF 10.0%\r\n");
}

// CMYK through an ICC profile. The expected lines are LittleCMS 2.14's
// transicc on the same profile (Debian libgs-common's default_cmyk.icc):
// `transicc -t1 -i '*sRGB' -o default_cmyk.icc` for the inks (-t0 for
// perceptual, -b for black-point compensation) and `-i default_cmyk.icc -o
// '*sRGB'` for the colours back from the printed inks, rounded by hand.
TEST_F(Cli, CMYKThroughAProfile)
{
    const std::string cmyk = "/usr/share/color/icc/ghostscript/default_cmyk.icc";
    if (!QFile::exists(QString::fromStdString(cmyk))) GTEST_SKIP() << "no " << cmyk << " (libgs-common)";
    QTemporaryDir dir;
    const std::string junk = QDir(dir.path()).filePath(QStringLiteral("junk.icc")).toStdString();
    QFile file(QString::fromStdString(junk));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(200, 'x'));
    file.close();
    const std::string rgb = "/usr/share/color/icc/ghostscript/srgb.icc";
    // The profile cut short: its header reads, its tables do not.
    const std::string cut = QDir(dir.path()).filePath(QStringLiteral("cut.icc")).toStdString();
    QFile whole(QString::fromStdString(cmyk)), part(QString::fromStdString(cut));
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly) && part.open(QIODevice::WriteOnly));
    part.write(whole.read(3000));
    part.close();

    struct Case {
        std::vector<std::string> args;
        int status;
        std::string out;  // standard output, or a part of standard error when status != 0
    };
    const Case cases[] = {
        {{"convert", "cmyk", "--profile", cmyk, "FF8000", "336699"},
         0,
         "FF8000 0.00 63.94 100.00 0.00 -> F48035\n336699 91.44 65.19 17.58 2.71 -> 366699\n"},
        {{"convert", "cmyk", "--profile", cmyk, "--intent", "perceptual", "FF8000", "000000"},
         0,
         "FF8000 0.00 63.94 100.00 0.00 -> F47D2A\n000000 74.61 67.99 65.34 90.05 -> 171717\n"},
        {{"convert", "cmyk", "--profile", cmyk, "--intent", "relative", "F0F0F0"},
         0,
         "F0F0F0 3.87 3.63 3.56 0.00 -> F2F0F0\n"},
        {{"convert", "cmyk", "--bpc", "--profile", cmyk, "000000"}, 0, "000000 72.31 67.69 67.10 88.60 -> 070404\n"},
        {{"reverse", "cmyk", "--profile", cmyk, "0", "50", "100", "0"}, 0, "F89734\n"},
        {{"reverse", "cmyk", "--profile", cmyk, "20", "0", "60", "10"}, 0, "C0CF81\n"},
        {{"reverse", "cmyk", "--profile", cmyk, "--intent=perceptual", "20", "0", "60", "10"}, 0, "BFCE7E\n"},
        // Refusals name the file and the reason.
        {{"convert", "cmyk", "--profile", junk, "FF0000"}, 2, junk + ": is not an ICC profile (no 'acsp' signature)"},
        {{"convert", "cmyk", "--profile", rgb, "FF0000"}, 2, rgb + ": is an RGB profile, not a CMYK profile"},
        {{"convert", "cmyk", "--profile", cut, "FF0000"}, 2, cut + ": no transform can be made; a profile is damaged"},
        {{"convert", "cmyk", "--profile", dir.path().toStdString(), "FF0000"},
         2,
         dir.path().toStdString() + ": is not a file"},
        {{"convert", "cmyk", "--profile", junk + ".none", "FF0000"}, 2, junk + ".none: cannot be opened"},
        {{"convert", "cmyk", "--profile", cmyk, "--intent", "vivid", "FF0000"}, 2, "--intent: invalid value 'vivid'"},
        {{"convert", "lab", "--profile", cmyk, "FF0000"}, 2, "--profile applies to cmyk only"},
        {{"convert", "cmyk", "--bpc", "FF0000"}, 2, "--intent and --bpc need --profile"},
        {{"reverse", "cmyk", "--profile", cmyk, "20", "0", "60"}, 2, "takes four ink percentages"},
        {{"reverse", "cmyk", "--profile", cmyk, "20", "0", "60", "100.5"}, 2, "100.5"},
    };
    for (const Case& c : cases) {
        const auto r = Run(c.args);
        EXPECT_EQ(r.status, c.status) << c.args.back() << ": " << r.err;
        if (c.status == 0)
            EXPECT_EQ(r.out, c.out);
        else
            EXPECT_NE(r.err.find(c.out), std::string::npos) << r.err;
    }
    // Batch mode keeps the order of good and bad lines across its batches.
    std::string input, expected;
    for (int i = 0; i < 5000; ++i) {
        input += i % 1000 == 7 ? "nonsense\n" : "336699\n";
        expected += i % 1000 == 7 ? "nonsense error: " : "336699 91.44 65.19 17.58 2.71 -> 366699\n";
    }
    const auto batch = Run({"convert", "cmyk", "--profile", cmyk}, input);
    EXPECT_EQ(batch.status, 1);
    std::string got;
    for (std::size_t start = 0; start < batch.out.size();) {
        const std::size_t end = batch.out.find('\n', start);
        const std::string line = batch.out.substr(start, end - start + 1);
        got += line.starts_with("nonsense error: ") ? "nonsense error: " : line;
        start = end + 1;
    }
    EXPECT_EQ(got, expected);
}

// L*a*b* under D50 against LittleCMS 2.14's transicc (`-i '*sRGB' -o '*Lab'`):
// the primaries and secondaries, whose values do not depend on the gamma.
// The two differ in the third decimal: LittleCMS's sRGB has its own D65 and
// 16.16 fixed-point matrices.
TEST_F(Cli, LabUnderD50AgreesWithColourManagement)
{
    struct Row {
        const char* code;
        double L, a, b;
    };
    const Row rows[] = {
        {"FF0000", 54.2896, 80.8144, 69.8897},
        {"00FF00", 87.8194, -79.2749, 80.9927},
        {"0000FF", 29.5659, 68.2862, -112.0329},
        {"FFFF00", 97.6074, -15.7479, 93.3913},
        {"00FFFF", 90.6664, -50.6630, -14.9610},
        {"FF00FF", 60.1673, 93.5467, -60.5027},
        {"FFFFFF", 100, 0, 0},
    };
    for (const Row& row : rows) {
        const auto r = Run({"convert", "lab", "--white", "d50", row.code});
        double L = 0, a = 0, b = 0;
        ASSERT_EQ(std::sscanf(r.out.c_str() + 6, "%lf %lf %lf", &L, &a, &b), 3) << r.out;
        EXPECT_NEAR(L, row.L, 0.005) << row.code;
        EXPECT_NEAR(a, row.a, 0.005) << row.code;
        EXPECT_NEAR(b, row.b, 0.005) << row.code;
    }
}

// A pixel through the profile the image embeds: an Adobe RGB PNG as Qt
// writes it. Expected: transicc -t1 -i (Qt's Adobe RGB profile) -o '*sRGB'
// of the device values, rounded by hand: 200 30 60 -> 233.14 23.81 58.43;
// 10 250 120 -> -1252.88 250.16 110.60 (clipped); and the 3×3 mean.
TEST_F(Cli, SampleThroughTheImagesProfile)
{
    QTemporaryDir dir;
    const std::string adobe = QDir(dir.path()).filePath(QStringLiteral("adobe.png")).toStdString();
    const std::string plain = QDir(dir.path()).filePath(QStringLiteral("plain.png")).toStdString();
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(qRgb(200, 30, 60));
    image.setPixel(1, 1, qRgb(10, 250, 120));
    ASSERT_TRUE(image.save(QString::fromStdString(plain)));
    image.setColorSpace(QColorSpace(QColorSpace::AdobeRgb));
    ASSERT_TRUE(image.save(QString::fromStdString(adobe)));

    struct Case {
        std::vector<std::string> args;
        int status;
        std::string out, err;  // err: a part of standard error
    };
    const Case cases[] = {
        {{"sample", adobe, "0", "0"}, 0, "#E9183A\n", "through the image's profile 'Adobe RGB'"},
        {{"sample", adobe, "1", "1", "--format", "css-rgb"}, 0, "rgb(0, 250, 111)\n", "Adobe RGB"},
        // The mean of 8 × (200 30 60) and (10 250 120): 178.89 54.44 66.67,
        // through the profile 207.58 51.33 65.18.
        {{"sample", adobe, "1", "1", "--average", "3"}, 0, "#D03341\n", "Adobe RGB"},
        {{"sample", plain, "0", "0"}, 0, "#C81E3C\n", ""},
        {{"sample", plain, "4", "0"}, 2, "", "lies outside the image (4 x 3 pixels)"},
        {{"sample", plain, "0", "0", "--average", "2"}, 2, "", "an odd number"},
        {{"sample", plain, "0"}, 2, "", "usage: qolvar-cli sample"},
        {{"sample", plain, "-1", "0"}, 2, "", "is not a pixel position"},
        {{"sample", plain + ".none", "0", "0"}, 1, "", "画像を読み込めません"},
    };
    for (const Case& c : cases) {
        const auto r = Run(c.args);
        EXPECT_EQ(r.status, c.status) << c.args[1] << ": " << r.err;
        EXPECT_EQ(r.out, c.out) << c.args[1];
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
    }
}

}  // namespace
