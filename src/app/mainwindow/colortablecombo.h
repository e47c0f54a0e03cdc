// The main window's colour table drop-down: a list of table lines, each row
// drawn as a swatch of the line's colour with the line's text over it, in
// black or white, whichever reads better on the swatch.
#pragma once

#include <QComboBox>
#include <QStyledItemDelegate>
#include <functional>

#include "colour/codes.h"

namespace qolvar::app {

// The colour of a row by its index.
using RowColour = std::function<TColor(int)>;

// Draws one row (the list's rows and the closed drop-down's face alike).
void DrawColourRow(QPainter& painter, const QRect& rect, TColor colour, const QString& text);
// Black text on a swatch where black contrasts more than white (by the
// contrast ratio of the accessibility guidelines), white otherwise.
bool DarkTextOn(TColor colour);

class ColourRowDelegate : public QStyledItemDelegate {
public:
    ColourRowDelegate(RowColour colour, QObject* parent) : QStyledItemDelegate(parent), colour_(std::move(colour)) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    RowColour colour_;
};

class ColorTableCombo : public QComboBox {
    Q_OBJECT
public:
    ColorTableCombo(RowColour colour, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    RowColour colour_;
};

}  // namespace qolvar::app
