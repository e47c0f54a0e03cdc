#include "mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLayout>
#include <QTabBar>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include "aboutbox.h"
#include "colortablecombo.h"
#include "application.h"
#include "colour/colour.h"
#include "logviewer.h"
#include "page_cie.h"
#include "page_cmyk.h"
#include "page_hue.h"
#include "page_munsell.h"
#include "page_video.h"
#include "platform/colorpanel.h"
#include "platform/cursors.h"
#include "platform/dialogs.h"
#include "platform/screenpick.h"
#include "platform/settings.h"
#include "platform/spinedit.h"
#include "platform/textfile.h"
#include "table/entry.h"
#include "table/textio.h"

namespace qolvar::app {

using platform::ColorPanel;
using platform::SpinEdit;

namespace {

const QString kLogFilter = QStringLiteral("Log files (*.log)|*.log|すべてのファイル(*.*)|*.*");
const QString kSection = QStringLiteral("formMain");

template <class W>
W* Named(W* w, const char* name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QString Hex(std::uint32_t v)
{
    // Upper-case hexadecimal, at least six digits.
    return QStringLiteral("%1").arg(v, 6, 16, QLatin1Char('0')).toUpper();
}

}  // namespace

TformMain::TformMain(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("formMain"));
    setWindowTitle(QStringLiteral("Qolvar"));
    QFont f(QStringLiteral("ＭＳ Ｐゴシック"));
    f.setPixelSize(12);
    setFont(f);

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("clientArea"));
    central->setFixedSize(489, 513);
    setCentralWidget(central);

    CreateActions();
    CreateMenus();
    CreateToolBar(central);
    CreateRGBSection(central);
    CreateColorTable(central);
    CreatePages(central);
    Panel2->raise();
    Panel3->raise();
    move(192, 106);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    FormCreate();
}

TformMain::~TformMain()
{
    if (!destroyed_) FormDestroy();
}

void TformMain::closeEvent(QCloseEvent* event)
{
    // Closing the main window ends the program, whatever else is open; the
    // table editor first asks about unsaved changes, and Cancel keeps the
    // program running.
    if (formTblEdit && !formTblEdit->close()) {
        event->ignore();
        return;
    }
    event->accept();
    if (formLogViewer) formLogViewer->hide();
    QCoreApplication::quit();
}

// ---------------------------------------------------------------- layout

