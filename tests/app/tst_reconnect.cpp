// Waiting for a device that went away and opening it again when it is back:
// the simulator hangs up mid-line and a new one appears on the same link; a
// device is known again by its serial number or its USB socket; stopping the
// wait, switching reconnecting off and closing by hand leave the port shut.
#include "app/appcontroller.h"
#include "serial/portlistmodel.h"
#include "settings/languagemanager.h"
#include "support/controllersupport.h"
#include "support/testsupport.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using namespace korveltest;

constexpr int kLineLength = 32;
// The log line of a session that lost its device.
QString disconnected(const QString& port)
{
    return QStringLiteral("ERR:Serial port %1 disconnected.").arg(port);
}

QList<SerialPortEntry>& systemPorts()
{
    static QList<SerialPortEntry> ports;
    return ports;
}

// Flood line n of the simulator, without its CR LF.
QByteArray floodLine(int n)
{
    static const char fill[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray line = QByteArray::number(n).rightJustified(8, '0') + ' ';
    for (int i = 0; line.size() < kLineLength - 2; ++i)
        line += fill[(n + i) % 62];
    return line;
}

// Flood lines 1..n and then no more than a part of line n + 1.
bool isFloodStream(const QByteArray& stream)
{
    const int lines = int(stream.count("\r\n"));
    QByteArray whole;
    for (int n = 1; n <= lines; ++n)
        whole += floodLine(n) + "\r\n";
    const QByteArray rest = stream.mid(whole.size());
    return stream.startsWith(whole) && rest.size() < kLineLength &&
           (floodLine(lines + 1) + "\r\n").startsWith(rest);
}

// The RX entries a stream of CR LF lines makes, a last partial line included.
QStringList rxEntries(const QByteArray& stream)
{
    QStringList entries;
    QList<QByteArray> lines = stream.split('\n');
    if (lines.constLast().isEmpty())
        lines.removeLast();
    for (QByteArray line : std::as_const(lines)) {
        if (line.endsWith('\r'))
            line.chop(1);
        entries << QStringLiteral("RX:") + QString::fromLatin1(line);
    }
    return entries;
}

QStringList floodArgs(const QString& link, const QString& hangupMs)
{
    QStringList args{QStringLiteral("--link"),        link,
                     QStringLiteral("--flood"),       QStringLiteral("3000"),
                     QStringLiteral("--line-length"), QString::number(kLineLength)};
    if (!hangupMs.isEmpty())
        args << QStringLiteral("--hangup-after") << hangupMs << QStringLiteral("--hangup-mid-line");
    return args;
}

} // namespace

class TestReconnect : public QObject
{
    Q_OBJECT

    const AppServices m_fakePorts = korveltest::testServices([] { return systemPorts(); });

private slots:
    void initTestCase()
    {
        isolateSettings();
        LanguageManager::instance().setLanguage(QStringLiteral("en"));
    }
    void init()
    {
        korveltest::clearSettings();
        systemPorts().clear();
    }

    void reopensTheSameLinkAndKeepsEveryLine();
    void knowsTheDeviceAgain_data();
    void knowsTheDeviceAgain();
    void staysClosed_data();
    void staysClosed();
};

