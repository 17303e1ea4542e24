#include "serial/drivercheck.h"

#include <QFileInfo>

namespace {

QString& macDriverPath()
{
    static QString path = QStringLiteral("/Library/Extensions/usbserial.kext");
    return path;
}

int& installedOverride()
{
    static int value = -1;
    return value;
}

} // namespace

void DriverCheck::setInstalledOverrideForTesting(int installed)
{
    installedOverride() = installed;
}

void DriverCheck::setMacDriverPathForTesting(const QString& path)
{
    macDriverPath() = path;
}

bool DriverCheck::isCh340DriverInstalled()
{
    if (installedOverride() >= 0) {
        return installedOverride() == 1;
    }
#if defined(Q_OS_MACOS)
    return QFileInfo::exists(macDriverPath());
#else
    // Windows installs the CH340 driver through Windows Update and Linux ships
    // it in the kernel (ch341 module), so only macOS needs a vendor download.
    return true;
#endif
}

QString DriverCheck::downloadUrl()
{
    return QStringLiteral("https://www.korvel.io/drivers/ch340");
}

QList<DriverInfo> DriverCheck::knownDrivers()
{
    return {{QStringLiteral("CH340 / CH341"),
             QStringLiteral("USB-to-serial driver used by most Korvel devices"), downloadUrl(),
             isCh340DriverInstalled()}};
}
