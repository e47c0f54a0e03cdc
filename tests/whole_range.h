// Whole-range properties visit all 16 777 216 colours in the normal build;
// the sanitizer build, many times slower, visits every 97th colour.
#pragma once

#include <cstdint>

namespace qolvar::test {

#ifdef QOLVAR_SANITIZED
inline constexpr std::uint32_t kRangeStep = 97;
#else
inline constexpr std::uint32_t kRangeStep = 1;
#endif

template <class F>
void ForEachColour(F&& f)
{
    for (std::uint32_t c = 0; c < 0x1000000; c += kRangeStep) f(c);
}

}  // namespace qolvar::test