void TestReconnect::reopensTheSameLinkAndKeepsEveryLine()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString link = dir.filePath(QStringLiteral("hx4"));
    Simulator first;
    QVERIFY2(first.start(floodArgs(link, QStringLiteral("1500"))), qPrintable(first.error()));

    AppController controller(m_fakePorts);
    QVERIFY(controller.autoReconnect());
    QSignalSpy failed(&controller, &AppController::portOpenFailed);
    // What reached the application in each session, as the port handed it over.
    QByteArray received[2];
    int opens = 0;
    connect(&controller.serialManager(), &SerialManager::opened, this, [&] { ++opens; });
    connect(&controller.serialManager(), &SerialManager::dataReceived, this,
            [&](const QByteArray& chunk) { received[qBound(0, opens - 1, 1)] += chunk; });
    QVERIFY(controller.openPortPath(link, 115200, 8, 0, 1, 0));

    QTRY_VERIFY_WITH_TIMEOUT(controller.reconnectWaiting(), 15000);
    QVERIFY(!controller.portOpen());
    QCOMPARE(controller.portStatusText(), link + QStringLiteral(" WAITING"));
    QCOMPARE(controller.portSummary(), QStringLiteral("waiting for the device to come back"));
    QTRY_COMPARE_WITH_TIMEOUT(first.process().state(), QProcess::NotRunning, 5000);

    Simulator second;
    QVERIFY2(second.start(floodArgs(link, {})), qPrintable(second.error()));
    QTRY_VERIFY_WITH_TIMEOUT(controller.portOpen(), 10000);
    QVERIFY(!controller.reconnectWaiting());
    QCOMPARE(opens, 2);
    QCOMPARE(controller.portStatusText(), link + QStringLiteral(" OPEN"));
    QCOMPARE(controller.selectedPortName(), link);
    QTRY_VERIFY_WITH_TIMEOUT(received[1].count("\r\n") >= 10, 10000);
    controller.closePort();
    QCOMPARE(failed.count(), 0);

    // Each session is the simulator's lines from the first on, the first
    // one cut off mid-line (as far as the line got before the hang-up).
    QVERIFY2(isFloodStream(received[0]), received[0].right(80).constData());
    QVERIFY2(isFloodStream(received[1]), received[1].right(80).constData());
    QVERIFY(received[0].count("\r\n") > 10);

    // Everything received is in the log once, in order: the half line the
    // hang-up cut off comes before the disconnect, which ends the session.
    const QStringList log = describe(controller.logStore());
    const QString reconnected = QStringLiteral("SYS:%1 reconnected \u00b7 115200 8-N-1").arg(link);
    const qsizetype sys = log.indexOf(reconnected);
    QVERIFY2(sys > 0, qPrintable(log.mid(log.size() - 4).join(QLatin1Char('\n'))));
    QCOMPARE(log.count(disconnected(link)), 1);
    QCOMPARE(log.indexOf(disconnected(link)), sys - 1);
    QStringList firstSession = log.mid(0, sys - 1);
    QCOMPARE(firstSession, QStringList{opened(link)} + rxEntries(received[0]));
    QCOMPARE(log.mid(sys), QStringList{reconnected} + rxEntries(received[1]) +
                               QStringList{QStringLiteral("SYS:Port closed")});
    QVERIFY(!controller.reconnectWaiting());
}

void TestReconnect::knowsTheDeviceAgain_data()
{
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QString>("otherSerial");
    QTest::addColumn<QString>("otherSocket");
    // The same model with another serial number in the very same socket.
    QTest::newRow("serial number") << "HX4-0001"
                                   << "HX4-0002"
                                   << "1-2";
    // Without serial numbers, the socket tells two of the same model apart.
    QTest::newRow("USB socket") << ""
                                << ""
                                << "1-4";
}

