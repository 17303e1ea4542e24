#pragma once

#include "serial/serialconfig.h"

#include <QObject>

class PortListModel;
class SerialManager;

/// Waits for a device that went away in the middle of a session to come
/// back, and opens it again with the session's settings. The device is known
/// again by what identified it when it was opened (serial number, USB socket
/// or name, see PortIdentity::sameDevice), whatever name it comes back under.
/// Whoever refreshes the port list calls portsRefreshed(); failed attempts
/// are quiet and repeated at the next refresh.
class ReconnectWatcher : public QObject
{
    Q_OBJECT

public:
    ReconnectWatcher(SerialManager* serial, PortListModel* ports, QObject* parent = nullptr);

    /// Whether a lost device is waited for at all; switched off while
    /// waiting, the wait goes on until stop().
    void setEnabled(bool on) { m_enabled = on; }
    bool waiting() const { return m_waiting; }
    /// True while an attempt opens the port: the errors it reports are
    /// expected from a device that is not ready yet.
    bool attempting() const { return m_attempting; }

    /// Keeps what identifies the device just opened with @p config.
    void sessionStarted(const SerialConfig& config);
    /// The settings of the last session that was opened.
    const SerialConfig& session() const { return m_session; }
    const SerialPortEntry& sessionDevice() const { return m_device; }

    /// Gives up waiting.
    void stop();
    /// The port list was read again: reopens the device if it is back.
    void portsRefreshed();

signals:
    /// Began or gave up waiting (not when the device is back: reconnected()).
    void waitingChanged();
    /// The device is open again with @p config, its name as it is now.
    void reconnected(const SerialConfig& config);

private:
    void onDeviceLost();

    SerialManager* m_serial;
    PortListModel* m_ports;
    SerialConfig m_session;
    SerialPortEntry m_device;
    bool m_enabled = true;
    bool m_waiting = false;
    bool m_attempting = false;
};
