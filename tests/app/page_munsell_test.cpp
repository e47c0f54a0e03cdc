// The Munsell page: refresh, the hue text in both directions, typed Munsell
// and Yxy values, and the choice of renotation table.
#include <QComboBox>
#include <QFile>
#include <QLabel>
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
        StartOn(4);
        p = w->findChild<app::MunsellPage*>();
    }
    void TearDown() override
    {
        PageTest::TearDown();
        app::SetProgramFolder(QString());
        MunsellMethodInUse = MunsellMethod::Search;
    }
    QStringList HVC() const { return {p->EditHVC3->text(), p->EditHVC2->text(), p->EditHVC1->text()}; }
    QStringList Yxy() const { return {p->EditHVCxyY3->text(), p->EditHVCxyY2->text(), p->EditHVCxyY1->text()}; }
    static QStringList HVCTexts(const TColorVec& hvc)
    {
        return {MunsellPage::HueText(hvc[0]), app::FixedText(hvc[1], 1), app::FixedText(hvc[2], 1)};
    }
    static QStringList YxyTexts(const TColorVec& yxy)
    {
        return {app::FixedText(yxy[2], 2), app::FixedText(yxy[0], 4), app::FixedText(yxy[1], 4)};
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
    EXPECT_EQ(MunsellFileName, MunsellFileD65);
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

TEST_F(MunsellPageTest, RefreshShowsTheMunsellAndYxyValuesAndLogsThem)
{
    for (RGBCode rgb : {0x000000u, 0x808080u, 0xFFFFFFu, 0xFF0000u, 0x3A9F62u, 0x336699u, 0xFFCC00u}) {
        SCOPED_TRACE(Hex(rgb).toStdString());
        SetColour(rgb);
        Refresh();
        TColorVec hvc{}, yxy{};
        RGBToHVC(rgb, hvc, yxy);
        EXPECT_EQ(HVC(), HVCTexts(hvc));
        EXPECT_EQ(Yxy(), YxyTexts(yxy));
        const bool grey = (rgb >> 16 & 0xFF) == (rgb & 0xFF) && (rgb >> 8 & 0xFF) == (rgb & 0xFF);
        EXPECT_EQ(p->EditHVC3->text() == "N", grey);
        EXPECT_EQ(Result(), YxyToRGB(yxy));
        EXPECT_EQ(w->CurRGB(), rgb);
        EXPECT_EQ(LastLog(), "RGB=#" + Hex(rgb) + " HV/C=" + HVC().join(','));
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MunsellPageTest, TypedHueIsSplitIntoNumberAndFamily)
{
    struct Case {
        const char* text;
        float H;  // NAN: no conversion at all
        bool error;
    } cases[] = {
        {"5R", 5, false},        {"5r", 5, false},  {"10RP", 100, false}, {" 2.5 yr", 12.5f, false},
        {"7.5PB", 77.5f, false}, {"N", -1, false},  {"X", NAN, true},     {"5X", NAN, true},  // no such family
        {"R", NAN, true},        {"5", NAN, false}, {"", NAN, false},     {"-R", NAN, true},
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
        if (std::isnan(c.H)) {
            EXPECT_EQ(w->CurRGB(), before);
            EXPECT_EQ(Yxy(), yxyBefore);
            continue;
        }
        TColorVec yxy{};
        const RGBCode expected = HVCToRGB({c.H, 5, 4}, yxy);
        EXPECT_EQ(w->CurRGB(), expected);
        EXPECT_EQ(Result(), expected);
        EXPECT_EQ(Yxy(), YxyTexts(yxy));
    }
}

TEST_F(MunsellPageTest, EditingTheValueKeepsAPaddedHue)
{
    Paste(p->EditHVC1, QStringLiteral("6.0"));
    Paste(p->EditHVC3, QStringLiteral(" 5.0R"));
    Paste(p->EditHVC2, QStringLiteral("4.5"));
    EXPECT_EQ(p->EditHVC3->text(), " 5.0R");
    TColorVec yxy{};
    EXPECT_EQ(w->CurRGB(), HVCToRGB({5, 4.5f, 6}, yxy));
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
        EXPECT_EQ(w->CurRGB(), HVCToRGB({5, 4.5f, 6}, yxy)) << r.text;
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
    Paste(p->EditHVCxyY2, QStringLiteral("0.3500"));
    const TColorVec yxy = ShownYxy();
    TColorVec xyz = yxy;
    EXPECT_EQ(w->CurRGB(), YxyToRGB(xyz));
    EXPECT_EQ(Result(), w->CurRGB());
    TColorVec hvc{};
    YxyToHVC(yxy, hvc);
    EXPECT_EQ(HVC(), HVCTexts(hvc));
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
    EXPECT_EQ(MunsellFileName, MunsellFileC);
    EXPECT_NE(HVC(), d65);
    EXPECT_EQ(LogLines().size(), lines + 1);
    EXPECT_TRUE(dialogs.messages.empty());
    // What the page shows agrees with the new table, and the colour is what
    // those values convert back to.
    TColorVec shown = ShownYxy(), hvc{};
    YxyToHVC(shown, hvc);
    EXPECT_EQ(HVC(), HVCTexts(hvc));
    TColorVec xyz = shown;
    EXPECT_EQ(w->CurRGB(), YxyToRGB(xyz));
    EXPECT_EQ(test::Child<QLineEdit>(w, "editRGBHEX")->text(), Hex(w->CurRGB()));

    Choose(p->ComboBoxHVC, 0);
    EXPECT_EQ(MunsellFileName, MunsellFileD65);
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
    EXPECT_EQ(MunsellMethodInUse, MunsellMethod::Renotation);
    TColorVec hvc{}, yxy{};
    RenotationRGBToHVC(0x3A9F62, hvc, yxy);
    EXPECT_EQ(HVC(), HVCTexts(hvc));
    EXPECT_NE(HVC(), search);
    EXPECT_EQ(w->CurRGB(), 0x3A9F62u);  // the colour's own Yxy converts back to it
    // Typed values past the data's chroma are marked; the colour stays.
    Paste(p->EditHVC1, QStringLiteral("60"));
    EXPECT_EQ(Problem(), "値が範囲外です！");
    EXPECT_EQ(w->CurRGB(), 0x3A9F62u);

    Stop();
    EXPECT_EQ(StoredSetting("MunsellMethod"), "1");
    MunsellMethodInUse = MunsellMethod::Search;
    StartOn(4);
    p = w->findChild<app::MunsellPage*>();
    EXPECT_EQ(p->ComboBoxHVCMethod->currentIndex(), 1);
    EXPECT_EQ(MunsellMethodInUse, MunsellMethod::Renotation);
    Stop();
    StoreSetting("MunsellMethod", "7");  // no method: the search
    StartOn(4);
    EXPECT_EQ(MunsellMethodInUse, MunsellMethod::Search);
}
