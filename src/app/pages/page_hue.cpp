#include "pages/page_hue.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <algorithm>

#include "colour/errors.h"
#include "colour/hue.h"
#include "platform/spinedit.h"
#include "widgets/accessible.h"

namespace qolvar::app {

using platform::SpinEdit;

namespace {

struct ModeLayout {
    const char* name;    // LabelHUE
    const char* middle;  // LabelHUE2
    const char* low;     // LabelHUE1
    int fieldWidth;      // HUEPanel1
    int stripLeft;       // HUEPanel2
};
const ModeLayout kModes[2] = {
    {"HSV", QT_TRANSLATE_NOOP("qolvar::app::HuePage", "彩度(S)"), QT_TRANSLATE_NOOP("qolvar::app::HuePage", "強度(V)"),
     256, 260},
    {"HLS", QT_TRANSLATE_NOOP("qolvar::app::HuePage", "明度(L)"), QT_TRANSLATE_NOOP("qolvar::app::HuePage", "彩度(S)"),
     361, 364},
};

constexpr int kPanelTop = 64;
constexpr int kPanelHeight = 257;
// The field and the strip stand this far from the page's left edge, so that
// the field's circle shows whole at the field's left edge too.
constexpr int kFieldLeft = MarkerOverhang::kReach;

QString HexCode(std::uint32_t v, int digits) { return QStringLiteral("#") + HexText(v, digits); }

}  // namespace

HuePage::HuePage(AppHost& host, QWidget* parent) : ModelPage(host, parent)
{
    setObjectName(QStringLiteral("TabSheetHUE"));
    setCursor(Qt::CrossCursor);
    CreateModes();
    CreateValueControls();
    CreateFieldAndStrip();
    // Tab runs left to right: the modes, the field and the strip, then the
    // values in the column beside them.
    setTabOrder(modes_->button(kHLS), PaintBox1);
    setTabOrder(PaintBox1, PaintBox2);
    setTabOrder(PaintBox2, SpinEditHUE3);
    SetModeLayout(kHLS);
    ConnectControls();
    // What a screen reader says of the controls.
    Describe(modes_->button(0), QT_TRANSLATE_NOOP("Accessible", "HSV"),
             QT_TRANSLATE_NOOP("Accessible", "HSV (色相・彩度・強度) で表示する"));
    Describe(modes_->button(1), QT_TRANSLATE_NOOP("Accessible", "HLS"),
             QT_TRANSLATE_NOOP("Accessible", "HLS (色相・明度・彩度) で表示する"));
    Describe(SpinEditHUE3, QT_TRANSLATE_NOOP("Accessible", "色相"),
             QT_TRANSLATE_NOOP("Accessible", "色相 (0〜359 度)"));
    Describe(SpinEditHUE2, QT_TRANSLATE_NOOP("Accessible", "HUE の第 2 の値"),
             QT_TRANSLATE_NOOP("Accessible", "HLS の明度または HSV の彩度"));
    Describe(SpinEditHUE1, QT_TRANSLATE_NOOP("Accessible", "HUE の第 3 の値"),
             QT_TRANSLATE_NOOP("Accessible", "HLS の彩度または HSV の強度"));
    Describe(ckHUE, QT_TRANSLATE_NOOP("Accessible", "% 表示"), QT_TRANSLATE_NOOP("Accessible", "値を百分率で表示する"));
    Describe(PaintBox1, QT_TRANSLATE_NOOP("Accessible", "色のフィールド"),
             QT_TRANSLATE_NOOP("Accessible", "色を選ぶ面。矢印キーで印を動かす (Shift で 10 画素)"));
    Describe(PaintBox2, QT_TRANSLATE_NOOP("Accessible", "色相のストリップ"),
             QT_TRANSLATE_NOOP("Accessible", "色相を選ぶ帯。矢印キーで印を動かす (Shift で 10 画素)"));
}

void HuePage::CreateModes()
{
    // The result swatch and its code panel of the main window lie over the
    // top-left corner of every page (about 235 × 60 pixels): the controls
    // keep clear of it, the field starts below it.
    RadioGroupHue = new QGroupBox(this);
    RadioGroupHue->setObjectName(QStringLiteral("RadioGroupHue"));
    RadioGroupHue->setGeometry(244, 6, 232, 52);
    modes_ = new QButtonGroup(RadioGroupHue);
    auto* row = new QHBoxLayout(RadioGroupHue);
    row->setContentsMargins(6, 4, 6, 4);
    for (int i = 0; i < 2; ++i) {
        auto* b = new QRadioButton(QString::fromLatin1(kModes[i].name), RadioGroupHue);
        b->setObjectName(QStringLiteral("RadioGroupHue%1").arg(i));
        modes_->addButton(b, i);
        row->addWidget(b);
    }
    modes_->button(kHLS)->setChecked(true);
}

void HuePage::CreateValueControls()
{
    auto label = [this](const char* name, const QString& text, int x, int y, int w) {
        return AddLabel(name, text, QRect(x, y, w, 18));
    };
    auto spin = [this](const char* name, int y, int maxValue) {
        auto* s = new SpinEdit(this);
        s->setObjectName(QString::fromLatin1(name));
        s->setRange(0, maxValue);
        s->setGeometry(392 + kFieldLeft, y, 64, 22);
        return s;
    };
    constexpr int x = 392 + kFieldLeft;
    LabelHUE = AddTitle("LabelHUE", QStringLiteral("HLS"), QRect(x, 68, 90, 18));
    LabelHUE->setFixedHeight(22);
    LabelHUE0 = label("LabelHUE0", QString(), x, 92, 90);
    LabelHUE3 = label("LabelHUE3", tr("色相(H)"), x, 120, 90);
    SpinEditHUE3 = spin("SpinEditHUE3", 138, 359);
    Label4 = label("Label4", QStringLiteral("°"), x + 66, 140, 20);
    LabelHUE2 = label("LabelHUE2", tr("明度(L)"), x, 170, 90);
    SpinEditHUE2 = spin("SpinEditHUE2", 188, 100);
    LabelHPer2 = label("LabelHPer2", QStringLiteral("%"), x + 66, 190, 20);
    LabelHUE1 = label("LabelHUE1", tr("彩度(S)"), x, 220, 90);
    SpinEditHUE1 = spin("SpinEditHUE1", 238, 100);
    LabelHPer1 = label("LabelHPer1", QStringLiteral("%"), x + 66, 240, 20);
    ckHUE = new QCheckBox(tr("% 表示"), this);
    ckHUE->setObjectName(QStringLiteral("ckHUE"));
    ckHUE->setGeometry(x, 272, 90, 22);
    ckHUE->setChecked(true);
}

void HuePage::CreateFieldAndStrip()
{
    overhang_ = new MarkerOverhang(this);
    HUEPanel1 = new QFrame(this);
    HUEPanel1->setObjectName(QStringLiteral("HUEPanel1"));
    HUEPanel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    HUEPanel1->setLineWidth(1);
    PaintBox1 = new PaintBox(HUEPanel1);
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    PaintBox1->setCursor(Qt::CrossCursor);
    Image1 = new PictureBox(HUEPanel1, &HLSFieldPicture);
    Image1->setObjectName(QStringLiteral("Image1"));
    HUEPanel2 = new QFrame(this);
    HUEPanel2->setObjectName(QStringLiteral("HUEPanel2"));
    HUEPanel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    HUEPanel2->setLineWidth(1);
    PaintBox2 = new PaintBox(HUEPanel2);
    PaintBox2->setObjectName(QStringLiteral("PaintBox2"));
}

void HuePage::ConnectControls()
{
    for (SpinEdit* s : {SpinEditHUE2, SpinEditHUE1})
        connect(s, &SpinEdit::changed, this, [this, s] { Guarded(s, [&] { SpinEditHUE1Change(); }); });
    connect(SpinEditHUE3, &SpinEdit::changed, this, [this] { Guarded(SpinEditHUE3, [&] { SpinEditHUE3Change(); }); });
    connect(modes_, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on) Guarded(RadioGroupHue, [&] { RadioGroupHueClick(); });
    });
    connect(ckHUE, &QCheckBox::toggled, this, [this] { Guarded(ckHUE, [&] { btHueClick(); }); });

    connect(PaintBox1, &PaintBox::Paint, this, [this] { Guarded(PaintBox1, [&] { PaintBox1Paint(); }); });
    connect(PaintBox2, &PaintBox::Paint, this, [this] { Guarded(PaintBox2, [&] { PaintBox2Paint(); }); });
    connect(PaintBox1, &PaintBox::MouseDown, this, [this](Qt::MouseButton, Qt::KeyboardModifiers, int px, int py) {
        Guarded(PaintBox1, [&] { PaintBox1MouseDown(px, py); });
    });
    connect(PaintBox1, &PaintBox::MouseMove, this,
            [this](Qt::KeyboardModifiers, int px, int py) { Guarded(PaintBox1, [&] { PaintBox1MouseMove(px, py); }); });
    connect(PaintBox1, &PaintBox::MouseUp, this, [this] { Guarded(PaintBox1, [&] { PaintBox1MouseUp(); }); });
    connect(PaintBox2, &PaintBox::MouseDown, this, [this](Qt::MouseButton, Qt::KeyboardModifiers, int, int py) {
        Guarded(PaintBox2, [&] { PaintBox2MouseDown(py); });
    });
    connect(PaintBox2, &PaintBox::MouseMove, this,
            [this](Qt::KeyboardModifiers, int, int py) { Guarded(PaintBox2, [&] { PaintBox2MouseMove(py); }); });
    connect(PaintBox2, &PaintBox::MouseUp, this, [this] { Guarded(PaintBox2, [&] { PaintBox2MouseUp(); }); });
    // The keys move the markers as a drag to the next pixel would.
    connect(PaintBox1, &PaintBox::Nudge, this, [this](int dx, int dy) {
        Guarded(PaintBox1, [&] {
            const int x = (FieldMarkerRect.Left + FieldMarkerRect.Right) / 2 + dx;
            const int y = (FieldMarkerRect.Top + FieldMarkerRect.Bottom) / 2 + dy;
            PaintBox1MouseDown(std::clamp(x, 0, ModeIndex() == kHSV ? 255 : 360), y);
            PaintBox1MouseUp();
        });
    });
    connect(PaintBox2, &PaintBox::Nudge, this, [this](int, int dy) {
        Guarded(PaintBox2, [&] {
            PaintBox2MouseDown(StripRow + dy);
            PaintBox2MouseUp();
        });
    });
}

