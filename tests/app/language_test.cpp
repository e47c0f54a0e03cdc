// The language of the windows: English or Japanese texts by the user's
// language, log files the same in both.
#include <QAbstractButton>
#include <QFile>
#include <QMenuBar>
#include <QTabWidget>
#include <QTest>

#include "application.h"
#include "fixture.h"
#include "logviewer.h"
#include "mainwindow.h"

using namespace qolvar;

namespace {

class Language : public test::WidgetTest {
protected:
    void TearDown() override
    {
        WidgetTest::TearDown();
        // The other tests see the program's own (Japanese) texts.
        app::RemoveTranslations();
    }

    // The log the main window writes for a refresh of every page, as saved.
    QByteArray LogOfEveryPage(app::TformMain* w, const QString& path)
    {
        auto* pages = test::Child<QTabWidget>(w, "PageControl1");
        w->SetCurRGB(0x3A9F62);
        for (int i = 0; i < pages->count(); ++i) {
            pages->setCurrentIndex(i);
            QTest::mouseClick(test::Child<QAbstractButton>(w, "BitBtn1"), Qt::LeftButton);
        }
        dialogs.savePaths.push_back(path);
        test::Child<QAction>(w, "FileSaveAsCmd")->trigger();
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
        return f.readAll();
    }
};

TEST_F(Language, WindowsFollowTheLanguageAndLogsDoNot)
{
    struct Case {
        const char* language;
        const char* fileMenu;
        const char* caption;
        const char* text;
    } cases[] = {
        {"en", "&File", "Warning", "The value is out of range!"},
        {"ja", "ファイル(&F)", "警告", "値が範囲外です！"},
    };
    QByteArray firstLog;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        app::UseLanguage(QString::fromLatin1(c.language));
        Start();
        app::TformMain* w = windows->formMain.get();
        EXPECT_EQ(test::Child<QMenu>(w, "File1")->title(), QString::fromUtf8(c.fileMenu));
        dialogs.messages.clear();
        w->OverErr();
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].caption, QString::fromUtf8(c.caption));
        EXPECT_EQ(dialogs.messages[0].text, QString::fromUtf8(c.text));

        const QByteArray log = LogOfEveryPage(w, dir.filePath(QStringLiteral("%1.log").arg(c.language)));
        EXPECT_FALSE(log.isEmpty());
        if (firstLog.isNull())
            firstLog = log;
        else
            EXPECT_EQ(log, firstLog) << "the log file changed with the language";
        Stop();
    }
}

}  // namespace
