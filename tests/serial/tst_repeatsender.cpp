// Repeat send through a real port (a socat pair): it sends only while it is on and a session
// runs, takes a new interval at once, and never queues a payload behind unsent bytes.
#include "serial/repeatsender.h"
#include "serial/serialmanager.h"
#include "support/testsupport.h"

#include <QtTest>

#include <memory>

using namespace korveltest;

namespace {

// A port opened on one end of a socat pair, the device reading the other end, and a sender
// whose payload is @c payload.
struct Bench
{
    SocatPair pair;
    std::unique_ptr<Device> device;
    SerialManager port;
    QByteArray payload = "ping\n";
    // What the port still held unsent as each payload was handed over.
    QList<qint64> queuedAtSend;
    RepeatSender sender{&port, [this] {
                            queuedAtSend << port.bytesToWrite();
                            port.write(payload);
                        }};

    bool start(QString* error)
    {
        if (!pair.start()) {
            *error = pair.error();
            return false;
        }
        device = std::make_unique<Device>(pair.devicePath());
        return open(error);
    }

    bool open(QString* error) { return port.open({pair.appPath()}, error); }
};

} // namespace

class TestRepeatSender : public QObject
{
    Q_OBJECT

private slots:
    // It runs only while it is on and a session runs, whichever comes first.
    void runsOnlyInASession_data()
    {
        QTest::addColumn<bool>("enableFirst");
        QTest::addColumn<bool>("startSession");
        QTest::addColumn<bool>("sends");

        QTest::newRow("on, then a session") << true << true << true;
        QTest::newRow("a session, then on") << false << true << true;
        QTest::newRow("on, no session begun") << true << false << false;
    }

    void runsOnlyInASession()
    {
        QFETCH(bool, enableFirst);
        QFETCH(bool, startSession);
        QFETCH(bool, sends);

        Bench bench;
        bench.sender.setIntervalMs(20);
        if (enableFirst) {
            bench.sender.setEnabled(true);
            QVERIFY(!bench.sender.active()); // the port is not open yet
        }
        QString error;
        QVERIFY2(bench.start(&error), qPrintable(error));
        if (startSession) {
            bench.sender.sessionStarted();
        }
        if (!enableFirst) {
            QVERIFY(!bench.sender.active());
            bench.sender.setEnabled(true);
        }
        QCOMPARE(bench.sender.active(), sends);
        if (sends) {
            QTRY_VERIFY_WITH_TIMEOUT(bench.queuedAtSend.size() >= 3, 10000);
        } else {
            QTest::qWait(200);
            QCOMPARE(bench.queuedAtSend.size(), 0);
        }

        // Ending the session, or turning it off, ends the sends.
        bench.sender.sessionEnded();
        QVERIFY(!bench.sender.active());
        const qsizetype count = bench.queuedAtSend.size();
        QTest::qWait(200);
        QCOMPARE(bench.queuedAtSend.size(), count);
        bench.sender.sessionStarted();
        QVERIFY(bench.sender.active());
        bench.sender.setEnabled(false);
        QVERIFY(!bench.sender.active());
        bench.sender.sessionStarted();
        QVERIFY(!bench.sender.active());
        QTest::qWait(200);
        QCOMPARE(bench.queuedAtSend.size(), count);
    }

    // A running timer takes a new interval at once rather than after the old one.
    void newIntervalAppliesAtOnce()
    {
        Bench bench;
        QString error;
        QVERIFY2(bench.start(&error), qPrintable(error));
        bench.sender.setIntervalMs(60 * 60 * 1000);
        bench.sender.setEnabled(true);
        bench.sender.sessionStarted();
        QTest::qWait(100);
        QCOMPARE(bench.queuedAtSend.size(), 0);
        bench.sender.setIntervalMs(10);
        QCOMPARE(bench.sender.intervalMs(), 10);
        QTRY_VERIFY_WITH_TIMEOUT(bench.queuedAtSend.size() >= 2, 10000);
    }

    // With no interval at all, every payload waits for the one before it to be gone, and the
    // device gets each whole and in order.
    void waitsForTheLineToDrain()
    {
        Bench bench;
        QString error;
        QVERIFY2(bench.start(&error), qPrintable(error));
        bench.payload = QByteArray(3000, 'r') + '\n';
        bench.sender.setIntervalMs(0);
        bench.sender.setEnabled(true);
        QTRY_VERIFY_WITH_TIMEOUT(bench.queuedAtSend.size() >= 20, 20000);
        bench.sender.setEnabled(false);
        const qsizetype sent = bench.queuedAtSend.size();
        QCOMPARE(bench.queuedAtSend, QList<qint64>(sent, 0));
        QTRY_COMPARE_WITH_TIMEOUT(bench.device->received.size(), sent * bench.payload.size(),
                                  10000);
        QCOMPARE(bench.device->received, bench.payload.repeated(sent));
    }
};

QTEST_GUILESS_MAIN(TestRepeatSender)
#include "tst_repeatsender.moc"
