#include "pages/page_cmyk.h"

#include <QCheckBox>
#include <QLabel>
#include <QSlider>

#include "colour/cmyk.h"
#include "colour/numeric.h"
#include "pages/pagetext.h"
#include "platform/spinedit.h"
#include "widgets/accessible.h"

namespace qolvar::app {

using platform::SpinEdit;

namespace {

int ToPercent(int v) { return static_cast<int>(num::Round(static_cast<num::Ext>(v) * 100 / 255)); }
std::int64_t FromPercent(int p) { return num::Round(static_cast<num::Ext>(p) * 255 / 100); }

}  // namespace

CMYKPage::CMYKPage(AppHost& host, QWidget* parent) : ModelPage(host, parent)
{
    setObjectName(QStringLiteral("TabSheetCMYK"));
    CreateRows();
    LabelCMYK = AddTitle("LabelCMYK", QStringLiteral("CMYK"), QRect(250, 10, 60, 22));
    LabelCMYK0 = AddLabel("LabelCMYK0", QString(), QRect(316, 13, 120, 18));

    ckCMYK = new QCheckBox(tr("% 表示"), this);
    ckCMYK->setObjectName(QStringLiteral("ckCMYK"));
    ckCMYK->setGeometry(250, 38, 120, 22);
    ckCMYK->setChecked(true);
    // A display switch refreshes the page under the update guard: the
    // rewritten fields run no handler, so the colour never changes.
    connect(ckCMYK, &QCheckBox::toggled, this, [this] {
        Guarded(ckCMYK, [&] {
            GuardScope guard(host_.InUpdate());
            btCMYKClick();
        });
    });
    // What a screen reader says of the controls.
    Describe(SpinEditCMYK4, QT_TRANSLATE_NOOP("Accessible", "シアン"), QT_TRANSLATE_NOOP("Accessible", "シアンの値"));
    Describe(SpinEditCMYK3, QT_TRANSLATE_NOOP("Accessible", "マゼンタ"),
             QT_TRANSLATE_NOOP("Accessible", "マゼンタの値"));
    Describe(SpinEditCMYK2, QT_TRANSLATE_NOOP("Accessible", "イエロー"),
             QT_TRANSLATE_NOOP("Accessible", "イエローの値"));
    Describe(SpinEditCMYK1, QT_TRANSLATE_NOOP("Accessible", "キー (黒)"),
             QT_TRANSLATE_NOOP("Accessible", "キー (黒) の値"));
    Describe(TrackBarCMYK4, QT_TRANSLATE_NOOP("Accessible", "シアンのスライダー"),
             QT_TRANSLATE_NOOP("Accessible", "シアンの値を矢印キーで変える"));
    Describe(TrackBarCMYK3, QT_TRANSLATE_NOOP("Accessible", "マゼンタのスライダー"),
             QT_TRANSLATE_NOOP("Accessible", "マゼンタの値を矢印キーで変える"));
    Describe(TrackBarCMYK2, QT_TRANSLATE_NOOP("Accessible", "イエローのスライダー"),
             QT_TRANSLATE_NOOP("Accessible", "イエローの値を矢印キーで変える"));
    Describe(TrackBarCMYK1, QT_TRANSLATE_NOOP("Accessible", "キー (黒) のスライダー"),
             QT_TRANSLATE_NOOP("Accessible", "キー (黒) の値を矢印キーで変える"));
    Describe(ckCMYK, QT_TRANSLATE_NOOP("Accessible", "% 表示"),
             QT_TRANSLATE_NOOP("Accessible", "値を百分率で表示する"));
}

void CMYKPage::CreateRows()
{
    struct Row {
        ChannelNames names;
        QLabel*& label;
        QSlider*& track;
        SpinEdit*& spin;
        QLabel*& percent;
        const char* percentName;
    };
    const Row rows[] = {
        {{"LabelCMYK4", QT_TRANSLATE_NOOP("ChannelRow", "シアン　(C)"), "TrackBarCMYK4", "SpinEditCMYK4",
          "background: #00FFFF; color: #000000;"},
         LabelCMYK4,
         TrackBarCMYK4,
         SpinEditCMYK4,
         LabelCPer4,
         "LabelCPer4"},
        {{"LabelCMYK3", QT_TRANSLATE_NOOP("ChannelRow", "マゼンタ(M)"), "TrackBarCMYK3", "SpinEditCMYK3",
          "background: #FF00FF; color: #FFFFFF;"},
         LabelCMYK3,
         TrackBarCMYK3,
         SpinEditCMYK3,
         LabelCPer3,
         "LabelCPer3"},
        {{"LabelCMYK2", QT_TRANSLATE_NOOP("ChannelRow", "イエロー(Y)"), "TrackBarCMYK2", "SpinEditCMYK2",
          "background: #FFFF00; color: #000000;"},
         LabelCMYK2,
         TrackBarCMYK2,
         SpinEditCMYK2,
         LabelCPer2,
         "LabelCPer2"},
        {{"LabelCMYK1", QT_TRANSLATE_NOOP("ChannelRow", "キー[黒](K)"), "TrackBarCMYK1", "SpinEditCMYK1",
          "background: #000000; color: #FFFFFF;"},
         LabelCMYK1,
         TrackBarCMYK1,
         SpinEditCMYK1,
         LabelCPer1,
         "LabelCPer1"},
    };
    // The rows start below the main window's result swatch, which lies over
    // the top-left corner of the page.
    int y = 72;
    for (const Row& r : rows) {
        const ChannelRow row = MakeChannelRow(this, r.names, 100);
        r.label = row.label;
        r.track = row.track;
        r.spin = row.spin;
        r.label->setGeometry(12, y + 4, 84, 16);
        r.track->setGeometry(98, y, 255, 24);
        r.spin->setGeometry(362, y, 49, 24);
        r.percent = Named(new QLabel(QStringLiteral("%"), this), r.percentName);
        r.percent->setGeometry(415, y + 4, 20, 16);
        connect(r.track, &QSlider::valueChanged, this,
                [this, t = r.track] { Guarded(t, [&] { TrackBarCMYK1Change(); }); });
        connect(r.spin, &SpinEdit::changed, this, [this, sp = r.spin] { Guarded(sp, [&] { SpinEditCMYK1Change(); }); });
        y += 32;
    }
}

void CMYKPage::btCMYKClick()
{
    const CMYKCode code = RGBToCMYK(host_.CurRGB());
    DspCMYK(code);
    host_.DspDsetRGB(CMYKToRGB(code));
    host_.LogWrite(QStringLiteral("CMYK=") + SpinEditCMYK4->Text() + QLatin1Char(',') + SpinEditCMYK3->Text() +
                   QLatin1Char(',') + SpinEditCMYK2->Text() + QLatin1Char(',') + SpinEditCMYK1->Text());
}

void CMYKPage::DspCMYK(CMYKCode code)
{
    int c = static_cast<int>((code >> 24) & 0xFF), m = static_cast<int>((code >> 16) & 0xFF),
        y = static_cast<int>((code >> 8) & 0xFF), k = static_cast<int>(code & 0xFF);
    // The code label goes first: the writes below may run a change handler
    // at once (when the guard is clear), which shows the code it settles on,
    // so that the label always agrees with the track bars.
    LabelCMYK0->setText(QLatin1Char('#') + HexText(code, 8));
    TrackBarCMYK4->setValue(c);
    TrackBarCMYK3->setValue(m);
    TrackBarCMYK2->setValue(y);
    TrackBarCMYK1->setValue(k);
    const bool percent = ckCMYK->isChecked();
    if (percent) {
        c = ToPercent(c);
        m = ToPercent(m);
        y = ToPercent(y);
        k = ToPercent(k);
    }
    for (QLabel* l : {LabelCPer4, LabelCPer3, LabelCPer2, LabelCPer1})
        l->setText(percent ? QStringLiteral("%") : QString());
    for (SpinEdit* s : {SpinEditCMYK4, SpinEditCMYK3, SpinEditCMYK2, SpinEditCMYK1})
        s->setRange(0, percent ? 100 : 255);
    SpinEditCMYK4->setValue(c);
    SpinEditCMYK3->setValue(m);
    SpinEditCMYK2->setValue(y);
    SpinEditCMYK1->setValue(k);
}

CMYKCode CMYKPage::TrackBarCode() const
{
    return static_cast<CMYKCode>(TrackBarCMYK4->value() & 0xFF) << 24 |
           static_cast<CMYKCode>(TrackBarCMYK3->value() & 0xFF) << 16 |
           static_cast<CMYKCode>(TrackBarCMYK2->value() & 0xFF) << 8 |
           static_cast<CMYKCode>(TrackBarCMYK1->value() & 0xFF);
}

void CMYKPage::TrackBarCMYK1Change()
{
    if (host_.InUpdate()) return;
    GuardScope guard(host_.InUpdate());
    const CMYKCode code = TrackBarCode();
    DspCMYK(code);
    TakeTypedColour(CMYKToRGB(code));
}

void CMYKPage::SpinEditCMYK1Change()
{
    SpinEdit* spins[4] = {SpinEditCMYK4, SpinEditCMYK3, SpinEditCMYK2, SpinEditCMYK1};
    if (!AllTyped({spins[0]->Text(), spins[1]->Text(), spins[2]->Text(), spins[3]->Text()})) return;
    ConvertTyped({spins[0], spins[1], spins[2], spins[3]}, [&] {
        const bool percent = ckCMYK->isChecked();
        CMYKCode code = 0;
        for (SpinEdit* s : spins) {
            const int v = ReadInt(s);
            const std::int64_t n = percent ? FromPercent(v) : v;
            code = code << 8 | (static_cast<CMYKCode>(n) & 0xFF);
        }
        DspCMYK(code);
        TakeTypedColour(CMYKToRGB(code));
    });
}

}  // namespace qolvar::app
