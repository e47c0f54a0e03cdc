#include "pages/page_video.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>

#include "colour/models.h"
#include "pages/pagetext.h"
#include "platform/spinedit.h"
#include "widgets/accessible.h"

namespace qolvar::app {

using platform::SpinEdit;

namespace {

// The captions of the differences are the page's own words (translated);
// the title (LabelYx1x2) is the model's.
struct ModeTexts {
    Model model;
    const char* d1;  // LabelYx1x22
    const char* d2;  // LabelYx1x21
};
const ModeTexts kModes[4] = {
    {Model::YUV, QT_TRANSLATE_NOOP("qolvar::app::VideoPage", "色差[青み](U)"),
     QT_TRANSLATE_NOOP("qolvar::app::VideoPage", "色差[赤み](V)")},
    {Model::YCbCr, QT_TRANSLATE_NOOP("qolvar::app::VideoPage", "色差[青み](Cb)"),
     QT_TRANSLATE_NOOP("qolvar::app::VideoPage", "色差[赤み](Cr)")},
    {Model::YPbPr, QT_TRANSLATE_NOOP("qolvar::app::VideoPage", "色差[青み](Pb)"),
     QT_TRANSLATE_NOOP("qolvar::app::VideoPage", "色差[赤み](Pr)")},
    {Model::YIQ, QT_TRANSLATE_NOOP("qolvar::app::VideoPage", "間隔[橙→水](I)"),
     QT_TRANSLATE_NOOP("qolvar::app::VideoPage", "対角[黄→紫](Q)")},
};
QString Title(Model model) { return QString::fromLatin1(InfoOf(model).title); }

// The model of a mode index (YIQ for any other, as the video routines take
// an unknown index).
Model ModelOf(int mode) { return mode >= 0 && mode < 4 ? kModes[mode].model : Model::YIQ; }

}  // namespace

VideoPage::VideoPage(AppHost& host, QWidget* parent) : ModelPage(host, parent)
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
        return AddLabel(name, text, QRect(x, y, w, h));
    };
    LabelYx1x2 = AddTitle("LabelYx1x2", Title(Model::YUV), QRect(16, 72, 80, 22));
    LabelYx1x20 = label("LabelYx1x20", QString(), 110, 75, 120);

    const char* labels[3] = {"LabelYx1x23", "LabelYx1x22", "LabelYx1x21"};
    const char* captions[3] = {QT_TRANSLATE_NOOP("qolvar::app::VideoPage", "輝度(Y)"), kModes[kYUV].d1,
                               kModes[kYUV].d2};
    const char* names[3] = {"SpinEditYx1x23", "SpinEditYx1x22", "SpinEditYx1x21"};
    QLabel** labelPtrs[3] = {&LabelYx1x23, &LabelYx1x22, &LabelYx1x21};
    SpinEdit** spins[3] = {&SpinEditYx1x23, &SpinEditYx1x22, &SpinEditYx1x21};
    for (int i = 0; i < 3; ++i) {
        const int y = 112 + 32 * i;
        *labelPtrs[i] = label(labels[i], tr(captions[i]), 16, y + 4, 100);
        auto* s = new SpinEdit(this);
        s->setObjectName(QString::fromLatin1(names[i]));
        s->setGeometry(120, y, 72, 24);
        *spins[i] = s;
        connect(s, &SpinEdit::changed, this, [this, s] { Guarded(s, [&] { SpinEditYx1x21Change(); }); });
    }
    // Luma is reduced to one byte whatever is typed; the arrows run 0..255.
    SpinEditYx1x23->setRange(0, 255);
    SpinEditYx1x22->setRange(-128, 127);
    SpinEditYx1x21->setRange(-128, 127);

    connect(modes_, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on) Guarded(RadioGroupYx1x2, [&] { RadioGroupYx1x2Click(); });
    });
    // What a screen reader says of the controls.
    Describe(modes_->button(0), QT_TRANSLATE_NOOP("Accessible", "YUV"),
             QT_TRANSLATE_NOOP("Accessible", "YUV で表示する"));
    Describe(modes_->button(1), QT_TRANSLATE_NOOP("Accessible", "YCbCr"),
             QT_TRANSLATE_NOOP("Accessible", "YCbCr で表示する"));
    Describe(modes_->button(2), QT_TRANSLATE_NOOP("Accessible", "YPbPr"),
             QT_TRANSLATE_NOOP("Accessible", "YPbPr で表示する"));
    Describe(modes_->button(3), QT_TRANSLATE_NOOP("Accessible", "YIQ"),
             QT_TRANSLATE_NOOP("Accessible", "YIQ で表示する"));
    Describe(SpinEditYx1x23, QT_TRANSLATE_NOOP("Accessible", "輝度"), QT_TRANSLATE_NOOP("Accessible", "輝度 Y の値"));
    Describe(SpinEditYx1x22, QT_TRANSLATE_NOOP("Accessible", "第 1 の色差"),
             QT_TRANSLATE_NOOP("Accessible", "選んだモデルの第 1 の色差 (U、Cb、Pb または I)"));
    Describe(SpinEditYx1x21, QT_TRANSLATE_NOOP("Accessible", "第 2 の色差"),
             QT_TRANSLATE_NOOP("Accessible", "選んだモデルの第 2 の色差 (V、Cr、Pr または Q)"));
}

