#include "pages/page_video.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

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

// The captions of the model buttons with the classic models.
const char* const kClassicCaptions[4] = {"YUV  NTSC, PAL, MPEG JPEG", "YCbCr  NTSC (ITU-R BT.601)",
                                         "YPbPr  HDTV (SMPTE-240M)", "YIQ  NTSC (Composite)"};
// The standards' names, as the standard box lists them after the classic.
const char* const kMatrixNames[3] = {"ITU-R BT.601", "ITU-R BT.709", "ITU-R BT.2020"};
const char* MatrixName(VideoMatrix m) { return kMatrixNames[static_cast<int>(m)]; }

// Where the value fields stand, and how wide they are for eight-bit codes
// and for longer ones (12-bit codes, Y′PbPr's three decimals).
constexpr int kFieldX = 120, kFieldWidth = 72, kWideFieldWidth = 88;

}  // namespace

VideoPage::VideoPage(AppHost& host, QWidget* parent) : ModelPage(host, parent)
{
    setObjectName(QStringLiteral("TabSheetVIDEO"));
    // Clear of the main window's result swatch over the top-left corner.
    RadioGroupYx1x2 = new QGroupBox(this);
    RadioGroupYx1x2->setObjectName(QStringLiteral("RadioGroupYx1x2"));
    RadioGroupYx1x2->setGeometry(244, 6, 232, 100);
    modes_ = MakeRadioGroup(RadioGroupYx1x2,
                            {QString::fromLatin1(kClassicCaptions[0]), QString::fromLatin1(kClassicCaptions[1]),
                             QString::fromLatin1(kClassicCaptions[2]), QString::fromLatin1(kClassicCaptions[3])},
                            1);
    modes_->button(kYUV)->setChecked(true);

    auto label = [this](const char* name, const QString& text, int x, int y, int w, int h = 18) {
        return AddLabel(name, text, QRect(x, y, w, h));
    };
    LabelYx1x2 = AddTitle("LabelYx1x2", Title(Model::YUV), QRect(16, 72, 80, 22));
    LabelYx1x20 = label("LabelYx1x20", QString(), 110, 75, 120);
    LabelYx1x20->setWordWrap(true);

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

    // The studio standard YCbCr and YPbPr follow, its range and bit depth.
    auto combo = [this](const char* name, const QStringList& items, int y) {
        auto* box = new QComboBox(this);
        box->setObjectName(QString::fromLatin1(name));
        box->addItems(items);
        box->setGeometry(296, y, 176, 24);
        connect(box, &QComboBox::activated, this, [this, box] { Guarded(box, [&] { ComboBoxVideoChange(); }); });
        return box;
    };
    ComboBoxVideoStandard = combo("ComboBoxVideoStandard",
                                  {tr("従来の式"), QString::fromLatin1(kMatrixNames[0]),
                                   QString::fromLatin1(kMatrixNames[1]), QString::fromLatin1(kMatrixNames[2])},
                                  112);
    ComboBoxVideoRange = combo("ComboBoxVideoRange", {tr("狭い範囲（映像）"), tr("全範囲")}, 144);
    ComboBoxVideoBits = combo("ComboBoxVideoBits", {tr("8 ビット"), tr("10 ビット"), tr("12 ビット")}, 176);
    LabelVideoStandard = label("LabelVideoStandard", tr("規格(&S)"), 220, 116, 72);
    LabelVideoRange = label("LabelVideoRange", tr("範囲(&N)"), 220, 148, 72);
    LabelVideoBits = label("LabelVideoBits", tr("ビット数(&D)"), 220, 180, 72);
    LabelVideoStandard->setBuddy(ComboBoxVideoStandard);
    LabelVideoRange->setBuddy(ComboBoxVideoRange);
    LabelVideoBits->setBuddy(ComboBoxVideoBits);

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
    Describe(ComboBoxVideoStandard, QT_TRANSLATE_NOOP("Accessible", "規格"),
             QT_TRANSLATE_NOOP("Accessible", "YCbCr と YPbPr の規格: 従来の式、BT.601、BT.709 または BT.2020"));
    Describe(ComboBoxVideoRange, QT_TRANSLATE_NOOP("Accessible", "範囲"),
             QT_TRANSLATE_NOOP("Accessible", "規格による YCbCr の範囲: 狭い範囲または全範囲"));
    Describe(ComboBoxVideoBits, QT_TRANSLATE_NOOP("Accessible", "ビット数"),
             QT_TRANSLATE_NOOP("Accessible", "規格による YCbCr の 1 サンプルのビット数"));
    ShowMode();
}

