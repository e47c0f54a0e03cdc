// The table editor window: its construction, the display of the table and
// the current entry, and the colour fields. The commands on the table are in
// tbledit_commands.cpp.
#include "tableeditor/tbledit.h"

#include <QActionGroup>
#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "colour/csscolour.h"
#include "colour/errors.h"
#include "picking/magnifier.h"
#include "picking/pickmode.h"
#include "platform/colorpanel.h"
#include "platform/cursors.h"
#include "platform/dialogs.h"
#include "platform/screenpick.h"
#include "platform/spinedit.h"
#include "table/filenames.h"
#include "table/textio.h"
#include "table/texts.h"
#include "tableeditor/tblicons.h"
#include "widgets/accessible.h"
#include "widgets/apphost.h"
#include "widgets/colourview.h"
#include "widgets/errortext.h"
#include "widgets/files.h"
#include "widgets/help.h"
#include "widgets/themeicons.h"
#include "widgets/winhelpers.h"

namespace qolvar::app {

using platform::ColorPanel;
using platform::SpinEdit;

TformTblEdit::TformTblEdit(TableEditorHost& host, QWidget* parent) : QMainWindow(parent), host_(host)
{
    setObjectName(QStringLiteral("formTblEdit"));
    setFont(NamedFont(QStringLiteral("ＭＳ Ｐゴシック"), 12));

    CreateActions();
    CreateMenus();
    CreateToolBar();
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("clientArea"));
    setCentralWidget(central);
    CreateControls(central);
    StatusBar1 = Named(new QStatusBar(this), "StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    StatusPanel = Named(new QLabel(StatusBar1), "StatusPanel");
    StatusPanel->setFixedWidth(50);
    StatusBar1->addWidget(StatusPanel);
    setStatusBar(StatusBar1);
    // What a screen reader says of the controls.
    Describe(ToolButton1, QT_TRANSLATE_NOOP("Accessible", "ログファイルをテーブルに変換"),
             QT_TRANSLATE_NOOP("Accessible", "ログファイルを読んで色見本テーブルに変換する"));
    Describe(
        ToolButton2, QT_TRANSLATE_NOOP("Accessible", "カラーピック"),
        QT_TRANSLATE_NOOP("Accessible",
                          "ボタンを押したまま色の上で離すとその色を編集中の色にする。Space で拡大鏡の取り方を始める"));
    Describe(lboxColor, QT_TRANSLATE_NOOP("Accessible", "色見本の一覧"),
             QT_TRANSLATE_NOOP("Accessible", "テーブルの色見本。矢印キーで選ぶ"));
    Describe(SpinEditNo, QT_TRANSLATE_NOOP("Accessible", "番号"),
             QT_TRANSLATE_NOOP("Accessible", "選んだ色見本の番号"));
    Describe(editRGBHEX, QT_TRANSLATE_NOOP("Accessible", "16 進数の色コード"),
             QT_TRANSLATE_NOOP("Accessible", "色見本の 16 進数コード (RRGGBB)"));
    Describe(SpinEditRGB3, QT_TRANSLATE_NOOP("Accessible", "赤"), QT_TRANSLATE_NOOP("Accessible", "赤の値 (0〜255)"));
    Describe(SpinEditRGB2, QT_TRANSLATE_NOOP("Accessible", "緑"), QT_TRANSLATE_NOOP("Accessible", "緑の値 (0〜255)"));
    Describe(SpinEditRGB1, QT_TRANSLATE_NOOP("Accessible", "青"), QT_TRANSLATE_NOOP("Accessible", "青の値 (0〜255)"));
    Describe(Panel1, QT_TRANSLATE_NOOP("Accessible", "色の設定"),
             QT_TRANSLATE_NOOP("Accessible", "編集中の色。Space で色の選択ダイアログを開く"));
    Describe(Panel2, QT_TRANSLATE_NOOP("Accessible", "色見本の元の色"),
             QT_TRANSLATE_NOOP("Accessible", "一覧で選んだ色見本の元の色。Space で編集中の色をこの色に戻す"));
    Describe(editName, QT_TRANSLATE_NOOP("Accessible", "色名"), QT_TRANSLATE_NOOP("Accessible", "色見本の名前"));
    Describe(memoComment, QT_TRANSLATE_NOOP("Accessible", "コメント"),
             QT_TRANSLATE_NOOP("Accessible", "色見本のコメント"));
    Describe(spbtReplase, QT_TRANSLATE_NOOP("Accessible", "置換"),
             QT_TRANSLATE_NOOP("Accessible", "カーソル位置の色見本を編集中の色で置き換える"));
    Describe(spbtAdd, QT_TRANSLATE_NOOP("Accessible", "追加"),
             QT_TRANSLATE_NOOP("Accessible", "編集中の色をリストの末尾に追加する"));
    Describe(spbtUp, QT_TRANSLATE_NOOP("Accessible", "上へ"),
             QT_TRANSLATE_NOOP("Accessible", "選んだ色見本を上にあげる"));
    Describe(spbtDown, QT_TRANSLATE_NOOP("Accessible", "下へ"),
             QT_TRANSLATE_NOOP("Accessible", "選んだ色見本を下にさげる"));

    // FormCreate: the eyedropper cursor and the untitled table.
    platform::RegisterCursor(platform::kEyedropperCursor, platform::EyedropperCursor());
    doc_.SetTblFileName(table::Untitled);
    ShowTblState();
}

TformTblEdit::~TformTblEdit()
{
    // The list and its rows read the document, which goes before the
    // window's children do: let the list go first, without a last click.
    disconnect(lboxColor->selectionModel(), nullptr, this, nullptr);
    delete lboxColor;
}

void TformTblEdit::HandleError(QObject* sender, const std::exception& e) { host_.AppExceptionHandler(sender, e); }

void TformTblEdit::CreateActions()
{
    auto make = [this](QAction*& a, const char* name, const QString& caption, const QString& hint,
                       const QKeySequence& key, void (TformTblEdit::*handler)()) {
        a = MakeCommand(this, name, caption, hint, key,
                        [this, handler](QAction* action) { Guard(action, [&] { (this->*handler)(); }); });
    };
    make(FileNewCmd, "FileNewCmd", tr("テーブル新規作成(&N)"), tr("テーブル新規作成"),
         QKeySequence(Qt::CTRL | Qt::Key_N), &TformTblEdit::TblFileNew);
    FileNewCmd->setIcon(ThemeIcon("document-new"));
    make(FileOpenCmd, "FileOpenCmd", tr("テーブルを開く(&O)..."), tr("色見本テーブルを開く"),
         QKeySequence(Qt::CTRL | Qt::Key_O), &TformTblEdit::TblFileOpen);
    FileOpenCmd->setIcon(ThemeIcon("document-open"));
    make(FileSaveCmd, "FileSaveCmd", tr("上書き保存(&S)"), tr("色見本テーブルを上書き保存"),
         QKeySequence(Qt::CTRL | Qt::Key_S), &TformTblEdit::TblFileSave);
    FileSaveCmd->setIcon(ThemeIcon("document-save"));
    make(FileSaveAsCmd, "FileSaveAsCmd", tr("名前をつけて保存(&A)..."), tr("色見本テーブルに名前をつけて保存"),
         QKeySequence(), &TformTblEdit::TblFileSaveAs);
    FileSaveAsCmd->setIcon(ThemeIcon("document-save-as"));
    make(FileExitCmd, "FileExitCmd", tr("編集終了(&X)"), tr("ウィンドウを閉じる"), QKeySequence(Qt::ALT | Qt::Key_X),
         &TformTblEdit::TblFileExit);

    make(EditUndoCmd, "EditUndoCmd", tr("元に戻す(&U)"), tr("元に戻す"), QKeySequence(Qt::CTRL | Qt::Key_Z),
         &TformTblEdit::EditUndo);
    EditUndoCmd->setIcon(ThemeIcon("edit-undo"));
    make(EditCutCmd, "EditCutCmd", tr("切り取り(&T)"), tr("カット"), QKeySequence(Qt::CTRL | Qt::Key_X),
         &TformTblEdit::EditCut);
    EditCutCmd->setIcon(ThemeIcon("edit-cut"));
    make(EditCopyCmd, "EditCopyCmd", tr("コピー(&C)"), tr("コピー"), QKeySequence(Qt::CTRL | Qt::Key_C),
         &TformTblEdit::EditCopy);
    EditCopyCmd->setIcon(ThemeIcon("edit-copy"));
    make(EditPasteCmd, "EditPasteCmd", tr("貼り付け(&P)"), tr("貼り付け"), QKeySequence(Qt::CTRL | Qt::Key_V),
         &TformTblEdit::EditPaste);
    EditPasteCmd->setIcon(ThemeIcon("edit-paste"));
    make(EditDeleteCmd, "EditDeleteCmd", tr("削除(&D)"), tr("削除"), QKeySequence(Qt::SHIFT | Qt::Key_Delete),
         &TformTblEdit::EditDelete);
    EditDeleteCmd->setIcon(ThemeIcon("edit-delete"));
    EditDeleteCmd->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_Delete), QKeySequence(Qt::Key_Delete)});
    make(EditReplaceCmd, "EditReplaceCmd", tr("置換(&R)"), tr("置換"), QKeySequence(), &TformTblEdit::EditReplace);
    EditReplaceCmd->setIcon(ThemeIcon("edit-find-replace"));
    make(EditAddCmd, "EditAddCmd", tr("追加(&A)"), QString(), QKeySequence(), &TformTblEdit::EditAdd);
    EditAddCmd->setIcon(ThemeIcon("list-add"));
    make(EditInsertCmd, "EditInsertCmd", tr("一行挿入(&I)"), tr("一行挿入"), QKeySequence(), &TformTblEdit::EditInsert);
    EditInsertCmd->setIcon(ThemeIcon("insert-text"));
    make(LogToTab1, "LogToTab1", tr("ログファイルをテーブルに変換(&C)..."), QString(), QKeySequence(),
         &TformTblEdit::LogToTab);
    LogToTab1->setIcon(ThemeIcon("document-import"));
    make(Tutorial1, "Tutorial1", tr("使い方(&T)"), QString(), QKeySequence(), &TformTblEdit::Tutorial1Click);
    Tutorial1->setIcon(ThemeIcon("help-contents"));
    make(QuitCmd, "QuitCmd", tr("終了(&Q)"), QString(), QKeySequence(Qt::CTRL | Qt::Key_Q), &TformTblEdit::QuitProgram);
}

