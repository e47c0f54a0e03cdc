// The screen pick mode: a small window with the magnifier follows the
// pointer; the mouse and the keyboard are grabbed, so a click anywhere on
// the screen takes the colour. Wheel or + / − zoom, arrows move the pointer
// by one device pixel (Shift: ten), Enter or a left click takes, Esc or a
// right click cancels. The pick works in device pixels (see screenpick.h):
// under a scale factor every pixel of the screen can be reached and taken.
#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

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

    // Shows the magnifier at a global position (logical, as the pointer's
    // is given) and grabs mouse and keys.
    void start(QPoint globalPos);
    // The device pixel the pick is on.
    QPoint position() const { return magnifier_->position(); }
    Magnifier* magnifier() const { return magnifier_; }
    // The colour profile the colour at the position goes through.
    platform::ProfileUse profileUse() const { return surface_->profileUse(position()); }

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
    // Moves the position to a device pixel (and, when warp, the pointer
    // itself as near as it goes) and places the window beside it, off the
    // magnified square.
    void moveTo(QPoint devicePixel, bool warp);
    void place();
    void finish();
    void retryGrab();

    std::unique_ptr<PickSurface> surface_;
    Magnifier* magnifier_ = nullptr;
    QTimer refresh_;
    QTimer grab_;
    int grabTries_ = 0;
    bool done_ = false;
    // Where the keys put the pointer (logical), oldest first. The pointer
    // arriving there is the keys' doing, not the user's: the position stays
    // on the device pixel the keys chose, which the pointer may be unable
    // to reach. A move anywhere else is the user's and clears the list.
    std::vector<QPoint> warps_;
    // The last of them, while the pointer has not been moved since.
    std::optional<QPoint> parked_;
};

}  // namespace qolvar::app
