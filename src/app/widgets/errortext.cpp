#include "widgets/errortext.h"

#include <QCoreApplication>
#include <array>

#include "colour/errors.h"

namespace qolvar::app {

namespace {

// The colour library's messages by their id (in the order of MessageId),
// %1 … standing for the values it puts in; the texts are the library's
// Japanese ones.
constexpr std::array<const char*, kMessageIdCount> kLibraryTexts = {
    "%1",  // MessageId::Text: made elsewhere, already in the user's language
    QT_TRANSLATE_NOOP("ErrorText", "ファイル %1 は開けません"),
    QT_TRANSLATE_NOOP("ErrorText", "ファイル %1 は大きすぎて開けません"),
    QT_TRANSLATE_NOOP("ErrorText", "ファイル %1 を読み込めません"),
    QT_TRANSLATE_NOOP("ErrorText", "%1 の %2 行目: %3"),
    QT_TRANSLATE_NOOP("ErrorText", "6 つの値 (H, V, C, Y, x, y) がありません"),
    QT_TRANSLATE_NOOP("ErrorText", "'%1' は数値ではありません"),
    QT_TRANSLATE_NOOP("ErrorText", "%1 の行数が多すぎます (最大 %2 行)"),
    QT_TRANSLATE_NOOP("ErrorText", "Y が表の範囲から遠すぎます"),
    QT_TRANSLATE_NOOP("ErrorText", "マンセル表が読み込まれていません"),
    QT_TRANSLATE_NOOP("ErrorText", "表に近い色票がありません (%1)"),
    QT_TRANSLATE_NOOP("ErrorText", "明度 V は 0 から 10 までです"),
    QT_TRANSLATE_NOOP("ErrorText", "色相と彩度が範囲外です"),
    QT_TRANSLATE_NOOP("ErrorText", "彩度 C がデータの範囲を超えています (この色相と明度では %1 まで)"),
    QT_TRANSLATE_NOOP("ErrorText", "OKLab の値が大きすぎます"),
    QT_TRANSLATE_NOOP("ErrorText", "浮動小数点数の無効な演算です"),
    QT_TRANSLATE_NOOP("ErrorText", "浮動小数点数を 0 で除算しました"),
    QT_TRANSLATE_NOOP("ErrorText", "浮動小数点演算でオーバーフローしました"),
    QT_TRANSLATE_NOOP("ErrorText", "浮動小数点演算のエラーです"),
    QT_TRANSLATE_NOOP("ErrorText", "書式の %1 は知らないトークンです"),
    QT_TRANSLATE_NOOP("ErrorText", "書式の } に対応する { がありません（} そのものは }} と書きます）"),
    QT_TRANSLATE_NOOP("ErrorText", "書式の { が閉じていません（{ そのものは {{ と書きます）"),
    QT_TRANSLATE_NOOP("ErrorText", "16 進数の色コードではありません"),
    QT_TRANSLATE_NOOP("ErrorText", "%1 には %3 の色相ページのうち %2 しかありません"),
};

}  // namespace

const char* ErrorSourceText(MessageId id)
{
    const auto i = static_cast<std::size_t>(id);
    return i < kLibraryTexts.size() ? kLibraryTexts[i] : kLibraryTexts[0];
}

QString ErrorText(const Message& message)
{
    QStringList v;
    for (const std::string& a : message.args) v << QString::fromStdString(a);
    if (message.id == MessageId::Text) return v.value(0);
    // The reason after a line number is a message of its own.
    if (message.id == MessageId::AtLine && message.reason) {
        while (v.size() < 2) v << QString();
        v = v.mid(0, 2) << ErrorText(*message.reason);
    }
    const QString translated = QCoreApplication::translate("ErrorText", ErrorSourceText(message.id));
    // All values go in at once, so that a "%1" inside one is left alone.
    switch (v.size()) {
    case 0: return translated;
    case 1: return translated.arg(v[0]);
    case 2: return translated.arg(v[0], v[1]);
    default: return translated.arg(v[0], v[1], v[2]);
    }
}

QString ErrorText(const std::exception& e)
{
    if (const auto* colour = dynamic_cast<const ColourError*>(&e)) return ErrorText(colour->message());
    return QString::fromUtf8(e.what());
}

}  // namespace qolvar::app
