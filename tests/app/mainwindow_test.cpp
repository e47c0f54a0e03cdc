// The main window's RGB section, refresh, swatches, error reporting and
// window commands.
#include <QAction>
#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>

#include "colour/errors.h"
#include "fixture.h"
#include "mainwindow/aboutbox.h"
#include "mainwindow/mainwindow.h"
#include "platform/colorpanel.h"
#include "platform/dialogs.h"
#include "platform/spinedit.h"
#include "tableeditor/tbledit.h"
#include "widgets/help.h"
#include "widgets/hottabs.h"

using namespace qolvar;
using app::TformMain;
using platform::SpinEdit;

namespace {

class MainWindow : public test::WidgetTest {
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        Start();
        w = windows->formMain.get();
        w->show();
        w->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w));
        dialogs.messages.clear();
    }
    template <class T>
    T* Find(const char* name)
    {
        T* c = w->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    // Types text into a spin edit as a user would: select all, type.
    void Type(SpinEdit* spin, const QString& text)
    {
        spin->setFocus();
        QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(spin, Qt::Key_Delete);
        else
            QTest::keyClicks(spin, text);
    }
    void TypeHex(const QString& text)
    {
        test::Child<QLineEdit>(w, "editRGBHEX")->setFocus();
        test::Child<QLineEdit>(w, "editRGBHEX")->selectAll();
        QTest::keyClicks(test::Child<QLineEdit>(w, "editRGBHEX"), text);
    }
    void LeaveHex() { test::Child<QPushButton>(w, "BitBtn1")->setFocus(); }
    TformMain* w = nullptr;
};

