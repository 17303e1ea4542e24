// SerialManager driven through real pseudo-terminals: the manager opens one
// end of a socat pair, the test plays the device on the other.
#include "serial/serialmanager.h"
#include "support/testsupport.h"

#include <QSerialPort>
#include <QSignalSpy>
#include <QTemporaryFile>
#include <QThread>
#include <QtTest>

#include <memory>

namespace {

SerialConfig makeConfig(const QString& portName, int baud, int dataBits, int parity, int stopBits,
                        int flowControl)
{
    SerialConfig cfg;
    cfg.portName = portName;
    cfg.baudRate = baud;
    cfg.dataBits = dataBits;
    cfg.parity = parity;
    cfg.stopBits = stopBits;
    cfg.flowControl = flowControl;
    return cfg;
}

// Every byte value, several times over, so that no byte is translated or
// swallowed by the line discipline and larger writes arrive whole.
QByteArray allByteValues(int repeats)
{
    QByteArray data;
    for (int r = 0; r < repeats; ++r) {
        for (int b = 0; b < 256; ++b) {
            data.append(char(b));
        }
    }
    return data;
}

// Records the manager's signals in the order they arrive. The connections end
// with the log, so a manager outliving it may still emit closed().
struct EventLog
{
    explicit EventLog(SerialManager& manager)
    {
        QObject::connect(&manager, &SerialManager::opened, &context,
                         [this](const SerialConfig&) { events << QStringLiteral("opened"); });
        QObject::connect(&manager, &SerialManager::closed, &context,
                         [this] { events << QStringLiteral("closed"); });
        QObject::connect(&manager, &SerialManager::deviceLost, &context,
                         [this] { events << QStringLiteral("lost"); });
        QObject::connect(&manager, &SerialManager::errorOccurred, &context,
                         [this](const QString& message) {
                             events << QStringLiteral("error");
                             errors << message;
                         });
    }
    QStringList events;
    QStringList errors;
    QObject context;
};

} // namespace

class TestSerialManager : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void openReportsConfiguration_data();
    void openReportsConfiguration();
    void bytesTravelBothWays();
    void openWhileOpenClosesFirst_data();
    void openWhileOpenClosesFirst();
    void failedOpenKeepsPreviousConfiguration_data();
    void failedOpenKeepsPreviousConfiguration();
    void closedManagerIsQuiet();
    void unreadInputIsSeenUntilRead();
    void closeKeepsSummaryOfLastPort();
    void destroyingOpenManagerEmitsClosedOnce();
    void disconnectClosesOnce();

private:
    std::unique_ptr<korveltest::SocatPair> m_pair;
};

void TestSerialManager::init()
{
    m_pair = std::make_unique<korveltest::SocatPair>();
    QVERIFY2(m_pair->start(), qPrintable(m_pair->error()));
}

void TestSerialManager::cleanup()
{
    m_pair.reset();
}

void TestSerialManager::openReportsConfiguration_data()
{
    QTest::addColumn<int>("baud");
    QTest::addColumn<int>("dataBits");
    QTest::addColumn<int>("parity");
    QTest::addColumn<int>("stopBits");
    QTest::addColumn<int>("flowControl");
    QTest::addColumn<QString>("summary");

    QTest::newRow("defaults") << 115200 << 8 << 0 << 1 << 0 << "115200 8-N-1";
    QTest::newRow("9600 7-E-2 rts/cts") << 9600 << 7 << 2 << 2 << 1 << "9600 7-E-2";
    QTest::newRow("57600 8-O-1 xon/xoff") << 57600 << 8 << 3 << 1 << 2 << "57600 8-O-1";
    QTest::newRow("19200 8-M-1") << 19200 << 8 << 5 << 1 << 0 << "19200 8-M-1";
}

void TestSerialManager::openReportsConfiguration()
{
    QFETCH(int, baud);
    QFETCH(int, dataBits);
    QFETCH(int, parity);
    QFETCH(int, stopBits);
    QFETCH(int, flowControl);
    QFETCH(QString, summary);

    SerialManager manager;
    QSignalSpy openedSpy(&manager, &SerialManager::opened);
    QSignalSpy errorSpy(&manager, &SerialManager::errorOccurred);
    const SerialConfig cfg =
        makeConfig(m_pair->appPath(), baud, dataBits, parity, stopBits, flowControl);

    QString error;
    QVERIFY2(manager.open(cfg, &error), qPrintable(error));
    QVERIFY(manager.isOpen());
    QCOMPARE(manager.portSummary(), summary);
    QVERIFY(manager.activeConfig() == cfg);
    QCOMPARE(openedSpy.count(), 1);
    QVERIFY(openedSpy.at(0).at(0).value<SerialConfig>() == cfg);
    QCOMPARE(errorSpy.count(), 0);
}

