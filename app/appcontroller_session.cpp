// Port session: opening and closing, the selected port, and cutting the
// received byte stream into log lines.
#include "app/appcontroller.h"

#include "serial/portidentity.h"
#include "serial/portlistmodel.h"

#include <QTimer>

#include <utility>

namespace {

const QString kNoName = QStringLiteral("\u2014");

// Drops one trailing carriage return; tells which line end that leaves.
LineEnd dropTrailingCarriageReturn(QByteArray& line)
{
    if (!line.isEmpty() && line.back() == '\r') {
        line.chop(1);
        return LineEnd::Cr;
    }
    return LineEnd::None;
}

} // namespace

bool AppController::portOpen() const
{
    return m_serial.isOpen();
}

QString AppController::portStatusText() const
{
    const QString name = m_serial.activeConfig().portName;
    const QString shown = name.isEmpty() ? kNoName : name;
    if (m_reconnectWaiting) {
        return tr("%1 WAITING").arg(shown);
    }
    return m_serial.isOpen() ? tr("%1 OPEN").arg(shown) : tr("%1 CLOSED").arg(shown);
}

QString AppController::portSummary() const
{
    if (m_reconnectWaiting) {
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
    if (m_reconnectWaiting) {
        tryReconnect();
    }
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
    if (m_reconnectWaiting) {
        stopWaiting();
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
    recordSession(config);
    m_log.append(LogKind::SYS,
                 tr("%1 opened \u00b7 %2").arg(portName, m_serial.portSummary()).toUtf8());
    if (m_repeatSendEnabled) {
        m_repeatTimer->start(m_repeatIntervalMs);
    }
    return true;
}

void AppController::closePort()
{
    // Giving up on a device that went away ends its session as a close does.
    if (m_reconnectWaiting) {
        stopWaiting();
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
    m_repeatTimer->stop();
    m_repeatAwaitingDrain = false;
    stopBatchCommand();
    flushRxLineBuffer();
    emit connectionChanged();
}

void AppController::handleIncomingData(const QByteArray& data)
{
    m_rxBuffer.append(data);

    QList<QByteArray> lines;
    QList<LineEnd> lineEnds;
    const char* begin = m_rxBuffer.constData();
    const qsizetype size = m_rxBuffer.size();
    qsizetype start = 0;
    while (start < size) {
        const void* hit = memchr(begin + start, '\n', size_t(size - start));
        if (!hit) {
            break;
        }
        const qsizetype lf = static_cast<const char*>(hit) - begin;
        qsizetype end = lf;
        LineEnd lineEnd = LineEnd::Lf;
        if (end > start && begin[end - 1] == '\r') {
            --end;
            lineEnd = LineEnd::CrLf;
        }
        lines.append(QByteArray(begin + start, end - start));
        lineEnds.append(lineEnd);
        start = lf + 1;
    }

    if (!lines.isEmpty()) {
        m_log.appendBatch(LogKind::RX, lines, lineEnds);
    }
    if (start > 0) {
        m_rxBuffer.remove(0, start);
    }

    if (m_rxBuffer.size() >= RxLineLimit) {
        flushRxLineBuffer();
    } else if (!m_rxBuffer.isEmpty()) {
        // Re-arming the timer for every chunk cost a tenth of the receive
        // path: it runs on, and waits out the rest of the pause when it fires.
        m_rxSinceChunk.start();
        if (!m_rxFlushTimer->isActive()) {
            m_rxFlushTimer->start(RxFlushMs);
        }
    } else {
        m_rxFlushTimer->stop();
    }
}

void AppController::onRxFlushTimeout()
{
    const qint64 quiet = m_rxSinceChunk.isValid() ? m_rxSinceChunk.elapsed() : RxFlushMs;
    if (quiet < RxFlushMs) {
        m_rxFlushTimer->start(int(RxFlushMs - quiet));
        return;
    }
    // After the window was busy for longer than the pause, the rest of the
    // line may be waiting unread: the pause is only over once it is read.
    if (m_serial.hasUnreadInput()) {
        m_rxFlushTimer->start(RxFlushMs);
        return;
    }
    flushRxLineBuffer();
}

void AppController::flushRxLineBuffer()
{
    m_rxFlushTimer->stop();
    if (m_rxBuffer.isEmpty()) {
        return;
    }
    QByteArray line;
    line.swap(m_rxBuffer);
    const LineEnd lineEnd = dropTrailingCarriageReturn(line);
    m_log.append(LogKind::RX, line, lineEnd);
}
