#include "tbledit.h"

#include <QAbstractListModel>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDrag>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "application.h"
#include "colour/errors.h"
#include "mainwindow.h"
#include "platform/colorpanel.h"
#include "platform/cursors.h"
#include "platform/dialogs.h"
#include "platform/screenpick.h"
#include "platform/spinedit.h"
#include "table/filenames.h"
#include "table/texts.h"
#include "table/textio.h"

namespace qolvar::app {

using platform::ColorPanel;
using platform::SpinEdit;

namespace {

// The format of a drag of rows within the list.
const QString kRowsMime = QStringLiteral("application/x-qolvar-table-rows");

template <class W>
W* Named(W* w, const char* name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QString CodeHex(std::uint32_t code) { return QString::fromStdString(CodeToHex(code)); }
QString ColorHex(TColor color) { return QString::fromStdString(ColorToHex(color)); }

std::uint32_t HexOf(const QString& text)
{
    return HexToCode(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                         static_cast<std::size_t>(text.size())));
}

// The picture beside the pointer while rows are dragged: one sheet, or a
// stack of three for several rows.
QPixmap DragPixmap(TformTblEdit::DragCursor kind)
{
    QPixmap pixmap(22, 22);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    const int sheets = kind == TformTblEdit::DragCursor::Multiple ? 3 : 1;
    for (int k = sheets - 1; k >= 0; --k) p.drawRect(2 + 4 * k, 2 + 4 * k, 11, 11);
    return pixmap;
}

// Small pictures for the edit commands on the tool bar.
enum class EditPicture { Cut, Copy, Paste, Delete, Insert };

QIcon EditIcon(EditPicture picture)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen ink(QColor(0x20, 0x20, 0x20), 1.2);
    auto sheet = [&](const QRectF& r) {
        p.setPen(ink);
        p.setBrush(Qt::white);
        p.drawRect(r);
    };
    switch (picture) {
    case EditPicture::Cut:  // scissors: two blades crossing above two rings
        p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.5));
        p.drawLine(QPointF(5, 1), QPointF(10.5, 10));
        p.drawLine(QPointF(11, 1), QPointF(5.5, 10));
        p.setPen(QPen(QColor(0x20, 0x40, 0xC0), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(4.5, 12.5), 2.5, 2.5);
        p.drawEllipse(QPointF(11.5, 12.5), 2.5, 2.5);
        break;
    case EditPicture::Copy:  // two sheets
        sheet(QRectF(1.5, 1.5, 8, 10));
        sheet(QRectF(6.5, 4.5, 8, 10));
        break;
    case EditPicture::Paste:  // a sheet on a board
        p.setPen(ink);
        p.setBrush(QColor(0xB0, 0x80, 0x40));
        p.drawRect(QRectF(1.5, 2.5, 10, 12));
        sheet(QRectF(6.5, 5.5, 8, 9));
        break;
    case EditPicture::Delete:  // a red cross
        p.setPen(QPen(QColor(0xD0, 0x20, 0x20), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3, 3), QPointF(13, 13));
        p.drawLine(QPointF(13, 3), QPointF(3, 13));
        break;
    case EditPicture::Insert:  // a sheet with a green plus
        sheet(QRectF(1.5, 1.5, 9, 12));
        p.setPen(QPen(QColor(0x10, 0xA0, 0x30), 2.2));
        p.drawLine(QPointF(11.5, 7), QPointF(11.5, 15));
        p.drawLine(QPointF(7.5, 11), QPointF(15.5, 11));
        break;
    }
    return QIcon(pixmap);
}

}  // namespace

// ---------------------------------------------------------------- the list

// The document's lines as the list's rows.
class TblLinesModel : public QAbstractListModel {
public:
    TblLinesModel(const table::TblDocument& doc, QObject* parent) : QAbstractListModel(parent), doc_(doc) {}

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : doc_.Count(); }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid() || index.row() >= doc_.Count()) return {};
        return doc_.Lines()[index.row()];
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        if (!index.isValid()) return Qt::ItemIsDropEnabled;
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
    }
    // The lines changed: every row anew.
    void Reset()
    {
        beginResetModel();
        endResetModel();
    }

