// Device paths, waiting for a device that went away to come back, and the
// port the command line asks for.
#include "app/appcontroller.h"

#include "app/commandline.h"
#include "serial/portidentity.h"
#include "serial/portlistmodel.h"
#include "serial/repeatsender.h"

#include <QTimer>

bool AppController::autoReconnect() const
{
    return m_settings.autoReconnect();
}

void AppController::setAutoReconnect(bool on)
{
    if (on == m_settings.autoReconnect()) {
        return;
    }
    m_settings.setAutoReconnect(on);
    m_reconnect->setEnabled(on);
    emit autoReconnectChanged();
    // Turned off while waiting: the session ends as a close would end it.
    if (!on && m_reconnect->waiting()) {
        closePort();
    }
}

bool AppController::openPortPath(const QString& path, int baudRate, int dataBits, int parity,
                                 int stopBits, int flowControl)
{
    const QString name = PortIdentity::normalisedPath(path);
    if (name.isEmpty()) {
        emit portOpenFailed(tr("Type the path of a serial device first."));
        return false;
    }
    if (!openPort(name, baudRate, dataBits, parity, stopBits, flowControl)) {
        return false;
    }
    refreshPorts();
    setSelectedPortName(listedNameFor(name));
    return true;
}

void AppController::applyStartupOptions(const StartupOptions& options)
{
    if (options.baudRate > 0) {
        emit baudRateRequested(options.baudRate);
    }
    const QString port = PortIdentity::normalisedPath(options.port);
    if (!port.isEmpty()) {
        // A device path is listed (and so selectable) while it leads to a device.
        if (PortIdentity::isDevicePath(port) && !PortIdentity::pathEntries({port}, {}).isEmpty()) {
            rememberPortPath(port);
        }
        refreshPorts();
        setSelectedPortName(listedNameFor(port));
    }
    if (!options.open) {
        return;
    }
    // The settings the serial panel starts with: the device model's, else the defaults.
    SerialConfig config;
    if (const DeviceModel* model = m_library.model(currentModelId()); model && model->hasSerial) {
        config = {QString(),     model->baudRate, model->dataBits,
                  model->parity, model->stopBits, model->flowControl};
    }
    if (options.baudRate > 0) {
        config.baudRate = options.baudRate;
    }
    openPort(port.isEmpty() ? m_selectedPortName : port, config.baudRate, config.dataBits,
             config.parity, config.stopBits, config.flowControl);
}

void AppController::onReconnectWaitingChanged()
{
    const bool waiting = m_reconnect->waiting();
    m_portPollTimer->setInterval(waiting ? ReconnectPollMs : PortPollMs);
    if (waiting) {
        // The chooser loses the port while it is away; it gets it back with the device.
        const QString& opened = m_reconnect->session().portName;
        m_reselectOnReconnect = m_selectedPortName == opened ||
                                m_selectedPortName == m_reconnect->sessionDevice().portName;
    }
    emit connectionChanged();
}

void AppController::onReconnected(const SerialConfig& config)
{
    m_portPollTimer->setInterval(PortPollMs);
    m_settings.setLastSerialConfig(config);
    m_log.append(
        LogKind::SYS,
        tr("%1 reconnected \u00b7 %2").arg(config.portName, m_serial.portSummary()).toUtf8());
    m_controlLines->sessionStarted(config.flowControl == QSerialPort::HardwareControl);
    m_repeatSender->sessionStarted();
    emit connectionChanged();
    if (m_reselectOnReconnect) {
        setSelectedPortName(listedNameFor(config.portName));
    }
}

void AppController::rememberPortPath(const QString& path)
{
    QStringList paths = m_settings.recentPortPaths();
    paths.removeAll(path);
    paths.prepend(path);
    while (paths.size() > MaxRecentPortPaths) {
        paths.removeLast();
    }
    m_settings.setRecentPortPaths(paths);
    m_portListModel->setPaths(paths);
}

QString AppController::listedNameFor(const QString& name) const
{
    if (m_portListModel->indexOfPortName(name) >= 0) {
        return name;
    }
    const SerialPortEntry listed = PortIdentity::identityFor(name, m_portListModel->ports());
    return m_portListModel->indexOfPortName(listed.portName) >= 0 ? listed.portName : name;
}
