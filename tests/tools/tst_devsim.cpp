#include "util/crc16.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSerialPort>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <utility>

namespace {

/// One simulator process, ended when the test function leaves.
class Devsim
{
public:
    ~Devsim() { stop(); }

    bool start(const QStringList& args)
    {
        const QString program = qEnvironmentVariable("KORVEL_DEVSIM");
        if (program.isEmpty()) {
            error = QStringLiteral("KORVEL_DEVSIM is not set");
            return false;
        }
        process.start(program, args + QStringList{QStringLiteral("--quiet")});
        const QDeadlineTimer deadline(10000);
        while (!process.canReadLine() && process.state() != QProcess::NotRunning &&
               !deadline.hasExpired())
            process.waitForReadyRead(100);
        if (!process.canReadLine()) {
            error = QStringLiteral("no device path: ") + process.readAllStandardError();
            return false;
        }
        path = QString::fromLocal8Bit(process.readLine()).trimmed();
        return !path.isEmpty();
    }

    /// Ends the simulator with SIGTERM and returns what it printed on stderr.
    QByteArray stop()
    {
        if (process.state() != QProcess::NotRunning) {
            process.terminate();
            if (!process.waitForFinished(5000)) {
                process.kill();
                process.waitForFinished(5000);
            }
        }
        return process.readAllStandardError();
    }

    QProcess process;
    QString path;
    QString error;
};

/// Collects what a port receives and hands it out as CR LF terminated lines.
class Reader
{
public:
    explicit Reader(QSerialPort& port)
        : m_port(port)
        , m_spy(&port, &QSerialPort::readyRead)
    {}

    /// The next line including its CR LF, or an empty array when none came within timeoutMs.
    QByteArray line(int timeoutMs = 5000)
    {
        return take(timeoutMs, [this] {
            const qsizetype end = m_buffer.indexOf("\r\n");
            return end < 0 ? qsizetype(-1) : end + 2;
        });
    }

    /// Exactly size bytes, or fewer when they did not come within timeoutMs.
    QByteArray bytes(qsizetype size, int timeoutMs = 5000)
    {
        const QByteArray got =
            take(timeoutMs, [&] { return m_buffer.size() >= size ? size : qsizetype(-1); });
        return got.isEmpty() ? std::exchange(m_buffer, {}) : got;
    }

private:
    template <typename Ready> QByteArray take(int timeoutMs, Ready ready)
    {
        const QDeadlineTimer deadline(timeoutMs);
        for (;;) {
            m_buffer += m_port.readAll();
            const qsizetype size = ready();
            if (size >= 0) {
                const QByteArray out = m_buffer.left(size);
                m_buffer.remove(0, size);
                return out;
            }
            if (deadline.hasExpired())
                return {};
            m_spy.wait(int(qMax<qint64>(1, deadline.remainingTime())));
        }
    }

    QSerialPort& m_port;
    QSignalSpy m_spy;
    QByteArray m_buffer;
};

// waitForFinished() says false for a process that has already ended.
bool finished(QProcess& process)
{
    return process.state() == QProcess::NotRunning || process.waitForFinished(5000);
}

bool openPort(QSerialPort& port, const QString& path)
{
    port.setPortName(path);
    port.setBaudRate(115200);
    return port.open(QIODevice::ReadWrite);
}

QJsonObject parseLine(const QByteArray& line)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(line.trimmed(), &error);
    return error.error == QJsonParseError::NoError ? doc.object() : QJsonObject();
}

QByteArray frame(const char* hex)
{
    const QByteArray body = QByteArray::fromHex(hex);
    return body + Crc16::modbusBytes(body);
}

// The line the simulator documents for flood line number n.
QByteArray floodLine(int n, int length)
{
    static const char fill[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray line = QByteArray::number(n).rightJustified(8, '0') + ' ';
    for (int i = 0; line.size() < length - 2; ++i)
        line += fill[(n + i) % 62];
    return line + "\r\n";
}

} // namespace