void TformMain::CreateActions()
{
    auto make = [this](QAction*& a, const char* name, const QString& caption, const QString& hint,
                       const QKeySequence& key, void (TformMain::*handler)()) {
        a = Named(new QAction(caption, this), name);
        a->setToolTip(hint);
        a->setStatusTip(hint);
        if (!key.isEmpty()) a->setShortcut(key);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, [this, a, handler] {
            // A check entry's handler toggles the mark itself.
            if (a->isCheckable()) a->setChecked(!a->isChecked());
            Guarded(a, [&] { (this->*handler)(); });
        });
        addAction(a);
    };
    QStyle* s = style();
    make(FileNewCmd, "FileNewCmd", QStringLiteral("新規ログ(&N)"), QStringLiteral("新規ログ"),
         QKeySequence(Qt::CTRL | Qt::Key_N), &TformMain::New1Click);
    FileNewCmd->setIcon(s->standardIcon(QStyle::SP_FileIcon));
    make(FileOpenCmd, "FileOpenCmd", QStringLiteral("ログを開く(&O)..."), QStringLiteral("ログを開く"),
         QKeySequence(Qt::CTRL | Qt::Key_O), &TformMain::Open1Click);
    FileOpenCmd->setIcon(s->standardIcon(QStyle::SP_DialogOpenButton));
    make(FileSaveCmd, "FileSaveCmd", QStringLiteral("上書き保存(&S)"), QStringLiteral("ログを上書き保存"),
         QKeySequence(Qt::CTRL | Qt::Key_S), &TformMain::Save1Click);
    FileSaveCmd->setIcon(s->standardIcon(QStyle::SP_DialogSaveButton));
    make(FileSaveAsCmd, "FileSaveAsCmd", QStringLiteral("名前をつけて保存(&A)..."),
         QStringLiteral("ログに名前をつけて保存"), QKeySequence(), &TformMain::SaveAs1Click);
    make(FileExitCmd, "FileExitCmd", QStringLiteral("終了(&X)"), QStringLiteral("プロセス終了"),
         QKeySequence(Qt::ALT | Qt::Key_X), &TformMain::Exit1Click);
    make(TableLoadCmd, "TableLoadCmd", QStringLiteral("外部カラーテーブルを開く(&G)..."),
         QStringLiteral("外部カラーテーブルを開く"), QKeySequence(Qt::CTRL | Qt::Key_G), &TformMain::TabLoad1Click);
    TableLoadCmd->setIcon(s->standardIcon(QStyle::SP_DirOpenIcon));
    make(LogViewCmd, "LogViewCmd", QStringLiteral("ログ表示(&L)"), QStringLiteral("ログ表示"),
         QKeySequence(Qt::CTRL | Qt::Key_L), &TformMain::LogView1Click);
    LogViewCmd->setIcon(s->standardIcon(QStyle::SP_FileDialogContentsView));
    make(TableEditCmd, "TableEditCmd", QStringLiteral("カラーテーブル編集(&E)..."),
         QStringLiteral("カラーテーブル編集"), QKeySequence(Qt::CTRL | Qt::Key_E), &TformMain::TblEdit1Click);
    TableEditCmd->setIcon(s->standardIcon(QStyle::SP_FileDialogDetailedView));
    make(Front1, "Front1", QStringLiteral("常に手前に表示(&V)"), QString(), QKeySequence(), &TformMain::Front1Click);
    Front1->setCheckable(true);
    make(TblSort1, "TblSort1", QStringLiteral("色見本をソート(&S)"), QString(), QKeySequence(),
         &TformMain::TblSort1Click);
    TblSort1->setCheckable(true);
    make(Contents1, "Contents1", QStringLiteral("目次(&C)"), QString(), QKeySequence(Qt::Key_F1),
         &TformMain::Contents1Click);
    make(About1, "About1", QStringLiteral("バージョン情報(&A)..."), QString(), QKeySequence(),
         &TformMain::About1Click);
}

void TformMain::CreateMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* file = Named(bar->addMenu(QStringLiteral("ファイル(&F)")), "File1");
    auto entry = [](QMenu* menu, QAction* action, const QString& caption, const char* name) {
        // Menu entries show their own captions but run the actions.
        auto* item = Named(new QAction(caption, menu), name);
        item->setShortcut(action->shortcut());
        item->setShortcutContext(Qt::WidgetShortcut);  // the action's own shortcut is the live one
        QObject::connect(item, &QAction::triggered, action, &QAction::trigger);
        menu->addAction(item);
        return item;
    };
    entry(file, FileNewCmd, QStringLiteral("新規ログ(&N)"), "New1");
    entry(file, FileOpenCmd, QStringLiteral("ログを開く(&O)..."), "Open1");
    entry(file, FileSaveCmd, QStringLiteral("ログの上書き保存(&S)"), "Save1");
    entry(file, FileSaveAsCmd, QStringLiteral("ログに名前をつけて保存(&A)..."), "SaveAs1");
    file->addSeparator();
    entry(file, TableLoadCmd, QStringLiteral("外部カラーテーブルを開く(&G)..."), "TabLoad1");
    file->addSeparator();
    entry(file, FileExitCmd, QStringLiteral("終了(&X)"), "Exit1");
    QMenu* options = Named(bar->addMenu(QStringLiteral("オプション(&O)")), "Option1");
    options->addAction(Front1);
    entry(options, LogViewCmd, QStringLiteral("ログ表示(&L)"), "LogView1");
    options->addSeparator();
    entry(options, TableEditCmd, QStringLiteral("カラーテーブル編集(&E)..."), "TblEdit1");
    options->addAction(TblSort1);
    QMenu* help = Named(bar->addMenu(QStringLiteral("ヘルプ(&H)")), "Help1");
    help->addAction(Contents1);
    help->addAction(About1);
}

