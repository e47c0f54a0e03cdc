// The VIDEO page: the four luma / colour-difference models, signed and
// unsigned differences, typed values and the lone-sign rule.
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "colour/video.h"
#include "page_testing.h"
#include "pages/page_video.h"

using namespace qolvar;
using app::VideoPage;
using platform::SpinEdit;

namespace {

const char* const kNames[] = {"YUV", "YCbCr", "YPbPr", "YIQ"};
// The models of the page's modes.
constexpr Model kModeModels[] = {Model::YUV, Model::YCbCr, Model::YPbPr, Model::YIQ};

class VideoPageTest : public test::PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        StartOn(3);
        p = w->findChild<app::VideoPage*>();
    }
    void SelectMode(int mode) { p->RadioGroupYx1x2->findChildren<QRadioButton*>()[mode]->click(); }
    QStringList Spins() const
    {
        return {p->SpinEditYx1x23->Text(), p->SpinEditYx1x22->Text(), p->SpinEditYx1x21->Text()};
    }
    static QStringList Shown(VideoCode code, bool isSigned)
    {
        auto d = [&](VideoCode b) { return QString::number(isSigned ? SignedByte(b) : static_cast<int>(b & 0xFF)); };
        return {QString::number((code >> 16) & 0xFF), d(code >> 8), d(code)};
    }
    VideoPage* p = nullptr;
};

TEST_F(VideoPageTest, StartsInYUVWithSignedRanges)
{
    EXPECT_EQ(p->ModeIndex(), VideoPage::kYUV);
    EXPECT_EQ(Spins(), QStringList({"0", "0", "0"}));
    EXPECT_EQ(p->SpinEditYx1x22->minValue(), -128);
    EXPECT_EQ(p->SpinEditYx1x21->maxValue(), 127);
    ExpectClearOfTheResultSwatch(p);
}

TEST_F(VideoPageTest, RefreshShowsEachModelAndLogsIt)
{
    for (int mode : {0, 1, 2, 3}) {
        if (mode != p->ModeIndex()) SelectMode(mode);
        for (RGBCode rgb : {0x000000u, 0xFFFFFFu, 0xFF0000u, 0x0000FFu, 0x3A9F62u, 0x808080u}) {
            SCOPED_TRACE(QString("%1 %2").arg(kNames[mode], Hex(rgb)).toStdString());
            SetColour(rgb);
            Refresh();
            const VideoCode code = RGBToVideo(kModeModels[mode], rgb);
            const QStringList shown = Shown(code, mode != VideoPage::kYCbCr);
            EXPECT_EQ(Spins(), shown);
            EXPECT_EQ(p->LabelYx1x20->text(), QString::asprintf("#%06X", code));
            EXPECT_EQ(Result(), VideoToRGB(kModeModels[mode], code));
            EXPECT_EQ(w->CurRGB(), rgb);
            EXPECT_EQ(LastLog(), "RGB=#" + Hex(rgb) + " " + kNames[mode] + "=" + shown.join(','));
        }
    }
}

TEST_F(VideoPageTest, ModeSwitchSetsCaptionsRangesAndRefreshes)
{
    struct Step {
        int mode;
        const char *d1, *d2;
        int min, max;
        const char* grey;  // the differences of grey
    };
    const Step steps[] = {
        {VideoPage::kYCbCr, "色差[青み](Cb)", "色差[赤み](Cr)", 16, 240, "128,128"},
        {VideoPage::kYPbPr, "色差[青み](Pb)", "色差[赤み](Pr)", -128, 127, "0,0"},
        {VideoPage::kYIQ, "間隔[橙→水](I)", "対角[黄→紫](Q)", -128, 127, "0,0"},
        {VideoPage::kYUV, "色差[青み](U)", "色差[赤み](V)", -128, 127, "0,0"},
    };
    SetColour(0x808080);
    int lines = LogLines().size();
    for (const Step& s : steps) {
        SCOPED_TRACE(kNames[s.mode]);
        SelectMode(s.mode);
        EXPECT_EQ(p->LabelYx1x2->text(), kNames[s.mode]);
        EXPECT_EQ(p->LabelYx1x22->text(), s.d1);
        EXPECT_EQ(p->LabelYx1x21->text(), s.d2);
        for (SpinEdit* d : {p->SpinEditYx1x22, p->SpinEditYx1x21}) {
            EXPECT_EQ(d->minValue(), s.min);
            EXPECT_EQ(d->maxValue(), s.max);
        }
        EXPECT_EQ(LogLines().size(), ++lines);
        EXPECT_TRUE(LastLog().startsWith(QString("RGB=#808080 %1=").arg(kNames[s.mode])));
        EXPECT_TRUE(LastLog().endsWith(QString(",") + s.grey));
        EXPECT_FALSE(p->LabelYx1x20->text().isEmpty());
    }
}

