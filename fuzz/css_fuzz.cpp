// Fuzz target: the CSS colour reader.
//   - any bytes are read or refused, never crash or hang, and a refusal
//     says why;
//   - a colour is a 24-bit code, except bare digits, which read as the
//     hexadecimal field has always read them;
//   - blanks around the text change nothing.
// A violation aborts, so that the fuzzer keeps the input.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "colour/codes.h"
#include "colour/csscolour.h"

namespace {

void Check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "css_fuzz: %s\n", what);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string why;
    const auto colour = qolvar::ReadCssColour(text, &why);
    if (!colour) {
        Check(!why.empty(), "a refusal without a reason");
    } else {
        std::string_view trimmed = text;
        const std::string_view blanks = " \t\n\r\f";
        while (!trimmed.empty() && blanks.find(trimmed.front()) != std::string_view::npos) trimmed.remove_prefix(1);
        while (!trimmed.empty() && blanks.find(trimmed.back()) != std::string_view::npos) trimmed.remove_suffix(1);
        const bool bareDigits = trimmed.find_first_not_of("0123456789abcdefABCDEF") == std::string_view::npos;
        if (bareDigits)
            Check(colour->code == qolvar::HexToCode(trimmed),
                  "hexadecimal digits read otherwise than the field reads them");
        else
            Check(colour->code <= 0xFFFFFF, "a colour beyond 24 bits");
    }
    const auto padded = qolvar::ReadCssColour(" " + std::string(text) + "\t");
    Check(padded.has_value() == colour.has_value() && (!colour || padded->code == colour->code),
          "blanks around the text changed it");
    return 0;
}