private:
    const table::TblDocument& doc_;
};

namespace {

// A row: a swatch of the entry's colour at the left, then the line's text,
// grey with white text when selected.
class TblRowDelegate : public QStyledItemDelegate {
public:
    TblRowDelegate(const table::TblDocument& doc, QObject* parent) : QStyledItemDelegate(parent), doc_(doc) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QRect r = option.rect;
        const bool selected = option.state & QStyle::State_Selected;
        painter->save();
        painter->fillRect(r, selected ? QColor(0x80, 0x80, 0x80) : option.palette.color(QPalette::Base));
        const auto& entries = doc_.TblEntries();
        const auto row = static_cast<std::size_t>(index.row());
        const TColor colour = row < entries.size() ? entries[row].Color : 0;
        painter->fillRect(QRect(r.left() + 1, r.top(), 89, r.height() - 2), platform::ToQColor(colour));
        painter->setPen(selected ? Qt::white : Qt::black);
        painter->setFont(option.font);
        painter->drawText(QRect(r.left() + 94, r.top(), std::max(0, r.width() - 94), r.height()),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, index.data().toString());
        if (option.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(option);
            focus.backgroundColor = selected ? QColor(0x80, 0x80, 0x80) : option.palette.color(QPalette::Base);
            if (const QWidget* w = option.widget) w->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, w);
        }
        painter->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        return {option.rect.width(), TblListBox::RowHeight};
    }

private:
    const table::TblDocument& doc_;
};

}  // namespace

TblListBox::TblListBox(TformTblEdit& form, QWidget* parent) : QListView(parent), form_(form)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformItemSizes(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(false);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    // Scrolling during a drag follows the window's own rule.
    setAutoScroll(false);
}

int TblListBox::CurrentRow() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() : -1;
}