int HuePage::ModeIndex() const { return modes_->checkedId(); }

void HuePage::SetModeLayout(int mode)
{
    const ModeLayout& m = kModes[mode == kHSV ? kHSV : kHLS];
    LabelHUE->setText(QString::fromLatin1(m.name));
    LabelHUE2->setText(tr(m.middle));
    LabelHUE1->setText(tr(m.low));
    HUEPanel1->setGeometry(kFieldLeft, kPanelTop, m.fieldWidth, kPanelHeight);
    HUEPanel2->setGeometry(m.stripLeft + kFieldLeft, kPanelTop, 23, kPanelHeight);
    overhang_->Follow(HUEPanel1->geometry());
    // The paint boxes fill their panels inside the bevel; resizing the
    // field makes it repaint itself in the new mode, and the strip is
    // repainted at its new place.
    PaintBox1->setGeometry(HUEPanel1->contentsRect());
    PaintBox2->setGeometry(HUEPanel2->contentsRect());
    PaintBox2->Invalidate();
}

std::uint32_t HuePage::ByteOf(std::int64_t shown) const
{
    const std::int64_t v = ckHUE->isChecked() ? PercentToByte(shown) : shown;
    return static_cast<std::uint32_t>(v) & 0xFF;
}

// ---------------------------------------------------------------- values

