#include "serial/drivercheck.h"

#include <QFileInfo>

namespace {

std::optional<bool>& installedOverride()
{
    static std::optional<bool> value;
    return value;
}

} // namespace

void DriverCheck::setInstalledOverrideForTesting(std::optional<bool> installed)
{
    installedOverride() = installed;
}

bool DriverCheck::isCh340DriverInstalled()
{
    if (installedOverride()) {
        return *installedOverride();
    }
#if defined(Q_OS_MACOS)
    return QFileInfo::exists(QStringLiteral("/Library/Extensions/usbserial.kext"));
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
    // The description stays in English here; the driver list translates it.
    return {{QStringLiteral("CH340 / CH341"),
             QStringLiteral(QT_TRANSLATE_NOOP("DriverListDialog",
                                              "USB-to-serial driver used by most Korvel devices")),
             downloadUrl(), isCh340DriverInstalled()}};
}
