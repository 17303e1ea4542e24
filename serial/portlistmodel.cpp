#include "serial/portlistmodel.h"

#include "serial/portidentity.h"
#include "serial/serialmanager.h"

#include <QDateTime>
#include <QFile>
#include <QtConcurrent/QtConcurrentRun>

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#endif

namespace {

// Changes whenever an entry of the device folder comes or goes; empty when
// there is no folder to watch, or when it changed so lately that a further
// change could come within the same tick of its coarse clock and leave the
// time as it is.
QByteArray stampOf(const QString& folder)
{
#if defined(Q_OS_UNIX)
    struct stat info
    {};
    if (folder.isEmpty() || ::stat(QFile::encodeName(folder).constData(), &info) != 0) {
        return {};
    }
    if (qAbs(QDateTime::currentSecsSinceEpoch() - qint64(info.st_mtime)) < 2) {
        return {};
    }
#if defined(Q_OS_LINUX)
    const qint64 nanoseconds = info.st_mtim.tv_nsec;
#else
    const qint64 nanoseconds = 0;
#endif
    return QByteArray::number(qint64(info.st_mtime)) + '.' + QByteArray::number(nanoseconds) + '.' +
           QByteArray::number(qint64(info.st_ino));
#else
    Q_UNUSED(folder);
    return {};
#endif
}

} // namespace

PortListModel::PortListModel(QObject* parent)
    : PortListModel({}, systemDeviceFolder(), parent)
{}

PortListModel::PortListModel(Enumerator enumerator, const QString& deviceFolder, QObject* parent)
    : QAbstractListModel(parent)
    , m_enumerator(std::move(enumerator))
    , m_deviceFolder(deviceFolder)
{
    connect(&m_watcher, &QFutureWatcherBase::finished, this, &PortListModel::onEnumerated);
    refresh();
}

QString PortListModel::systemDeviceFolder()
{
#if defined(Q_OS_LINUX)
    return QStringLiteral("/dev");
#else
    return {};
#endif
}

int PortListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_ports.size());
}

QVariant PortListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    const SerialPortEntry& entry = m_ports.at(index.row());
    switch (role) {
    case PortNameRole:
        return entry.portName;
    case DescriptionRole:
        return entry.description;
    case RecommendedRole:
        return entry.recommended;
    case DisplayLabelRole:
        return entry.description.isEmpty()
                   ? entry.portName
                   : QStringLiteral("%1 (%2)").arg(entry.portName, entry.description);
    case ChipLabelRole:
        return entry.chipLabel;
    case ByPathRole:
        return entry.byPath;
    default:
        return {};
    }
}

QHash<int, QByteArray> PortListModel::roleNames() const
{
    return {
        {PortNameRole, "portName"},       {DescriptionRole, "description"},
        {RecommendedRole, "recommended"}, {DisplayLabelRole, "displayLabel"},
        {ChipLabelRole, "chipLabel"},     {ByPathRole, "byPath"},
    };
}

bool PortListModel::refresh()
{
    ++m_generation;
    // Taken before enumerating: a change while it runs shows at the next poll.
    m_folderStamp = stampOf(m_deviceFolder);
    m_sinceEnumeration.start();
    return apply(m_enumerator ? m_enumerator() : SerialManager::availablePorts());
}

void PortListModel::refreshInBackground()
{
    if (m_watcher.isRunning()) {
        return;
    }
    const QByteArray stamp = stampOf(m_deviceFolder);
    if (!stamp.isEmpty() && stamp == m_folderStamp && m_sinceEnumeration.isValid() &&
        m_sinceEnumeration.elapsed() < MaxReuseMs) {
        // No port came or went; a device path may have.
        emit refreshed(apply(m_enumerated));
        return;
    }
    m_pendingStamp = stamp;
    m_pendingGeneration = m_generation;
    // A given enumeration stands in for the system's and is called here, on
    // this thread, like everything else its owner does; the result still
    // comes back the way the system's does.
    if (m_enumerator) {
        m_watcher.setFuture(QtConcurrent::run([ports = m_enumerator()] { return ports; }));
    } else {
        m_watcher.setFuture(QtConcurrent::run(&SerialManager::availablePorts));
    }
}

void PortListModel::onEnumerated()
{
    if (m_pendingGeneration != m_generation) {
        // refresh() has enumerated since this one started, and changed what
        // there was to change.
        emit refreshed(false);
        return;
    }
    m_folderStamp = m_pendingStamp;
    m_sinceEnumeration.start();
    emit refreshed(apply(m_watcher.result()));
}

bool PortListModel::apply(const QList<SerialPortEntry>& enumerated)
{
    m_enumerated = enumerated;
    QList<SerialPortEntry> ports = enumerated;
    ports += PortIdentity::pathEntries(m_paths, ports);
    if (ports == m_ports) {
        return false;
    }
    beginResetModel();
    m_ports.swap(ports);
    endResetModel();
    return true;
}

QString PortListModel::portNameAt(int row) const
{
    if (row < 0 || row >= m_ports.size()) {
        return {};
    }
    return m_ports.at(row).portName;
}

int PortListModel::indexOfPortName(const QString& portName) const
{
    for (qsizetype i = 0; i < m_ports.size(); ++i) {
        if (m_ports.at(i).portName == portName) {
            return int(i);
        }
    }
    return -1;
}
