// The CIE page: refresh in the four models, the fixed and full-precision
// displays, the code label, typed values, gamma and reference white.
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <charconv>

#include "colour/models.h"
#include "colour/numeric.h"
#include "page_testing.h"
#include "pages/page_cie.h"
#include "pages/pagetext.h"

using namespace qolvar;
using app::CIEPage;

namespace {

long double Num(const QString& text)
{
    const std::string s = text.trimmed().toStdString();
    long double v = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    EXPECT_TRUE(r.ec == std::errc() && r.ptr == s.data() + s.size()) << s;
    return v;
}

class CIEPageTest : public test::PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        StartOn(0);
        p = w->findChild<app::CIEPage*>();
    }
    void SelectMode(int mode) { p->RadioGroupCIE->findChildren<QRadioButton*>()[mode]->click(); }
    QStringList Fields() const { return {p->editCIE3->text(), p->editCIE2->text(), p->editCIE1->text()}; }
    // The colour the three fields convert back to in the current mode.
    RGBCode BackConversion() const
    {
        const long double a = Num(p->editCIE3->text()), b = Num(p->editCIE2->text()), c = Num(p->editCIE1->text());
        const Model models[] = {Model::XYZ, Model::Yxy, Model::Lab, Model::Luv};
        ModelValues v;
        switch (p->ModeIndex()) {
        case CIEPage::kXYZ: v.vec = {num::single(a / 100), num::single(b / 100), num::single(c / 100)}; break;
        case CIEPage::kYxy: v.vec = {num::single(b), num::single(c), num::single(a)}; break;
        default: v.vec = {num::single(a), num::single(b), num::single(c)}; break;
        }
        return ModelToRGB(models[p->ModeIndex()], v, w->Conditions());
    }
    CIEPage* p = nullptr;
};

TEST_F(CIEPageTest, StartsInYxyWithNoGammaItemChosen)
{
    EXPECT_EQ(p->ModeIndex(), CIEPage::kYxy);
    EXPECT_EQ(Fields(), QStringList({"0", "0", "0"}));
    EXPECT_EQ(p->ComboBoxCIE2->currentIndex(), -1);
    EXPECT_EQ(p->ComboBoxCIE2->placeholderText(), "gamma 2.2");
    EXPECT_EQ(w->Conditions().gamma, 2.2f);
    ExpectClearOfTheResultSwatch(p);
}

// The fields a refresh shows, from the values of qolvar-cli convert
// xyz / yxy / lab / luv (the baseline build), as the page writes them: XYZ
// times 100 (the single 95.045 is 95.0449982), Yxy as Y, x, y with four
// decimals for x and y, two decimals elsewhere.
struct RefreshCase {
    int mode;
    RGBCode rgb;
    const char* fields[3];
    RGBCode back;
};

class CIERefresh : public CIEPageTest, public ::testing::WithParamInterface<RefreshCase> {};

TEST_P(CIERefresh, ShowsTheModelsValuesAndLogsThem)
{
    const RefreshCase c = GetParam();
    if (c.mode != p->ModeIndex()) SelectMode(c.mode);
    SetColour(c.rgb);
    const int before = LogLines().size();
    Refresh();
    const QStringList expected{c.fields[0], c.fields[1], c.fields[2]};
    EXPECT_EQ(Fields(), expected);
    EXPECT_EQ(Result(), c.back);
    EXPECT_EQ(test::Child<QLabel>(w, "Label3")->text(), "#" + Hex(c.back));
    EXPECT_EQ(w->CurRGB(), c.rgb);  // the guarded refresh leaves the colour alone
    EXPECT_EQ(LogLines().size(), before + 1);
    EXPECT_EQ(LastLog(), "RGB=#" + Hex(c.rgb) + " " + p->LabelCIE->text() + "=" + expected.join(','));
}