void TformMain::CreateToolBar(QWidget* central)
{
    ToolBar1 = Named(new QToolBar(central), "ToolBar1");
    ToolBar1->setGeometry(0, 0, 489, 28);
    ToolBar1->setIconSize(QSize(16, 16));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    ToolBar1->setMovable(false);
    for (QAction* a : {FileNewCmd, FileOpenCmd, FileSaveCmd, TableLoadCmd, LogViewCmd, TableEditCmd})
        ToolBar1->addAction(a);
    ToolBar1->addSeparator();
    ToolButton6 = Named(new QToolButton(ToolBar1), "ToolButton6");
    ToolButton6->setText(QStringLiteral("&P"));
    ToolButton6->setToolTip(QStringLiteral("カラーピック(P)"));
    ToolButton6->setIcon(QIcon(platform::EyedropperCursor().bitmap().copy(8, 0, 24, 24)));
    ToolButton6->installEventFilter(this);
    ToolBar1->addWidget(ToolButton6);
    ToolBar1->addSeparator();
    ToolButton7 = Named(new QToolButton(ToolBar1), "ToolButton7");
    ToolButton7->setToolTip(QStringLiteral("ヘルプ(H)"));
    ToolButton7->setIcon(style()->standardIcon(QStyle::SP_MessageBoxQuestion));
    connect(ToolButton7, &QToolButton::clicked, this, [this] { Guarded(ToolButton7, [&] { Contents1Click(); }); });
    ToolBar1->addWidget(ToolButton7);
}

void TformMain::CreateRGBSection(QWidget* central)
{
    struct Row {
        QLabel*& label;
        const char* labelName;
        const char* caption;
        QSlider*& track;
        const char* trackName;
        SpinEdit*& spin;
        const char* spinName;
        const char* style;
        int y;
    };
    const Row rows[] = {
        {LabelR, "LabelR", "赤(R)", TrackBarRGB3, "TrackBarRGB3", SpinEditRGB3, "SpinEditRGB3",
         "background: #FF0000; color: #FFFFFF;", 32},
        {LabelG, "LabelG", "緑(G)", TrackBarRGB2, "TrackBarRGB2", SpinEditRGB2, "SpinEditRGB2",
         "background: #00FF00; color: #000000;", 56},
        {LabelB, "LabelB", "青(B)", TrackBarRGB1, "TrackBarRGB1", SpinEditRGB1, "SpinEditRGB1",
         "background: #0000FF; color: #FFFFFF;", 80},
    };
    for (const Row& r : rows) {
        r.label = Named(new QLabel(QString::fromUtf8(r.caption), central), r.labelName);
        r.label->setGeometry(8, r.y + 3, 44, 16);
        r.track = Named(new QSlider(Qt::Horizontal, central), r.trackName);
        r.track->setRange(0, 255);
        r.track->setTickPosition(QSlider::NoTicks);
        r.track->setGeometry(52, r.y, 255, 22);
        r.spin = Named(new SpinEdit(central), r.spinName);
        r.spin->setRange(0, 255);
        r.spin->setGeometry(314, r.y, 64, 22);
        r.spin->setStyleSheet(QStringLiteral("QAbstractSpinBox { %1 }").arg(QString::fromLatin1(r.style)));
        connect(r.track, &QSlider::valueChanged, this, [this, t = r.track] { Guarded(t, [&] { TrackBarRGB1Change(); }); });
        connect(r.spin, &SpinEdit::changed, this, [this, sp = r.spin] { Guarded(sp, [&] { SpinEditRGB1Change(); }); });
    }
    LabelRGB = Named(new QLabel(QStringLiteral("RGB"), central), "LabelRGB");
    LabelRGB->setGeometry(8, 107, 32, 20);
    Label5 = Named(new QLabel(QStringLiteral("#"), central), "Label5");
    QFont big = font();
    big.setPixelSize(16);
    Label5->setFont(big);
    Label5->setGeometry(40, 105, 14, 22);
    editRGBHEX = Named(new QLineEdit(QStringLiteral("0"), central), "editRGBHEX");
    editRGBHEX->setGeometry(56, 105, 97, 22);
    editRGBHEX->installEventFilter(this);
    connect(editRGBHEX, &QLineEdit::returnPressed, this, [this] { Guarded(editRGBHEX, [&] { editRGBHEXChange(); }); });

    BitBtn1 = Named(new QPushButton(style()->standardIcon(QStyle::SP_BrowserReload), QStringLiteral("更新(&R)"), central),
                    "BitBtn1");
    BitBtn1->setGeometry(210, 103, 97, 26);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { Guarded(BitBtn1, [&] { BitBtn1Click(); }); });

    Panel1 = Named(new ColorPanel(central), "Panel1");
    Panel1->setGeometry(396, 32, 81, 57);
    connect(Panel1, &ColorPanel::clicked, this, [this] { Guarded(Panel1, [&] { Panel1Click(); }); });
    Panel4 = Named(new ColorPanel(central), "Panel4");
    Panel4->setGeometry(396, 94, 81, 57);
    connect(Panel4, &ColorPanel::clicked, this, [this] { Guarded(Panel4, [&] { Panel4Click(); }); });
}

