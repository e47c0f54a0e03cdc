// The monitors' colour profiles, for picks from the screen. The screen's
// pixels are the monitor's device values; where the desktop publishes the
// monitor's ICC profile, a picked colour is converted from it to sRGB
// (relative colorimetric), so that the code names the colour the monitor
// shows. On X11 the profile of screen n is the root window's property
// _ICC_PROFILE (n = 0) or _ICC_PROFILE_n, the screens numbered in the
// toolkit's order. Elsewhere (Wayland, where the portal's picker gives the
// colour) no profile is known and colours are taken as they are.
#pragma once

#include <QPoint>
#include <QString>
#include <memory>

#include "colour/icc.h"

namespace qolvar::platform {

// Which profile a pick went through: its name, or why a profile that was
// there was not used (both empty when there was none).
struct ProfileUse {
    QString name;
    QString problem;
};

struct MonitorProfile {
    // Device values to sRGB codes; null when the colours are taken as they
    // are.
    std::shared_ptr<const icc::ToSRGB> converter;
    ProfileUse use;
};

// Whether screen picks go through the monitor's profile (on unless turned
// off).
bool UseMonitorProfile();
void SetUseMonitorProfile(bool on);

// Marks the profiles read so far as stale: each screen's is read again when
// next asked for. A pick calls it as it starts, so that a profile the
// desktop changed meanwhile counts. Bytes that did not change keep the
// profile and transform made from them.
void RefreshMonitorProfiles();

// The profile of the screen that shows a device pixel; none while
// UseMonitorProfile() is off. Never throws: a profile that cannot be read
// or used is set aside with the reason in use.problem.
MonitorProfile MonitorProfileAt(QPoint devicePixel);

}  // namespace qolvar::platform
