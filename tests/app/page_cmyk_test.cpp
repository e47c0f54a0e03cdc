// The CMYK page: refresh, track bars and spin edits, the percent display and
// the code label; inks by a CMYK profile.
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QSlider>

#include "colour/cmyk.h"
#include "page_testing.h"
#include "pages/page_cmyk.h"

using namespace qolvar;
using app::CMYKPage;
using platform::SpinEdit;

namespace {

int Percent(int v) { return static_cast<int>(std::llrint(v * 100.0L / 255)); }

class CMYKPageTest : public test::PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        StartOn(2);
        p = w->findChild<app::CMYKPage*>();
    }
    QStringList Spins() const
    {
        return {p->SpinEditCMYK4->Text(), p->SpinEditCMYK3->Text(), p->SpinEditCMYK2->Text(), p->SpinEditCMYK1->Text()};
    }
    CMYKCode Tracks() const
    {
        return static_cast<CMYKCode>(p->TrackBarCMYK4->value()) << 24 |
               static_cast<CMYKCode>(p->TrackBarCMYK3->value()) << 16 |
               static_cast<CMYKCode>(p->TrackBarCMYK2->value()) << 8 | static_cast<CMYKCode>(p->TrackBarCMYK1->value());
    }
    static QStringList Bytes(CMYKCode code, bool percent)
    {
        QStringList l;
        for (int shift = 24; shift >= 0; shift -= 8) {
            const int v = static_cast<int>((code >> shift) & 0xFF);
            l << QString::number(percent ? Percent(v) : v);
        }
        return l;
    }
    CMYKPage* p = nullptr;
};

TEST_F(CMYKPageTest, StartsWithPercentDisplayAndZeros)
{
    EXPECT_EQ(Spins(), QStringList({"0", "0", "0", "0"}));
    EXPECT_TRUE(p->ckCMYK->isChecked());
    EXPECT_EQ(p->LabelCPer1->text(), "%");
    EXPECT_EQ(p->SpinEditCMYK1->maxValue(), 100);
    ExpectClearOfTheResultSwatch(p);
}

TEST_F(CMYKPageTest, RefreshShowsTheLibraryCodeAndLogsIt)
{
    for (RGBCode rgb : {0x000000u, 0xFFFFFFu, 0x102030u, 0x3A9F62u, 0xFF00FFu, 0x808080u}) {
        SCOPED_TRACE(Hex(rgb).toStdString());
        SetColour(rgb);
        Refresh();
        const CMYKCode code = RGBToCMYK(rgb);
        EXPECT_EQ(Tracks(), code);
        EXPECT_EQ(Spins(), Bytes(code, true));
        EXPECT_EQ(p->LabelCMYK0->text(), QString::asprintf("#%08X", code));
        EXPECT_EQ(Result(), CMYKToRGB(code));
        EXPECT_EQ(w->CurRGB(), rgb);
        EXPECT_EQ(LastLog(), "RGB=#" + Hex(rgb) + " CMYK=" + Bytes(code, true).join(','));
    }
}