class TestDevsim : public QObject
{
    Q_OBJECT

private slots:
    void jsonCommands_data();
    void jsonCommands();
    void readDataGivesPlausibleVaryingReadings();
    void requestsSplitOrBatchedAreAnswered();
    void overlongLineIsRejected();
    void ansiWrapsReplies();
    void reportsArriveUnasked();
    void reportShapes_data();
    void reportShapes();
    void floodOfReports();
    void portCanBeReopened();
    void textCommands_data();
    void textCommands();
    void modbusAnswers_data();
    void modbusAnswers();
    void modbusKeepsWrites();
    void modbusSpoilsEveryNthCrc_data();
    void modbusSpoilsEveryNthCrc();
    void modbusStaysSilent_data();
    void modbusStaysSilent();
    void flood_data();
    void flood();
    void binaryStream();
    void hangupClosesPort_data();
    void hangupClosesPort();
    void link_data();
    void link();
    void linkNeverReplacesAFile();
    void badCommandLine_data();
    void badCommandLine();
};

void TestDevsim::jsonCommands_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QVariantMap>("expected");
    QTest::addColumn<QByteArray>("forbidden");

    const QVariantMap product{{"command", "ReadProduct"}, {"product", "HX4"}};
    QTest::newRow("ReadProduct CR LF") << QByteArray(R"({"command":"ReadProduct"})"
                                                     "\r\n")
                                       << product << QByteArray();
    QTest::newRow("ReadProduct LF") << QByteArray(R"({"command":"ReadProduct"})"
                                                  "\n")
                                    << product << QByteArray();
    QTest::newRow("blank lines first") << QByteArray("\r\n\n  \r\n"
                                                     R"({"command":"ReadProduct"})"
                                                     "\n")
                                       << product << QByteArray();
    QTest::newRow("SetupWifi")
        << QByteArray(
               R"({"command":"SetupWifi","SSID":"lab-net","pasword":"s3cret-pw","type":"WPA2"})"
               "\r\n")
        << QVariantMap{{"command", "SetupWifi"}, {"ssid", "lab-net"}, {"type", "WPA2"}}
        << QByteArray("s3cret-pw");
    QTest::newRow("SetupWifi lower-case ssid")
        << QByteArray(R"({"command":"SetupWifi","ssid":"Caf\u00e9 \"5G\"","password":"pw-123"})"
                      "\n")
        << QVariantMap{{"ssid", QStringLiteral("Caf\u00e9 \"5G\"")}} << QByteArray("pw-123");
    QTest::newRow("SetupWifi without ssid")
        << QByteArray(R"({"command":"SetupWifi","SSID":"","pasword":"pw-456"})"
                      "\n")
        << QVariantMap{{"command", "SetupWifi"}, {"error", "missing ssid"}} << QByteArray("pw-456");
    QTest::newRow("unknown command")
        << QByteArray(R"({"command":"Foo"})"
                      "\n")
        << QVariantMap{{"error", "unknown command"}, {"command", "Foo"}} << QByteArray();
    QTest::newRow("invalid json") << QByteArray("{\"command\":\n")
                                  << QVariantMap{{"error", "invalid json"}} << QByteArray();
    QTest::newRow("json array") << QByteArray("[\"ReadData\"]\n")
                                << QVariantMap{{"error", "invalid json"}} << QByteArray();
    QTest::newRow("no command") << QByteArray(R"({"cmd":"ReadData"})"
                                              "\n")
                                << QVariantMap{{"error", "missing command"}} << QByteArray();
    QTest::newRow("command not a string")
        << QByteArray(R"({"command":42})"
                      "\n")
        << QVariantMap{{"error", "missing command"}} << QByteArray();
}

void TestDevsim::jsonCommands()
{
    QFETCH(QByteArray, request);
    QFETCH(QVariantMap, expected);
    QFETCH(QByteArray, forbidden);

    Devsim sim;
    QVERIFY2(sim.start({}), qPrintable(sim.error));
    QSerialPort port;
    QVERIFY2(openPort(port, sim.path), qPrintable(port.errorString()));
    Reader reader(port);

    port.write(request);
    const QByteArray reply = reader.line();
    QVERIFY2(reply.endsWith("\r\n"), reply.constData());
    const QJsonObject json = parseLine(reply);
    QVERIFY2(!json.isEmpty(), reply.constData());
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        QCOMPARE(json.value(it.key()).toVariant(), it.value());
    if (!forbidden.isEmpty())
        QVERIFY2(!reply.contains(forbidden), reply.constData());

    // Exactly one reply: the next line belongs to the next request.
    port.write("{\"command\":\"ReadProduct\"}\n");
    QCOMPARE(parseLine(reader.line()).value("product").toString(), QStringLiteral("HX4"));
}

