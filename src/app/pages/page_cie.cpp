#include "pages/page_cie.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "colour/models.h"
#include "colour/numeric.h"
#include "pages/pagetext.h"
#include "widgets/accessible.h"
#include "widgets/conditions.h"

namespace qolvar::app {

namespace {

// The models of the modes, and which of a model's fields each edit shows
// (LabelCIE3, LabelCIE2, LabelCIE1): Yxy is shown as Y, x, y.
constexpr Model kModeModels[4] = {Model::XYZ, Model::Yxy, Model::Lab, Model::Luv};
constexpr int FieldShown(int mode, int edit) { return mode == CIEPage::kYxy ? (edit + 2) % 3 : edit; }

QString Caption(int mode, int edit)
{
    const FieldInfo& f = InfoOf(kModeModels[mode]).fields[static_cast<std::size_t>(FieldShown(mode, edit))];
    return QString::fromLatin1(CaptionOf(f));
}
QString Title(int mode) { return QString::fromLatin1(InfoOf(kModeModels[mode]).title); }

// v × 100 rounded, as a 16-bit two's-complement value in four digits.
QString Code16(float v)
{
    const auto n = num::Round(static_cast<num::Ext>(v) * 100);
    return HexText(static_cast<std::uint32_t>(n) & 0xFFFF, 4);
}

}  // namespace

CIEPage::CIEPage(AppHost& host, QWidget* parent) : ModelPage(host, parent)
{
    setObjectName(QStringLiteral("TabSheetCIE"));
    CreateControls();
    ConnectControls();
    // What a screen reader says of the controls.
    Describe(modes_->button(0), QT_TRANSLATE_NOOP("Accessible", "XYZ"),
             QT_TRANSLATE_NOOP("Accessible", "CIE XYZ で表示する"));
    Describe(modes_->button(1), QT_TRANSLATE_NOOP("Accessible", "Yxy"),
             QT_TRANSLATE_NOOP("Accessible", "CIE Yxy で表示する"));
    Describe(modes_->button(2), QT_TRANSLATE_NOOP("Accessible", "L*a*b*"),
             QT_TRANSLATE_NOOP("Accessible", "CIE L*a*b* で表示する"));
    Describe(modes_->button(3), QT_TRANSLATE_NOOP("Accessible", "L*u*v*"),
             QT_TRANSLATE_NOOP("Accessible", "CIE L*u*v* で表示する"));
    Describe(editCIE3, QT_TRANSLATE_NOOP("Accessible", "CIE の第 1 の値"),
             QT_TRANSLATE_NOOP("Accessible", "選んだモデルの第 1 の値 (X、Y または L*)"));
    Describe(editCIE2, QT_TRANSLATE_NOOP("Accessible", "CIE の第 2 の値"),
             QT_TRANSLATE_NOOP("Accessible", "選んだモデルの第 2 の値 (Y、x、a* または u*)"));
    Describe(editCIE1, QT_TRANSLATE_NOOP("Accessible", "CIE の第 3 の値"),
             QT_TRANSLATE_NOOP("Accessible", "選んだモデルの第 3 の値 (Z、y、b* または v*)"));
    Describe(ckCIE, QT_TRANSLATE_NOOP("Accessible", "小数点以下 2 桁"),
             QT_TRANSLATE_NOOP("Accessible", "値を小数点以下 2 桁で表示する"));
    Describe(ComboBoxCIE2, QT_TRANSLATE_NOOP("Accessible", "ガンマ"),
             QT_TRANSLATE_NOOP("Accessible", "RGB のガンマ。一覧から選ぶか数値を入力する"));
    Describe(ComboBoxCIE1, QT_TRANSLATE_NOOP("Accessible", "標準の光"),
             QT_TRANSLATE_NOOP("Accessible", "白色点にする標準の光"));
}

void CIEPage::CreateControls()
{
    // The result swatch and its code panel of the main window lie over the
    // top-left corner of every page (about 235 × 60 pixels): the controls
    // keep clear of it.
    auto label = [this](const char* name, const QString& text, int x, int y, int w, int h = 18) {
        return AddLabel(name, text, QRect(x, y, w, h));
    };
    // Beside the swatch: the model's name and, for L*a*b* / L*u*v*, its code.
    LabelCIE = AddTitle("LabelCIE", Title(kYxy), QRect(244, 8, 200, 22));
    LabelCIE0 = label("LabelCIE0", QString(), 244, 36, 200);

    RadioGroupCIE = new QGroupBox(this);
    RadioGroupCIE->setObjectName(QStringLiteral("RadioGroupCIE"));
    RadioGroupCIE->setGeometry(12, 66, 464, 36);
    modes_ = MakeRadioGroup(
        RadioGroupCIE,
        {QStringLiteral("XYZ"), QStringLiteral("Yxy"), QStringLiteral("L*a*b*"), QStringLiteral("L*u*v*")}, 4);
    modes_->button(kYxy)->setChecked(true);

    const char* names[3] = {"editCIE3", "editCIE2", "editCIE1"};
    const char* labels[3] = {"LabelCIE3", "LabelCIE2", "LabelCIE1"};
    QLineEdit** edits[3] = {&editCIE3, &editCIE2, &editCIE1};
    QLabel** captions[3] = {&LabelCIE3, &LabelCIE2, &LabelCIE1};
    for (int i = 0; i < 3; ++i) {
        const int y = 116 + 32 * i;
        *captions[i] = label(labels[i], Caption(kYxy, i), 16, y + 3, 28);
        auto* e = new QLineEdit(QStringLiteral("0"), this);
        e->setObjectName(QString::fromLatin1(names[i]));
        e->setGeometry(48, y, 121, 22);
        *edits[i] = e;
    }

    ckCIE = new QCheckBox(tr("小数点以下2桁で表示"), this);
    ckCIE->setObjectName(QStringLiteral("ckCIE"));
    ckCIE->setGeometry(200, 116, 200, 22);
    ckCIE->setChecked(true);

    // No item is chosen at first; the boxes show their initial texts.
    ComboBoxCIE2 =
        AddTypedComboBox("ComboBoxCIE2",
                         {QStringLiteral("1.0 no gamma"), QStringLiteral("1.8 Mac gamma"),
                          QStringLiteral("2.2 Win gamma"), QStringLiteral("2.4 sRGB gamma"), QStringLiteral("3.0")},
                         QStringLiteral("gamma 2.2"), QRect(200, 148, 150, 22), [this] { ComboBoxCIE2Change(); });
    ComboBoxCIE1 =
        AddTypedComboBox("ComboBoxCIE1", {tr("標準の光D65"), tr("標準の光C"), tr("標準の光A"), tr("標準の光D50")},
                         tr("標準の光D65"), QRect(200, 180, 150, 22), [this] { ComboBoxCIE1Change(); });
}

void CIEPage::ConnectControls()
{
    for (QLineEdit* e : {editCIE3, editCIE2, editCIE1})
        connect(e, &QLineEdit::textChanged, this, [this, e] { Guarded(e, [&] { editCIE1Change(); }); });
    connect(modes_, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on) Guarded(RadioGroupCIE, [&] { RadioGroupCIEClick(); });
    });
    connect(ckCIE, &QCheckBox::toggled, this, [this] { Guarded(ckCIE, [&] { btCIEClick(); }); });
}

