#include "settings.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>

namespace qolvar::platform {

namespace {

QString& FileNameRef()
{
    static QString name;
    return name;
}

// A key's presence is recorded by this value, so that an empty key exists
// in the INI file too.
const QString kKeyMarker = QStringLiteral(".key");

QString GroupOf(const QString& path)
{
    QString g = path;
    g.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (g.startsWith(QLatin1Char('/'))) g.remove(0, 1);
    while (g.endsWith(QLatin1Char('/'))) g.chop(1);
    return g;
}

// Qt's INI reader decodes a value that begins "@Variant(" or "@DateTime("
// (after its escapes and quotes are undone) as serialized binary data, which
// trusts lengths written in the file: a damaged or hostile file can make it
// allocate gigabytes. This store keeps only text, which Qt writes with a
// doubled "@@", so such a value never comes from us. The scan undoes the
// escapes over the whole file the way the reader does for a value and looks
// for either marker not preceded by another "@"; it errs on the side of
// finding one.
bool HoldsSerializedValue(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    const qsizetype n = bytes.size();
    auto octal = [](char c) { return c >= '0' && c <= '7' ? c - '0' : -1; };
    auto hex = [](char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    for (qsizetype i = 0; i < n;) {
        const char c = bytes[i++];
        if (c == '"') continue;
        if (c != '\\') {
            // Bytes outside ASCII never decode to an ASCII character.
            text += (static_cast<unsigned char>(c) < 0x80) ? QChar(c) : QChar(0xFFFD);
            continue;
        }
        if (i >= n) break;
        const char e = bytes[i++];
        if (e == 'x') {
            if (i >= n || hex(bytes[i]) < 0) continue;
            char16_t v = 0;
            while (i < n && hex(bytes[i]) >= 0) v = static_cast<char16_t>((v << 4) + hex(bytes[i++]));
            text += QChar(v);
        } else if (octal(e) >= 0) {
            char16_t v = static_cast<char16_t>(octal(e));
            while (i < n && octal(bytes[i]) >= 0) v = static_cast<char16_t>((v << 3) + octal(bytes[i++]));
            text += QChar(v);
        } else if (QByteArrayView("abfnrtv\"?'\\").contains(e)) {
            text += QChar(u'\x01');  // a control or quoting character: neither "@" nor a letter
        }
        // Any other escaped character (a line break among them) is dropped.
    }
    for (const QLatin1StringView marker : {QLatin1StringView("@Variant("), QLatin1StringView("@DateTime(")}) {
        for (qsizetype at = text.indexOf(marker); at >= 0; at = text.indexOf(marker, at + 1))
            if (at == 0 || text[at - 1] != QLatin1Char('@')) return true;
    }
    return false;
}

// No stored coordinate or size lies beyond this (far outside any screen).
constexpr qint64 kMaxCoordinate = 1 << 20;

// Settings files are a few hundred bytes (a long stored path a few
// megabytes at most); a larger one is not ours.
constexpr qint64 kMaxSettingsFileSize = qint64(16) << 20;

// A file the reader must not be given is moved aside (kept for the user,
// as FILE.bad) and reported; the program goes on with its defaults and
// writes a fresh file. Such files: something that is neither a regular file
// nor a folder (a device, a FIFO, also through a symbolic link), which the
// reader would read without end or wait on; a file larger than any settings file;
// serialized values.
void RefuseUnreadableFile(const QString& fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists()) return;
    // A folder cannot be read or written as a file, and says so when the
    // store tries; it is left where it is.
    const bool special = !info.isFile() && !info.isDir();
    bool refused = special;
    if (!refused) {
        QFile file(fileName);
        if (!file.open(QIODevice::ReadOnly)) return;  // QSettings reports what it cannot read
        // At most one byte past the limit: the size a file reports is not
        // trusted (it may grow while being read).
        const QByteArray bytes = file.read(kMaxSettingsFileSize + 1);
        refused = bytes.size() > kMaxSettingsFileSize || HoldsSerializedValue(bytes);
    }
    if (!refused) return;
    const QString aside = fileName + QStringLiteral(".bad");
    QFile::remove(aside);
    if (!QFile::rename(fileName, aside)) {
        const char* text =
            special ? QT_TRANSLATE_NOOP("qolvar::platform",
                                        "設定ファイル %1 は通常のファイルではありません。削除するか移動してください")
                    : QT_TRANSLATE_NOOP("qolvar::platform",
                                        "設定ファイル %1 は読めない内容を含んでいます。削除するか移動してください");
        throw SettingsError(QCoreApplication::translate("qolvar::platform", text).arg(fileName).toStdString());
    }
    const char* text =
        special
            ? QT_TRANSLATE_NOOP("qolvar::platform",
                                "設定ファイル %1 は通常のファイルではないため %2 に移しました。既定の設定で始めます")
            : QT_TRANSLATE_NOOP("qolvar::platform",
                                "設定ファイル %1 は読めない内容を含んでいたため %2 に移しました。既定の設定で始めます");
    throw SettingsError(QCoreApplication::translate("qolvar::platform", text).arg(fileName, aside).toStdString());
}

std::unique_ptr<QSettings> Open()
{
    RefuseUnreadableFile(SettingsFile());
    return std::make_unique<QSettings>(SettingsFile(), QSettings::IniFormat);
}

bool GroupExists(QSettings& s, const QString& group)
{
    if (group.isEmpty()) return true;
    s.beginGroup(group);
    const bool exists = !s.allKeys().isEmpty();
    s.endGroup();
    return exists;
}

// Creates the group and every missing parent; false when the file cannot
// be written.
bool CreateGroup(QSettings& s, const QString& group)
{
    QString path;
    for (const QString& part : group.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        path = path.isEmpty() ? part : path + QLatin1Char('/') + part;
        if (!s.contains(path + QLatin1Char('/') + kKeyMarker)) s.setValue(path + QLatin1Char('/') + kKeyMarker, 1);
    }
    s.sync();
    return s.status() == QSettings::NoError;
}

}  // namespace

void SetSettingsFile(const QString& fileName) { FileNameRef() = fileName; }

QString SettingsFile()
{
    if (FileNameRef().isEmpty()) {
        const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        FileNameRef() = dir + QStringLiteral("/qolvar/qolvar.ini");
    }
    return FileNameRef();
}

bool RegKeyExists(const QString& path)
{
    auto s = Open();
    return GroupExists(*s, GroupOf(path));
}

void RegKeyCreate(const QString& path)
{
    auto s = Open();
    const QString group = GroupOf(path);
    if (!CreateGroup(*s, group))
        throw SettingsError(
            QCoreApplication::translate("qolvar::platform", "キー %1 の作成に失敗しました").arg(path).toStdString());
}

void SettingsMemory::Remember(const QString& section, const QString& name, const QString& value)
{
    values_.insert(section + QLatin1Char('/') + name, value);
}

bool SettingsMemory::Changed(const QString& section, const QString& name, const QString& value) const
{
    const auto it = values_.constFind(section + QLatin1Char('/') + name);
    return it == values_.cend() || *it != value;
}

RegIniFile::RegIniFile(const QString& path, SettingsMemory* memory)
    : group_(GroupOf(path)), settings_(Open()), memory_(memory)
{
    if (!GroupExists(*settings_, group_) && !CreateGroup(*settings_, group_))
        throw SettingsError(
            QCoreApplication::translate("qolvar::platform", "キー %1 の作成に失敗しました").arg(path).toStdString());
}

RegIniFile::~RegIniFile() = default;

QString RegIniFile::ReadString(const QString& section, const QString& name, const QString& def) const
{
    const QString key = group_ + QLatin1Char('/') + section + QLatin1Char('/') + name;
    const QVariant v = settings_->value(key);
    if (v.isValid() && v.typeId() != QMetaType::QString)
        throw SettingsError(
            QCoreApplication::translate("qolvar::platform", "'%1' のデータ型が不正です").arg(name).toStdString());
    if (!v.isValid()) return def;
    if (memory_) memory_->Remember(section, name, v.toString());
    return v.toString();
}

qint64 RegIniFile::ReadInteger(const QString& section, const QString& name, qint64 def) const
{
    const QString text = ReadString(section, name, QString());
    bool ok = false;
    const qint64 v = text.trimmed().toLongLong(&ok);
    return ok ? v : def;
}

void RegIniFile::WriteString(const QString& section, const QString& name, const QString& value)
{
    if (memory_ && !memory_->Changed(section, name, value)) return;
    const QString sectionGroup = group_ + QLatin1Char('/') + section;
    if (!GroupExists(*settings_, sectionGroup) && !CreateGroup(*settings_, sectionGroup))
        throw SettingsError(
            QCoreApplication::translate("qolvar::platform", "キー %1 の作成に失敗しました").arg(section).toStdString());
    settings_->setValue(sectionGroup + QLatin1Char('/') + name, value);
    settings_->sync();
    if (settings_->status() != QSettings::NoError)
        throw SettingsError(
            QCoreApplication::translate("qolvar::platform", "'%1' の設定に失敗しました").arg(name).toStdString());
    if (memory_) memory_->Remember(section, name, value);
}

void RegIniFile::WriteInteger(const QString& section, const QString& name, qint64 value)
{
    WriteString(section, name, QString::number(value));
}

bool WindowPlacementSupported() { return !QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

void RestoreFormBounds(QWidget* form, const QString& rootPath, SettingsMemory* memory)
{
    RegIniFile reg(rootPath, memory);
    const QString section = form->objectName();
    // Stored numbers far beyond any screen (edited by hand) are brought into
    // range before they become ints.
    auto read = [&](const char* name, int def) {
        return static_cast<int>(std::clamp<qint64>(reg.ReadInteger(section, QString::fromLatin1(name), def),
                                                   -kMaxCoordinate, kMaxCoordinate));
    };
    QRect rect(read("Left", form->x()), read("Top", form->y()), read("Width", form->width()),
               read("Height", form->height()));
    // A window whose title bar would lie on no screen (a monitor that is gone)
    // comes back onto the primary screen.
    const QScreen* home = nullptr;
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect title(rect.left(), rect.top(), std::max(rect.width(), 1), 24);
        if (!home && screen->availableGeometry().intersects(title)) home = screen;
    }
    if (!home && QGuiApplication::primaryScreen()) {
        home = QGuiApplication::primaryScreen();
        rect.moveTopLeft(home->availableGeometry().topLeft() + QPoint(32, 32));
    }
    // Never larger than the screen it comes back on (a window of a stored
    // size without bound would take memory without bound), never smaller
    // than the window's minimum.
    QSize size = rect.size();
    if (home) size = size.boundedTo(home->availableGeometry().size());
    rect.setSize(size.expandedTo(form->minimumSize()).boundedTo(form->maximumSize()));
    if (WindowPlacementSupported()) form->move(rect.topLeft());
    form->resize(rect.size());
}

void StoreFormBounds(QWidget* form, const QString& rootPath, SettingsMemory* memory)
{
    RegIniFile reg(rootPath, memory);
    const QString section = form->objectName();
    if (WindowPlacementSupported()) {
        reg.WriteInteger(section, QStringLiteral("Left"), form->x());
        reg.WriteInteger(section, QStringLiteral("Top"), form->y());
    }
    reg.WriteInteger(section, QStringLiteral("Width"), form->width());
    reg.WriteInteger(section, QStringLiteral("Height"), form->height());
}

}  // namespace qolvar::platform
