#include "serial/portidentity.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#endif

namespace {

QString canonicalLocation(const QString& portName)
{
    return QFileInfo(PortIdentity::systemLocation(portName)).canonicalFilePath();
}

bool isCharacterDevice(const QString& location)
{
#if defined(Q_OS_UNIX)
    struct stat st
    {};
    return ::stat(QFile::encodeName(location).constData(), &st) == 0 && S_ISCHR(st.st_mode);
#else
    const QFileInfo info(location);
    return info.exists() && !info.isDir() && !info.isFile();
#endif
}

} // namespace

QString PortIdentity::systemLocation(const QString& portName)
{
#if defined(Q_OS_UNIX)
    if (portName.startsWith(QLatin1Char('/')) || portName.startsWith(QLatin1String("./")) ||
        portName.startsWith(QLatin1String("../"))) {
        return portName;
    }
    return QStringLiteral("/dev/") + portName;
#else
    return portName;
#endif
}

bool PortIdentity::isDevicePath(const QString& portName)
{
    return portName.contains(QLatin1Char('/'));
}

QString PortIdentity::normalisedPath(const QString& typed)
{
    QString path = typed.trimmed();
    if (path == QLatin1String("~") || path.startsWith(QLatin1String("~/"))) {
        path = QDir::homePath() + path.mid(1);
    }
    if (path.startsWith(QLatin1String("./")) || path.startsWith(QLatin1String("../"))) {
        path = QDir::current().absoluteFilePath(path);
    }
    return isDevicePath(path) ? QDir::cleanPath(path) : path;
}

QString PortIdentity::usbLocation(const QString& systemLocation)
{
#if defined(Q_OS_LINUX)
    const QString node = QFileInfo(systemLocation).fileName();
    if (node.isEmpty()) {
        return {};
    }
    const QString device =
        QFileInfo(QStringLiteral("/sys/class/tty/%1/device").arg(node)).canonicalFilePath();
    return device.isEmpty() ? QString() : usbLocationFromSysfsPath(device);
#else
    Q_UNUSED(systemLocation);
    return {};
#endif
}

QString PortIdentity::usbLocationFromSysfsPath(const QString& sysfsPath)
{
    // A USB device is named bus-port[.port...]; its interfaces add
    // ":configuration.interface". The innermost one is where the bridge sits.
    static const QRegularExpression usbName(
        QStringLiteral(R"(^(\d+-\d+(?:\.\d+)*)(?::\d+\.\d+)?$)"));
    const QStringList parts = sysfsPath.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (auto it = parts.crbegin(); it != parts.crend(); ++it) {
        const QRegularExpressionMatch match = usbName.match(*it);
        if (match.hasMatch()) {
            return match.captured(1);
        }
    }
    return {};
}

QList<SerialPortEntry> PortIdentity::pathEntries(const QStringList& paths,
                                                 const QList<SerialPortEntry>& enumerated)
{
    QList<SerialPortEntry> rows;
    for (const QString& path : paths) {
        const QString location = canonicalLocation(path);
        if (location.isEmpty() || !isCharacterDevice(location)) {
            continue;
        }
        const auto listed = [&](const SerialPortEntry& entry) {
            return entry.portName == path || entry.systemLocation == location ||
                   canonicalLocation(entry.portName) == location;
        };
        if (std::any_of(enumerated.cbegin(), enumerated.cend(), listed) ||
            std::any_of(rows.cbegin(), rows.cend(), listed)) {
            continue;
        }
        SerialPortEntry row;
        row.portName = path;
        row.systemLocation = location;
        row.byPath = true;
        rows.append(row);
    }
    return rows;
}

SerialPortEntry PortIdentity::identityFor(const QString& portName,
                                          const QList<SerialPortEntry>& listed)
{
    for (const SerialPortEntry& entry : listed) {
        if (entry.portName == portName) {
            return entry;
        }
    }
    const QString location = canonicalLocation(portName);
    if (isDevicePath(portName) && !location.isEmpty()) {
        for (const SerialPortEntry& entry : listed) {
            if (!entry.byPath && entry.systemLocation == location) {
                return entry;
            }
        }
    }
    SerialPortEntry identity;
    identity.portName = portName;
    identity.systemLocation = location;
    identity.byPath = isDevicePath(portName);
    return identity;
}

bool PortIdentity::sameDevice(const SerialPortEntry& recorded, const SerialPortEntry& candidate)
{
    const bool sameModel =
        candidate.vendorId == recorded.vendorId && candidate.productId == recorded.productId;
    if (!recorded.serialNumber.isEmpty()) {
        return sameModel && candidate.serialNumber == recorded.serialNumber;
    }
    if (recorded.vendorId >= 0 && !recorded.usbLocation.isEmpty()) {
        return sameModel && candidate.usbLocation == recorded.usbLocation;
    }
    if (recorded.vendorId >= 0 && !sameModel) {
        return false;
    }
    return candidate.portName == recorded.portName;
}

QString PortIdentity::reopenName(const QString& openedName, const SerialPortEntry& candidate)
{
    if (openedName != candidate.portName && isDevicePath(openedName) && !candidate.byPath) {
        const QString location = canonicalLocation(openedName);
        if (!location.isEmpty() && location == candidate.systemLocation) {
            return openedName;
        }
    }
    return candidate.portName;
}
