// Folder picking/: taking colours from the screen and from images — the
// magnifier, the pick mode, the image viewer, the main window's pick
// commands and `qolvar --pick`. It includes widgets/ and the libraries.
//
// The main window's pick commands beside the eyedropper's press-drag-
// release: the screen pick mode with the magnifier, picking from an image
// file, the averaging square (kept in the settings), and the status bar's
// note of where a colour came from.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QPointer>
#include <QString>
#include <functional>

#include "colour/codes.h"
#include "picking/imagepick.h"
#include "picking/pickmode.h"
#include "platform/screenpick.h"

class QAction;
class QActionGroup;
class QMenu;
class QWidget;

namespace qolvar::app {

class PickCommands : public QObject {
public:
    struct Host {
        // Makes a taken colour current, as a pick does.
        std::function<void(RGBCode)> take;
        // A plain message on the status bar (for a few seconds: it covers
        // the colour facts shown there).
        std::function<void(const QString&)> say;
        // Runs a handler, the library's errors shown.
        std::function<void(const std::function<void()>&)> guarded;
    };
    PickCommands(QWidget* window, Host host);

    // The actions: actPickMode (画面から色を取る, Ctrl+Shift+P),
    // actPickImage (画像から色を取る..., Ctrl+I) and the averaging
    // choices actPickAverage1 .. actPickAverage7.
    QAction* pickModeAction() const { return pickMode_; }
    QAction* imageAction() const { return image_; }
    // The Options submenu of the averaging square (menuPickAverage).
    QMenu* addAverageMenu(QMenu* options);
    // The check entry UseMonitorProfile1: screen picks go through the
    // monitor's colour profile (on at first).
    QAction* monitorProfileAction() const { return monitorProfile_; }
    bool useMonitorProfile() const;
    void setUseMonitorProfile(bool on);

    int average() const { return average_; }
    // 1, 3, 5 or 7; anything else is 1.
    void setAverage(int size);

    // The pick mode at a global position where the screen can be read; else
    // the desktop portal's picker.
    void startPickMode(QPoint globalPos);
    // The eyedropper's press-drag-release pick, released at globalPos: the
    // device pixel under it.
    void pickAt(QPointF globalPos);
    // The image path: the open dialog, then the viewer.
    void pickImage();
    // Opens an image in the viewer; a file that cannot be read is reported
    // and changes nothing.
    void openImage(const QString& path);

    PickSession* session() const { return session_; }
    ImagePickWindow* imageWindow() const { return imageWindow_; }

private:
    void took(RGBCode colour, platform::PickPath path, const QString& detail = {},
              const platform::ProfileUse& profile = {});
    void failed(const QString& why);

    QWidget* window_;
    Host host_;
    int average_ = 1;
    int zoom_ = 8;
    QAction* pickMode_ = nullptr;
    QAction* image_ = nullptr;
    QActionGroup* averages_ = nullptr;
    QAction* monitorProfile_ = nullptr;
    QPointer<PickSession> session_;
    QPointer<ImagePickWindow> imageWindow_;
};

// The status bar's text for a taken colour; profile adds the colour profile
// it went through, or why the image's or monitor's profile was not used.
QString PickPathMessage(RGBCode colour, platform::PickPath path, const QString& detail,
                        const platform::ProfileUse& profile = {});

}  // namespace qolvar::app
