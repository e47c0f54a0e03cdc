// What the windows do with names, settings and files that come from outside:
// markup shown as text, stored sizes beyond the screen, settings and tables
// that are no regular file, a table of one enormous line, and a second
// instance's settings.
#include <sys/stat.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QToolTip>
#include <QtTest>

#include "fixture.h"
#include "mainwindow/mainwindow.h"
#include "platform/dialogs.h"
#include "tableeditor/tbledit.h"
#include "windows.h"

using namespace qolvar;

namespace {

class Hostile : public test::WidgetTest {
protected:
    app::TformMain* Main() { return windows->formMain.get(); }
};

// Every label that shows text from outside shows it as text, every tool tip
// escapes it, and a message box never reads markup: no image is loaded
// into the window and no link is made.
TEST_F(Hostile, NamesAndMessagesAreShownAsPlainText)
{
    const QString image = dir.filePath("dot.png");
    QImage(8, 8, QImage::Format_RGB32).save(image);
    const QString markup = QStringLiteral("<img src=\"%1\"><a href=\"file:///etc\">x</a>").arg(image);
    const QString path = Write(QStringLiteral("<img src=\"%1\">.tab").arg(image).replace('/', "&#47;"),
                               ("#FF0000 " + markup + " c\r\n#00FF00 " + markup + "\r\n").toUtf8());
    Start();
    Main()->show();
    test::TableOf(Main())->OpenColorTable(path);
    auto* combo = test::Child<QComboBox>(Main(), "cboxColor");
    emit combo->activated(0);
    Main()->SetCurRGB(0xFE0000);
    windows->formTblEdit->TblFileRead(path);
    windows->formTblEdit->show();

    for (QWidget* top : QApplication::topLevelWidgets()) {
        for (QLabel* label : top->findChildren<QLabel*>()) {
            if (!label->text().contains(u'<')) continue;
            EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
        }
        for (QWidget* w : top->findChildren<QWidget*>()) {
            EXPECT_FALSE(w->toolTip().contains("<img") || w->toolTip().contains("<a "))
                << w->objectName().toStdString();
        }
    }

    // The toolkit's own message box, as the program opens it.
    platform::SetDialogs(nullptr);
    Qt::TextFormat format = Qt::AutoText;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            format = box->textFormat();
            box->done(0);
        }
    });
    platform::dialogs().message(nullptr, platform::MsgKind::Error, "Qolvar", markup, platform::kOk);
    platform::SetDialogs(&dialogs);
    EXPECT_EQ(format, Qt::PlainText);
}

// A stored size far beyond any screen is brought within the screen.
TEST_F(Hostile, StoredWindowSizeIsBoundedByTheScreen)
{
    StoreSetting("Width", "99999999");
    StoreSetting("Height", "99999999999999");
    Start();
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    EXPECT_LE(Main()->width(), screen.width());
    EXPECT_LE(Main()->height(), screen.height());
    EXPECT_GE(Main()->width(), Main()->minimumWidth());

    // So is the toolkit's geometry option, which the program takes out of
    // its arguments and applies itself.
    std::string program = "qolvar", option = "-qwindowgeometry", value = "99999999x99999999+5+5", other = "-x";
    char* argv[] = {program.data(), option.data(), value.data(), other.data(), nullptr};
    int argc = 4;
    const auto geometry = app::TakeGeometryArgument(argc, argv);
    ASSERT_TRUE(geometry);
    EXPECT_EQ(argc, 2);
    EXPECT_EQ(std::string(argv[1]), "-x");
    app::ApplyGeometryArgument(Main(), *geometry);
    EXPECT_LE(Main()->width(), screen.width());
    EXPECT_LE(Main()->height(), screen.height());
    EXPECT_EQ(Main()->pos(), QPoint(5, 5));
    EXPECT_FALSE(app::ParseGeometryArgument("100x"));
    EXPECT_EQ(app::ParseGeometryArgument("=600x500-10+20")->size, QSize(600, 500));
}

// A settings file or a stored table that is no regular file is refused
// with a message (a FIFO would hang the start, a device be read without
// end); the program starts on its defaults.
TEST_F(Hostile, SettingsAndTablesThatAreNoRegularFileAreRefused)
{
    ASSERT_TRUE(QFile::link("/dev/zero", SettingsPath()));
    Start();
    QStringList texts = dialogs.TakeTexts();
    ASSERT_EQ(texts.size(), 1);
    EXPECT_TRUE(texts[0].contains("通常のファイルではない")) << texts[0].toStdString();
    EXPECT_TRUE(QFileInfo(SettingsPath() + ".bad").isSymLink());
    Stop();

    const QString fifo = dir.filePath("pipe.tab");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    StoreSetting("TableName", fifo);
    Start();
    texts = dialogs.TakeTexts();
    ASSERT_EQ(texts.size(), 1);
    EXPECT_EQ(texts[0], fifo + " は通常のファイルではありません.");
    EXPECT_EQ(test::Child<QComboBox>(Main(), "cboxColor")->count(), 0);
}

// A table whose one line is ten million characters long opens as quickly
// as any (bench/mainwindow_bench.cpp times it); the drop-down, the status
// bar and the editor's list show the start of the line.
TEST_F(Hostile, AnEnormousLineIsShownCut)
{
    const QString path = Write("big.tab", "#FF0000 " + QByteArray(10'000'000, 'x') + " c\r\n#00FF00 green\r\n");
    Start();
    test::TableOf(Main())->OpenColorTable(path);
    Main()->SetCurRGB(0xFF0000);
    auto* combo = test::Child<QComboBox>(Main(), "cboxColor");
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(0).size(), app::kMaxShownChars + 1);
    EXPECT_TRUE(combo->itemText(0).startsWith("#FF0000 xxx"));
    EXPECT_EQ(test::TableOf(Main())->TableColors()[0], 0x0000FFu);
    windows->formTblEdit->TblFileRead(path);
    windows->formTblEdit->show();
    QTest::qWait(20);  // painted
}

// Two instances: the one that ends last writes only what it changed, so the
// other's new window size stays.
TEST_F(Hostile, AnInstanceWritesOnlyTheSettingsItChanged)
{
    StoreSetting("Width", "600");
    StoreSetting("RGB", "255");
    Start();
    // Meanwhile another instance ends with a larger window and another colour.
    StoreSetting("Width", "700");
    StoreSetting("RGB", "65280");
    Main()->SetCurRGB(0x0000FE);
    Stop();
    EXPECT_EQ(StoredSetting("Width"), "700");
    EXPECT_EQ(StoredSetting("RGB"), "254");
}

}  // namespace
