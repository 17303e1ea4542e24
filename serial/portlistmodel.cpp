#include "serial/portlistmodel.h"

#include "serial/portidentity.h"
#include "serial/serialmanager.h"

namespace {

PortListModel::Enumerator& enumeratorOverride()
{
    static PortListModel::Enumerator enumerator;
    return enumerator;
}

} // namespace

PortListModel::PortListModel(QObject* parent)
    : QAbstractListModel(parent)
{
    refresh();
}

void PortListModel::setEnumerator(Enumerator enumerator)
{
    enumeratorOverride() = std::move(enumerator);
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
    const Enumerator& enumerator = enumeratorOverride();
    QList<SerialPortEntry> ports = enumerator ? enumerator() : SerialManager::availablePorts();
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
