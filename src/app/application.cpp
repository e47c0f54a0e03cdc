#include "application.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <functional>
#include <vector>

#include "aboutbox.h"
#include "logviewer.h"
#include "mainwindow.h"
#include "programicon.h"
#include "table/folders.h"
#include "tbledit.h"
#include "themeicons.h"

namespace qolvar::app {

namespace {
QPointer<TformMain> mainWindow;
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

AppHost* MainWindow() { return mainWindow.data(); }

QolvarApplication::QolvarApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Qolvar"));
    setApplicationDisplayName(QStringLiteral("Qolvar"));
    // Ties the windows to the installed launcher and its icon (Wayland).
    setDesktopFileName(QStringLiteral("org.mardenvi.Qolvar"));
    // The installed icon when the desktop's icon theme has it, else the
    // program's own picture (a build tree, or no theme chosen).
    setWindowIcon(ThemeIcon("org.mardenvi.Qolvar", QIcon(ProgramPixmap(64))));
    // The colour dialog's custom colours live for one run only: what an
    // earlier run left in the toolkit's settings is cleared.
    for (int i = 0; i < QColorDialog::customCount(); ++i) QColorDialog::setCustomColor(i, QColor(Qt::white));
    // The program's texts and Qt's dialogs and buttons in the user's
    // language.
    UseLanguage(UiLanguage(QLocale::system().uiLanguages()));
}

QString UiLanguage(const QStringList& uiLanguages)
{
    for (const QString& language : uiLanguages) {
        if (language.startsWith(QLatin1String("ja"), Qt::CaseInsensitive)) return QStringLiteral("ja");
        if (language.startsWith(QLatin1String("en"), Qt::CaseInsensitive)) return QStringLiteral("en");
    }
    return QStringLiteral("en");
}

namespace {

// The translators UseLanguage installed, removed by the next call.
std::vector<QTranslator*>& installedTranslators()
{
    static std::vector<QTranslator*> installed;
    return installed;
}

bool Install(QTranslator* translator, bool loaded)
{
    if (!loaded || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    installedTranslators().push_back(translator);
    return true;
}

}  // namespace

bool InstallQtTranslation(const QString& language)
{
    if (language == QLatin1String("en")) return false;
    auto* translator = new QTranslator(QCoreApplication::instance());
    return Install(translator, translator->load(QStringLiteral("qtbase_") + language,
                                                QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
}

bool InstallProgramTranslation(const QString& language)
{
    // The program's texts are written in Japanese; other languages come
    // from the translations embedded in the program.
    if (language == QLatin1String("ja")) return false;
    auto* translator = new QTranslator(QCoreApplication::instance());
    return Install(translator, translator->load(QStringLiteral(":/qolvar/translations/qolvar_") + language));
}

void UseLanguage(const QString& language)
{
    RemoveTranslations();
    InstallQtTranslation(language);
    InstallProgramTranslation(language);
}

void RemoveTranslations()
{
    for (QTranslator* t : installedTranslators()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
    installedTranslators().clear();
}

bool QolvarApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        if (mainWindow) mainWindow->AppExceptionHandler(receiver, e);
    } catch (...) {
        if (mainWindow)
            mainWindow->AppExceptionHandler(
                receiver, std::runtime_error(
                              QCoreApplication::translate("Qolvar", "予期しないエラーが発生しました").toStdString()));
    }
    return false;
}

Windows::Windows() = default;
Windows::~Windows() = default;
Windows::Windows(Windows&&) noexcept = default;

namespace {

void CreateMainWindow(Windows& w, PendingMunsellTable munsellTable = {})
{
    w.formMain = std::make_unique<TformMain>(nullptr, std::move(munsellTable));
    mainWindow = w.formMain.get();
}

// Runs its task once, just after the window's first frame (the frame is on
// the screen before the event loop takes up the posted task), or a quarter
// of a second after the window is shown should it not have painted by then
// (a window that starts minimised).
class AfterFirstFrame : public QObject {
public:
    AfterFirstFrame(QWidget* window, std::function<void()> task) : QObject(window), task_(std::move(task))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) QTimer::singleShot(0, this, [this] { Run(); });
        if (event->type() == QEvent::Show && !timerStarted_) {
            timerStarted_ = true;
            QTimer::singleShot(250, this, [this] { Run(); });
        }
        return false;
    }

private:
    void Run()
    {
        if (!task_) return;
        auto task = std::move(task_);
        task_ = nullptr;
        deleteLater();
        task();
    }

    std::function<void()> task_;
    bool timerStarted_ = false;
};

}  // namespace

void CreateHiddenWindows(Windows& w)
{
    if (w.formTblEdit) return;
    // All three or none: a window that cannot be made leaves the main
    // window as it was.
    auto about = std::make_unique<TAboutBox>();
    auto log = std::make_unique<TformLogViewer>();
    auto editor = std::make_unique<TformTblEdit>();
    w.AboutBox = std::move(about);
    w.formLogViewer = std::move(log);
    w.formTblEdit = std::move(editor);
    w.formMain->SetWindows(w.formLogViewer.get(), w.formTblEdit.get());
}

Windows CreateWindows()
{
    Windows w;
    CreateMainWindow(w);
    CreateHiddenWindows(w);
    return w;
}

void CreateWindowsMainFirst(Windows& w, PendingMunsellTable munsellTable)
{
    CreateMainWindow(w, std::move(munsellTable));
    new AfterFirstFrame(w.formMain.get(), [&w] { CreateHiddenWindows(w); });
}

}  // namespace qolvar::app
