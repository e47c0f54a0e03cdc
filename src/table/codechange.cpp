#include "codechange.h"

namespace qolvar::table {

namespace {

const std::uint8_t* Need(QByteArrayView buffer, qsizetype pos, qint64 count)
{
    if (pos < 0 || count < 0 || count > buffer.size() - pos) throw ShortRead();
    return reinterpret_cast<const std::uint8_t*>(buffer.data()) + pos;
}

void Put(QByteArray& buffer, qsizetype& pos, std::uint8_t byte)
{
    if (pos < buffer.size()) {
        buffer[pos] = static_cast<char>(byte);
    } else {
        if (pos > buffer.size()) buffer.append(pos - buffer.size(), '\0');
        buffer.append(static_cast<char>(byte));
    }
    ++pos;
}

}  // namespace

std::uint16_t GetWordBE(QByteArrayView buffer, qsizetype& pos)
{
    const auto* p = Need(buffer, pos, 2);
    pos += 2;
    return static_cast<std::uint16_t>(p[0] << 8 | p[1]);
}

std::uint32_t GetLongBE(QByteArrayView buffer, qsizetype& pos)
{
    const auto* p = Need(buffer, pos, 4);
    pos += 4;
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}

std::uint16_t GetWordLE(QByteArrayView buffer, qsizetype& pos)
{
    const auto* p = Need(buffer, pos, 2);
    pos += 2;
    return static_cast<std::uint16_t>(p[1] << 8 | p[0]);
}

std::uint32_t GetLongLE(QByteArrayView buffer, qsizetype& pos)
{
    const auto* p = Need(buffer, pos, 4);
    pos += 4;
    return std::uint32_t(p[3]) << 24 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[1]) << 8 | p[0];
}

QByteArrayView GetBytes(QByteArrayView buffer, qsizetype& pos, qint64 count)
{
    Need(buffer, pos, count);
    const QByteArrayView bytes = buffer.sliced(pos, count);
    pos += count;
    return bytes;
}

void PutWordBE(QByteArray& buffer, qsizetype& pos, std::uint16_t value)
{
    Put(buffer, pos, static_cast<std::uint8_t>(value >> 8));
    Put(buffer, pos, static_cast<std::uint8_t>(value));
}

void PutLongBE(QByteArray& buffer, qsizetype& pos, std::uint32_t value)
{
    PutWordBE(buffer, pos, static_cast<std::uint16_t>(value >> 16));
    PutWordBE(buffer, pos, static_cast<std::uint16_t>(value));
}

}  // namespace qolvar::table
