#include "icc.h"

#include <lcms2.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <mutex>
#include <tuple>
#include <vector>

namespace qolvar::icc {

namespace {

// The library reports why it refused a profile through a log handler; the
// first report of this thread since it was last cleared becomes the reason
// in our message.
thread_local std::string lastLibraryError;

// The first report is kept: it names the cause, later ones its consequences.
void LogError(cmsContext, cmsUInt32Number, const char* text)
{
    if (lastLibraryError.empty() && text) lastLibraryError = text;
}

void InstallErrorHandler()
{
    static std::once_flag once;
    std::call_once(once, [] { cmsSetLogErrorHandler(LogError); });
}

// The library's messages may quote bytes of the file (a tag's signature):
// anything but printable ASCII becomes '?', so that no control sequence
// reaches a terminal or a status line.
std::string Reason(const char* fallback)
{
    std::string reason = lastLibraryError.empty() ? fallback : lastLibraryError;
    lastLibraryError.clear();
    for (char& c : reason)
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7f) c = '?';
    return reason;
}

// A description as UTF-8, without the characters that could disturb where
// it is shown: C0 and C1 controls and the bidirectional controls become
// blanks, what is no character becomes U+FFFD.
std::string DescriptionText(const wchar_t* text, std::size_t length)
{
    std::string out;
    for (std::size_t i = 0; i < length && text[i] != 0; ++i) {
        auto c = static_cast<std::uint32_t>(text[i]);
        if (c < 0x20 || (c >= 0x7f && c < 0xa0) || c == 0x200e || c == 0x200f || (c >= 0x202a && c <= 0x202e) ||
            (c >= 0x2066 && c <= 0x2069))
            c = ' ';
        else if (c > 0x10ffff || (c >= 0xd800 && c < 0xe000))
            c = 0xfffd;
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xc0 | c >> 6));
            out.push_back(static_cast<char>(0x80 | (c & 0x3f)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xe0 | c >> 12));
            out.push_back(static_cast<char>(0x80 | (c >> 6 & 0x3f)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3f)));
        } else {
            out.push_back(static_cast<char>(0xf0 | c >> 18));
            out.push_back(static_cast<char>(0x80 | (c >> 12 & 0x3f)));
            out.push_back(static_cast<char>(0x80 | (c >> 6 & 0x3f)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3f)));
        }
    }
    return out;
}

constexpr std::size_t kMaxProfileBytes = 64u << 20;

const char* SpaceName(Space s)
{
    switch (s) {
    case Space::RGB: return "an RGB";
    case Space::CMYK: return "a CMYK";
    case Space::Gray: return "a grey";
    case Space::Other: break;
    }
    return "neither an RGB, a CMYK nor a grey";
}

cmsUInt32Number FormatOf(Space s)
{
    switch (s) {
    case Space::RGB: return TYPE_RGB_DBL;
    case Space::CMYK: return TYPE_CMYK_DBL;
    case Space::Gray: return TYPE_GRAY_DBL;
    case Space::Other: break;
    }
    return 0;
}

int ChannelsOf(Space s) { return s == Space::CMYK ? 4 : s == Space::Gray ? 1 : 3; }

std::atomic<std::size_t> builtTransforms{0};

}  // namespace

std::optional<Intent> ParseIntent(std::string_view text) noexcept
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (lower == "perceptual") return Intent::Perceptual;
    if (lower == "relative") return Intent::Relative;
    if (lower == "saturation") return Intent::Saturation;
    if (lower == "absolute") return Intent::Absolute;
    return std::nullopt;
}

const char* IntentName(Intent intent) noexcept
{
    switch (intent) {
    case Intent::Perceptual: return "perceptual";
    case Intent::Relative: return "relative";
    case Intent::Saturation: return "saturation";
    case Intent::Absolute: return "absolute";
    }
    return "relative";
}