void HuePage::btHueClick()
{
    const RGBCode rgb = host_.CurRGB();
    RGBCode result = 0;
    switch (ModeIndex()) {
    case kHSV: {
        const HueCode code = RGBToHSV(rgb);
        DspHUE(code);
        result = HSVToRGB(code);
        Gradation1();  // the field of the new hue
        break;
    }
    case kHLS: {
        const HueCode code = RGBToHLS(rgb);
        DspHUE(code);
        result = HLSToRGB(code);
        Gradation2();  // the strip of the new hue and saturation
        break;
    }
    default: break;
    }
    host_.DspDsetRGB(result);
    host_.LogWrite(LabelHUE->text() + QLatin1Char('=') + SpinEditHUE3->Text() + QLatin1Char(',') +
                   SpinEditHUE2->Text() + QLatin1Char(',') + SpinEditHUE1->Text());
}

void HuePage::DspHUE(HueCode code)
{
    MoveMarkers(code);
    const std::uint32_t hue = code >> 16, middle = (code >> 8) & 0xFF, low = code & 0xFF;
    std::int64_t m = middle, n = low;
    if (ckHUE->isChecked()) {
        m = ByteToPercent(middle);
        n = ByteToPercent(low);
        LabelHPer2->setText(QStringLiteral("%"));
        LabelHPer1->setText(QStringLiteral("%"));
        SpinEditHUE2->setRange(0, 100);
        SpinEditHUE1->setRange(0, 100);
    } else {
        LabelHPer2->clear();
        LabelHPer1->clear();
        SpinEditHUE2->setRange(0, 255);
        SpinEditHUE1->setRange(0, 255);
    }
    // Each write may run the spin edits' handlers (when the guard is clear).
    SpinEditHUE3->setText(QString::number(hue));
    SpinEditHUE2->setText(QString::number(m));
    SpinEditHUE1->setText(QString::number(n));
    LabelHUE0->setText(HexCode(code, 7));
}

