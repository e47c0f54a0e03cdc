#include "textfile.h"

#include <QFileInfo>

#include "table/textio.h"

namespace qolvar::platform {

QString ReadTextFile(const QString& path, qint64 maxBytes)
{
    const QFileInfo info(path);
    if (info.isFile() && info.size() > maxBytes) throw FileError("文字列の大きさが メモ の制限を越えました");
    return table::DecodeLocalText(table::ReadFileBytes(path));
}

void WriteTextFile(const QString& path, const QString& text) { table::WriteFileAtomic(path, text.toUtf8()); }

}  // namespace qolvar::platform
