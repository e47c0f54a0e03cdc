#include "textio.h"

#include <QCoreApplication>

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include "colour/errors.h"

namespace qolvar::table {

namespace {

[[noreturn]] void CannotOpen(const QString& path)
{
    throw FileError(QCoreApplication::translate("qolvar::table", "ファイル %1 は開けません").arg(path).toStdString());
}

bool IsSeparator(QChar c)
{
#ifdef Q_OS_WIN
    return c == u'/' || c == u'\\' || c == u':';
#else
    return c == u'/';
#endif
}

}  // namespace

QString DecodeCp932(QByteArrayView bytes)
{
    // ICU's CP932 table (Windows' Shift-JIS, with the NEC and IBM extensions).
    QStringDecoder sjis("windows-31j", QStringDecoder::Flag::Stateless);
    if (!sjis.isValid()) sjis = QStringDecoder("Shift_JIS", QStringDecoder::Flag::Stateless);
    if (!sjis.isValid()) return QString::fromLatin1(bytes);
    QString text = sjis.decode(bytes);
    // The codec marks bytes that are no character with U+001A, which the
    // tokenizer would take for a blank.
    text.replace(QChar(0x1A), QChar(QChar::ReplacementCharacter));
    return text;
}

QString DecodeLocalText(QByteArrayView bytes)
{
    // One byte-order mark is dropped; a second one is text (U+FEFF), which
    // EncodeTextTable writes back behind a mark of its own.
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes = bytes.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    return DecodeCp932(bytes);
}

QStringList SplitTextLines(const QString& text)
{
    QStringList lines;
    const QChar* p = text.constData();
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = p[i].unicode();
        if (c != u'\r' && c != u'\n') continue;
        lines.append(QString(p + start, i - start));
        if (c == u'\r' && i + 1 < n && p[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    if (start < n) lines.append(QString(p + start, n - start));
    return lines;
}

QByteArray EncodeTextTable(const QStringList& lines)
{
    QByteArray bytes;
    qsizetype size = 0;
    for (const QString& line : lines) size += line.size() + 2;
    bytes.reserve(size + size / 2);
    // A first line that begins with U+FEFF would be read as a byte-order
    // mark and lost: a mark of the file's own goes before it.
    if (!lines.isEmpty() && lines.first().startsWith(QChar(0xFEFF))) bytes += "\xEF\xBB\xBF";
    for (const QString& line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

QByteArray ReadFileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) CannotOpen(path);
    if (file.size() > MaxFileBytes)
        throw FileError(
            QCoreApplication::translate("qolvar::table", "ファイル %1 は大きすぎて開けません").arg(path).toStdString());
    // Read in pieces so that files whose size is not known in advance (pipes,
    // special files) are bounded too.
    QByteArray bytes;
    char buffer[1 << 16];
    for (;;) {
        const qint64 got = file.read(buffer, sizeof buffer);
        if (got < 0) CannotOpen(path);
        if (got == 0) break;
        if (bytes.size() + got > MaxFileBytes)
            throw FileError(QCoreApplication::translate("qolvar::table", "ファイル %1 は大きすぎて開けません")
                                .arg(path)
                                .toStdString());
        bytes.append(buffer, got);
    }
    return bytes;
}

void CheckLineCount(QByteArrayView bytes, const QString& path)
{
    qint64 lines = 0;
    const char* p = bytes.data();
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i)
        if (p[i] == '\n' || (p[i] == '\r' && (i + 1 == n || p[i + 1] != '\n'))) ++lines;
    if (n > 0 && p[n - 1] != '\n' && p[n - 1] != '\r') ++lines;
    if (lines > MaxTextLines)
        throw FileError(
            QCoreApplication::translate("qolvar::table", "ファイル %1 は行が多すぎて開けません（%2 行まで）")
                .arg(path, QString::number(MaxTextLines))
                .toStdString());
}

QStringList ReadTextLines(const QString& path)
{
    const QByteArray bytes = ReadFileBytes(path);
    CheckLineCount(bytes, path);
    return SplitTextLines(DecodeLocalText(bytes));
}

void WriteFileAtomic(const QString& path, const QByteArray& bytes)
{
    // Qt buffers small writes; an error of the disk (full, past the size
    // limit) shows only when the buffer is flushed. Flushing before the
    // commit and checking the file's error state makes such a save fail,
    // and the previous file stays as it was.
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() &&
                         file.error() == QFileDevice::NoError;
    if (!written) file.cancelWriting();
    if (!written || !file.commit())
        throw FileError(
            QCoreApplication::translate("qolvar::table", "ファイル %1 を作成できません").arg(path).toStdString());
}

QString FileNamePart(const QString& path)
{
    for (qsizetype i = path.size(); i > 0; --i)
        if (IsSeparator(path.at(i - 1))) return path.mid(i);
    return path;
}

}  // namespace qolvar::table
