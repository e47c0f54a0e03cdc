#include "page_cmyk.h"

#include <QCheckBox>
#include <QLabel>
#include <QSlider>

#include "colour/cmyk.h"
#include "colour/numeric.h"
#include "mainwindow.h"
#include "pagetext.h"
#include "platform/spinedit.h"

namespace qolvar::app {

using platform::SpinEdit;

namespace {

int ToPercent(int v) { return static_cast<int>(num::Round(static_cast<num::Ext>(v) * 100 / 255)); }
std::int64_t FromPercent(int p) { return num::Round(static_cast<num::Ext>(p) * 255 / 100); }

}  // namespace

CMYKPage::CMYKPage(TformMain& main, QWidget* parent) : ModelPage(main, parent)
{
    setObjectName(QStringLiteral("TabSheetCMYK"));
    struct Row {
        QLabel*& label;
        const char* labelName;
        const char* caption;
        QSlider*& track;
        const char* trackName;
        SpinEdit*& spin;
        const char* spinName;
        const char* style;
        QLabel*& percent;
        const char* percentName;
    };
    const Row rows[] = {
        {LabelCMYK4, "LabelCMYK4", "シアン　(C)", TrackBarCMYK4, "TrackBarCMYK4", SpinEditCMYK4, "SpinEditCMYK4",
         "background: #00FFFF; color: #000000;", LabelCPer4, "LabelCPer4"},
        {LabelCMYK3, "LabelCMYK3", "マゼンタ(M)", TrackBarCMYK3, "TrackBarCMYK3", SpinEditCMYK3, "SpinEditCMYK3",
         "background: #FF00FF; color: #FFFFFF;", LabelCPer3, "LabelCPer3"},
        {LabelCMYK2, "LabelCMYK2", "イエロー(Y)", TrackBarCMYK2, "TrackBarCMYK2", SpinEditCMYK2, "SpinEditCMYK2",
         "background: #FFFF00; color: #000000;", LabelCPer2, "LabelCPer2"},
        {LabelCMYK1, "LabelCMYK1", "キー[黒](K)", TrackBarCMYK1, "TrackBarCMYK1", SpinEditCMYK1, "SpinEditCMYK1",
         "background: #000000; color: #FFFFFF;", LabelCPer1, "LabelCPer1"},
    };
    // The rows start below the main window's result swatch, which lies over
    // the top-left corner of the page.
    int y = 72;
    for (const Row& r : rows) {
        r.label = new QLabel(QString::fromUtf8(r.caption), this);
        r.label->setObjectName(QString::fromLatin1(r.labelName));
        r.label->setGeometry(12, y + 4, 84, 16);
        r.track = new QSlider(Qt::Horizontal, this);
        r.track->setObjectName(QString::fromLatin1(r.trackName));
        r.track->setRange(0, 255);
        r.track->setTickPosition(QSlider::NoTicks);
        r.track->setGeometry(98, y, 255, 24);
        r.spin = new SpinEdit(this);
        r.spin->setObjectName(QString::fromLatin1(r.spinName));
        r.spin->setRange(0, 100);
        r.spin->setGeometry(362, y, 49, 24);
        r.spin->setStyleSheet(QStringLiteral("QAbstractSpinBox { %1 }").arg(QString::fromLatin1(r.style)));
        r.percent = new QLabel(QStringLiteral("%"), this);
        r.percent->setObjectName(QString::fromLatin1(r.percentName));
        r.percent->setGeometry(415, y + 4, 20, 16);
        connect(r.track, &QSlider::valueChanged, this,
                [this, t = r.track] { main_.Guarded(t, [&] { TrackBarCMYK1Change(); }); });
        connect(r.spin, &SpinEdit::changed, this,
                [this, sp = r.spin] { main_.Guarded(sp, [&] { SpinEditCMYK1Change(); }); });
        y += 32;
    }

    LabelCMYK = new QLabel(QStringLiteral("CMYK"), this);
    LabelCMYK->setObjectName(QStringLiteral("LabelCMYK"));
    QFont big = LabelCMYK->font();
    big.setPixelSize(16);
    big.setBold(true);
    LabelCMYK->setFont(big);
    LabelCMYK->setGeometry(250, 10, 60, 22);
    LabelCMYK0 = new QLabel(this);
    LabelCMYK0->setObjectName(QStringLiteral("LabelCMYK0"));
    LabelCMYK0->setGeometry(316, 13, 120, 18);

    ckCMYK = new QCheckBox(QStringLiteral("% 表示"), this);
    ckCMYK->setObjectName(QStringLiteral("ckCMYK"));
    ckCMYK->setGeometry(250, 38, 120, 22);
    ckCMYK->setChecked(true);
    connect(ckCMYK, &QCheckBox::toggled, this, [this] { main_.Guarded(ckCMYK, [&] { btCMYKClick(); }); });
}

void CMYKPage::btCMYKClick()
{
    const CMYKCode code = RGBToCMYK(main_.CurRGB);
    DspCMYK(code);
    main_.DspDsetRGB(CMYKToRGB(code));
    main_.LogWrite(QStringLiteral("CMYK=") + SpinEditCMYK4->Text() + QLatin1Char(',') + SpinEditCMYK3->Text() +
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
    for (SpinEdit* s : {SpinEditCMYK4, SpinEditCMYK3, SpinEditCMYK2, SpinEditCMYK1}) s->setRange(0, percent ? 100 : 255);
    SpinEditCMYK4->setValue(c);
    SpinEditCMYK3->setValue(m);
    SpinEditCMYK2->setValue(y);
    SpinEditCMYK1->setValue(k);
}

void CMYKPage::TrackBarCMYK1Change()
{
    if (main_.InUpdate) return;
    GuardScope guard(main_.InUpdate);
    const CMYKCode code = static_cast<CMYKCode>(TrackBarCMYK4->value() & 0xFF) << 24 |
                          static_cast<CMYKCode>(TrackBarCMYK3->value() & 0xFF) << 16 |
                          static_cast<CMYKCode>(TrackBarCMYK2->value() & 0xFF) << 8 |
                          static_cast<CMYKCode>(TrackBarCMYK1->value() & 0xFF);
    DspCMYK(code);
    const RGBCode result = CMYKToRGB(code);
    main_.DspDsetRGB(result);
    main_.CurRGB = result;
    main_.DspRGB();
}

void CMYKPage::SpinEditCMYK1Change()
{
    SpinEdit* spins[4] = {SpinEditCMYK4, SpinEditCMYK3, SpinEditCMYK2, SpinEditCMYK1};
    for (SpinEdit* s : spins)
        if (s->Text().isEmpty()) return;
    if (main_.InUpdate) return;
    GuardScope guard(main_.InUpdate);
    try {
        const bool percent = ckCMYK->isChecked();
        CMYKCode code = 0;
        for (SpinEdit* s : spins) {
            const auto v = s->readInt();
            if (!v) throw ConvertError("'" + s->Text().toStdString() + "' is not a valid integer value");
            const std::int64_t n = percent ? FromPercent(*v) : *v;
            code = code << 8 | (static_cast<CMYKCode>(n) & 0xFF);
        }
        DspCMYK(code);
        const RGBCode result = CMYKToRGB(code);
        main_.DspDsetRGB(result);
        main_.CurRGB = result;
        main_.DspRGB();
    } catch (const std::exception&) {
        main_.OverErr();
    }
}

}  // namespace qolvar::app