void TestDevsim::readDataGivesPlausibleVaryingReadings()
{
    Devsim sim;
    QVERIFY2(sim.start({}), qPrintable(sim.error));
    QSerialPort port;
    QVERIFY2(openPort(port, sim.path), qPrintable(port.errorString()));
    Reader reader(port);

    QSet<QString> distinct;
    for (int i = 0; i < 10; ++i) {
        port.write("{\"command\":\"ReadData\"}\r\n");
        const QByteArray line = reader.line();
        const QJsonObject json = parseLine(line);
        QCOMPARE(json.value("command").toString(), QStringLiteral("ReadData"));
        const double temperature = json.value("temperature").toDouble(-999);
        const double humidity = json.value("humidity").toDouble(-999);
        const double light = json.value("light").toDouble(-999);
        QVERIFY2(temperature >= -40 && temperature <= 85, line.constData());
        QVERIFY2(humidity >= 0 && humidity <= 100, line.constData());
        QVERIFY2(light >= 0, line.constData());
        distinct.insert(QStringLiteral("%1/%2/%3").arg(temperature).arg(humidity).arg(light));
    }
    QVERIFY(distinct.size() > 1);
}

void TestDevsim::requestsSplitOrBatchedAreAnswered()
{
    Devsim sim;
    QVERIFY2(sim.start({}), qPrintable(sim.error));
    QSerialPort port;
    QVERIFY2(openPort(port, sim.path), qPrintable(port.errorString()));
    Reader reader(port);

    port.write("{\"command\":\"Read");
    QVERIFY(port.waitForBytesWritten(2000));
    QVERIFY(reader.line(300).isEmpty()); // no reply before the line feed
    port.write("Product\"}\r\n{\"command\":\"ReadData\"}\n{\"command\":\"Bar\"}\n");
    QCOMPARE(parseLine(reader.line()).value("product").toString(), QStringLiteral("HX4"));
    QCOMPARE(parseLine(reader.line()).value("command").toString(), QStringLiteral("ReadData"));
    QCOMPARE(parseLine(reader.line()).value("command").toString(), QStringLiteral("Bar"));
}

void TestDevsim::overlongLineIsRejected()
{
    Devsim sim;
    QVERIFY2(sim.start({}), qPrintable(sim.error));
    QSerialPort port;
    QVERIFY2(openPort(port, sim.path), qPrintable(port.errorString()));
    Reader reader(port);

    port.write(QByteArray(20000, 'x') + "\n{\"command\":\"ReadProduct\"}\n");
    QCOMPARE(parseLine(reader.line()).value("error").toString(), QStringLiteral("line too long"));
    QCOMPARE(parseLine(reader.line()).value("product").toString(), QStringLiteral("HX4"));
}

void TestDevsim::ansiWrapsReplies()
{
    Devsim sim;
    QVERIFY2(sim.start({"--ansi"}), qPrintable(sim.error));
    QSerialPort port;
    QVERIFY2(openPort(port, sim.path), qPrintable(port.errorString()));
    Reader reader(port);

    port.write("{\"command\":\"ReadProduct\"}\n{\"command\":\"Nope\"}\n");
    const QRegularExpression sgr(QStringLiteral("\x1b\\[[0-9;]*m"));
    for (const char* field : {"product", "error"}) {
        const QByteArray line = reader.line();
        QVERIFY2(line.startsWith("\x1b[") && line.endsWith("\x1b[0m\r\n"), line.constData());
        const QString plain = QString::fromUtf8(line).remove(sgr);
        QVERIFY2(parseLine(plain.toUtf8()).contains(QLatin1String(field)), line.constData());
    }
}

void TestDevsim::reportsArriveUnasked()
{
    Devsim sim;
    QVERIFY2(sim.start({"--report", "100"}), qPrintable(sim.error));
    QSerialPort port;
    QVERIFY2(openPort(port, sim.path), qPrintable(port.errorString()));
    Reader reader(port);

    int previous = 0;
    for (int i = 0; i < 3; ++i) {
        const QByteArray line = reader.line();
        const QJsonObject json = parseLine(line);
        QVERIFY2(json.contains("temperature") && json.contains("humidity") &&
                     json.contains("light"),
                 line.constData());
        const int seq = json.value("seq").toInt();
        QVERIFY2(seq > previous, line.constData());
        previous = seq;
    }
}