void TformTblEdit::CreateMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    // Menu entries that show a caption of their own run the action. The
    // entry's shortcut is live only where the action has none.
    auto entry = [](QMenu* menu, QAction* action, const QString& caption, const char* name, const QString& hint,
                    const QKeySequence& key = {}) {
        auto* item = Named(new QAction(caption, menu), name);
        item->setToolTip(hint);
        item->setIcon(action->icon());
        if (!action->shortcut().isEmpty()) {
            item->setShortcut(action->shortcut());
            item->setShortcutContext(Qt::WidgetShortcut);
        } else if (!key.isEmpty()) {
            item->setShortcut(key);
            item->setShortcutContext(Qt::WindowShortcut);
        }
        QObject::connect(item, &QAction::triggered, action, &QAction::trigger);
        menu->addAction(item);
        return item;
    };

    QMenu* file = Named(bar->addMenu(tr("ファイル(&F)")), "File1");
    entry(file, FileNewCmd, tr("新規作成(&N)"), "FileNew1", FileNewCmd->toolTip());
    file->addAction(FileOpenCmd);
    file->addAction(FileSaveCmd);
    file->addAction(FileSaveAsCmd);
    file->addAction(LogToTab1);
    file->addSeparator();
    file->addAction(FileExitCmd);

    QMenu* edit = Named(bar->addMenu(tr("編集(&E)")), "Edit1");
    for (QAction* a : {EditUndoCmd, EditCutCmd, EditCopyCmd, EditPasteCmd, EditDeleteCmd}) edit->addAction(a);
    edit->addSeparator();
    // "置き換え" runs replace, like the action it is named after.
    Replace1 = entry(edit, EditReplaceCmd, tr("置き換え(&R)"), "Replace1", EditReplaceCmd->toolTip(),
                     QKeySequence(Qt::CTRL | Qt::Key_H));
    entry(edit, EditAddCmd, tr("末尾に追加(&A)"), "EditAdd1", tr("末尾に追加"));
    edit->addAction(EditInsertCmd);
    edit->addSeparator();

    TblEditSort1 = Named(edit->addMenu(tr("色見本をソート(&S)")), "TblEditSort1");
    sortGroup_ = new QActionGroup(this);
    sortGroup_->setExclusive(true);
    QAction** items[] = {&RGBU, &RGBD, &HU, &HD, &SU, &SD, &VU, &VD};
    const char* names[] = {"RGBU", "RGBD", "HU", "HD", "SU", "SD", "VU", "VD"};
    for (int m = 0; m < table::SortModeCount; ++m) {
        QAction* a =
            Named(new QAction(table::SortModeCaption(static_cast<table::SortMode>(m)), TblEditSort1), names[m]);
        a->setCheckable(true);
        sortGroup_->addAction(a);
        TblEditSort1->addAction(a);
        // Picking an order checks it and sorts at once.
        connect(a, &QAction::triggered, this, [this, a] {
            a->setChecked(true);
            Guard(a, [&] { TblEditSort1Click(); });
        });
        *items[m] = a;
    }
    RGBU->setChecked(true);
    edit->addSeparator();
    QAction* lookAlike = Named(edit->addAction(tr("見分けにくい色の組を調べる(&K)...")), "CheckLookAlike1");
    connect(lookAlike, &QAction::triggered, this, [this, lookAlike] { Guard(lookAlike, [&] { CheckLookAlike(); }); });

    Generate1 = Named(bar->addMenu(tr("生成(&G)")), "Generate1");
    const struct {
        Generated kind;
        const char* name;
        QString caption;
    } generated[] = {
        {Generated::Complementary, "GenComplementary1", tr("補色(&C)")},
        {Generated::Analogous, "GenAnalogous1", tr("類似色(&A)")},
        {Generated::Triadic, "GenTriadic1", tr("トライアド(&T)")},
        {Generated::Split, "GenSplit1", tr("スプリット補色(&S)")},
        {Generated::Tetradic, "GenTetradic1", tr("テトラード(&E)")},
        {Generated::Shades, "GenShades1", tr("黒へのシェード(&D)...")},
        {Generated::Tints, "GenTints1", tr("白へのティント(&I)...")},
        {Generated::Tones, "GenTones1", tr("灰色へのトーン(&O)...")},
        {Generated::Gradient, "GenGradient1", tr("選んだ行の間のグラデーション(&G)...")},
    };
    for (const auto& g : generated) {
        if (g.kind == Generated::Shades || g.kind == Generated::Gradient) Generate1->addSeparator();
        QAction* a = Named(Generate1->addAction(g.caption), g.name);
        const Generated kind = g.kind;
        connect(a, &QAction::triggered, this, [this, a, kind] { Guard(a, [&] { GenerateTable(kind); }); });
    }
    Generate1->addSeparator();
    QAction* fromImage = Named(Generate1->addAction(tr("画像の代表色(&P)...")), "GenFromImage1");
    connect(fromImage, &QAction::triggered, this,
            [this, fromImage] { Guard(fromImage, [&] { GenerateFromImage(); }); });

    QMenu* help = Named(bar->addMenu(tr("ヘルプ(&H)")), "Help1");
    help->addAction(Tutorial1);
}

