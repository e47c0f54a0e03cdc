// How the windows fit the desktop: the command pictures and their bundled
// fallback, the standard keys, the unsaved-change mark of the titles.
#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSet>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QWindow>

#include "fixture.h"
#include "mainwindow/aboutbox.h"
#include "mainwindow/logviewer.h"
#include "pages/page_hue.h"
#include "widgets/themeicons.h"
#include "widgets/winhelpers.h"

using namespace qolvar;

namespace {

// Every name the windows ask for has its bundled picture in both sizes, so
// the tool bars look right without an icon theme; a name with no picture
// anywhere gives an empty icon, not a failure.
TEST(ThemeIcons, EveryNameHasABundledPictureInBothSizes)
{
    for (const char* name : app::ThemeIconNames()) {
        const QIcon icon = app::BundledIcon(QString::fromLatin1(name));
        EXPECT_FALSE(icon.isNull()) << name;
        const QList<QSize> sizes = icon.availableSizes();
        EXPECT_TRUE(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(22, 22))) << name;
        EXPECT_FALSE(icon.pixmap(16).isNull()) << name;
    }
    const QIcon none = app::ThemeIcon("no-such-icon-anywhere");
    EXPECT_TRUE(none.isNull());
    EXPECT_TRUE(none.pixmap(16).isNull());
}

class Desktop : public test::WidgetTest {
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        Start();
        w = windows->formMain.get();
        e = windows->formTblEdit.get();
    }
    void Activate(QWidget* window)
    {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }
    QString OpenTable(const QStringList& lines, const QString& name = "t.tab")
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write((lines.join("\r\n") + "\r\n").toUtf8());
        f.close();
        e->TblFileRead(path);
        return path;
    }
    QStringList Lines() const
    {
        QStringList rows;
        const QAbstractItemModel* m = e->lboxColor->model();
        for (int r = 0; r < m->rowCount(); ++r) rows << m->index(r, 0).data().toString();
        return rows;
    }
    // The title as the desktop shows it.
    static QString Shown(QWidget* window) { return window->windowHandle()->title(); }
    app::TformMain* w = nullptr;
    app::TformTblEdit* e = nullptr;
};

// Commands that do different things show different pictures (undo and
// "カーソル位置に入れる" once shared one).
TEST_F(Desktop, EditorCommandsHaveDistinctPictures)
{
    const QIcon icons[] = {e->EditUndoCmd->icon(),  e->EditCutCmd->icon(),    e->EditCopyCmd->icon(),
                           e->EditPasteCmd->icon(), e->EditDeleteCmd->icon(), e->EditInsertCmd->icon(),
                           e->spbtReplase->icon(),  e->spbtAdd->icon(),       e->spbtUp->icon(),
                           e->spbtDown->icon(),     e->FileNewCmd->icon(),    e->FileOpenCmd->icon(),
                           e->FileSaveCmd->icon(),  e->ToolButton1->icon(),   e->ToolButton2->icon()};
    QSet<QString> names;
    for (const QIcon& icon : icons) {
        EXPECT_FALSE(icon.isNull());
        EXPECT_FALSE(icon.name().isEmpty());
        names.insert(icon.name());
    }
    EXPECT_EQ(names.size(), static_cast<qsizetype>(std::size(icons)));
}

// The editor's standard keys work on the list's lines; in a text field the
// same keys edit the text and leave the lines alone.
TEST_F(Desktop, EditorTakesTheStandardEditKeys)
{
    Activate(e);
    OpenTable({"#000001 a", "#000002 b", "#000003 c"});
    auto select = [&](int row) {
        e->lboxColor->setFocus();
        e->lboxColor->SetCurrentRow(row, row, row);
    };
    struct Step {
        const char* what;
        int row;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QStringList lines;
    };
    const Step steps[] = {
        {"Ctrl+C copies", 1, Qt::Key_C, Qt::ControlModifier, {"#000001 a", "#000002 b", "#000003 c"}},
        {"Ctrl+X cuts", 0, Qt::Key_X, Qt::ControlModifier, {"#000002 b", "#000003 c"}},
        {"Ctrl+Z undoes", 0, Qt::Key_Z, Qt::ControlModifier, {"#000001 a", "#000002 b", "#000003 c"}},
        {"Ctrl+V pastes before the row",
         2,
         Qt::Key_V,
         Qt::ControlModifier,
         {"#000001 a", "#000002 b", "#000001 a", "#000003 c"}},
        {"Delete deletes", 3, Qt::Key_Delete, Qt::NoModifier, {"#000001 a", "#000002 b", "#000001 a"}},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        select(s.row);
        QTest::keyClick(e->lboxColor, s.key, s.modifiers);
        EXPECT_EQ(Lines(), s.lines);
    }
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "#000001 a\r\n") << "the cut line";

    e->editName->setFocus();
    e->editName->setText("Red");
    e->editName->setCursorPosition(0);
    QTest::keyClick(e->editName, Qt::Key_Delete);
    EXPECT_EQ(e->editName->text(), "ed");
    EXPECT_EQ(Lines(), steps[4].lines);
}

