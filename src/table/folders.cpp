#include "folders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "colour/munsell.h"

#ifndef QOLVAR_DATA_FROM_BIN
#define QOLVAR_DATA_FROM_BIN "../share/qolvar"
#endif

namespace qolvar::table {

QString DataFolderFor(const QString& exeDir)
{
    // MunsellFileD65 is written with the original's leading backslash.
    const QString marker = QString::fromLatin1(MunsellFileD65).mid(1);
    if (QFileInfo::exists(exeDir + QLatin1Char('/') + marker)) return exeDir;
    const QString installed = QDir::cleanPath(exeDir + QStringLiteral("/" QOLVAR_DATA_FROM_BIN));
    if (QFileInfo(installed).isDir()) return installed;
    return exeDir;
}

QString DefaultUserFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/qolvar");
}

QStringList TableFilesIn(const QStringList& folders)
{
    QStringList files;
    for (const QString& folder : folders) {
        const QDir dir(folder);
        const QStringList names =
            dir.entryList({QStringLiteral("*.tab"), QStringLiteral("*.txt"), QStringLiteral("*.csv"),
                           QStringLiteral("*.gpl"), QStringLiteral("*.aco"), QStringLiteral("*.cgd")},
                          QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
        for (const QString& name : names) files << dir.filePath(name);
    }
    return files;
}

}  // namespace qolvar::table
