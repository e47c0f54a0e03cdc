// Reading and writing the program's text files.
//
// Files are written in UTF-8 through QSaveFile, so a failed save leaves the
// previous file as it was. Readers take UTF-8 and fall back to Shift-JIS
// (CP932) when the bytes are not valid UTF-8, so files from Japanese
// Windows systems open correctly.
#pragma once

#include <QByteArray>
#include <QString>

#include "colour/errors.h"

namespace qolvar::platform {

// Reads a whole file; throws FileError "ファイル PATH は開けません", or
// "文字列の大きさが メモ の制限を越えました" when the file is larger than
// maxBytes.
QString ReadTextFile(const QString& path, qint64 maxBytes = qint64(64) << 20);

// Writes text as UTF-8 atomically; throws FileError
// "ファイル PATH を作成できません".
void WriteTextFile(const QString& path, const QString& text);

}  // namespace qolvar::platform