// Ctrl+Q ends the program from either window; from the editor it first
// asks about the table's changes, and Cancel keeps everything open.
TEST_F(Desktop, CtrlQQuitsFromBothWindows)
{
    Activate(w);
    QTest::keyClick(w, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(w->isVisible());

    Activate(w);
    Activate(e);
    OpenTable({"#000001 a"});
    e->lboxColor->SetCurrentRow(0, 0, 0);
    e->EditInsertCmd->trigger();
    dialogs.messages.clear();
    dialogs.answers = {platform::kCancel};
    QTest::keyClick(e, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(e->isVisible());
    dialogs.answers = {platform::kNo};
    QTest::keyClick(e, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(e->isVisible());
}

// The titles carry the desktop's unsaved-change mark while there is
// something to save: the main window and the log viewer for log lines, the
// editor for its table. A "[*]" in a file name stays text.
TEST_F(Desktop, TitlesMarkUnsavedChanges)
{
    auto* log = windows->formLogViewer.get();
    Activate(w);
    log->show();
    w->LogWrite("line");
    EXPECT_EQ(Shown(w), "*Qolvar");
    EXPECT_EQ(Shown(log), "*Log Viewer");
    dialogs.savePaths = {dir.filePath("a.log")};
    test::Child<QAction>(w, "FileSaveCmd")->trigger();
    EXPECT_EQ(Shown(w), "Qolvar");
    EXPECT_EQ(Shown(log), "Log Viewer");

    Activate(e);
    OpenTable({"#000001 a"}, "t[*].tab");
    // The file's own "[*]" shows as such (with a zero-width space inside).
    const QString name = QStringLiteral("t[\u200B*].tab - Color Table Editor");
    EXPECT_EQ(Shown(e), name);
    e->lboxColor->SetCurrentRow(0, 0, 0);
    e->EditInsertCmd->trigger();
    EXPECT_EQ(Shown(e), "*" + name);
    e->FileSaveCmd->trigger();
    EXPECT_FALSE(e->Document().TblModified());
    EXPECT_EQ(Shown(e), name);
}

// The windows cannot shrink below their default sizes; growing them widens
// the editor's list and the log text, and the main window's page area,
// where the page keeps its size in the middle (one pixel of the colour
// field per value) with the result swatch on its corner.
TEST_F(Desktop, WindowsGrowWithTheirContentsAndKeepTheirMinimums)
{
    auto* log = windows->formLogViewer.get();
    app::TAboutBox about(w);
    for (QWidget* window : {static_cast<QWidget*>(w), static_cast<QWidget*>(e), static_cast<QWidget*>(log),
                            static_cast<QWidget*>(&about)})
        window->show();
    QTest::qWait(20);
    struct Minimum {
        QWidget* area;
        QSize size;
    };
    for (const Minimum& m : {Minimum{w->centralWidget(), {489, 513}}, Minimum{e->centralWidget(), {537, 296}},
                             Minimum{&about, {249, 129}}}) {
        m.area->window()->resize(50, 50);
        QTest::qWait(20);
        EXPECT_GE(m.area->width(), m.size.width()) << m.area->window()->objectName().toStdString();
        EXPECT_GE(m.area->height(), m.size.height()) << m.area->window()->objectName().toStdString();
    }
    EXPECT_GE(about.findChild<QLabel*>("Copyright")->width(), about.findChild<QLabel*>("Copyright")->sizeHint().width())
        << "no cut line";

    auto* tabs = test::Child<QTabWidget>(w, "PageControl1");
    auto* hue = w->findChild<app::HuePage*>();
    const QSize field = hue->HUEPanel1->size(), list = e->lboxColor->size();
    auto* text = log->findChild<QPlainTextEdit*>();
    const QSize logText = text->size();
    for (QWidget* window : {static_cast<QWidget*>(w), static_cast<QWidget*>(e), static_cast<QWidget*>(log)})
        window->resize(window->size() + QSize(200, 120));
    QTest::qWait(20);
    EXPECT_EQ(e->lboxColor->size(), list + QSize(200, 120));
    EXPECT_EQ(text->size(), logText + QSize(200, 120));
    EXPECT_EQ(hue->HUEPanel1->size(), field);
    const QRect page(hue->mapTo(w, QPoint(0, 0)), hue->size());
    const QRect area(tabs->currentWidget()->mapTo(w, QPoint(0, 0)), tabs->currentWidget()->size());
    EXPECT_LE(std::abs(page.center().x() - area.center().x()), 1);
    EXPECT_GT(page.left() - area.left(), 90);
    EXPECT_EQ(test::Child<QWidget>(w, "Panel2")->mapTo(w, QPoint(0, 0)), page.topLeft() + QPoint(16, 0));
}

}  // namespace

// A family the windows name is used when it is installed; otherwise the
// desktop's font of the kind, under the name of the family it resolves to,
// at the size the window asks for.
TEST(Fonts, NamedFamilyOrTheDesktopsFont)
{
    const QString sans = QFontInfo(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).family();
    const QString fixed = QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).family();
    const QByteArray installed = QFontDatabase::families().value(0).toUtf8();
    ASSERT_FALSE(installed.isEmpty());
    const struct {
        const char* family;
        int pixels;
        QFontDatabase::SystemFont kind;
        QString expected;
    } rows[] = {
        {installed.constData(), 12, QFontDatabase::GeneralFont, QString::fromUtf8(installed)},
        {"No Such Family Qv", 13, QFontDatabase::GeneralFont, sans},
        {"No Such Family Qv", 12, QFontDatabase::FixedFont, fixed},
    };
    for (const auto& r : rows) {
        const QFont f = app::NamedFont(QString::fromUtf8(r.family), r.pixels, r.kind);
        EXPECT_EQ(f.family(), r.expected) << r.family;
        EXPECT_EQ(f.pixelSize(), r.pixels) << r.family;
    }
}