void TformMain::CreateColorTable(QWidget* central)
{
    labelColFn = Named(new QLabel(QStringLiteral("■ Web標準色 140色"), central), "labelColFn");
    labelColFn->setGeometry(4, 134, 136, 20);
    cboxColor = Named(new ColorTableCombo(
                          [this](int row) {
                              return row >= 0 && static_cast<std::size_t>(row) < TableColors.size() ? TableColors[row]
                                                                                                      : TColor{0};
                          },
                          central),
                      "cboxColor");
    cboxColor->setGeometry(140, 132, 251, 24);
    connect(cboxColor, &QComboBox::activated, this, [this](int index) {
        Guarded(cboxColor, [&] {
            cboxColorClick(index);
            cboxColorSelect(index);
        });
    });
}

void TformMain::CreatePages(QWidget* central)
{
    PageControl1 = Named(new QTabWidget(central), "PageControl1");
    PageControl1->setGeometry(0, 160, 489, 353);
    PageControl1->tabBar()->setMouseTracking(true);  // hot-tracking tabs
    pageCIE = new CIEPage(*this, PageControl1);
    pageHue = new HuePage(*this, PageControl1);
    pageCMYK = new CMYKPage(*this, PageControl1);
    pageVideo = new VideoPage(*this, PageControl1);
    pageMunsell = new MunsellPage(*this, PageControl1);
    PageControl1->addTab(pageCIE, QStringLiteral("CIE"));
    PageControl1->addTab(pageHue, QStringLiteral("HUE"));
    PageControl1->addTab(pageCMYK, QStringLiteral("CMYK"));
    PageControl1->addTab(pageVideo, QStringLiteral("VIDEO"));
    PageControl1->addTab(pageMunsell, QStringLiteral("Munsell"));
    PageControl1->setCurrentIndex(1);
    connect(PageControl1->tabBar(), &QTabBar::tabBarClicked, this, [this](int index) {
        if (noActivePage_ && index >= 0) {
            noActivePage_ = false;
            if (QWidget* w = PageControl1->widget(index)) w->setVisible(true);
        }
    });

    Panel2 = Named(new ColorPanel(central), "Panel2");
    Panel2->setGeometry(16, 184, 81, 57);
    Panel3 = Named(new QFrame(central), "Panel3");
    static_cast<QFrame*>(Panel3)->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel3->setGeometry(120, 184, 113, 25);
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
    const RGBCode rgb = CurRGB;
    TrackBarRGB3->setValue(static_cast<int>((rgb >> 16) & 0xFF));
    TrackBarRGB2->setValue(static_cast<int>((rgb >> 8) & 0xFF));
    TrackBarRGB1->setValue(static_cast<int>(rgb & 0xFF));
    SpinEditRGB3->setText(QString::number((rgb >> 16) & 0xFF));
    SpinEditRGB2->setText(QString::number((rgb >> 8) & 0xFF));
    SpinEditRGB1->setText(QString::number(rgb & 0xFF));
    // The handlers set off above may have rebuilt CurRGB: read it afresh.
    editRGBHEX->setText(Hex(CurRGB));
    Panel1->setColor(CodeToColor(CurRGB));
}

void TformMain::DspDsetRGB(RGBCode rgb)
{
    Panel2->setColor(CodeToColor(rgb));
    Label3->setText(QStringLiteral("#") + Hex(rgb));
}

void TformMain::OverErr()
{
    platform::dialogs().beep();
    platform::Warning(this, QStringLiteral("値が範囲外です！"), platform::kYes);
}

void TformMain::TrackBarRGB1Change()
{
    if (InUpdate) return;
    GuardScope guard(InUpdate);
    CurRGB = static_cast<RGBCode>(TrackBarRGB3->value() & 0xFF) << 16 |
             static_cast<RGBCode>(TrackBarRGB2->value() & 0xFF) << 8 | static_cast<RGBCode>(TrackBarRGB1->value() & 0xFF);
    DspRGB();
}

