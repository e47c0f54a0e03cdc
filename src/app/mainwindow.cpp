// The main window's construction, its RGB section and its error handler.
// The log, shell, colour table and settings commands are in
// mainwindow_shell.cpp.
#include "mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <array>

#include "accessible.h"
#include "colortablecombo.h"
#include "colourfacts.h"
#include "errortext.h"
#include "hottabs.h"
#include "logviewer.h"
#include "page_cie.h"
#include "page_cmyk.h"
#include "page_hue.h"
#include "page_munsell.h"
#include "page_video.h"
#include "pickcommands.h"
#include "platform/colorpanel.h"
#include "platform/cursors.h"
#include "platform/dialogs.h"
#include "platform/screenpick.h"
#include "platform/spinedit.h"
#include "themeicons.h"
#include "winhelpers.h"

namespace qolvar::app {

namespace {
// The space between the tab bar and the top of a page.
constexpr int kPageMargin = 6;
}  // namespace

using platform::ColorPanel;
using platform::SpinEdit;

TformMain::TformMain(QWidget* parent, PendingMunsellTable munsellTable)
    : QMainWindow(parent), conditions_(std::move(munsellTable))
{
    setObjectName(QStringLiteral("formMain"));
    // "*Qolvar" while the log holds lines that were never saved (the mark
    // goes in front, so that the desktop does not append the program's
    // name to a title that no longer ends with it).
    setWindowTitle(QStringLiteral("[*]Qolvar"));
    setFont(NamedFont(QStringLiteral("ＭＳ Ｐゴシック"), 12));

    // The status bar says why a typed value cannot be used (no box takes the
    // focus away from the field); it exists from the start so that the
    // window never changes its height.
    statusBar()->setObjectName(QStringLiteral("StatusBarMain"));
    statusBar()->setSizeGripEnabled(false);
    colourFacts_ = new ColourFacts(statusBar());
    statusBar()->addWidget(colourFacts_, 1);

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("clientArea"));
    setCentralWidget(central);

    CreateActions();
    CreateMenus();
    CreateToolBar(central);
    CreateRGBSection(central);
    ConnectRGBSection();
    CreateColorTable(central);
    CreatePages(central);
    LayOut(central);
    Panel2->raise();
    Panel3->raise();
    move(192, 106);
    DescribeMainWindow(this);

    FormCreate();
}

void TformMain::LayOut(QWidget* central)
{
    // The RGB rows and the colour table row widen with the window; the two
    // large swatches keep their size at the right; the page area takes what
    // height is left.
    auto* channels = new QGridLayout;
    channels->setHorizontalSpacing(6);
    channels->setVerticalSpacing(2);
    const std::array<std::array<QWidget*, 3>, 3> rows = {{{LabelR, TrackBarRGB3, SpinEditRGB3},
                                                          {LabelG, TrackBarRGB2, SpinEditRGB2},
                                                          {LabelB, TrackBarRGB1, SpinEditRGB1}}};
    for (int r = 0; r < 3; ++r) {
        rows[static_cast<std::size_t>(r)][0]->setMinimumWidth(40);
        rows[static_cast<std::size_t>(r)][1]->setMinimumWidth(200);
        rows[static_cast<std::size_t>(r)][2]->setFixedSize(64, 22);
        for (int c = 0; c < 3; ++c)
            channels->addWidget(rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)], r, c);
    }
    channels->setColumnStretch(1, 1);
    auto* hexRow = new QHBoxLayout;
    hexRow->setSpacing(2);
    hexRow->addWidget(Label5);
    editRGBHEX->setFixedWidth(97);
    hexRow->addWidget(editRGBHEX);
    hexRow->addStretch(1);
    BitBtn1->setMinimumWidth(97);
    hexRow->addWidget(BitBtn1);
    channels->addWidget(LabelRGB, 3, 0);
    channels->addLayout(hexRow, 3, 1);

    auto* tableRow = new QHBoxLayout;
    tableRow->setSpacing(4);
    labelColFn->setMinimumWidth(132);
    tableRow->addWidget(labelColFn);
    // The drop-down's width comes from the layout, not from measuring every
    // entry of the table (which costs a tenth of the start-up).
    cboxColor->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboxColor->setMinimumContentsLength(20);
    cboxColor->setMinimumWidth(200);
    tableRow->addWidget(cboxColor, 1);

    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    left->addLayout(channels);
    left->addLayout(tableRow);
    auto* swatches = new QVBoxLayout;
    swatches->setSpacing(5);
    for (QWidget* panel : {static_cast<QWidget*>(Panel1), static_cast<QWidget*>(Panel4)}) {
        panel->setFixedSize(81, 57);
        swatches->addWidget(panel);
    }
    swatches->addStretch(1);
    auto* top = new QHBoxLayout;
    top->setContentsMargins(6, 4, 12, 4);
    top->setSpacing(10);
    top->addLayout(left, 1);
    top->addLayout(swatches);

    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(ToolBar1);
    column->addLayout(top);
    column->addWidget(PageControl1, 1);
    resize(sizeHint().expandedTo(minimumSizeHint()));
}

