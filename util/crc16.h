#pragma once

#include <QByteArray>

/// CRC-16/MODBUS: initial value 0xFFFF, reflected polynomial 0xA001, no final XOR.
class Crc16
{
public:
    static quint16 modbus(const QByteArray& data);
    /// The CRC as the two bytes a Modbus RTU frame carries: low byte first.
    static QByteArray modbusBytes(const QByteArray& data);
};
