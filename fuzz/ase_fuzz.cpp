// Fuzz target: the swatch exchange reader, and writing back what was read.
// Any input must give a table or a clean error: no crash, hang, leak or
// read outside the bytes. A file that was read, written and read again must
// give the same colours and names; a violation aborts, so that the fuzzer
// keeps the input.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "colour/errors.h"
#include "table/ase.h"

namespace {

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "ase_fuzz: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace qolvar::table;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    TableData first;
    try {
        first = ReadAse(bytes, QStringLiteral("fuzz"));
    } catch (const qolvar::ColourError&) {
        return 0;
    }
    if (first.lines.size() != qsizetype(first.entries.size())) Fail("lines and entries differ in number");
    const TableData again = ReadAse(WriteAse(first.entries, QStringLiteral("group")));
    if (again.entries.size() != first.entries.size()) Fail("the number of colours changed");
    for (std::size_t i = 0; i < first.entries.size(); ++i)
        if (again.entries[i].Color != first.entries[i].Color || again.entries[i].Name != first.entries[i].Name)
            Fail("a colour or a name changed");
    return 0;
}
