// Fuzz target: what is written reads back equal, and sorting.
//   - the bytes as a text table; its lines written as a text table and read
//     again give the same lines and entries;
//   - the bytes as an .aco; its entries written as an .aco and read again
//     give the same lines and entries, and those lines derive those entries;
//   - the table's entries sorted in the mode the first byte picks: the result
//     is a permutation of the entries, ordered by the mode's key.
// A violation aborts, so that the fuzzer keeps the input.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "colour/errors.h"
#include "table/sort.h"
#include "table/swatch.h"
#include "table/tablefile.h"
#include "table/textio.h"

namespace {

using namespace qolvar::table;

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "roundtrip_fuzz: %s\n", what);
    std::abort();
}

void Check(bool ok, const char* what)
{
    if (!ok) Fail(what);
}

void CheckSort(std::vector<TColorTabel> entries, SortMode mode)
{
    if (entries.empty()) return;
    const std::vector<TColorTabel> before = entries;
    SortTbl(entries, mode, 0, static_cast<int>(entries.size()) - 1);
    Check(entries.size() == before.size(), "sorting changed the number of entries");
    const bool descending = static_cast<int>(mode) % 2 == 1;
    for (std::size_t k = 1; k < entries.size(); ++k) {
        const int a = SortKey(entries[k - 1], mode), b = SortKey(entries[k], mode);
        Check(descending ? a >= b : a <= b, "sorted entries are out of order");
    }
    // A permutation: the same multiset of entries (compared by their lines,
    // which hold every field the keys come from, and the keys).
    auto less = [](const TColorTabel& x, const TColorTabel& y) {
        if (x.Code != y.Code) return x.Code < y.Code;
        if (x.Name != y.Name) return x.Name < y.Name;
        return x.Comment < y.Comment;
    };
    std::vector<TColorTabel> a = before, b = entries;
    std::sort(a.begin(), a.end(), less);
    std::sort(b.begin(), b.end(), less);
    Check(a == b, "sorting is not a permutation of the entries");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const auto mode = static_cast<SortMode>(data[0] % SortModeCount);
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    // Text table.
    const TableData text = ReadTextTable(bytes);
    {
        const TableData again = ReadTextTable(EncodeTextTable(text.lines));
        Check(again.lines == text.lines, "text table lines differ after writing and reading");
        Check(again.entries == text.entries, "text table entries differ after writing and reading");
    }
    CheckSort(text.entries, mode);

    // The text table's entries as an .aco: colours and names survive.
    if (text.entries.size() <= 65535) {
        const TableData aco = ReadAco(WriteAco(text.entries), qolvar::ConversionConditions{});
        Check(aco.entries.size() == text.entries.size() && aco.warning.isEmpty(), "written .aco reads back short");
        for (std::size_t k = 0; k < aco.entries.size(); ++k) {
            Check(aco.entries[k].Color == text.entries[k].Color, "colour differs after .aco");
            Check(aco.entries[k].Name == text.entries[k].Name, "name differs after .aco");
        }
    }

    // .aco read, written and read again.
    try {
        const TableData aco = ReadAco(bytes, qolvar::ConversionConditions{});
        Check(ParseTblLines(aco.lines) == aco.entries, ".aco lines do not derive its entries");
        if (aco.entries.size() <= 65535) {
            const QByteArray written = WriteAco(aco.entries);
            const TableData again = ReadAco(written, qolvar::ConversionConditions{});
            Check(again.warning.isEmpty(), "written .aco reads back short");
            Check(again.entries == aco.entries, ".aco entries differ after writing and reading");
            Check(again.lines == aco.lines, ".aco lines differ after writing and reading");
            Check(WriteAco(again.entries) == written, ".aco written twice differs");
        }
        CheckSort(aco.entries, mode);
    } catch (const qolvar::ColourError&) {
    }
    return 0;
}
