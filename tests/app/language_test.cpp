// The language of the windows: English or Japanese texts by the user's
// language, log files the same in both; every control the keyboard reaches
// has an accessible name.
#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QSet>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "application.h"
#include "fixture.h"
#include "mainwindow/logviewer.h"
#include "mainwindow/mainwindow.h"
#include "widgets/errortext.h"

using namespace qolvar;

namespace {

class UiLanguage : public test::WidgetTest {
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

TEST_F(UiLanguage, WindowsFollowTheLanguageAndLogsDoNot)
{
    struct Case {
        const char* language;
        const char* fileMenu;
        const char* caption;
        const char* text;
        const char* firstTable;  // the drop-down's table on a first run
    } cases[] = {
        {"en", "&File", "Warning", "The value is out of range!", "CSS名前付き色.tab"},
        {"ja", "ファイル(&F)", "警告", "値が範囲外です！", "Web標準色.tab"},
    };
    QByteArray firstLog;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        app::UseLanguage(QString::fromLatin1(c.language));
        Start();
        app::TformMain* w = windows->formMain.get();
        EXPECT_EQ(test::Child<QMenu>(w, "File1")->title(), QString::fromUtf8(c.fileMenu));
        EXPECT_EQ(QFileInfo(test::TableOf(w)->TableFileName()).fileName(), QString::fromUtf8(c.firstTable));
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
        StoreSetting("TableName", "");  // the next language starts on its own first table
    }
}

// Presses Tab from the start control until the focus comes round to it
// again: each control on the way carries an accessible name and
// description. The controls reached, or none when Tab is kept somewhere.
QSet<QWidget*> WalkTabChain(QWidget* start, const std::string& where)
{
    QSet<QWidget*> reached;
    QWidget* at = start;
    for (int presses = 0; presses < 200; ++presses) {
        // The control whose inner editor has the focus (spin and combo
        // boxes, the page tabs) is what a screen reader names.
        QWidget* control = at;
        if (QWidget* parent = at->parentWidget(); parent && parent->focusProxy() == at) control = parent;
        if (!reached.contains(control)) {
            reached.insert(control);
            const std::string what =
                where + ": " + control->metaObject()->className() + " " + control->objectName().toStdString();
            EXPECT_FALSE(control->accessibleName().isEmpty()) << what;
            EXPECT_FALSE(control->accessibleDescription().isEmpty()) << what;
        }
        QTest::keyClick(at, Qt::Key_Tab);
        at = QApplication::focusWidget();
        if (!at) break;
        if (at == start) return reached;
    }
    ADD_FAILURE() << where << ": Tab does not come round to where it started";
    return {};
}

// The main window on every page and the table editor, in both languages.
TEST_F(UiLanguage, EveryControlTheTabKeyReachesIsNamedAndDescribed)
{
    for (const char* language : {"en", "ja"}) {
        SCOPED_TRACE(language);
        app::UseLanguage(QString::fromLatin1(language));
        Start();
        app::TformMain* w = windows->formMain.get();
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
        auto* pages = test::Child<QTabWidget>(w, "PageControl1");
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            pages->tabBar()->setFocus();
            EXPECT_GT(WalkTabChain(QApplication::focusWidget(), "page " + std::to_string(page)).size(), 15);
        }
        QWidget* editor = windows->formTblEdit.get();
        editor->show();
        editor->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(editor));
        auto* list = test::Child<QWidget>(editor, "lboxColor");
        list->setFocus();
        const QSet<QWidget*> reached = WalkTabChain(list, "table editor");
        // Past the comment (a text box) to the buttons after it.
        EXPECT_TRUE(reached.contains(test::Child<QWidget>(editor, "spbtDown")));
        Stop();
    }
}

}  // namespace

// The colour library's messages reach the user in the user's language,
// translated by their id with their values unchanged (a value that holds
// "%1" included): in English as the library's own English texts say them,
// in Japanese exactly as the library's messages.
TEST_F(UiLanguage, LibraryMessagesAreTranslatedWithTheirValues)
{
    for (int i = 0; i < kMessageIdCount; ++i) {
        const auto id = static_cast<MessageId>(i);
        EXPECT_STREQ(app::ErrorSourceText(id), MessageTemplate(id, qolvar::Language::Japanese).data()) << i;
    }
    auto message = [](MessageId id, std::vector<std::string> args) { return Message{id, std::move(args), nullptr}; };
    std::vector<Message> messages;
    for (int i = 1; i < kMessageIdCount; ++i)
        messages.push_back(message(static_cast<MessageId>(i), {"/tmp/a %1 b.csv", "12", "x"}));
    // A line's reason is translated in its turn.
    messages.push_back(Message{MessageId::AtLine,
                               {"/d/HVC.csv", "12"},
                               std::make_shared<const Message>(message(MessageId::NotANumber, {"x1"}))});
    messages.push_back(message(MessageId::Text, {"予期しない何か"}));  // made elsewhere: as it is
    for (const char* language : {"ja", "en"}) {
        app::UseLanguage(QString::fromLatin1(language));
        const auto lang = language[0] == 'e' ? qolvar::Language::English : qolvar::Language::Japanese;
        for (const Message& m : messages)
            EXPECT_EQ(app::ErrorText(RangeError(m)), QString::fromStdString(MessageText(m, lang)))
                << language << " " << static_cast<int>(m.id);
    }
    EXPECT_EQ(app::ErrorText(messages[messages.size() - 2]), "/d/HVC.csv, line 12: 'x1' is not a number");
}
