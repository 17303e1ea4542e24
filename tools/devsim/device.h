#pragma once

#include "options.h"

#include <QByteArray>
#include <QHash>
#include <QJsonValue>
#include <QRandomGenerator>

#include <utility>
#include <vector>

/// The HX4 sensor's JSON command set: turns one request line into one reply.
class Hx4Device
{
public:
    struct Reply
    {
        QByteArray json; ///< without line ending
        bool error = false;
    };

    Hx4Device();

    Reply handleLine(const QByteArray& line);
    /// The unsolicited reading that --report sends, numbered by the device.
    QByteArray report(ReportShape shape = ReportShape::Flat);
    /// A reading of the given shape with the given sequence number.
    QByteArray report(ReportShape shape, qint64 seq);
    /// The next temperature, humidity and light level.
    std::vector<std::pair<const char*, QJsonValue>> readings();

private:
    QRandomGenerator m_rng;
    double m_temperature = 23.5;
    double m_humidity = 46.0;
    double m_light = 320.0;
    double m_rssi = -60.0;
    qint64 m_reports = 0;
};

/// The AT2 sensor's AT-style text protocol: one request line gets its reply
/// lines, the last of them "OK" or "ERROR".
class AtDevice
{
public:
    struct Reply
    {
        std::vector<QByteArray> lines; ///< without line endings
        bool error = false;
    };

    Reply handleLine(const QByteArray& line);

private:
    void reset();

    Hx4Device m_sensor; // for the readings of AT+READ?
    int m_intervalSec = 60;
    QByteArray m_name = "AT2";
    int m_alarmLow = 10;
    int m_alarmHigh = 35;
};

/// A Modbus RTU slave that serves read-holding-registers and write-single-register on a
/// register map that starts as registerValue() and keeps what is written.
class ModbusSlave
{
public:
    explicit ModbusSlave(quint8 address, int badCrcEvery = 0)
        : m_address(address)
        , m_badCrcEvery(badCrcEvery)
    {}

    /// Takes received bytes and returns the response frames for the requests they complete.
    QByteArray feed(const QByteArray& bytes);
    /// The inter-frame silence of RTU: answers what is buffered if it is a whole frame.
    QByteArray endOfFrame();
    void resetFrame() { m_buffer.clear(); }
    bool hasPartialFrame() const { return !m_buffer.isEmpty(); }

    static quint16 registerValue(quint32 n) { return quint16(n * 10 + 1); }
    static quint16 crc(const char* data, int size);

private:
    QByteArray respond(const QByteArray& frame);
    quint16 value(quint32 n) const;

    QByteArray m_buffer;
    quint8 m_address;
    // Every this many answers one goes out with a wrong CRC; 0 for never.
    int m_badCrcEvery = 0;
    qint64 m_answers = 0;
    QHash<quint16, quint16> m_written;
};
