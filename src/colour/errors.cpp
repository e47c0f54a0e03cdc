#include "errors.h"

#include <array>

namespace qolvar {

namespace {

struct Texts {
    MessageId id;
    std::string_view japanese, english;
};

// In the order of MessageId.
constexpr std::array<Texts, kMessageIdCount> kTexts{{
    {MessageId::Text, "%1", "%1"},
    {MessageId::FileNotOpened, "ファイル %1 は開けません", "The file %1 cannot be opened"},
    {MessageId::FileTooLarge, "ファイル %1 は大きすぎて開けません", "The file %1 is too large to open"},
    {MessageId::FileNotRead, "ファイル %1 を読み込めません", "The file %1 cannot be read"},
    {MessageId::AtLine, "%1 の %2 行目: %3", "%1, line %2: %3"},
    {MessageId::NoSixValues, "6 つの値 (H, V, C, Y, x, y) がありません",
     "the six values (H, V, C, Y, x, y) are not all there"},
    {MessageId::NotANumber, "'%1' は数値ではありません", "'%1' is not a number"},
    {MessageId::TooManyRows, "%1 の行数が多すぎます (最大 %2 行)", "%1 has too many lines (at most %2)"},
    {MessageId::YTooFar, "Y が表の範囲から遠すぎます", "Y is too far outside the table's range"},
    {MessageId::NoMunsellTable, "マンセル表が読み込まれていません", "No Munsell table is loaded"},
    {MessageId::NoNearSample, "表に近い色票がありません (%1)", "The table has no sample near this colour (%1)"},
    {MessageId::ValueRange, "明度 V は 0 から 10 までです", "The value V runs from 0 to 10"},
    {MessageId::HueChromaRange, "色相と彩度が範囲外です", "The hue or the chroma is out of range"},
    {MessageId::ChromaBeyondData, "彩度 C がデータの範囲を超えています (この色相と明度では %1 まで)",
     "The chroma C is beyond the data (at most %1 for this hue and value)"},
    {MessageId::OkLabTooLarge, "OKLab の値が大きすぎます", "The OKLab values are too large"},
    {MessageId::FloatInvalid, "浮動小数点数の無効な演算です", "Invalid floating-point operation"},
    {MessageId::FloatDivisionByZero, "浮動小数点数を 0 で除算しました", "Floating-point division by zero"},
    {MessageId::FloatOverflow, "浮動小数点演算でオーバーフローしました", "Floating-point overflow"},
    {MessageId::FloatOther, "浮動小数点演算のエラーです", "Floating-point error"},
    {MessageId::UnknownToken, "書式の %1 は知らないトークンです", "%1 in the template is not a known token"},
    {MessageId::UnmatchedClose, "書式の } に対応する { がありません（} そのものは }} と書きます）",
     "A } in the template has no matching { (write }} for a } itself)"},
    {MessageId::UnclosedOpen, "書式の { が閉じていません（{ そのものは {{ と書きます）",
     "A { in the template is not closed (write {{ for a { itself)"},
    {MessageId::NotAHexCode, "16 進数の色コードではありません", "This is not a hexadecimal colour code"},
    {MessageId::TooFewHuePages, "%1 には %3 の色相ページのうち %2 しかありません",
     "%1 has samples on only %2 of the %3 hue pages"},
}};

constexpr bool InIdOrder()
{
    for (std::size_t i = 0; i < kTexts.size(); ++i)
        if (static_cast<std::size_t>(kTexts[i].id) != i) return false;
    return true;
}
static_assert(InIdOrder(), "kTexts follows MessageId");

}  // namespace

std::string_view MessageTemplate(MessageId id, Language language)
{
    const auto i = static_cast<std::size_t>(id);
    if (i >= kTexts.size()) return "%1";
    return language == Language::English ? kTexts[i].english : kTexts[i].japanese;
}

std::string FillTemplate(std::string_view templ, std::span<const std::string> args)
{
    std::string out;
    out.reserve(templ.size() + 32);
    for (std::size_t i = 0; i < templ.size(); ++i) {
        const char c = templ[i];
        if (c == '%' && i + 1 < templ.size() && templ[i + 1] >= '1' && templ[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(templ[i + 1] - '1');
            if (n < args.size()) out.append(args[n]);
            ++i;
            continue;
        }
        out.push_back(c);
    }
    return out;
}

std::string MessageText(const Message& message, Language language)
{
    if (message.id == MessageId::AtLine && message.reason) {
        std::vector<std::string> args = message.args;
        args.resize(2);
        args.push_back(MessageText(*message.reason, language));
        return FillTemplate(MessageTemplate(message.id, language), args);
    }
    return FillTemplate(MessageTemplate(message.id, language), message.args);
}

ColourError::ColourError(std::shared_ptr<const Message> message)
    : std::runtime_error(MessageText(*message, Language::Japanese)), message_(std::move(message))
{
}

}  // namespace qolvar