TEST_F(MainWindow, ControlsCarryTheirNames)
{
    for (const char* name : {"TrackBarRGB1", "TrackBarRGB2", "TrackBarRGB3", "LabelR", "LabelG", "LabelB"})
        Find<QWidget>(name);
    for (const char* name : {"SpinEditRGB1", "SpinEditRGB2", "SpinEditRGB3"}) Find<SpinEdit>(name);
    for (const char* name : {"editRGBHEX", "Panel1", "Panel2", "Panel3", "Panel4", "Label3", "BitBtn1", "PageControl1",
                             "ToolButton6", "ToolButton7"})
        Find<QWidget>(name);
    EXPECT_EQ(w->objectName(), "formMain");
    EXPECT_EQ(w->windowTitle(), "[*]Qolvar");
    EXPECT_EQ(Find<QLabel>("LabelR")->text(), "赤(R)");
    EXPECT_EQ(test::Child<QPushButton>(w, "BitBtn1")->text(), "更新(&R)");
    const QStringList tabs = {"CIE", "HUE", "CMYK", "VIDEO", "Munsell"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(test::Child<QTabWidget>(w, "PageControl1")->tabText(i), tabs[i]);
    EXPECT_EQ(test::Child<QTabWidget>(w, "PageControl1")->currentIndex(), 1);
}

TEST_F(MainWindow, ActionsHaveTheirCaptionsHintsAndShortcuts)
{
    struct Case {
        const char* name;
        const char* caption;
        const char* hint;
        QKeySequence key;
    };
    const Case cases[] = {
        {"FileNewCmd", "新規ログ(&N)", "新規ログ", QKeySequence("Ctrl+N")},
        {"FileOpenCmd", "ログを開く(&O)...", "ログを開く", QKeySequence("Ctrl+O")},
        {"FileSaveCmd", "上書き保存(&S)", "ログを上書き保存", QKeySequence("Ctrl+S")},
        {"FileSaveAsCmd", "名前をつけて保存(&A)...", "ログに名前をつけて保存", QKeySequence()},
        {"FileExitCmd", "終了(&X)", "プロセス終了", QKeySequence("Alt+X")},
        {"TableLoadCmd", "外部カラーテーブルを開く(&G)...", "外部カラーテーブルを開く", QKeySequence("Ctrl+G")},
        {"LogViewCmd", "ログ表示(&L)", "ログ表示", QKeySequence("Ctrl+L")},
        {"TableEditCmd", "カラーテーブル編集(&E)...", "カラーテーブル編集", QKeySequence("Ctrl+E")},
    };
    for (const auto& c : cases) {
        auto* a = Find<QAction>(c.name);
        EXPECT_EQ(a->text(), QString::fromUtf8(c.caption)) << c.name;
        EXPECT_EQ(a->toolTip(), QString::fromUtf8(c.hint)) << c.name;
        EXPECT_EQ(a->shortcut(), c.key) << c.name;
    }
    EXPECT_EQ(test::Child<QToolButton>(w, "ToolButton6")->toolTip(), "カラーピック(P)");
    EXPECT_EQ(test::Child<QToolButton>(w, "ToolButton7")->toolTip(), "ヘルプ(H)");
    EXPECT_EQ(test::Child<QAction>(w, "Contents1")->shortcut(), QKeySequence(Qt::Key_F1));
}

TEST_F(MainWindow, ChannelBeyond255IsTakenModulo256)
{
    Type(test::Child<platform::SpinEdit>(w, "SpinEditRGB3"), "300");
    EXPECT_EQ(w->CurRGB(), 0x2C0000u);
    EXPECT_EQ(test::Child<platform::SpinEdit>(w, "SpinEditRGB3")->Text(), "44");
    EXPECT_EQ(test::Child<QSlider>(w, "TrackBarRGB3")->value(), 44);
    EXPECT_EQ(test::Child<QLineEdit>(w, "editRGBHEX")->text(), "2C0000");
    EXPECT_FALSE(w->InUpdate());
}

TEST_F(MainWindow, EmptiedSpinEditChangesNothingAndLaterEditsWork)
{
    Type(test::Child<platform::SpinEdit>(w, "SpinEditRGB2"), "200");
    ASSERT_EQ(w->CurRGB(), 0x00C800u);
    Type(test::Child<platform::SpinEdit>(w, "SpinEditRGB2"), "");
    EXPECT_EQ(w->CurRGB(), 0x00C800u);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(w->InUpdate());
    Type(test::Child<platform::SpinEdit>(w, "SpinEditRGB1"), "7");
    EXPECT_EQ(w->CurRGB(), 0x00C800u) << "nothing is read while a field is empty";
    Type(test::Child<platform::SpinEdit>(w, "SpinEditRGB2"), "5");
    EXPECT_EQ(w->CurRGB(), 0x000507u);
}

TEST_F(MainWindow, SpinEditKeepsUnreadableTextWhenLeft)
{
    Type(test::Child<platform::SpinEdit>(w, "SpinEditRGB1"), "-");
    EXPECT_EQ(test::Child<platform::SpinEdit>(w, "SpinEditRGB1")->Text(), "-");
    test::Child<QPushButton>(w, "BitBtn1")->setFocus();
    EXPECT_EQ(test::Child<platform::SpinEdit>(w, "SpinEditRGB1")->Text(), "-");
    EXPECT_FALSE(w->InUpdate());
    Type(test::Child<platform::SpinEdit>(w, "SpinEditRGB1"), "9");
    EXPECT_EQ(w->CurRGB(), 9u);
}

TEST_F(MainWindow, HexIsReadWhenTheFieldIsLeft)
{
    struct Case {
        const char* text;
        RGBCode code;
        const char* shown;
        const char* status = nullptr;  // the status bar's message, when not the usual one
    };
    // CSS colours are read; text that is no colour stays as typed, marked,
    // and the colour stays.
    const RGBCode kept = 0x010203;
    auto* field = test::Child<QLineEdit>(w, "editRGBHEX");
    auto* status = test::Child<QStatusBar>(w, "StatusBarMain");
    for (const auto& c :
         {Case{"ff8000", 0xFF8000, "FF8000"}, Case{"#FF8000", 0xFF8000, "FF8000"}, Case{"#F80", 0xFF8800, "FF8800"},
          Case{"F80", 0xF80, "000F80"}, Case{"12G4", kept, "12G4"}, Case{"orange", 0xFFA500, "FFA500"},
          Case{"oranje", kept, "oranje"},
          Case{"color(display-p3 1 0 0)", 0xFF0B0C, "FF0B0C", "sRGB の範囲外の色を #FF0B0C に写しました"},
          Case{"rgb(255, 0 0)", kept, "rgb(255, 0 0)",
               "色として読めません: three or four values separated by commas are expected"},
          Case{"12345678", 0x12345678, "12345678"}, Case{"123456789", 0x12345678, "12345678"}}) {
        w->SetCurRGB(kept);
        TypeHex(QString::fromLatin1(c.text));
        EXPECT_EQ(w->CurRGB(), kept) << "typing alone changes nothing: " << c.text;
        LeaveHex();
        EXPECT_EQ(w->CurRGB(), c.code) << c.text;
        EXPECT_EQ(field->text(), QString::fromLatin1(c.shown));
        const bool refused = c.code == kept;
        EXPECT_EQ(app::FieldMarked(field), refused) << c.text;
        // A colour mapped into sRGB carries a mark until the colour changes.
        EXPECT_EQ(test::Child<QAction>(w, "MappedMark1")->isVisible(), c.code == 0xFF0B0C) << c.text;
        EXPECT_EQ(status->currentMessage(), c.status  ? c.status
                                            : refused ? "16 進数の色コードではありません"
                                                      : "")
            << c.text;
    }
    EXPECT_TRUE(dialogs.messages.empty());
    // Eight digits keep 32 bits; the channels show the low three bytes and
    // the next channel edit drops the high byte.
    EXPECT_EQ(test::Child<QSlider>(w, "TrackBarRGB3")->value(), 0x34);
    EXPECT_EQ(test::Child<platform::SpinEdit>(w, "SpinEditRGB1")->Text(), "120");
    EXPECT_EQ(test::Child<platform::ColorPanel>(w, "Panel1")->color(), CodeToColor(0x345678));
    Type(test::Child<platform::SpinEdit>(w, "SpinEditRGB1"), "121");
    EXPECT_EQ(w->CurRGB(), 0x345679u);
}

TEST_F(MainWindow, TrackBarsMoveOnlyTheRGBSection)
{
    w->DspDsetRGB(0x112233);
    test::Child<QSlider>(w, "TrackBarRGB2")->setValue(0x80);
    EXPECT_EQ(w->CurRGB(), 0x008000u);
    EXPECT_EQ(test::Child<platform::SpinEdit>(w, "SpinEditRGB2")->Text(), "128");
    EXPECT_EQ(test::Child<QLineEdit>(w, "editRGBHEX")->text(), "008000");
    EXPECT_EQ(test::Child<platform::ColorPanel>(w, "Panel1")->color(), CodeToColor(0x008000));
    EXPECT_EQ(test::Child<platform::ColorPanel>(w, "Panel2")->color(), CodeToColor(0x112233));
    EXPECT_EQ(test::Child<QLabel>(w, "Label3")->text(), "#112233");
    EXPECT_TRUE(windows->formLogViewer->LogText().isEmpty());
}

TEST_F(MainWindow, RefreshCopiesTheColourToTheLastRefreshSwatch)
{
    w->SetCurRGB(0xFF8000);
    QTest::mouseClick(test::Child<QPushButton>(w, "BitBtn1"), Qt::LeftButton);
    EXPECT_EQ(test::Child<platform::ColorPanel>(w, "Panel4")->color(),
              test::Child<platform::ColorPanel>(w, "Panel1")->color());
    EXPECT_FALSE(w->InUpdate());
    w->SetCurRGB(0x123456);
    QTest::mouseClick(test::Child<platform::ColorPanel>(w, "Panel4"), Qt::LeftButton);
    EXPECT_EQ(w->CurRGB(), 0xFF8000u);
    EXPECT_EQ(test::Child<QLineEdit>(w, "editRGBHEX")->text(), "FF8000");
}

TEST_F(MainWindow, LastRefreshSwatchIsBlackBeforeAnyRefresh)
{
    w->SetCurRGB(0x123456);
    QTest::mouseClick(test::Child<platform::ColorPanel>(w, "Panel4"), Qt::LeftButton);
    EXPECT_EQ(w->CurRGB(), 0u);
}

TEST_F(MainWindow, ColourDialogSetsTheColourOrLeavesIt)
{
    w->SetCurRGB(0x123456);
    QTest::mouseClick(test::Child<platform::ColorPanel>(w, "Panel1"), Qt::LeftButton);  // cancelled
    EXPECT_EQ(w->CurRGB(), 0x123456u);
    dialogs.colors.push_back(QColor(0xFF, 0x80, 0x00));
    QTest::mouseClick(test::Child<platform::ColorPanel>(w, "Panel1"), Qt::LeftButton);
    EXPECT_EQ(w->CurRGB(), 0xFF8000u);
    EXPECT_EQ(test::Child<platform::SpinEdit>(w, "SpinEditRGB3")->Text(), "255");
}

TEST_F(MainWindow, OverErrBeepsAndWarnsWithAYesButton)
{
    w->OverErr();
    EXPECT_EQ(dialogs.beeps, 1);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].caption, "警告");
    EXPECT_EQ(dialogs.messages[0].text, "値が範囲外です！");
    EXPECT_EQ(dialogs.messages[0].buttons, platform::kYes);
}

