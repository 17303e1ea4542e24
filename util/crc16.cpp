#include "util/crc16.h"

#include <array>

namespace {

// Byte-at-a-time table for the reflected polynomial 0xA001.
constexpr std::array<quint16, 256> makeTable()
{
    std::array<quint16, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        quint16 crc = quint16(i);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 1u) ? quint16((crc >> 1) ^ 0xA001u) : quint16(crc >> 1);
        }
        table[i] = crc;
    }
    return table;
}

constexpr auto kTable = makeTable();

} // namespace

quint16 Crc16::modbus(const QByteArray& data)
{
    quint16 crc = 0xFFFF;
    for (const char c : data) {
        crc = quint16((crc >> 8) ^ kTable[(crc ^ quint8(c)) & 0xFFu]);
    }
    return crc;
}

QByteArray Crc16::modbusBytes(const QByteArray& data)
{
    const quint16 crc = modbus(data);
    QByteArray bytes(2, Qt::Uninitialized);
    bytes[0] = char(crc & 0xFF);
    bytes[1] = char(crc >> 8);
    return bytes;
}
