#include "page_cie.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "colour/cie.h"
#include "colour/numeric.h"
#include "mainwindow.h"
#include "pagetext.h"

namespace qolvar::app {

namespace {

struct ModeTexts {
    const char* name;       // LabelCIE
    const char* captions[3];  // LabelCIE3, LabelCIE2, LabelCIE1
};
const ModeTexts kModes[4] = {
    {"CIE XYZ", {"X", "Y", "Z"}},
    {"CIE Yxy", {"Y", "x", "y"}},
    {"CIE L*a*b*", {"L*", "a*", "b*"}},
    {"CIE L*u*v*", {"L*", "u*", "v*"}},
};

// v × 100 rounded, as a 16-bit two's-complement value in four digits.
QString Code16(float v)
{
    const auto n = num::Round(static_cast<num::Ext>(v) * 100);
    return HexText(static_cast<std::uint32_t>(n) & 0xFFFF, 4);
}

}  // namespace

CIEPage::CIEPage(TformMain& main, QWidget* parent) : ModelPage(main, parent)
{
    setObjectName(QStringLiteral("TabSheetCIE"));
    // The result swatch and its code panel of the main window lie over the
    // top-left corner of every page (about 235 × 60 pixels): the controls
    // keep clear of it.
    auto label = [this](const char* name, const QString& text, int x, int y, int w, int h = 18) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(x, y, w, h);
        return l;
    };
    // Beside the swatch: the model's name and, for L*a*b* / L*u*v*, its code.
    LabelCIE = label("LabelCIE", QStringLiteral("CIE Yxy"), 244, 8, 200, 22);
    QFont big = LabelCIE->font();
    big.setPixelSize(16);
    big.setBold(true);
    LabelCIE->setFont(big);
    LabelCIE0 = label("LabelCIE0", QString(), 244, 36, 200);

    RadioGroupCIE = new QGroupBox(this);
    RadioGroupCIE->setObjectName(QStringLiteral("RadioGroupCIE"));
    RadioGroupCIE->setGeometry(12, 66, 464, 36);
    modes_ = MakeRadioGroup(RadioGroupCIE, {QStringLiteral("XYZ"), QStringLiteral("Yxy"), QStringLiteral("L*a*b*"),
                                            QStringLiteral("L*u*v*")},
                            4);
    modes_->button(kYxy)->setChecked(true);

    const char* names[3] = {"editCIE3", "editCIE2", "editCIE1"};
    const char* labels[3] = {"LabelCIE3", "LabelCIE2", "LabelCIE1"};
    QLineEdit** edits[3] = {&editCIE3, &editCIE2, &editCIE1};
    QLabel** captions[3] = {&LabelCIE3, &LabelCIE2, &LabelCIE1};
    for (int i = 0; i < 3; ++i) {
        const int y = 116 + 32 * i;
        *captions[i] = label(labels[i], QString::fromLatin1(kModes[kYxy].captions[i]), 16, y + 3, 28);
        auto* e = new QLineEdit(QStringLiteral("0"), this);
        e->setObjectName(QString::fromLatin1(names[i]));
        e->setGeometry(48, y, 121, 22);
        *edits[i] = e;
        connect(e, &QLineEdit::textChanged, this, [this, e] { main_.Guarded(e, [&] { editCIE1Change(); }); });
    }

    ckCIE = new QCheckBox(QStringLiteral("小数点以下2桁で表示"), this);
    ckCIE->setObjectName(QStringLiteral("ckCIE"));
    ckCIE->setGeometry(200, 116, 200, 22);
    ckCIE->setChecked(true);

    ComboBoxCIE2 = new QComboBox(this);
    ComboBoxCIE2->setObjectName(QStringLiteral("ComboBoxCIE2"));
    ComboBoxCIE2->setGeometry(200, 148, 150, 22);
    ComboBoxCIE2->addItems({QStringLiteral("1.0 no gamma"), QStringLiteral("1.8 Mac gamma"),
                            QStringLiteral("2.2 Win gamma"), QStringLiteral("2.4 sRGB gamma"), QStringLiteral("3.0")});
    // No item is chosen at first; the box shows its initial text.
    ComboBoxCIE2->setPlaceholderText(QStringLiteral("gamma 2.2"));
    ComboBoxCIE2->setCurrentIndex(-1);