void TestDevsim::reportShapes_data()
{
    QTest::addColumn<QString>("shape");
    // Either the keys of a JSON object in the order written, or a pattern.
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("pattern");

    QTest::newRow("flat") << "flat"
                          << QStringList{"event", "seq", "temperature", "humidity", "light"}
                          << QString();
    QTest::newRow("nested") << "nested" << QStringList{"event", "seq",  "temperature", "humidity",
                                                       "light", "wifi", "accel"}
                            << QString();
    QTest::newRow("labels") << "labels" << QStringList{}
                            << R"(^seq:(\d+) temperature:-?[\d.]+ humidity:[\d.]+ light:\d+\r\n$)";
    QTest::newRow("numbers") << "numbers" << QStringList{} << R"(^-?[\d.]+,[\d.]+,\d+\r\n$)";
}

void TestDevsim::reportShapes()
{
    QFETCH(QString, shape);
    QFETCH(QStringList, keys);
    QFETCH(QString, pattern);
    Devsim sim;
    QVERIFY2(sim.start({"--report", "50", "--shape", shape}), qPrintable(sim.error));
    QSerialPort port;
    QVERIFY2(openPort(port, sim.path), qPrintable(port.errorString()));
    Reader reader(port);

    int previous = 0;
    for (int i = 0; i < 3; ++i) {
        const QByteArray line = reader.line();
        QVERIFY2(line.endsWith("\r\n"), line.constData());
        if (!pattern.isEmpty()) {
            const QRegularExpressionMatch match =
                QRegularExpression(pattern).match(QString::fromUtf8(line));
            QVERIFY2(match.hasMatch(), line.constData());
            continue;
        }
        const QJsonObject json = parseLine(line);
        const QStringList written = json.keys();
        QCOMPARE(QSet<QString>(written.begin(), written.end()),
                 QSet<QString>(keys.begin(), keys.end()));
        // Written in the documented order, as a firmware prints them.
        qsizetype at = 0;
        for (const QString& key : keys) {
            const qsizetype next = line.indexOf('"' + key.toUtf8() + "\":", at);
            QVERIFY2(next > at, line.constData());
            at = next;
        }
        const int seq = json.value("seq").toInt();
        QVERIFY2(seq > previous, line.constData());
        previous = seq;
        if (shape == QLatin1String("nested")) {
            QVERIFY(json.value("light").toObject().value("lux").isDouble());
            QVERIFY(json.value("light").toObject().value("ir").isDouble());
            QVERIFY(json.value("wifi").toObject().value("rssi").toDouble() < 0);
            QCOMPARE(json.value("accel").toArray().size(), 3);
        }
    }
}

// With --shape the flood sends reports numbered 1, 2, 3 … by their "seq".
void TestDevsim::floodOfReports()
{
    Devsim sim;
    QVERIFY2(sim.start({"--flood", "0", "--shape", "nested", "--count", "200"}),
             qPrintable(sim.error));
    QSerialPort port;
    QVERIFY2(openPort(port, sim.path), qPrintable(port.errorString()));
    Reader reader(port);
    for (int seq = 1; seq <= 200; ++seq) {
        const QJsonObject json = parseLine(reader.line());
        QCOMPARE(json.value("seq").toInt(), seq);
    }
    QVERIFY(reader.line(300).isEmpty());
    QVERIFY(sim.stop().contains("flood sent 200 lines"));
}

void TestDevsim::portCanBeReopened()
{
    Devsim sim;
    QVERIFY2(sim.start({}), qPrintable(sim.error));
    for (int round = 0; round < 3; ++round) {
        QSerialPort port;
        QVERIFY2(openPort(port, sim.path), qPrintable(port.errorString()));
        Reader reader(port);
        port.write("{\"command\":\"ReadProduct\"}\n");
        QCOMPARE(parseLine(reader.line()).value("product").toString(), QStringLiteral("HX4"));
        port.close();
    }
    QCOMPARE(sim.process.state(), QProcess::Running);
}

