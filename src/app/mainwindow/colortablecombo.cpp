#include "mainwindow/colortablecombo.h"
#include "widgets/winhelpers.h"

#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStylePainter>

#include "colour/contrast.h"
#include "platform/colorpanel.h"

namespace qolvar::app {

bool DarkTextOn(TColor colour)
{
    // Whichever of black and white contrasts more: white on DarkOrange or
    // DarkTurquoise is hard to read although their luma is below middle.
    const RGBCode code = ColorToCode(colour);
    return ContrastRatio(code, 0x000000) >= ContrastRatio(code, 0xFFFFFF);
}

void DrawColourRow(QPainter& painter, const QRect& rect, TColor colour, const QString& text)
{
    // The swatch leaves a one-pixel column on the left and a one-pixel line
    // at the bottom.
    painter.fillRect(QRect(QPoint(rect.left() + 1, rect.top()), QPoint(rect.right(), rect.bottom() - 1)),
                     platform::ToQColor(colour));
    painter.setPen(DarkTextOn(colour) ? Qt::black : Qt::white);
    const QFontMetrics fm(painter.font());
    painter.drawText(QPoint(rect.left() + 2, rect.top() + 3 + fm.ascent()), text);
}

void ColourRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    painter->save();
    DrawColourRow(*painter, option.rect, colour_(index.row()), index.data(Qt::DisplayRole).toString());
    if (option.state & QStyle::State_HasFocus || option.state & QStyle::State_Selected) {
        QPen pen(Qt::DotLine);
        pen.setColor(DarkTextOn(colour_(index.row())) ? Qt::black : Qt::white);
        painter->setPen(pen);
        painter->drawRect(option.rect.adjusted(1, 0, -1, -1));
    }
    painter->restore();
}

QSize ColourRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return QSize(QStyledItemDelegate::sizeHint(option, index).width(), 20);
}

ColorTableCombo::ColorTableCombo(RowColour colour, QWidget* parent) : QComboBox(parent), colour_(std::move(colour))
{
    setEditable(false);
    // About twenty rows open, with a scroll bar, whatever the style would
    // do (some open the whole table over the screen).
    setMaxVisibleItems(20);
    setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    setItemDelegate(new ColourRowDelegate(colour_, this));
    setFont(NamedFont(QStringLiteral("ＭＳ ゴシック"), 12, QFontDatabase::FixedFont));
}

void ColorTableCombo::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox opt;
    initStyleOption(&opt);
    opt.currentText.clear();
    painter.drawComplexControl(QStyle::CC_ComboBox, opt);
    if (currentIndex() >= 0) {
        const QRect face = style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, this);
        DrawColourRow(painter, face, colour_(currentIndex()), currentText());
    }
}

}  // namespace qolvar::app
