// The Munsell page: refresh, the hue text in both directions, typed Munsell
// and Yxy values, and the choice of renotation table.
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <charconv>

#include "colour/cie.h"
#include "colour/munsell.h"
#include "colour/munsell_renotation.h"
#include "colour/numeric.h"
#include "page_testing.h"
#include "pages/page_munsell.h"
#include "pages/pagetext.h"

using namespace qolvar;
using app::MunsellPage;

namespace {

float Num(const QString& text)
{
    const std::string s = text.trimmed().toStdString();
    long double v = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    EXPECT_TRUE(r.ec == std::errc() && r.ptr == s.data() + s.size()) << s;
    return num::single(v);
}

class MunsellPageTest : public test::PageTest {
protected:
    // The program runs from a folder of its own that holds copies of the
    // renotation tables, so that a test may take one away.
    void SetUp() override
    {
        PageTest::SetUp();
        for (const char* table : {"HVC_Yxy.csv", "Z8721_YxyD65.csv"})
            ASSERT_TRUE(QFile::copy(app::ProgramFolder() + "/" + table, dir.filePath(table)));
        app::SetProgramFolder(dir.path());
        // The page's mechanics with the table search, as the values below
        // were taken.
        StoreSetting("MunsellMethod", "0");
        StartOn(4);
        p = w->findChild<app::MunsellPage*>();
    }
    void TearDown() override
    {
        PageTest::TearDown();
        app::SetProgramFolder(QString());
    }
    QStringList HVC() const { return {p->EditHVC3->text(), p->EditHVC2->text(), p->EditHVC1->text()}; }
    QStringList Yxy() const { return {p->EditHVCxyY3->text(), p->EditHVCxyY2->text(), p->EditHVCxyY1->text()}; }
    static QStringList HVCTexts(const TColorVec& hvc)
    {
        return {MunsellPage::HueText(hvc[0]), app::FixedText(hvc[1], 1), app::FixedText(hvc[2], 1)};
    }
    // The Yxy vector (x, y, Y) of the shown Yxy fields.
    TColorVec ShownYxy() const
    {
        return {Num(p->EditHVCxyY2->text()), Num(p->EditHVCxyY1->text()), Num(p->EditHVCxyY3->text())};
    }
    MunsellPage* p = nullptr;
};

TEST_F(MunsellPageTest, StartsNeutralWithTheD65Table)
{
    EXPECT_EQ(HVC(), QStringList({"N", "0", "0"}));
    EXPECT_EQ(p->ComboBoxHVC->currentIndex(), -1);
    EXPECT_STREQ(w->EditConditions().MunsellFileName(), MunsellFileD65);
    ExpectClearOfTheResultSwatch(p);
}

TEST_F(MunsellPageTest, HueTextNamesTheFamilyAndWrapsItsStart)
{
    const std::pair<float, const char*> cases[] = {
        {-1, "N"},         {5, " 5.0R"},      {20, "10.0YR"},     {0, "10.0RP"},  {100, "10.0RP"},    {12.5f, " 2.5YR"},
        {0.05f, "10.0RP"}, {10.05f, "10.0R"}, {57.25f, " 7.3BG"}, {95, " 5.0RP"}, {99.99f, "10.0RP"}, {45.1f, " 5.1G"},
    };
    for (const auto& [h, text] : cases) EXPECT_EQ(MunsellPage::HueText(h), text) << h;
}

// The fields of a refresh from the values of qolvar-cli convert munsell
// (the baseline build; FF0000 is 7.5 5.23076916 20.9230766 0.640000165
// 0.329999447 21.2649002): the hue as its family's number, V and C to one
// decimal, Y to two, x and y to four. Every colour comes back.
TEST_F(MunsellPageTest, RefreshShowsTheMunsellAndYxyValuesAndLogsThem)
{
    const struct {
        RGBCode rgb;
        QStringList hvc, yxy;
    } rows[] = {
        {0x000000, {"N", " 0.0", " 0.0"}, {"0.00", "0.0000", "0.0000"}},
        {0x808080, {"N", " 5.4", " 0.0"}, {"21.95", "0.3127", "0.3290"}},
        {0xFFFFFF, {"N", "10.0", " 0.0"}, {"100.00", "0.3127", "0.3290"}},
        {0xFF0000, {" 7.5R", " 5.2", "20.9"}, {"21.26", "0.6400", "0.3300"}},
        {0x3A9F62, {" 1.3G", " 5.5", "11.8"}, {"27.00", "0.2771", "0.4551"}},
        {0x336699, {" 4.6PB", " 3.3", " 6.7"}, {"12.49", "0.2080", "0.2197"}},
        {0xFFCC00, {" 3.3Y", " 8.0", "12.0"}, {"65.04", "0.4595", "0.4734"}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(Hex(r.rgb).toStdString());
        SetColour(r.rgb);
        Refresh();
        EXPECT_EQ(HVC(), r.hvc);
        EXPECT_EQ(Yxy(), r.yxy);
        EXPECT_EQ(Result(), r.rgb);
        EXPECT_EQ(w->CurRGB(), r.rgb);
        EXPECT_EQ(LastLog(), "RGB=#" + Hex(r.rgb) + " HV/C=" + HVC().join(','));
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MunsellPageTest, TypedHueIsSplitIntoNumberAndFamily)
{
    // The colour of H 5/4 by qolvar-cli reverse munsell, and x, y of the
    // table search (the samples of value 5 have Y 19.28; a grey takes the
    // value polynomial's 19.27).
    struct Case {
        const char* text;
        RGBCode rgb;  // 0: no conversion at all
        bool error;
        const char *x, *y, *Y;
    } cases[] = {
        {"5R", 0x9A6E6C, false, "0.3774", "0.3328", "19.28"},
        {"5r", 0x9A6E6C, false, "0.3774", "0.3328", "19.28"},
        {"10RP", 0x976E73, false, "0.3631", "0.3200", "19.28"},
        {" 2.5 yr", 0x99705E, false, "0.3949", "0.3599", "19.28"},
        {"7.5PB", 0x727892, false, "0.2771", "0.2792", "19.28"},
        {"N", 0x797979, false, "0.3127", "0.3290", "19.27"},
        {"X", 0, true, "", "", ""},  // no such family
        {"5X", 0, true, "", "", ""},
        {"R", 0, true, "", "", ""},
        {"5", 0, false, "", "", ""},
        {"", 0, false, "", "", ""},
        {"-R", 0, true, "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        SetColour(0x336699);
        Refresh();
        Paste(p->EditHVC2, QStringLiteral("5.0"));
        Paste(p->EditHVC1, QStringLiteral("4.0"));
        const RGBCode before = w->CurRGB();
        const QStringList yxyBefore = Yxy();
        Paste(p->EditHVC3, QString::fromUtf8(c.text));
        EXPECT_EQ(p->EditHVC3->text(), QString::fromUtf8(c.text));
        EXPECT_TRUE(dialogs.TakeTexts().isEmpty());
        EXPECT_EQ(app::FieldMarked(p->EditHVC3), c.error);
        EXPECT_FALSE(w->InUpdate());
        if (c.rgb == 0) {
            EXPECT_EQ(w->CurRGB(), before);
            EXPECT_EQ(Yxy(), yxyBefore);
            continue;
        }
        EXPECT_EQ(w->CurRGB(), c.rgb);
        EXPECT_EQ(Result(), c.rgb);
        EXPECT_EQ(Yxy(), QStringList({c.Y, c.x, c.y}));
    }
}

TEST_F(MunsellPageTest, EditingTheValueKeepsAPaddedHue)
{
    Paste(p->EditHVC1, QStringLiteral("6.0"));
    Paste(p->EditHVC3, QStringLiteral(" 5.0R"));
    Paste(p->EditHVC2, QStringLiteral("4.5"));
    EXPECT_EQ(p->EditHVC3->text(), " 5.0R");
    const RGBCode typed = 0xA05857;  // qolvar-cli reverse munsell 5 4.5 6
    EXPECT_EQ(w->CurRGB(), typed);
    // Text that is no number, a value past 0..10 and a negative chroma are
    // marked; the colour stays.
    const struct {
        QLineEdit* field;
        const char* text;
        const char* why;
    } refused[] = {
        {p->EditHVC2, "abc", "「abc」は数値ではありません"},
        {p->EditHVC2, "99", "明度 V は 0 から 10 までです"},
        {p->EditHVC2, "-0.5", "明度 V は 0 から 10 までです"},
        {p->EditHVC1, "-1", "彩度 C は 0 以上です"},
    };
    for (const auto& r : refused) {
        const QString was = r.field->text();
        Paste(r.field, QString::fromUtf8(r.text));
        EXPECT_EQ(Problem(), QString::fromUtf8(r.why));
        EXPECT_TRUE(app::FieldMarked(r.field)) << r.text;
        EXPECT_EQ(w->CurRGB(), typed) << r.text;
        Paste(r.field, was);
        EXPECT_FALSE(app::FieldMarked(r.field)) << r.text;
    }
    EXPECT_TRUE(dialogs.TakeTexts().isEmpty());
    // A neutral grey of the typed value.
    Paste(p->EditHVC3, QStringLiteral("N"));
    Paste(p->EditHVC2, QStringLiteral("5"));
    const RGBCode grey = w->CurRGB();
    EXPECT_EQ(grey >> 16 & 0xFF, grey & 0xFF);
    EXPECT_EQ(grey >> 8 & 0xFF, grey & 0xFF);
}

TEST_F(MunsellPageTest, TypedYxyConvertsAndRewritesTheMunsellFields)
{
    SetColour(0x3A9F62);
    Refresh();
    const QStringList hvcBefore = HVC();
    // Y 27.00, x 0.3500, y 0.4551: qolvar-cli reverse yxy gives 7B9650, the
    // table search 33.6842117 5.52631569 4.
    Paste(p->EditHVCxyY2, QStringLiteral("0.3500"));
    EXPECT_EQ(w->CurRGB(), 0x7B9650u);
    EXPECT_EQ(Result(), w->CurRGB());
    EXPECT_EQ(HVC(), QStringList({" 3.7GY", " 5.5", " 4.0"}));
    EXPECT_NE(HVC(), hvcBefore);
    EXPECT_TRUE(dialogs.messages.empty());

    const RGBCode now = w->CurRGB();
    const QString y = p->EditHVCxyY1->text();
    Paste(p->EditHVCxyY1, QStringLiteral("-"));  // a sign typed before its digits
    EXPECT_TRUE(dialogs.messages.empty());
    Paste(p->EditHVCxyY1, y);
    Paste(p->EditHVCxyY3, QString());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(w->CurRGB(), now);
    Paste(p->EditHVCxyY3, QStringLiteral("Y"));
    EXPECT_EQ(Problem(), "「Y」は数値ではありません");
    EXPECT_EQ(w->CurRGB(), now);
    EXPECT_FALSE(w->InUpdate());
}

// The table choice refreshes without the update guard: the rewritten fields
// run their handlers, and the colour ends as the back-conversion of the
// values shown.
TEST_F(MunsellPageTest, TableChoiceReloadsAndLeavesTheColourOfTheShownValues)
{
    SetColour(0x3A9F62);
    Refresh();
    const QStringList d65 = HVC();
    const int lines = LogLines().size();
    Choose(p->ComboBoxHVC, 1);
    EXPECT_STREQ(w->EditConditions().MunsellFileName(), MunsellFileC);
    EXPECT_EQ(w->Conditions().munsell->Illuminant(), MunsellIlluminant::C);
    EXPECT_NE(HVC(), d65);
    EXPECT_EQ(LogLines().size(), lines + 1);
    EXPECT_TRUE(dialogs.messages.empty());
    // What the page shows agrees with the new table, and the colour is what
    // those values convert back to.
    TColorVec shown = ShownYxy(), hvc{};
    YxyToHVC(shown, hvc, w->Conditions());
    EXPECT_EQ(HVC(), HVCTexts(hvc));
    TColorVec xyz = shown;
    EXPECT_EQ(w->CurRGB(), YxyToRGB(xyz, w->Conditions()));
    EXPECT_EQ(test::Child<QLineEdit>(w, "editRGBHEX")->text(), Hex(w->CurRGB()));

    Choose(p->ComboBoxHVC, 0);
    EXPECT_STREQ(w->EditConditions().MunsellFileName(), MunsellFileD65);
    EXPECT_EQ(HVC(), d65);
}

TEST_F(MunsellPageTest, UnreadableTableIsReportedAndThePageKept)
{
    SetColour(0xFF0000);
    Refresh();
    const QStringList before = HVC();
    const int lines = LogLines().size();
    QFile::remove(w->ExeDir() + "/HVC_Yxy.csv");  // the program folder loses a table
    Choose(p->ComboBoxHVC, 1);
    const QStringList texts = dialogs.TakeTexts();
    ASSERT_EQ(texts.size(), 1);
    EXPECT_TRUE(texts[0].contains("HVC_Yxy.csv")) << texts[0].toStdString();
    EXPECT_EQ(HVC(), before);
    EXPECT_EQ(LogLines().size(), lines);
    // The table in use is still the one loaded before.
    Refresh();
    EXPECT_EQ(HVC(), before);
}

}  // namespace

// The method choice converts by the interpolation of the renotation
// samples, and the next start comes back with it.
TEST_F(MunsellPageTest, MethodChoiceRefreshesAndIsStored)
{
    SetColour(0x3A9F62);
    Refresh();
    const QStringList search = HVC();
    Choose(p->ComboBoxHVCMethod, 1);
    EXPECT_EQ(w->Conditions().method, MunsellMethod::Renotation);
    // qolvar-cli convert munsell --method renotation: 42.1618347 5.791502
    // 8.50903416.
    EXPECT_EQ(HVC(), QStringList({" 2.2G", " 5.8", " 8.5"}));
    EXPECT_NE(HVC(), search);
    EXPECT_EQ(w->CurRGB(), 0x3A9F62u);  // the colour's own Yxy converts back to it
    // Typed values past the data's chroma are marked; the colour stays.
    Paste(p->EditHVC1, QStringLiteral("60"));
    EXPECT_EQ(Problem(), "値が範囲外です！");
    EXPECT_EQ(w->CurRGB(), 0x3A9F62u);

    Stop();
    EXPECT_EQ(StoredSetting("MunsellMethod"), "1");
    StartOn(4);
    p = w->findChild<app::MunsellPage*>();
    EXPECT_EQ(p->ComboBoxHVCMethod->currentIndex(), 1);
    EXPECT_EQ(w->Conditions().method, MunsellMethod::Renotation);
    Stop();
    StoreSetting("MunsellMethod", "7");  // no method: the search
    StartOn(4);
    EXPECT_EQ(w->Conditions().method, MunsellMethod::Search);
    Stop();
    QFile::remove(SettingsPath());  // no choice stored yet: the interpolation
    StartOn(4);
    EXPECT_EQ(w->Conditions().method, MunsellMethod::Renotation);
}

// The window's conditions: a table read ahead is what the first load of
// the same file takes, its error included; a load of another file reads
// that file; a load that fails keeps the table in use.
TEST(WindowConditions, ATableReadAheadIsTheFileItWasReadFrom)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto write = [&](const QByteArray& text) {
        QFile f(dir.filePath(QString::fromLatin1(MunsellFileD65 + 1)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    };
    // A sample on each of the 40 hue pages.
    QByteArray pages;
    for (int k = 1; k <= 40; ++k) pages += QByteArray::number(2.5 * k) + ",5,2,19.3,0.34,0.33\n";
    write(pages);
    app::WindowConditions ahead(app::StartReadingMunsellTable(dir.path(), MunsellIlluminant::D65));
    ahead.LoadMunsellTable(dir.path());
    ASSERT_TRUE(ahead.Values().munsell);
    EXPECT_EQ(ahead.Values().munsell->Rows().size(), 40u);
    EXPECT_EQ(ahead.Values().munsell->Illuminant(), MunsellIlluminant::D65);

    write("1,2,3,4,x,6\n");
    app::WindowConditions failing(app::StartReadingMunsellTable(dir.path(), MunsellIlluminant::D65));
    EXPECT_THROW(failing.LoadMunsellTable(dir.path()), FileError);
    EXPECT_FALSE(failing.Values().munsell);

    write("5,5,2,19.3,0.34,0.33\n");
    app::WindowConditions other(app::StartReadingMunsellTable(dir.path(), MunsellIlluminant::D65));
    other.SetMunsellFile(1);  // Illuminant C: no such file here
    EXPECT_THROW(other.LoadMunsellTable(dir.path()), FileError) << "not the file read ahead";
    other.SetMunsellFile(0);
    write(pages + "10,4,2,12,0.3,0.3\n");
    other.LoadMunsellTable(dir.path());
    const MunsellTablePtr loaded = other.Values().munsell;
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->Rows().size(), 41u) << "the file as it is now";
    write("1,2,3,4,5\n");
    EXPECT_THROW(other.LoadMunsellTable(dir.path()), FileError);
    EXPECT_EQ(other.Values().munsell, loaded) << "the table in use stays";
}
