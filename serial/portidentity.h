#pragma once

#include "serial/serialconfig.h"

#include <QList>
#include <QString>
#include <QStringList>

/// Where a port name leads and which device is behind it: the device node of
/// a name, the USB socket a device is plugged into, the rows for device paths
/// the user opened by hand, and whether a port that came back is the device
/// that went away.
class PortIdentity
{
public:
    /// The device node of @p portName: a path stays as it is, a bare name
    /// such as "ttyUSB0" lives in /dev (as QSerialPort resolves it).
    static QString systemLocation(const QString& portName);
    /// True when @p portName is a path rather than a name the system lists.
    static bool isDevicePath(const QString& portName);
    /// What the user typed, made into the path to open: blanks trimmed, "~/"
    /// expanded, "./" and "../" resolved against the working folder. Links
    /// are kept, so /dev/serial/by-id names and simulator links stay readable.
    static QString normalisedPath(const QString& typed);

    /// The USB socket ("1-2.3") of the device behind a tty node, read from
    /// sysfs; empty when the port is not on USB or the platform has no sysfs.
    static QString usbLocation(const QString& systemLocation);
    /// The USB socket named in a resolved sysfs device path such as
    /// /sys/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2.3/1-2.3:1.0/ttyUSB0.
    static QString usbLocationFromSysfsPath(const QString& sysfsPath);

    /// One row per remembered path that leads to a character device and is
    /// not already among the enumerated ports, in the order of @p paths.
    static QList<SerialPortEntry> pathEntries(const QStringList& paths,
                                              const QList<SerialPortEntry>& enumerated);

    /// The identity to wait for after opening @p portName: the listed port
    /// of that name (or whose node the path leads to), else the path alone.
    static SerialPortEntry identityFor(const QString& portName,
                                       const QList<SerialPortEntry>& listed);
    /// Whether @p candidate is the device @p recorded describes: the same
    /// serial number when it has one, else the same vendor and product id in
    /// the same USB socket, else the same port name or path.
    static bool sameDevice(const SerialPortEntry& recorded, const SerialPortEntry& candidate);
    /// The name to reopen a device under that came back as @p candidate,
    /// having been opened as @p openedName: the opened path while it still
    /// leads to the device (a by-id link), else the name it is listed under.
    static QString reopenName(const QString& openedName, const SerialPortEntry& candidate);
};