void TformTblEdit::CreateToolBar()
{
    StandardToolBar = Named(new QToolBar(this), "StandardToolBar");
    StandardToolBar->setMovable(false);
    StandardToolBar->setFloatable(false);
    StandardToolBar->setIconSize(QSize(16, 16));
    StandardToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    addToolBar(Qt::TopToolBarArea, StandardToolBar);
    for (QAction* a : {FileNewCmd, FileOpenCmd, FileSaveCmd}) StandardToolBar->addAction(a);
    ToolButton1 = Named(new QToolButton(StandardToolBar), "ToolButton1");
    ToolButton1->setText(tr("ログファイルをテーブルに変換&C..."));
    ToolButton1->setToolTip(tr("ログファイルをテーブルに変換(C)"));
    ToolButton1->setIcon(LogToTab1->icon());
    connect(ToolButton1, &QToolButton::clicked, LogToTab1, &QAction::trigger);
    StandardToolBar->addWidget(ToolButton1);
    StandardToolBar->addSeparator();
    for (QAction* a : {EditUndoCmd, EditCutCmd, EditCopyCmd, EditPasteCmd, EditDeleteCmd, EditInsertCmd})
        StandardToolBar->addAction(a);
    StandardToolBar->addSeparator();
    ToolButton2 = Named(new QToolButton(StandardToolBar), "ToolButton2");
    ToolButton2->setText(tr("カラーピック&P"));
    ToolButton2->setToolTip(tr("カラーピック(P)"));
    ToolButton2->setIcon(ThemeIcon("color-picker"));
    eyedropper_ = new EyedropperButton(
        ToolButton2, [this](QPointF pos) { Guard(ToolButton2, [&] { ToolButton2MouseUp(pos); }); },
        // A plain click starts the pick mode with the magnifier, as in
        // the main window.
        [this](QPoint pos) { Guard(ToolButton2, [&] { StartPickMode(pos); }); });
    // From the keyboard (Space on the focused button) the pick goes through
    // the magnifier, which the keys drive.
    connect(ToolButton2, &QToolButton::clicked, this, [this] {
        Guard(ToolButton2, [&] { StartPickMode(ToolButton2->mapToGlobal(ToolButton2->rect().center())); });
    });
    StandardToolBar->addWidget(ToolButton2);
}