TEST_F(CMYKPageTest, TypedPercentIsScaledTo255)
{
    const int cases[][2] = {{10, 26}, {30, 76}, {50, 128}, {70, 178}, {90, 230}, {100, 255}, {0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0]);
        Type(p->SpinEditCMYK1, QString::number(c[0]));
        EXPECT_EQ(p->TrackBarCMYK1->value(), c[1]);
        EXPECT_EQ(w->CurRGB(), CMYKToRGB(static_cast<CMYKCode>(c[1])));
        EXPECT_EQ(Result(), w->CurRGB());
        EXPECT_EQ(test::Child<QLineEdit>(w, "editRGBHEX")->text(), Hex(w->CurRGB()));
        EXPECT_EQ(p->SpinEditCMYK1->Text(), QString::number(c[0]));
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(CMYKPageTest, TypedValuesBeyondAByteWrapAndUnreadableTextIsReported)
{
    struct Case {
        bool percent;
        const char* text;
        const char* shown;  // the spin edit's text afterwards
        int k;              // K on the track bar afterwards, -1: unchanged
        bool error;
    } cases[] = {
        {false, "300", "44", 44, false},                                      // taken modulo 256
        {false, "255", "255", 255, false}, {true, "200", "100", 254, false},  // 510 modulo 256, shown again in percent
        {false, "", "", -1, false},                                           // waits for a number
        {false, "abc", "abc", -1, true},   {true, "-", "-", -1, true},        // no lone-sign rule on this page
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        if (p->ckCMYK->isChecked() != c.percent) p->ckCMYK->click();
        SetColour(0x808080);
        Refresh();
        const int k = p->TrackBarCMYK1->value();
        dialogs.messages.clear();
        p->SpinEditCMYK1->setText(QString::fromUtf8(c.text));
        EXPECT_EQ(p->SpinEditCMYK1->Text(), c.shown);
        EXPECT_EQ(p->TrackBarCMYK1->value(), c.k < 0 ? k : c.k);
        EXPECT_TRUE(dialogs.TakeTexts().isEmpty());
        EXPECT_EQ(app::FieldMarked(p->SpinEditCMYK1), c.error);
        EXPECT_EQ(Problem().isEmpty(), !c.error);
        EXPECT_EQ(w->CurRGB(), c.k < 0 ? 0x808080u : CMYKToRGB(static_cast<CMYKCode>(c.k)));
        EXPECT_FALSE(w->InUpdate());
    }
}

TEST_F(CMYKPageTest, DraggingATrackBarUpdatesItsSpinEditAndTheColour)
{
    const int lines = LogLines().size();
    p->TrackBarCMYK2->setValue(128);
    EXPECT_EQ(Spins(), QStringList({"0", "0", "50", "0"}));
    EXPECT_EQ(w->CurRGB(), CMYKToRGB(0x00008000));
    EXPECT_EQ(w->CurRGB(), 0xFFFF7Fu);
    p->ckCMYK->click();
    const int afterSwitch = LogLines().size();
    EXPECT_EQ(afterSwitch, lines + 1);  // the check box refreshes and logs
    p->TrackBarCMYK1->setValue(255);
    p->TrackBarCMYK2->setValue(0);
    EXPECT_EQ(p->SpinEditCMYK1->Text(), "255");
    EXPECT_EQ(p->LabelCMYK0->text(), "#000000FF");
    EXPECT_EQ(w->CurRGB(), 0x000000u);
    EXPECT_EQ(LogLines().size(), afterSwitch);  // edits write no log line
}

// The check box refreshes under the update guard: the values are shown in
// the other scale and the colour never changes (rounding through percent
// once turned C 90 % into 60 %).
TEST_F(CMYKPageTest, PercentSwitchNeverChangesTheColour)
{
    SetColour(0x102030);  // C, M, Y, K = 0x20, 0x10, 0x00, 0xCF
    p->ckCMYK->click();
    EXPECT_FALSE(p->ckCMYK->isChecked());
    EXPECT_EQ(Spins(), QStringList({"32", "16", "0", "207"}));
    for (QLabel* l : {p->LabelCPer4, p->LabelCPer3, p->LabelCPer2, p->LabelCPer1}) EXPECT_EQ(l->text(), "");
    EXPECT_EQ(p->SpinEditCMYK4->maxValue(), 255);
    EXPECT_EQ(w->CurRGB(), 0x102030u);
    EXPECT_EQ(LastLog(), "RGB=#102030 CMYK=32,16,0,207");

    p->ckCMYK->click();  // percent: 32, 16, 0, 207 are 13, 6, 0, 81 %
    EXPECT_EQ(Spins(), QStringList({"13", "6", "0", "81"}));
    EXPECT_EQ(Tracks(), 0x201000CFu);
    EXPECT_EQ(p->LabelCMYK0->text(), "#201000CF");
    EXPECT_EQ(w->CurRGB(), 0x102030u);
    EXPECT_EQ(test::Child<QLineEdit>(w, "editRGBHEX")->text(), "102030");
    EXPECT_EQ(Result(), 0x102030u);
    EXPECT_EQ(LastLog(), "RGB=#102030 CMYK=13,6,0,81");
    // C typed as 90 % on white stays 90 % (230) across two switches.
    SetColour(0xFFFFFF);
    Refresh();
    Type(p->SpinEditCMYK4, "90");
    EXPECT_EQ(w->CurRGB(), 0x19FFFFu);
    const RGBCode typed = w->CurRGB();
    p->ckCMYK->click();
    p->ckCMYK->click();
    EXPECT_EQ(w->CurRGB(), typed);
    EXPECT_EQ(p->SpinEditCMYK4->Text(), "90");
    EXPECT_TRUE(dialogs.messages.empty());
}

// Inks by a CMYK profile. The expected inks and codes come from LittleCMS
// 2.14's transicc with the same profile (Debian's libgs-common), e.g.
//   echo "58 159 98" | transicc -t1 -i '*sRGB' -o default_cmyk.icc -n
//   echo "37.25 10 0 5" | transicc -t1 -i default_cmyk.icc -o '*sRGB' -n
// with -t0 perceptual, -t1 relative, -t3 absolute and -b black-point
// compensation; inks rounded to two decimals, codes to integers.
const char* const kCMYKProfile = "/usr/share/color/icc/ghostscript/default_cmyk.icc";

class CMYKProfilePage : public test::PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        if (!QFile::exists(QString::fromLatin1(kCMYKProfile))) GTEST_SKIP() << kCMYKProfile << " is not installed";
    }
    // Starts the program with the profile and intent kept in the settings;
    // the boxes of start-up are kept in dialogs.messages.
    void StartWith(const QString& profile, int intent, bool bpc)
    {
        Stop();
        dialogs.messages.clear();
        StoreSetting("CMYKProfile", profile);
        StoreSetting("CMYKIntent", QString::number(intent));
        StoreSetting("CMYKBPC", bpc ? "1" : "0");
        w = Start().formMain.get();
        w->show();
        test::ShowPage(w, 2);
        p = w->findChild<app::CMYKPage*>();
    }
    void SetIntent(int intent, bool bpc)
    {
        if (p->cboxCMYKIntent->currentIndex() != intent) Choose(p->cboxCMYKIntent, intent);
        if (p->ckCMYKBPC->isChecked() != bpc) p->ckCMYKBPC->click();
    }
    QStringList Spins() const
    {
        return {p->SpinEditCMYK4->Text(), p->SpinEditCMYK3->Text(), p->SpinEditCMYK2->Text(), p->SpinEditCMYK1->Text()};
    }
    CMYKPage* p = nullptr;
};

