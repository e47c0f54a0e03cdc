// The settings store: registry-like keys and string values kept in an INI
// file (QSettings) in the user's configuration folder.
//
// Paths are absolute below the user's root and written with backslashes,
// "\software\Mardenvi_Qolvar"; they map onto nested INI groups. Every value
// is text; integers are stored as decimal text. A value of another type
// (for instance a list written by hand into the file) is a type error.
#pragma once

#include <QHash>
#include <QString>
#include <QWidget>
#include <memory>

#include "colour/errors.h"

class QSettings;

namespace qolvar::platform {

// A failure of the settings store; its message is for the user.
class SettingsError : public ColourError {
public:
    using ColourError::ColourError;
};

// Where the store lives. Tests point it at a file of their own.
void SetSettingsFile(const QString& fileName);
QString SettingsFile();

bool RegKeyExists(const QString& path);
// Opens the key, creating it and its missing parents.
void RegKeyCreate(const QString& path);

// The values a window read from the store at its start, so that at its end
// it writes only those it changed: what another instance of the program
// stored meanwhile stays. A value that was missing, or that could not be
// used (the default stood in), counts as changed and is written.
class SettingsMemory {
public:
    void Remember(const QString& section, const QString& name, const QString& value);
    // Whether value differs from the one remembered (or none is).
    bool Changed(const QString& section, const QString& name, const QString& value) const;

private:
    QHash<QString, QString> values_;
};

// An open key (created when absent), read and written by section (subkey)
// and value name. With a memory, every value read is remembered, and a
// value written that equals the remembered one is not written.
class RegIniFile {
public:
    explicit RegIniFile(const QString& path, SettingsMemory* memory = nullptr);
    ~RegIniFile();
    RegIniFile(const RegIniFile&) = delete;
    RegIniFile& operator=(const RegIniFile&) = delete;

    // A missing value yields the default; a value that is not text throws
    // "'NAME' のデータ型が不正です".
    QString ReadString(const QString& section, const QString& name, const QString& def) const;
    // Text that is not a decimal integer yields the default.
    qint64 ReadInteger(const QString& section, const QString& name, qint64 def) const;
    // Throws "キー SECTION の作成に失敗しました" or "'NAME' の設定に失敗しました".
    void WriteString(const QString& section, const QString& name, const QString& value);
    void WriteInteger(const QString& section, const QString& name, qint64 value);

private:
    QString group_;
    std::unique_ptr<QSettings> settings_;
    SettingsMemory* memory_;
};

// False where the windowing system places windows itself and ignores a
// program's requests to move a window or keep it on top (Wayland).
bool WindowPlacementSupported();

// Reads "Left", "Top", "Width", "Height" of the window from the subkey named
// after its objectName (each defaulting to the current value) and applies
// them. A position that lies on no screen brings the window onto the
// primary screen. Where windows cannot be placed only the size is applied,
// and storing leaves the stored position as it was (the window's position
// there is not its place on the screen).
void RestoreFormBounds(QWidget* form, const QString& rootPath, SettingsMemory* memory = nullptr);
void StoreFormBounds(QWidget* form, const QString& rootPath, SettingsMemory* memory = nullptr);

}  // namespace qolvar::platform
