// Port session: opening and closing, the selected port, and handing the
// received byte stream to the line assembler.
#include "app/appcontroller.h"

#include "serial/portidentity.h"
#include "serial/portlistmodel.h"
#include "serial/repeatsender.h"

#include <utility>

namespace {

const QString kNoName = QStringLiteral("\u2014");

} // namespace

bool AppController::portOpen() const
{
    return m_serial.isOpen();
}

QString AppController::portStatusText() const
{
    const QString name = m_serial.activeConfig().portName;
    const QString shown = name.isEmpty() ? kNoName : name;
    if (m_reconnect->waiting()) {
        return tr("%1 WAITING").arg(shown);
    }
    return m_serial.isOpen() ? tr("%1 OPEN").arg(shown) : tr("%1 CLOSED").arg(shown);
}

QString AppController::portSummary() const
{
    if (m_reconnect->waiting()) {
        return tr("waiting for the device to come back");
    }
    return m_serial.isOpen() ? m_serial.portSummary() : kNoName;
}

void AppController::setSelectedPortName(const QString& name)
{
    if (name == m_selectedPortName) {
        return;
    }
    m_selectedPortName = name;
    m_missingPortName.clear();
    emit selectedPortNameChanged();
}

void AppController::refreshPorts()
{
    onPortsRefreshed(m_portListModel->refresh());
}

void AppController::pollPorts()
{
    m_portListModel->refreshInBackground();
}

void AppController::onPortsRefreshed(bool changed)
{
    if (changed) {
        reconcileSelectedPort();
    }
    m_reconnect->portsRefreshed();
}

void AppController::reconcileSelectedPort()
{
    if (!m_selectedPortName.isEmpty()) {
        if (m_portListModel->indexOfPortName(m_selectedPortName) < 0) {
            // The chooser names the port that went, until another is chosen.
            m_missingPortName = std::exchange(m_selectedPortName, QString());
            emit selectedPortNameChanged();
        }
        return;
    }
    if (m_portListModel->rowCount() > 0) {
        setSelectedPortName(m_portListModel->portNameAt(0));
    }
}

bool AppController::openPort(const QString& portName, int baudRate, int dataBits, int parity,
                             int stopBits, int flowControl)
{
    if (portName.isEmpty()) {
        emit portOpenFailed(tr("Select a serial port first."));
        return false;
    }
    // A new session replaces the one that waits for its device.
    if (m_reconnect->waiting()) {
        m_reconnect->stop();
    }
    const SerialConfig config{portName, baudRate, dataBits, parity, stopBits, flowControl};
    QString error;
    if (!m_serial.open(config, &error)) {
        emit portOpenFailed(error);
        return false;
    }
    m_settings.setLastSerialConfig(config);
    if (PortIdentity::isDevicePath(portName)) {
        rememberPortPath(portName);
    }
    m_reconnect->sessionStarted(config);
    m_log.append(LogKind::SYS,
                 tr("%1 opened \u00b7 %2").arg(portName, m_serial.portSummary()).toUtf8());
    m_controlLines->sessionStarted(flowControl == QSerialPort::HardwareControl);
    m_repeatSender->sessionStarted();
    return true;
}

void AppController::closePort()
{
    // Giving up on a device that went away ends its session as a close does.
    if (m_reconnect->waiting()) {
        m_reconnect->stop();
        m_log.append(LogKind::SYS, tr("Port closed").toUtf8());
        return;
    }
    if (!m_serial.isOpen()) {
        return;
    }
    m_serial.close();
    m_log.append(LogKind::SYS, tr("Port closed").toUtf8());
}

void AppController::onPortClosed()
{
    m_repeatSender->sessionEnded();
    m_controlLines->sessionEnded();
    stopBatchCommand();
    flushRxLineBuffer();
    emit connectionChanged();
}

void AppController::handleIncomingData(const QByteArray& data)
{
    m_rxReceiver.feed(data);
}

void AppController::flushRxLineBuffer()
{
    m_rxReceiver.flush();
}
