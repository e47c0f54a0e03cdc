// The main window's construction: its actions, menus, tool bar, RGB
// section, pages and layout. What the window does with the current colour
// is in mainwindow_colour.cpp, its shell commands and settings in
// mainwindow_shell.cpp.
#include "mainwindow/mainwindow.h"

#include <QAction>
#include <QActionGroup>
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

#include "mainwindow/colortablecombo.h"
#include "mainwindow/colourfacts.h"
#include "mainwindow/colourlog.h"
#include "mainwindow/colourtable.h"
#include "mainwindow/copyas.h"
#include "mainwindow/logviewer.h"
#include "pages/page_cie.h"
#include "pages/page_cmyk.h"
#include "pages/page_hue.h"
#include "pages/page_munsell.h"
#include "pages/page_video.h"
#include "picking/pickcommands.h"
#include "platform/colorpanel.h"
#include "platform/cursors.h"
#include "platform/dialogs.h"
#include "platform/screenpick.h"
#include "platform/spinedit.h"
#include "widgets/accessible.h"
#include "widgets/hottabs.h"
#include "widgets/themeicons.h"
#include "widgets/winhelpers.h"

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

    auto guarded = [this](QObject* sender, const std::function<void()>& f) { Guarded(sender, f); };
    log_ = new ColourLog(this, guarded);
    table_ = new ColourTableDropDown(this, central,
                                     {[this](RGBCode rgb) { SetCurRGB(rgb, CurrentColour::Source::ColourTable); },
                                      [this](const QString& text) { statusBar()->showMessage(text); }, guarded,
                                      [this]() -> const ConversionConditions& { return Conditions(); }});
    CreateActions();
    CreateMenus();
    CreateToolBar(central);
    CreateRGBSection(central);
    ConnectRGBSection();
    CreatePages(central);
    SubscribeToCurrentColour();
    LayOut(central);
    for (ColorPanel* panel : {Panel1, Panel2, Panel4})
        panel->setDisplayTransform([this](TColor colour) { return ShownColour(colour, colourView_); });
    Panel2->raise();
    Panel3->raise();
    move(192, 106);
    // What a screen reader says of the controls.
    Describe(ToolButton6, QT_TRANSLATE_NOOP("Accessible", "カラーピック"),
             QT_TRANSLATE_NOOP("Accessible",
                               "ボタンを押したまま色の上で離すとその色を取る。Space で拡大鏡の取り方を始める"));
    Describe(ToolButton7, QT_TRANSLATE_NOOP("Accessible", "ヘルプ"),
             QT_TRANSLATE_NOOP("Accessible", "ヘルプの目次を開く"));
    Describe(SpinEditRGB3, QT_TRANSLATE_NOOP("Accessible", "赤"), QT_TRANSLATE_NOOP("Accessible", "赤の値 (0〜255)"));
    Describe(SpinEditRGB2, QT_TRANSLATE_NOOP("Accessible", "緑"), QT_TRANSLATE_NOOP("Accessible", "緑の値 (0〜255)"));
    Describe(SpinEditRGB1, QT_TRANSLATE_NOOP("Accessible", "青"), QT_TRANSLATE_NOOP("Accessible", "青の値 (0〜255)"));
    Describe(TrackBarRGB3, QT_TRANSLATE_NOOP("Accessible", "赤のスライダー"),
             QT_TRANSLATE_NOOP("Accessible", "赤の値 (0〜255) を矢印キーで変える"));
    Describe(TrackBarRGB2, QT_TRANSLATE_NOOP("Accessible", "緑のスライダー"),
             QT_TRANSLATE_NOOP("Accessible", "緑の値 (0〜255) を矢印キーで変える"));
    Describe(TrackBarRGB1, QT_TRANSLATE_NOOP("Accessible", "青のスライダー"),
             QT_TRANSLATE_NOOP("Accessible", "青の値 (0〜255) を矢印キーで変える"));
    Describe(editRGBHEX, QT_TRANSLATE_NOOP("Accessible", "16 進数の色コード"),
             QT_TRANSLATE_NOOP("Accessible", "現在の色の 16 進数コード (RRGGBB)。Enter でその色にする"));
    Describe(BitBtn1, QT_TRANSLATE_NOOP("Accessible", "更新"),
             QT_TRANSLATE_NOOP("Accessible", "表示中のページを現在の色で更新し、ログに書く"));
    Describe(Panel1, QT_TRANSLATE_NOOP("Accessible", "現在の色"),
             QT_TRANSLATE_NOOP("Accessible", "現在の色。Space で色の選択ダイアログを開く"));
    Describe(Panel4, QT_TRANSLATE_NOOP("Accessible", "前回更新時の色"),
             QT_TRANSLATE_NOOP("Accessible", "前回更新したときの色。Space でその色に戻す"));
    Describe(PageControl1, QT_TRANSLATE_NOOP("Accessible", "色のモデル"),
             QT_TRANSLATE_NOOP("Accessible", "色のモデルのページ"));
    // The page tabs are a control of their own.
    Describe(PageControl1->tabBar(), QT_TRANSLATE_NOOP("Accessible", "色のモデル"),
             QT_TRANSLATE_NOOP("Accessible", "色のモデルのページを選ぶ (左右の矢印キー)"));

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
    table_->labelColFn->setMinimumWidth(132);
    tableRow->addWidget(table_->labelColFn);
    // The drop-down's width comes from the layout, not from measuring every
    // entry of the table (which costs a tenth of the start-up).
    ColorTableCombo* cboxColor = table_->cboxColor;
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
    log_->SetViewer(logViewer);
}

