// The screen pick mode: a small window with the magnifier follows the
// pointer; the mouse and the keyboard are grabbed, so a click anywhere on
// the screen takes the colour. Wheel or + / − zoom, arrows move the pointer
// by one pixel (Shift: ten), Enter or a left click takes, Esc or a right
// click cancels.
#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "picking/magnifier.h"

namespace qolvar::app {

class PickSession : public QWidget {
    Q_OBJECT
public:
    // A top-level window (objectName "formPickMode") with a magnifier
    // ("magnifierPick") reading from surface; it deletes itself when the
    // pick ends.
    PickSession(std::unique_ptr<PickSurface> surface, int average, int zoom, QWidget* owner = nullptr);
    ~PickSession() override;

    // Shows the magnifier at a global position and grabs mouse and keys.
    void start(QPoint globalPos);
    QPoint position() const { return magnifier_->position(); }
    Magnifier* magnifier() const { return magnifier_; }

    // Ends the pick: takes the colour at the position (when there is one)
    // or cancels.
    void take();
    void cancel();

signals:
    void taken(RGBCode colour);
    void cancelled();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Moves the position (and, when warp, the pointer itself) and places
    // the window beside it, off the magnified square.
    void moveTo(QPoint globalPos, bool warp);
    void place();
    void finish();
    void retryGrab();

    std::unique_ptr<PickSurface> surface_;
    Magnifier* magnifier_ = nullptr;
    QTimer refresh_;
    QTimer grab_;
    int grabTries_ = 0;
    bool done_ = false;
};

}  // namespace qolvar::app
