// Fuzz target: the settings store reading a file of any bytes. The bytes
// are the INI file; the program's key is opened and the main window's values
// read. Only SettingsError may come out; every value read as text reads
// again the same.
#include <unistd.h>
#include <QCoreApplication>
#include <QFile>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/settings.h"

namespace {

const QString kRoot = QStringLiteral("\\software\\Mardenvi_Qolvar");
const QString kSection = QStringLiteral("formMain");

QString SettingsPath()
{
    static const QString path = [] {
        char dir[] = "/tmp/qolvar-fuzz-XXXXXX";
        if (!mkdtemp(dir)) std::abort();
        return QString::fromLocal8Bit(dir) + QStringLiteral("/qolvar.ini");
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    qolvar::platform::SetSettingsFile(SettingsPath());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    {
        std::FILE* f = std::fopen(SettingsPath().toLocal8Bit().constData(), "wb");
        if (!f) return 0;
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    try {
        qolvar::platform::RegIniFile reg(kRoot);
        for (const char* name : {"Left", "Top", "Width", "Height", "RGB", "PageIndex"}) {
            const qint64 v = reg.ReadInteger(kSection, QString::fromLatin1(name), -7);
            (void)v;
        }
        for (const char* name : {"TableName", "RGB"}) {
            const QString n = QString::fromLatin1(name);
            const QString v = reg.ReadString(kSection, n, QStringLiteral("default"));
            if (reg.ReadString(kSection, n, QString()) != v && v != QStringLiteral("default")) {
                std::fprintf(stderr, "settings_fuzz: a value read twice differs\n");
                std::abort();
            }
        }
        (void)qolvar::platform::RegKeyExists(kRoot + QStringLiteral("\\formTblEdit"));
    } catch (const qolvar::platform::SettingsError&) {
    }
    return 0;
}
