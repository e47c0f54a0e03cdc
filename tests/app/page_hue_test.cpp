// The HUE page: refresh, typed values, modes, the percent display and the
// picks on the colour field and the strip.
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>

#include "colour/hue.h"
#include "fixture.h"
#include "mainwindow/logviewer.h"
#include "mainwindow/mainwindow.h"
#include "pages/huefield.h"
#include "pages/page_hue.h"
#include "platform/colorpanel.h"
#include "platform/spinedit.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

using namespace qolvar;
using app::HuePage;
using app::TRect;
using platform::SpinEdit;

namespace {

constexpr int kHSV = HuePage::kHSV, kHLS = HuePage::kHLS;

class HuePageTest : public test::WidgetTest {
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        Start();
        w = windows->formMain.get();
        p = w->findChild<app::HuePage*>();
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
        test::ShowPage(w, 1);
        dialogs.messages.clear();
    }
    void SetColour(RGBCode rgb) { w->SetCurRGB(rgb); }
    void Refresh() { QTest::mouseClick(test::Child<QPushButton>(w, "BitBtn1"), Qt::LeftButton); }
    // Mode and display as the user sets them, then a refresh of rgb.
    void Show(int mode, bool percent, RGBCode rgb)
    {
        auto* item = p->findChild<QRadioButton*>(QStringLiteral("RadioGroupHue%1").arg(mode));
        QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(6, item->height() / 2));  // on the indicator
        if (p->ckHUE->isChecked() != percent) QTest::mouseClick(p->ckHUE, Qt::LeftButton);
        SetColour(rgb);
        Refresh();
    }
    static void Type(SpinEdit* spin, const QString& text)
    {
        spin->setFocus();
        QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
        text.isEmpty() ? QTest::keyClick(spin, Qt::Key_Delete) : QTest::keyClicks(spin, text);
    }
    static void Click(QWidget* box, QPoint at)
    {
        QTest::mousePress(box, Qt::LeftButton, {}, at);
        QTest::mouseRelease(box, Qt::LeftButton, {}, at);
    }
    QStringList Shown() const { return {p->SpinEditHUE3->Text(), p->SpinEditHUE2->Text(), p->SpinEditHUE1->Text()}; }
    // The colour of the values shown, read back in their display scale.
    RGBCode ShownColour() const
    {
        auto byte = [&](const SpinEdit* s) {
            const int v = s->readInt().value();
            return static_cast<HueCode>(p->ckHUE->isChecked() ? app::PercentToByte(v) : v) & 0xFF;
        };
        const HueCode code = static_cast<HueCode>(p->SpinEditHUE3->readInt().value()) << 16 |
                             byte(p->SpinEditHUE2) << 8 | byte(p->SpinEditHUE1);
        return Back(code);
    }
    RGBCode Back(HueCode code) const { return p->ModeIndex() == kHSV ? HSVToRGB(code) : HLSToRGB(code); }
    RGBCode Result() const { return ColorToCode(test::Child<platform::ColorPanel>(w, "Panel2")->color()); }
    int LogLines() const { return static_cast<int>(windows->formLogViewer->LogText().count(QStringLiteral("\r\n"))); }
    QString LastLog() const
    {
        return windows->formLogViewer->LogText()
            .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)
            .value(LogLines() - 1);
    }
    static QString Hex(std::uint32_t v, int digits)
    {
        return QStringLiteral("%1").arg(v, digits, 16, QLatin1Char('0')).toUpper();
    }
    // The areas as they must look: the plain field or strip and exactly one
    // marker where the page says it is.
    QImage ExpectedField() const
    {
        QImage img = p->PaintBox1->Canvas().copy();
        if (p->ModeIndex() == kHSV) {
            app::FillHSVField(img, static_cast<std::uint32_t>(p->SpinEditHUE3->readInt().value()));
        } else {
            QPainter painter(&img);
            painter.drawImage(0, 0, app::HLSFieldPicture());
        }
        if (p->MarkerShown) app::InvertEllipse(img, p->FieldMarkerRect);
        return img;
    }
    QImage ExpectedStrip(std::uint32_t hlsHue = 0, std::uint32_t hlsSaturation = 0) const
    {
        QImage img = p->PaintBox2->Canvas().copy();
        p->ModeIndex() == kHSV ? app::PaintHSVStrip(img) : app::PaintHLSStrip(img, hlsHue, hlsSaturation);
        app::InvertRectangle(img, p->StripMarkerRect);
        return img;
    }

    app::TformMain* w = nullptr;
    HuePage* p = nullptr;
};