int CIEPage::ModeIndex() const { return modes_->checkedId(); }

void CIEPage::btCIEClick()
{
    const int mode = ModeIndex();
    RGBCode result = 0;
    if (mode >= 0 && mode < 4) {
        const Model model = kModeModels[mode];
        const ModelValues values = ConvertToModel(model, host_.CurRGB(), host_.Conditions());
        const TColorVec& v = values.vec;
        // XYZ is shown on the scale where white has Y = 100, Yxy as Y, x, y.
        if (mode == kXYZ)
            DspCIE(num::single(static_cast<num::Ext>(v[0]) * 100), num::single(static_cast<num::Ext>(v[1]) * 100),
                   num::single(static_cast<num::Ext>(v[2]) * 100));
        else if (mode == kYxy)
            DspCIE(v[2], v[0], v[1]);
        else
            DspCIE(v[0], v[1], v[2]);
        result = BackConverted(model, values, host_.Conditions());
    }
    host_.DspDsetRGB(result);
    host_.LogWrite(LabelCIE->text() + QLatin1Char('=') + editCIE3->text() + QLatin1Char(',') + editCIE2->text() +
                   QLatin1Char(',') + editCIE1->text());
}

void CIEPage::DspCIE(float first, float second, float third)
{
    const int mode = ModeIndex();
    // Each write may run editCIE1Change at once (when the guard is clear).
    if (ckCIE->isChecked()) {
        const int fine = mode == kYxy ? 4 : 2;
        SetEditText(editCIE3, FixedText(first, 2));
        SetEditText(editCIE2, FixedText(second, fine));
        SetEditText(editCIE1, FixedText(third, fine));
    } else {
        SetEditText(editCIE3, GeneralText(first));
        SetEditText(editCIE2, GeneralText(second));
        SetEditText(editCIE1, GeneralText(third));
    }
    if (mode == kLab || mode == kLuv)
        LabelCIE0->setText(QLatin1Char('#') + Code16(first) + QLatin1Char(' ') + Code16(second) + QLatin1Char(' ') +
                           Code16(third));
}

void CIEPage::editCIE1Change()
{
    const QString t3 = editCIE3->text(), t2 = editCIE2->text(), t1 = editCIE1->text();
    if (!AllTyped({t3, t2, t1}) || AnyLoneSign({t3, t2, t1})) return;
    const int mode = ModeIndex();
    if (mode < 0 || mode >= 4) return;
    ConvertTyped({editCIE3, editCIE2, editCIE1}, [&] {
        ModelValues values;
        TColorVec& v = values.vec;
        if (mode == kXYZ) {
            v = {num::single(RealOf(editCIE3) / 100), num::single(RealOf(editCIE2) / 100),
                 num::single(RealOf(editCIE1) / 100)};
        } else if (mode == kYxy) {
            v[2] = num::single(RealOf(editCIE3));
            v[0] = num::single(RealOf(editCIE2));
            v[1] = num::single(RealOf(editCIE1));
        } else {
            v = {num::single(RealOf(editCIE3)), num::single(RealOf(editCIE2)), num::single(RealOf(editCIE1))};
        }
        TakeTypedColour(ModelToRGB(kModeModels[mode], values, host_.Conditions()));
    });
}

void CIEPage::RadioGroupCIEClick()
{
    const int mode = ModeIndex();
    if (mode >= 0 && mode < 4) {
        LabelCIE3->setText(Caption(mode, 0));
        LabelCIE2->setText(Caption(mode, 1));
        LabelCIE1->setText(Caption(mode, 2));
        LabelCIE->setText(Title(mode));
    }
    LabelCIE0->clear();
    host_.BitBtn1Click();
}

void CIEPage::ComboBoxCIE2Change()
{
    host_.EditConditions().SetCIEGamma(TypedIndex(ComboBoxCIE2));
    btCIEClick();
}

void CIEPage::ComboBoxCIE1Change()
{
    host_.EditConditions().SetCIEWhite(TypedIndex(ComboBoxCIE1));
    btCIEClick();
}

}  // namespace qolvar::app
