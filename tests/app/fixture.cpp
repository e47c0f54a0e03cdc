#include "fixture.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>

#include "colour/cie.h"
#include "mainwindow/mainwindow.h"
#include "platform/settings.h"

namespace qolvar::test {

int FakeDialogs::message(QWidget*, platform::MsgKind kind, const QString& caption, const QString& text, int buttons)
{
    messages.push_back({kind, caption, text, buttons});
    if (!answers.empty()) {
        const int a = answers.front();
        answers.pop_front();
        return a;
    }
    for (int b : {platform::kOk, platform::kYes, platform::kNo, platform::kCancel})
        if (buttons & b) return b;
    return platform::kOk;
}

QString FakeDialogs::openFile(QWidget*, const platform::FileDialogOptions& o)
{
    openOptions.push_back(o);
    if (openPaths.empty()) return {};
    const QString p = openPaths.front();
    openPaths.pop_front();
    return p;
}

QString FakeDialogs::saveFile(QWidget*, const platform::FileDialogOptions& o)
{
    saveOptions.push_back(o);
    if (savePaths.empty()) return {};
    const QString p = savePaths.front();
    savePaths.pop_front();
    return p;
}

std::optional<QColor> FakeDialogs::chooseColor(QWidget*, const QColor&)
{
    if (colors.empty()) return std::nullopt;
    const auto c = colors.front();
    colors.pop_front();
    return c;
}

std::optional<QString> FakeDialogs::inputText(QWidget*, const QString&, const QString& label, const QString& initial)
{
    inputInitials.push_back(initial);
    inputLabels.push_back(label);
    if (texts.empty()) return std::nullopt;
    const QString text = texts.front();
    texts.pop_front();
    if (text.isNull()) return std::nullopt;
    return text;
}

int FakeDialogs::shellOpen(const QString& path)
{
    opened.push_back(path);
    if (shellResult) return *shellResult;
    return QFile::exists(path) || path.startsWith(QLatin1String("http")) ? 42 : 2;
}

QStringList FakeDialogs::TakeTexts()
{
    QStringList texts;
    for (const auto& m : messages) texts << m.text;
    messages.clear();
    return texts;
}

void WidgetTest::SetUp()
{
    ASSERT_TRUE(dir.isValid());
    platform::SetDialogs(&dialogs);
    platform::SetSettingsFile(dir.filePath(QStringLiteral("settings.ini")));
    app::SetUserFolder(dir.filePath(QStringLiteral("user")));
}

void WidgetTest::TearDown()
{
    Stop();
    platform::SetDialogs(nullptr);
    app::SetUserFolder(QString());
}

app::Windows& WidgetTest::Start()
{
    windows.emplace(app::CreateWindows());
    return *windows;
}

void WidgetTest::Stop() { windows.reset(); }

QString WidgetTest::SettingsPath() const { return dir.filePath(QStringLiteral("settings.ini")); }

void WidgetTest::StoreSetting(const QString& name, const QString& value)
{
    QSettings s(SettingsPath(), QSettings::IniFormat);
    s.setValue(QStringLiteral("software/Mardenvi_Qolvar/.key"), 1);
    s.setValue(QStringLiteral("software/Mardenvi_Qolvar/formMain/") + name, value);
}

QString WidgetTest::Write(const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
}

QString WidgetTest::StoredSetting(const QString& name) const
{
    QSettings s(SettingsPath(), QSettings::IniFormat);
    return s.value(QStringLiteral("software/Mardenvi_Qolvar/formMain/") + name).toString();
}

}  // namespace qolvar::test