void TestDevsim::textCommands_data()
{
    // Request lines in order, and every reply line expected for them.
    QTest::addColumn<QByteArrayList>("requests");
    QTest::addColumn<QByteArrayList>("replies");

    QTest::newRow("attention") << QByteArrayList{"AT\r\n"} << QByteArrayList{"OK"};
    QTest::newRow("keyword in lower case")
        << QByteArrayList{"at+ver?\n"} << QByteArrayList{"+VER:AT2,1.4.2", "OK"};
    QTest::newRow("interval set and read")
        << QByteArrayList{"AT+INTERVAL?\r\n", "AT+INTERVAL=5\r\n", "AT+INTERVAL?\r\n"}
        << QByteArrayList{"+INTERVAL:60", "OK", "OK", "+INTERVAL:5", "OK"};
    QTest::newRow("interval out of range")
        << QByteArrayList{"AT+INTERVAL=0\n", "AT+INTERVAL=3601\n", "AT+INTERVAL=abc\n",
                          "AT+INTERVAL=\n"}
        << QByteArrayList{"ERROR", "ERROR", "ERROR", "ERROR"};
    QTest::newRow("name") << QByteArrayList{"AT+NAME=Lab 7\n", "AT+NAME?\n", "AT+NAME=\n"}
                          << QByteArrayList{"OK", "+NAME:Lab 7", "OK", "ERROR"};
    QTest::newRow("alarm") << QByteArrayList{"AT+ALARM=-5,40\n", "AT+ALARM?\n", "AT+ALARM=40,-5\n",
                                             "AT+ALARM=1\n"}
                           << QByteArrayList{"OK", "+ALARM:-5,40", "OK", "ERROR", "ERROR"};
    QTest::newRow("restart restores the settings")
        << QByteArrayList{"AT+INTERVAL=9\n", "AT+RST\n", "AT+INTERVAL?\n"}
        << QByteArrayList{"OK", "OK", "+INTERVAL:60", "OK"};
    QTest::newRow("unknown command") << QByteArrayList{"AT+FOO\n", "HELLO\n", "AT=1\n"}
                                     << QByteArrayList{"ERROR", "ERROR", "ERROR"};
    QTest::newRow("json is not understood")
        << QByteArrayList{"{\"command\":\"ReadData\"}\n"} << QByteArrayList{"ERROR"};
}

void TestDevsim::textCommands()
{
    QFETCH(QByteArrayList, requests);
    QFETCH(QByteArrayList, replies);

    Devsim sim;
    QVERIFY2(sim.start({"--text"}), qPrintable(sim.error));
    QSerialPort port;
    QVERIFY2(openPort(port, sim.path), qPrintable(port.errorString()));
    Reader reader(port);

    for (const QByteArray& request : requests)
        port.write(request);
    for (const QByteArray& expected : replies)
        QCOMPARE(reader.line(), expected + "\r\n");

    // A reading comes as one line of three values, then OK.
    port.write("AT+READ?\r\n");
    const QByteArray reading = reader.line();
    QVERIFY2(QRegularExpression(QStringLiteral(R"(^\+READ:T=[\d.]+,H=[\d.]+,L=\d+\r\n$)"))
                 .match(QString::fromLatin1(reading))
                 .hasMatch(),
             reading.constData());
    QCOMPARE(reader.line(), QByteArray("OK\r\n"));
}

void TestDevsim::modbusAnswers_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<bool>("fixedLength");

    const QStringList modbus{"--modbus"};
    QTest::newRow("register 0") << modbus << QByteArray::fromHex("010300000001840A")
                                << frame("0103020001") << true;
    QTest::newRow("three from 5") << modbus << frame("010300050003")
                                  << frame("010306"
                                           "0033"
                                           "003D"
                                           "0047")
                                  << true;
    QTest::newRow("address 17") << QStringList{"--modbus", "17"} << frame("1103000A0002")
                                << frame("110304"
                                         "0065"
                                         "006F")
                                << true;
    QTest::newRow("last register")
        << modbus << frame("0103FFFF0001") << frame("010302FFF7") << true;
    QTest::newRow("past the last register")
        << modbus << frame("0103FFFF0002") << frame("018302") << true;
    QTest::newRow("quantity 0") << modbus << frame("010300000000") << frame("018303") << true;
    QTest::newRow("quantity 126") << modbus << frame("01030000007E") << frame("018303") << true;
    QTest::newRow("write single register")
        << modbus << frame("010600010003") << frame("010600010003") << true;
    QTest::newRow("write 0D0A to the last register")
        << modbus << frame("0106FFFF0D0A") << frame("0106FFFF0D0A") << true;
    QTest::newRow("read a register holding 0A")
        << modbus << frame("010301000001") << frame("0103020A01") << true;
    QTest::newRow("write multiple registers")
        << modbus << frame("0110000100010200AA") << frame("019001") << false;
}