void TformMain::PlaceResultSwatch()
{
    // The result swatch and its code sit on the top-left corner of the
    // shown page, wherever the centred page lies in the page area.
    const int index = std::clamp(PageControl1->currentIndex(), 0, static_cast<int>(pages_.size()) - 1);
    const QPoint corner = pages_[static_cast<std::size_t>(index)]->mapTo(centralWidget(), QPoint(0, 0));
    Panel2->move(corner + QPoint(16, 0));
    Panel3->move(corner + QPoint(120, 0));
}

TformMain::~TformMain()
{
    if (!destroyed_) FormDestroy();
}

void TformMain::SetWindows(TformLogViewer* logViewer, QWidget* tableEditor)
{
    formLogViewer_ = logViewer;
    formTblEdit_ = tableEditor;
    if (logViewer) {
        setWindowModified(logViewer->Modified());
        connect(logViewer, &TformLogViewer::modifiedChanged, this, &QWidget::setWindowModified);
    }
}

void TformMain::closeEvent(QCloseEvent* event)
{
    // Closing the main window ends the program, whatever else is open; the
    // table editor first asks about unsaved changes, and Cancel keeps the
    // program running.
    bool mayClose = !formTblEdit_ || formTblEdit_->close();
    if (mayClose) {
        mayClose = false;
        Guarded(this, [&] { mayClose = CheckLogSave(); });
    }
    if (!mayClose) {
        event->ignore();
        return;
    }
    event->accept();
    if (formLogViewer_) formLogViewer_->hide();
    QCoreApplication::quit();
}

// ---------------------------------------------------------------- layout