void TformTblEdit::CreateControls(QWidget* central)
{
    // The list at the left takes what room the window has; the entry's
    // fields keep their column of 193 pixels at the right.
    Label1 = Named(new QLabel(table::TblInitialTitle(), central), "Label1");
    Label1->setTextFormat(Qt::PlainText);  // a file name or a guide's title
    QFont bold = font();
    bold.setBold(true);
    Label1->setFont(bold);

    lboxColor = Named(new TblListBox(*this, central), "lboxColor");
    lboxColor->setFont(NamedFont(QStringLiteral("ＭＳ Ｐ明朝"), 13));
    lboxColor->setMinimumSize(329, 265);
    model_ = new TblLinesModel(doc_, this);
    lboxColor->setModel(model_);
    // The rows and swatches are painted as the main window's 表示 menu shows
    // colours.
    auto shown = [this](TColor colour) { return ShownColour(colour, host_.SwatchView()); };
    lboxColor->setItemDelegate(MakeRowDelegate(doc_, shown, lboxColor));
    auto* column = new QWidget(central);
    column->setFixedSize(193, 296);
    CreateEntryFields(column);
    CreateButtons(column);
    ConnectControls();

    auto* list = new QVBoxLayout;
    list->setSpacing(4);
    list->addWidget(Label1);
    list->addWidget(lboxColor, 1);
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(4, 4, 4, 4);
    row->setSpacing(7);
    row->addLayout(list, 1);
    row->addWidget(column, 0, Qt::AlignTop);
}