INSTANTIATE_TEST_SUITE_P(
    ModesAndColours, CIERefresh,
    ::testing::Values(RefreshCase{CIEPage::kXYZ, 0x000000, {"0.00", "0.00", "0.00"}, 0x000000},
                      RefreshCase{CIEPage::kXYZ, 0xFFFFFF, {"95.04", "100.00", "108.89"}, 0xFFFFFF},
                      RefreshCase{CIEPage::kXYZ, 0x00FF00, {"35.76", "71.52", "11.92"}, 0x01FF00},
                      RefreshCase{CIEPage::kXYZ, 0x5C02A7, {"11.49", "5.10", "37.66"}, 0x5C02A7},
                      RefreshCase{CIEPage::kYxy, 0x000000, {"0.00", "0.0000", "0.0000"}, 0x000000},
                      RefreshCase{CIEPage::kYxy, 0xFFFFFF, {"100.00", "0.3127", "0.3290"}, 0xFFFFFF},
                      RefreshCase{CIEPage::kYxy, 0x00FF00, {"71.52", "0.3000", "0.6000"}, 0x01FF00},
                      RefreshCase{CIEPage::kYxy, 0x5C02A7, {"5.10", "0.2118", "0.0941"}, 0x5C02A7},
                      RefreshCase{CIEPage::kLab, 0x000000, {"0.00", "0.00", "0.00"}, 0x000000},
                      RefreshCase{CIEPage::kLab, 0xFFFFFF, {"100.00", "0.00", "0.00"}, 0xFFFFFF},
                      RefreshCase{CIEPage::kLab, 0x00FF00, {"87.74", "-86.18", "83.18"}, 0x01FF00},
                      RefreshCase{CIEPage::kLab, 0x5C02A7, {"27.03", "61.77", "-66.20"}, 0x5C02A7},
                      RefreshCase{CIEPage::kLuv, 0x000000, {"0.00", "0.00", "0.00"}, 0x000000},
                      RefreshCase{CIEPage::kLuv, 0xFFFFFF, {"100.00", "0.00", "0.00"}, 0xFFFFFF},
                      RefreshCase{CIEPage::kLuv, 0x00FF00, {"87.74", "-83.07", "107.41"}, 0x01FF00},
                      RefreshCase{CIEPage::kLuv, 0x5C02A7, {"27.03", "10.82", "-84.27"}, 0x5C02A7}));

TEST_F(CIEPageTest, ModeSwitchRelabelsRefreshesAndLogs)
{
    SetColour(0x00FF00);
    struct Step {
        int mode;
        const char* name;
        QStringList captions;
        bool code;
    };
    const Step steps[] = {
        {CIEPage::kLab, "CIE L*a*b*", {"L*", "a*", "b*"}, true},
        {CIEPage::kXYZ, "CIE XYZ", {"X", "Y", "Z"}, false},
        {CIEPage::kLuv, "CIE L*u*v*", {"L*", "u*", "v*"}, true},
        {CIEPage::kYxy, "CIE Yxy", {"Y", "x", "y"}, false},
    };
    int lines = LogLines().size();
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        SelectMode(s.mode);
        EXPECT_EQ(p->LabelCIE->text(), s.name);
        EXPECT_EQ(QStringList({p->LabelCIE3->text(), p->LabelCIE2->text(), p->LabelCIE1->text()}), s.captions);
        EXPECT_EQ(LogLines().size(), ++lines);
        EXPECT_TRUE(LastLog().startsWith(QStringLiteral("RGB=#00FF00 ") + s.name + "="));
        EXPECT_EQ(p->LabelCIE0->text().isEmpty(), !s.code);
    }
}

TEST_F(CIEPageTest, CodeLabelHoldsHundredthsAsSixteenBitHex)
{
    // L*a*b* of green (qolvar-cli): 87.7355347 -86.180687 83.1824646; the
    // hundredths 8774, -8618 (two's complement DE56), 8318.
    SelectMode(CIEPage::kLab);
    SetColour(0x00FF00);
    Refresh();
    EXPECT_EQ(p->LabelCIE0->text(), "#2246 DE56 207E");
}

