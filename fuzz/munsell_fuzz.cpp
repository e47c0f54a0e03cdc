// Fuzz target: the renotation table loader, a search over whatever it
// loaded, and the interpolation grid built from it.
#include <unistd.h>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "colour/colour.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string folder = [] {
        char dir[] = "/tmp/qolvar-fuzz-XXXXXX";
        return std::string(mkdtemp(dir));
    }();
    {
        std::FILE* f = std::fopen((folder + "/fuzz.csv").c_str(), "wb");
        if (!f) return 0;
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    try {
        qolvar::ConversionConditions c;
        c.munsell = qolvar::ReadMunsellTable(folder + "/fuzz.csv", qolvar::MunsellIlluminant::D65);
        qolvar::TColorVec hvc, yxy;
        qolvar::YxyToHVC({0.31f, 0.33f, 20.0f}, hvc, c);
        qolvar::HVCToYxy({5.0f, 5.0f, 4.0f}, yxy, c);
        qolvar::RenotationYxyToHVC({0.31f, 0.33f, 20.0f}, hvc, c);
        qolvar::RenotationYxyToHVC({0.5f, 0.3f, 50.0f}, hvc, c);
        qolvar::RenotationHVCToYxy({5.0f, 5.0f, 4.0f}, yxy, c);
    } catch (const qolvar::ColourError&) {
    }
    return 0;
}
