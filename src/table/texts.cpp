#include "texts.h"

namespace qolvar::table {

QString TblTitleText(const QString& baseName, long long count)
{
    return QStringLiteral("  ■ ") + baseName + u' ' + QString::number(count) + QStringLiteral("色");
}

QString TblCaptionText(const QString& fileNamePart)
{
    return QStringLiteral("%1 - Color Table Editor").arg(fileNamePart);
}

QString CgdCaptionText(const QString& title) { return title + QStringLiteral(" - ") + ApplicationTitle; }

QString ModifiedText(bool modified) { return modified ? QStringLiteral("変更") : QString(); }

QString SaveChangesQuestion(const QString& fileNamePart)
{
    return QStringLiteral("%1 への変更を保存しますか？").arg(fileNamePart);
}

QString OverwriteQuestion(const QString& fileNamePart)
{
    return QStringLiteral("%1 は既に存在します。上書きしますか？").arg(fileNamePart);
}

}  // namespace qolvar::table