TEST_F(HuePageTest, ModesRelabelRelayOutAndRefresh)
{
    struct Layout {
        const char *name, *middle, *low;
        int fieldWidth, stripLeft;
    };
    auto expectLayout = [&](const Layout& l) {
        EXPECT_EQ(p->LabelHUE->text(), l.name);
        EXPECT_EQ(p->LabelHUE2->text(), l.middle);
        EXPECT_EQ(p->LabelHUE1->text(), l.low);
        EXPECT_EQ(p->HUEPanel1->geometry(), QRect(6, 64, l.fieldWidth, 257));
        EXPECT_EQ(p->HUEPanel2->geometry(), QRect(l.stripLeft + 6, 64, 23, 257));
        EXPECT_EQ(p->PaintBox1->size(), QSize(l.fieldWidth - 2, 255));
    };
    const Layout hsv{"HSV", "彩度(S)", "強度(V)", 256, 260}, hls{"HLS", "明度(L)", "彩度(S)", 361, 364};
    // At start: HLS, percent display, nothing computed.
    expectLayout(hls);
    EXPECT_TRUE(p->ckHUE->isChecked());
    EXPECT_EQ(Shown(), QStringList({"0", "0", "0"}));
    EXPECT_EQ(p->LabelHUE0->text(), "");

    Show(kHSV, true, 0x336699);
    expectLayout(hsv);
    EXPECT_EQ(LastLog(), "RGB=#336699 HSV=210,67,60");
    EXPECT_EQ(p->PaintBox1->Canvas(), ExpectedField());
    EXPECT_EQ(p->PaintBox2->Canvas(), ExpectedStrip());
    Show(kHLS, true, 0x336699);
    expectLayout(hls);
    EXPECT_EQ(LastLog(), "RGB=#336699 HLS=210,40,50");
    EXPECT_EQ(LogLines(), 4);  // each mode switch and each refresh
}

