#include "textfile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace qolvar::platform {

QString DecodeText(const QByteArray& bytes)
{
    {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = utf8.decode(bytes);
        if (!utf8.hasError()) {
            if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
            return text;
        }
    }
    QStringDecoder sjis("Shift_JIS", QStringDecoder::Flag::Stateless);
    if (sjis.isValid()) {
        QString text = sjis.decode(bytes);
        if (!sjis.hasError()) return text;
    }
    return QString::fromLatin1(bytes);
}

QString ReadTextFile(const QString& path, qint64 maxBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(QStringLiteral("ファイル %1 は開けません").arg(path).toStdString());
    if (file.size() > maxBytes) throw FileError("文字列の大きさが メモ の制限を越えました");
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileError(QStringLiteral("ファイル %1 は開けません").arg(path).toStdString());
    return DecodeText(bytes);
}

void WriteTextFile(const QString& path, const QString& text)
{
    QSaveFile file(path);
    const QByteArray bytes = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw FileError(QStringLiteral("ファイル %1 を作成できません").arg(path).toStdString());
}

}  // namespace qolvar::platform