TEST_F(CIEPageTest, FullPrecisionShowsTheSingleValuesWidened)
{
    // Yxy of 5C02A7 (qolvar-cli): 0.211790979 0.0940717235 5.10363722, the
    // singles' digits widened to fifteen.
    SetColour(0x5C02A7);
    Refresh();
    p->ckCIE->click();
    ASSERT_FALSE(p->ckCIE->isChecked());
    EXPECT_EQ(Fields(), QStringList({"5.10363721847534", "0.211790978908539", "0.0940717235207558"}));
    // The fields show every digit of the value, so they convert back exactly.
    EXPECT_EQ(w->CurRGB(), 0x5C02A7u);
    EXPECT_EQ(LastLog(), "RGB=#5C02A7 CIE Yxy=" + Fields().join(','));
    // Back on: two and four decimals again.
    p->ckCIE->click();
    EXPECT_EQ(Fields(), QStringList({"5.10", "0.2118", "0.0941"}));
}

// The check box and the combo boxes refresh without the update guard: each
// rewritten field runs the edit handler, so the current colour ends as the
// back-conversion of what the page now shows.
TEST_F(CIEPageTest, CheckBoxRefreshLeavesTheColourOfTheShownValues)
{
    SelectMode(CIEPage::kXYZ);
    p->ckCIE->click();  // full precision
    SetColour(0x5C02A7);
    p->ckCIE->click();  // two decimals: the rounding changes the colour
    EXPECT_EQ(w->CurRGB(), BackConversion());
    EXPECT_EQ(w->CurRGB(), 0x5C00A7u);
    EXPECT_EQ(test::Child<QLineEdit>(w, "editRGBHEX")->text(), "5C00A7");
    EXPECT_EQ(test::Child<platform::SpinEdit>(w, "SpinEditRGB2")->Text(), "0");
    // The refresh's own swatch and log line come from the colour it began
    // with, which XYZ gives back.
    EXPECT_EQ(Result(), 0x5C02A7u);
    EXPECT_EQ(LastLog(), "RGB=#5C00A7 CIE XYZ=" + Fields().join(','));
}

TEST_F(CIEPageTest, CombosSetGammaAndWhiteAndLeaveTheColourOfTheShownValues)
{
    struct Case {
        int mode;
        QComboBox* CIEPage::*box;
        int item;
    };
    const Case cases[] = {
        {CIEPage::kXYZ, &CIEPage::ComboBoxCIE2, 0}, {CIEPage::kYxy, &CIEPage::ComboBoxCIE2, 4},
        {CIEPage::kLab, &CIEPage::ComboBoxCIE1, 2}, {CIEPage::kLuv, &CIEPage::ComboBoxCIE1, 1},
        {CIEPage::kLab, &CIEPage::ComboBoxCIE2, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode * 10 + c.item);
        w->EditConditions().SetCIEGamma(2);  // 2.2
        w->EditConditions().SetCIEWhite(0);  // D65
        SelectMode(c.mode);
        SetColour(0x3A9F02);
        Refresh();
        const QStringList before = Fields();
        const int lines = LogLines().size();
        Choose(p->*c.box, c.item);
        EXPECT_NE(Fields(), before);
        EXPECT_EQ(w->CurRGB(), BackConversion());
        EXPECT_EQ(LogLines().size(), lines + 1);
    }
    const float gammas[] = {1.0f, 1.8f, 2.2f, 2.4f, 3.0f};
    for (int i = 0; i < 5; ++i) {
        Choose(p->ComboBoxCIE2, i);
        EXPECT_EQ(w->Conditions().gamma, gammas[i]);
    }
    const WhitePoint whites[] = {WhiteD65, WhiteC, WhiteA};
    for (int i = 0; i < 3; ++i) {
        Choose(p->ComboBoxCIE1, i);
        EXPECT_EQ(w->Conditions().white, whites[i]);
    }
}