namespace {
constexpr int kFieldsX = 4, kLabelWidth = 52, kFieldX = kFieldsX + kLabelWidth;
}

void TformTblEdit::CreateEntryFields(QWidget* central)
{
    auto label = [&](const char* name, const QString& text, int y) {
        auto* l = Named(new QLabel(text, central), name);
        l->setGeometry(kFieldsX, y + 3, kLabelWidth, 16);
        return l;
    };
    label("LabelNo", QStringLiteral("No."), 8);
    SpinEditNo = Named(new SpinEdit(central), "SpinEditNo");
    SpinEditNo->setRange(1, 0);
    SpinEditNo->setGeometry(kFieldX, 8, 72, 22);

    label("LabelHex", QStringLiteral("RGB#"), 36);
    editRGBHEX = Named(new QLineEdit(QStringLiteral("0"), central), "editRGBHEX");
    editRGBHEX->setGeometry(kFieldX, 36, 72, 22);

    struct Spin {
        SpinEdit*& spin;
        const char* name;
        const char* labelName;
        const char* caption;
        int y;
    };
    const Spin spins[] = {{SpinEditRGB3, "SpinEditRGB3", "LabelR", "R", 64},
                          {SpinEditRGB2, "SpinEditRGB2", "LabelG", "G", 90},
                          {SpinEditRGB1, "SpinEditRGB1", "LabelB", "B", 116}};
    for (const Spin& s : spins) {
        label(s.labelName, QString::fromLatin1(s.caption), s.y);
        s.spin = Named(new SpinEdit(central), s.name);
        s.spin->setRange(0, 255);
        s.spin->setGeometry(kFieldX, s.y, 56, 22);
    }

    Panel1 = Named(new ColorPanel(central), "Panel1");
    Panel1->setGeometry(kFieldsX + 114, 64, 64, 36);
    Panel1->setToolTip(tr("色の設定"));
    Panel2 = Named(new ColorPanel(central), "Panel2");
    Panel2->setGeometry(kFieldsX + 114, 102, 64, 36);
    for (ColorPanel* panel : {Panel1, Panel2})
        panel->setDisplayTransform([this](TColor colour) { return ShownColour(colour, host_.SwatchView()); });

    label("LabelName", tr("色名"), 146);
    editName = Named(new QLineEdit(central), "editName");
    editName->setGeometry(kFieldX, 146, 133, 22);
    label("LabelComment", tr("コメント"), 174)->resize(185, 16);  // above the box, as wide
    memoComment = Named(new QPlainTextEdit(central), "memoComment");
    memoComment->setTabChangesFocus(true);  // Tab moves on: no keyboard trap
    memoComment->setGeometry(kFieldsX, 194, 185, 64);
}