void TformMain::SpinEditRGB1Change()
{
    if (InUpdate) return;
    GuardScope guard(InUpdate);
    const auto r = SpinEditRGB3->readInt(), g = SpinEditRGB2->readInt(), b = SpinEditRGB1->readInt();
    // A field that is not a number (empty while typing, a lone sign) leaves
    // everything as it is; the error handler passes conversion errors over.
    if (!r || !g || !b) throw ConvertError("not an integer");
    CurRGB = static_cast<RGBCode>(*r & 0xFF) << 16 | static_cast<RGBCode>(*g & 0xFF) << 8 |
             static_cast<RGBCode>(*b & 0xFF);
    DspRGB();
}

void TformMain::editRGBHEXChange()
{
    if (InUpdate) return;
    GuardScope guard(InUpdate);
    CurRGB = HexToCode(std::u16string_view(reinterpret_cast<const char16_t*>(editRGBHEX->text().utf16()),
                                           static_cast<std::size_t>(editRGBHEX->text().size())));
    DspRGB();
}

bool TformMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == editRGBHEX && event->type() == QEvent::FocusOut) {
        Guarded(editRGBHEX, [&] { editRGBHEXChange(); });
    } else if (watched == ToolButton6) {
        // The eyedropper (mouse down / mouse up on the picker button).
        if (event->type() == QEvent::MouseButtonPress) {
            ToolButton6->setDown(true);
            ToolButton6->setEnabled(true);
            QApplication::setOverrideCursor(platform::ScreenCursor(platform::kEyedropperCursor));
            pickActive_ = true;
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease && pickActive_) {
            pickActive_ = false;
            ToolButton6->setDown(false);
            QApplication::restoreOverrideCursor();
            Guarded(ToolButton6, [&] { PickScreenColour(); });
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TformMain::BitBtn1Click()
{
    GuardScope guard(InUpdate);
    RefreshPage(ActivePageIndex());
    Panel4->setColor(Panel1->color());
}

void TformMain::RefreshPage(int index)
{
    ModelPage* pages[] = {pageCIE, pageHue, pageCMYK, pageVideo, pageMunsell};
    if (index >= 0 && index < 5) pages[index]->Refresh();
}

void TformMain::Panel1Click()
{
    if (InUpdate) return;
    const auto chosen = platform::dialogs().chooseColor(this, platform::ToQColor(Panel1->color()));
    if (!chosen) return;
    GuardScope guard(InUpdate);
    CurRGB = ColorToCode(platform::FromQColor(*chosen));
    DspRGB();
}

void TformMain::Panel4Click()
{
    GuardScope guard(InUpdate);
    CurRGB = ColorToCode(Panel4->color());
    DspRGB();
}

// ---------------------------------------------------------------- log

void TformMain::LogWrite(const QString& text)
{
    if (!formLogViewer) return;
    formLogViewer->AppendLine(QStringLiteral("RGB=#") + editRGBHEX->text() + QLatin1Char(' ') + text);
}

void TformMain::New1Click()
{
    if (formLogViewer) formLogViewer->Clear();
    platform::Information(this, QStringLiteral("ログをクリアしました"));
}

void TformMain::Open1Click()
{
    platform::FileDialogOptions o;
    o.filter = kLogFilter;
    o.initialDir = ExeDir;
    o.mustExist = true;
    const QString path = platform::dialogs().openFile(this, o);
    if (path.isEmpty()) return;
    LogFileName = path;
    const QString text = platform::ReadTextFile(path);
    if (formLogViewer) {
        formLogViewer->SetLogText(text);
        formLogViewer->show();
    }
}

void TformMain::Save1Click()
{
    if (LogFileName.isEmpty()) {
        SaveAs1Click();
        return;
    }
    platform::WriteTextFile(LogFileName, formLogViewer ? formLogViewer->LogText() : QString());
}

void TformMain::SaveAs1Click()
{
    platform::FileDialogOptions o;
    o.filter = kLogFilter;
    o.initialDir = QFileInfo(saveDialogName_).isAbsolute() ? QFileInfo(saveDialogName_).path() : ExeDir;
    o.fileName = saveDialogName_;
    o.mustExist = false;
    const QString path = platform::dialogs().saveFile(this, o);
    if (path.isEmpty()) return;
    saveDialogName_ = path;
    platform::WriteTextFile(path, formLogViewer ? formLogViewer->LogText() : QString());
    LogFileName = path;
}

void TformMain::LogView1Click()
{
    if (!formLogViewer) return;
    formLogViewer->show();
    formLogViewer->raise();
}

// ---------------------------------------------------------------- shell

void TformMain::Exit1Click() { close(); }

void TformMain::Front1Click()
{
    Front1->setChecked(!Front1->isChecked());
    const bool on = Front1->isChecked();
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (visible) show();  // changing the flags hides the window
}

void TformMain::Contents1Click() { BrowseHelp(QStringLiteral("Qolvar.chm")); }

QString HelpPath(const QString& folder, const QString& fileName)
{
    // A compiled help file beside the program is opened as it is; otherwise
    // the HTML help installed beside the program stands in for it
    // (help/qolvar/index.html for "Qolvar.chm").
    const QString direct = folder + QLatin1Char('/') + fileName;
    if (QFileInfo::exists(direct)) return direct;
    const QString html =
        folder + QStringLiteral("/help/") + QFileInfo(fileName).completeBaseName().toLower() + QStringLiteral("/index.html");
    return QFileInfo::exists(html) ? html : direct;
}

void TformMain::BrowseHelp(const QString& fileName)
{
    DisplayResult(platform::dialogs().shellOpen(HelpPath(ExeDir, fileName)), fileName);
}

void TformMain::DisplayResult(int code, const QString& fileName) { app::DisplayResult(this, code, fileName); }

void DisplayResult(QWidget* parent, int code, const QString& fileName)
{
    const unsigned c = static_cast<unsigned>(code) & 0xFFFF;
    if (c >= 32) return;
    platform::Warning(parent, QStringLiteral("プログラムを起動できません \"") + fileName + QStringLiteral("\".\r") +
                                  QStringLiteral("Return Code ") + QString::number(c) + QStringLiteral(" ."));
}

void TformMain::About1Click()
{
    TAboutBox box(this);
    box.exec();
}

void TformMain::TabLoad1Click()
{
    platform::FileDialogOptions o;
    o.filter = QStringLiteral("Text files (*.tab,*.txt,*.csv)|*.tab;*.txt;*.csv|すべてのファイル(*.*)|*.*");
    o.initialDir = ExeDir;
    o.mustExist = true;
    const QString path = platform::dialogs().openFile(this, o);
    if (path.isEmpty()) return;
    TableFileName = path;
    LoadColorTable(path);
}

void TformMain::LoadColorTable(const QString& path)
{
    const QStringList rows = table::SplitTextLines(table::DecodeLocalText(table::ReadFileBytes(path)));
    SetColorRows(rows);
    // The base name: the file name without its folder and its last four
    // characters (a three-letter extension and its dot).
    const QString name = table::FileNamePart(path);
    const QString base = name.size() > 4 ? name.left(name.size() - 4) : QString();
    labelColFn->setText(QStringLiteral("  ■ ") + base + QLatin1Char(' ') + QString::number(rows.size()) +
                        QStringLiteral("色"));
}

void TformMain::SetColorRows(const QStringList& rows)
{
    QStringList shown = rows;
    // Sorted mode keeps the rows in ascending order of their texts, letter
    // case ignored; rows of equal text keep their file order.
    if (TblSort1->isChecked())
        std::stable_sort(shown.begin(), shown.end(), [](const QString& a, const QString& b) {
            return QString::compare(a, b, Qt::CaseInsensitive) < 0;
        });
    // The row colours follow the rows (the array grows with the table).
    if (!shown.isEmpty()) {
        if (TableColors.size() < static_cast<std::size_t>(shown.size())) TableColors.resize(shown.size());
        for (int i = 0; i < shown.size(); ++i) TableColors[i] = table::RawLineColor(shown[i]);
    }
    cboxColor->clear();
    cboxColor->addItems(shown);
    cboxColor->setCurrentIndex(-1);
}

void TformMain::cboxColorClick(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= TableColors.size()) return;
    GuardScope guard(InUpdate);
    CurRGB = ColorToCode(TableColors[index]);
    DspRGB();
}

void TformMain::cboxColorSelect(int index) { cboxColor->setToolTip(cboxColor->itemText(index)); }

void TformMain::TblEdit1Click()
{
    if (formTblEdit) {
        formTblEdit->show();
        formTblEdit->raise();
    }
}

void TformMain::TblSort1Click()
{
    TblSort1->setChecked(!TblSort1->isChecked());
    QStringList rows;
    for (int i = 0; i < cboxColor->count(); ++i) rows << cboxColor->itemText(i);
    if (TblSort1->isChecked()) {
        SetColorRows(rows);
        return;
    }
    // Back to file order: reload the table; if it can no longer be read the
    // rows stay in their sorted order (the failure is shown).
    LoadColorTable(TableFileName);
}

void TformMain::PickScreenColour()
{
    QPointer<TformMain> self(this);
    platform::PickScreenColour(this, QCursor::pos(), [self](TColor colour) {
        if (!self) return;
        self->Guarded(self, [&] {
            self->CurRGB = ColorToCode(colour);
            self->DspRGB();
        });
    });
}

// ---------------------------------------------------------------- errors

void TformMain::AppExceptionHandler(QObject*, const std::exception& e)
{
    if (dynamic_cast<const ConvertError*>(&e)) return;
    QString message = QString::fromUtf8(e.what());
    if (!message.isEmpty() && message.back() > QLatin1Char('.')) message += QLatin1Char('.');
    platform::dialogs().message(this, platform::MsgKind::Error, QStringLiteral("Qolvar"), message, platform::kOk);
}

// ---------------------------------------------------------------- start-up and exit

void TformMain::FormCreate()
{
    // Each step that fails is reported and the following steps still run,
    // so that a missing data file never costs the user the stored colour,
    // page or window place.
    auto step = [this](auto&& f) { Guarded(this, f); };
    step([] { platform::RegisterCursor(platform::kEyedropperCursor, platform::EyedropperCursor()); });
    ExeDir = ProgramFolder();
    step([&] {
        MunsellFileName = MunsellFileD65;
        LoadMunsellTable(ExeDir.toStdString());
    });
    step([] {
        if (!platform::RegKeyExists(kRegistryRoot)) platform::RegKeyCreate(kRegistryRoot);
    });
    step([&] {
        if (platform::RegKeyExists(kRegistryRoot + QLatin1Char('\\') + objectName()))
            platform::RestoreFormBounds(this, kRegistryRoot);
    });
    RestoreOptionStatus();
}

void TformMain::RestoreOptionStatus()
{
    std::unique_ptr<platform::RegIniFile> reg;
    Guarded(this, [&] { reg = std::make_unique<platform::RegIniFile>(kRegistryRoot); });
    auto readString = [&](const char* name, const QString& def) {
        QString v = def;
        if (reg) Guarded(this, [&] { v = reg->ReadString(kSection, QString::fromLatin1(name), def); });
        return v;
    };
    auto readInteger = [&](const char* name, qint64 def) {
        qint64 v = def;
        if (reg) Guarded(this, [&] { v = reg->ReadInteger(kSection, QString::fromLatin1(name), def); });
        return v;
    };
    TableFileName = readString("TableName", QString());
    if (TableFileName.isEmpty()) TableFileName = ExeDir + QStringLiteral("/Table/Web標準色.tab");
    Guarded(this, [&] { LoadColorTable(TableFileName); });
    {
        GuardScope guard(InUpdate);
        CurRGB = static_cast<RGBCode>(readInteger("RGB", 0));
        DspRGB();
    }
    SetActivePageIndex(static_cast<int>(readInteger("PageIndex", 1)));
    repaint();
}

void TformMain::FormDestroy()
{
    destroyed_ = true;
    Guarded(this, [&] {
        if (platform::RegKeyExists(kRegistryRoot)) platform::StoreFormBounds(this, kRegistryRoot);
    });
    Guarded(this, [&] { StoreOptionStatus(); });
}

void TformMain::StoreOptionStatus()
{
    platform::RegIniFile reg(kRegistryRoot);
    reg.WriteString(kSection, QStringLiteral("TableName"), TableFileName);
    reg.WriteInteger(kSection, QStringLiteral("RGB"), CurRGB);
    reg.WriteInteger(kSection, QStringLiteral("PageIndex"), ActivePageIndex());
}

}  // namespace qolvar::app