// The combo boxes can be typed into: an item's exact text chooses it, any
// other text chooses none (gamma 1.0, the white unchanged).
TEST_F(CIEPageTest, TypedComboTextsChooseAnItemOrNone)
{
    struct Case {
        QComboBox* CIEPage::*box;
        const char* text;
        int index;
        float gamma, whiteX;
    } cases[] = {
        {&CIEPage::ComboBoxCIE2, "2.4 sRGB gamma", 3, 2.4f, WhiteD65.X},
        {&CIEPage::ComboBoxCIE2, "2.4", -1, 1.0f, WhiteD65.X},
        {&CIEPage::ComboBoxCIE1, "標準の光A", 2, 1.0f, WhiteA.X},
        {&CIEPage::ComboBoxCIE1, "D50", -1, 1.0f, WhiteA.X},
    };
    SelectMode(CIEPage::kLab);
    for (const Case& c : cases) {
        QComboBox* box = p->*c.box;
        box->lineEdit()->selectAll();
        box->lineEdit()->insert(QString::fromUtf8(c.text));  // as typing or pasting it does
        EXPECT_EQ(app::ModelPage::TypedIndex(box), c.index) << c.text;
        EXPECT_EQ(box->currentText(), QString::fromUtf8(c.text));
        EXPECT_EQ(w->Conditions().gamma, c.gamma) << c.text;
        EXPECT_EQ(w->Conditions().white.X, c.whiteX) << c.text;
        EXPECT_EQ(w->CurRGB(), BackConversion()) << c.text;
    }
    // Typing in the middle keeps the cursor where it is and the undo steps.
    QLineEdit* edit = p->ComboBoxCIE2->lineEdit();
    edit->setText("gamma 2.2");
    edit->setCursorPosition(5);
    QTest::keyClicks(edit, "XY");
    EXPECT_EQ(edit->text(), "gammaXY 2.2");
    EXPECT_EQ(edit->cursorPosition(), 7);
    edit->undo();
    EXPECT_EQ(edit->text(), "gamma 2.2");
}

struct TypeCase {
    int mode;
    int field;  // 3, 2 or 1: editCIE3, editCIE2, editCIE1
    const char* text;
    enum { kConverts, kWaits, kRangeError } outcome;
};

class CIETyping : public CIEPageTest, public ::testing::WithParamInterface<TypeCase> {};

