// Start-up and shutdown: the settings kept between runs, and what happens
// when a data file or a stored value is missing or wrong.
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QShowEvent>
#include <QTabWidget>
#include <QTest>

#include "colour/munsell.h"
#include "fixture.h"
#include "mainwindow/mainwindow.h"
#include "platform/settings.h"

using namespace qolvar;

namespace {

class Startup : public test::WidgetTest {
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        // A program folder of our own: the Munsell tables and a colour table.
        folder = dir.filePath("program");
        QDir().mkpath(folder + "/Table");
        const QString shipped = QCoreApplication::applicationDirPath();
        for (const char* f : {"Z8721_YxyD65.csv", "HVC_Yxy.csv"}) QFile::copy(shipped + "/" + f, folder + "/" + f);
        QFile table(folder + "/Table/Web標準色.tab");
        ASSERT_TRUE(table.open(QIODevice::WriteOnly));
        table.write("#FF0000 Red 赤\r\n");
        table.close();
        app::SetProgramFolder(folder);
    }
    void TearDown() override
    {
        WidgetTest::TearDown();
        app::SetProgramFolder(QString());
    }
    app::TformMain* Main() { return windows->formMain.get(); }
    QString folder;
};

TEST_F(Startup, FirstRunCreatesTheKeyAndStartsBlackOnHue)
{
    Start();
    EXPECT_TRUE(platform::RegKeyExists(app::kRegistryRoot));
    EXPECT_FALSE(platform::RegKeyExists(app::kRegistryRoot + "\\formMain")) << "bounds are not read on a first run";
    EXPECT_EQ(Main()->CurRGB(), 0u);
    EXPECT_EQ(test::ActivePage(Main()), 1);
    EXPECT_EQ(test::TableOf(Main())->TableFileName(), folder + "/Table/Web標準色.tab");
    EXPECT_EQ(Main()->ExeDir(), folder);
    EXPECT_EQ(Main()->pos(), QPoint(192, 106));
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.TakeTexts().join("|").toStdString();
    EXPECT_FALSE(windows->formLogViewer->isVisible());
    Stop();
    EXPECT_EQ(StoredSetting("RGB"), "0");
    EXPECT_EQ(StoredSetting("PageIndex"), "1");
    EXPECT_EQ(StoredSetting("TableName"), folder + "/Table/Web標準色.tab");
    for (const char* v : {"Left", "Top", "Width", "Height"}) EXPECT_FALSE(StoredSetting(v).isEmpty()) << v;
}

TEST_F(Startup, TheUserFolderTakesLogsAndItsTablesAreListedBesideTheShippedOnes)
{
    const QString user = dir.filePath("user");
    Start();
    EXPECT_FALSE(QFileInfo::exists(user)) << "created only when first needed";
    test::Child<QAction>(Main(), "FileSaveAsCmd")->trigger();  // cancelled
    ASSERT_EQ(dialogs.saveOptions.size(), 1u);
    EXPECT_EQ(dialogs.saveOptions[0].initialDir, user);
    EXPECT_TRUE(QFileInfo(user).isDir());

    // A file chosen elsewhere moves the next dialog's start there.
    dialogs.openPaths.push_back(folder + "/Table/Web標準色.tab");
    test::Child<QAction>(Main(), "TableLoadCmd")->trigger();
    test::Child<QAction>(Main(), "FileOpenCmd")->trigger();  // cancelled
    EXPECT_EQ(dialogs.openOptions.back().initialDir, folder + "/Table");
    // The table editor's Save As of a shipped table starts in the user's
    // folder, not among the shipped tables.
    dialogs.openPaths.push_back(folder + "/Table/Web標準色.tab");
    test::Child<QAction>(windows->formTblEdit.get(), "FileOpenCmd")->trigger();
    test::Child<QAction>(windows->formTblEdit.get(), "FileSaveAsCmd")->trigger();  // cancelled
    EXPECT_EQ(dialogs.saveOptions.back().initialDir, user);
    EXPECT_EQ(dialogs.saveOptions.back().fileName, "Web標準色.tab");

    QFile mine(user + "/Mine & yours.tab");
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
    mine.write("#00FF00 Green\r\n");
    mine.close();
    auto* list = test::Child<QMenu>(Main(), "TabList1");
    ASSERT_NE(list, nullptr);
    emit list->aboutToShow();
    QStringList captions;
    for (QAction* a : list->actions()) captions << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(captions, QStringList({"Web標準色.tab", "-", "Mine && yours.tab"}));
    list->actions().back()->trigger();
    EXPECT_EQ(test::TableOf(Main())->TableFileName(), user + "/Mine & yours.tab");
    EXPECT_EQ(Main()->findChild<QComboBox*>("cboxColor")->itemText(0), "#00FF00 Green");
}

