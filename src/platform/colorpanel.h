// A swatch: a panel showing one colour with a lowered bevel; clicking it
// raises clicked(). A swatch whose clicked() is connected takes the focus
// from the keyboard, and Space or Enter on it raise clicked() too. A
// display transform, when set, changes only how the colour is painted (a
// colour-vision simulation): color() stays the colour set.
#pragma once

#include <QFrame>
#include <functional>

#include "colour/codes.h"

namespace qolvar::platform {

class ColorPanel : public QFrame {
    Q_OBJECT
public:
    explicit ColorPanel(QWidget* parent = nullptr);
    // The colour as the platform's TColor value (0x00BBGGRR).
    TColor color() const { return color_; }
    void setColor(TColor color);
    // The colour as painted: the display transform of color(), or color().
    TColor shownColor() const;
    using DisplayTransform = std::function<TColor(TColor)>;
    // Repaints with the transform (none: the colour as it is).
    void setDisplayTransform(DisplayTransform transform);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void connectNotify(const QMetaMethod& signal) override;

private:
    TColor color_ = 0;
    DisplayTransform transform_;
};

// The QColor of a TColor.
QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);

}  // namespace qolvar::platform
