#include "serial/serialconfig.h"

bool SerialConfig::operator==(const SerialConfig& other) const
{
    return portName == other.portName && baudRate == other.baudRate && dataBits == other.dataBits &&
           parity == other.parity && stopBits == other.stopBits && flowControl == other.flowControl;
}

bool SerialPortEntry::operator==(const SerialPortEntry& other) const
{
    return portName == other.portName && description == other.description &&
           chipLabel == other.chipLabel && recommended == other.recommended &&
           serialNumber == other.serialNumber && vendorId == other.vendorId &&
           productId == other.productId && usbLocation == other.usbLocation &&
           systemLocation == other.systemLocation && byPath == other.byPath;
}

QString chipLabelForVendor(bool hasVendorId, quint16 vendorId)
{
    if (!hasVendorId) {
        return {};
    }
    switch (vendorId) {
    case 0x1A86:
        return QStringLiteral("CH340");
    case 0x10C4:
        return QStringLiteral("CP210x");
    default:
        return {};
    }
}