TEST_F(MainWindow, ExceptionHandlerShowsAllButConversionErrors)
{
    struct Case {
        std::exception_ptr error;
        const char* shown;  // nullptr: nothing shown
    };
    const Case cases[] = {
        {std::make_exception_ptr(ConvertError("'x' は数値ではありません")), nullptr},
        {std::make_exception_ptr(FileError("ファイル a は開けません")), "ファイル a は開けません."},
        {std::make_exception_ptr(std::runtime_error("Done.")), "Done."},
        {std::make_exception_ptr(std::runtime_error("Oops!")), "Oops!"},  // '!' sorts before '.'
        {std::make_exception_ptr(std::runtime_error("abc")), "abc."},
    };
    for (const auto& c : cases) {
        try {
            std::rethrow_exception(c.error);
        } catch (const std::exception& e) {
            w->AppExceptionHandler(w, e);
        }
        if (!c.shown) {
            EXPECT_TRUE(dialogs.messages.empty());
            continue;
        }
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].text, QString::fromUtf8(c.shown));
        EXPECT_EQ(dialogs.messages[0].caption, "Qolvar");
        EXPECT_EQ(dialogs.messages[0].kind, platform::MsgKind::Error);
        dialogs.messages.clear();
    }
}

TEST_F(MainWindow, HelpFailureShowsTheShellCode)
{
    dialogs.shellResult = 2;
    QTest::keyClick(w, Qt::Key_F1);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].caption, "警告");
    // The message names the HTML help really tried, not the compiled file.
    const QString tried = app::HelpPath(w->ExeDir(), "Qolvar.chm", app::HelpLanguage());
    EXPECT_EQ(dialogs.opened.back(), tried);
    EXPECT_TRUE(tried.endsWith("/help/qolvar/index.html")) << tried.toStdString();
    EXPECT_EQ(dialogs.messages[0].text,
              "ヘルプ " + tried + " を表示できません。ファイルを開くプログラムを起動できませんでした。");
    EXPECT_EQ(app::HelpFailureText("/no/such/help.html"), "ヘルプ /no/such/help.html が見つかりません。");
    dialogs.shellResult = 42;
    QTest::mouseClick(test::Child<QToolButton>(w, "ToolButton7"), Qt::LeftButton);
    EXPECT_EQ(dialogs.messages.size(), 1u) << "success shows nothing";
    app::DisplayResult(w, 33, "x");
    app::DisplayResult(w, 0x10020, "x");  // only the low 16 bits count
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(MainWindow, AlwaysOnTopTogglesTheMainWindowOnly)
{
    test::Child<QAction>(w, "Front1")->trigger();
    EXPECT_TRUE(test::Child<QAction>(w, "Front1")->isChecked());
    EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(windows->formLogViewer->windowFlags() & Qt::WindowStaysOnTopHint);
    test::Child<QAction>(w, "Front1")->trigger();
    EXPECT_FALSE(test::Child<QAction>(w, "Front1")->isChecked());
    EXPECT_FALSE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(w->isVisible());
}