void TformTblEdit::CreateButtons(QWidget* central)
{
    struct Button {
        QToolButton*& button;
        const char* name;
        const char* text;
        const char* hint;
        const char* icon;
        void (TformTblEdit::*handler)();
    };
    const Button buttons[] = {
        {spbtReplase, "spbtReplase", QT_TR_NOOP("置換"), QT_TR_NOOP("カーソル位置に入れる"), "edit-find-replace",
         &TformTblEdit::EditReplace},
        {spbtAdd, "spbtAdd", QT_TR_NOOP("追加"), QT_TR_NOOP("リストの末尾に追加"), "list-add", &TformTblEdit::EditAdd},
        {spbtUp, "spbtUp", QT_TR_NOOP("上へ"), QT_TR_NOOP("項目を上にあげる"), "go-up", &TformTblEdit::spbtUpClick},
        {spbtDown, "spbtDown", QT_TR_NOOP("下へ"), QT_TR_NOOP("項目を下にさげる"), "go-down",
         &TformTblEdit::spbtDownClick},
    };
    int x = kFieldsX;
    for (const Button& b : buttons) {
        b.button = Named(new QToolButton(central), b.name);
        b.button->setText(tr(b.text));
        b.button->setToolTip(tr(b.hint));
        b.button->setIcon(ThemeIcon(b.icon));
        b.button->setGeometry(x, 266, 44, 24);
        x += 47;
        connect(b.button, &QToolButton::clicked, this,
                [this, button = b.button, h = b.handler] { Guard(button, [&] { (this->*h)(); }); });
    }
}

void TformTblEdit::ConnectControls()
{
    connect(lboxColor, &QAbstractItemView::clicked, this, [this] { Guard(lboxColor, [&] { lboxColorClick(); }); });
    connect(lboxColor->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        if (!showingResult_) Guard(lboxColor, [&] { lboxColorClick(); });
    });
    connect(editRGBHEX, &QLineEdit::textChanged, this, [this] { Guard(editRGBHEX, [&] { editRGBHEXChange(); }); });
    for (SpinEdit* spin : {SpinEditRGB3, SpinEditRGB2, SpinEditRGB1})
        connect(spin, &SpinEdit::changed, this, [this, spin] { Guard(spin, [&] { SpinEditRGB1Change(); }); });
    connect(Panel1, &ColorPanel::clicked, this, [this] { Guard(Panel1, [&] { Panel1Click(); }); });
    connect(Panel2, &ColorPanel::clicked, this, [this] { Guard(Panel2, [&] { Panel2Click(); }); });
}

// ---------------------------------------------------------------- showing the table

void TformTblEdit::ShowTblState(bool withTitle)
{
    if (withTitle) Label1->setText(doc_.Title());
    setWindowTitle(WithModifiedMark(doc_.Caption()));
    setWindowModified(doc_.TblModified());
    StatusPanel->setText(table::ModifiedText(doc_.TblModified()));
    SpinEditNo->setRange(1, doc_.Count());
}

void TformTblEdit::ShowResult(const table::EditResult& r)
{
    if (r.changed) {
        GuardScope showing(showingResult_);
        const int top = r.topRow >= 0 ? r.topRow : lboxColor->TopRow();
        model_->Reset();
        lboxColor->SetCurrentRow(r.currentRow, r.selectFirst, r.selectLast);
        lboxColor->SetTopRow(top);
        if (r.topRow < 0 && r.currentRow >= 0) lboxColor->scrollTo(model_->index(r.currentRow, 0));
    }
    ShowTblState();
    if (r.changed) ShowCurEntry();
    if (r.clipboard) QGuiApplication::clipboard()->setText(*r.clipboard);
    if (!r.warning.isEmpty()) platform::Warning(this, r.warning);
}

