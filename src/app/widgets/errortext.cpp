#include "widgets/errortext.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <array>
#include <vector>

namespace qolvar::app {

namespace {

// The colour library's messages, %1 … standing for the values it puts in.
constexpr std::array kLibraryTexts = {
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
};

struct Pattern {
    QRegularExpression match;
    const char* text;
};

// Each text as a pattern of the whole message: the text itself, with any
// run of characters where a %N stands.
const std::vector<Pattern>& Patterns()
{
    static const std::vector<Pattern> patterns = [] {
        std::vector<Pattern> all;
        static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
        for (const char* text : kLibraryTexts) {
            const QString source = QString::fromUtf8(text);
            QString expression;
            qsizetype from = 0;
            for (auto it = placeholder.globalMatch(source); it.hasNext();) {
                const QRegularExpressionMatch m = it.next();
                expression += QRegularExpression::escape(source.mid(from, m.capturedStart() - from));
                expression += QStringLiteral("(.*)");
                from = m.capturedEnd();
            }
            expression += QRegularExpression::escape(source.mid(from));
            all.push_back({QRegularExpression(QRegularExpression::anchoredPattern(expression),
                                              QRegularExpression::DotMatchesEverythingOption),
                           text});
        }
        return all;
    }();
    return patterns;
}

}  // namespace

QString ErrorText(const QString& message)
{
    for (const Pattern& p : Patterns()) {
        const QRegularExpressionMatch m = p.match.match(message);
        if (!m.hasMatch()) continue;
        const QString translated = QCoreApplication::translate("ErrorText", p.text);
        // A value may itself be one of the texts (the reason after a line
        // number); file names and numbers come back unchanged. All values
        // go in at once, so a "%1" inside one is left alone.
        QStringList v;
        for (int i = 1; i <= m.lastCapturedIndex(); ++i) v << ErrorText(m.captured(i));
        switch (v.size()) {
        case 0: return translated;
        case 1: return translated.arg(v[0]);
        case 2: return translated.arg(v[0], v[1]);
        default: return translated.arg(v[0], v[1], v[2]);
        }
    }
    return message;
}

QString ErrorText(const std::exception& e) { return ErrorText(QString::fromUtf8(e.what())); }

}  // namespace qolvar::app