TEST_F(MainWindow, ClosingAsksAboutTheEditorsUnsavedTable)
{
    auto* editor = windows->formTblEdit.get();
    test::Child<QAction>(w, "TableEditCmd")->trigger();
    ASSERT_TRUE(editor->isVisible());
    editor->EditInsertCmd->trigger();
    ASSERT_TRUE(editor->Document().TblModified());
    dialogs.messages.clear();
    dialogs.answers.push_back(platform::kCancel);
    EXPECT_FALSE(w->close()) << "Cancel keeps the program running";
    EXPECT_TRUE(w->isVisible());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].caption, "確認");
    dialogs.answers.push_back(platform::kNo);
    EXPECT_TRUE(w->close());
    EXPECT_FALSE(editor->isVisible());
}

TEST_F(MainWindow, AboutBoxFillsItsTextsEachTime)
{
    app::TAboutBox box(w);
    box.show();
    QTest::qWait(50);  // measured once the texts have widened the box
    const QPoint offCentre = box.geometry().center() - w->screen()->geometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 4) << "centred on the screen";
    EXPECT_EQ(box.ProductName->text(), "Qolvar");
    EXPECT_EQ(box.Version->text(), "Version 1.0.0.0β");
    EXPECT_TRUE(box.Copyright->text().startsWith("Copyright "));
    box.ProductName->setText("x");
    box.hide();
    box.show();
    EXPECT_EQ(box.ProductName->text(), "Qolvar");
    EXPECT_EQ(box.windowTitle(), "バージョン情報");
    box.Label1MouseEnter();
    EXPECT_TRUE(box.Label1->styleSheet().contains("#FF0000"));
    box.Label1MouseLeave();
    EXPECT_TRUE(box.Label1->styleSheet().contains("#0000FF"));
    QTest::mouseClick(box.Label1, Qt::LeftButton);
    // With no web page set when building, the link opens the local help.
    EXPECT_EQ(dialogs.opened.back(), app::HomePage());
    EXPECT_TRUE(app::HomePage().endsWith("/help/qolvar/index.html")) << app::HomePage().toStdString();
    EXPECT_EQ(app::TAboutBox::GetVersionValue("Nothing"), "");
}