void TestDevsim::modbusAnswers()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, expected);
    QFETCH(bool, fixedLength);

    Devsim sim;
    QVERIFY2(sim.start(args), qPrintable(sim.error));
    QSerialPort port;
    QVERIFY2(openPort(port, sim.path), qPrintable(port.errorString()));
    Reader reader(port);

    port.write(request);
    QCOMPARE(reader.bytes(expected.size()).toHex(' '), expected.toHex(' '));
    if (!fixedLength)
        return; // only the silence after the frame ends it
    // Frames of a known length follow each other without a gap or line feed.
    port.write(request + request);
    QCOMPARE(reader.bytes(2 * expected.size()).toHex(' '), (expected + expected).toHex(' '));
}

void TestDevsim::modbusKeepsWrites()
{
    Devsim sim;
    QVERIFY2(sim.start({"--modbus"}), qPrintable(sim.error));
    QSerialPort port;
    QVERIFY2(openPort(port, sim.path), qPrintable(port.errorString()));
    Reader reader(port);

    const QByteArray write = frame("010600010D0A");
    port.write(write);
    QCOMPARE(reader.bytes(write.size()).toHex(' '), write.toHex(' '));
    // The written value reads back beside the untouched neighbours.
    port.write(frame("010300000003"));
    const QByteArray expected = frame("010306"
                                      "0001"
                                      "0D0A"
                                      "0015");
    QCOMPARE(reader.bytes(expected.size()).toHex(' '), expected.toHex(' '));
}

void TestDevsim::modbusSpoilsEveryNthCrc_data()
{
    QTest::addColumn<QString>("every");
    QTest::addColumn<QList<bool>>("valid");

    QTest::newRow("every answer") << "1" << QList<bool>{false, false, false};
    QTest::newRow("every third") << "3" << QList<bool>{true, true, false, true, true, false, true};
}

void TestDevsim::modbusSpoilsEveryNthCrc()
{
    QFETCH(QString, every);
    QFETCH(QList<bool>, valid);

    Devsim sim;
    QVERIFY2(sim.start({"--modbus", "--bad-crc", every}), qPrintable(sim.error));
    QSerialPort port;
    QVERIFY2(openPort(port, sim.path), qPrintable(port.errorString()));
    Reader reader(port);

    const QByteArray good = frame("0103020001");
    for (qsizetype i = 0; i < valid.size(); ++i) {
        port.write(QByteArray::fromHex("010300000001840A"));
        const QByteArray answer = reader.bytes(good.size());
        // Only the CRC is spoilt: the rest is the right answer.
        QCOMPARE(answer.chopped(2).toHex(' '), good.chopped(2).toHex(' '));
        QVERIFY2((answer == good) == valid.at(i), qPrintable(QString::number(i)));
    }
}

void TestDevsim::modbusStaysSilent_data()
{
    QTest::addColumn<QByteArray>("request");

    QTest::newRow("bad CRC") << QByteArray::fromHex("010300000001840B");
    QTest::newRow("CRC bytes swapped") << QByteArray::fromHex("0103000000010A84");
    QTest::newRow("other address") << frame("020300000001");
    QTest::newRow("broadcast") << frame("000300000001");
    QTest::newRow("json line") << QByteArray("{\"command\":\"ReadProduct\"}\r\n");
}

void TestDevsim::modbusStaysSilent()
{
    QFETCH(QByteArray, request);

    Devsim sim;
    QVERIFY2(sim.start({"--modbus"}), qPrintable(sim.error));
    QSerialPort port;
    QVERIFY2(openPort(port, sim.path), qPrintable(port.errorString()));

    QSignalSpy received(&port, &QSerialPort::readyRead);
    port.write(request);
    QVERIFY(!received.wait(1000));
    QCOMPARE(port.bytesAvailable(), 0);

    // The slave is still listening and in step with the frames.
    Reader reader(port);
    port.write(QByteArray::fromHex("010300000001840A"));
    const QByteArray expected = frame("0103020001");
    QCOMPARE(reader.bytes(expected.size()).toHex(' '), expected.toHex(' '));
}

