#include "texts.h"

#include <QCoreApplication>

#include "filenames.h"

namespace qolvar::table {

namespace {

// A file name part as shown: the untitled table's name (which stays the
// same in every language inside the program) in the user's language.
QString Shown(const QString& fileNamePart)
{
    return fileNamePart == Untitled ? QCoreApplication::translate("qolvar::table", "無題") : fileNamePart;
}

}  // namespace

QString TblTitleText(const QString& baseName, long long count)
{
    return QStringLiteral("  ■ ") + baseName + u' ' + QString::number(count) +
           QCoreApplication::translate("qolvar::table", "色");
}

QString TblCaptionText(const QString& fileNamePart)
{
    return QStringLiteral("%1 - Color Table Editor").arg(Shown(fileNamePart));
}

QString CgdCaptionText(const QString& title) { return title + QStringLiteral(" - ") + ApplicationTitle; }

QString ModifiedText(bool modified)
{
    return modified ? QCoreApplication::translate("qolvar::table", "変更") : QString();
}

QString SaveChangesQuestion(const QString& fileNamePart)
{
    return QCoreApplication::translate("qolvar::table", "%1 への変更を保存しますか？").arg(Shown(fileNamePart));
}

QString OverwriteQuestion(const QString& fileNamePart)
{
    return QCoreApplication::translate("qolvar::table", "%1 は既に存在します。上書きしますか？").arg(fileNamePart);
}

QString TblInitialTitle() { return QCoreApplication::translate("qolvar::table", "■ Ｃｏｌｏｒ Ｔａｂｌｅ"); }

QString TblOpenFilter()
{
    return QCoreApplication::translate(
        "qolvar::table",
        "Text files (*.tab,*.txt,*.csv)|*.tab;*.txt;*.csv|Adobe Photoshop スウォッチ (*.aco)|*.aco|"
        "GIMP パレット (*.gpl)|*.gpl|スウォッチ交換ファイル (*.ase)|*.ase|DIC 色見本帳ファイル (*.cgd)|*.cgd|"
        "すべてのファイル(*.*)|*.*");
}

QString TblSaveFilter()
{
    return QCoreApplication::translate(
        "qolvar::table",
        "Table files (*.tab)|*.tab|Adobe Photoshop スウォッチ (*.aco)|*.aco|GIMP パレット (*.gpl)|*.gpl|"
        "スウォッチ交換ファイル (*.ase)|*.ase|すべてのファイル(*.*)|*.*");
}

QString LogOpenFilter()
{
    return QCoreApplication::translate("qolvar::table", "Log files (*.log)|*.log|すべてのファイル(*.*)|*.*");
}

}  // namespace qolvar::table
