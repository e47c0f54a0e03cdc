#include "messages.h"

#include <QCoreApplication>
#include <QTranslator>
#include <algorithm>
#include <array>
#include <clocale>
#include <cstdlib>
#include <vector>

namespace qolvar::cli {

namespace {

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

std::string_view Env(const char* name)
{
    const char* v = std::getenv(name);
    return v ? std::string_view(v) : std::string_view();
}

struct Texts {
    CliMessage id;
    std::string_view japanese, english;
};
// In the order of CliMessage.
constexpr std::array<Texts, 9> kTexts{{
    {CliMessage::NotAnInteger, "'%1' は整数ではありません", "'%1' is not an integer"},
    {CliMessage::OutOfRange, "'%1' は範囲外です", "'%1' is out of range"},
    {CliMessage::FieldRange, "%1 は %2...%3 の範囲で指定してください: %4", "%1 must lie within %2...%3: %4"},
    {CliMessage::CannotWrite, "標準出力に書き込めません", "cannot write to standard output"},
    {CliMessage::CannotRead, "標準入力を読めません", "cannot read standard input"},
    {CliMessage::NoMemory, "メモリが足りません", "out of memory"},
    {CliMessage::Unexpected, "予期しないエラーが発生しました", "An unexpected error occurred"},
    {CliMessage::LineTooLong, "行が長すぎます（%1 バイトまで）", "the line is too long (%1 bytes at most)"},
    {CliMessage::ImageNotRead, "画像を読み込めません: %1", "the image cannot be read: %1"},
}};
constexpr bool InIdOrder()
{
    for (std::size_t i = 0; i < kTexts.size(); ++i)
        if (static_cast<std::size_t>(kTexts[i].id) != i) return false;
    return true;
}
static_assert(InIdOrder(), "kTexts follows CliMessage");

}  // namespace

Language LanguageFor(std::string_view language, std::string_view lcAll, std::string_view lcMessages,
                     std::string_view lang)
{
    // The list of preferred languages: LANGUAGE's entries, else one locale.
    std::string_view list = language;
    if (list.empty()) {
        for (const std::string_view v : {lcAll, lcMessages, lang})
            if (!v.empty()) {
                list = v;
                break;
            }
        list = list.substr(0, list.find(':'));  // a locale is one entry
    }
    for (std::size_t from = 0; from <= list.size();) {
        const std::size_t colon = std::min(list.find(':', from), list.size());
        const std::string_view entry = list.substr(from, colon - from);
        if (StartsWith(entry, "ja")) return Language::Japanese;
        if (StartsWith(entry, "en")) return Language::English;
        from = colon + 1;
    }
    return Language::English;
}

Language UserLanguage() { return LanguageFor(Env("LANGUAGE"), Env("LC_ALL"), Env("LC_MESSAGES"), Env("LANG")); }

std::string_view CliTemplate(CliMessage message, Language language)
{
    const Texts& t = kTexts[static_cast<std::size_t>(message)];
    return language == Language::English ? t.english : t.japanese;
}

std::string CliText(CliMessage message, Language language, std::initializer_list<std::string> values)
{
    const std::vector<std::string> args(values);
    return FillTemplate(CliTemplate(message, language), args);
}

struct TableMessages::State {
    std::unique_ptr<QCoreApplication> app;
    QTranslator translator;
    bool installed = false;
    int argc = 1;
    char name[11] = "qolvar-cli";
    char* argv[2] = {name, nullptr};
};

TableMessages::TableMessages()
{
    if (UserLanguage() == Language::Japanese) return;  // the texts are written in Japanese
    state_ = std::make_unique<State>();
    if (!QCoreApplication::instance()) {
        // Qt's application object takes the C library's locale from the
        // environment; numbers must go on being written with ".".
        const std::string locale = std::setlocale(LC_ALL, nullptr);
        state_->app = std::make_unique<QCoreApplication>(state_->argc, state_->argv);
        std::setlocale(LC_ALL, locale.c_str());
    }
    if (state_->translator.load(QStringLiteral(":/qolvar/translations/qolvar_en")))
        state_->installed = QCoreApplication::installTranslator(&state_->translator);
}

TableMessages::~TableMessages()
{
    if (state_ && state_->installed) QCoreApplication::removeTranslator(&state_->translator);
}

}  // namespace qolvar::cli