void TestDevsim::flood_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("lineLength");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("minMs");

    QTest::newRow("unthrottled") << QStringList{"--flood", "0", "--count", "1000"} << 40 << 1000
                                 << 0;
    QTest::newRow("short lines") << QStringList{"--flood", "0",       "--line-length",
                                                "12",      "--count", "1000"}
                                 << 12 << 1000 << 0;
    QTest::newRow("long lines") << QStringList{"--flood", "0",       "--line-length",
                                               "300",     "--count", "500"}
                                << 300 << 500 << 0;
    // 300 lines of 40 bytes at 20000 bytes/s take 0.6 s; far less means no throttling.
    QTest::newRow("throttled") << QStringList{"--flood", "20000", "--count", "300"} << 40 << 300
                               << 300;
}

void TestDevsim::flood()
{
    QFETCH(QStringList, args);
    QFETCH(int, lineLength);
    QFETCH(int, count);
    QFETCH(int, minMs);

    Devsim sim;
    QVERIFY2(sim.start(args), qPrintable(sim.error));
    QSerialPort port;
    QVERIFY2(openPort(port, sim.path), qPrintable(port.errorString()));
    Reader reader(port);
    QElapsedTimer timer;
    timer.start();

    for (int n = 1; n <= count; ++n) {
        const QByteArray line = reader.line(10000);
        if (line != floodLine(n, lineLength))
            QFAIL(qPrintable(
                QStringLiteral("line %1 is \"%2\"").arg(n).arg(line.trimmed().constData())));
    }
    QVERIFY(timer.elapsed() >= minMs);
    const QByteArray stderrText = sim.stop();
    QVERIFY2(stderrText.contains(QByteArray::number(count) + " lines"), stderrText.constData());
}

void TestDevsim::binaryStream()
{
    Devsim sim;
    QVERIFY2(sim.start({"--binary", "0"}), qPrintable(sim.error));
    QSerialPort port;
    QVERIFY2(openPort(port, sim.path), qPrintable(port.errorString()));
    Reader reader(port);

    const QByteArray data = reader.bytes(64 * 1024, 10000);
    QCOMPARE(data.size(), 64 * 1024);
    QSet<char> values(data.cbegin(), data.cend());
    QVERIFY2(values.size() > 240, qPrintable(QString::number(values.size())));
}

void TestDevsim::hangupClosesPort_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("cut");

    QTest::newRow("quiet device") << QStringList{"--hangup-after", "500"} << "";
    QTest::newRow("mid flood line")
        << QStringList{"--flood",        "4000", "--line-length",    "32",
                       "--hangup-after", "800",  "--hangup-mid-line"}
        << "flood";
    QTest::newRow("mid report line")
        << QStringList{"--report", "100", "--hangup-after", "700", "--hangup-mid-line"} << "report";
}