void TformMain::CreateActions()
{
    auto make = [this](QAction*& a, const char* name, const QString& caption, const QString& hint,
                       const QKeySequence& key, void (TformMain::*handler)()) {
        a = MakeCommand(this, name, caption, hint, key, [this, handler](QAction* action) {
            // A check entry's handler toggles the mark itself.
            if (action->isCheckable()) action->setChecked(!action->isChecked());
            Guarded(action, [&] { (this->*handler)(); });
        });
        a->setStatusTip(hint);
    };
    make(FileNewCmd, "FileNewCmd", tr("新規ログ(&N)"), tr("新規ログ"), QKeySequence(Qt::CTRL | Qt::Key_N),
         &TformMain::New1Click);
    FileNewCmd->setIcon(ThemeIcon("document-new"));
    make(FileOpenCmd, "FileOpenCmd", tr("ログを開く(&O)..."), tr("ログを開く"), QKeySequence(Qt::CTRL | Qt::Key_O),
         &TformMain::Open1Click);
    FileOpenCmd->setIcon(ThemeIcon("document-open"));
    make(FileSaveCmd, "FileSaveCmd", tr("上書き保存(&S)"), tr("ログを上書き保存"), QKeySequence(Qt::CTRL | Qt::Key_S),
         &TformMain::Save1Click);
    FileSaveCmd->setIcon(ThemeIcon("document-save"));
    make(FileSaveAsCmd, "FileSaveAsCmd", tr("名前をつけて保存(&A)..."), tr("ログに名前をつけて保存"), QKeySequence(),
         &TformMain::SaveAs1Click);
    FileSaveAsCmd->setIcon(ThemeIcon("document-save-as"));
    make(FileExitCmd, "FileExitCmd", tr("終了(&X)"), tr("プロセス終了"), QKeySequence(Qt::ALT | Qt::Key_X),
         &TformMain::Exit1Click);
    FileExitCmd->setIcon(ThemeIcon("application-exit"));
    FileExitCmd->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_X), QKeySequence(Qt::CTRL | Qt::Key_Q)});
    make(TableLoadCmd, "TableLoadCmd", tr("外部カラーテーブルを開く(&G)..."), tr("外部カラーテーブルを開く"),
         QKeySequence(Qt::CTRL | Qt::Key_G), &TformMain::TabLoad1Click);
    TableLoadCmd->setIcon(ThemeIcon("folder-open"));
    make(LogViewCmd, "LogViewCmd", tr("ログ表示(&L)"), tr("ログ表示"), QKeySequence(Qt::CTRL | Qt::Key_L),
         &TformMain::LogView1Click);
    LogViewCmd->setIcon(ThemeIcon("text-x-generic"));
    make(TableEditCmd, "TableEditCmd", tr("カラーテーブル編集(&E)..."), tr("カラーテーブル編集"),
         QKeySequence(Qt::CTRL | Qt::Key_E), &TformMain::TblEdit1Click);
    TableEditCmd->setIcon(ThemeIcon("x-office-spreadsheet"));
    make(Front1, "Front1", tr("常に手前に表示(&V)"), QString(), QKeySequence(), &TformMain::Front1Click);
    Front1->setCheckable(true);
    make(TblSort1, "TblSort1", tr("色見本をソート(&S)"), QString(), QKeySequence(), &TformMain::TblSort1Click);
    TblSort1->setCheckable(true);
    make(Contents1, "Contents1", tr("目次(&C)"), QString(), QKeySequence(Qt::Key_F1), &TformMain::Contents1Click);
    Contents1->setIcon(ThemeIcon("help-contents"));
    make(About1, "About1", tr("バージョン情報(&A)..."), QString(), QKeySequence(), &TformMain::About1Click);
    About1->setIcon(ThemeIcon("help-about"));
    pickCommands_ = new PickCommands(this, {[this](RGBCode rgb) { SetCurRGB(rgb); },
                                            [this](const QString& text) { statusBar()->showMessage(text, 6000); },
                                            [this](const std::function<void()>& f) { Guarded(this, f); }});
}

void TformMain::CreateMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* file = Named(bar->addMenu(tr("ファイル(&F)")), "File1");
    auto entry = [](QMenu* menu, QAction* action, const QString& caption, const char* name) {
        // Menu entries show their own captions but run the actions.
        auto* item = Named(new QAction(caption, menu), name);
        item->setIcon(action->icon());
        item->setShortcut(action->shortcut());
        item->setShortcutContext(Qt::WidgetShortcut);  // the action's own shortcut is the live one
        QObject::connect(item, &QAction::triggered, action, &QAction::trigger);
        menu->addAction(item);
        return item;
    };
    entry(file, FileNewCmd, tr("新規ログ(&N)"), "New1");
    entry(file, FileOpenCmd, tr("ログを開く(&O)..."), "Open1");
    entry(file, FileSaveCmd, tr("ログの上書き保存(&S)"), "Save1");
    entry(file, FileSaveAsCmd, tr("ログに名前をつけて保存(&A)..."), "SaveAs1");
    file->addSeparator();
    entry(file, TableLoadCmd, tr("外部カラーテーブルを開く(&G)..."), "TabLoad1");
    CreateTableList(file);
    file->addSeparator();
    file->addAction(pickCommands_->pickModeAction());
    file->addAction(pickCommands_->imageAction());
    file->addSeparator();
    entry(file, FileExitCmd, tr("終了(&X)"), "Exit1");
    CreateEditMenu();
    QMenu* options = Named(bar->addMenu(tr("オプション(&O)")), "Option1");
    options->setToolTipsVisible(true);  // says why an entry is greyed
    options->addAction(Front1);
    entry(options, LogViewCmd, tr("ログ表示(&L)"), "LogView1");
    options->addSeparator();
    entry(options, TableEditCmd, tr("カラーテーブル編集(&E)..."), "TblEdit1");
    options->addAction(TblSort1);
    options->addSeparator();
    LiveConv1 = Named(options->addAction(tr("自動更新(&U)")), "LiveConv1");
    LiveConv1->setCheckable(true);
    LiveConv1->setToolTip(tr("色が変わるたびに表示中のページを更新します（ログには書きません）"));
    connect(LiveConv1, &QAction::toggled, this, [this] { Guarded(LiveConv1, [&] { LiveRefresh(); }); });
    pickCommands_->addAverageMenu(options);
    QMenu* help = Named(bar->addMenu(tr("ヘルプ(&H)")), "Help1");
    help->addAction(Contents1);
    help->addAction(About1);
}

