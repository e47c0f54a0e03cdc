#include "widgets/hottabs.h"

#include <QMouseEvent>
#include <QPainter>

namespace qolvar::app {

HotTrackTabBar::HotTrackTabBar(QWidget* parent) : QTabBar(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
}

void HotTrackTabBar::SetHot(int index)
{
    if (index == hot_) return;
    hot_ = index;
    update();
}

void HotTrackTabBar::mouseMoveEvent(QMouseEvent* event)
{
    SetHot(tabAt(event->position().toPoint()));
    QTabBar::mouseMoveEvent(event);
}

void HotTrackTabBar::leaveEvent(QEvent* event)
{
    SetHot(-1);
    QTabBar::leaveEvent(event);
}

void HotTrackTabBar::paintEvent(QPaintEvent* event)
{
    QTabBar::paintEvent(event);
    // The current tab is already marked; a hovered other tab gets a light
    // wash of the highlight colour over what the style drew.
    if (hot_ < 0 || hot_ >= count() || hot_ == currentIndex() || !isTabEnabled(hot_)) return;
    QPainter p(this);
    QColor wash = palette().color(QPalette::Highlight);
    wash.setAlpha(48);
    p.fillRect(tabRect(hot_).adjusted(2, 2, -2, 0), wash);
}

HotTrackTabWidget::HotTrackTabWidget(QWidget* parent) : QTabWidget(parent) { setTabBar(new HotTrackTabBar(this)); }

}  // namespace qolvar::app