void TestReconnect::knowsTheDeviceAgain()
{
    QFETCH(QString, serial);
    QFETCH(QString, otherSerial);
    QFETCH(QString, otherSocket);

    Simulator first;
    QVERIFY2(first.start({QStringLiteral("--hangup-after"), QStringLiteral("800")}),
             qPrintable(first.error()));
    // Where the device will come back, made now so that it gets another
    // terminal than the first (a freed one is given out again).
    Simulator second;
    QVERIFY2(second.start(), qPrintable(second.error()));
    QVERIFY(second.path() != first.path());
    systemPorts() = {usbPort(first.path(), serial, QStringLiteral("1-2"))};
    AppController controller(m_fakePorts);
    QCOMPARE(controller.selectedPortName(), first.path());
    QVERIFY(openDefault(controller, first.path()));
    QTRY_VERIFY_WITH_TIMEOUT(controller.reconnectWaiting(), 10000);
    systemPorts().clear();

    // Another device of the same model shows up first: it is left alone.
    SocatPair other;
    QVERIFY2(other.start(), qPrintable(other.error()));
    systemPorts() = {usbPort(other.appPath(), otherSerial, otherSocket)};
    QSignalSpy changed(&controller, &AppController::connectionChanged);
    controller.refreshPorts(); // what the next poll does
    QCOMPARE(changed.count(), 0);
    QVERIFY(controller.reconnectWaiting());

    // The device comes back under another name.
    systemPorts() << usbPort(second.path(), serial, QStringLiteral("1-2"));
    QTRY_VERIFY_WITH_TIMEOUT(controller.portOpen(), 5000);
    QCOMPARE(controller.serialManager().activeConfig().portName, second.path());
    QCOMPARE(describe(controller.logStore()).constLast(),
             QStringLiteral("SYS:%1 reconnected \u00b7 115200 8-N-1").arg(second.path()));
    // The chooser follows the device to its new name.
    QCOMPARE(controller.selectedPortName(), second.path());

    controller.setEchoTx(false);
    controller.setDraftText(QStringLiteral(R"({"command":"ReadProduct"})"));
    controller.sendManualText();
    QTRY_VERIFY_WITH_TIMEOUT(
        !rxLines(controller.logStore()).isEmpty() &&
            rxLines(controller.logStore()).constLast().contains(R"("product":"HX4")"),
        10000);
}

void TestReconnect::staysClosed_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("waits");
    QTest::addColumn<QStringList>("tail");
    QTest::newRow("stop waiting") << "stop" << true
                                  << QStringList{disconnected(QString()),
                                                 QStringLiteral("SYS:Port closed")};
    QTest::newRow("reconnect switched off while waiting")
        << "switch off" << true
        << QStringList{disconnected(QString()), QStringLiteral("SYS:Port closed")};
    QTest::newRow("reconnect off") << "off" << false << QStringList{disconnected(QString())};
    QTest::newRow("closed by hand")
        << "close" << false << QStringList{QStringLiteral("SYS:Port closed")};
}

void TestReconnect::staysClosed()
{
    QFETCH(QString, how);
    QFETCH(bool, waits);
    QFETCH(QStringList, tail);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString link = dir.filePath(QStringLiteral("hx4"));
    // The rows cannot know the link's path; the message names it.
    tail.replaceInStrings(disconnected(QString()), disconnected(link));
    Simulator first;
    QVERIFY2(first.start(
                 {QStringLiteral("--link"), link, QStringLiteral("--hangup-after"),
                  how == QLatin1String("close") ? QStringLiteral("60000") : QStringLiteral("800")}),
             qPrintable(first.error()));
    AppController controller(m_fakePorts);
    controller.setAutoReconnect(how != QLatin1String("off"));
    QVERIFY(openDefault(controller, link));

    if (how == QLatin1String("close")) {
        controller.closePort();
        first.process().terminate();
    }
    QTRY_VERIFY_WITH_TIMEOUT(!controller.portOpen(), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(first.process().state(), QProcess::NotRunning, 10000);
    QCOMPARE(controller.reconnectWaiting(), waits);
    if (how == QLatin1String("stop")) {
        controller.closePort();
    } else if (how == QLatin1String("switch off")) {
        controller.setAutoReconnect(false);
    }
    QVERIFY(!controller.reconnectWaiting());
    QCOMPARE(controller.portStatusText(), link + QStringLiteral(" CLOSED"));

    // The device comes back and nothing opens it.
    Simulator second;
    QVERIFY2(second.start({QStringLiteral("--link"), link}), qPrintable(second.error()));
    QSignalSpy changed(&controller, &AppController::connectionChanged);
    controller.refreshPorts(); // what the next poll does
    QCOMPARE(changed.count(), 0);
    QVERIFY(!controller.portOpen());
    QVERIFY(!controller.reconnectWaiting());
    const QStringList log = describe(controller.logStore());
    QCOMPARE(log.mid(log.size() - tail.size()), tail);
    // A close with nothing open or awaited does nothing.
    controller.closePort();
    QCOMPARE(describe(controller.logStore()), log);
}

QTEST_MAIN(TestReconnect)
#include "tst_reconnect.moc"