void TformMain::CreateToolBar(QWidget* central)
{
    ToolBar1 = Named(new QToolBar(central), "ToolBar1");
    ToolBar1->setIconSize(QSize(16, 16));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    ToolBar1->setMovable(false);
    for (QAction* a : {FileNewCmd, FileOpenCmd, FileSaveCmd, TableLoadCmd, LogViewCmd, TableEditCmd, EditCopyCmd})
        ToolBar1->addAction(a);
    ToolBar1->addSeparator();
    ToolButton6 = Named(new QToolButton(ToolBar1), "ToolButton6");
    ToolButton6->setText(QStringLiteral("&P"));
    ToolButton6->setToolTip(tr("カラーピック(P)"));
    ToolButton6->setIcon(ThemeIcon("color-picker"));
    // The eyedropper: press on the button, release over the colour; a
    // plain click starts the pick mode with the magnifier.
    eyedropper_ = new EyedropperButton(
        ToolButton6, [this](QPoint pos) { Guarded(ToolButton6, [&] { pickCommands_->pickAt(pos); }); },
        [this](QPoint pos) { Guarded(ToolButton6, [&] { pickCommands_->startPickMode(pos); }); });
    // The mouse never clicks it (the eyedropper takes the mouse); Space on
    // the focused button starts the pick mode, which the keyboard drives.
    connect(ToolButton6, &QToolButton::clicked, this, [this] {
        Guarded(ToolButton6,
                [&] { pickCommands_->startPickMode(ToolButton6->mapToGlobal(ToolButton6->rect().center())); });
    });
    ToolBar1->addWidget(ToolButton6);
    ToolBar1->addSeparator();
    ToolButton7 = Named(new QToolButton(ToolBar1), "ToolButton7");
    ToolButton7->setToolTip(tr("ヘルプ(H)"));
    ToolButton7->setIcon(ThemeIcon("help-contents"));
    connect(ToolButton7, &QToolButton::clicked, this, [this] { Guarded(ToolButton7, [&] { Contents1Click(); }); });
    ToolBar1->addWidget(ToolButton7);
}

void TformMain::CreateRGBSection(QWidget* central)
{
    struct Row {
        ChannelNames names;
        QLabel*& label;
        QSlider*& track;
        SpinEdit*& spin;
        int y;
    };
    const Row rows[] = {
        {{"LabelR", QT_TRANSLATE_NOOP("ChannelRow", "赤(R)"), "TrackBarRGB3", "SpinEditRGB3",
          "background: #FF0000; color: #FFFFFF;"},
         LabelR,
         TrackBarRGB3,
         SpinEditRGB3,
         32},
        {{"LabelG", QT_TRANSLATE_NOOP("ChannelRow", "緑(G)"), "TrackBarRGB2", "SpinEditRGB2",
          "background: #00FF00; color: #000000;"},
         LabelG,
         TrackBarRGB2,
         SpinEditRGB2,
         56},
        {{"LabelB", QT_TRANSLATE_NOOP("ChannelRow", "青(B)"), "TrackBarRGB1", "SpinEditRGB1",
          "background: #0000FF; color: #FFFFFF;"},
         LabelB,
         TrackBarRGB1,
         SpinEditRGB1,
         80},
    };
    for (const Row& r : rows) {
        const ChannelRow row = MakeChannelRow(central, r.names, 255);
        r.label = row.label;
        r.track = row.track;
        r.spin = row.spin;
    }
    LabelRGB = Named(new QLabel(QStringLiteral("RGB"), central), "LabelRGB");
    Label5 = Named(new QLabel(QStringLiteral("#"), central), "Label5");
    QFont big = font();
    big.setPixelSize(16);
    Label5->setFont(big);
    editRGBHEX = Named(new QLineEdit(QStringLiteral("0"), central), "editRGBHEX");

    BitBtn1 = Named(new QPushButton(ThemeIcon("view-refresh"), tr("更新(&R)"), central), "BitBtn1");

    Panel1 = Named(new ColorPanel(central), "Panel1");
    Panel1->setToolTip(tr("現在の色"));
    Panel4 = Named(new ColorPanel(central), "Panel4");
    Panel4->setToolTip(tr("前回更新時の色"));
}

