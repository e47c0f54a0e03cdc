// Opening the help files through the shell, for both windows.
#pragma once

#include <QString>

class QWidget;

namespace qolvar::app {

// The help file to open for a help name such as "Qolvar.chm" in a language
// ("ja" or "en", as UiLanguage gives it): the file in the folder if it is
// there, else the HTML help beside the program in that language
// (help/qolvar/index.en.html for "en"), else the Japanese HTML help
// (help/qolvar/index.html), which every help has.
QString HelpPath(const QString& folder, const QString& fileName, const QString& language);
// The language of the help the windows open: the one UseLanguage last
// chose for the windows, "ja" (the language the texts are written in)
// until then.
void SetHelpLanguage(const QString& language);
QString HelpLanguage();
// Tells the user when the shell could not open a help file: a result code
// (taken as 16 bits) below 32 gives the warning "プログラムを起動できません …".
void DisplayResult(QWidget* parent, int code, const QString& fileName);
// The warning when help cannot be shown: the file is missing, or no
// program could be started to show it.
QString HelpFailureText(const QString& path);
// Opens the help file of that name for the folder in the help's language
// and reports a failure.
void BrowseHelp(QWidget* parent, const QString& folder, const QString& fileName);

}  // namespace qolvar::app