void HuePage::SpinEditHUE3Change()
{
    if (SpinEditHUE3->Text().isEmpty() || host_.InUpdate()) return;
    // The field and the strip row follow a typed hue; a hue that is not a
    // number is marked by the conversion below.
    if (ModeIndex() == kHSV) {
        if (const auto hue = SpinEditHUE3->readInt()) {
            StripRow = static_cast<int>(RowOfHue(*hue));
            Gradation1();
        }
    }
    SpinEditHUE1Change();
}

void HuePage::SpinEditHUE1Change()
{
    if (!AllTyped({SpinEditHUE2->Text(), SpinEditHUE1->Text()})) return;
    ConvertTyped({SpinEditHUE3, SpinEditHUE2, SpinEditHUE1}, [&] {
        const int h = ReadInt(SpinEditHUE3);
        const int m = ReadInt(SpinEditHUE2);
        const int n = ReadInt(SpinEditHUE1);
        // The hue is taken as typed; the other two wrap to a byte.
        const HueCode code = static_cast<std::uint32_t>(h) * 65536u + ByteOf(m) * 256u + ByteOf(n);
        DspHUE(code);
        TakeTypedColour(ModeIndex() == kHSV ? HSVToRGB(code) : HLSToRGB(code));
    });
}

void HuePage::RadioGroupHueClick()
{
    SetModeLayout(ModeIndex());
    LabelHUE0->clear();
    host_.BitBtn1Click();
}

// ---------------------------------------------------------------- field and strip

void HuePage::MoveMarkers(HueCode code)
{
    const int hue = static_cast<int>(code >> 16);
    const int middle = static_cast<int>((code >> 8) & 0xFF), low = static_cast<int>(code & 0xFF);
    QImage& field = PaintBox1->Canvas();
    if (MarkerShown) InvertEllipse(field, FieldMarkerRect);
    if (ModeIndex() == kHSV) {
        FieldMarkerRect = {middle - 6, (255 - low) - 6, middle + 6, (255 - low) + 6};
        const int r = static_cast<int>(RowOfHue(hue));
        QImage& strip = PaintBox2->Canvas();
        InvertRectangle(strip, StripMarkerRect);
        StripMarkerRect = {0, r - 2, 24, r + 2};
        InvertRectangle(strip, StripMarkerRect);
        PaintBox2->Changed();
        StripRow = r;
    } else {
        FieldMarkerRect = {hue - 6, (255 - low) - 6, hue + 6, (255 - low) + 6};
        StripRow = 255 - middle;
        // The strip shows the lightness range of the code being shown (the
        // spin edits may still hold the previous values here).
        PaintStripHLS(static_cast<std::uint32_t>(hue), static_cast<std::uint32_t>(middle),
                      static_cast<std::uint32_t>(low));
    }
    InvertEllipse(field, FieldMarkerRect);
    MarkerShown = true;
    PaintBox1->Changed();
    const TRect& r = FieldMarkerRect;
    overhang_->Show(QRect(r.Left, r.Top, r.Right - r.Left - 1, r.Bottom - r.Top - 1).translated(PaintBox1->pos()));
}

void HuePage::Gradation1()
{
    // A hue that is not a number leaves the field as it is.
    const auto hue = SpinEditHUE3->readInt();
    if (!hue) return;
    QImage& field = PaintBox1->Canvas();
    // Every pixel under the circle is rewritten, so the circle is simply
    // drawn again afterwards.
    FillHSVField(field, static_cast<std::uint32_t>(*hue) & 0xFFFF);
    InvertEllipse(field, FieldMarkerRect);
    PaintBox1->Changed();
}

