#include "textfile.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "table/textio.h"

namespace qolvar::platform {

QString ReadTextFile(const QString& path, qint64 maxBytes)
{
    table::RequireRegularFile(path);
    const QFileInfo info(path);
    if (info.isFile() && info.size() > maxBytes)
        throw FileError(
            QCoreApplication::translate("qolvar::platform", "文字列の大きさが メモ の制限を越えました").toStdString());
    const QByteArray bytes = table::ReadFileBytes(path);
    table::CheckLineCount(bytes, path);
    return table::DecodeLocalText(bytes);
}

void WriteTextFile(const QString& path, const QString& text) { table::WriteFileAtomic(path, text.toUtf8()); }

}  // namespace qolvar::platform