void TestSerialManager::bytesTravelBothWays()
{
    SerialManager manager;
    QString error;
    QVERIFY2(manager.open(makeConfig(m_pair->appPath(), 115200, 8, 0, 1, 0), &error),
             qPrintable(error));

    QSerialPort device(m_pair->devicePath());
    QVERIFY2(device.open(QIODevice::ReadWrite), qPrintable(device.errorString()));

    const QByteArray toDevice = allByteValues(16);
    QCOMPARE(manager.write(toDevice), qint64(toDevice.size()));
    QByteArray atDevice;
    connect(&device, &QSerialPort::readyRead, this, [&] { atDevice += device.readAll(); });
    QTRY_COMPARE_WITH_TIMEOUT(atDevice.size(), toDevice.size(), 5000);
    QCOMPARE(atDevice, toDevice);

    QByteArray received;
    int chunks = 0;
    connect(&manager, &SerialManager::dataReceived, this, [&](const QByteArray& chunk) {
        QVERIFY(!chunk.isEmpty());
        received += chunk;
        ++chunks;
    });
    QByteArray fromDevice = allByteValues(16);
    std::reverse(fromDevice.begin(), fromDevice.end());
    QCOMPARE(device.write(fromDevice), qint64(fromDevice.size()));
    QTRY_COMPARE_WITH_TIMEOUT(received.size(), fromDevice.size(), 5000);
    QCOMPARE(received, fromDevice);
    QVERIFY(chunks >= 1);
}

void TestSerialManager::openWhileOpenClosesFirst_data()
{
    QTest::addColumn<bool>("secondExists");
    QTest::newRow("reopen succeeds") << true;
    QTest::newRow("reopen fails") << false;
}

void TestSerialManager::openWhileOpenClosesFirst()
{
    QFETCH(bool, secondExists);

    SerialManager manager;
    const SerialConfig first = makeConfig(m_pair->appPath(), 9600, 8, 0, 1, 0);
    QString error;
    QVERIFY2(manager.open(first, &error), qPrintable(error));

    EventLog log(manager);
    const QString secondPath =
        secondExists ? m_pair->appPath() : m_pair->appPath() + QStringLiteral("-missing");
    const SerialConfig second = makeConfig(secondPath, 57600, 7, 2, 2, 0);
    const bool ok = manager.open(second, &error);

    QCOMPARE(ok, secondExists);
    QCOMPARE(manager.isOpen(), secondExists);
    QVERIFY(!log.events.isEmpty());
    QCOMPARE(log.events.first(), QStringLiteral("closed"));
    QCOMPARE(log.events.count(QStringLiteral("closed")), 1);
    if (secondExists) {
        QCOMPARE(log.events, QStringList({QStringLiteral("closed"), QStringLiteral("opened")}));
        QVERIFY(manager.activeConfig() == second);
    } else {
        QVERIFY(!log.events.contains(QStringLiteral("opened")));
        QVERIFY(log.events.contains(QStringLiteral("error")));
        QVERIFY(manager.activeConfig() == first);
    }
}

void TestSerialManager::failedOpenKeepsPreviousConfiguration_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("missing port") << QStringLiteral("missing");
    QTest::newRow("not a terminal") << QStringLiteral("plain file");
    QTest::newRow("busy port") << QStringLiteral("busy");
}

