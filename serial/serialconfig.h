#pragma once

#include <QMetaType>
#include <QString>

/// Settings of one serial connection. The integer codes are the numeric values
/// of the QSerialPort enumerations, so they can be stored and passed around
/// without conversion: parity 0 none, 2 even, 3 odd, 4 space, 5 mark; stop bits
/// 1 one, 2 two, 3 one and a half; flow control 0 none, 1 RTS/CTS, 2 XON/XOFF.
struct SerialConfig
{
    QString portName;
    int baudRate = 115200;
    int dataBits = 8;
    int parity = 0;
    int stopBits = 1;
    int flowControl = 0;

    bool operator==(const SerialConfig& other) const;
    bool operator!=(const SerialConfig& other) const { return !(*this == other); }
};

Q_DECLARE_METATYPE(SerialConfig)

/// One port found on the machine, with the USB bridge chip recognised from the
/// vendor id where it is one of the two common ones. The fields after
/// `recommended` tell the device apart when it comes back after an unplug.
struct SerialPortEntry
{
    QString portName;
    QString description;
    QString chipLabel;
    bool recommended = false;
    QString serialNumber{};
    int vendorId = -1; ///< -1 when the port has none
    int productId = -1;
    /// Where on the USB tree the device is plugged in ("1-2.3"); empty when unknown.
    QString usbLocation{};
    /// The device node ("/dev/ttyUSB0"); for a path row the node its path leads to.
    QString systemLocation{};
    /// Not enumerated by the system: a device path the user opened before.
    bool byPath = false;

    bool operator==(const SerialPortEntry& other) const;
    bool operator!=(const SerialPortEntry& other) const { return !(*this == other); }
};

/// "CH340" for vendor id 0x1A86, "CP210x" for 0x10C4, else empty.
QString chipLabelForVendor(bool hasVendorId, quint16 vendorId);
