// Device paths, waiting for a device that went away to come back, and the
// port the command line asks for.
#include "app/appcontroller.h"

#include "app/commandline.h"
#include "serial/portidentity.h"
#include "serial/portlistmodel.h"

#include <QTimer>

#include <algorithm>

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
    emit autoReconnectChanged();
    // Turned off while waiting: the session ends as a close would end it.
    if (!on && m_reconnectWaiting) {
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

void AppController::onDeviceLost()
{
    if (!m_settings.autoReconnect() || m_sessionConfig.portName.isEmpty()) {
        return;
    }
    m_reconnectWaiting = true;
    // The chooser loses the port while it is away; it gets it back with the device.
    m_reselectOnReconnect = m_selectedPortName == m_sessionConfig.portName ||
                            m_selectedPortName == m_sessionIdentity.portName;
    m_portPollTimer->setInterval(ReconnectPollMs);
    emit connectionChanged();
}

void AppController::tryReconnect()
{
    const QList<SerialPortEntry>& ports = m_portListModel->ports();
    const auto found = std::find_if(ports.cbegin(), ports.cend(), [this](const auto& entry) {
        return PortIdentity::sameDevice(m_sessionIdentity, entry);
    });
    if (found == ports.cend()) {
        return;
    }
    SerialConfig config = m_sessionConfig;
    config.portName = PortIdentity::reopenName(m_sessionConfig.portName, *found);

    // A device that has just appeared may not take an open yet; the next
    // poll tries again, and failed tries leave nothing in the log.
    m_reconnectWaiting = false;
    m_quietOpen = true;
    const bool reopened = m_serial.open(config, nullptr);
    m_quietOpen = false;
    if (!reopened) {
        m_reconnectWaiting = true;
        return;
    }
    m_portPollTimer->setInterval(PortPollMs);
    m_settings.setLastSerialConfig(config);
    recordSession(config);
    m_log.append(
        LogKind::SYS,
        tr("%1 reconnected \u00b7 %2").arg(config.portName, m_serial.portSummary()).toUtf8());
    if (m_repeatSendEnabled) {
        m_repeatTimer->start(m_repeatIntervalMs);
    }
    emit connectionChanged();
    if (m_reselectOnReconnect) {
        setSelectedPortName(listedNameFor(config.portName));
    }
}

void AppController::stopWaiting()
{
    m_reconnectWaiting = false;
    m_portPollTimer->setInterval(PortPollMs);
    emit connectionChanged();
}

void AppController::recordSession(const SerialConfig& config)
{
    m_sessionConfig = config;
    m_sessionIdentity = PortIdentity::identityFor(config.portName, m_portListModel->ports());
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