TEST_F(Startup, StoredSettingsComeBack)
{
    StoreSetting("RGB", "16711680");
    StoreSetting("PageIndex", "3");
    StoreSetting("Left", "300");
    StoreSetting("Top", "200");
    StoreSetting("Width", "700");
    StoreSetting("Height", "650");
    Start();
    EXPECT_EQ(Main()->size(), QSize(700, 650));
    EXPECT_EQ(Main()->CurRGB(), 0xFF0000u);
    EXPECT_EQ(test::Child<QLineEdit>(Main(), "editRGBHEX")->text(), "FF0000");
    EXPECT_EQ(test::ActivePage(Main()), 3);
    EXPECT_EQ(Main()->pos(), QPoint(300, 200));
    EXPECT_FALSE(Main()->InUpdate());
    EXPECT_TRUE(windows->formLogViewer->LogText().isEmpty()) << "no page is refreshed at start-up";
}

TEST_F(Startup, UnreadableStoredValuesFallBackToDefaults)
{
    struct Case {
        const char* rgb;
        const char* page;
        RGBCode colour;
        int index;
        const char* pageAtExit;
    };
    for (const auto& c : {Case{"abc", "7", 0, -1, "-1"}, Case{"", "-3", 0, -1, "-1"}, Case{"255", "x", 0xFF, 1, "1"},
                          Case{"4294967295", "0", 0xFFFFFFFF, 0, "0"}}) {
        StoreSetting("RGB", c.rgb);
        StoreSetting("PageIndex", c.page);
        Start();
        EXPECT_EQ(Main()->CurRGB(), c.colour) << c.rgb;
        EXPECT_EQ(test::ActivePage(Main()), c.index) << c.page;
        Stop();
        EXPECT_EQ(StoredSetting("PageIndex"), c.pageAtExit) << c.page;
    }
}

