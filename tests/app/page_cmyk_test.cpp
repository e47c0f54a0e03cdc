// The CMYK page: refresh, track bars and spin edits, the percent display and
// the code label.
#include <QCheckBox>
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

}  // namespace