TEST_F(CMYKProfilePage, InksAreLittleCMSsAndTheChoiceIsKept)
{
    struct Row {
        int intent;
        bool bpc;
        RGBCode rgb;
        QStringList inks;
    } rows[] = {
        {1, false, 0xFF0000, {"0.00", "100.00", "100.00", "0.00"}},
        {1, false, 0x3A9F62, {"80.52", "14.22", "86.42", "1.86"}},
        {1, true, 0x808080, {"50.90", "43.57", "43.68", "7.66"}},
        {1, true, 0x102030, {"87.68", "75.51", "53.63", "64.93"}},
        {3, false, 0x102030, {"86.97", "73.77", "57.24", "75.76"}},
    };
    StartWith(QString::fromLatin1(kCMYKProfile), 1, false);
    dialogs.messages.clear();
    for (const Row& r : rows) {
        SCOPED_TRACE(Hex(r.rgb).toStdString());
        SetIntent(r.intent, r.bpc);
        SetColour(r.rgb);
        Refresh();
        EXPECT_EQ(Spins(), r.inks);
        EXPECT_EQ(p->TrackBarCMYK4->value(), std::lround(r.inks[0].toDouble() * 100));
        EXPECT_EQ(p->TrackBarCMYK1->value(), std::lround(r.inks[3].toDouble() * 100));
        EXPECT_EQ(w->CurRGB(), r.rgb);
    }
    EXPECT_TRUE(dialogs.messages.empty());
    Stop();
    EXPECT_EQ(StoredSetting("CMYKProfile"), kCMYKProfile);
    EXPECT_EQ(StoredSetting("CMYKIntent"), "3");
    EXPECT_EQ(StoredSetting("CMYKBPC"), "0");
}

