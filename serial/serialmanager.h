#pragma once

#include "serial/controllines.h"
#include "serial/serialconfig.h"

#include <QList>
#include <QObject>
#include <QSerialPort>

/// The one serial port the application drives: opens it with a SerialConfig,
/// writes bytes, reports received chunks and turns port errors into readable
/// messages, closing the port when the device goes away.
class SerialManager : public QObject
{
    Q_OBJECT

public:
    explicit SerialManager(QObject* parent = nullptr);
    ~SerialManager() override;

    /// Opens the port with @p cfg, closing a port that is still open first.
    /// On failure @p error (if given) receives a message that names the port
    /// and says what the user can do; errorOccurred() carries it once.
    bool open(const SerialConfig& cfg, QString* error);
    void close();
    bool isOpen() const;

    /// Bytes accepted for sending, or -1 when the port is closed or refuses.
    qint64 write(const QByteArray& data);

    /// Bytes written but not yet handed to the device.
    qint64 bytesToWrite() const;

    /// Whether received bytes wait to be read: they came while the event
    /// loop was busy, and dataReceived() has not reported them yet.
    bool hasUnreadInput() const;

    /// DTR, RTS, BREAK and the modem status of the port.
    ControlLinePort& controlLinePort() { return m_lines; }

    QString portSummary() const;
    SerialConfig activeConfig() const { return m_active; }

    /// "115200 8-N-1" style text: baud rate, data bits, parity letter, stop bits.
    static QString summaryFor(const SerialConfig& cfg);
    static QList<SerialPortEntry> availablePorts();
    static QList<int> standardBaudRates();

signals:
    void dataReceived(const QByteArray& data);
    void opened(const SerialConfig& cfg);
    void closed();
    void errorOccurred(const QString& message);
    /// Some of the bytes written have gone out to the device.
    void bytesWritten(qint64 bytes);
    /// Closing the port threw away this many bytes that had not gone out
    /// yet; emitted just before closed().
    void unsentBytesDiscarded(qint64 bytes);
    /// The device went away while the port was open; emitted after closed().
    void deviceLost();

private slots:
    void handleReadyRead();
    void handleError(QSerialPort::SerialPortError err);

private:
    bool failOpen(const QString& message, QString* error);

    QSerialPort m_port;
    SerialPortLines m_lines{m_port};
    SerialConfig m_active;
    bool m_opening = false;
};
