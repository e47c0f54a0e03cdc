// Picking a colour from an image file: a viewer window shows the image at
// its own size with the magnifier beside it. The pointer over the image, or
// the arrow keys (one pixel, Shift: ten), choose the position; wheel or
// + / − zoom the magnifier; Enter or a left click takes the colour, Esc or
// a right click (or closing the window) cancels. It needs no screen access,
// so it works on every desktop.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>

#include "picking/magnifier.h"

class QLabel;
class QScrollArea;

namespace qolvar::app {

// Reads an image as Qt's image plugins read it (PNG, JPEG, BMP, GIF, WebP
// where installed, …), the format known from the bytes. Nullopt, with the
// reason in *error, when it cannot be read.
std::optional<QImage> ReadPickImage(const QString& path, QString* error);

// The open dialog's filter: the image formats this Qt reads, then all files.
QString PickImageFilter();

class ImageView;

class ImagePickWindow : public QWidget {
    Q_OBJECT
public:
    // A window (objectName "formImagePick") showing image; it deletes
    // itself when closed.
    ImagePickWindow(QImage image, const QString& name, int average, int zoom, QWidget* owner = nullptr);
    ~ImagePickWindow() override;

    // The chosen position in the image's pixels.
    QPoint position() const { return magnifier_->position(); }
    void setPosition(QPoint position);
    Magnifier* magnifier() const { return magnifier_; }
    const QString& name() const { return name_; }
    // The image's embedded profile the colours go through, or why it was
    // not used.
    platform::ProfileUse profileUse() const { return surface_->profileUse(position()); }

    void take();
    void cancel();
    // Runs what a key does in the picker; false for other keys.
    bool pickKey(QKeyEvent* event);

signals:
    void taken(RGBCode colour, QPoint position);
    void cancelled();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void showPosition();

    std::unique_ptr<ImageSurface> surface_;
    QString name_;
    ImageView* view_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    Magnifier* magnifier_ = nullptr;
    QLabel* label_ = nullptr;
    QLabel* profile_ = nullptr;
    bool done_ = false;
};

}  // namespace qolvar::app
