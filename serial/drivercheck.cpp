#include "serial/drivercheck.h"

#include <QFileInfo>

DriverCheck::DriverCheck()
    : m_probe(&DriverCheck::platformProbe)
{}

DriverCheck::DriverCheck(Probe probe)
    : m_probe(std::move(probe))
{}

bool DriverCheck::platformProbe()
{
#if defined(Q_OS_MACOS)
    return QFileInfo::exists(QStringLiteral("/Library/Extensions/usbserial.kext"));
#else
    // Windows installs the CH340 driver through Windows Update and Linux ships
    // it in the kernel (ch341 module), so only macOS needs a vendor download.
    return true;
#endif
}

bool DriverCheck::isCh340DriverInstalled() const
{
    return m_probe();
}

QString DriverCheck::downloadUrl()
{
    return QStringLiteral("https://www.korvel.io/drivers/ch340");
}

QList<DriverInfo> DriverCheck::knownDrivers() const
{
    // The description stays in English here; the driver list translates it.
    return {{QStringLiteral("CH340 / CH341"),
             QStringLiteral(QT_TRANSLATE_NOOP("DriverListDialog",
                                              "USB-to-serial driver used by most Korvel devices")),
             downloadUrl(), isCh340DriverInstalled()}};
}