// After a stored index of no page, choosing a page by the keys ends the
// state as a click does.
TEST_F(Startup, ChoosingAPageByKeyAfterAnInvalidIndexActivatesIt)
{
    StoreSetting("PageIndex", "7");
    Start();
    ASSERT_EQ(test::ActivePage(Main()), -1);
    auto* tabs = test::Child<QTabWidget>(Main(), "PageControl1");
    QTest::keyClick(tabs, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(test::ActivePage(Main()), 2);
    EXPECT_TRUE(tabs->currentWidget()->isVisibleTo(Main()));
    Stop();
    EXPECT_EQ(StoredSetting("PageIndex"), "2");
}

TEST_F(Startup, AValueOfTheWrongTypeIsReportedAndTheRestStillLoads)
{
    {
        QSettings s(SettingsPath(), QSettings::IniFormat);
        s.setValue("software/Mardenvi_Qolvar/.key", 1);
        s.setValue("software/Mardenvi_Qolvar/formMain/RGB", QStringList{"1", "2"});
        s.setValue("software/Mardenvi_Qolvar/formMain/PageIndex", "4");
    }
    Start();
    EXPECT_EQ(dialogs.TakeTexts(), QStringList{"'RGB' のデータ型が不正です."});
    EXPECT_EQ(test::ActivePage(Main()), 4);
}

TEST_F(Startup, MissingDataFilesAreReportedWithoutLosingTheSettings)
{
    QFile::remove(folder + "/Z8721_YxyD65.csv");
    StoreSetting("RGB", "255");
    StoreSetting("PageIndex", "2");
    StoreSetting("TableName", folder + "/gone.tab");
    Start();
    const QStringList texts = dialogs.TakeTexts();
    ASSERT_EQ(texts.size(), 2) << texts.join("|").toStdString();
    EXPECT_TRUE(texts[0].contains("Z8721_YxyD65.csv"));
    EXPECT_EQ(texts[1], "ファイル " + folder + "/gone.tab は開けません.");
    EXPECT_EQ(Main()->CurRGB(), 0xFFu);
    EXPECT_EQ(test::ActivePage(Main()), 2);
    Stop();
    EXPECT_EQ(StoredSetting("RGB"), "255");
    EXPECT_EQ(StoredSetting("PageIndex"), "2");
    EXPECT_EQ(StoredSetting("TableName"), folder + "/gone.tab");
}

TEST_F(Startup, ARemovedKeySkipsTheBoundsButKeepsTheOptions)
{
    Start();
    Main()->SetCurRGB(0x123456);
    QFile::remove(SettingsPath());
    Stop();
    EXPECT_EQ(StoredSetting("RGB"), QString::number(0x123456));
    EXPECT_TRUE(StoredSetting("Left").isEmpty());
}

TEST_F(Startup, AWindowStoredOffEveryScreenComesBack)
{
    StoreSetting("Left", "-5000");
    StoreSetting("Top", "-4000");
    Start();
    const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(avail.contains(Main()->pos())) << Main()->pos().x() << "," << Main()->pos().y();
}

TEST_F(Startup, SettingsThatCannotBeWrittenAreReportedAtExit)
{
    Start();
    // A folder where the settings file should be makes every write fail.
    QFile::remove(SettingsPath());
    QDir().mkpath(SettingsPath());
    dialogs.messages.clear();
    Stop();
    const QStringList texts = dialogs.TakeTexts();
    ASSERT_FALSE(texts.isEmpty());
    EXPECT_TRUE(texts.back().contains("失敗しました")) << texts.join("|").toStdString();
}

TEST_F(Startup, AStoredTableNameLongerThanAPathIsRefusedAtOnce)
{
    StoreSetting("TableName", QString(5'000'000, 'x'));
    Start();
    EXPECT_EQ(dialogs.TakeTexts(), QStringList{"'TableName' が長すぎます（5000000 文字）."});
    EXPECT_EQ(test::TableOf(Main())->TableFileName(), folder + "/Table/Web標準色.tab");
    EXPECT_EQ(test::Child<QComboBox>(Main(), "cboxColor")->itemText(0), "#FF0000 Red 赤");
}

// A settings file of garbage is reported once; the program starts with its
// defaults and writes usable settings at exit.
TEST_F(Startup, ACorruptSettingsFileIsReportedAndRewrittenAtExit)
{
    QFile f(SettingsPath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    const char garbage[] = "[software\n\xff\xfe garbage = = =\n[[[\nRGB\n\x00\x01\x02";
    f.write(garbage, sizeof garbage - 1);
    f.close();
    Start();
    EXPECT_EQ(dialogs.TakeTexts().size(), 1);
    EXPECT_EQ(Main()->CurRGB(), 0u);
    Main()->SetCurRGB(0x123456);
    Stop();
    EXPECT_TRUE(dialogs.TakeTexts().isEmpty());
    EXPECT_EQ(StoredSetting("RGB"), QString::number(0x123456));
}

// Values Qt would decode as serialized binary data (which trusts lengths
// in the file and can allocate gigabytes) are never handed to it: the file
// is moved aside whole and reported once, the program starts with its
// defaults. A value we wrote ourselves ("@@" doubles a leading "@") reads
// as the text it was.
TEST_F(Startup, SerializedValuesInTheSettingsFileAreMovedAsideUnread)
{
    const QByteArray header = "[software]\nMardenvi_Qolvar\\formMain\\";
    const struct {
        QByteArray value;
        bool refused;
    } rows[] = {
        {"RGB=@Variant(\\0\\0\\0\\vi_Q\xff\xff\xff\xff)", true},
        {"RGB=\\x40Variant(\\0\\0\\0\\x2\\0\\0\\0\\x1)", true},  // the "@" escaped
        {"RGB=\"@DateTime(\\0\\0)\"", true},                     // quoted
        {"RGB=1, @Variant(\\0)", true},                          // a list's second item
        {"PageIndex=@@Variant(x)", false},                       // text "@Variant(x)"
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.value.toStdString());
        QFile::remove(SettingsPath() + ".bad");
        QFile f(SettingsPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(header + row.value + "\n");
        f.close();
        Start();
        EXPECT_EQ(dialogs.TakeTexts().size(), row.refused ? 1 : 0);
        EXPECT_EQ(QFile::exists(SettingsPath() + ".bad"), row.refused);
        if (!row.refused) {
            EXPECT_EQ(StoredSetting("PageIndex"), "@Variant(x)");
        }
        Stop();
        dialogs.TakeTexts();
    }
}

}  // namespace

TEST(UiLanguage, FollowsTheUsersLanguages)
{
    struct Case {
        QStringList languages;
        const char* expected;
    } cases[] = {
        {{"ja-JP"}, "ja"},
        {{"ja"}, "ja"},
        {{"en-US"}, "en"},
        {{"de-DE", "ja-JP", "en"}, "ja"},  // LANGUAGE=de:ja:en; no German, Japanese first
        {{"fr-FR", "en-GB", "ja"}, "en"},
        {{"C"}, "en"},
        {{}, "en"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(app::UiLanguage(c.languages), c.expected) << c.languages.join(',').toStdString();
}

TEST(UiLanguage, QtsOwnButtonsInJapanese)
{
    // Qt's translations come with the system's Qt (Debian:
    // qt6-translations-l10n, installed with the build's dependencies).
    ASSERT_TRUE(app::InstallQtTranslation("ja"));
    EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Yes");
    EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
}

// The program makes the windows that start hidden just after the main
// window's first frame (or soon after it is shown, should it not paint);
// they are then tied to it as if made with it: its log lines reach the log
// viewer.
TEST_F(Startup, HiddenWindowsFollowTheMainWindow)
{
    for (const bool painted : {true, false}) {
        SCOPED_TRACE(painted ? "painted" : "shown but not painted");
        app::Windows w;
        app::CreateWindowsMainFirst(w);
        EXPECT_EQ(w.formTblEdit, nullptr);
        if (painted) {
            w.formMain->show();
        } else {
            QShowEvent show;
            QCoreApplication::sendEvent(w.formMain.get(), &show);
        }
        QTRY_VERIFY_WITH_TIMEOUT(w.formTblEdit && w.formLogViewer && w.AboutBox, 5000);
        w.formMain->SetCurRGB(0xFF8000);
        w.formMain->LogWrite("CMYK=0,127,255,0");
        EXPECT_EQ(w.formLogViewer->LogText(), "RGB=#FF8000 CMYK=0,127,255,0\r\n");
    }
}
