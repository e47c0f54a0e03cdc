// Shared pieces of the widget tests: scripted dialogs, a settings file and
// program folder per test, and the program's four windows.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <memory>
#include <optional>

#include <QtWidgets>

#include "application.h"
#include "mainwindow/aboutbox.h"
#include "mainwindow/colortablecombo.h"
#include "mainwindow/colourlog.h"
#include "mainwindow/colourtable.h"
#include "mainwindow/logviewer.h"
#include "mainwindow/mainwindow.h"
#include "platform/colorpanel.h"
#include "platform/dialogs.h"
#include "platform/spinedit.h"
#include "tableeditor/tbledit.h"
#include "widgets/files.h"
#include "windows.h"

namespace qolvar::test {

// A window's control by its object name; fails the test when there is none.
template <class T>
T* Child(const QObject* window, const char* name)
{
    T* c = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << "no control " << name;
    return c;
}

// The main window's colour log and colour table drop-down.
inline app::ColourLog* LogOf(const QObject* window) { return window->findChild<app::ColourLog*>(); }
inline app::ColourTableDropDown* TableOf(const QObject* window)
{
    return window->findChild<app::ColourTableDropDown*>();
}
// Shows a model page of the main window as a click on its tab does.
inline void ShowPage(const QObject* window, int index)
{
    Child<QTabWidget>(window, "PageControl1")->setCurrentIndex(index);
}

// The main window's active page, -1 when none is (its page area empty).
inline int ActivePage(const QObject* window)
{
    const auto* pages = Child<QTabWidget>(window, "PageControl1");
    return pages->currentWidget() && !pages->currentWidget()->isHidden() ? pages->currentIndex() : -1;
}

// Dialogs that never block: every box is recorded, and answers come from
// queues the test fills (defaults: the first offered button, cancel for
// file and colour dialogs).
class FakeDialogs : public platform::Dialogs {
public:
    struct Message {
        platform::MsgKind kind;
        QString caption, text;
        int buttons;
    };
    std::vector<Message> messages;
    std::deque<int> answers;
    std::deque<QString> openPaths, savePaths;
    std::vector<platform::FileDialogOptions> openOptions, saveOptions;
    std::deque<std::optional<QColor>> colors;
    std::vector<QString> opened;  // shellOpen requests
    std::optional<int> shellResult;
    int beeps = 0;

    int message(QWidget*, platform::MsgKind kind, const QString& caption, const QString& text, int buttons) override;
    void beep() override { ++beeps; }
    QString openFile(QWidget*, const platform::FileDialogOptions& o) override;
    QString saveFile(QWidget*, const platform::FileDialogOptions& o) override;
    std::optional<QColor> chooseColor(QWidget*, const QColor& initial) override;
    int shellOpen(const QString& path) override;
    // Answers of inputText; a null text, or none left, cancels.
    std::deque<QString> texts;
    std::optional<QString> inputText(QWidget*, const QString&, const QString&, const QString& initial) override;
    std::vector<QString> inputInitials;
    std::vector<QString> inputLabels;  // the text above each field

    // The texts of the boxes shown so far, and forget them.
    QStringList TakeTexts();
};

// Each test gets fake dialogs, its own settings file and its own user
// folder (dir/user, not created).
class WidgetTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Creates the four windows as the program does.
    app::Windows& Start();
    // Destroys them (the main window stores its settings).
    void Stop();
    QString SettingsPath() const;
    // Writes a value into the stored settings before Start().
    void StoreSetting(const QString& name, const QString& value);
    QString StoredSetting(const QString& name) const;
    // Writes a file of the bytes into the test's folder; its path.
    QString Write(const QString& name, const QByteArray& bytes);

    FakeDialogs dialogs;
    QTemporaryDir dir;
    std::optional<app::Windows> windows;
};

}  // namespace qolvar::test