int VideoPage::ModeIndex() const { return modes_->checkedId(); }

void VideoPage::btYx1x2Click()
{
    if (const auto standard = ActiveStandard()) {
        DspStandard(*standard, host_.CurRGB());
        return;
    }
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
    if (const auto standard = ActiveStandard()) {
        TypedStandard(*standard);
        return;
    }
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
    if (mode >= 0 && mode < 4) {
        LabelYx1x22->setText(tr(kModes[mode].d1));
        LabelYx1x21->setText(tr(kModes[mode].d2));
        LabelYx1x2->setText(Title(kModes[mode].model));
    }
    ShowMode();
    LabelYx1x20->clear();
    host_.BitBtn1Click();
}

void VideoPage::ComboBoxVideoChange()
{
    ShowMode();
    LabelYx1x20->clear();
    host_.BitBtn1Click();
}

std::optional<VideoStandard> VideoPage::Standard() const
{
    const int index = StandardIndex();
    if (index == 0) return std::nullopt;
    VideoStandard standard;
    standard.matrix = index == 1 ? VideoMatrix::BT601 : index == 2 ? VideoMatrix::BT709 : VideoMatrix::BT2020;
    standard.range = RangeIndex() == 1 ? VideoRange::Full : VideoRange::Narrow;
    standard.bits = Bits();
    return standard;
}

std::optional<VideoStandard> VideoPage::ActiveStandard() const
{
    const int mode = ModeIndex();
    if (mode != kYCbCr && mode != kYPbPr) return std::nullopt;
    return Standard();
}

int VideoPage::StandardIndex() const { return std::max(0, ComboBoxVideoStandard->currentIndex()); }
int VideoPage::RangeIndex() const { return std::max(0, ComboBoxVideoRange->currentIndex()); }
int VideoPage::Bits() const { return 8 + 2 * std::max(0, ComboBoxVideoBits->currentIndex()); }

void VideoPage::SetStandard(int standard, int range, int bits)
{
    ComboBoxVideoStandard->setCurrentIndex(standard >= 0 && standard <= 3 ? standard : 0);
    ComboBoxVideoRange->setCurrentIndex(range == 1 ? 1 : 0);
    ComboBoxVideoBits->setCurrentIndex(bits == 10 ? 1 : bits == 12 ? 2 : 0);
    ShowMode();
    LabelYx1x20->clear();
}

void VideoPage::ShowMode()
{
    const int mode = ModeIndex();
    const std::optional<VideoStandard> standard = Standard();
    const std::optional<VideoStandard> active = ActiveStandard();
    // The buttons of the two models a standard changes name it.
    for (int m : {kYCbCr, kYPbPr}) {
        const QString model = QString::fromLatin1(InfoOf(kModes[m].model).title);
        modes_->button(m)->setText(standard ? model + QStringLiteral("  ") +
                                                  QString::fromLatin1(MatrixName(standard->matrix))
                                            : QString::fromLatin1(kClassicCaptions[m]));
    }
    // The standard applies to YCbCr and YPbPr; range and bit depth to the
    // codes of YCbCr by a standard.
    const bool standardApplies = mode == kYCbCr || mode == kYPbPr;
    const bool codesApply = active && mode == kYCbCr;
    LabelVideoStandard->setEnabled(standardApplies);
    ComboBoxVideoStandard->setEnabled(standardApplies);
    for (QWidget* w :
         std::initializer_list<QWidget*>{LabelVideoRange, ComboBoxVideoRange, LabelVideoBits, ComboBoxVideoBits})
        w->setEnabled(codesApply);

    SpinEdit* spins[3] = {SpinEditYx1x23, SpinEditYx1x22, SpinEditYx1x21};
    const int decimals = active && mode == kYPbPr ? 3 : 0;
    for (SpinEdit* s : spins) s->setDecimals(decimals);
    if (!active) {
        // The classic models: luma is one byte, the differences signed
        // bytes, YCbCr's unsigned from 16 to 240.
        SpinEditYx1x23->setRange(0, 255);
        const int low = mode == kYCbCr ? 16 : -128, high = mode == kYCbCr ? 240 : 127;
        SpinEditYx1x22->setRange(low, high);
        SpinEditYx1x21->setRange(low, high);
    } else if (mode == kYCbCr) {
        const int max = static_cast<int>(MaxCodeOf(*active));
        for (SpinEdit* s : spins) s->setRange(0, max);
    } else {
        // E′Y from 0 to 1, E′Pb and E′Pr from −0.5 to 0.5, in thousandths.
        SpinEditYx1x23->setRange(0, 1000);
        SpinEditYx1x22->setRange(-500, 500);
        SpinEditYx1x21->setRange(-500, 500);
    }
    const bool wide = active && (mode == kYPbPr || active->bits > 8);
    for (SpinEdit* s : spins) s->setGeometry(kFieldX, s->y(), wide ? kWideFieldWidth : kFieldWidth, s->height());
    // A standard's notes (clamped values) may take two lines.
    LabelYx1x20->setGeometry(active ? QRect(104, 66, 112, 40) : QRect(110, 75, 120, 18));
}

