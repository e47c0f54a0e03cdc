// Fuzz target: the GIMP palette reader, and writing back what was read.
// Any input must give a palette or a clean error: no crash, hang, leak or
// read outside the bytes. A palette that was read, written and read again
// must give the same colours, names and palette name; a violation aborts,
// so that the fuzzer keeps the input.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "colour/errors.h"
#include "table/gpl.h"

namespace {

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "gpl_fuzz: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace qolvar::table;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    TableData first;
    try {
        first = ReadGpl(bytes, QStringLiteral("fuzz"));
    } catch (const qolvar::ColourError&) {
        return 0;
    }
    if (first.lines.size() != qsizetype(first.entries.size())) Fail("lines and entries differ in number");
    const TableData again = ReadGpl(WriteGpl(first.entries, first.title));
    if (!again.warning.isEmpty()) Fail("the written palette has lines that are no colour");
    if (again.title != first.title) Fail("palette name changed");
    if (again.lines != first.lines) Fail("lines changed");
    for (std::size_t i = 0; i < first.entries.size(); ++i)
        if (again.entries[i] != first.entries[i]) Fail("an entry changed");
    return 0;
}
