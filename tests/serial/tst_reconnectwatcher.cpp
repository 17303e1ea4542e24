// Waiting for a device that went away and opening it again: the simulator
// hangs up, another device of the same model is left alone, a device that
// is listed but not ready yet is tried quietly, and the one that went away
// is known again by its serial number or its USB socket under a new name.
#include "serial/portlistmodel.h"
#include "serial/reconnectwatcher.h"
#include "serial/serialmanager.h"
#include "support/testsupport.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using namespace korveltest;

QList<SerialPortEntry>& systemPorts()
{
    static QList<SerialPortEntry> ports;
    return ports;
}

// Settings other than the defaults, to see that the session's are reused.
SerialConfig sessionConfig(const QString& port)
{
    return {port, 9600, 7, 2, 2, 0};
}

const QStringList kHangUpSoon{QStringLiteral("--hangup-after"), QStringLiteral("800")};

} // namespace

class TestReconnectWatcher : public QObject
{
    Q_OBJECT

private slots:
    void init() { systemPorts().clear(); }

    void knowsTheDeviceAgain_data();
    void knowsTheDeviceAgain();
    void reopensTheSameLink();
};

void TestReconnectWatcher::knowsTheDeviceAgain_data()
{
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QString>("otherSerial");
    QTest::addColumn<QString>("otherSocket");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("givenUp");

    // The same model with another serial number in the very same socket.
    QTest::newRow("serial number") << "HX4-0001"
                                   << "HX4-0002"
                                   << "1-2" << true << false;
    // Without serial numbers, the socket tells two of the same model apart.
    QTest::newRow("USB socket") << ""
                                << ""
                                << "1-4" << true << false;
    QTest::newRow("switched off") << "HX4-0001"
                                  << "HX4-0002"
                                  << "1-4" << false << false;
    QTest::newRow("waiting given up") << "HX4-0001"
                                      << "HX4-0002"
                                      << "1-4" << true << true;
}

void TestReconnectWatcher::knowsTheDeviceAgain()
{
    QFETCH(QString, serial);
    QFETCH(QString, otherSerial);
    QFETCH(QString, otherSocket);
    QFETCH(bool, enabled);
    QFETCH(bool, givenUp);
    const bool reopens = enabled && !givenUp;

    Simulator first;
    QVERIFY2(first.start(kHangUpSoon), qPrintable(first.error()));
    // Where the devices will come up, made now so that they get other
    // terminals than the first (a freed one is given out again).
    Simulator back;
    QVERIFY2(back.start(), qPrintable(back.error()));
    Simulator other;
    QVERIFY2(other.start(), qPrintable(other.error()));

    systemPorts() = {usbPort(first.path(), serial, QStringLiteral("1-2"))};
    PortListModel ports([] { return systemPorts(); }, QString());
    ports.refresh();
    SerialManager port;
    ReconnectWatcher watcher(&port, &ports);
    watcher.setEnabled(enabled);
    QSignalSpy waitingChanged(&watcher, &ReconnectWatcher::waitingChanged);
    QSignalSpy reconnected(&watcher, &ReconnectWatcher::reconnected);
    // Whether each error the port reported came while the watcher tried to open it.
    QList<bool> errorsWhileAttempting;
    connect(&port, &SerialManager::errorOccurred, this,
            [&] { errorsWhileAttempting << watcher.attempting(); });

    QString error;
    QVERIFY2(port.open(sessionConfig(first.path()), &error), qPrintable(error));
    watcher.sessionStarted(sessionConfig(first.path()));
    QCOMPARE(watcher.sessionDevice().serialNumber, serial);

    QTRY_VERIFY_WITH_TIMEOUT(!port.isOpen(), 10000);
    QCOMPARE(watcher.waiting(), enabled);
    QCOMPARE(waitingChanged.count(), enabled ? 1 : 0);
    errorsWhileAttempting.clear(); // the hang-up's own message
    if (givenUp) {
        watcher.stop();
        QVERIFY(!watcher.waiting());
        QCOMPARE(waitingChanged.count(), 2);
    }

    // Another device of the same model shows up first: it is left alone.
    systemPorts() = {usbPort(other.path(), otherSerial, otherSocket)};
    ports.refresh();
    watcher.portsRefreshed();
    QVERIFY(!port.isOpen());
    QCOMPARE(watcher.waiting(), reopens);

    // The device is listed before its node leads anywhere: tried, quietly.
    QTemporaryDir dir;
    systemPorts() = {usbPort(dir.filePath(QStringLiteral("gone")), serial, QStringLiteral("1-2"))};
    ports.refresh();
    watcher.portsRefreshed();
    QVERIFY(!port.isOpen());
    QCOMPARE(watcher.waiting(), reopens);
    QVERIFY(!watcher.attempting());
    QCOMPARE(errorsWhileAttempting, QList<bool>(reopens ? 1 : 0, true));

    // The device comes back under another name.
    systemPorts() = {usbPort(back.path(), serial, QStringLiteral("1-2"))};
    ports.refresh();
    watcher.portsRefreshed();
    QCOMPARE(port.isOpen(), reopens);
    QCOMPARE(reconnected.count(), reopens ? 1 : 0);
    QVERIFY(!watcher.waiting());
    if (reopens) {
        const SerialConfig expected = sessionConfig(back.path());
        QCOMPARE(reconnected.at(0).at(0).value<SerialConfig>(), expected);
        QCOMPARE(port.activeConfig(), expected);
        // The next loss waits for the device under its new name.
        QCOMPARE(watcher.session(), expected);
        QCOMPARE(watcher.sessionDevice().portName, back.path());
    }
    // Only the start and the end of the wait (or its giving up) were told.
    QCOMPARE(waitingChanged.count(), givenUp ? 2 : enabled ? 1 : 0);
}

// A device opened by its path (a link the simulator makes) comes back on the
// same path; the listed path is reopened under that name.
void TestReconnectWatcher::reopensTheSameLink()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString link = dir.filePath(QStringLiteral("hx4"));
    Simulator first;
    QVERIFY2(first.start(QStringList{QStringLiteral("--link"), link} + kHangUpSoon),
             qPrintable(first.error()));

    PortListModel ports([] { return systemPorts(); }, QString());
    ports.setPaths({link});
    ports.refresh();
    QCOMPARE(ports.portNameAt(0), link);
    SerialManager port;
    ReconnectWatcher watcher(&port, &ports);
    QSignalSpy reconnected(&watcher, &ReconnectWatcher::reconnected);
    QString error;
    QVERIFY2(port.open(sessionConfig(link), &error), qPrintable(error));
    watcher.sessionStarted(sessionConfig(link));
    QTRY_VERIFY_WITH_TIMEOUT(watcher.waiting(), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(first.process().state(), QProcess::NotRunning, 10000);

    // Gone: nothing is listed, nothing is tried.
    ports.refresh();
    QCOMPARE(ports.rowCount(), 0);
    watcher.portsRefreshed();
    QVERIFY(watcher.waiting());

    Simulator second;
    QVERIFY2(second.start({QStringLiteral("--link"), link}), qPrintable(second.error()));
    ports.refresh();
    watcher.portsRefreshed();
    QVERIFY(port.isOpen());
    QCOMPARE(reconnected.count(), 1);
    QCOMPARE(port.activeConfig(), sessionConfig(link));
    QVERIFY(!watcher.waiting());
}

QTEST_MAIN(TestReconnectWatcher)
#include "tst_reconnectwatcher.moc"
