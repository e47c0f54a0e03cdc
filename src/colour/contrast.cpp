#include "contrast.h"

#include <cmath>
#include <utility>

namespace qolvar {

namespace {

long double Linear(unsigned byte)
{
    const long double c = byte / 255.0L;
    return c <= 0.03928L ? c / 12.92L : std::pow((c + 0.055L) / 1.055L, 2.4L);
}

}  // namespace

long double RelativeLuminance(RGBCode code)
{
    return 0.2126L * Linear((code >> 16) & 0xFF) + 0.7152L * Linear((code >> 8) & 0xFF) + 0.0722L * Linear(code & 0xFF);
}

long double ContrastRatio(RGBCode first, RGBCode second)
{
    long double l1 = RelativeLuminance(first), l2 = RelativeLuminance(second);
    if (l1 < l2) std::swap(l1, l2);
    return (l1 + 0.05L) / (l2 + 0.05L);
}

ContrastLevels ContrastLevelsOf(long double ratio)
{
    return {ratio >= 4.5L, ratio >= 7.0L, ratio >= 3.0L, ratio >= 4.5L};
}

}  // namespace qolvar