void HuePage::Gradation2()
{
    if (ModeIndex() == kHSV) {
        const int r = static_cast<int>(RowOfHue(SpinEditHUE3->value()));
        QImage& strip = PaintBox2->Canvas();
        PaintHSVStrip(strip);
        StripMarkerRect = {0, r - 2, 24, r + 2};
        InvertRectangle(strip, StripMarkerRect);
        PaintBox2->Changed();
    } else {
        PaintStripHLS(static_cast<std::uint32_t>(SpinEditHUE3->value()), ByteOf(SpinEditHUE2->value()),
                      ByteOf(SpinEditHUE1->value()));
    }
}

void HuePage::PaintStripHLS(std::uint32_t hue, std::uint32_t lightness, std::uint32_t saturation)
{
    QImage& strip = PaintBox2->Canvas();
    PaintHLSStrip(strip, hue, saturation);
    const int r = 255 - static_cast<int>(lightness);
    StripMarkerRect = {0, r - 2, 24, r + 2};
    InvertRectangle(strip, StripMarkerRect);
    PaintBox2->Changed();
}

void HuePage::PaintBox1Paint()
{
    if (ModeIndex() == kHSV) {
        Gradation1();
        return;
    }
    {
        QPainter p(&PaintBox1->Canvas());
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, Image1->Picture());
    }
    MarkerShown = false;  // the picture covered the circle
    overhang_->Hide();
    PaintBox1->Changed();
}

void HuePage::PaintBox2Paint() { Gradation2(); }

void HuePage::PaintBox1MouseDown(int x, int y)
{
    FieldDragging = true;
    PaintBox1MouseMove(x, y);
}

void HuePage::PaintBox1MouseUp() { FieldDragging = false; }

void HuePage::PaintBox1MouseMove(int x, int y)
{
    if (host_.InUpdate()) return;
    GuardScope guard(host_.InUpdate());
    if (!FieldDragging) return;
    x = std::max(x, 0);
    y = std::clamp(y, 0, 255);
    HueCode code;
    RGBCode result;
    if (ModeIndex() == kHSV) {
        const auto hue = static_cast<std::uint32_t>(HueOfRow(StripRow));
        code = hue << 16 | static_cast<std::uint32_t>(std::min(x, 255)) << 8 | static_cast<std::uint32_t>(255 - y);
        DspHUE(code);
        result = HSVToRGB(code);
    } else {
        // The field's last column is 360, the same hue as 0.
        const auto hue = static_cast<std::uint32_t>(std::min(x, 360));
        const auto lightness = static_cast<std::uint32_t>(255 - (StripRow & 0xFF));
        code = hue << 16 | lightness << 8 | static_cast<std::uint32_t>(255 - y);
        DspHUE(code);
        result = HLSToRGB(code);
    }
    LabelHUE0->setText(HexCode(code, 6));
    TakeTypedColour(result);
}

void HuePage::PaintBox2MouseDown(int y)
{
    StripDragging = true;
    PaintBox2MouseMove(y);
}

void HuePage::PaintBox2MouseUp() { StripDragging = false; }

void HuePage::PaintBox2MouseMove(int y)
{
    if (!StripDragging) return;
    y = std::clamp(y, 0, 255);
    StripRow = y;
    QImage& strip = PaintBox2->Canvas();
    InvertRectangle(strip, StripMarkerRect);
    StripMarkerRect = {0, y - 2, 24, y + 2};
    InvertRectangle(strip, StripMarkerRect);
    PaintBox2->Changed();
    TrackBarHUEChange();
}

void HuePage::TrackBarHUEChange()
{
    if (host_.InUpdate()) return;
    GuardScope guard(host_.InUpdate());
    // A spin edit that holds no number ends the step here: only the bar has
    // moved.
    RGBCode result;
    if (ModeIndex() == kHSV) {
        const auto middle = SpinEditHUE2->readInt(), low = SpinEditHUE1->readInt();
        if (!middle || !low) return;
        const auto hue = static_cast<std::uint32_t>(HueOfRow(StripRow));
        const HueCode code = hue << 16 | ByteOf(*middle) << 8 | ByteOf(*low);
        DspHUE(code);
        result = HSVToRGB(code);
        Gradation1();  // the field of the new hue
    } else {
        const auto typedHue = SpinEditHUE3->readInt(), low = SpinEditHUE1->readInt();
        if (!typedHue || !low) return;
        const auto hue = static_cast<std::uint32_t>(*typedHue);
        const auto lightness = static_cast<std::uint32_t>(255 - (StripRow & 0xFF));
        const HueCode code = hue << 16 | lightness << 8 | ByteOf(*low);
        DspHUE(code);
        result = HLSToRGB(code);
    }
    TakeTypedColour(result);
}

}  // namespace qolvar::app
