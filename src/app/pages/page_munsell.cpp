#include "pages/page_munsell.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "colour/models.h"
#include "colour/munsell.h"
#include "colour/munsell_renotation.h"
#include "colour/numeric.h"
#include "pages/pagetext.h"
#include "widgets/accessible.h"
#include "widgets/conditions.h"

namespace qolvar::app {

MunsellPage::MunsellPage(AppHost& host, QWidget* parent) : ModelPage(host, parent)
{
    setObjectName(QStringLiteral("TabSheetMunsell"));
    auto label = [this](const char* name, const QString& text, int x, int y, int w, int h = 18) {
        return AddLabel(name, text, QRect(x, y, w, h));
    };
    auto edit = [this](const char* name, const QString& text, int x, int y, int w) {
        auto* e = new QLineEdit(text, this);
        e->setObjectName(QString::fromLatin1(name));
        e->setGeometry(x, y, w, 22);
        return e;
    };
    // The top-left corner lies under the main window's result swatch.
    const ModelInfo& munsell = InfoOf(Model::Munsell);
    LabelHVC = AddTitle("LabelHVC", QString::fromLatin1(munsell.title), QRect(250, 10, 60, 22));
    ComboBoxHVC = AddTypedComboBox("ComboBoxHVC", {tr("標準の光D65"), tr("標準の光C")}, tr("標準の光D65"),
                                   QRect(316, 10, 150, 22), [this] { ComboBoxHVCChange(); });
    // How H V/C is found: the table search or the interpolation of the
    // renotation samples.
    ComboBoxHVCMethod = new QComboBox(this);
    ComboBoxHVCMethod->setObjectName(QStringLiteral("ComboBoxHVCMethod"));
    ComboBoxHVCMethod->addItems({tr("表の探索"), tr("再表記データの補間")});
    ComboBoxHVCMethod->setGeometry(316, 38, 150, 22);
    ComboBoxHVCMethod->setCurrentIndex(static_cast<int>(host_.Conditions().method));
    connect(ComboBoxHVCMethod, &QComboBox::activated, this,
            [this] { Guarded(ComboBoxHVCMethod, [&] { ComboBoxHVCMethodChange(); }); });

    LabelHVC3 = label("LabelHVC3", tr("色相(H)"), 16, 72, 90);
    LabelHVC2 = label("LabelHVC2", tr("明度（V）"), 120, 72, 80);
    LabelHVC1 = label("LabelHVC1", tr("彩度（C）"), 216, 72, 80);
    EditHVC3 = edit("EditHVC3", QStringLiteral("N"), 16, 92, 90);
    EditHVC2 = edit("EditHVC2", QStringLiteral("0"), 120, 92, 76);
    Label6 = label("Label6", QStringLiteral("/"), 200, 92, 12, 22);
    QFont slash = Label6->font();
    slash.setPixelSize(16);
    Label6->setFont(slash);
    EditHVC1 = edit("EditHVC1", QStringLiteral("0"), 216, 92, 76);

    // The Yxy of the conversion: the model's fields x, y, Y shown as Y, x, y.
    auto yxyCaption = [&](int field) { return QString::fromLatin1(CaptionOf(munsell.fields[field])); };
    Label7 = label("Label7", yxyCaption(5), 16, 132, 90);
    Label8 = label("Label8", yxyCaption(3), 120, 132, 80);
    Label9 = label("Label9", yxyCaption(4), 216, 132, 80);
    EditHVCxyY3 = edit("EditHVCxyY3", QStringLiteral("0"), 16, 152, 90);
    EditHVCxyY2 = edit("EditHVCxyY2", QStringLiteral("0"), 120, 152, 76);
    EditHVCxyY1 = edit("EditHVCxyY1", QStringLiteral("0"), 216, 152, 76);

    for (QLineEdit* e : {EditHVC3, EditHVC2, EditHVC1})
        connect(e, &QLineEdit::textChanged, this, [this, e] { Guarded(e, [&] { EditHVC1Change(); }); });
    for (QLineEdit* e : {EditHVCxyY3, EditHVCxyY2, EditHVCxyY1})
        connect(e, &QLineEdit::textChanged, this, [this, e] { Guarded(e, [&] { EditHVCxyY1Change(); }); });
    // What a screen reader says of the controls.
    Describe(ComboBoxHVC, QT_TRANSLATE_NOOP("Accessible", "標準の光"),
             QT_TRANSLATE_NOOP("Accessible", "マンセル値の標準の光"));
    Describe(ComboBoxHVCMethod, QT_TRANSLATE_NOOP("Accessible", "求め方"),
             QT_TRANSLATE_NOOP("Accessible", "マンセル値の求め方"));
    Describe(EditHVC3, QT_TRANSLATE_NOOP("Accessible", "色相 H"),
             QT_TRANSLATE_NOOP("Accessible", "マンセルの色相 (例: 5R、N)"));
    Describe(EditHVC2, QT_TRANSLATE_NOOP("Accessible", "明度 V"),
             QT_TRANSLATE_NOOP("Accessible", "マンセルの明度 (0〜10)"));
    Describe(EditHVC1, QT_TRANSLATE_NOOP("Accessible", "彩度 C"),
             QT_TRANSLATE_NOOP("Accessible", "マンセルの彩度 (0 以上)"));
    Describe(EditHVCxyY3, QT_TRANSLATE_NOOP("Accessible", "x"), QT_TRANSLATE_NOOP("Accessible", "色度座標 x"));
    Describe(EditHVCxyY2, QT_TRANSLATE_NOOP("Accessible", "y"), QT_TRANSLATE_NOOP("Accessible", "色度座標 y"));
    Describe(EditHVCxyY1, QT_TRANSLATE_NOOP("Accessible", "Y"), QT_TRANSLATE_NOOP("Accessible", "輝度率 Y"));
}

void MunsellPage::btHVCClick()
{
    const ModelValues values = ConvertToModel(Model::Munsell, host_.CurRGB(), host_.Conditions());
    DspHVC(values.vec);
    DspHVCxyY(values.yxy);
    host_.DspDsetRGB(BackConverted(Model::Munsell, values, host_.Conditions()));
    host_.LogWrite(LabelHVC->text() + QLatin1Char('=') + EditHVC3->text() + QLatin1Char(',') + EditHVC2->text() +
                   QLatin1Char(',') + EditHVC1->text());
}

QString MunsellPage::HueText(float H)
{
    if (H < 0) return QString::fromLatin1(MunsellHueNames[10]);
    auto j = num::Trunc(static_cast<num::Ext>(H) / 10);
    num::Ext s = static_cast<num::Ext>(H) - 10 * static_cast<num::Ext>(j);
    // A hue at the start of a family is written as 10 of the family before:
    // 0 and 100 are both 10.0RP, 20 is 10.0YR.
    if (s < 0.1L) {
        s = 10;
        j = j - 1;
        if (j < 0) j = 9;
    }
    // Beyond the hue circle (above 100) the families start again from R
    // rather than naming a chromatic hue neutral.
    if (j > 9) j %= 10;
    return FixedText(s, 1) + QString::fromLatin1(MunsellHueNames[static_cast<std::size_t>(j)]);
}

void MunsellPage::DspHVC(const TColorVec& hvc)
{
    SetEditText(EditHVC3, HueText(hvc[0]));
    SetEditText(EditHVC2, FixedText(hvc[1], 1));
    SetEditText(EditHVC1, FixedText(hvc[2], 1));
}

void MunsellPage::DspHVCxyY(const TColorVec& yxy)
{
    SetEditText(EditHVCxyY3, FixedText(yxy[2], 2));
    SetEditText(EditHVCxyY2, FixedText(yxy[0], 4));
    SetEditText(EditHVCxyY1, FixedText(yxy[1], 4));
}

void MunsellPage::EditHVC1Change()
{
    if (!AllTyped({EditHVC3->text(), EditHVC2->text(), EditHVC1->text()})) return;
    // The hue text's number ("5.0") and family ("R").
    const HueTextParts hue = SplitHueText(EditHVC3->text().toStdString());
    // Only digits so far: the user is still typing the number.
    if (hue.family.empty()) return;
    ConvertTyped({EditHVC3, EditHVC2, EditHVC1}, [&] {
        const std::size_t j = hue.familyIndex;
        // A family that matches no name is marked, not taken for a grey.
        if (j > 10)
            throw FieldProblem(EditHVC3, tr("色相「%1」の記号は R YR Y GY G BG B PB P RP N のどれでもありません")
                                             .arg(EditHVC3->text().left(40))
                                             .toStdString());
        TColorVec hvc{};
        // "N" gives a neutral grey.
        if (j <= 9) {
            const auto number = ParseDecimalTrimmed(hue.number);
            if (!number) throw FieldProblem(EditHVC3, NotANumber(EditHVC3->text()));
            hvc[0] = num::single(*number + 10 * static_cast<num::Ext>(j));
        } else {
            hvc[0] = -1.0f;
        }
        hvc[1] = num::single(RealOf(EditHVC2));
        hvc[2] = num::single(RealOf(EditHVC1));
        // Values past white, or a negative chroma, have no colour.
        if (!(hvc[1] >= 0 && hvc[1] <= 10))
            throw FieldProblem(EditHVC2, tr("明度 V は 0 から 10 までです").toStdString());
        if (!(hvc[2] >= 0)) throw FieldProblem(EditHVC1, tr("彩度 C は 0 以上です").toStdString());
        TColorVec yxy{};
        TakeTypedColour(MunsellHVCToRGB(hvc, yxy, host_.Conditions()));
        DspHVCxyY(yxy);
    });
}

void MunsellPage::EditHVCxyY1Change()
{
    const QString tY = EditHVCxyY3->text(), tx = EditHVCxyY2->text(), ty = EditHVCxyY1->text();
    if (!AllTyped({tY, tx, ty}) || AnyLoneSign({tY, tx, ty})) return;
    ConvertTyped({EditHVCxyY3, EditHVCxyY2, EditHVCxyY1}, [&] {
        ModelValues values;
        TColorVec& yxy = values.vec;
        yxy[2] = num::single(RealOf(EditHVCxyY3));
        yxy[0] = num::single(RealOf(EditHVCxyY2));
        yxy[1] = num::single(RealOf(EditHVCxyY1));
        TakeTypedColour(ModelToRGB(Model::Yxy, values, host_.Conditions()));
        TColorVec hvc{};
        MunsellYxyToHVC(yxy, hvc, host_.Conditions());
        DspHVC(hvc);
    });
}

void MunsellPage::ComboBoxHVCChange()
{
    WindowConditions& conditions = host_.EditConditions();
    conditions.SetMunsellFile(TypedIndex(ComboBoxHVC));
    conditions.LoadMunsellTable(host_.ExeDir());
    btHVCClick();
}

void MunsellPage::ComboBoxHVCMethodChange()
{
    SetMethod(ComboBoxHVCMethod->currentIndex());
    btHVCClick();
}

void MunsellPage::SetMethod(int index)
{
    const MunsellMethod method = index == 1 ? MunsellMethod::Renotation : MunsellMethod::Search;
    host_.EditConditions().SetMunsellMethod(method);
    const QSignalBlocker quiet(ComboBoxHVCMethod);
    ComboBoxHVCMethod->setCurrentIndex(static_cast<int>(method));
}

}  // namespace qolvar::app
