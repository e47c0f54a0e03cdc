// The language qolvar-cli speaks and its own messages in both languages.
//
// Messages are English unless the user's languages put Japanese first, by
// the rule the windows follow (QLocale's list of UI languages): LANGUAGE, a
// colon-separated list, when it is set and not empty, else the first set of
// LC_ALL, LC_MESSAGES and LANG; the first entry that is Japanese ("ja…") or
// English ("en…") decides, and English when none is. The library's messages
// come in the same language (MessageText, colour/errors.h); the table
// library's through the program's English translation (TableMessages).
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "colour/errors.h"

namespace qolvar::cli {

// The language for the given values of LANGUAGE, LC_ALL, LC_MESSAGES and
// LANG (empty: not set).
Language LanguageFor(std::string_view language, std::string_view lcAll, std::string_view lcMessages,
                     std::string_view lang);
// The language of the environment, read at each call.
Language UserLanguage();

enum class CliMessage {
    NotAnInteger,  // '%1' は整数ではありません
    OutOfRange,    // '%1' は範囲外です
    FieldRange,    // %1 は %2...%3 の範囲で指定してください: %4
    CannotWrite,   // 標準出力に書き込めません
    CannotRead,    // 標準入力を読めません
    NoMemory,      // メモリが足りません
    Unexpected,    // 予期しないエラーが発生しました
    LineTooLong,   // 行が長すぎます（%1 バイトまで）
    ImageNotRead,  // 画像を読み込めません: %1
};

// A message of the command line's own in the language, with its %1 …, and
// with them filled with the values.
std::string_view CliTemplate(CliMessage message, Language language);
std::string CliText(CliMessage message, Language language, std::initializer_list<std::string> values = {});

// A library error's message in the user's language.
inline std::string ErrorMessage(const ColourError& e) { return MessageText(e, UserLanguage()); }

// While one lives, the messages of the table library (made with Qt's
// translate) are English unless the user's language is Japanese: it
// installs the program's English translation, with an application object
// of Qt's when there is none yet.
class TableMessages {
public:
    TableMessages();
    ~TableMessages();
    TableMessages(const TableMessages&) = delete;
    TableMessages& operator=(const TableMessages&) = delete;

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace qolvar::cli
