// Fuzz target: ICC profiles as the program reads them (a CMYK profile the
// user chooses, a profile embedded in an image or set on the screen). Any
// bytes must give a profile or a clean ProfileError, and a profile that is
// accepted must convert colours both ways without a crash, hang or read
// outside the bytes; converted codes stay within 24 bits.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

#include "colour/icc.h"

namespace {

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "icc_fuzz: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace qolvar::icc;
    ProfilePtr profile;
    try {
        profile = Profile::FromBytes(std::span(data, size), "fuzz");
    } catch (const ProfileError&) {
        return 0;
    }
    static constexpr qolvar::RGBCode kCodes[] = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0x808080, 0x3A7FC2};
    for (const Intent intent : {Intent::Perceptual, Intent::Relative, Intent::Absolute}) {
        try {
            const CMYKConverter cmyk(profile, intent, intent == Intent::Perceptual);
            for (const qolvar::RGBCode code : kCodes) {
                const Ink ink = cmyk.ToInk(code);
                if (cmyk.ToCode(ink) > 0xFFFFFF) Fail("a code beyond 24 bits");
            }
        } catch (const ProfileError&) {
        }
        try {
            const ToSRGB toSRGB(profile, intent);
            const double device[4] = {0.25, 0.5, 0.75, 10.0};
            if (toSRGB.Convert(std::span(device, 4)) > 0xFFFFFF) Fail("a code beyond 24 bits");
            if (profile->DeviceSpace() == Space::RGB)
                for (const qolvar::RGBCode code : kCodes)
                    if (toSRGB.Convert(code) > 0xFFFFFF) Fail("a code beyond 24 bits");
        } catch (const ProfileError&) {
        }
    }
    return 0;
}