QList<int> TblListBox::SelectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& i : selectionModel()->selectedIndexes()) rows.append(i.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

int TblListBox::TopRow() const
{
    const_cast<TblListBox*>(this)->executeDelayedItemsLayout();
    return verticalScrollBar()->value();
}

void TblListBox::SetTopRow(int row)
{
    executeDelayedItemsLayout();
    verticalScrollBar()->setValue(row);
}

void TblListBox::SetCurrentRow(int row, int first, int last)
{
    QItemSelectionModel* selection = selectionModel();
    const int count = model()->rowCount();
    if (row < 0 || row >= count) {
        selection->clear();
        return;
    }
    if (first < 0) first = last = row;
    first = std::clamp(first, 0, count - 1);
    last = std::clamp(last, first, count - 1);
    selection->setCurrentIndex(model()->index(row, 0), QItemSelectionModel::NoUpdate);
    selection->select(QItemSelection(model()->index(first, 0), model()->index(last, 0)),
                      QItemSelectionModel::ClearAndSelect);
}

void TblListBox::startDrag(Qt::DropActions)
{
    if (SelectedRows().isEmpty()) return;
    auto* drag = new QDrag(this);
    auto* mime = new QMimeData;
    mime->setData(kRowsMime, QByteArray());
    drag->setMimeData(mime);
    drag->setPixmap(DragPixmap(form_.lboxColorStartDrag()));
    // The rows move in dropEvent; nothing is removed here afterwards.
    drag->exec(Qt::MoveAction, Qt::MoveAction);
}

void TblListBox::dragEnterEvent(QDragEnterEvent* event)
{
    if (form_.lboxColorDragOver(event->source(), qRound(event->position().y()))) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void TblListBox::dragMoveEvent(QDragMoveEvent* event)
{
    bool accepted = false;
    form_.Guard(this, [&] { accepted = form_.lboxColorDragOver(event->source(), qRound(event->position().y())); });
    if (accepted) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void TblListBox::dropEvent(QDropEvent* event)
{
    if (event->source() != this) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
    form_.Guard(this, [&] { form_.lboxColorDragDrop(qRound(event->position().y())); });
}

void TblListBox::wheelEvent(QWheelEvent* event)
{
    // The window's rule: one row a step. Taken here, so the window does not
    // scroll a second time.
    form_.Guard(this, [&] { form_.FormMouseWheel(event); });
    event->accept();
}

// ---------------------------------------------------------------- the window

TformTblEdit::TformTblEdit(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("formTblEdit"));
    QFont f(QStringLiteral("ＭＳ Ｐゴシック"));
    f.setPixelSize(12);
    setFont(f);

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
    layout()->setSizeConstraint(QLayout::SetFixedSize);

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

void TformTblEdit::HandleError(QObject* sender, const std::exception& e)
{
    if (TformMain* main = MainWindow()) {
        main->AppExceptionHandler(sender, e);
        return;
    }
    if (dynamic_cast<const ConvertError*>(&e)) return;
    platform::dialogs().message(this, platform::MsgKind::Error, table::ApplicationTitle, QString::fromUtf8(e.what()),
                                platform::kOk);
}

void TformTblEdit::CreateActions()
{
    auto make = [this](QAction*& a, const char* name, const QString& caption, const QString& hint,
                       const QKeySequence& key, void (TformTblEdit::*handler)()) {
        a = Named(new QAction(caption, this), name);
        a->setToolTip(hint);
        if (!key.isEmpty()) a->setShortcut(key);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, [this, a, handler] { Guard(a, [&] { (this->*handler)(); }); });
        addAction(a);
    };
    QStyle* s = style();
    make(FileNewCmd, "FileNewCmd", QStringLiteral("テーブル新規作成(&N)"), QStringLiteral("テーブル新規作成"),
         QKeySequence(Qt::CTRL | Qt::Key_N), &TformTblEdit::TblFileNew);
    FileNewCmd->setIcon(s->standardIcon(QStyle::SP_FileIcon));
    make(FileOpenCmd, "FileOpenCmd", QStringLiteral("テーブルを開く(&O)..."), QStringLiteral("色見本テーブルを開く"),
         QKeySequence(Qt::CTRL | Qt::Key_O), &TformTblEdit::TblFileOpen);
    FileOpenCmd->setIcon(s->standardIcon(QStyle::SP_DialogOpenButton));
    make(FileSaveCmd, "FileSaveCmd", QStringLiteral("上書き保存(&S)"), QStringLiteral("色見本テーブルを上書き保存"),
         QKeySequence(Qt::CTRL | Qt::Key_S), &TformTblEdit::TblFileSave);
    FileSaveCmd->setIcon(s->standardIcon(QStyle::SP_DialogSaveButton));
    make(FileSaveAsCmd, "FileSaveAsCmd", QStringLiteral("名前をつけて保存(&A)..."),
         QStringLiteral("色見本テーブルに名前をつけて保存"), QKeySequence(), &TformTblEdit::TblFileSaveAs);
    make(FileExitCmd, "FileExitCmd", QStringLiteral("編集終了(&X)"), QStringLiteral("ウィンドウを閉じる"),
         QKeySequence(Qt::ALT | Qt::Key_X), &TformTblEdit::TblFileExit);

    make(EditUndoCmd, "EditUndoCmd", QStringLiteral("元に戻す(&U)"), QStringLiteral("元に戻す"), QKeySequence(),
         &TformTblEdit::EditUndo);
    EditUndoCmd->setIcon(s->standardIcon(QStyle::SP_ArrowBack));
    make(EditCutCmd, "EditCutCmd", QStringLiteral("切り取り(&T)"), QStringLiteral("カット"), QKeySequence(),
         &TformTblEdit::EditCut);
    EditCutCmd->setIcon(EditIcon(EditPicture::Cut));
    make(EditCopyCmd, "EditCopyCmd", QStringLiteral("コピー(&C)"), QStringLiteral("コピー"), QKeySequence(),
         &TformTblEdit::EditCopy);
    EditCopyCmd->setIcon(EditIcon(EditPicture::Copy));
    make(EditPasteCmd, "EditPasteCmd", QStringLiteral("貼り付け(&P)"), QStringLiteral("貼り付け"), QKeySequence(),
         &TformTblEdit::EditPaste);
    EditPasteCmd->setIcon(EditIcon(EditPicture::Paste));
    make(EditDeleteCmd, "EditDeleteCmd", QStringLiteral("削除(&D)"), QStringLiteral("削除"),
         QKeySequence(Qt::SHIFT | Qt::Key_Delete), &TformTblEdit::EditDelete);
    EditDeleteCmd->setIcon(EditIcon(EditPicture::Delete));
    make(EditReplaceCmd, "EditReplaceCmd", QStringLiteral("置換(&R)"), QStringLiteral("置換"), QKeySequence(),
         &TformTblEdit::EditReplace);
    make(EditAddCmd, "EditAddCmd", QStringLiteral("追加(&A)"), QString(), QKeySequence(), &TformTblEdit::EditAdd);
    make(EditInsertCmd, "EditInsertCmd", QStringLiteral("一行挿入(&I)"), QStringLiteral("一行挿入"), QKeySequence(),
         &TformTblEdit::EditInsert);
    EditInsertCmd->setIcon(EditIcon(EditPicture::Insert));
    make(LogToTab1, "LogToTab1", QStringLiteral("ログファイルをテーブルに変換(&C)..."), QString(), QKeySequence(),
         &TformTblEdit::LogToTab);
    make(Tutorial1, "Tutorial1", QStringLiteral("使い方(&T)"), QString(), QKeySequence(),
         &TformTblEdit::Tutorial1Click);
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

    QMenu* file = Named(bar->addMenu(QStringLiteral("ファイル(&F)")), "File1");
    entry(file, FileNewCmd, QStringLiteral("新規作成(&N)"), "FileNew1", FileNewCmd->toolTip());
    file->addAction(FileOpenCmd);
    file->addAction(FileSaveCmd);
    file->addAction(FileSaveAsCmd);
    file->addAction(LogToTab1);
    file->addSeparator();
    file->addAction(FileExitCmd);

    QMenu* edit = Named(bar->addMenu(QStringLiteral("編集(&E)")), "Edit1");
    for (QAction* a : {EditUndoCmd, EditCutCmd, EditCopyCmd, EditPasteCmd, EditDeleteCmd}) edit->addAction(a);
    edit->addSeparator();
    // "置き換え" runs replace, like the action it is named after.
    Replace1 = entry(edit, EditReplaceCmd, QStringLiteral("置き換え(&R)"), "Replace1", EditReplaceCmd->toolTip(),
                     QKeySequence(Qt::CTRL | Qt::Key_H));
    entry(edit, EditAddCmd, QStringLiteral("末尾に追加(&A)"), "EditAdd1", QStringLiteral("末尾に追加"));
    edit->addAction(EditInsertCmd);
    edit->addSeparator();

    TblEditSort1 = Named(edit->addMenu(QStringLiteral("色見本をソート(&S)")), "TblEditSort1");
    sortGroup_ = new QActionGroup(this);
    sortGroup_->setExclusive(true);
    QAction** items[] = {&RGBU, &RGBD, &HU, &HD, &SU, &SD, &VU, &VD};
    const char* names[] = {"RGBU", "RGBD", "HU", "HD", "SU", "SD", "VU", "VD"};
    for (int m = 0; m < table::SortModeCount; ++m) {
        QAction* a = Named(new QAction(table::SortModeCaption(static_cast<table::SortMode>(m)), TblEditSort1), names[m]);
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

    QMenu* help = Named(bar->addMenu(QStringLiteral("ヘルプ(&H)")), "Help1");
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
    ToolButton1->setText(QStringLiteral("ログファイルをテーブルに変換&C..."));
    ToolButton1->setToolTip(QStringLiteral("ログファイルをテーブルに変換(C)"));
    ToolButton1->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    connect(ToolButton1, &QToolButton::clicked, LogToTab1, &QAction::trigger);
    StandardToolBar->addWidget(ToolButton1);
    StandardToolBar->addSeparator();
    for (QAction* a : {EditUndoCmd, EditCutCmd, EditCopyCmd, EditPasteCmd, EditDeleteCmd, EditInsertCmd})
        StandardToolBar->addAction(a);
    StandardToolBar->addSeparator();
    ToolButton2 = Named(new QToolButton(StandardToolBar), "ToolButton2");
    ToolButton2->setText(QStringLiteral("カラーピック&P"));
    ToolButton2->setToolTip(QStringLiteral("カラーピック(P)"));
    ToolButton2->setIcon(QIcon(platform::EyedropperCursor().bitmap().copy(8, 0, 24, 24)));
    ToolButton2->installEventFilter(this);
    StandardToolBar->addWidget(ToolButton2);
}

void TformTblEdit::CreateControls(QWidget* central)
{
    // The list at the left, the entry's fields in a column of 185 pixels at
    // the right.
    central->setFixedSize(537, 296);
    Label1 = Named(new QLabel(table::TblInitialTitle, central), "Label1");
    QFont bold = font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label1->setGeometry(4, 4, 329, 18);

    lboxColor = Named(new TblListBox(*this, central), "lboxColor");
    QFont listFont(QStringLiteral("ＭＳ Ｐ明朝"));
    listFont.setPixelSize(13);
    lboxColor->setFont(listFont);
    lboxColor->setGeometry(4, 26, 329, 265);
    model_ = new TblLinesModel(doc_, this);
    lboxColor->setModel(model_);
    lboxColor->setItemDelegate(new TblRowDelegate(doc_, lboxColor));
    connect(lboxColor, &QAbstractItemView::clicked, this, [this] { Guard(lboxColor, [&] { lboxColorClick(); }); });
    connect(lboxColor->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        if (!showingResult_) Guard(lboxColor, [&] { lboxColorClick(); });
    });

    const int x = 344, labelW = 52, fieldX = x + labelW;
    auto label = [&](const char* name, const QString& text, int y) {
        auto* l = Named(new QLabel(text, central), name);
        l->setGeometry(x, y + 3, labelW, 16);
        return l;
    };
    label("LabelNo", QStringLiteral("No."), 8);
    SpinEditNo = Named(new SpinEdit(central), "SpinEditNo");
    SpinEditNo->setRange(1, 0);
    SpinEditNo->setGeometry(fieldX, 8, 72, 22);

    label("LabelHex", QStringLiteral("RGB#"), 36);
    editRGBHEX = Named(new QLineEdit(QStringLiteral("0"), central), "editRGBHEX");
    editRGBHEX->setGeometry(fieldX, 36, 72, 22);
    connect(editRGBHEX, &QLineEdit::textChanged, this, [this] { Guard(editRGBHEX, [&] { editRGBHEXChange(); }); });

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
        s.spin->setGeometry(fieldX, s.y, 56, 22);
        connect(s.spin, &SpinEdit::changed, this, [this, sp = s.spin] { Guard(sp, [&] { SpinEditRGB1Change(); }); });
    }

    Panel1 = Named(new ColorPanel(central), "Panel1");
    Panel1->setGeometry(x + 114, 64, 64, 36);
    Panel1->setToolTip(QStringLiteral("色の設定"));
    connect(Panel1, &ColorPanel::clicked, this, [this] { Guard(Panel1, [&] { Panel1Click(); }); });
    Panel2 = Named(new ColorPanel(central), "Panel2");
    Panel2->setGeometry(x + 114, 102, 64, 36);
    connect(Panel2, &ColorPanel::clicked, this, [this] { Guard(Panel2, [&] { Panel2Click(); }); });

    label("LabelName", QStringLiteral("色名"), 146);
    editName = Named(new QLineEdit(central), "editName");
    editName->setGeometry(fieldX, 146, 133, 22);
    label("LabelComment", QStringLiteral("コメント"), 174);
    memoComment = Named(new QPlainTextEdit(central), "memoComment");
    memoComment->setGeometry(x, 194, 185, 64);

    struct Button {
        QToolButton*& button;
        const char* name;
        const char* text;
        const char* hint;
        QStyle::StandardPixmap icon;
        void (TformTblEdit::*handler)();
    };
    const Button buttons[] = {
        {spbtReplase, "spbtReplase", "置換", "カーソル位置に入れる", QStyle::SP_ArrowLeft, &TformTblEdit::EditReplace},
        {spbtAdd, "spbtAdd", "追加", "リストの末尾に追加", QStyle::SP_FileDialogNewFolder, &TformTblEdit::EditAdd},
        {spbtUp, "spbtUp", "上へ", "項目を上にあげる", QStyle::SP_ArrowUp, &TformTblEdit::spbtUpClick},
        {spbtDown, "spbtDown", "下へ", "項目を下にさげる", QStyle::SP_ArrowDown, &TformTblEdit::spbtDownClick},
    };
    int bx = x;
    for (const Button& b : buttons) {
        b.button = Named(new QToolButton(central), b.name);
        b.button->setText(QString::fromUtf8(b.text));
        b.button->setToolTip(QString::fromUtf8(b.hint));
        b.button->setIcon(style()->standardIcon(b.icon));
        b.button->setGeometry(bx, 266, 44, 24);
        bx += 47;
        connect(b.button, &QToolButton::clicked, this,
                [this, b = b.button, h = b.handler] { Guard(b, [&] { (this->*h)(); }); });
    }
}

// ---------------------------------------------------------------- showing the table

void TformTblEdit::ShowTblState()
{
    Label1->setText(doc_.Title());
    setWindowTitle(doc_.Caption());
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
    editRGBHEX->setText(ColorHex(Panel1->color()));
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
    editRGBHEX->setText(ColorHex(color));
    SetRGBSpins(HexOf(editRGBHEX->text()));
}

void TformTblEdit::editRGBHEXChange()
{
    if (InTblUpdate) return;
    GuardScope guard(InTblUpdate);
    // The first eight characters count; anything but hexadecimal digits
    // reads as 0.
    const std::uint32_t value = HexOf(editRGBHEX->text());
    SetRGBSpins(value);
    Panel1->setColor(CodeToColor(value));
}

void TformTblEdit::SpinEditRGB1Change()
{
    if (InTblUpdate) return;
    if (SpinEditRGB1->Text().isEmpty() || SpinEditRGB2->Text().isEmpty() || SpinEditRGB3->Text().isEmpty()) return;
    GuardScope guard(InTblUpdate);
    const auto r = SpinEditRGB3->readInt(), g = SpinEditRGB2->readInt(), b = SpinEditRGB1->readInt();
    if (!r || !g || !b) throw ConvertError("RGB の値が整数ではありません");
    // Each value counts by its low eight bits (300 is 44, -1 is 255).
    const RGBCode code = static_cast<RGBCode>(*r & 0xFF) << 16 | static_cast<RGBCode>(*g & 0xFF) << 8 |
                         static_cast<RGBCode>(*b & 0xFF);
    editRGBHEX->setText(CodeHex(code));
    Panel1->setColor(CodeToColor(code));
}

void TformTblEdit::Panel1Click()
{
    if (InTblUpdate) return;
    const auto chosen = platform::dialogs().chooseColor(this, platform::ToQColor(Panel1->color()));
    if (chosen) ShowEditedColor(platform::FromQColor(*chosen));
}

void TformTblEdit::Panel2Click() { ShowEditedColor(Panel2->color()); }

void TformTblEdit::ToolButton2MouseDown()
{
    ToolButton2->setDown(true);
    QApplication::setOverrideCursor(platform::ScreenCursor(platform::kEyedropperCursor));
    picking_ = true;
}

void TformTblEdit::ToolButton2MouseUp(QPoint globalPos)
{
    if (!picking_) return;
    picking_ = false;
    ToolButton2->setDown(false);
    QApplication::restoreOverrideCursor();
    QPointer<TformTblEdit> self(this);
    platform::PickScreenColour(this, globalPos, [self](TColor colour) {
        if (self) self->Guard(self, [&] { self->ShowEditedColor(colour); });
    });
}

bool TformTblEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ToolButton2) {
        if (event->type() == QEvent::MouseButtonPress) {
            Guard(ToolButton2, [&] { ToolButton2MouseDown(); });
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            const QPoint pos = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
            Guard(ToolButton2, [&] { ToolButton2MouseUp(pos); });
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------- file commands

bool TformTblEdit::CheckTblSave()
{
    if (!doc_.TblModified()) return true;
    const int answer =
        platform::Confirmation(this, table::SaveChangesQuestion(table::FileNamePart(doc_.File().TblFileName)),
                               platform::kYes | platform::kNo | platform::kCancel);
    if (answer == platform::kCancel) return false;
    // A save that fails throws, and the calling operation ends with it. A
    // save whose file dialog is cancelled saves nothing: the operation ends
    // too, so the changes are not lost.
    if (answer == platform::kYes) {
        TblFileSave();
        return !doc_.TblModified();
    }
    return true;
}

void TformTblEdit::TblFileRead(const QString& fileName) { ShowResult(doc_.TblFileRead(fileName)); }

void TformTblEdit::TblFileNew()
{
    if (!CheckTblSave()) return;
    {
        GuardScope showing(showingResult_);
        doc_.TblFileNew();
        model_->Reset();
    }
    {
        // The fields empty; the stored colour (Panel2) stays.
        GuardScope guard(InTblUpdate);
        SpinEditNo->setText(QStringLiteral("0"));
        Panel1->setColor(0);
        editRGBHEX->setText(QStringLiteral("0"));
        SetRGBSpins(0);
        editName->clear();
        memoComment->clear();
    }
    ShowTblState();
}

namespace {
// Where the file dialogs start: the current table's folder, else the
// program's table folder.
QString DialogFolder(const table::TblFileNames& names)
{
    return names.TblFileDir.isEmpty() ? ProgramFolder() + QStringLiteral("/Table") : names.TblFileDir;
}
}  // namespace

void TformTblEdit::TblFileOpen()
{
    if (!CheckTblSave()) return;
    platform::FileDialogOptions o;
    o.filter = table::TblOpenFilter;
    o.initialDir = DialogFolder(doc_.File());
    o.mustExist = true;
    const QString path = platform::dialogs().openFile(this, o);
    if (!path.isEmpty()) TblFileRead(path);
}

void TformTblEdit::TblFileSave()
{
    if (doc_.SaveNeedsName()) {
        TblFileSaveAs();
        return;
    }
    doc_.TblFileSave();
    ShowTblState();
}

void TformTblEdit::TblFileSaveAs()
{
    platform::FileDialogOptions o;
    o.filter = table::TblSaveFilter;
    o.defaultExt = table::TblSaveDefaultExt;
    o.fileName = table::ProposedSaveName(doc_.File());
    o.initialDir = DialogFolder(doc_.File());
    o.mustExist = false;
    const QString path = platform::dialogs().saveFile(this, o);
    if (path.isEmpty()) return;
    if (QFileInfo::exists(path) &&
        platform::Confirmation(this, table::OverwriteQuestion(table::FileNamePart(path)),
                               platform::kYes | platform::kNo | platform::kCancel) != platform::kYes)
        return;
    doc_.TblFileSaveAs(path);
    ShowTblState();
}

void TformTblEdit::TblFileExit() { close(); }

void TformTblEdit::LogToTab()
{
    // The conversion replaces the list: unsaved changes are asked about first.
    if (!CheckTblSave()) return;
    platform::FileDialogOptions o;
    o.filter = table::LogOpenFilter;
    o.initialDir = ProgramFolder();
    o.mustExist = true;
    const QString path = platform::dialogs().openFile(this, o);
    if (!path.isEmpty()) ShowResult(doc_.LogToTab(path));
}

bool TformTblEdit::FormCloseQuery() { return CheckTblSave(); }

void TformTblEdit::closeEvent(QCloseEvent* event)
{
    bool mayClose = false;
    Guard(this, [&] { mayClose = FormCloseQuery(); });
    if (mayClose)
        event->accept();
    else
        event->ignore();
}

// ---------------------------------------------------------------- operations on lines

void TformTblEdit::EditUndo() { ShowResult(doc_.EditUndo(lboxColor->CurrentRow())); }

void TformTblEdit::EditCut() { ShowResult(doc_.EditCut(lboxColor->CurrentRow(), lboxColor->SelectedRows())); }

void TformTblEdit::EditCopy() { QGuiApplication::clipboard()->setText(doc_.EditCopy(lboxColor->SelectedRows())); }

void TformTblEdit::EditPaste()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard->mimeData();
    if (!data || !data->hasText()) return;
    ShowResult(doc_.EditPaste(clipboard->text(), lboxColor->CurrentRow()));
}

void TformTblEdit::EditDelete()
{
    ShowResult(doc_.EditDelete(lboxColor->CurrentRow(), lboxColor->SelectedRows()));
}

void TformTblEdit::EditInsert() { ShowResult(doc_.EditInsert(lboxColor->CurrentRow())); }

void TformTblEdit::EditReplace()
{
    ShowResult(doc_.EditReplace(lboxColor->CurrentRow(), SpinEditNo->Text(), editRGBHEX->text(), editName->text(),
                                memoComment->toPlainText()));
}

void TformTblEdit::EditAdd()
{
    ShowResult(doc_.EditAdd(editRGBHEX->text(), editName->text(), memoComment->toPlainText()));
}

void TformTblEdit::spbtUpClick() { ShowResult(doc_.MoveUp(lboxColor->CurrentRow())); }

void TformTblEdit::spbtDownClick() { ShowResult(doc_.MoveDown(lboxColor->CurrentRow())); }

table::SortMode TformTblEdit::CheckedSortMode() const
{
    const QAction* items[] = {RGBU, RGBD, HU, HD, SU, SD, VU, VD};
    for (int m = 0; m < table::SortModeCount; ++m)
        if (items[m]->isChecked()) return static_cast<table::SortMode>(m);
    return table::SortMode::RGBU;
}

void TformTblEdit::TblEditSort1Click() { ShowResult(doc_.SortTable(CheckedSortMode(), lboxColor->CurrentRow())); }

// ---------------------------------------------------------------- drag and drop, wheel

TformTblEdit::DragCursor TformTblEdit::lboxColorStartDrag() const
{
    return lboxColor->SelectedRows().size() < 2 ? DragCursor::Single : DragCursor::Multiple;
}

bool TformTblEdit::lboxColorDragOver(const QObject* source, int y)
{
    if (source != lboxColor) return false;
    // Near the bottom edge the list scrolls down a row, near the top edge
    // up a row, so that rows can be dropped anywhere in a long table.
    const int top = lboxColor->TopRow();
    if (y > lboxColor->viewport()->height() - TblListBox::RowHeight)
        lboxColor->SetTopRow(top + 1);
    else if (y < TblListBox::RowHeight && top > 0)
        lboxColor->SetTopRow(top - 1);
    return true;
}

void TformTblEdit::lboxColorDragDrop(int y)
{
    ShowResult(doc_.DragDrop(lboxColor->CurrentRow(), lboxColor->SelectedRows(), y, TblListBox::RowHeight,
                             lboxColor->TopRow()));
}

void TformTblEdit::FormMouseWheelDown()
{
    const int top = lboxColor->TopRow();
    if (top < doc_.Count() - 1) lboxColor->SetTopRow(top + 1);
}

void TformTblEdit::FormMouseWheelUp()
{
    const int top = lboxColor->TopRow();
    if (top > 0) lboxColor->SetTopRow(top - 1);
}

void TformTblEdit::FormMouseWheel(QWheelEvent* event)
{
    wheelRest_ += event->angleDelta().y();
    for (; wheelRest_ <= -120; wheelRest_ += 120) FormMouseWheelDown();
    for (; wheelRest_ >= 120; wheelRest_ -= 120) FormMouseWheelUp();
}

void TformTblEdit::wheelEvent(QWheelEvent* event)
{
    Guard(this, [&] { FormMouseWheel(event); });
    event->ignore();
}

// ---------------------------------------------------------------- help

void TformTblEdit::Tutorial1Click()
{
    const QString name = QStringLiteral("TableEdit.chm");
    DisplayResult(this, platform::dialogs().shellOpen(HelpPath(ProgramFolder(), name)), name);
}

}  // namespace qolvar::app
