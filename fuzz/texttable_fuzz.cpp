// Fuzz target: text tables (decoding, line splitting, tokenizing, entry
// derivation) and the log-to-table conversion.
#include <cstddef>
#include <cstdint>

#include "colour/errors.h"
#include "table/tablefile.h"
#include "table/textio.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        (void)qolvar::table::ReadTextTable(bytes);
        (void)qolvar::table::LogToTabLines(qolvar::table::SplitTextLines(qolvar::table::DecodeLocalText(bytes)));
    } catch (const qolvar::ColourError&) {
    }
    return 0;
}