QString VideoPage::StandardText(const VideoStandard& standard) const
{
    QString text = QString::fromLatin1(MatrixName(standard.matrix));
    if (ModeIndex() == kYCbCr)
        text +=
            QLatin1Char(' ') + ComboBoxVideoRange->currentText() + QLatin1Char(' ') + ComboBoxVideoBits->currentText();
    return text;
}

void VideoPage::DspStandard(const VideoStandard& standard, RGBCode rgb)
{
    RGBCode result = rgb;
    bool clamped = false;
    if (ModeIndex() == kYCbCr) {
        const YCbCrCodes c = ToYCbCr(standard, rgb);
        SpinEditYx1x23->setValue(static_cast<int>(c.y));
        SpinEditYx1x22->setValue(static_cast<int>(c.cb));
        SpinEditYx1x21->setValue(static_cast<int>(c.cr));
        clamped = c.clamped;
        result = FromYCbCr(standard, c.y, c.cb, c.cr).code;
    } else {
        // Shown with three decimals; the result swatch shows what they read
        // back to.
        const YPbPrPrime v = ToYPbPr(standard.matrix, PrimeOf(rgb));
        const YPbPrPrime shown{ThreeDecimals(v.y), ThreeDecimals(v.pb), ThreeDecimals(v.pr)};
        SpinEditYx1x23->setReal(shown.y);
        SpinEditYx1x22->setReal(shown.pb);
        SpinEditYx1x21->setReal(shown.pr);
        result = CodeOf(FromYPbPr(standard.matrix, shown)).code;
    }
    LabelYx1x20->setText(clamped ? tr("範囲外の値を端に収めました") : QString());
    host_.DspDsetRGB(result);
    host_.LogWrite(LabelYx1x2->text() + QLatin1Char(' ') + StandardText(standard) + QLatin1Char('=') +
                   SpinEditYx1x23->Text() + QLatin1Char(',') + SpinEditYx1x22->Text() + QLatin1Char(',') +
                   SpinEditYx1x21->Text());
}

void VideoPage::TypedStandard(const VideoStandard& standard)
{
    SpinEdit* spins[3] = {SpinEditYx1x23, SpinEditYx1x22, SpinEditYx1x21};
    ConvertTyped({spins[0], spins[1], spins[2]}, [&] {
        RGBCodeResult result{};
        if (ModeIndex() == kYCbCr) {
            // Codes of the sample size only: one beyond is no code of the
            // standard.
            const long max = MaxCodeOf(standard);
            long codes[3];
            for (int i = 0; i < 3; ++i) {
                codes[i] = ReadInt(spins[i]);
                if (codes[i] < 0 || codes[i] > max)
                    throw FieldProblem(
                        spins[i], tr("%1 ビットの値は 0 から %2 までです").arg(standard.bits).arg(max).toStdString());
            }
            result = FromYCbCr(standard, codes[0], codes[1], codes[2]);
        } else {
            double v[3];
            for (int i = 0; i < 3; ++i) {
                const auto r = spins[i]->readReal();
                if (!r) throw FieldProblem(spins[i], NotANumber(spins[i]->Text()));
                v[i] = *r;
            }
            result = CodeOf(FromYPbPr(standard.matrix, {v[0], v[1], v[2]}));
        }
        // A colour outside sRGB comes to the nearest code and says so.
        LabelYx1x20->setText(result.clamped ? tr("sRGB の範囲外を端に収めました") : QString());
        TakeTypedColour(result.code);
    });
}

}  // namespace qolvar::app
