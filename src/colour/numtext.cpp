#include "numtext.h"

#include <charconv>

namespace qolvar {

std::optional<long double> ParseDecimal(std::string_view text)
{
    const char* p = text.data();
    const char* end = p + text.size();
    const char* q = p;
    if (q != end && (*q == '+' || *q == '-')) ++q;
    const char* digits = q;
    while (q != end && *q >= '0' && *q <= '9') ++q;
    bool any = q != digits;
    if (q != end && *q == '.') {
        ++q;
        const char* frac = q;
        while (q != end && *q >= '0' && *q <= '9') ++q;
        any = any || q != frac;
    }
    if (!any) return std::nullopt;
    if (q != end && (*q == 'e' || *q == 'E')) {
        ++q;
        if (q != end && (*q == '+' || *q == '-')) ++q;
        const char* exp = q;
        while (q != end && *q >= '0' && *q <= '9') ++q;
        if (q == exp) return std::nullopt;
    }
    if (q != end) return std::nullopt;
    // from_chars takes no leading '+'.
    const char* start = (p != end && *p == '+') ? p + 1 : p;
    long double v = 0;
    const auto res = std::from_chars(start, end, v);
    if (res.ec != std::errc() || res.ptr != end) return std::nullopt;
    return v;
}

std::optional<long double> ParseDecimalTrimmed(std::string_view text)
{
    auto blank = [](char c) { return c >= 1 && c <= 32; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return ParseDecimal(text);
}

}  // namespace qolvar