void TestSerialManager::failedOpenKeepsPreviousConfiguration()
{
    QFETCH(QString, target);

    SerialManager manager;
    const SerialConfig previous = makeConfig(m_pair->appPath(), 9600, 7, 3, 2, 0);
    QString error;
    QVERIFY2(manager.open(previous, &error), qPrintable(error));
    manager.close();

    QTemporaryFile plainFile;
    SerialManager holder;
    QString portName;
    if (target == QLatin1String("missing")) {
        portName = m_pair->appPath() + QStringLiteral("-missing");
    } else if (target == QLatin1String("plain file")) {
        QVERIFY(plainFile.open());
        portName = plainFile.fileName();
    } else {
        QVERIFY2(holder.open(makeConfig(m_pair->appPath(), 115200, 8, 0, 1, 0), &error),
                 qPrintable(error));
        portName = m_pair->appPath();
    }

    EventLog log(manager);
    error.clear();
    QVERIFY(!manager.open(makeConfig(portName, 115200, 8, 0, 1, 0), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!manager.isOpen());
    // One failure, announced once (Qt reports some twice), in words that
    // name the port, and nothing else.
    QCOMPARE(log.events, QStringList{QStringLiteral("error")});
    QCOMPARE(log.errors, QStringList{error});
    QVERIFY2(error.contains(portName), qPrintable(error));
    QVERIFY(manager.activeConfig() == previous);
    QCOMPARE(manager.portSummary(), QStringLiteral("9600 7-O-2"));

    // A null out-parameter is allowed.
    QVERIFY(!manager.open(makeConfig(portName, 115200, 8, 0, 1, 0), nullptr));
    QVERIFY(!manager.isOpen());
}

void TestSerialManager::closedManagerIsQuiet()
{
    SerialManager manager;
    EventLog log(manager);
    QVERIFY(!manager.isOpen());
    QCOMPARE(manager.portSummary(), QStringLiteral("115200 8-N-1"));
    QVERIFY(manager.activeConfig() == SerialConfig());
    QCOMPARE(manager.write(QByteArrayLiteral("hello\r\n")), qint64(-1));
    manager.close();
    QCOMPARE(log.events, QStringList());
}

// Bytes that came while the event loop was busy are seen as waiting, and no
// longer once the manager has read and reported them.
void TestSerialManager::unreadInputIsSeenUntilRead()
{
    SerialManager manager;
    QVERIFY(!manager.hasUnreadInput());
    QString error;
    QVERIFY2(manager.open(makeConfig(m_pair->appPath(), 115200, 8, 0, 1, 0), &error),
             qPrintable(error));
    QVERIFY(!manager.hasUnreadInput());

    QSerialPort device(m_pair->devicePath());
    QVERIFY2(device.open(QIODevice::ReadWrite), qPrintable(device.errorString()));
    QByteArray received;
    connect(&manager, &SerialManager::dataReceived, this,
            [&](const QByteArray& chunk) { received += chunk; });
    const QByteArray sent("waiting");
    QCOMPARE(device.write(sent), qint64(sent.size()));
    QVERIFY(device.waitForBytesWritten(1000));

    // No event loop runs here, as in a busy window: the bytes stay unread.
    QDeadlineTimer deadline(5000);
    while (!manager.hasUnreadInput() && !deadline.hasExpired()) {
        QThread::msleep(5);
    }
    QVERIFY(manager.hasUnreadInput());
    QVERIFY(received.isEmpty());

    QTRY_COMPARE_WITH_TIMEOUT(received, sent, 5000);
    QVERIFY(!manager.hasUnreadInput());
    manager.close();
    QVERIFY(!manager.hasUnreadInput());
}

void TestSerialManager::closeKeepsSummaryOfLastPort()
{
    SerialManager manager;
    const SerialConfig cfg = makeConfig(m_pair->appPath(), 9600, 7, 2, 2, 1);
    QString error;
    QVERIFY2(manager.open(cfg, &error), qPrintable(error));

    EventLog log(manager);
    manager.close();
    QVERIFY(!manager.isOpen());
    QCOMPARE(log.events, QStringList({QStringLiteral("closed")}));
    QCOMPARE(manager.portSummary(), QStringLiteral("9600 7-E-2"));
    QVERIFY(manager.activeConfig() == cfg);

    // Closing again and writing after the close are silent no-ops.
    manager.close();
    QCOMPARE(manager.write(QByteArrayLiteral("x")), qint64(-1));
    QCOMPARE(log.events, QStringList({QStringLiteral("closed")}));
}

void TestSerialManager::destroyingOpenManagerEmitsClosedOnce()
{
    auto manager = std::make_unique<SerialManager>();
    QString error;
    QVERIFY2(manager->open(makeConfig(m_pair->appPath(), 115200, 8, 0, 1, 0), &error),
             qPrintable(error));

    int closedCount = 0;
    bool openWhenClosed = true;
    SerialManager* raw = manager.get();
    connect(raw, &SerialManager::closed, this, [&] {
        ++closedCount;
        openWhenClosed = raw->isOpen();
    });
    manager.reset();
    QCOMPARE(closedCount, 1);
    QVERIFY(!openWhenClosed);
}

void TestSerialManager::disconnectClosesOnce()
{
    SerialManager manager;
    QString error;
    QVERIFY2(manager.open(makeConfig(m_pair->appPath(), 115200, 8, 0, 1, 0), &error),
             qPrintable(error));

    EventLog log(manager);
    QSignalSpy closedSpy(&manager, &SerialManager::closed);
    m_pair->stop();
    QVERIFY(closedSpy.wait(5000));
    QVERIFY(!manager.isOpen());
    // The close comes first, so that what was received before the hang-up
    // is handled before the message; the device's loss is told last, for
    // whoever waits for it. The message names the port.
    QCOMPARE(log.events, QStringList({QStringLiteral("closed"), QStringLiteral("error"),
                                      QStringLiteral("lost")}));
    QCOMPARE(log.errors,
             QStringList({QStringLiteral("Serial port %1 disconnected.").arg(m_pair->appPath())}));

    // Nothing follows the close: no second closed() and no further errors.
    QVERIFY(!closedSpy.wait(300));
    QCOMPARE(log.events.size(), 3);
    QCOMPARE(manager.write(QByteArrayLiteral("x")), qint64(-1));
}

QTEST_GUILESS_MAIN(TestSerialManager)
#include "tst_serialmanager.moc"