void TformMain::ConnectRGBSection()
{
    for (QSlider* t : {TrackBarRGB1, TrackBarRGB2, TrackBarRGB3})
        connect(t, &QSlider::valueChanged, this, [this, t] { Guarded(t, [&] { TrackBarRGB1Change(); }); });
    for (SpinEdit* s : {SpinEditRGB1, SpinEditRGB2, SpinEditRGB3})
        connect(s, &SpinEdit::changed, this, [this, s] { Guarded(s, [&] { SpinEditRGB1Change(); }); });
    editRGBHEX->installEventFilter(this);
    connect(editRGBHEX, &QLineEdit::returnPressed, this, [this] { Guarded(editRGBHEX, [&] { editRGBHEXChange(); }); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { Guarded(BitBtn1, [&] { BitBtn1Click(); }); });
    connect(Panel1, &ColorPanel::clicked, this, [this] { Guarded(Panel1, [&] { Panel1Click(); }); });
    connect(Panel4, &ColorPanel::clicked, this, [this] { Guarded(Panel4, [&] { Panel4Click(); }); });
}

void TformMain::CreateColorTable(QWidget* central)
{
    labelColFn = Named(new QLabel(tr("■ Web標準色 140色"), central), "labelColFn");
    cboxColor = Named(new ColorTableCombo(
                          [this](int row) {
                              return row >= 0 && static_cast<std::size_t>(row) < tableColors_.size()
                                         ? tableColors_[static_cast<std::size_t>(row)]
                                         : TColor{0};
                          },
                          central),
                      "cboxColor");
    connect(cboxColor, &QComboBox::activated, this, [this](int index) {
        Guarded(cboxColor, [&] {
            cboxColorClick(index);
            cboxColorSelect(index);
        });
    });
}

void TformMain::CreatePages(QWidget* central)
{
    PageControl1 = Named(new HotTrackTabWidget(central), "PageControl1");
    pages_ = {new CIEPage(*this, PageControl1), new HuePage(*this, PageControl1), new CMYKPage(*this, PageControl1),
              new VideoPage(*this, PageControl1), new MunsellPage(*this, PageControl1)};
    const char* captions[] = {"CIE", "HUE", "CMYK", "VIDEO", "Munsell"};
    // Every page keeps its size and sits in the middle of the page area, so
    // that the colour field keeps one pixel per value however large the
    // window is.
    QSize pageSize(485, 0);
    for (ModelPage* page : pages_) {
        const QRect used = page->childrenRect();
        pageSize = pageSize.expandedTo(QSize(used.right() + 5, used.bottom() + 5));
    }
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        auto* holder = new QWidget(PageControl1);
        auto* grid = new QGridLayout(holder);
        grid->setContentsMargins(0, kPageMargin, 0, 0);
        grid->setRowStretch(0, 1);
        grid->setRowStretch(2, 1);
        grid->setColumnStretch(0, 1);
        grid->setColumnStretch(2, 1);
        pages_[i]->setFixedSize(pageSize);
        grid->addWidget(pages_[i], 1, 1);
        PageControl1->addTab(holder, QString::fromLatin1(captions[i]));
    }
    for (ModelPage* page : pages_) page->installEventFilter(this);
    PageControl1->installEventFilter(this);
    PageControl1->setCurrentIndex(1);
    // Choosing a page, by the mouse or by the keys (Ctrl+Tab), ends the
    // state of no active page.
    auto choose = [this](int index) {
        if (noActivePage_ && index >= 0) {
            noActivePage_ = false;
            if (QWidget* w = PageControl1->widget(index)) w->setVisible(true);
        }
    };
    connect(PageControl1->tabBar(), &QTabBar::tabBarClicked, this, choose);
    connect(PageControl1, &QTabWidget::currentChanged, this, choose);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] { Guarded(PageControl1, [&] { LiveRefresh(); }); });

    Panel2 = Named(new ColorPanel(central), "Panel2");
    Panel2->resize(81, 57);
    Panel3 = Named(new QFrame(central), "Panel3");
    static_cast<QFrame*>(Panel3)->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel3->resize(113, 25);
    Label2 = Named(new QLabel(QStringLiteral("RGB"), Panel3), "Label2");
    Label2->setGeometry(6, 4, 30, 17);
    Label3 = Named(new QLabel(QString(), Panel3), "Label3");
    Label3->setGeometry(38, 4, 72, 17);
}

