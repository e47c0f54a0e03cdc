// Fuzz target: the Munsell conversions through the shipped D65 renotation
// table on any values: YxyToHVC, HVCToYxy, HVCToRGB and RGBToHVC, by the
// table search or (selector bit 0x40) the renotation's interpolation. The input
// is read in records of 13 bytes: a selector, then three values, either
// any single-precision bit patterns or 32-bit integers scaled onto the
// usual ranges (and a little beyond). Only ColourError may come out.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "cli/cli.h"
#include "colour/colour.h"

namespace {

float Scaled(std::uint32_t bits, float lo, float hi)
{
    return lo + (hi - lo) * static_cast<float>(bits / 4294967295.0);
}

qolvar::ConversionConditions& Conditions()
{
    static qolvar::ConversionConditions c;
    return c;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The table as the command line loads it: beside the binary.
    try {
        Conditions().munsell = qolvar::LoadMunsellTable(qolvar::cli::ProgramFolder(), qolvar::MunsellIlluminant::D65);
    } catch (const qolvar::ColourError& e) {
        std::fprintf(stderr, "munsellconv_fuzz: %s\n", e.what());
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    constexpr std::size_t kRecord = 13;
    for (std::size_t at = 0; at + kRecord <= size && at < 64 * kRecord; at += kRecord) {
        const std::uint8_t selector = data[at];
        std::uint32_t w[3];
        std::memcpy(w, data + at + 1, sizeof w);
        const bool raw = selector & 0x80;
        qolvar::TColorVec v{};
        for (int k = 0; k < 3; ++k) std::memcpy(&v[k], &w[k], sizeof(float));
        qolvar::TColorVec hvc{}, yxy{};
        qolvar::ConversionConditions& c = Conditions();
        c.method = (selector & 0x40) ? qolvar::MunsellMethod::Renotation : qolvar::MunsellMethod::Search;
        try {
            switch (selector % 4) {
            case 0:  // Yxy
                if (!raw) v = {Scaled(w[0], -0.1f, 1.1f), Scaled(w[1], -0.1f, 1.1f), Scaled(w[2], -10, 120)};
                qolvar::MunsellYxyToHVC(v, hvc, c);
                break;
            case 1:  // H V C
                if (!raw) v = {Scaled(w[0], -10, 110), Scaled(w[1], -1, 11), Scaled(w[2], -1, 50)};
                qolvar::MunsellHVCToYxy(v, yxy, c);
                break;
            case 2:
                if (!raw) v = {Scaled(w[0], -10, 110), Scaled(w[1], -1, 11), Scaled(w[2], -1, 50)};
                (void)qolvar::MunsellHVCToRGB(v, yxy, c);
                break;
            default: {
                qolvar::MunsellRGBToHVC(w[0] & (raw ? 0xFFFFFFFFu : 0xFFFFFFu), hvc, yxy, c);
                // And back, as the Munsell page shows it.
                (void)qolvar::MunsellHVCToRGB(hvc, yxy, c);
                break;
            }
            }
        } catch (const qolvar::ColourError&) {
        }
    }
    return 0;
}