TEST_F(VideoPageTest, LoneSignWaitsThenTheNegativeDifferenceConverts)
{
    SetColour(0x808080);
    Refresh();
    Type(p->SpinEditYx1x22, QStringLiteral("-"));
    EXPECT_EQ(w->CurRGB(), 0x808080u);
    EXPECT_TRUE(dialogs.messages.empty());
    QTest::keyClicks(p->SpinEditYx1x22, QStringLiteral("20"));
    EXPECT_EQ(p->SpinEditYx1x22->Text(), "-20");
    const VideoCode code = (RGBToYUV(0x808080) & 0xFF00FF) | 0xEC00;
    EXPECT_EQ(w->CurRGB(), YUVToRGB(code));
    EXPECT_EQ(Result(), w->CurRGB());
    EXPECT_EQ(p->LabelYx1x20->text(), QString::asprintf("#%06X", code));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(VideoPageTest, TypedValuesWrapToAByteOrAreReported)
{
    struct Case {
        int mode;
        int field;  // 3: luma, 2: first difference, 1: second
        const char* text;
        const char* shown;  // the field afterwards
        bool converts, error;
    } cases[] = {
        {VideoPage::kYUV, 3, "300", "44", true, false},     // luma modulo 256
        {VideoPage::kYUV, 2, "200", "-56", true, false},    // shown again as a signed byte
        {VideoPage::kYCbCr, 1, "-16", "240", true, false},  // shown again unsigned
        {VideoPage::kYIQ, 2, "", "", false, false},         // waits for digits
        {VideoPage::kYPbPr, 1, "-", "-", false, false},
        {VideoPage::kYUV, 3, "-", "-", false, true},  // the sign rule is for differences only
        {VideoPage::kYUV, 2, "1O", "1O", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("%1 %2").arg(kNames[c.mode], c.text).toStdString());
        if (c.mode != p->ModeIndex()) SelectMode(c.mode);
        SetColour(0x3A9F62);
        Refresh();
        SpinEdit* s = c.field == 3 ? p->SpinEditYx1x23 : c.field == 2 ? p->SpinEditYx1x22 : p->SpinEditYx1x21;
        s->setText(QString::fromUtf8(c.text));
        EXPECT_EQ(s->Text(), c.shown);
        EXPECT_TRUE(dialogs.TakeTexts().isEmpty());
        EXPECT_EQ(app::FieldMarked(s), c.error);
        EXPECT_EQ(Problem().isEmpty(), !c.error);
        EXPECT_FALSE(w->InUpdate());
        if (c.converts) {
            auto byte = [](SpinEdit* e) { return static_cast<VideoCode>(*e->readInt()) & 0xFF; };
            const VideoCode code =
                byte(p->SpinEditYx1x23) << 16 | byte(p->SpinEditYx1x22) << 8 | byte(p->SpinEditYx1x21);
            EXPECT_EQ(w->CurRGB(), VideoToRGB(kModeModels[c.mode], code));
        } else {
            EXPECT_EQ(w->CurRGB(), 0x3A9F62u);
        }
    }
}

// A studio standard on the page: codes of the chosen matrix, range and bit
// depth, typed codes back to the nearest sRGB code, clamping marked, and
// the choice kept for the next start.
TEST_F(VideoPageTest, StandardCodesConvertBothWaysAndAreStored)
{
    SelectMode(VideoPage::kYCbCr);
    Choose(p->ComboBoxVideoStandard, 2);  // BT.709
    Choose(p->ComboBoxVideoBits, 1);      // 10 bits, narrow range
    struct Row {
        RGBCode rgb;
        const char* codes;
    };
    // 100 % bars of the published 10-bit BT.709 narrow-range table.
    const Row bars[] = {
        {0xFFFFFF, "940,512,512"}, {0xFF0000, "250,409,960"}, {0x0000FF, "127,960,471"}, {0x000000, "64,512,512"}};
    for (const Row& r : bars) {
        SCOPED_TRACE(Hex(r.rgb).toStdString());
        SetColour(r.rgb);
        Refresh();
        EXPECT_EQ(Spins().join(','), r.codes);
        EXPECT_EQ(Result(), r.rgb);
        EXPECT_EQ(LastLog(), "RGB=#" + Hex(r.rgb) + " YCbCr ITU-R BT.709 " + p->ComboBoxVideoRange->currentText() +
                                 " " + p->ComboBoxVideoBits->currentText() + "=" + r.codes);
    }
    ExpectClearOfTheResultSwatch(p);
    // Typed codes: white; a code beyond ten bits is refused; a code outside
    // sRGB comes to the nearest colour with a mark.
    Type(p->SpinEditYx1x23, QStringLiteral("940"));
    EXPECT_EQ(w->CurRGB(), 0xFFFFFFu);
    p->SpinEditYx1x21->setText(QStringLiteral("1024"));
    EXPECT_TRUE(app::FieldMarked(p->SpinEditYx1x21));
    EXPECT_EQ(w->CurRGB(), 0xFFFFFFu);
    p->SpinEditYx1x21->setText(QStringLiteral("1023"));  // Y 940 with Cr at its top: R' above 1
    EXPECT_FALSE(app::FieldMarked(p->SpinEditYx1x21));
    EXPECT_FALSE(p->LabelYx1x20->text().isEmpty());

    // BT.601 full range, 8 bits: pure red's Cr is 255.5 and is clamped.
    Choose(p->ComboBoxVideoStandard, 1);
    Choose(p->ComboBoxVideoRange, 1);
    Choose(p->ComboBoxVideoBits, 0);
    SetColour(0xFF0000);
    Refresh();
    EXPECT_EQ(Spins().join(','), "76,85,255");
    EXPECT_FALSE(p->LabelYx1x20->text().isEmpty());
    // Y'PbPr by BT.709 with three decimals: red is 0.2126, -0.1146, 0.5.
    Choose(p->ComboBoxVideoStandard, 2);
    SelectMode(VideoPage::kYPbPr);
    EXPECT_EQ(Spins().join(','), "0.213,-0.115,0.500");
    Type(p->SpinEditYx1x23, QStringLiteral("1"));
    Type(p->SpinEditYx1x22, QStringLiteral("0"));
    Type(p->SpinEditYx1x21, QStringLiteral("0"));
    EXPECT_EQ(w->CurRGB(), 0xFFFFFFu);
    // YUV and YIQ stay the classic models.
    SelectMode(VideoPage::kYUV);
    SetColour(0xFF0000);
    Refresh();
    EXPECT_EQ(Spins(), Shown(RGBToVideo(Model::YUV, 0xFF0000), true));

    Stop();
    EXPECT_EQ(StoredSetting("VideoStandard"), "2");
    EXPECT_EQ(StoredSetting("VideoRange"), "1");
    EXPECT_EQ(StoredSetting("VideoBits"), "8");
    StartOn(3);
    p = w->findChild<app::VideoPage*>();
    ASSERT_TRUE(p->Standard().has_value());
    EXPECT_EQ(p->Standard()->matrix, VideoMatrix::BT709);
    EXPECT_EQ(p->Standard()->range, VideoRange::Full);
}

}  // namespace
