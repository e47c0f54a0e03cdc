// The table editor's list: the document's lines as rows, each drawn as a
// swatch of its entry's colour and the line's text.
#pragma once

#include <QAbstractListModel>
#include <QListView>
#include <functional>

#include "table/document.h"

namespace qolvar::app {

class TformTblEdit;

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

// Draws a row: a swatch of the entry's colour (through `shown`, the colour
// as painted) at the left, then the line's text, grey with white text when
// selected.
QAbstractItemDelegate* MakeRowDelegate(const table::TblDocument& doc, std::function<TColor(TColor)> shown,
                                       QObject* parent);

// The table's list: fixed rows of 20 pixels, several rows selectable, the
// selected rows dragged within it. Drag and drop and the wheel are handed
// to the window's handlers.
class TblListBox : public QListView {
public:
    TblListBox(TformTblEdit& form, QWidget* parent);

    static constexpr int RowHeight = 20;

    // -1 when there is no current row.
    int CurrentRow() const;
    // The selected rows, ascending.
    QList<int> SelectedRows() const;
    // The index of the row shown at the top.
    int TopRow() const;
    void SetTopRow(int row);
    // Makes row current; selects first..last, or the current row alone
    // when first is negative.
    void SetCurrentRow(int row, int first = -1, int last = -1);

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    TformTblEdit& form_;
};

}  // namespace qolvar::app
