// Fuzz target: the .aco and .cgd readers, and writing back what was read.
// Any input must give a table or a clean error: no crash, hang, leak or
// read outside the bytes.
#include <cstddef>
#include <cstdint>

#include "colour/errors.h"
#include "table/swatch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    using Reader = qolvar::table::TableData (*)(QByteArrayView);
    const Reader readers[] = {[](QByteArrayView b) {
                                  return qolvar::table::ReadAco(b, qolvar::ConversionConditions{},
                                                                QStringLiteral("fuzz"));
                              },
                              [](QByteArrayView b) { return qolvar::table::ReadCgd(b, QStringLiteral("fuzz")); }};
    for (Reader reader : readers) {
        try {
            const qolvar::table::TableData table = reader(bytes);
            if (table.entries.size() <= 65535) (void)qolvar::table::WriteAco(table.entries);
        } catch (const qolvar::ColourError&) {
        }
    }
    return 0;
}