int TformMain::ActivePageIndex() const { return noActivePage_ ? -1 : PageControl1->currentIndex(); }

void TformMain::SetActivePageIndex(int index)
{
    if (index >= 0 && index < PageControl1->count()) {
        noActivePage_ = false;
        PageControl1->setCurrentIndex(index);
        PageControl1->currentWidget()->setVisible(true);
    } else {
        // No page active: the tabs stay, the page area is empty until a tab
        // is chosen.
        noActivePage_ = true;
        if (QWidget* w = PageControl1->currentWidget()) w->setVisible(false);
    }
}

// ---------------------------------------------------------------- RGB section

void TformMain::DspRGB()
{
    const RGBCode rgb = curRGB_;
    TrackBarRGB3->setValue(static_cast<int>((rgb >> 16) & 0xFF));
    TrackBarRGB2->setValue(static_cast<int>((rgb >> 8) & 0xFF));
    TrackBarRGB1->setValue(static_cast<int>(rgb & 0xFF));
    SpinEditRGB3->setText(QString::number((rgb >> 16) & 0xFF));
    SpinEditRGB2->setText(QString::number((rgb >> 8) & 0xFF));
    SpinEditRGB1->setText(QString::number(rgb & 0xFF));
    // The handlers set off above may have rebuilt CurRGB: read it afresh.
    editRGBHEX->setText(HexText(curRGB_));
    ClearProblem({editRGBHEX});
    Panel1->setColor(CodeToColor(curRGB_));
    ShowTableEntryOf(curRGB_);
    UpdateColourFacts();
}

void TformMain::ShowTableEntryOf(RGBCode rgb)
{
    // The drop-down shows the colour's entry when the table has one (the
    // row it shows already when that one matches), else none: a name left
    // over from an earlier colour would be wrong.
    const TColor colour = CodeToColor(rgb & 0xFFFFFF);
    const int count = std::min(cboxColor->count(), static_cast<int>(tableColors_.size()));
    const int current = cboxColor->currentIndex();
    if (current >= 0 && current < count && tableColors_[static_cast<std::size_t>(current)] == colour) return;
    int found = -1;
    for (int i = 0; i < count && found < 0; ++i)
        if (tableColors_[static_cast<std::size_t>(i)] == colour) found = i;
    cboxColor->setCurrentIndex(found);
}

void TformMain::DspDsetRGB(RGBCode rgb)
{
    Panel2->setColor(CodeToColor(rgb));
    Label3->setText(QStringLiteral("#") + HexText(rgb));
    // A page's refresh may have changed the CIE settings the nearest entry
    // is found under.
    UpdateColourFacts();
}

void TformMain::SetCurRGB(RGBCode rgb)
{
    {
        GuardScope guard(inUpdate_);
        curRGB_ = rgb;
        DspRGB();
    }
    LiveRefresh();
}

void TformMain::TakeTypedColour(RGBCode rgb)
{
    DspDsetRGB(rgb);
    curRGB_ = rgb;
    DspRGB();
}

void TformMain::OverErr()
{
    platform::dialogs().beep();
    platform::Warning(this, tr("値が範囲外です！"), platform::kYes);
}

void TformMain::ShowProblem(const QList<QWidget*>& group, const QList<QWidget*>& marked, const QString& why)
{
    for (QWidget* f : group) SetFieldMarked(f, false);
    for (QWidget* f : marked) {
        SetFieldMarked(f, true);
        if (!markedFields_.contains(f)) markedFields_.append(f);
    }
    platform::dialogs().beep();
    statusBar()->showMessage(why);
}

void TformMain::ClearProblem(const QList<QWidget*>& group)
{
    for (QWidget* f : group) SetFieldMarked(f, false);
    markedFields_.removeIf([](const QPointer<QWidget>& f) { return !FieldMarked(f); });
    if (markedFields_.isEmpty()) statusBar()->clearMessage();
}

