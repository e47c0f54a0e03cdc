// Reading a renotation table file into a MunsellData.
#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>

#include "commatext.h"
#include "errors.h"
#include "munsell.h"
#include "numtext.h"

namespace qolvar {

const std::array<const char*, 11> MunsellHueNames = {"R", "YR", "Y", "GY", "G", "BG", "B", "PB", "P", "RP", "N"};

const char* MunsellFileOf(MunsellIlluminant illuminant)
{
    return illuminant == MunsellIlluminant::C ? MunsellFileC : MunsellFileD65;
}

WhitePoint WhiteOf(MunsellIlluminant illuminant) { return illuminant == MunsellIlluminant::C ? WhiteC : WhiteD65; }

HueTextParts SplitHueText(std::string_view text)
{
    HueTextParts parts;
    for (const char c : text) {
        const char u = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        if ((u >= '0' && u <= '9') || u == '.' || u == '-' || u == '\b')
            parts.number += u;
        else if (u != ' ')
            parts.family += u;
    }
    parts.familyIndex = 0;
    while (parts.familyIndex < MunsellHueNames.size() && parts.family != MunsellHueNames[parts.familyIndex])
        ++parts.familyIndex;
    return parts;
}

namespace {

// The fields of a table line, as SplitCommaText gives them. A line of
// numbers and commas alone (the whole of a well-formed table, less its CR)
// is cut at its commas directly, which is what the comma-text rule does
// with such a line and costs far less; anything else takes the rule.
std::vector<std::string> TableFields(std::string_view line)
{
    std::string_view body = line;
    if (!body.empty() && body.back() == '\r') body.remove_suffix(1);
    const bool plain =
        !body.empty() && body.back() != ',' && body.find_first_not_of("0123456789.+-eE,") == std::string_view::npos;
    if (!plain) return SplitCommaText(line);
    std::vector<std::string> fields;
    fields.reserve(6);
    std::size_t from = 0;
    for (;;) {
        const std::size_t comma = body.find(',', from);
        fields.emplace_back(body.substr(from, comma == std::string_view::npos ? std::string_view::npos : comma - from));
        if (comma == std::string_view::npos) return fields;
        from = comma + 1;
    }
}

// A decimal number as the table file holds it, stored as a single.
bool ReadField(const std::string& text, float& out)
{
    const auto v = ParseDecimal(text);
    if (!v) return false;
    const float f = static_cast<float>(*v);
    if (std::isinf(f)) return false;
    out = f;
    return true;
}

[[noreturn]] void LineError(const std::string& path, int line, Message reason)
{
    throw FileError(
        Message{MessageId::AtLine, {path, std::to_string(line)}, std::make_shared<const Message>(std::move(reason))});
}

// The rows of the table file at path; throws FileError as ReadMunsellTable
// describes.
std::vector<MunsellRow> ReadMunsellRows(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) throw FileError(Message{MessageId::FileNotOpened, {path}, nullptr});
    // A full table is a few hundred kilobytes; a file that is far larger (or
    // endless, a device) is refused. A read that fails (the path is a
    // folder) is a file error like any other, never a stream exception.
    constexpr std::size_t kMaxTableBytes = std::size_t(4) << 20;
    std::string data;
    try {
        char chunk[1 << 16];
        while (file.read(chunk, sizeof chunk) || file.gcount() > 0) {
            data.append(chunk, static_cast<std::size_t>(file.gcount()));
            if (data.size() > kMaxTableBytes) throw FileError(Message{MessageId::FileTooLarge, {path}, nullptr});
        }
    } catch (const std::ios_base::failure&) {
        throw FileError(Message{MessageId::FileNotRead, {path}, nullptr});
    }
    if (file.bad()) throw FileError(Message{MessageId::FileNotRead, {path}, nullptr});
    file.close();

    std::vector<MunsellRow> rows;
    std::size_t start = 0;
    int lineNo = 0;
    while (start < data.size()) {
        // Lines end in LF, CR LF or CR alone.
        std::size_t nl = data.find_first_of("\r\n", start);
        if (nl == std::string::npos) nl = data.size();
        std::string_view line(data.data() + start, nl - start);
        start = nl + 1;
        if (nl + 1 < data.size() && data[nl] == '\r' && data[nl + 1] == '\n') ++start;
        ++lineNo;
        const auto fields = TableFields(line);
        if (fields.size() < 6) LineError(path, lineNo, Message{MessageId::NoSixValues, {}, nullptr});
        float v[6];
        for (int i = 0; i < 6; ++i)
            if (!ReadField(fields[i], v[i]))
                LineError(path, lineNo, Message{MessageId::NotANumber, {fields[i]}, nullptr});
        if (rows.size() == MunsellCapacity)
            throw FileError(Message{MessageId::TooManyRows, {path, std::to_string(MunsellCapacity)}, nullptr});
        rows.push_back({v[0], v[1], v[2], v[3], v[4], v[5]});
    }
    return rows;
}

}  // namespace

MunsellTablePtr ReadMunsellTable(const std::string& path, MunsellIlluminant illuminant)
{
    return std::make_shared<const MunsellData>(ReadMunsellRows(path), illuminant);
}

MunsellTablePtr LoadMunsellTable(const std::string& folder, MunsellIlluminant illuminant)
{
    std::string name = MunsellFileOf(illuminant);
    for (char& c : name)
        if (c == '\\') c = '/';
    return ReadRenotationTable(folder + name, illuminant);
}

MunsellTablePtr ReadRenotationTable(const std::string& path, MunsellIlluminant illuminant)
{
    MunsellTablePtr table = ReadMunsellTable(path, illuminant);
    // A renotation table has samples on every hue page; one that lacks
    // pages (a damaged file, or one read as a single line) is refused rather
    // than giving every colour the notation of the few rows it has.
    const int pages = HuePagesOf(table->Rows());
    if (pages < kHuePages)
        throw FileError(
            Message{MessageId::TooFewHuePages, {path, std::to_string(pages), std::to_string(kHuePages)}, nullptr});
    return table;
}

int HuePagesOf(std::span<const MunsellRow> rows)
{
    std::array<bool, kHuePages> seen{};
    for (const MunsellRow& r : rows) {
        // Pages lie every 2.5 steps: 2.5R (2.5) to 10RP (100).
        const float page = r.H / 2.5f;
        if (r.C > 0 && page >= 1 && page <= kHuePages && page == std::floor(page))
            seen[static_cast<std::size_t>(page) - 1] = true;
    }
    return static_cast<int>(std::count(seen.begin(), seen.end(), true));
}

}  // namespace qolvar
