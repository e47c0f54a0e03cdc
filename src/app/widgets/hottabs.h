// A tab widget whose tabs are hot-tracked: the tab under the pointer is
// highlighted, whatever the style draws for hovering.
#pragma once

#include <QTabBar>
#include <QTabWidget>

namespace qolvar::app {

class HotTrackTabBar : public QTabBar {
public:
    explicit HotTrackTabBar(QWidget* parent = nullptr);
    // The tab under the pointer, or -1.
    int HotTab() const { return hot_; }

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void SetHot(int index);
    int hot_ = -1;
};

class HotTrackTabWidget : public QTabWidget {
public:
    explicit HotTrackTabWidget(QWidget* parent = nullptr);
};

}  // namespace qolvar::app