TEST_P(CIETyping, ConvertsWaitsOrReportsTheRange)
{
    const TypeCase c = GetParam();
    if (c.mode != p->ModeIndex()) SelectMode(c.mode);
    SetColour(0x336699);
    Refresh();
    QLineEdit* edit = c.field == 3 ? p->editCIE3 : c.field == 2 ? p->editCIE2 : p->editCIE1;
    const int lines = LogLines().size();
    Paste(edit, QString::fromUtf8(c.text));
    EXPECT_EQ(edit->text(), QString::fromUtf8(c.text));  // the page does not rewrite its own fields
    EXPECT_FALSE(w->InUpdate());
    EXPECT_EQ(LogLines().size(), lines);
    switch (c.outcome) {
    case TypeCase::kConverts:
        EXPECT_TRUE(dialogs.messages.empty());
        EXPECT_EQ(w->CurRGB(), BackConversion());
        EXPECT_EQ(Result(), w->CurRGB());
        EXPECT_EQ(test::Child<QLineEdit>(w, "editRGBHEX")->text(), Hex(w->CurRGB()));
        break;
    case TypeCase::kWaits:
        EXPECT_TRUE(dialogs.messages.empty());
        EXPECT_EQ(dialogs.beeps, 0);
        break;
    case TypeCase::kRangeError: {
        // No box takes the focus: the field is marked, the status bar says
        // why, with the beep.
        const RGBCode before = w->CurRGB();
        EXPECT_TRUE(dialogs.messages.empty());
        EXPECT_TRUE(app::FieldMarked(edit));
        EXPECT_FALSE(Problem().isEmpty());
        EXPECT_GE(dialogs.beeps, 1);
        EXPECT_EQ(w->CurRGB(), before);
        break;
    }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, CIETyping,
    ::testing::Values(
        TypeCase{CIEPage::kYxy, 3, "42.5", TypeCase::kConverts},
        TypeCase{CIEPage::kYxy, 2, " 0.3 ", TypeCase::kConverts},  // blanks around the number
        TypeCase{CIEPage::kYxy, 1, "", TypeCase::kWaits}, TypeCase{CIEPage::kYxy, 1, "-", TypeCase::kWaits},
        TypeCase{CIEPage::kYxy, 2, "abc", TypeCase::kRangeError},
        TypeCase{CIEPage::kYxy, 2, "0,3", TypeCase::kRangeError},
        TypeCase{CIEPage::kYxy, 1, "1e-40", TypeCase::kRangeError},  // X beyond a single
        TypeCase{CIEPage::kYxy, 3, "1e40", TypeCase::kRangeError},   // beyond a single
        TypeCase{CIEPage::kYxy, 3, "1000", TypeCase::kConverts},     // clipped to white
        TypeCase{CIEPage::kXYZ, 2, "50", TypeCase::kConverts}, TypeCase{CIEPage::kXYZ, 1, "1.5E1", TypeCase::kConverts},
        TypeCase{CIEPage::kLab, 2, "-5", TypeCase::kConverts}, TypeCase{CIEPage::kLab, 1, "inf", TypeCase::kRangeError},
        TypeCase{CIEPage::kLuv, 3, "0", TypeCase::kConverts}));  // L* = 0 is black

TEST_F(CIEPageTest, MinusThenDigitsConverts)
{
    SelectMode(CIEPage::kLab);
    SetColour(0x336699);
    Refresh();
    Type(p->editCIE2, QStringLiteral("-"));
    EXPECT_EQ(w->CurRGB(), 0x336699u);
    QTest::keyClicks(p->editCIE2, QStringLiteral("5"));
    EXPECT_EQ(p->editCIE2->text(), "-5");
    EXPECT_EQ(w->CurRGB(), BackConversion());
    EXPECT_NE(w->CurRGB(), 0x336699u);
    EXPECT_TRUE(dialogs.messages.empty());
    // After a range error later edits still take effect, and the mark goes
    // when the text is usable again.
    Type(p->editCIE1, QStringLiteral("x"));
    EXPECT_EQ(Problem(), "「x」は数値ではありません");
    EXPECT_TRUE(app::FieldMarked(p->editCIE1));
    EXPECT_FALSE(app::FieldMarked(p->editCIE2));
    Type(p->editCIE1, QStringLiteral("10"));
    EXPECT_EQ(w->CurRGB(), BackConversion());
    EXPECT_FALSE(app::FieldMarked(p->editCIE1));
    EXPECT_EQ(Problem(), "");
}

}  // namespace

// Reading the number texts of the pages.
namespace {

TEST(NumberTexts, ReadRealAcceptsBlanksAndRefusesOtherText)
{
    EXPECT_EQ(app::ReadReal(QStringLiteral(" 12.5 ")), 12.5L);
    EXPECT_EQ(app::ReadReal(QStringLiteral("+.5")), 0.5L);
    EXPECT_EQ(app::ReadReal(QStringLiteral("5.")), 5.0L);
    EXPECT_EQ(app::ReadReal(QStringLiteral("-1.5E-7")), -1.5e-7L);
    for (const char* bad : {"", " ", "-", ".", "1,5", "0x10", "inf", "nan", "1e", "5R", "１"})
        EXPECT_THROW(app::ReadReal(QString::fromUtf8(bad)), ConvertError) << bad;
}

}  // namespace