void TformMain::TrackBarRGB1Change()
{
    if (inUpdate_) return;
    SetCurRGB(static_cast<RGBCode>(TrackBarRGB3->value() & 0xFF) << 16 |
              static_cast<RGBCode>(TrackBarRGB2->value() & 0xFF) << 8 |
              static_cast<RGBCode>(TrackBarRGB1->value() & 0xFF));
}

void TformMain::SpinEditRGB1Change()
{
    if (inUpdate_) return;
    // A field that is not a number (empty while typing, a lone sign) leaves
    // everything as it is.
    if (const auto rgb = RGBOfSpins(SpinEditRGB3, SpinEditRGB2, SpinEditRGB1)) SetCurRGB(*rgb);
}

void TformMain::editRGBHEXChange()
{
    if (inUpdate_) return;
    const QString text = editRGBHEX->text();
    const auto code = ReadTypedHex(
        std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())));
    // Text that is no code stays as typed, marked; the colour stays.
    if (!code) {
        ShowProblem({editRGBHEX}, {editRGBHEX}, tr("16 進数の色コードではありません"));
        return;
    }
    ClearProblem({editRGBHEX});
    SetCurRGB(*code);
}

bool TformMain::eventFilter(QObject* watched, QEvent* event)
{
    const auto* page = qobject_cast<ModelPage*>(watched);
    if ((event->type() == QEvent::Resize || event->type() == QEvent::Move) &&
        ((page && page->isVisible()) || watched == PageControl1))
        PlaceResultSwatch();
    // The field applies its text when the user leaves it, not when the
    // window merely loses activation or a menu opens over it.
    if (watched == editRGBHEX && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && reason != Qt::MenuBarFocusReason)
            Guarded(editRGBHEX, [&] { editRGBHEXChange(); });
    }
    return QMainWindow::eventFilter(watched, event);
}

void TformMain::BitBtn1Click()
{
    {
        GuardScope guard(inUpdate_);
        RefreshActivePage();
    }
    Panel4->setColor(Panel1->color());
    UpdateColourFacts();
}

void TformMain::RefreshActivePage()
{
    const int index = ActivePageIndex();
    if (index < 0 || index >= static_cast<int>(pages_.size())) return;
    ModelPage* page = pages_[static_cast<std::size_t>(index)];
    page->Refresh();
    // The refreshed page shows usable values only.
    QList<QWidget*> shown;
    for (const QPointer<QWidget>& f : markedFields_)
        if (f && page->isAncestorOf(f)) shown.append(f);
    ClearProblem(shown);
}

void TformMain::LiveRefresh()
{
    if (!LiveConv1 || !LiveConv1->isChecked() || inUpdate_) return;
    GuardScope guard(inUpdate_), quiet(liveRefresh_);
    // The page follows the colour as the refresh command shows it, without
    // a log line; the colour of the last refresh stays. A conversion that
    // fails (L*u*v* of black) is said in the status bar, not in a box that
    // would interrupt a drag.
    try {
        RefreshActivePage();
    } catch (const ColourError& e) {
        statusBar()->showMessage(ErrorText(e), 5000);
    }
}

void TformMain::Panel1Click()
{
    if (inUpdate_) return;
    const auto chosen = platform::dialogs().chooseColor(this, platform::ToQColor(Panel1->color()));
    if (chosen) SetCurRGB(ColorToCode(platform::FromQColor(*chosen)));
}

void TformMain::UpdateColourFacts() { colourFacts_->Show(curRGB_, ColorToCode(Panel4->color()), conditions_.Values()); }

void TformMain::Panel4Click() { SetCurRGB(ColorToCode(Panel4->color())); }

// ---------------------------------------------------------------- errors

void TformMain::AppExceptionHandler(QObject*, const std::exception& e)
{
    if (dynamic_cast<const ConvertError*>(&e)) return;
    QString message = ErrorText(e);
    if (!message.isEmpty() && message.back() > QLatin1Char('.')) message += QLatin1Char('.');
    platform::dialogs().message(this, platform::MsgKind::Error, QStringLiteral("Qolvar"), message, platform::kOk);
}

}  // namespace qolvar::app