void TestDevsim::hangupClosesPort()
{
    QFETCH(QStringList, args);
    QFETCH(QString, cut);

    Devsim sim;
    QVERIFY2(sim.start(args), qPrintable(sim.error));
    QSerialPort port;
    QVERIFY2(openPort(port, sim.path), qPrintable(port.errorString()));
    QByteArray received;
    connect(&port, &QSerialPort::readyRead, this, [&] { received += port.readAll(); });

    QTRY_VERIFY_WITH_TIMEOUT(port.error() != QSerialPort::NoError || !port.isOpen(), 10000);
    QVERIFY(finished(sim.process));
    QCOMPARE(sim.process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(sim.process.exitCode(), 0);

    const qsizetype lines = received.count("\r\n");
    if (cut == QLatin1String("flood")) {
        // Whole lines from the first on, then the first half of the next.
        QVERIFY(lines > 0);
        QByteArray expected;
        for (int n = 1; n <= lines; ++n)
            expected += floodLine(n, 32);
        expected += floodLine(int(lines) + 1, 32).left(16);
        QCOMPARE(received, expected);
    } else if (cut == QLatin1String("report")) {
        const QByteArray tail = received.mid(received.lastIndexOf("\r\n") + 2);
        QVERIFY2(tail.startsWith(R"({"event":"report")") && !tail.contains('}'), tail.constData());
    } else {
        QCOMPARE(received, QByteArray());
    }
}

void TestDevsim::link_data()
{
    QTest::addColumn<bool>("existing");
    QTest::addColumn<int>("signal");

    QTest::newRow("new link, SIGTERM") << false << int(SIGTERM);
    QTest::newRow("replaced link, SIGINT") << true << int(SIGINT);
}

void TestDevsim::link()
{
    QFETCH(bool, existing);
    QFETCH(int, signal);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString link = dir.filePath("hx4");
    if (existing)
        QVERIFY(QFile::link(dir.filePath("gone"), link));

    Devsim sim;
    QVERIFY2(sim.start({"--link", link}), qPrintable(sim.error));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(QFileInfo(link).symLinkTarget(), sim.path);

    {
        QSerialPort port;
        QVERIFY2(openPort(port, link), qPrintable(port.errorString()));
        Reader reader(port);
        port.write("{\"command\":\"ReadProduct\"}\n");
        QCOMPARE(parseLine(reader.line()).value("product").toString(), QStringLiteral("HX4"));
    }

    QCOMPARE(::kill(pid_t(sim.process.processId()), signal), 0);
    QVERIFY(finished(sim.process));
    QCOMPARE(sim.process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(sim.process.exitCode(), 0);
    QVERIFY(!QFileInfo(link).isSymLink());
}

void TestDevsim::linkNeverReplacesAFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("notes.txt");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("keep me");
    file.close();

    Devsim sim;
    QVERIFY(!sim.start({"--link", path}));
    QVERIFY(finished(sim.process));
    QCOMPARE(sim.process.exitCode(), 1);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("keep me"));
}

void TestDevsim::badCommandLine_data()
{
    QTest::addColumn<QStringList>("args");

    QTest::newRow("unknown option") << QStringList{"--bogus"};
    QTest::newRow("missing value") << QStringList{"--flood"};
    QTest::newRow("negative rate") << QStringList{"--flood", "-1"};
    QTest::newRow("not a number") << QStringList{"--report", "often"};
    QTest::newRow("modbus address 0") << QStringList{"--modbus", "0"};
    QTest::newRow("modbus address 248") << QStringList{"--modbus", "248"};
    QTest::newRow("line too short") << QStringList{"--flood", "0", "--line-length", "11"};
    QTest::newRow("count without flood") << QStringList{"--count", "5"};
    QTest::newRow("flood and binary") << QStringList{"--flood", "0", "--binary", "0"};
    QTest::newRow("modbus and report") << QStringList{"--modbus", "--report", "100"};
    QTest::newRow("link without path") << QStringList{"--link"};
    QTest::newRow("text and modbus") << QStringList{"--text", "--modbus"};
    QTest::newRow("bad CRC without modbus") << QStringList{"--bad-crc", "3"};
    QTest::newRow("bad CRC every 0") << QStringList{"--modbus", "--bad-crc", "0"};
    QTest::newRow("bad CRC every 1001") << QStringList{"--modbus", "--bad-crc", "1001"};
    QTest::newRow("text and report") << QStringList{"--text", "--report", "100"};
    QTest::newRow("mid-line hang-up without one") << QStringList{"--hangup-mid-line"};
    QTest::newRow("shape without reports") << QStringList{"--shape", "nested"};
    QTest::newRow("unknown shape") << QStringList{"--report", "100", "--shape", "round"};
    QTest::newRow("shape without a name") << QStringList{"--report", "100", "--shape"};
    QTest::newRow("shape and line length")
        << QStringList{"--flood", "0", "--shape", "flat", "--line-length", "64"};
}

void TestDevsim::badCommandLine()
{
    QFETCH(QStringList, args);

    QProcess process;
    process.start(qEnvironmentVariable("KORVEL_DEVSIM"), args);
    QVERIFY(finished(process));
    QCOMPARE(process.exitCode(), 2);
    QVERIFY(process.readAllStandardOutput().isEmpty());
    QVERIFY(process.readAllStandardError().contains("--help"));
}

QTEST_GUILESS_MAIN(TestDevsim)
#include "tst_devsim.moc"