void TformTblEdit::SetRGBSpins(RGBCode code)
{
    SpinEditRGB3->setText(QString::number((code >> 16) & 0xFF));
    SpinEditRGB2->setText(QString::number((code >> 8) & 0xFF));
    SpinEditRGB1->setText(QString::number(code & 0xFF));
}

void TformTblEdit::ShowCurEntry()
{
    GuardScope guard(InTblUpdate);
    const int i = std::max(lboxColor->CurrentRow(), 0);
    SpinEditNo->setText(QString::number(i + 1));
    const table::TColorTabel entry = doc_.EntryAt(i);
    Panel1->setColor(entry.Color);
    Panel2->setColor(entry.Color);
    editRGBHEX->setText(HexText(ColorToCode(Panel1->color())));
    SetRGBSpins(HexOf(editRGBHEX->text()));
    editName->setText(entry.Name);
    memoComment->setPlainText(entry.Comment);
    lboxColor->viewport()->update();
}

void TformTblEdit::lboxColorClick() { ShowCurEntry(); }

// ---------------------------------------------------------------- the colour fields

void TformTblEdit::ShowEditedColor(TColor color)
{
    GuardScope guard(InTblUpdate);
    Panel1->setColor(color);
    editRGBHEX->setText(HexText(ColorToCode(color)));
    SetRGBSpins(HexOf(editRGBHEX->text()));
}

void TformTblEdit::editRGBHEXChange()
{
    if (InTblUpdate) return;
    GuardScope guard(InTblUpdate);
    // Bare digits: the first eight characters count, anything but
    // hexadecimal digits among them reads as 0. Any other text that is a
    // CSS colour ("#F80", "orange", "oklch(70% 0.15 50)") is that colour.
    const QString text = editRGBHEX->text();
    std::uint32_t value = HexOf(text);
    const bool bareDigits = std::all_of(text.begin(), text.end(), [](QChar c) {
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
               (c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f'));
    });
    if (!bareDigits)
        if (const auto colour = ReadCssColour(text.toStdString())) value = colour->code;
    SetRGBSpins(value);
    Panel1->setColor(CodeToColor(value));
}

void TformTblEdit::SpinEditRGB1Change()
{
    if (InTblUpdate) return;
    if (SpinEditRGB1->Text().isEmpty() || SpinEditRGB2->Text().isEmpty() || SpinEditRGB3->Text().isEmpty()) return;
    // Each value counts by its low eight bits (300 is 44, -1 is 255); a
    // value that is not an integer (a lone sign) changes nothing.
    const auto code = RGBOfSpins(SpinEditRGB3, SpinEditRGB2, SpinEditRGB1);
    if (!code) return;
    GuardScope guard(InTblUpdate);
    editRGBHEX->setText(HexText(*code));
    Panel1->setColor(CodeToColor(*code));
}

void TformTblEdit::Panel1Click()
{
    if (InTblUpdate) return;
    const auto chosen = platform::dialogs().chooseColor(this, platform::ToQColor(Panel1->color()));
    if (chosen) ShowEditedColor(platform::FromQColor(*chosen));
}

void TformTblEdit::Panel2Click() { ShowEditedColor(Panel2->color()); }

void TformTblEdit::StartPickMode(QPoint at)
{
    if (!platform::screenReader().canReadPixels()) {
        ToolButton2MouseUp(at);  // the desktop's own picker
        return;
    }
    if (pickSession_) pickSession_->cancel();
    pickSession_ = new PickSession(std::make_unique<ScreenSurface>(), 1, 8, this);
    connect(pickSession_, &PickSession::taken, this,
            [this](RGBCode colour) { Guard(this, [&] { ShowEditedColor(CodeToColor(colour)); }); });
    pickSession_->start(at);
}

void TformTblEdit::ToolButton2MouseUp(QPointF globalPos)
{
    QPointer<TformTblEdit> self(this);
    platform::PickScreenColour(this, globalPos, [self](TColor colour, platform::PickPath) {
        if (self) self->Guard(self, [&] { self->ShowEditedColor(colour); });
    });
}

}  // namespace qolvar::app
