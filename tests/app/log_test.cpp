// The colour log: appending, clearing, opening and saving.
#include <QFile>
#include <QTest>

#include "colour/errors.h"
#include "file_limit.h"
#include "fixture.h"
#include "mainwindow/logviewer.h"
#include "mainwindow/mainwindow.h"

using namespace qolvar;

namespace {

class Log : public test::WidgetTest {
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        Start();
        w = windows->formMain.get();
        log = windows->formLogViewer.get();
        dialogs.messages.clear();
    }
    QByteArray ReadFile(const QString& path)
    {
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }
    void WriteFile(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    app::TformMain* w = nullptr;
    app::TformLogViewer* log = nullptr;
};

TEST_F(Log, LinesCarryTheHexFieldAndEndWithCrLf)
{
    w->SetCurRGB(0xFF8000);
    w->LogWrite("CMYK=0,127,255,0");
    w->LogWrite("CMYK=0,127,255,0");
    EXPECT_EQ(log->LogText(), "RGB=#FF8000 CMYK=0,127,255,0\r\nRGB=#FF8000 CMYK=0,127,255,0\r\n");
    EXPECT_EQ(log->memoLog->toPlainText(), "RGB=#FF8000 CMYK=0,127,255,0\nRGB=#FF8000 CMYK=0,127,255,0\n");
    EXPECT_FALSE(log->isVisible()) << "lines are kept while the viewer is hidden";
}

TEST_F(Log, NewClearsAndSays)
{
    w->LogWrite("x");
    const QString saved = dir.filePath("somewhere.log");
    dialogs.savePaths.push_back(saved);
    test::Child<QAction>(w, "FileSaveAsCmd")->trigger();
    test::Child<QAction>(w, "FileNewCmd")->trigger();
    EXPECT_TRUE(log->LogText().isEmpty());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].caption, "情報");
    EXPECT_EQ(dialogs.messages[0].text, "ログをクリアしました");
    EXPECT_EQ(test::LogOf(w)->LogFileName(), saved);
}

TEST_F(Log, OpenNormalisesLineBreaksAndAppendsAfterAnUnbrokenLastLine)
{
    const QString path = dir.filePath("old.log");
    WriteFile(path, "a\rb\nc\r\nlast");
    dialogs.openPaths.push_back(path);
    test::Child<QAction>(w, "FileOpenCmd")->trigger();
    EXPECT_EQ(test::LogOf(w)->LogFileName(), path);
    EXPECT_TRUE(log->isVisible());
    EXPECT_EQ(log->LogText(), "a\r\nb\r\nc\r\nlast");
    EXPECT_EQ(dialogs.openOptions.back().filter, "Log files (*.log)|*.log|すべてのファイル(*.*)|*.*");
    w->SetCurRGB(0x0000FF);
    w->LogWrite("HSV=240,255,255");
    test::Child<QAction>(w, "FileSaveCmd")->trigger();  // overwrites the opened file
    EXPECT_EQ(ReadFile(path), "a\r\nb\r\nc\r\nlast\r\nRGB=#0000FF HSV=240,255,255\r\n");
    w->LogWrite("X");
    EXPECT_TRUE(log->LogText().endsWith("255,255\r\nRGB=#0000FF X\r\n"));
}

TEST_F(Log, OpenReadsShiftJisAndUtf8)
{
    const QString path = dir.filePath("sjis.log");
    WriteFile(path, "RGB=#FF0000 \x83\x65\x83\x58\x83\x67\r\n");  // テスト in Shift-JIS
    dialogs.openPaths.push_back(path);
    test::Child<QAction>(w, "FileOpenCmd")->trigger();
    EXPECT_EQ(log->LogText(), "RGB=#FF0000 テスト\r\n");
    WriteFile(path, "RGB=#FF0000 テスト\r\n");
    dialogs.openPaths.push_back(path);
    test::Child<QAction>(w, "FileOpenCmd")->trigger();
    EXPECT_EQ(log->LogText(), "RGB=#FF0000 テスト\r\n");
}

TEST_F(Log, SaveWithoutAFileAsksForOneAndCancelKeepsItEmpty)
{
    w->LogWrite("x");
    test::Child<QAction>(w, "FileSaveCmd")->trigger();
    ASSERT_EQ(dialogs.saveOptions.size(), 1u);
    EXPECT_EQ(dialogs.saveOptions[0].fileName, "Qolvar_Data00.log");
    EXPECT_TRUE(dialogs.saveOptions[0].defaultExt.isEmpty());
    EXPECT_TRUE(test::LogOf(w)->LogFileName().isEmpty());
    const QString path = dir.filePath("new.log");
    dialogs.savePaths.push_back(path);
    test::Child<QAction>(w, "FileSaveCmd")->trigger();
    EXPECT_EQ(test::LogOf(w)->LogFileName(), path);
    EXPECT_EQ(ReadFile(path), "RGB=#000000 x\r\n");
    // The dialog offers the last chosen name next time.
    test::Child<QAction>(w, "FileSaveAsCmd")->trigger();
    EXPECT_EQ(dialogs.saveOptions.back().fileName, path);
}

