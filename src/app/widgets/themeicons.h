// Pictures of the commands: the desktop's icon theme by the freedesktop
// icon names, else a small bundled set (src/app/icons, compiled in), so that
// the tool bars look right on a desktop without any icon theme.
#pragma once

#include <QIcon>
#include <QString>
#include <span>

namespace qolvar::app {

// Every icon name the windows ask for; each has a bundled picture in 16 and
// 22 pixels.
std::span<const char* const> ThemeIconNames();

// The theme's icon of that name, or the bundled one. A name found in neither
// gives an empty icon (a button without a picture), never a failure. Without
// an icon theme chosen by the desktop (Qt's "hicolor" fallback) the theme is
// not asked.
QIcon ThemeIcon(const char* name);
// The theme's icon of that name, or the fallback given.
QIcon ThemeIcon(const char* name, const QIcon& fallback);

// The bundled picture alone; its files are decoded when it is first drawn.
QIcon BundledIcon(const QString& name);

}  // namespace qolvar::app