int VideoPage::ModeIndex() const { return modes_->checkedId(); }

void VideoPage::btYx1x2Click()
{
    const Model model = ModelOf(ModeIndex());
    const ModelValues values = ConvertToModel(model, host_.CurRGB(), host_.Conditions());
    const RGBCode result = BackConverted(model, values, host_.Conditions());
    DspYx1x2(values.code);
    host_.DspDsetRGB(result);
    host_.LogWrite(LabelYx1x2->text() + QLatin1Char('=') + SpinEditYx1x23->Text() + QLatin1Char(',') +
                   SpinEditYx1x22->Text() + QLatin1Char(',') + SpinEditYx1x21->Text());
}

void VideoPage::DspYx1x2(VideoCode code)
{
    const ModelFields f = FieldsOf(ModelOf(ModeIndex()), code);
    SpinEditYx1x23->setValue(static_cast<int>(f.value[0]));
    SpinEditYx1x22->setValue(static_cast<int>(f.value[1]));
    SpinEditYx1x21->setValue(static_cast<int>(f.value[2]));
    LabelYx1x20->setText(QLatin1Char('#') + HexText(code, 6));
}

void VideoPage::SpinEditYx1x21Change()
{
    const QString ty = SpinEditYx1x23->Text(), t1 = SpinEditYx1x22->Text(), t2 = SpinEditYx1x21->Text();
    // A lone sign in a colour difference: the user is about to type digits.
    if (!AllTyped({ty, t1, t2}) || AnyLoneSign({t1, t2})) return;
    ConvertTyped({SpinEditYx1x23, SpinEditYx1x22, SpinEditYx1x21}, [&] {
        const Model model = ModelOf(ModeIndex());
        ModelFields f;
        f.count = 3;
        f.value = {ReadInt(SpinEditYx1x23), ReadInt(SpinEditYx1x22), ReadInt(SpinEditYx1x21)};
        ModelValues values;
        values.code = PackFields(model, f);
        const RGBCode result = ModelToRGB(model, values, host_.Conditions());
        DspYx1x2(values.code);
        TakeTypedColour(result);
    });
}

void VideoPage::RadioGroupYx1x2Click()
{
    const int mode = ModeIndex();
    SpinEditYx1x22->setRange(-128, 127);
    SpinEditYx1x21->setRange(-128, 127);
    if (mode >= 0 && mode < 4) {
        LabelYx1x22->setText(tr(kModes[mode].d1));
        LabelYx1x21->setText(tr(kModes[mode].d2));
        LabelYx1x2->setText(Title(kModes[mode].model));
    }
    if (mode == kYCbCr) {
        SpinEditYx1x22->setRange(16, 240);
        SpinEditYx1x21->setRange(16, 240);
    }
    LabelYx1x20->clear();
    host_.BitBtn1Click();
}

}  // namespace qolvar::app
