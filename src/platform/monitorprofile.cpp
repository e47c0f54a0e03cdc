#include "monitorprofile.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <cstdlib>
#include <exception>
#include <span>
#include <vector>

#include "screenpick.h"

#if defined(QOLVAR_HAVE_XCB) && QT_CONFIG(xcb)
#include <xcb/xcb.h>
#define QOLVAR_ASK_X_SERVER 1
#endif

namespace qolvar::platform {

namespace {

// Profiles larger than this are refused unread.
constexpr qint64 kMaxProfileBytes = qint64(64) << 20;

struct PropertyBytes {
    QByteArray bytes;  // empty: no such property
    QString problem;
};

// A property of the X server's root window, all of it, whatever its type.
PropertyBytes ReadRootProperty(const QByteArray& name)
{
#ifdef QOLVAR_ASK_X_SERVER
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection) return {};
    // The toolkit shows its windows on one X screen; the desktops that
    // publish profiles run one X screen spread over the monitors.
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen) return {};
    // A name the server never heard of cannot name a property.
    xcb_intern_atom_reply_t* atomReply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, static_cast<std::uint16_t>(name.size()), name.constData()), nullptr);
    const xcb_atom_t atom = atomReply ? atomReply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    std::free(atomReply);
    if (atom == XCB_ATOM_NONE) return {};
    PropertyBytes result;
    qint64 total = -1;  // the length the first piece announces
    // Read in pieces of 1 MiB (lengths and offsets count 32-bit units).
    constexpr std::uint32_t kPiece = 1u << 18;
    for (std::uint32_t offset = 0;; offset += kPiece) {
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, screen->root, atom, XCB_GET_PROPERTY_TYPE_ANY, offset, kPiece),
            nullptr);
        if (!reply) return {};
        if (reply->type == XCB_ATOM_NONE) {  // the root window has no such property
            std::free(reply);
            return {};
        }
        if (reply->format != 8) {
            std::free(reply);
            return {{},
                    QCoreApplication::translate("qolvar::platform", "%1 はバイト列ではありません")
                        .arg(QString::fromLatin1(name))};
        }
        const int length = xcb_get_property_value_length(reply);
        const std::uint32_t after = reply->bytes_after;
        if (result.bytes.size() + length + static_cast<qint64>(after) > kMaxProfileBytes) {
            std::free(reply);
            return {{},
                    QCoreApplication::translate("qolvar::platform", "%1 が大きすぎます（64 MiB まで）")
                        .arg(QString::fromLatin1(name))};
        }
        result.bytes.append(static_cast<const char*>(xcb_get_property_value(reply)), length);
        std::free(reply);
        if (total < 0) total = length + static_cast<qint64>(after);
        // A property replaced between two pieces would splice two profiles:
        // its length tells, and the pick goes on without it.
        if (result.bytes.size() + static_cast<qint64>(after) != total)
            return {{},
                    QCoreApplication::translate("qolvar::platform", "%1 が読み取り中に変わりました")
                        .arg(QString::fromLatin1(name))};
        if (after == 0) return result;
    }
#else
    (void)name;
    return {};
#endif
}

MonitorProfile ProfileOf(const QByteArray& bytes, const QByteArray& property)
{
    auto profile = icc::Profile::FromBytes(
        std::span(reinterpret_cast<const unsigned char*>(bytes.constData()), static_cast<std::size_t>(bytes.size())),
        "the monitor's profile (" + property.toStdString() + ")");
    profile->Require(icc::Space::RGB, "an RGB profile");
    auto converter = std::make_shared<const icc::ToSRGB>(profile, icc::Intent::Relative);
    return {converter, {QString::fromStdString(profile->Description()), {}}};
}

// What is known of a screen's profile.
struct Known {
    QByteArray bytes;  // the property as last read
    QString readProblem;
    MonitorProfile profile;
    bool current = false;  // read since the last refresh
};

std::vector<Known>& KnownProfiles()
{
    static std::vector<Known> known;
    return known;
}

bool use = true;

}  // namespace

bool UseMonitorProfile() { return use; }
void SetUseMonitorProfile(bool on) { use = on; }

void RefreshMonitorProfiles()
{
    for (Known& k : KnownProfiles()) k.current = false;
}

MonitorProfile MonitorProfileAt(QPoint devicePixel)
{
    if (!use || !qGuiApp) return {};
    const qsizetype index = QGuiApplication::screens().indexOf(ScreenOfDevicePixel(devicePixel));
    if (index < 0) return {};
    std::vector<Known>& known = KnownProfiles();
    if (known.size() <= static_cast<std::size_t>(index)) known.resize(static_cast<std::size_t>(index) + 1);
    Known& k = known[static_cast<std::size_t>(index)];
    if (k.current) return k.profile;
    const QByteArray property =
        index == 0 ? QByteArrayLiteral("_ICC_PROFILE") : QByteArrayLiteral("_ICC_PROFILE_") + QByteArray::number(index);
    try {
        PropertyBytes read = ReadRootProperty(property);
        k.current = true;
        if (read.bytes == k.bytes && read.problem == k.readProblem) return k.profile;
        k.bytes = std::move(read.bytes);
        k.readProblem = read.problem;
        k.profile = {};
        if (!read.problem.isEmpty())
            k.profile.use.problem = read.problem;
        else if (!k.bytes.isEmpty())
            k.profile = ProfileOf(k.bytes, property);
    } catch (const std::exception& e) {
        // Out of memory, or a profile the library refused: the colours are
        // taken as they are.
        k.profile = {};
        k.profile.use.problem = QString::fromStdString(e.what());
    }
    return k.profile;
}

}  // namespace qolvar::platform
