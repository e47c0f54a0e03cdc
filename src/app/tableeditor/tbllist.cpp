#include "tableeditor/tbllist.h"

#include <QDrag>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QWheelEvent>
#include <algorithm>
#include <utility>

#include "platform/colorpanel.h"
#include "tableeditor/tbledit.h"
#include "tableeditor/tblicons.h"

namespace qolvar::app {

namespace {

// The format of a drag of rows within the list.
const QString kRowsMime = QStringLiteral("application/x-qolvar-table-rows");

// A row: a swatch of the entry's colour at the left, then the line's text,
// grey with white text when selected.
class TblRowDelegate : public QStyledItemDelegate {
public:
    TblRowDelegate(const table::TblDocument& doc, std::function<TColor(TColor)> shown, QObject* parent)
        : QStyledItemDelegate(parent), doc_(doc), shown_(std::move(shown))
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QRect r = option.rect;
        const bool selected = option.state & QStyle::State_Selected;
        painter->save();
        painter->fillRect(r, selected ? QColor(0x80, 0x80, 0x80) : option.palette.color(QPalette::Base));
        const auto& entries = doc_.TblEntries();
        const auto row = static_cast<std::size_t>(index.row());
        const TColor colour = row < entries.size() ? entries[row].Color : 0;
        painter->fillRect(QRect(r.left() + 1, r.top(), 89, r.height() - 2), platform::ToQColor(shown_(colour)));
        painter->setPen(selected ? Qt::white : Qt::black);
        painter->setFont(option.font);
        painter->drawText(QRect(r.left() + 94, r.top(), std::max(0, r.width() - 94), r.height()),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, ShownText(index.data().toString()));
        if (option.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(option);
            focus.backgroundColor = selected ? QColor(0x80, 0x80, 0x80) : option.palette.color(QPalette::Base);
            if (const QWidget* w = option.widget)
                w->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, w);
        }
        painter->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        return {option.rect.width(), TblListBox::RowHeight};
    }

private:
    const table::TblDocument& doc_;
    std::function<TColor(TColor)> shown_;
};

}  // namespace

QAbstractItemDelegate* MakeRowDelegate(const table::TblDocument& doc, std::function<TColor(TColor)> shown,
                                       QObject* parent)
{
    return new TblRowDelegate(doc, std::move(shown), parent);
}

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

void TblListBox::keyPressEvent(QKeyEvent* event)
{
    const QModelIndex before = currentIndex();
    QListView::keyPressEvent(event);
    // Automatic scrolling is off for the drags' own rule; a row the keys
    // make current is still brought into view.
    if (currentIndex().isValid() && currentIndex() != before) scrollTo(currentIndex());
}

void TblListBox::startDrag(Qt::DropActions)
{
    if (SelectedRows().isEmpty()) return;
    auto* drag = new QDrag(this);
    auto* mime = new QMimeData;
    mime->setData(kRowsMime, QByteArray());
    drag->setMimeData(mime);
    drag->setPixmap(DragPixmap(form_.lboxColorStartDrag() == TformTblEdit::DragCursor::Multiple));
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

}  // namespace qolvar::app
