#include "device.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <utility>
#include <vector>

namespace {

using Fields = std::vector<std::pair<const char*, QJsonValue>>;

// Keeps the keys in the order a device firmware prints them; QJsonObject would sort them.
QByteArray jsonObject(const Fields& fields)
{
    QByteArray out;
    for (const auto& [key, value] : fields) {
        const QByteArray one =
            QJsonDocument(QJsonObject{{QLatin1String(key), value}}).toJson(QJsonDocument::Compact);
        out += (out.isEmpty() ? "{" : ",") + one.mid(1, one.size() - 2);
    }
    return out + '}';
}

Fields operator+(Fields a, const Fields& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

double oneDecimal(double v)
{
    return std::round(v * 10.0) / 10.0;
}

Hx4Device::Reply error(const char* what, const QString& command = QString())
{
    Fields fields{{"error", QString::fromLatin1(what)}};
    if (!command.isNull())
        fields.emplace_back("command", command);
    return {jsonObject(fields), true};
}

} // namespace

Hx4Device::Hx4Device()
    : m_rng(QRandomGenerator::securelySeeded())
{}

std::vector<std::pair<const char*, QJsonValue>> Hx4Device::readings()
{
    auto walk = [this](double& v, double amplitude, double low, double high) {
        v = std::clamp(v + (m_rng.generateDouble() * 2.0 - 1.0) * amplitude, low, high);
    };
    walk(m_temperature, 0.4, 18.0, 32.0);
    walk(m_humidity, 1.5, 25.0, 75.0);
    walk(m_light, 40.0, 0.0, 1200.0);
    return {{"temperature", oneDecimal(m_temperature)},
            {"humidity", oneDecimal(m_humidity)},
            {"light", qint64(std::lround(m_light))}};
}

Hx4Device::Reply Hx4Device::handleLine(const QByteArray& line)
{
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(line, &parseError);
    if (parseError.error != QJsonParseError::NoError || !doc.isObject())
        return error("invalid json");
    const QJsonObject request = doc.object();
    const QJsonValue commandValue = request.value(QLatin1String("command"));
    if (!commandValue.isString())
        return error("missing command");
    const QString command = commandValue.toString();

    if (command == QLatin1String("ReadProduct")) {
        return {jsonObject({{"command", command},
                            {"product", QStringLiteral("HX4")},
                            {"firmware", QStringLiteral("1.2.0")},
                            {"hardware", QStringLiteral("B")},
                            {"serial", QStringLiteral("HX4-20A7C1")}})};
    }
    if (command == QLatin1String("ReadData"))
        return {jsonObject(Fields{{"command", command}} + readings())};
    if (command == QLatin1String("SetupWifi")) {
        // The device library's template spells the key "SSID"; accept the lower-case form too.
        QJsonValue ssid = request.value(QLatin1String("SSID"));
        if (ssid.isUndefined())
            ssid = request.value(QLatin1String("ssid"));
        if (!ssid.isString() || ssid.toString().isEmpty())
            return error("missing ssid", command);
        Fields reply{{"command", command}, {"result", QStringLiteral("ok")}, {"ssid", ssid}};
        const QJsonValue type = request.value(QLatin1String("type"));
        if (type.isString() && !type.toString().isEmpty())
            reply.emplace_back("type", type);
        return {jsonObject(reply)};
    }
    return error("unknown command", command);
}

QByteArray Hx4Device::report(ReportShape shape)
{
    return report(shape, ++m_reports);
}

QByteArray Hx4Device::report(ReportShape shape, qint64 seq)
{
    const Fields values = readings();
    const auto number = [](double v) {
        return QByteArray::number(std::round(v * 100) / 100);
    };
    const auto reading = [&](int i) {
        return QByteArray::number(values[size_t(i)].second.toDouble(), 'g', 6);
    };
    switch (shape) {
    case ReportShape::Flat:
        break;
    case ReportShape::Nested: {
        m_rssi = std::clamp(m_rssi + (m_rng.generateDouble() * 2.0 - 1.0) * 2.0, -90.0, -30.0);
        const double tilt = (m_rng.generateDouble() - 0.5) * 0.04;
        const qint64 lux = values[2].second.toInteger();
        // Written by hand: QJsonObject would sort the keys of the inner objects.
        const QByteArray head = jsonObject(
            Fields{{"event", QStringLiteral("report")}, {"seq", seq}, values[0], values[1]});
        return head.chopped(1) + R"(,"light":{"lux":)" + QByteArray::number(lux) + R"(,"ir":)" +
               QByteArray::number(lux / 10) + R"(},"wifi":{"rssi":)" +
               QByteArray::number(qint64(m_rssi)) + R"(},"accel":[)" + number(tilt) + ',' +
               number(-tilt / 2) + ',' + number(0.98 + tilt / 10) + "]}";
    }
    case ReportShape::Labels:
        return "seq:" + QByteArray::number(seq) + " temperature:" + reading(0) +
               " humidity:" + reading(1) + " light:" + reading(2);
    case ReportShape::Numbers:
        return reading(0) + ',' + reading(1) + ',' + reading(2);
    }
    return jsonObject(Fields{{"event", QStringLiteral("report")}, {"seq", seq}} + values);
}

namespace {

bool wholeNumber(const QByteArray& text, int low, int high, int& value)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok || number < low || number > high)
        return false;
    value = number;
    return true;
}

bool printableName(const QByteArray& text)
{
    return !text.isEmpty() && text.size() <= 32 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7f; });
}

} // namespace

void AtDevice::reset()
{
    m_intervalSec = 60;
    m_name = "AT2";
    m_alarmLow = 10;
    m_alarmHigh = 35;
}

