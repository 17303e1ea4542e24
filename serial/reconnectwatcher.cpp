#include "serial/reconnectwatcher.h"

#include "serial/portidentity.h"
#include "serial/portlistmodel.h"
#include "serial/serialmanager.h"

#include <algorithm>

ReconnectWatcher::ReconnectWatcher(SerialManager* serial, PortListModel* ports, QObject* parent)
    : QObject(parent)
    , m_serial(serial)
    , m_ports(ports)
{
    connect(m_serial, &SerialManager::deviceLost, this, &ReconnectWatcher::onDeviceLost);
}

void ReconnectWatcher::sessionStarted(const SerialConfig& config)
{
    m_session = config;
    m_device = PortIdentity::identityFor(config.portName, m_ports->ports());
}

void ReconnectWatcher::onDeviceLost()
{
    if (!m_enabled || m_session.portName.isEmpty()) {
        return;
    }
    m_waiting = true;
    emit waitingChanged();
}

void ReconnectWatcher::stop()
{
    m_waiting = false;
    emit waitingChanged();
}

void ReconnectWatcher::portsRefreshed()
{
    if (!m_waiting) {
        return;
    }
    const QList<SerialPortEntry>& ports = m_ports->ports();
    const auto found = std::find_if(ports.cbegin(), ports.cend(), [this](const auto& entry) {
        return PortIdentity::sameDevice(m_device, entry);
    });
    if (found == ports.cend()) {
        return;
    }
    SerialConfig config = m_session;
    config.portName = PortIdentity::reopenName(m_session.portName, *found);

    // A device that has just appeared may not take an open yet; the next
    // refresh tries again. While the port opens, the session is not waiting
    // (what its opening reports sees it open).
    m_waiting = false;
    m_attempting = true;
    const bool reopened = m_serial->open(config, nullptr);
    m_attempting = false;
    if (!reopened) {
        m_waiting = true;
        return;
    }
    sessionStarted(config);
    emit reconnected(config);
}
