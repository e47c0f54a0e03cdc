// Byte routines of the swatch formats: big-endian words in a byte buffer.
//
// Reading is bounds-checked: a word that is not wholly inside the buffer
// throws ShortRead and leaves the position where it was. Writing grows the
// buffer as needed.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>

#include "colour/errors.h"

namespace qolvar::table {

// The data ends before a field that it should hold.
class ShortRead : public FileError {
public:
    ShortRead() : FileError("ShortRead") {}
};

// buffer[pos] * 256 + buffer[pos + 1]; pos grows by 2.
std::uint16_t GetWordBE(QByteArrayView buffer, qsizetype& pos);
// Four bytes, most significant first; pos grows by 4.
std::uint32_t GetLongBE(QByteArrayView buffer, qsizetype& pos);
// Little-endian forms (colour guide files).
std::uint16_t GetWordLE(QByteArrayView buffer, qsizetype& pos);
std::uint32_t GetLongLE(QByteArrayView buffer, qsizetype& pos);
// count bytes from pos; pos grows by count.
QByteArrayView GetBytes(QByteArrayView buffer, qsizetype& pos, qint64 count);

// buffer[pos] = high byte, buffer[pos + 1] = low byte; pos grows by 2.
void PutWordBE(QByteArray& buffer, qsizetype& pos, std::uint16_t value);
void PutLongBE(QByteArray& buffer, qsizetype& pos, std::uint32_t value);

}  // namespace qolvar::table
