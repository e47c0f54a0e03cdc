#include "application.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTranslator>
#include <stdexcept>
#include <vector>

#include "widgets/exceptionhook.h"
#include "widgets/help.h"
#include "widgets/programicon.h"
#include "widgets/themeicons.h"

namespace qolvar::app {

QolvarApplication::QolvarApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    // No display name: the toolkit would add " — Qolvar" to every window's
    // caption on X11, and each window's caption is complete as it is.
    setApplicationName(QStringLiteral("Qolvar"));
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
    SetHelpLanguage(language);
}

void RemoveTranslations()
{
    for (QTranslator* t : installedTranslators()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
    installedTranslators().clear();
    SetHelpLanguage(QStringLiteral("ja"));
}

namespace {

// A control the user types text into.
bool IsTextField(const QObject* o)
{
    if (qobject_cast<const QLineEdit*>(o) || qobject_cast<const QAbstractSpinBox*>(o) ||
        qobject_cast<const QPlainTextEdit*>(o))
        return true;
    if (const auto* text = qobject_cast<const QTextEdit*>(o)) return !text->isReadOnly();
    if (const auto* box = qobject_cast<const QComboBox*>(o)) return box->isEditable();
    return false;
}

// The keys a text field keeps even where its window has a command on them.
bool IsEditingKey(const QKeyEvent* key)
{
    for (QKeySequence::StandardKey k :
         {QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste, QKeySequence::Undo, QKeySequence::Redo,
          QKeySequence::SelectAll, QKeySequence::Delete, QKeySequence::Backspace, QKeySequence::DeleteStartOfWord,
          QKeySequence::DeleteEndOfWord})
        if (key->matches(k)) return true;
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    return mods == Qt::NoModifier || mods == Qt::ShiftModifier;  // typing and moving the cursor
}

}  // namespace

bool WindowCommandTakesKey(QObject* receiver, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride || !IsTextField(receiver)) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (IsEditingKey(key)) return false;
    const QKeySequence pressed(key->keyCombination());
    for (const QAction* a : static_cast<QWidget*>(receiver)->window()->actions())
        if (a->isEnabled())
            for (const QKeySequence& s : a->shortcuts())
                if (s.matches(pressed) == QKeySequence::ExactMatch) return true;
    return false;
}

bool QolvarApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        // Not offered to the field, the key goes to the window's command.
        if (WindowCommandTakesKey(receiver, event)) return false;
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        HandleException(receiver, e);
    } catch (...) {
        HandleException(
            receiver,
            std::runtime_error(QCoreApplication::translate("Qolvar", "予期しないエラーが発生しました").toStdString()));
    }
    return false;
}

}  // namespace qolvar::app
