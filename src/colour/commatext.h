// Splitting a line of comma-separated text into tokens, by the comma-text
// rule of the program's string lists:
//  1. Bytes 1..32 are blanks; blanks at the start are skipped.
//  2. A token that begins with a double quote runs to the next double quote
//     that is not doubled; a doubled quote inside stands for one; the
//     enclosing quotes are not part of the token and the scan goes on right
//     after the closing quote. Without a closing quote the token is the rest
//     of the line less its last character.
//  3. Any other token runs up to, not including, the first blank or comma.
//     (Bytes of multibyte characters are never blanks or commas, so such a
//     character is passed over whole.)
//  4. After a token blanks are skipped; a comma there is skipped with the
//     blanks after it, and a comma that is the last character of the line
//     adds one empty token. Two commas in a row give an empty token.
// Works on bytes (char) and on UTF-16 units (char16_t) alike.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qolvar {

template <class Char>
std::vector<std::basic_string<Char>> SplitCommaText(std::basic_string_view<Char> line)
{
    auto blank = [](Char c) { return c >= 1 && c <= 32; };
    std::vector<std::basic_string<Char>> tokens;
    std::size_t p = 0;
    const std::size_t n = line.size();
    // A NUL ends the text, as it ends a C string.
    for (std::size_t k = 0; k < n; ++k)
        if (line[k] == 0) {
            line = line.substr(0, k);
            break;
        }
    const std::size_t end = line.size();
    while (p < end && blank(line[p])) ++p;
    while (p < end) {
        std::basic_string<Char> token;
        if (line[p] == '"') {
            std::size_t q = p + 1;
            bool closed = false;
            while (q < end) {
                if (line[q] == '"') {
                    if (q + 1 < end && line[q + 1] == '"') {
                        token.push_back('"');
                        q += 2;
                        continue;
                    }
                    closed = true;
                    break;
                }
                token.push_back(line[q]);
                ++q;
            }
            if (closed) {
                p = q + 1;
            } else {
                const auto rest = line.substr(p + 1);
                token.assign(rest.substr(0, rest.empty() ? 0 : rest.size() - 1));
                p = end;
            }
        } else {
            const std::size_t start = p;
            while (p < end && !blank(line[p]) && line[p] != ',') ++p;
            token.assign(line.substr(start, p - start));
        }
        tokens.push_back(std::move(token));
        while (p < end && blank(line[p])) ++p;
        if (p < end && line[p] == ',') {
            if (p + 1 == end) tokens.emplace_back();
            do {
                ++p;
            } while (p < end && blank(line[p]));
        }
    }
    return tokens;
}

inline std::vector<std::string> SplitCommaText(std::string_view line) { return SplitCommaText<char>(line); }

}  // namespace qolvar
