#include "widgets/files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "table/folders.h"

namespace qolvar::app {

namespace {
QString programFolder;
QString userFolder;
QString lastDialogFolder;  // the folder of the file last chosen in a dialog
}  // namespace

QString ProgramFolder()
{
    return programFolder.isEmpty() ? table::DataFolderFor(QCoreApplication::applicationDirPath()) : programFolder;
}
void SetProgramFolder(const QString& folder) { programFolder = folder; }

QString UserFolder() { return userFolder.isEmpty() ? table::DefaultUserFolder() : userFolder; }
void SetUserFolder(const QString& folder)
{
    userFolder = folder;
    lastDialogFolder.clear();
}

QStringList ColourTableFiles()
{
    return table::TableFilesIn({ProgramFolder() + QStringLiteral("/Table"), UserFolder()});
}

bool IsShippedFolder(const QString& folder)
{
    const QString shipped = QDir(ProgramFolder()).canonicalPath();
    const QString f = QDir(folder).canonicalPath();
    return !shipped.isEmpty() && !f.isEmpty() && (f == shipped || f.startsWith(shipped + QLatin1Char('/')));
}

namespace {
QString ChooseFile(QWidget* parent, platform::FileDialogOptions o, bool save)
{
    if (o.initialDir.isEmpty()) {
        o.initialDir = lastDialogFolder;
        // A save never starts among the shipped data.
        if (save && IsShippedFolder(o.initialDir)) o.initialDir.clear();
        if (o.initialDir.isEmpty()) {
            QDir().mkpath(UserFolder());
            o.initialDir = UserFolder();
        }
    }
    const QString path = save ? platform::dialogs().saveFile(parent, o) : platform::dialogs().openFile(parent, o);
    if (!path.isEmpty()) lastDialogFolder = QFileInfo(path).absolutePath();
    return path;
}
}  // namespace

QString ChooseOpenFile(QWidget* parent, platform::FileDialogOptions o)
{
    return ChooseFile(parent, std::move(o), false);
}
QString ChooseSaveFile(QWidget* parent, platform::FileDialogOptions o)
{
    return ChooseFile(parent, std::move(o), true);
}

}  // namespace qolvar::app