void TformMain::closeEvent(QCloseEvent* event)
{
    // Closing the main window ends the program, whatever else is open; the
    // table editor first asks about unsaved changes, and Cancel keeps the
    // program running.
    bool mayClose = !formTblEdit_ || formTblEdit_->close();
    if (mayClose) {
        mayClose = false;
        Guarded(this, [&] { mayClose = log_->CheckLogSave(); });
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
    make(FileExitCmd, "FileExitCmd", tr("終了(&X)"), tr("プロセス終了"), QKeySequence(Qt::ALT | Qt::Key_X),
         &TformMain::Exit1Click);
    FileExitCmd->setIcon(ThemeIcon("application-exit"));
    FileExitCmd->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_X), QKeySequence(Qt::CTRL | Qt::Key_Q)});
    make(TableEditCmd, "TableEditCmd", tr("カラーテーブル編集(&E)..."), tr("カラーテーブル編集"),
         QKeySequence(Qt::CTRL | Qt::Key_E), &TformMain::TblEdit1Click);
    TableEditCmd->setIcon(ThemeIcon("x-office-spreadsheet"));
    make(Front1, "Front1", tr("常に手前に表示(&V)"), QString(), QKeySequence(), &TformMain::Front1Click);
    Front1->setCheckable(true);
    make(Contents1, "Contents1", tr("目次(&C)"), QString(), QKeySequence(Qt::Key_F1), &TformMain::Contents1Click);
    Contents1->setIcon(ThemeIcon("help-contents"));
    make(About1, "About1", tr("バージョン情報(&A)..."), QString(), QKeySequence(), &TformMain::About1Click);
    About1->setIcon(ThemeIcon("help-about"));
    pickCommands_ = new PickCommands(this, {[this](RGBCode rgb) { SetCurRGB(rgb, CurrentColour::Source::Picked); },
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
    entry(file, log_->FileNewCmd, tr("新規ログ(&N)"), "New1");
    entry(file, log_->FileOpenCmd, tr("ログを開く(&O)..."), "Open1");
    entry(file, log_->FileSaveCmd, tr("ログの上書き保存(&S)"), "Save1");
    entry(file, log_->FileSaveAsCmd, tr("ログに名前をつけて保存(&A)..."), "SaveAs1");
    file->addSeparator();
    entry(file, table_->TableLoadCmd, tr("外部カラーテーブルを開く(&G)..."), "TabLoad1");
    table_->AddTableList(file);
    file->addSeparator();
    file->addAction(pickCommands_->pickModeAction());
    file->addAction(pickCommands_->imageAction());
    file->addSeparator();
    entry(file, FileExitCmd, tr("終了(&X)"), "Exit1");
    copyAs_ = new CopyAs(
        this, bar,
        {[this] { return CurRGB(); }, [this](const QString& text, int ms) { statusBar()->showMessage(text, ms); },
         [this](QObject* sender, const std::function<void()>& f) { Guarded(sender, f); },
         [this](const std::exception& e) { AppExceptionHandler(this, e); },
         [this]() -> const ConversionConditions& { return Conditions(); }});
    // 表示: the swatches painted as a colour-vision deficiency shows them.
    QMenu* view = Named(bar->addMenu(tr("表示(&V)")), "View1");
    view->setToolTipsVisible(true);
    auto* views = new QActionGroup(this);
    const struct {
        ColourView view;
        const char* name;
        QString caption;
    } choices[] = {
        {std::nullopt, "ViewNormal1", tr("通常の色覚(&N)")},
        {Deficiency::Protan, "ViewProtan1", tr("1型色覚の見え方(&P)")},
        {Deficiency::Deutan, "ViewDeutan1", tr("2型色覚の見え方(&D)")},
        {Deficiency::Tritan, "ViewTritan1", tr("3型色覚の見え方(&T)")},
    };
    for (const auto& choice : choices) {
        QAction* a = Named(view->addAction(choice.caption), choice.name);
        a->setCheckable(true);
        a->setToolTip(tr("色見本だけをこの見え方で塗ります（数値とコードは元の色のまま）"));
        views->addAction(a);
        viewActions_[ColourViewIndex(choice.view)] = a;
        const ColourView shown = choice.view;
        connect(a, &QAction::triggered, this, [this, a, shown] { Guarded(a, [&] { SetColourView(shown); }); });
    }
    viewActions_[0]->setChecked(true);
    QMenu* options = Named(bar->addMenu(tr("オプション(&O)")), "Option1");
    options->setToolTipsVisible(true);  // says why an entry is greyed
    options->addAction(Front1);
    entry(options, log_->LogViewCmd, tr("ログ表示(&L)"), "LogView1");
    options->addSeparator();
    entry(options, TableEditCmd, tr("カラーテーブル編集(&E)..."), "TblEdit1");
    options->addAction(table_->TblSort1);
    options->addSeparator();
    LiveConv1 = Named(options->addAction(tr("自動更新(&U)")), "LiveConv1");
    LiveConv1->setCheckable(true);
    LiveConv1->setToolTip(tr("色が変わるたびに表示中のページを更新します（ログには書きません）"));
    connect(LiveConv1, &QAction::toggled, this, [this] { Guarded(LiveConv1, [&] { LiveRefresh(); }); });
    pickCommands_->addAverageMenu(options);
    options->addAction(pickCommands_->monitorProfileAction());
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
    for (QAction* a : {log_->FileNewCmd, log_->FileOpenCmd, log_->FileSaveCmd, table_->TableLoadCmd, log_->LogViewCmd,
                       TableEditCmd, copyAs_->EditCopyCmd})
        ToolBar1->addAction(a);
    ToolBar1->addSeparator();
    ToolButton6 = Named(new QToolButton(ToolBar1), "ToolButton6");
    ToolButton6->setText(QStringLiteral("&P"));
    ToolButton6->setToolTip(tr("カラーピック(P)"));
    ToolButton6->setIcon(ThemeIcon("color-picker"));
    // The eyedropper: press on the button, release over the colour; a
    // plain click starts the pick mode with the magnifier.
    eyedropper_ = new EyedropperButton(
        ToolButton6, [this](QPointF pos) { Guarded(ToolButton6, [&] { pickCommands_->pickAt(pos); }); },
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
    // A mark in the field while the colour is one mapped into sRGB from a
    // typed colour outside it.
    MappedMark1 =
        Named(editRGBHEX->addAction(ThemeIcon("dialog-warning", style()->standardIcon(QStyle::SP_MessageBoxWarning)),
                                    QLineEdit::TrailingPosition),
              "MappedMark1");
    MappedMark1->setToolTip(tr("入力された色は sRGB の範囲外のため、近い sRGB の色に写しました"));
    MappedMark1->setVisible(false);

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

}  // namespace qolvar::app