AtDevice::Reply AtDevice::handleLine(const QByteArray& line)
{
    const Reply ok{{"OK"}, false};
    const Reply failed{{"ERROR"}, true};
    // The keyword is case-insensitive as on most AT firmware; values are not.
    const qsizetype equals = line.indexOf('=');
    const QByteArray keyword = (equals < 0 ? line : line.left(equals)).toUpper();
    const QByteArray value = equals < 0 ? QByteArray() : line.mid(equals + 1);
    const bool assigns = equals >= 0;

    if (keyword == "AT" && !assigns)
        return ok;
    if (keyword == "AT+RST" && !assigns) {
        reset();
        return ok;
    }
    if (keyword == "AT+VER?" && !assigns)
        return {{"+VER:AT2,1.4.2", "OK"}, false};
    if (keyword == "AT+READ?" && !assigns) {
        QByteArray reading = "+READ:";
        for (const auto& [key, number] : m_sensor.readings())
            reading += QByteArray(1, char(std::toupper(key[0]))) + '=' +
                       QByteArray::number(number.toDouble()) + ',';
        reading.chop(1);
        return {{reading, "OK"}, false};
    }
    if (keyword == "AT+INTERVAL?" && !assigns)
        return {{"+INTERVAL:" + QByteArray::number(m_intervalSec), "OK"}, false};
    if (keyword == "AT+INTERVAL" && assigns)
        return wholeNumber(value, 1, 3600, m_intervalSec) ? ok : failed;
    if (keyword == "AT+NAME?" && !assigns)
        return {{"+NAME:" + m_name, "OK"}, false};
    if (keyword == "AT+NAME" && assigns) {
        if (!printableName(value))
            return failed;
        m_name = value;
        return ok;
    }
    if (keyword == "AT+ALARM?" && !assigns)
        return {{"+ALARM:" + QByteArray::number(m_alarmLow) + ',' + QByteArray::number(m_alarmHigh),
                 "OK"},
                false};
    if (keyword == "AT+ALARM" && assigns) {
        const QList<QByteArray> parts = value.split(',');
        int low = 0;
        int high = 0;
        if (parts.size() != 2 || !wholeNumber(parts.at(0), -40, 125, low) ||
            !wholeNumber(parts.at(1), -40, 125, high) || low >= high)
            return failed;
        m_alarmLow = low;
        m_alarmHigh = high;
        return ok;
    }
    return failed;
}

quint16 ModbusSlave::crc(const char* data, int size)
{
    quint16 crc = 0xFFFF;
    for (int i = 0; i < size; ++i) {
        crc ^= quint8(data[i]);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1u) ? quint16((crc >> 1) ^ 0xA001u) : quint16(crc >> 1);
    }
    return crc;
}

namespace {

bool crcMatches(const QByteArray& frame)
{
    const quint16 crc = ModbusSlave::crc(frame.constData(), int(frame.size()) - 2);
    return quint8(frame[frame.size() - 2]) == (crc & 0xFF) &&
           quint8(frame[frame.size() - 1]) == (crc >> 8);
}

constexpr int kMaxFrame = 256;

} // namespace

QByteArray ModbusSlave::feed(const QByteArray& bytes)
{
    QByteArray out;
    m_buffer += bytes;
    // Requests of functions 1 to 6 are always 8 bytes long, so they need not wait for the
    // inter-frame silence; a corrupted one is dropped without an answer, as a slave does.
    while (m_buffer.size() >= 8 && quint8(m_buffer[1]) >= 1 && quint8(m_buffer[1]) <= 6) {
        const QByteArray frame = m_buffer.left(8);
        m_buffer.remove(0, 8);
        if (crcMatches(frame))
            out += respond(frame);
    }
    if (m_buffer.size() > kMaxFrame)
        m_buffer.clear();
    return out;
}

QByteArray ModbusSlave::endOfFrame()
{
    const QByteArray frame = m_buffer;
    m_buffer.clear();
    return frame.size() >= 4 && crcMatches(frame) ? respond(frame) : QByteArray();
}

quint16 ModbusSlave::value(quint32 n) const
{
    return m_written.value(quint16(n), registerValue(n));
}

QByteArray ModbusSlave::respond(const QByteArray& frame)
{
    // Broadcasts (address 0) are never answered, and neither is another slave's request.
    if (quint8(frame[0]) != m_address)
        return {};
    const quint8 function = quint8(frame[1]);
    QByteArray reply(1, char(m_address));
    const quint32 start = (quint8(frame[2]) << 8) | quint8(frame[3]);
    const quint32 quantity = frame.size() == 8 ? (quint8(frame[4]) << 8) | quint8(frame[5]) : 0;
    quint8 exception = 0;
    if (function == 6 && frame.size() == 8) {
        // Any value fits any register; the answer repeats the request.
        m_written.insert(quint16(start), quint16(quantity));
        reply = frame.chopped(2);
    } else if (function != 3) {
        exception = 1;
    } else if (quantity < 1 || quantity > 125) {
        exception = 3;
    } else if (start + quantity > 0x10000) {
        exception = 2;
    }
    if (exception) {
        reply += char(function | 0x80);
        reply += char(exception);
    } else if (function == 3) {
        reply += char(function);
        reply += char(quantity * 2);
        for (quint32 n = start; n < start + quantity; ++n) {
            reply += char(value(n) >> 8);
            reply += char(value(n) & 0xFF);
        }
    }
    quint16 crc = ModbusSlave::crc(reply.constData(), int(reply.size()));
    ++m_answers;
    if (m_badCrcEvery > 0 && m_answers % m_badCrcEvery == 0)
        crc = quint16(~crc);
    reply += char(crc & 0xFF);
    return reply + char(crc >> 8);
}