Profile::Profile(void* handle, std::string label) : handle_(handle), label_(std::move(label))
{
    auto* h = static_cast<cmsHPROFILE>(handle_);
    switch (cmsGetColorSpace(h)) {
    case cmsSigRgbData: space_ = Space::RGB; break;
    case cmsSigCmykData: space_ = Space::CMYK; break;
    case cmsSigGrayData: space_ = Space::Gray; break;
    default: space_ = Space::Other;
    }
    wchar_t text[256] = {};
    const cmsUInt32Number bytes = cmsGetProfileInfo(h, cmsInfoDescription, "en", "US", text, sizeof text);
    lastLibraryError.clear();
    if (bytes >= sizeof(wchar_t))
        description_ = DescriptionText(text, std::min<std::size_t>(bytes / sizeof(wchar_t), 255));
    if (description_.find_first_not_of(' ') == std::string::npos) description_ = label_;
}

Profile::~Profile() { cmsCloseProfile(static_cast<cmsHPROFILE>(handle_)); }

ProfilePtr Profile::SRGB()
{
    static const ProfilePtr srgb = [] {
        InstallErrorHandler();
        return ProfilePtr(new Profile(cmsCreate_sRGBProfile(), "sRGB"));
    }();
    return srgb;
}

ProfilePtr Profile::Open(const std::string& path)
{
    // Only a file is read: a pipe or a device could keep the caller waiting
    // for ever.
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (!ec && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        throw ProfileError(path + ": is not a file");
    std::ifstream in(path, std::ios::binary);
    if (!in) throw ProfileError(path + ": cannot be opened (" + std::strerror(errno) + ")");
    std::vector<unsigned char> bytes;
    char buffer[65536];
    while (in) {
        in.read(buffer, sizeof buffer);
        bytes.insert(bytes.end(), buffer, buffer + in.gcount());
        if (bytes.size() > kMaxProfileBytes) throw ProfileError(path + ": is too large for an ICC profile");
    }
    if (in.bad()) throw ProfileError(path + ": cannot be read");
    return FromBytes(bytes, path);
}

ProfilePtr Profile::FromBytes(std::span<const unsigned char> bytes, std::string label)
{
    InstallErrorHandler();
    if (bytes.size() < 132) throw ProfileError(label + ": is not an ICC profile (too short)");
    if (bytes.size() > kMaxProfileBytes) throw ProfileError(label + ": is too large for an ICC profile");
    if (std::memcmp(bytes.data() + 36, "acsp", 4) != 0)
        throw ProfileError(label + ": is not an ICC profile (no 'acsp' signature)");
    lastLibraryError.clear();
    // The handle is closed should making the object fail.
    std::unique_ptr<void, decltype(&cmsCloseProfile)> h(
        cmsOpenProfileFromMem(bytes.data(), static_cast<cmsUInt32Number>(bytes.size())), &cmsCloseProfile);
    if (!h) throw ProfileError(label + ": cannot be read as an ICC profile (" + Reason("damaged") + ")");
    ProfilePtr profile(new Profile(h.get(), std::move(label)));
    h.release();
    return profile;
}

bool Profile::Serves(Intent intent, bool asInput) const noexcept
{
    return cmsIsIntentSupported(static_cast<cmsHPROFILE>(handle_), static_cast<cmsUInt32Number>(intent),
                                asInput ? LCMS_USED_AS_INPUT : LCMS_USED_AS_OUTPUT) != 0;
}

void Profile::Require(Space space, const char* role) const
{
    const cmsProfileClassSignature cls = cmsGetDeviceClass(static_cast<cmsHPROFILE>(handle_));
    const char* kind = nullptr;
    switch (cls) {
    case cmsSigInputClass:
    case cmsSigDisplayClass:
    case cmsSigOutputClass:
    case cmsSigColorSpaceClass: break;
    case cmsSigLinkClass: kind = "a device link"; break;
    case cmsSigAbstractClass: kind = "an abstract profile"; break;
    case cmsSigNamedColorClass: kind = "a named-colour profile"; break;
    default: kind = "a profile of an unknown class";
    }
    if (kind) throw ProfileError(label_ + ": is " + kind + ", not " + role);
    if (space_ != space) throw ProfileError(label_ + ": is " + SpaceName(space_) + " profile, not " + role);
}

Transform::Transform(void* handle, int inChannels, int outChannels)
    : handle_(handle), inChannels_(inChannels), outChannels_(outChannels)
{
}

Transform::~Transform() { cmsDeleteTransform(static_cast<cmsHTRANSFORM>(handle_)); }

std::size_t Transform::BuiltCount() noexcept { return builtTransforms.load(); }

namespace {

struct CacheEntry {
    ProfilePtr from, to;  // held so that the keys' pointers stay unique
    std::shared_ptr<const Transform> transform;
    std::uint64_t lastUse = 0;
};
std::mutex cacheMutex;
std::map<std::tuple<const Profile*, const Profile*, int, bool>, CacheEntry> cache;
std::uint64_t useClock = 0;
constexpr std::size_t kCacheSize = 16;

}  // namespace

std::shared_ptr<const Transform> Transform::Get(const ProfilePtr& from, const ProfilePtr& to, Intent intent,
                                                bool blackPointCompensation)
{
    InstallErrorHandler();
    const auto key = std::make_tuple(from.get(), to.get(), static_cast<int>(intent), blackPointCompensation);
    std::lock_guard lock(cacheMutex);
    if (auto it = cache.find(key); it != cache.end()) {
        it->second.lastUse = ++useClock;
        return it->second.transform;
    }
    const Space inSpace = from->DeviceSpace(), outSpace = to->DeviceSpace();
    if (inSpace == Space::Other) throw ProfileError(from->Label() + ": is " + SpaceName(inSpace) + " profile");
    if (outSpace == Space::Other) throw ProfileError(to->Label() + ": is " + SpaceName(outSpace) + " profile");
    cmsUInt32Number flags = cmsFLAGS_NOCACHE;
    if (blackPointCompensation) flags |= cmsFLAGS_BLACKPOINTCOMPENSATION;
    lastLibraryError.clear();
    cmsHTRANSFORM h = cmsCreateTransform(static_cast<cmsHPROFILE>(from->Handle()), FormatOf(inSpace),
                                         static_cast<cmsHPROFILE>(to->Handle()), FormatOf(outSpace),
                                         static_cast<cmsUInt32Number>(intent), flags);
    if (!h)
        throw ProfileError(from->Label() + " to " + to->Label() +
                           ": no transform can be made; a profile is damaged or lacks the tables it needs (" +
                           Reason("no reason given") + ")");
    std::unique_ptr<void, decltype(&cmsDeleteTransform)> guard(h, &cmsDeleteTransform);
    std::shared_ptr<const Transform> t(new Transform(h, ChannelsOf(inSpace), ChannelsOf(outSpace)));
    guard.release();
    ++builtTransforms;
    if (cache.size() >= kCacheSize)
        cache.erase(std::min_element(cache.begin(), cache.end(),
                                     [](const auto& a, const auto& b) { return a.second.lastUse < b.second.lastUse; }));
    cache.emplace(key, CacheEntry{from, to, t, ++useClock});
    return t;
}

void Transform::Apply(const double* in, double* out, std::size_t count) const noexcept
{
    auto* h = static_cast<cmsHTRANSFORM>(handle_);
    // The library counts pixels in 32 bits.
    constexpr std::size_t kChunk = 1u << 20;
    while (count > 0) {
        const std::size_t n = std::min(count, kChunk);
        cmsDoTransform(h, in, out, static_cast<cmsUInt32Number>(n));
        in += n * static_cast<std::size_t>(inChannels_);
        out += n * static_cast<std::size_t>(outChannels_);
        count -= n;
    }
}

RGBCode UnitRGBToCode(const double* rgb) noexcept
{
    RGBCode code = 0;
    for (int i = 0; i < 3; ++i) {
        const double v = std::nearbyint(rgb[i] * 255.0);
        const RGBCode c = v >= 255.0 ? 255u : v > 0.0 ? static_cast<RGBCode>(v) : 0u;
        code = code << 8 | c;
    }
    return code;
}

namespace {

void CodeToUnit(RGBCode code, double* out) noexcept
{
    out[0] = static_cast<double>(code >> 16 & 0xFF) / 255.0;
    out[1] = static_cast<double>(code >> 8 & 0xFF) / 255.0;
    out[2] = static_cast<double>(code & 0xFF) / 255.0;
}

double ClipInk(double v) noexcept { return v >= 0.0 ? std::min(v, 100.0) : 0.0; }

}  // namespace

CMYKConverter::CMYKConverter(ProfilePtr cmyk, Intent intent, bool blackPointCompensation) : profile_(std::move(cmyk))
{
    profile_->Require(Space::CMYK, "a CMYK profile");
    toInk_ = Transform::Get(Profile::SRGB(), profile_, intent, blackPointCompensation);
    toCode_ = Transform::Get(profile_, Profile::SRGB(), intent, blackPointCompensation);
}

Ink CMYKConverter::ToInk(RGBCode code) const noexcept
{
    Ink ink;
    ToInk(std::span<const RGBCode>(&code, 1), std::span<Ink>(&ink, 1));
    return ink;
}

void CMYKConverter::ToInk(std::span<const RGBCode> codes, std::span<Ink> inks) const noexcept
{
    constexpr std::size_t kBatch = 1024;
    double in[kBatch * 3], out[kBatch * 4];
    const std::size_t total = std::min(codes.size(), inks.size());
    for (std::size_t start = 0; start < total; start += kBatch) {
        const std::size_t n = std::min(kBatch, total - start);
        for (std::size_t i = 0; i < n; ++i) CodeToUnit(codes[start + i], in + 3 * i);
        toInk_->Apply(in, out, n);
        for (std::size_t i = 0; i < n; ++i)
            inks[start + i] = Ink{out[4 * i], out[4 * i + 1], out[4 * i + 2], out[4 * i + 3]};
    }
}

RGBCode CMYKConverter::ToCode(const Ink& ink) const noexcept
{
    RGBCode code = 0;
    ToCode(std::span<const Ink>(&ink, 1), std::span<RGBCode>(&code, 1));
    return code;
}

void CMYKConverter::ToCode(std::span<const Ink> inks, std::span<RGBCode> codes) const noexcept
{
    constexpr std::size_t kBatch = 1024;
    double in[kBatch * 4], out[kBatch * 3];
    const std::size_t total = std::min(codes.size(), inks.size());
    for (std::size_t start = 0; start < total; start += kBatch) {
        const std::size_t n = std::min(kBatch, total - start);
        for (std::size_t i = 0; i < n; ++i) {
            const Ink& ink = inks[start + i];
            double* p = in + 4 * i;
            p[0] = ClipInk(ink.c), p[1] = ClipInk(ink.m), p[2] = ClipInk(ink.y), p[3] = ClipInk(ink.k);
        }
        toCode_->Apply(in, out, n);
        for (std::size_t i = 0; i < n; ++i) codes[start + i] = UnitRGBToCode(out + 3 * i);
    }
}

ToSRGB::ToSRGB(ProfilePtr source, Intent intent) : profile_(std::move(source))
{
    const Space s = profile_->DeviceSpace();
    profile_->Require(s == Space::Other ? Space::RGB : s, "an RGB, grey or CMYK profile");
    transform_ = Transform::Get(profile_, Profile::SRGB(), intent, false);
}

RGBCode ToSRGB::Convert(std::span<const double> device) const noexcept
{
    double in[4] = {0, 0, 0, 0};
    std::copy_n(device.begin(), std::min<std::size_t>(device.size(), static_cast<std::size_t>(Channels())), in);
    double out[3];
    transform_->Apply(in, out, 1);
    return UnitRGBToCode(out);
}

RGBCode ToSRGB::Convert(RGBCode deviceCode) const noexcept
{
    double in[3];
    CodeToUnit(deviceCode, in);
    return Convert(in);
}

}  // namespace qolvar::icc
