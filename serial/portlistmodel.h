#pragma once

#include "serial/serialconfig.h"

#include <QAbstractListModel>
#include <QElapsedTimer>
#include <QFutureWatcher>
#include <QList>
#include <QStringList>

#include <functional>

/// The serial ports present on the machine, with ports on a recognised
/// USB-to-serial chip marked as recommended. Enumerating the system's ports
/// walks about a thousand sysfs paths; the poll does it on a worker thread,
/// and only when the device folder changed (or now and then regardless).
class PortListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role {
        PortNameRole = Qt::UserRole + 1,
        DescriptionRole,
        RecommendedRole,
        DisplayLabelRole,
        ChipLabelRole,
        ByPathRole,
    };
    Q_ENUM(Role)

    using Enumerator = std::function<QList<SerialPortEntry>()>;

    /// The platform's ports, with systemDeviceFolder() telling when they may have changed.
    explicit PortListModel(QObject* parent = nullptr);
    /// The ports @p enumerator lists (the platform's when it is empty), for example a fixed
    /// list or the platform's ports plus pseudo-terminals. @p enumerator is called on this
    /// model's thread. @p deviceFolder is the folder whose modification time tells that ports
    /// may have come or gone; an empty path makes every refreshInBackground() enumerate.
    PortListModel(Enumerator enumerator, const QString& deviceFolder, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    /// Most time between two enumerations by refreshInBackground(), in ms,
    /// however still the device folder stays.
    static constexpr int MaxReuseMs = 30000;

    /// Re-enumerates; true when the list changed (then the model was reset).
    Q_INVOKABLE bool refresh();
    /// Brings the list up to date without blocking the caller's thread and
    /// emits refreshed() when done (at once when the device folder has not
    /// changed since the last enumeration, else once a worker thread has
    /// enumerated). A call while an enumeration runs does nothing.
    void refreshInBackground();
    Q_INVOKABLE QString portNameAt(int row) const;
    Q_INVOKABLE int indexOfPortName(const QString& portName) const;

    /// The folder where the platform makes device nodes ("/dev" on Linux); empty where there is
    /// none to watch.
    static QString systemDeviceFolder();

    /// Device paths to list after the enumerated ports while they lead to a
    /// device; taken into account at the next refresh.
    void setPaths(const QStringList& paths) { m_paths = paths; }
    /// The rows as they stand, for matching a device that comes back.
    const QList<SerialPortEntry>& ports() const { return m_ports; }

signals:
    /// A refreshInBackground() is done; @p changed as refresh() returns it.
    void refreshed(bool changed);

private:
    /// Takes a new enumeration of the system's ports; true when the rows changed.
    bool apply(const QList<SerialPortEntry>& enumerated);
    void onEnumerated();

    Enumerator m_enumerator;
    QString m_deviceFolder;
    QList<SerialPortEntry> m_ports;
    QStringList m_paths;
    // The last enumeration, reused while the device folder stays as it was.
    QList<SerialPortEntry> m_enumerated;
    QByteArray m_folderStamp;
    QByteArray m_pendingStamp;
    QElapsedTimer m_sinceEnumeration;
    // Counts synchronous refreshes: a background result older than one is dropped.
    quint64 m_generation = 0;
    quint64 m_pendingGeneration = 0;
    QFutureWatcher<QList<SerialPortEntry>> m_watcher;
};