TEST_F(Log, NewThenSaveOverwritesWithTheShorterLog)
{
    const QString path = dir.filePath("keep.log");
    w->LogWrite("one");
    w->LogWrite("two");
    dialogs.savePaths.push_back(path);
    test::Child<QAction>(w, "FileSaveAsCmd")->trigger();
    test::Child<QAction>(w, "FileNewCmd")->trigger();
    test::Child<QAction>(w, "FileSaveCmd")->trigger();
    EXPECT_EQ(ReadFile(path), "");
}

TEST_F(Log, FailuresAreShownAndChangeNothingElse)
{
    w->LogWrite("kept");
    const QString unwritable = dir.filePath("no/such/folder/x.log");
    dialogs.savePaths.push_back(unwritable);
    test::Child<QAction>(w, "FileSaveAsCmd")->trigger();
    EXPECT_EQ(dialogs.TakeTexts(), QStringList{"ファイル " + unwritable + " を作成できません."});
    EXPECT_TRUE(test::LogOf(w)->LogFileName().isEmpty());

    // A log that cannot be opened changes nothing, not even the log's name.
    const QString missing = dir.filePath("missing.log");
    dialogs.openPaths.push_back(missing);
    dialogs.answers.push_back(platform::kNo);  // the unsaved line: do not save
    test::Child<QAction>(w, "FileOpenCmd")->trigger();
    EXPECT_EQ(dialogs.TakeTexts(),
              QStringList({"ログへの変更を保存しますか？", "ファイル " + missing + " は開けません."}));
    EXPECT_TRUE(test::LogOf(w)->LogFileName().isEmpty());
    EXPECT_EQ(log->LogText(), "RGB=#000000 kept\r\n");
}

TEST_F(Log, AFailedSaveLeavesThePreviousFile)
{
    const QString path = dir.filePath("safe.log");
    WriteFile(path, "previous\r\n");
    dialogs.openPaths.push_back(path);
    test::Child<QAction>(w, "FileOpenCmd")->trigger();
    w->LogWrite("new");
    {
        // The disk fills up during the save; the old file stays whole.
        test::FileSizeLimit full(8);
        test::Child<QAction>(w, "FileSaveCmd")->trigger();
    }
    EXPECT_EQ(dialogs.TakeTexts(), QStringList{"ファイル " + path + " を作成できません."});
    EXPECT_EQ(ReadFile(path), "previous\r\n");
}

TEST_F(Log, ViewerIsCentredAndReadOnly)
{
    EXPECT_EQ(log->size(), QSize(600, 480));
    EXPECT_EQ(log->windowTitle(), "[*]Log Viewer");
    EXPECT_TRUE(log->memoLog->isReadOnly());
    test::Child<QAction>(w, "LogViewCmd")->trigger();
    EXPECT_TRUE(log->isVisible());
    log->close();
    EXPECT_FALSE(log->isVisible());
    w->LogWrite("still here");
    EXPECT_EQ(log->LogText(), "RGB=#000000 still here\r\n");
}

// Lines that were never saved are not lost without a question, on "新規"
// and on closing the program: Yes saves (a cancelled file dialog keeps
// everything), No discards, Cancel keeps everything.
TEST_F(Log, UnsavedLinesAreNotLostWithoutAQuestion)
{
    struct Case {
        bool close;  // else 新規
        int answer;
        bool givePath;  // the save dialog gives a file
        bool logKept;
        bool stillOpen;
    };
    const Case cases[] = {
        {false, platform::kCancel, false, true, true}, {false, platform::kNo, false, false, true},
        {false, platform::kYes, true, false, true},    {false, platform::kYes, false, true, true},
        {true, platform::kCancel, false, true, true},  {true, platform::kNo, false, true, false},
        {true, platform::kYes, true, true, false},     {true, platform::kYes, false, true, true},
    };
    int run = 0;
    for (const Case& c : cases) {
        Stop();
        Start();
        w = windows->formMain.get();
        log = windows->formLogViewer.get();
        w->show();
        w->LogWrite("only here");
        const QString path = dir.filePath(QStringLiteral("saved%1.log").arg(run++));
        if (c.givePath) dialogs.savePaths.push_back(path);
        dialogs.answers.push_back(c.answer);
        dialogs.messages.clear();
        if (c.close)
            w->close();
        else
            test::Child<QAction>(w, "FileNewCmd")->trigger();
        ASSERT_FALSE(dialogs.messages.empty());
        EXPECT_EQ(dialogs.messages[0].text, "ログへの変更を保存しますか？") << run;
        EXPECT_EQ(log->LogText().contains("only here"), c.logKept) << run;
        EXPECT_EQ(w->isVisible(), c.stillOpen) << run;
        EXPECT_EQ(QFile::exists(path), c.givePath) << run;
        if (c.givePath) {
            EXPECT_EQ(ReadFile(path), "RGB=#000000 only here\r\n");
        }
    }
    // A fresh log, and one just saved, ask nothing.
    Stop();
    Start();
    w = windows->formMain.get();
    dialogs.messages.clear();
    test::Child<QAction>(w, "FileNewCmd")->trigger();
    w->LogWrite("x");
    dialogs.savePaths.push_back(dir.filePath("x.log"));
    test::Child<QAction>(w, "FileSaveCmd")->trigger();
    test::Child<QAction>(w, "FileNewCmd")->trigger();
    EXPECT_EQ(dialogs.TakeTexts(), QStringList({"ログをクリアしました", "ログをクリアしました"}));
}

}  // namespace