// The values of a refresh from qolvar-cli convert hsv / hls (the baseline
// build), shown as bytes and as percent (rounded, 128 is 50 %), and the
// colour they give back (HLS of FF0000 is FF0101).
TEST_F(HuePageTest, RefreshShowsTheModelsCodesAndLogsThem)
{
    const struct {
        int mode;
        RGBCode rgb;
        QStringList bytes, percent;
        RGBCode back;
    } rows[] = {
        {kHSV, 0xFF0000, {"0", "255", "255"}, {"0", "100", "100"}, 0xFF0000},
        {kHSV, 0x00FF00, {"120", "255", "255"}, {"120", "100", "100"}, 0x00FF00},
        {kHSV, 0x336699, {"210", "170", "153"}, {"210", "67", "60"}, 0x336699},
        {kHSV, 0xFF8000, {"30", "255", "255"}, {"30", "100", "100"}, 0xFF8000},
        {kHSV, 0xFFFFFF, {"0", "0", "255"}, {"0", "0", "100"}, 0xFFFFFF},
        {kHSV, 0x000000, {"0", "0", "0"}, {"0", "0", "0"}, 0x000000},
        {kHSV, 0xFF0001, {"360", "255", "255"}, {"360", "100", "100"}, 0xFF0000},
        {kHSV, 0x123456, {"210", "202", "86"}, {"210", "79", "34"}, 0x123456},
        {kHLS, 0xFF0000, {"0", "128", "255"}, {"0", "50", "100"}, 0xFF0101},
        {kHLS, 0x00FF00, {"120", "128", "255"}, {"120", "50", "100"}, 0x01FF01},
        {kHLS, 0x336699, {"210", "102", "128"}, {"210", "40", "50"}, 0x336699},
        {kHLS, 0xFF8000, {"30", "128", "255"}, {"30", "50", "100"}, 0xFF8001},
        {kHLS, 0xFFFFFF, {"0", "255", "0"}, {"0", "100", "0"}, 0xFFFFFF},
        {kHLS, 0x000000, {"0", "0", "0"}, {"0", "0", "0"}, 0x000000},
        {kHLS, 0xFF0001, {"360", "128", "255"}, {"360", "50", "100"}, 0xFF0101},
        {kHLS, 0x123456, {"210", "52", "167"}, {"210", "20", "65"}, 0x123456},
    };
    for (const auto& r : rows)
        for (bool percent : {true, false}) {
            SCOPED_TRACE(Hex(r.rgb, 6).toStdString() + (percent ? " %" : " byte") + " mode " + std::to_string(r.mode));
            Show(r.mode, percent, r.rgb);
            const QStringList& values = percent ? r.percent : r.bytes;
            EXPECT_EQ(Shown(), values);
            const HueCode code = r.bytes[0].toUInt() << 16 | r.bytes[1].toUInt() << 8 | r.bytes[2].toUInt();
            EXPECT_EQ(p->LabelHUE0->text(), "#" + Hex(code, 7));
            EXPECT_EQ(Result(), r.back);
            EXPECT_EQ(LastLog(), "RGB=#" + Hex(r.rgb, 6) + (r.mode == kHSV ? " HSV=" : " HLS=") + values.join(','));
            EXPECT_EQ(w->CurRGB(), r.rgb);
            EXPECT_EQ(p->LabelHPer1->text(), percent ? "%" : "");
            EXPECT_EQ(p->SpinEditHUE1->maxValue(), percent ? 100 : 255);
        }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(HuePageTest, TypedValuesBecomeTheCurrentColour)
{
    struct Case {
        int mode;
        bool percent;
        int field;  // 3 hue, 2 middle, 1 low
        const char *text, *rewritten;
        bool error;
    };
    const Case cases[] = {
        {kHLS, true, 2, "50", "50", false},   {kHLS, true, 1, "300", "99", false},  // 765 wraps to 253
        {kHSV, false, 1, "300", "44", false}, {kHSV, false, 3, "120", "120", false},
        {kHLS, true, 3, "400", "400", false},                                  // the hue is taken as typed
        {kHSV, true, 2, "", "", false},       {kHLS, true, 3, "", "", false},  // ignored while typing
        {kHSV, true, 3, "x", "x", true},      {kHLS, true, 1, "a", "a", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " into field " + std::to_string(c.field));
        Show(c.mode, c.percent, 0x4080C0);
        dialogs.messages.clear();
        const int logLines = LogLines();
        SpinEdit* spin = c.field == 3 ? p->SpinEditHUE3 : c.field == 2 ? p->SpinEditHUE2 : p->SpinEditHUE1;
        Type(spin, QString::fromLatin1(c.text));
        EXPECT_EQ(spin->Text(), c.rewritten);
        EXPECT_FALSE(w->InUpdate());
        EXPECT_EQ(LogLines(), logLines);
        if (c.error || !*c.text) {
            EXPECT_EQ(w->CurRGB(), 0x4080C0u);
            EXPECT_TRUE(dialogs.TakeTexts().isEmpty());
            EXPECT_EQ(app::FieldMarked(spin), c.error);
            continue;
        }
        EXPECT_EQ(w->CurRGB(), ShownColour());
        EXPECT_EQ(Result(), w->CurRGB());
        EXPECT_EQ(test::Child<QLineEdit>(w, "editRGBHEX")->text(), Hex(w->CurRGB(), 6));
        EXPECT_EQ(p->PaintBox1->Canvas(), ExpectedField());
        EXPECT_TRUE(dialogs.messages.empty());
    }
    // Percent lightness 50 and 10 are 128 and 26.
    Type(p->SpinEditHUE1, "0");
    Type(p->SpinEditHUE2, "50");
    EXPECT_EQ(w->CurRGB(), 0x808080u);
    Type(p->SpinEditHUE2, "10");
    EXPECT_EQ(w->CurRGB(), 0x1A1A1Au);
    // With the hue emptied a change of S is reported; later edits work.
    dialogs.beeps = 0;
    Type(p->SpinEditHUE3, "");
    Type(p->SpinEditHUE1, "5");
    EXPECT_EQ(test::Child<QStatusBar>(w, "StatusBarMain")->currentMessage(), "値が入力されていません");
    EXPECT_TRUE(app::FieldMarked(p->SpinEditHUE3));
    EXPECT_EQ(dialogs.beeps, 1);
    Type(p->SpinEditHUE3, "0");
    EXPECT_EQ(w->CurRGB(), HLSToRGB(26 << 8 | 13));
}

TEST_F(HuePageTest, PercentToggleEndsWithTheBackConversionOfWhatIsShown)
{
    for (int mode : {kHSV, kHLS})
        for (RGBCode rgb : {0x4080C0u, 0x123456u, 0xC8641Eu}) {
            SCOPED_TRACE(Hex(rgb, 6).toStdString() + " mode " + std::to_string(mode));
            Show(mode, false, rgb);
            const int logLines = LogLines();
            QTest::mouseClick(p->ckHUE, Qt::LeftButton);  // percent on: refreshes without the guard
            const HueCode code = mode == kHSV ? RGBToHSV(rgb) : RGBToHLS(rgb);
            EXPECT_EQ(Shown()[1], QString::number(app::ByteToPercent((code >> 8) & 0xFF)));
            EXPECT_EQ(w->CurRGB(), ShownColour());
            if (mode == kHSV && rgb == 0x4080C0u) {
                EXPECT_NE(w->CurRGB(), rgb);  // the rounding shows
            }
            EXPECT_EQ(Result(), Back(code));  // the refresh's own result
            EXPECT_EQ(LogLines(), logLines + 1);
            EXPECT_EQ(test::Child<QLineEdit>(w, "editRGBHEX")->text(), Hex(w->CurRGB(), 6));
            EXPECT_FALSE(w->InUpdate());
            QTest::mouseClick(p->ckHUE, Qt::LeftButton);  // and off again
            EXPECT_EQ(p->LabelHPer2->text(), "");
            EXPECT_EQ(p->SpinEditHUE2->maxValue(), 255);
            EXPECT_EQ(w->CurRGB(), ShownColour());
            EXPECT_EQ(p->PaintBox1->Canvas(), ExpectedField());
        }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(HuePageTest, HSVFieldAndStripPicks)
{
    Show(kHSV, true, 0xFF0000);
    QWidget* field = p->PaintBox1;
    QTest::mousePress(field, Qt::LeftButton, {}, {128, 0});
    EXPECT_EQ(w->CurRGB(), HSVToRGB(128 << 8 | 255));
    EXPECT_EQ(p->FieldMarkerRect, (TRect{122, -6, 134, 6}));
    EXPECT_EQ(p->LabelHUE0->text(), "#0080FF");  // six digits while dragging
    QTest::mouseMove(field, {-40, 300});         // beyond left and bottom
    EXPECT_EQ(Shown(), QStringList({"0", "0", "0"}));
    QTest::mouseMove(field, {400, -9});  // beyond right and top
    EXPECT_EQ(w->CurRGB(), HSVToRGB(255 << 8 | 255));
    QTest::mouseRelease(field, Qt::LeftButton, {}, {400, -9});
    QTest::mouseMove(field, {10, 10});  // no button: nothing
    EXPECT_EQ(w->CurRGB(), HSVToRGB(255 << 8 | 255));

    struct Row {
        int y, row, hue;
    };
    for (const Row r : {Row{16, 16, 22}, Row{48, 48, 68}, Row{100, 100, 141}, Row{300, 255, 359}, Row{-5, 0, 0}}) {
        Click(p->PaintBox2, {10, r.y});
        EXPECT_EQ(p->StripRow, r.row);
        EXPECT_EQ(p->SpinEditHUE3->Text(), QString::number(r.hue));
        EXPECT_EQ(w->CurRGB(), HSVToRGB(static_cast<HueCode>(r.hue) << 16 | 0xFFFF));
        EXPECT_EQ(p->StripMarkerRect, (TRect{0, r.row - 2, 24, r.row + 2}));
        EXPECT_EQ(p->PaintBox1->Canvas(), ExpectedField());
        EXPECT_EQ(p->PaintBox2->Canvas(), ExpectedStrip());
    }
    Click(p->PaintBox2, {10, 16});
    Click(field, {50, 55});  // at the strip's hue
    EXPECT_EQ(w->CurRGB(), HSVToRGB(22 << 16 | 50 << 8 | 200));
    EXPECT_EQ(p->PaintBox1->Canvas(), ExpectedField());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(HuePageTest, ArrowKeysMoveTheMarkersAsADragWould)
{
    Show(kHSV, true, 0xFF0000);
    QWidget* field = p->PaintBox1;
    Click(field, {50, 55});  // S 50, V 200
    // Key, Shift, then the field's S and V (clamped at the edges).
    struct Step {
        Qt::Key key;
        bool shift;
        int s, v;
    } steps[] = {
        {Qt::Key_Right, false, 51, 200}, {Qt::Key_Right, true, 61, 200}, {Qt::Key_Up, false, 61, 201},
        {Qt::Key_Down, true, 61, 191},   {Qt::Key_Left, true, 51, 191},  {Qt::Key_Up, true, 51, 201},
    };
    for (const Step& s : steps) {
        QTest::keyClick(field, s.key, s.shift ? Qt::ShiftModifier : Qt::NoModifier);
        EXPECT_EQ(w->CurRGB(), HSVToRGB(static_cast<HueCode>(s.s) << 8 | static_cast<HueCode>(s.v))) << s.s;
    }
    for (int i = 0; i < 30; ++i) QTest::keyClick(field, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(w->CurRGB(), HSVToRGB(0 << 8 | 201)) << "stops at the left edge";
    // The strip: rows 16 and 48 are hues 22 and 68 (see the clicks above).
    Click(p->PaintBox2, {10, 16});
    QTest::keyClick(p->PaintBox2, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(p->PaintBox2, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(p->PaintBox2, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(p->PaintBox2, Qt::Key_Up, Qt::ShiftModifier);
    QTest::keyClick(p->PaintBox2, Qt::Key_Down);
    QTest::keyClick(p->PaintBox2, Qt::Key_Down);
    EXPECT_EQ(p->StripRow, 38);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(HuePageTest, HLSFieldAndStripPicks)
{
    Show(kHLS, true, 0x336699);  // 210, 102, 128
    QWidget* field = p->PaintBox1;
    QTest::mousePress(field, Qt::LeftButton, {}, {100, 55});
    EXPECT_EQ(w->CurRGB(), HLSToRGB(100 << 16 | 102 << 8 | 200));
    QTest::mouseMove(field, {500, 400});  // far right: hue 360; bottom: S = 0
    EXPECT_EQ(p->SpinEditHUE3->Text(), "360");
    EXPECT_EQ(w->CurRGB(), HLSToRGB(360 << 16 | 102 << 8));
    QTest::mouseMove(field, {359, 0});
    QTest::mouseRelease(field, Qt::LeftButton, {}, {359, 0});
    EXPECT_EQ(w->CurRGB(), HLSToRGB(359 << 16 | 102 << 8 | 255));
    // The strip follows the colour just picked.
    EXPECT_EQ(p->PaintBox2->Canvas(), ExpectedStrip(359, 255));
    EXPECT_EQ(p->StripMarkerRect, (TRect{0, 151, 24, 155}));

    Click(p->PaintBox2, {10, 55});  // L = 200 at the shown hue and S
    EXPECT_EQ(w->CurRGB(), HLSToRGB(359 << 16 | 200 << 8 | 255));
    EXPECT_EQ(Shown(), QStringList({"359", "78", "100"}));
    EXPECT_EQ(p->PaintBox1->Canvas(), ExpectedField());
    EXPECT_TRUE(dialogs.messages.empty());

    // A repaint shows the bare picture; the next pick draws the circle.
    test::Child<QTabWidget>(w, "PageControl1")->setCurrentIndex(2);
    test::Child<QTabWidget>(w, "PageControl1")->setCurrentIndex(1);
    EXPECT_FALSE(p->MarkerShown);
    EXPECT_EQ(p->PaintBox1->Canvas(), ExpectedField());
    Click(field, {30, 30});
    EXPECT_EQ(p->FieldMarkerRect, (TRect{24, 24, 36, 36}));
    EXPECT_TRUE(p->MarkerShown);
    EXPECT_EQ(p->PaintBox1->Canvas(), ExpectedField());
}

TEST_F(HuePageTest, StripDragWithAnUnreadableValueOnlyMovesTheBar)
{
    Show(kHSV, true, 0x4080C0);
    Type(p->SpinEditHUE2, "a");
    dialogs.messages.clear();
    Click(p->PaintBox2, {10, 100});
    EXPECT_EQ(p->StripMarkerRect, (TRect{0, 98, 24, 102}));
    EXPECT_EQ(w->CurRGB(), 0x4080C0u);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(w->InUpdate());
    Type(p->SpinEditHUE2, "5");
    EXPECT_EQ(w->CurRGB(), ShownColour());
}

}  // namespace