// The colour dialog's custom colours are not kept between runs: the
// application starts with all of them white.
TEST_F(MainWindow, ColourDialogCustomColoursStartWhite)
{
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        EXPECT_EQ(QColorDialog::customColor(i), QColor(Qt::white)) << i;
}

// Half-typed text is not applied when the window merely loses activation
// or a menu opens; leaving the field by Tab applies it.
TEST_F(MainWindow, HexAppliesOnLeavingTheFieldNotOnDeactivation)
{
    w->SetCurRGB(0x010203);
    TypeHex("FF8");
    for (Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason, Qt::MenuBarFocusReason}) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QCoreApplication::sendEvent(test::Child<QLineEdit>(w, "editRGBHEX"), &out);
        EXPECT_EQ(w->CurRGB(), 0x010203u) << reason;
    }
    QTest::keyClick(test::Child<QLineEdit>(w, "editRGBHEX"), Qt::Key_Tab);
    EXPECT_EQ(w->CurRGB(), 0x000FF8u);
}

// Filters as Qt's dialogs take them; "*.*" lists files without an
// extension too.
TEST(FileFilters, BecomeQtFiltersThatListEveryFile)
{
    EXPECT_EQ(platform::QtFilter("Log files (*.log)|*.log|すべてのファイル(*.*)|*.*"),
              "Log files (*.log);;すべてのファイル(*)");
    EXPECT_EQ(platform::QtFilter("Text files (*.tab,*.txt,*.csv)|*.tab;*.txt;*.csv"),
              "Text files (*.tab,*.txt,*.csv) (*.tab *.txt *.csv)");
}

// The tab under the pointer is the hot one; leaving the bar clears it.
TEST_F(MainWindow, PageTabsTrackThePointer)
{
    auto* bar = static_cast<app::HotTrackTabBar*>(Find<QTabWidget>("PageControl1")->tabBar());
    for (int tab : {0, 3, 1}) {
        QTest::mouseMove(bar, bar->tabRect(tab).center());
        EXPECT_EQ(bar->HotTab(), tab);
    }
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(bar, &leave);
    EXPECT_EQ(bar->HotTab(), -1);
}

}  // namespace
