// The main window's current colour (CurRGB) and its update guard
// (InUpdate). Setting a colour tells every part that shows it, in the
// order they subscribed, while the guard is held: change handlers of the
// controls they rewrite return at once, so nothing writes the colour back.
#pragma once

#include <QObject>

#include "colour/codes.h"

namespace qolvar::app {

class CurrentColour : public QObject {
    Q_OBJECT
public:
    // Where a new current colour came from.
    enum class Source {
        RGBSection,   // the track bars, spin edits or hexadecimal field
        Page,         // values typed on a model page
        ColourTable,  // a row of the colour table drop-down
        Picked,       // the eyedropper, the pick mode, an image
        Dialog,       // the colour dialog
        LastRefresh,  // the swatch of the last refresh
        Restored,     // the settings at start-up
    };
    Q_ENUM(Source)

    explicit CurrentColour(QObject* parent = nullptr) : QObject(parent) { setObjectName(QStringLiteral("CurRGB")); }

    RGBCode CurRGB() const { return rgb_; }
    bool& InUpdate() { return inUpdate_; }

    // Makes rgb current and emits changed under the update guard; a guard
    // the caller holds (a page converting typed values) stays held.
    void Set(RGBCode rgb, Source source)
    {
        const bool held = inUpdate_;
        inUpdate_ = true;
        rgb_ = rgb;
        try {
            emit changed(rgb, source);
        } catch (...) {
            inUpdate_ = held;
            throw;
        }
        inUpdate_ = held;
    }

signals:
    void changed(RGBCode rgb, Source source);

private:
    RGBCode rgb_ = 0;
    bool inUpdate_ = false;
};

}  // namespace qolvar::app