    ComboBoxCIE1 = new QComboBox(this);
    ComboBoxCIE1->setObjectName(QStringLiteral("ComboBoxCIE1"));
    ComboBoxCIE1->setGeometry(200, 180, 150, 22);
    ComboBoxCIE1->addItems(
        {QStringLiteral("標準の光D65"), QStringLiteral("標準の光C"), QStringLiteral("標準の光A")});
    ComboBoxCIE1->setPlaceholderText(QStringLiteral("標準の光D65"));
    ComboBoxCIE1->setCurrentIndex(-1);

    connect(modes_, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on) main_.Guarded(RadioGroupCIE, [&] { RadioGroupCIEClick(); });
    });
    connect(ckCIE, &QCheckBox::toggled, this, [this] { main_.Guarded(ckCIE, [&] { btCIEClick(); }); });
    connect(ComboBoxCIE2, &QComboBox::activated, this,
            [this] { main_.Guarded(ComboBoxCIE2, [&] { ComboBoxCIE2Change(); }); });
    connect(ComboBoxCIE1, &QComboBox::activated, this,
            [this] { main_.Guarded(ComboBoxCIE1, [&] { ComboBoxCIE1Change(); }); });
}

int CIEPage::ModeIndex() const { return modes_->checkedId(); }

void CIEPage::btCIEClick()
{
    const RGBCode rgb = main_.CurRGB;
    TColorVec v{};
    RGBCode result = 0;
    switch (ModeIndex()) {
    case kXYZ:
        RGBToXYZ(rgb, v);
        result = XYZToRGB(v);
        DspCIE(num::single(static_cast<num::Ext>(v[0]) * 100), num::single(static_cast<num::Ext>(v[1]) * 100),
               num::single(static_cast<num::Ext>(v[2]) * 100));
        break;
    case kYxy:
        RGBToYxy(rgb, v);
        DspCIE(v[2], v[0], v[1]);
        result = YxyToRGB(v);
        break;
    case kLab:
        RGBToLab(rgb, v);
        DspCIE(v[0], v[1], v[2]);
        result = LabToRGB(v);
        break;
    case kLuv:
        RGBToLuv(rgb, v);
        DspCIE(v[0], v[1], v[2]);
        result = LuvToRGB(v);
        break;
    default:
        break;
    }
    main_.DspDsetRGB(result);
    main_.LogWrite(LabelCIE->text() + QLatin1Char('=') + editCIE3->text() + QLatin1Char(',') + editCIE2->text() +
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
    if (t3.isEmpty() || t2.isEmpty() || t1.isEmpty()) return;
    // A lone sign: the user is about to type the digits.
    const QString sign = QStringLiteral("-");
    if (t3 == sign || t2 == sign || t1 == sign) return;
    if (main_.InUpdate) return;
    GuardScope guard(main_.InUpdate);
    try {
        RGBCode result = 0;
        switch (ModeIndex()) {
        case kXYZ: {
            const TColorVec v{num::single(ReadReal(t3) / 100), num::single(ReadReal(t2) / 100),
                              num::single(ReadReal(t1) / 100)};
            result = XYZToRGB(v);
            break;
        }
        case kYxy: {
            TColorVec v{};
            v[2] = num::single(ReadReal(t3));
            v[0] = num::single(ReadReal(t2));
            v[1] = num::single(ReadReal(t1));
            result = YxyToRGB(v);
            break;
        }
        case kLab:
        case kLuv: {
            TColorVec v{num::single(ReadReal(t3)), num::single(ReadReal(t2)), num::single(ReadReal(t1))};
            result = ModeIndex() == kLab ? LabToRGB(v) : LuvToRGB(v);
            break;
        }
        default:
            break;
        }
        main_.DspDsetRGB(result);
        main_.CurRGB = result;
        main_.DspRGB();
    } catch (const std::exception&) {
        main_.OverErr();
    }
}

void CIEPage::RadioGroupCIEClick()
{
    const int mode = ModeIndex();
    if (mode >= 0 && mode < 4) {
        LabelCIE3->setText(QString::fromLatin1(kModes[mode].captions[0]));
        LabelCIE2->setText(QString::fromLatin1(kModes[mode].captions[1]));
        LabelCIE1->setText(QString::fromLatin1(kModes[mode].captions[2]));
        LabelCIE->setText(QString::fromLatin1(kModes[mode].name));
    }
    LabelCIE0->clear();
    main_.BitBtn1Click();
}

void CIEPage::ComboBoxCIE2Change()
{
    SetCIEGamma(ComboBoxCIE2->currentIndex());
    btCIEClick();
}

void CIEPage::ComboBoxCIE1Change()
{
    SetCIEWhite(ComboBoxCIE1->currentIndex());
    btCIEClick();
}

}  // namespace qolvar::app
