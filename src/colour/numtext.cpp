#include "numtext.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace qolvar {

namespace {

// A plain decimal (digits, an optional point and more digits, no exponent)
// with at most 19 significant digits and 27 decimals is exactly m / 10^k
// with m and 10^k both exact in extended precision (m < 2^64, 5^27 < 2^64),
// so one correctly rounded division gives the correctly rounded value, the
// same bits as from_chars, at a fraction of its cost (the renotation table
// holds some 30 000 such numbers). Other texts return nullopt.
std::optional<long double> PlainDecimal(const char* digits, const char* end, bool negative)
{
    std::uint64_t m = 0;
    int significant = 0, decimals = 0;
    bool afterPoint = false;
    for (const char* c = digits; c != end; ++c) {
        if (*c == '.') {
            afterPoint = true;
            continue;
        }
        if (*c < '0' || *c > '9') return std::nullopt;
        if (m != 0 || *c != '0') ++significant;
        if (significant > 19) return std::nullopt;
        m = m * 10 + static_cast<std::uint64_t>(*c - '0');
        if (afterPoint && ++decimals > 27) return std::nullopt;
    }
    long double scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    const long double v = static_cast<long double>(m) / scale;
    return negative ? -v : v;
}

}  // namespace

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
    if (q == end) {
        if (const auto v = PlainDecimal(digits, end, p != digits && *p == '-')) return v;
    }
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

Decimal Expand(long double v)
{
    Decimal d;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17Le", v);  // d.ddddddddddddddddde±x
    const char* p = buf;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') d.digits.push_back(*p);
    const int e = (*p == 'e') ? std::atoi(p + 1) : 0;
    d.exp10 = e + 1;
    // Only a zero value has leading zeros.
    if (d.digits.find_first_not_of('0') == std::string::npos) {
        d.digits.clear();
        d.exp10 = 0;
    }
    return d;
}

void RoundTo(Decimal& d, int n)
{
    if (n < 0) {
        d.digits.clear();
        return;
    }
    const auto size = static_cast<std::size_t>(n);
    if (size >= d.digits.size()) return;
    const bool up = d.digits[size] >= '5';
    d.digits.resize(size);
    if (up) {
        std::size_t i = size;
        while (i > 0 && d.digits[i - 1] == '9') d.digits[--i] = '0';
        if (i > 0) {
            ++d.digits[i - 1];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exp10;
        }
    }
    const std::size_t last = d.digits.find_last_not_of('0');
    d.digits.resize(last == std::string::npos ? 0 : last + 1);
    if (d.digits.empty()) d.exp10 = 0;
}

namespace {

// Digit at position i of the integer + fraction (weight 10^(exp10-1-i)).
char DigitAt(const Decimal& d, int i)
{
    return (i >= 0 && static_cast<std::size_t>(i) < d.digits.size()) ? d.digits[static_cast<std::size_t>(i)] : '0';
}

std::string NonFiniteText(long double v) { return std::isnan(v) ? "NAN" : v < 0 ? "-INF" : "INF"; }

std::string PadLeft(std::string s, int width)
{
    if (static_cast<int>(s.size()) < width) s.insert(0, static_cast<std::size_t>(width) - s.size(), ' ');
    return s;
}

}  // namespace

std::string FixedText(long double v, int decimals, int width)
{
    if (!std::isfinite(v)) return PadLeft(NonFiniteText(v), width);
    Decimal d = Expand(v);
    RoundTo(d, d.exp10 + decimals);
    std::string s;
    if (d.negative && !d.digits.empty()) s.push_back('-');
    if (d.exp10 <= 0) {
        s.push_back('0');
    } else {
        for (int i = 0; i < d.exp10; ++i) s.push_back(DigitAt(d, i));
    }
    if (decimals > 0) {
        s.push_back('.');
        for (int k = 0; k < decimals; ++k) s.push_back(DigitAt(d, d.exp10 + k));
    }
    return PadLeft(std::move(s), width);
}

std::string GeneralText(long double v)
{
    if (!std::isfinite(v)) return NonFiniteText(v);
    Decimal d = Expand(v);
    RoundTo(d, 15);
    if (d.digits.empty()) return "0";
    std::string s;
    if (d.negative) s.push_back('-');
    const int n = static_cast<int>(d.digits.size());
    if (d.exp10 > 15 || d.exp10 < -4) {
        s.push_back(d.digits[0]);
        if (n > 1) {
            s.push_back('.');
            s.append(d.digits, 1, std::string::npos);
        }
        s.push_back('E');
        const int e = d.exp10 - 1;
        if (e < 0) s.push_back('-');
        s += std::to_string(e < 0 ? -e : e);
    } else if (d.exp10 <= 0) {
        s += "0.";
        s.append(static_cast<std::size_t>(-d.exp10), '0');
        s += d.digits;
    } else {
        for (int i = 0; i < d.exp10; ++i) s.push_back(DigitAt(d, i));
        if (n > d.exp10) {
            s.push_back('.');
            s.append(d.digits, static_cast<std::size_t>(d.exp10), std::string::npos);
        }
    }
    return s;
}

}  // namespace qolvar
