#include "page_video.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>

#include "colour/video.h"
#include "mainwindow.h"
#include "pagetext.h"
#include "platform/spinedit.h"

namespace qolvar::app {

using platform::SpinEdit;

namespace {

struct ModeTexts {
    const char* d1;    // LabelYx1x22
    const char* d2;    // LabelYx1x21
    const char* name;  // LabelYx1x2
};
const ModeTexts kModes[4] = {
    {"色差[青み](U)", "色差[赤み](V)", "YUV"},
    {"色差[青み](Cb)", "色差[赤み](Cr)", "YCbCr"},
    {"色差[青み](Pb)", "色差[赤み](Pr)", "YPbPr"},
    {"間隔[橙→水](I)", "対角[黄→紫](Q)", "YIQ"},
};

}  // namespace

VideoPage::VideoPage(TformMain& main, QWidget* parent) : ModelPage(main, parent)
{
    setObjectName(QStringLiteral("TabSheetVIDEO"));
    // Clear of the main window's result swatch over the top-left corner.
    RadioGroupYx1x2 = new QGroupBox(this);
    RadioGroupYx1x2->setObjectName(QStringLiteral("RadioGroupYx1x2"));
    RadioGroupYx1x2->setGeometry(244, 6, 232, 100);
    modes_ = MakeRadioGroup(RadioGroupYx1x2,
                            {QStringLiteral("YUV  NTSC, PAL, MPEG JPEG"), QStringLiteral("YCbCr  NTSC (ITU-R BT.601)"),
                             QStringLiteral("YPbPr  HDTV (SMPTE-240M)"), QStringLiteral("YIQ  NTSC (Composite)")},
                            1);
    modes_->button(kYUV)->setChecked(true);

    auto label = [this](const char* name, const QString& text, int x, int y, int w, int h = 18) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(x, y, w, h);
        return l;
    };
    LabelYx1x2 = label("LabelYx1x2", QStringLiteral("YUV"), 16, 72, 80, 22);
    QFont big = LabelYx1x2->font();
    big.setPixelSize(16);
    big.setBold(true);
    LabelYx1x2->setFont(big);
    LabelYx1x20 = label("LabelYx1x20", QString(), 110, 75, 120);

    const char* labels[3] = {"LabelYx1x23", "LabelYx1x22", "LabelYx1x21"};
    const char* captions[3] = {"輝度(Y)", kModes[kYUV].d1, kModes[kYUV].d2};
    const char* names[3] = {"SpinEditYx1x23", "SpinEditYx1x22", "SpinEditYx1x21"};
    QLabel** labelPtrs[3] = {&LabelYx1x23, &LabelYx1x22, &LabelYx1x21};
    SpinEdit** spins[3] = {&SpinEditYx1x23, &SpinEditYx1x22, &SpinEditYx1x21};
    for (int i = 0; i < 3; ++i) {
        const int y = 112 + 32 * i;
        *labelPtrs[i] = label(labels[i], QString::fromUtf8(captions[i]), 16, y + 4, 100);
        auto* s = new SpinEdit(this);
        s->setObjectName(QString::fromLatin1(names[i]));
        s->setGeometry(120, y, 72, 24);
        *spins[i] = s;
        connect(s, &SpinEdit::changed, this, [this, s] { main_.Guarded(s, [&] { SpinEditYx1x21Change(); }); });
    }
    // Luma is reduced to one byte whatever is typed; the arrows run 0..255.
    SpinEditYx1x23->setRange(0, 255);
    SpinEditYx1x22->setRange(-128, 127);
    SpinEditYx1x21->setRange(-128, 127);

    connect(modes_, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on) main_.Guarded(RadioGroupYx1x2, [&] { RadioGroupYx1x2Click(); });
    });
}

int VideoPage::ModeIndex() const { return modes_->checkedId(); }

void VideoPage::btYx1x2Click()
{
    const int mode = ModeIndex();
    const VideoCode code = RGBToVideo(mode, main_.CurRGB);
    const RGBCode result = VideoToRGB(mode, code);
    DspYx1x2(code);
    main_.DspDsetRGB(result);
    main_.LogWrite(LabelYx1x2->text() + QLatin1Char('=') + SpinEditYx1x23->Text() + QLatin1Char(',') +
                   SpinEditYx1x22->Text() + QLatin1Char(',') + SpinEditYx1x21->Text());
}

void VideoPage::DspYx1x2(VideoCode code)
{
    SpinEditYx1x23->setValue(static_cast<int>((code >> 16) & 0xFF));
    if (ModeIndex() == kYCbCr) {
        SpinEditYx1x22->setValue(static_cast<int>((code >> 8) & 0xFF));
        SpinEditYx1x21->setValue(static_cast<int>(code & 0xFF));
    } else {
        SpinEditYx1x22->setValue(SignedByte(code >> 8));
        SpinEditYx1x21->setValue(SignedByte(code));
    }
    LabelYx1x20->setText(QLatin1Char('#') + HexText(code, 6));
}

void VideoPage::SpinEditYx1x21Change()
{
    const QString ty = SpinEditYx1x23->Text(), t1 = SpinEditYx1x22->Text(), t2 = SpinEditYx1x21->Text();
    if (ty.isEmpty() || t1.isEmpty() || t2.isEmpty()) return;
    // A lone sign in a colour difference: the user is about to type digits.
    if (t1 == QLatin1String("-") || t2 == QLatin1String("-")) return;
    if (main_.InUpdate) return;
    GuardScope guard(main_.InUpdate);
    try {
        auto read = [](SpinEdit* s) {
            const auto v = s->readInt();
            if (!v) throw ConvertError("'" + s->Text().toStdString() + "' is not a valid integer value");
            return static_cast<VideoCode>(*v) & 0xFF;
        };
        const VideoCode code = read(SpinEditYx1x23) << 16 | read(SpinEditYx1x22) << 8 | read(SpinEditYx1x21);
        const RGBCode result = VideoToRGB(ModeIndex(), code);
        DspYx1x2(code);
        main_.DspDsetRGB(result);
        main_.CurRGB = result;
        main_.DspRGB();
    } catch (const std::exception&) {
        main_.OverErr();
    }
}

void VideoPage::RadioGroupYx1x2Click()
{
    const int mode = ModeIndex();
    SpinEditYx1x22->setRange(-128, 127);
    SpinEditYx1x21->setRange(-128, 127);
    if (mode >= 0 && mode < 4) {
        LabelYx1x22->setText(QString::fromUtf8(kModes[mode].d1));
        LabelYx1x21->setText(QString::fromUtf8(kModes[mode].d2));
        LabelYx1x2->setText(QString::fromLatin1(kModes[mode].name));
    }
    if (mode == kYCbCr) {
        SpinEditYx1x22->setRange(16, 240);
        SpinEditYx1x21->setRange(16, 240);
    }
    LabelYx1x20->clear();
    main_.BitBtn1Click();
}

}  // namespace qolvar::app
