#include "widgets/help.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "platform/dialogs.h"

namespace qolvar::app {

namespace {
QString& helpLanguage()
{
    static QString language = QStringLiteral("ja");
    return language;
}
}  // namespace

QString HelpPath(const QString& folder, const QString& fileName, const QString& language)
{
    // A compiled help file beside the program is opened as it is; otherwise
    // the HTML help installed beside the program stands in for it
    // (help/qolvar/index.html for "Qolvar.chm"). The help is written in
    // Japanese; another language's help lies beside it as index.LANG.html,
    // and where there is none the Japanese help is better than none.
    const QString direct = folder + QLatin1Char('/') + fileName;
    if (QFileInfo::exists(direct)) return direct;
    const QString html =
        folder + QStringLiteral("/help/") + QFileInfo(fileName).completeBaseName().toLower() + QStringLiteral("/index");
    if (language != QLatin1String("ja")) {
        const QString translated = html + QLatin1Char('.') + language + QStringLiteral(".html");
        if (QFileInfo::exists(translated)) return translated;
    }
    const QString japanese = html + QStringLiteral(".html");
    return QFileInfo::exists(japanese) ? japanese : direct;
}

void SetHelpLanguage(const QString& language) { helpLanguage() = language; }
QString HelpLanguage() { return helpLanguage(); }

void DisplayResult(QWidget* parent, int code, const QString& fileName)
{
    const unsigned c = static_cast<unsigned>(code) & 0xFFFF;
    if (c >= 32) return;
    platform::Warning(parent,
                      QCoreApplication::translate("Help", "プログラムを起動できません \"%1\".\rReturn Code %2 .")
                          .arg(fileName, QString::number(c)));
}

QString HelpFailureText(const QString& path)
{
    if (!QFileInfo::exists(path)) return QCoreApplication::translate("Help", "ヘルプ %1 が見つかりません。").arg(path);
    return QCoreApplication::translate("Help",
                                       "ヘルプ %1 を表示できません。ファイルを開くプログラムを起動できませんでした。")
        .arg(path);
}

void BrowseHelp(QWidget* parent, const QString& folder, const QString& fileName)
{
    // The message names the file really tried (the HTML help that stands in
    // for a compiled help file) and what went wrong, not a shell code.
    const QString path = HelpPath(folder, fileName, HelpLanguage());
    const unsigned code = static_cast<unsigned>(platform::dialogs().shellOpen(path)) & 0xFFFF;
    if (code < 32) platform::Warning(parent, HelpFailureText(path));
}

}  // namespace qolvar::app
