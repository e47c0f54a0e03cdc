// Fuzz target: the program's arguments (`qolvar --pick` and its options),
// split at zero bytes. Whatever they are, the result is one of the kinds,
// a pick has a square of 1, 3, 5 or 7 and a known format, and a bad
// argument comes with a message of bounded length.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/picking/pickargs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 4096) return 0;
    std::vector<std::string> args;
    std::string current;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            args.push_back(current);
            current.clear();
        } else {
            current.push_back(static_cast<char>(data[i]));
        }
    }
    args.push_back(current);
    const auto r = qolvar::app::ParseProgramArgs(args);
    using K = qolvar::app::ProgramArgs;
    if (r.kind == K::Pick) {
        const int a = r.pick.average;
        if (a != 1 && a != 3 && a != 5 && a != 7) std::abort();
        if (r.pick.format != "hex" && r.pick.format != "rgb" && r.pick.format != "hsl") std::abort();
    }
    if (r.kind == K::Bad && (r.error.empty() || r.error.size() > 200)) std::abort();
    if (r.kind != K::Bad && !r.error.empty()) std::abort();
    return 0;
}
