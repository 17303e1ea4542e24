#include "serial/serialmanager.h"

#include "serial/portaccess.h"
#include "serial/portidentity.h"

#include <QSerialPortInfo>

#if defined(Q_OS_UNIX)
#include <poll.h>
#include <sys/ioctl.h>
#endif

namespace {

// On Unix a terminal whose device went away (a USB adapter pulled out, the
// far end of a pseudo-terminal closed) is hung up: it polls readable and
// reads as end of file. QSerialPort reports each such read as a ReadError and
// keeps the port open, so without this check the error would repeat forever.
bool isHungUp(const QSerialPort& port)
{
#if defined(Q_OS_UNIX)
    pollfd pfd{int(port.handle()), POLLIN, 0};
    return ::poll(&pfd, 1, 0) == 1 && (pfd.revents & POLLHUP) != 0;
#else
    Q_UNUSED(port);
    return false;
#endif
}

QString parityLetter(int code)
{
    switch (code) {
    case QSerialPort::NoParity:
        return QStringLiteral("N");
    case QSerialPort::EvenParity:
        return QStringLiteral("E");
    case QSerialPort::OddParity:
        return QStringLiteral("O");
    case QSerialPort::SpaceParity:
        return QStringLiteral("S");
    case QSerialPort::MarkParity:
        return QStringLiteral("M");
    default:
        return QStringLiteral("?");
    }
}

QString stopBitsText(int code)
{
    switch (code) {
    case QSerialPort::OneStop:
        return QStringLiteral("1");
    case QSerialPort::TwoStop:
        return QStringLiteral("2");
    case QSerialPort::OneAndHalfStop:
        return QStringLiteral("1.5");
    default:
        return QStringLiteral("?");
    }
}

} // namespace

SerialManager::SerialManager(QObject* parent)
    : QObject(parent)
{
    connect(&m_port, &QSerialPort::readyRead, this, &SerialManager::handleReadyRead);
    connect(&m_port, &QSerialPort::errorOccurred, this, &SerialManager::handleError);
    connect(&m_port, &QSerialPort::bytesWritten, this, &SerialManager::bytesWritten);
}

SerialManager::~SerialManager()
{
    // Observers hear about the close while the port object still exists.
    close();
    disconnect(&m_port, nullptr, this, nullptr);
}

bool SerialManager::open(const SerialConfig& cfg, QString* error)
{
    close();

    // A folder, a regular file or a missing path is refused before the port
    // makes a lock file for it.
    const QString refused = PortAccess::checkDevicePath(cfg.portName);
    if (!refused.isEmpty()) {
        return failOpen(refused, error);
    }

    m_port.setPortName(cfg.portName);
    m_port.setBaudRate(cfg.baudRate, QSerialPort::AllDirections);
    m_port.setDataBits(static_cast<QSerialPort::DataBits>(cfg.dataBits));
    m_port.setParity(static_cast<QSerialPort::Parity>(cfg.parity));
    m_port.setStopBits(static_cast<QSerialPort::StopBits>(cfg.stopBits));
    m_port.setFlowControl(static_cast<QSerialPort::FlowControl>(cfg.flowControl));

    // The port reports a failed open through its error signal, for some
    // failures twice; it is reported here once, in words that name the port.
    m_opening = true;
    const bool ok = m_port.open(QIODevice::ReadWrite);
    m_opening = false;
    if (!ok) {
        return failOpen(
            PortAccess::describeOpenFailure(cfg.portName, m_port.error(), m_port.errorString()),
            error);
    }
    m_active = cfg;
    emit opened(m_active);
    return true;
}

bool SerialManager::failOpen(const QString& message, QString* error)
{
    if (error) {
        *error = message;
    }
    emit errorOccurred(message);
    return false;
}

void SerialManager::close()
{
    if (!m_port.isOpen()) {
        return;
    }
    const qint64 unsent = m_port.bytesToWrite();
    m_port.close();
    if (unsent > 0) {
        emit unsentBytesDiscarded(unsent);
    }
    emit closed();
}

bool SerialManager::isOpen() const
{
    return m_port.isOpen();
}

qint64 SerialManager::write(const QByteArray& data)
{
    if (!m_port.isOpen()) {
        return -1;
    }
    return m_port.write(data);
}

qint64 SerialManager::bytesToWrite() const
{
    return m_port.isOpen() ? m_port.bytesToWrite() : 0;
}

QString SerialManager::portSummary() const
{
    return summaryFor(m_active);
}

QString SerialManager::summaryFor(const SerialConfig& cfg)
{
    return QStringLiteral("%1 %2-%3-%4")
        .arg(cfg.baudRate)
        .arg(cfg.dataBits)
        .arg(parityLetter(cfg.parity), stopBitsText(cfg.stopBits));
}

QList<SerialPortEntry> SerialManager::availablePorts()
{
    QList<SerialPortEntry> ports;
    const auto infos = QSerialPortInfo::availablePorts();
    ports.reserve(infos.size());
    for (const QSerialPortInfo& info : infos) {
        SerialPortEntry entry;
        entry.portName = info.portName();
        entry.description = info.description();
        entry.chipLabel = chipLabelForVendor(info.hasVendorIdentifier(), info.vendorIdentifier());
        entry.recommended = !entry.chipLabel.isEmpty();
        entry.serialNumber = info.serialNumber();
        entry.vendorId = info.hasVendorIdentifier() ? int(info.vendorIdentifier()) : -1;
        entry.productId = info.hasProductIdentifier() ? int(info.productIdentifier()) : -1;
        entry.systemLocation = info.systemLocation();
        entry.usbLocation = PortIdentity::usbLocation(entry.systemLocation);
        ports.append(entry);
    }
    return ports;
}

QList<int> SerialManager::standardBaudRates()
{
    return {9600, 19200, 57600, 115200, 230400};
}

bool SerialManager::hasUnreadInput() const
{
    if (!m_port.isOpen()) {
        return false;
    }
    if (m_port.bytesAvailable() > 0) {
        return true;
    }
#if defined(Q_OS_UNIX)
    // The port reads only when its notifier runs; until then the bytes sit
    // in the terminal's own queue.
    int queued = 0;
    return ::ioctl(int(m_port.handle()), FIONREAD, &queued) == 0 && queued > 0;
#else
    return false;
#endif
}

void SerialManager::handleReadyRead()
{
    const QByteArray data = m_port.readAll();
    if (!data.isEmpty()) {
        emit dataReceived(data);
    }
}

void SerialManager::handleError(QSerialPort::SerialPortError err)
{
    // A control-line call the port does not support is answered where it
    // was made (ControlLines), once a session, not as an error of the port.
    if (err == QSerialPort::NoError || err == QSerialPort::UnsupportedOperationError || m_opening) {
        return;
    }
    const bool unplugged = err == QSerialPort::DeviceNotFoundError ||
                           err == QSerialPort::PermissionError ||
                           err == QSerialPort::ResourceError ||
                           (err == QSerialPort::ReadError && m_port.isOpen() && isHungUp(m_port));
    if (unplugged && m_port.isOpen()) {
        // Closed first: what the session received up to the hang-up (the
        // start of a line) is handled before the message that ends it.
        const QString message = tr("Serial port %1 disconnected.").arg(m_active.portName);
        close();
        emit errorOccurred(message);
        emit deviceLost();
        return;
    }
    emit errorOccurred(m_port.errorString());
}