TEST_F(CMYKProfilePage, TypedInksGiveLittleCMSsCode)
{
    struct Row {
        int intent;
        QStringList inks;
        RGBCode rgb;
    } rows[] = {
        {1, {"0", "100", "100", "0"}, 0xEE3338},    // 237.67 51.33 55.82
        {1, {"37.25", "10", "0", "5"}, 0x96C0E1},   // 149.62 191.73 224.56
        {1, {"20", "40", "60", "10.5"}, 0xBC926E},  // 187.95 146.37 110.47
        {0, {"0", "100", "100", "0"}, 0xED272D},    // 237.42 38.76 44.71
    };
    StartWith(QString(), 1, false);
    dialogs.messages.clear();
    Choose(p->cboxCMYKProfile, p->cboxCMYKProfile->findData(QString::fromLatin1(kCMYKProfile)));
    ASSERT_EQ(p->ProfilePath(), kCMYKProfile);
    for (const Row& r : rows) {
        SCOPED_TRACE(r.inks.join(' ').toStdString());
        SetIntent(r.intent, false);
        Type(p->SpinEditCMYK4, r.inks[0]);
        Type(p->SpinEditCMYK3, r.inks[1]);
        Type(p->SpinEditCMYK2, r.inks[2]);
        Type(p->SpinEditCMYK1, r.inks[3]);
        EXPECT_EQ(w->CurRGB(), r.rgb);
        EXPECT_EQ(Result(), r.rgb);
        EXPECT_EQ(Spins(), r.inks);  // as typed
        EXPECT_EQ(p->TrackBarCMYK4->value(), std::lround(r.inks[0].toDouble() * 100));
        EXPECT_TRUE(Problem().isEmpty());
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

// A profile that cannot serve as the CMYK profile (an RGB one, a file that
// is missing) is refused: chosen with "Other…" it is reported and the
// choice stays; kept in the settings it leaves the formula, said in the
// status bar only.
TEST_F(CMYKProfilePage, AProfileRefusedLeavesTheChoiceAsItWas)
{
    QString rgbProfile = "/usr/share/color/icc/colord/sRGB.icc";
    if (!QFile::exists(rgbProfile)) rgbProfile = "/usr/share/color/icc/ghostscript/srgb.icc";
    if (!QFile::exists(rgbProfile)) GTEST_SKIP() << "no RGB profile installed";
    const QString missing = dir.filePath("missing.icc");
    for (const QString& before : {QString(), QString::fromLatin1(kCMYKProfile)}) {
        for (const QString& chosen : {rgbProfile, missing}) {
            SCOPED_TRACE((before + " then " + chosen).toStdString());
            StartWith(before, 1, false);
            dialogs.messages.clear();
            const int index = p->cboxCMYKProfile->currentIndex();
            dialogs.openPaths = {chosen};
            Choose(p->cboxCMYKProfile, p->cboxCMYKProfile->count() - 1);
            EXPECT_EQ(p->cboxCMYKProfile->currentIndex(), index);
            EXPECT_EQ(p->ProfilePath(), before);
            EXPECT_EQ(p->SpinEditCMYK4->decimals(), before.isEmpty() ? 0 : 2);
            const QStringList texts = dialogs.TakeTexts();
            ASSERT_EQ(texts.size(), 1);
            EXPECT_TRUE(texts[0].contains(chosen)) << texts[0].toStdString();
        }
    }
    for (const QString& stored : {rgbProfile, missing}) {
        SCOPED_TRACE(stored.toStdString());
        StartWith(stored, 1, false);
        EXPECT_EQ(p->ProfilePath(), "");
        EXPECT_EQ(p->cboxCMYKProfile->currentIndex(), 0);
        EXPECT_TRUE(Problem().contains(stored)) << Problem().toStdString();
        for (const QString& text : dialogs.TakeTexts()) EXPECT_FALSE(text.contains(stored)) << text.toStdString();
        // Not forgotten: it is tried again at the next start, unless the
        // user chose something else meanwhile.
        Stop();
        EXPECT_EQ(StoredSetting("CMYKProfile"), stored);
        StartWith(stored, 1, false);
        Choose(p->cboxCMYKProfile, 0);
        Stop();
        EXPECT_EQ(StoredSetting("CMYKProfile"), "");
    }
}

}  // namespace
