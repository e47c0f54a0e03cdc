// Exceptions of the colour library and the messages they carry.
//
// Floating-point failures (invalid operation, division by zero, overflow) are
// detected explicitly where they can arise and thrown as FloatError; the
// library never relies on processor traps. Callers tell the kinds apart by
// type: the windows ignore ConvertError (a number that could not be read from
// text) and show every other error with its message.
//
// A library error says what went wrong as a Message: which of the library's
// messages it is and the values put into it (a file name, a line number, a
// field). what() is its Japanese text; MessageText gives it in English, and
// a program with translations of its own translates it by its id.
#pragma once

#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace qolvar {

enum class Language { Japanese, English };

// The library's messages; the comments give the Japanese texts, %1 … for the
// values.
enum class MessageId {
    Text,                 // a text made elsewhere, already in the reader's language (value 1)
    FileNotOpened,        // ファイル %1 は開けません
    FileTooLarge,         // ファイル %1 は大きすぎて開けません
    FileNotRead,          // ファイル %1 を読み込めません
    AtLine,               // %1 の %2 行目: %3  (%3 is the reason, a message of its own)
    NoSixValues,          // 6 つの値 (H, V, C, Y, x, y) がありません
    NotANumber,           // '%1' は数値ではありません
    TooManyRows,          // %1 の行数が多すぎます (最大 %2 行)
    YTooFar,              // Y が表の範囲から遠すぎます
    NoMunsellTable,       // マンセル表が読み込まれていません
    NoNearSample,         // 表に近い色票がありません (%1)
    ValueRange,           // 明度 V は 0 から 10 までです
    HueChromaRange,       // 色相と彩度が範囲外です
    ChromaBeyondData,     // 彩度 C がデータの範囲を超えています (この色相と明度では %1 まで)
    OkLabTooLarge,        // OKLab の値が大きすぎます
    FloatInvalid,         // 浮動小数点数の無効な演算です
    FloatDivisionByZero,  // 浮動小数点数を 0 で除算しました
    FloatOverflow,        // 浮動小数点演算でオーバーフローしました
    FloatOther,           // 浮動小数点演算のエラーです
    UnknownToken,         // 書式の %1 は知らないトークンです
    UnmatchedClose,       // 書式の } に対応する { がありません（} そのものは }} と書きます）
    UnclosedOpen,         // 書式の { が閉じていません（{ そのものは {{ と書きます）
    NotAHexCode,          // 16 進数の色コードではありません
    TooFewHuePages,       // %1 には %3 の色相ページのうち %2 しかありません
};
inline constexpr int kMessageIdCount = static_cast<int>(MessageId::TooFewHuePages) + 1;

struct Message {
    MessageId id = MessageId::Text;
    std::vector<std::string> args;          // the values of %1, %2 … in order
    std::shared_ptr<const Message> reason;  // AtLine: what is wrong with the line
};

// The text of a message id with its %1 … placeholders.
std::string_view MessageTemplate(MessageId id, Language language);
// The template with each %N replaced by args[N - 1] in one pass (a value
// that itself holds "%1" stays as it is).
std::string FillTemplate(std::string_view templ, std::span<const std::string> args);
std::string MessageText(const Message& message, Language language);

class ColourError : public std::runtime_error {
public:
    explicit ColourError(Message message) : ColourError(std::make_shared<const Message>(std::move(message))) {}
    // A message made elsewhere (MessageId::Text).
    explicit ColourError(const std::string& text) : ColourError(Message{MessageId::Text, {text}, nullptr}) {}
    const Message& message() const noexcept { return *message_; }

private:
    explicit ColourError(std::shared_ptr<const Message> message);
    std::shared_ptr<const Message> message_;
};

inline std::string MessageText(const ColourError& e, Language language) { return MessageText(e.message(), language); }

class FloatError : public ColourError {
public:
    enum class Kind { InvalidOperation, DivisionByZero, Overflow };
    explicit FloatError(Kind kind);
    Kind kind() const noexcept { return kind_; }

private:
    Kind kind_;
};

// Text that does not hold a number where one is expected.
class ConvertError : public ColourError {
public:
    using ColourError::ColourError;
};

// A value outside the range its field or table can hold.
class RangeError : public ColourError {
public:
    using ColourError::ColourError;
};

// A colour template (colourformat.h) that cannot be used.
class TemplateError : public ColourError {
public:
    using ColourError::ColourError;
};

// A data file that cannot be opened or read.
class FileError : public ColourError {
public:
    using ColourError::ColourError;
};

}  // namespace qolvar
