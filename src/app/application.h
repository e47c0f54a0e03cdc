// The program's application object and the language of its texts.
#pragma once

#include <QApplication>

namespace qolvar::app {

// Hands any exception that escapes an event handler to the installed
// exception handler (widgets/exceptionhook.h: the main window's
// AppExceptionHandler), so that none crosses the event loop.
class QolvarApplication : public QApplication {
public:
    QolvarApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Whether a key pressed in a text field goes to a command of the field's
// window instead (for the ShortcutOverride event the toolkit sends the
// field first): under X11's key bindings a field takes Ctrl+E (end of line)
// and other keys that the windows use for commands. The keys fields edit
// with (copy, cut, paste, undo, redo, select all, delete, typing and the
// cursor keys) stay with the field.
bool WindowCommandTakesKey(QObject* receiver, QEvent* event);

// The language of the user interface for the user's languages in order of
// preference (QLocale::uiLanguages(), from LANGUAGE, LC_ALL, LC_MESSAGES,
// LANG): "ja" when Japanese comes before English, else "en".
QString UiLanguage(const QStringList& uiLanguages);

// Installs Qt's own translation of its dialogs and buttons for the
// language ("ja": qtbase_ja from Qt's translations folder) into the
// application; false when there is none to install.
bool InstallQtTranslation(const QString& language);

// Installs the program's own translation for the language (the texts are
// written in Japanese; "en": the embedded English translation); false for
// Japanese or a language without one.
bool InstallProgramTranslation(const QString& language);

// The program and Qt's dialogs in the language: removes what an earlier
// call installed, then installs both translations. Windows created
// afterwards show their texts in it, and the help opens in it
// (widgets/help.h); files the program writes never change with the
// language.
void UseLanguage(const QString& language);

// Removes every translation installed through these functions: the
// program's Japanese texts and Qt's English ones; the help opens in
// Japanese again.
void RemoveTranslations();

}  // namespace qolvar::app
