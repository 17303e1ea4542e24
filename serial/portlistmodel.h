#pragma once

#include "serial/serialconfig.h"

#include <QAbstractListModel>
#include <QList>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

#include <functional>

/// The serial ports present on the machine, with ports on a recognised
/// USB-to-serial chip marked as recommended.
class PortListModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Created by AppController")

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

    explicit PortListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    /// Re-enumerates; true when the list changed (then the model was reset).
    Q_INVOKABLE bool refresh();
    Q_INVOKABLE QString portNameAt(int row) const;
    Q_INVOKABLE int indexOfPortName(const QString& portName) const;

    /// Replaces the system enumeration, for example by a fixed list or by the
    /// system ports plus pseudo-terminals a test made. Affects every model
    /// created afterwards; an empty function restores the system enumeration.
    static void setEnumerator(Enumerator enumerator);

    /// Device paths to list after the enumerated ports while they lead to a
    /// device; taken into account at the next refresh.
    void setPaths(const QStringList& paths) { m_paths = paths; }
    /// The rows as they stand, for matching a device that comes back.
    const QList<SerialPortEntry>& ports() const { return m_ports; }

private:
    QList<SerialPortEntry> m_ports;
    QStringList m_paths;
};
