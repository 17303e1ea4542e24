// The controller's port session on real pseudo-terminals: opening, closing,
// losing the device, switching ports, and what each leaves in the log.
#include "app/appcontroller.h"
#include "support/controllersupport.h"
#include "support/testsupport.h"

#include <QFileInfo>
#include <QSerialPort>
#include <QSettings>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

using namespace korveltest;

const QString kDash = QStringLiteral("\u2014");

// The tail of the log, for failure messages.
QString lastEntries(const LogManager& log)
{
    const QStringList lines = describe(log);
    return QStringLiteral("%1 entries, last: %2")
        .arg(lines.size())
        .arg(lines.mid(qMax<qsizetype>(0, lines.size() - 4)).join(QStringLiteral(" | ")));
}

} // namespace

class TestSession : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { korveltest::isolateSettingsInEnglish(); }
    void init() { korveltest::clearSettings(); }

    void openLogsAnnouncesAndStores_data()
    {
        QTest::addColumn<int>("baud");
        QTest::addColumn<int>("dataBits");
        QTest::addColumn<int>("parity");
        QTest::addColumn<int>("stopBits");
        QTest::addColumn<int>("flow");
        QTest::addColumn<QString>("summary");
        QTest::newRow("defaults") << 115200 << 8 << 0 << 1 << 0 << "115200 8-N-1";
        QTest::newRow("9600 7-E-2 rts/cts") << 9600 << 7 << 2 << 2 << 1 << "9600 7-E-2";
    }

    void openLogsAnnouncesAndStores()
    {
        QFETCH(int, baud);
        QFETCH(int, dataBits);
        QFETCH(int, parity);
        QFETCH(int, stopBits);
        QFETCH(int, flow);
        QFETCH(QString, summary);

        korveltest::SocatPair pair;
        QVERIFY2(pair.start(), qPrintable(pair.error()));
        // What the interface would see when it hears connectionChanged.
        QList<bool> openAtSignal;
        QList<qsizetype> entriesAtSignal;
        AppController controller;
        const QString selected = controller.selectedPortName();
        QSignalSpy failed(&controller, &AppController::portOpenFailed);
        connect(&controller, &AppController::connectionChanged, this, [&] {
            openAtSignal << controller.portOpen();
            entriesAtSignal << controller.logStore().entries().size();
        });

        QVERIFY(controller.openPort(pair.appPath(), baud, dataBits, parity, stopBits, flow));

        QCOMPARE(describe(controller.logStore()), QStringList{opened(pair.appPath(), summary)});
        QCOMPARE(openAtSignal, QList<bool>{true});
        QCOMPARE(entriesAtSignal, QList<qsizetype>{0});
        QCOMPARE(failed.count(), 0);
        QVERIFY(controller.portOpen());
        QCOMPARE(controller.portStatusText(), pair.appPath() + QStringLiteral(" OPEN"));
        QCOMPARE(controller.portSummary(), summary);
        // The open port does not become the selection.
        QCOMPARE(controller.selectedPortName(), selected);

        QSettings settings;
        QCOMPARE(settings.value(QStringLiteral("serial/port")).toString(), pair.appPath());
        QCOMPARE(settings.value(QStringLiteral("serial/baud")).toInt(), baud);
        QCOMPARE(settings.value(QStringLiteral("serial/dataBits")).toInt(), dataBits);
        QCOMPARE(settings.value(QStringLiteral("serial/parity")).toInt(), parity);
        QCOMPARE(settings.value(QStringLiteral("serial/stopBits")).toInt(), stopBits);
        QCOMPARE(settings.value(QStringLiteral("serial/flowControl")).toInt(), flow);
    }

    void openWithoutNameFails()
    {
        AppController controller;
        QSignalSpy failed(&controller, &AppController::portOpenFailed);
        QSignalSpy changed(&controller, &AppController::connectionChanged);
        QVERIFY(!openDefault(controller, QString()));
        QCOMPARE(failed.count(), 1);
        QCOMPARE(failed.at(0).at(0).toString(), QStringLiteral("Select a serial port first."));
        QVERIFY(controller.logStore().entries().isEmpty());
        QCOMPARE(changed.count(), 0);
        QVERIFY(!QSettings().contains(QStringLiteral("serial/port")));
    }

    void openOfMissingPortFails()
    {
        QTemporaryDir dir;
        const QString missing = dir.filePath(QStringLiteral("ttyGone"));
        AppController controller;
        QSignalSpy failed(&controller, &AppController::portOpenFailed);
        QSignalSpy changed(&controller, &AppController::connectionChanged);

        QVERIFY(!openDefault(controller, missing));

        QCOMPARE(failed.count(), 1);
        const QString error = failed.at(0).at(0).toString();
        QVERIFY(!error.isEmpty());
        QCOMPARE(describe(controller.logStore()), QStringList{QStringLiteral("ERR:") + error});
        QCOMPARE(changed.count(), 0);
        QVERIFY(!controller.portOpen());
        QCOMPARE(controller.portStatusText(), kDash + QStringLiteral(" CLOSED"));
        QCOMPARE(controller.portSummary(), kDash);
        QVERIFY(!QSettings().contains(QStringLiteral("serial/port")));
    }

    // A failed open after a successful one leaves the first port closed, with
    // its close handling run, and no "Port closed" entry.
    void failedReopenLeavesClosed()
    {
        korveltest::SocatPair pair;
        QVERIFY2(pair.start(), qPrintable(pair.error()));
        AppController controller;
        QVERIFY(openDefault(controller, pair.appPath()));
        QSignalSpy changed(&controller, &AppController::connectionChanged);
        QSignalSpy failed(&controller, &AppController::portOpenFailed);

        QVERIFY(!openDefault(controller, pair.appPath() + QStringLiteral("-missing")));

        QVERIFY(!controller.portOpen());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(failed.count(), 1);
        const QStringList log = describe(controller.logStore());
        QCOMPARE(log.size(), 2);
        QCOMPARE(log.at(0), opened(pair.appPath()));
        QCOMPARE(log.at(1), QStringLiteral("ERR:") + failed.at(0).at(0).toString());
        QCOMPARE(controller.portSummary(), kDash);
        QCOMPARE(QSettings().value(QStringLiteral("serial/port")).toString(), pair.appPath());
    }

    void closeFlushesPendingLineFirst_data()
    {
        QTest::addColumn<QByteArray>("fromDevice");
        QTest::addColumn<QStringList>("rx");
        QTest::newRow("partial line") << QByteArray("partial") << QStringList{"RX:partial"};
        QTest::newRow("partial line ending in CR")
            << QByteArray("partial\r") << QStringList{"RX:partial"};
        QTest::newRow("line then partial line")
            << QByteArray("done\r\nrest") << QStringList{"RX:done", "RX:rest"};
        QTest::newRow("complete line only") << QByteArray("done\n") << QStringList{"RX:done"};
    }

    void closeFlushesPendingLineFirst()
    {
        QFETCH(QByteArray, fromDevice);
        QFETCH(QStringList, rx);

        korveltest::SocatPair pair;
        QVERIFY2(pair.start(), qPrintable(pair.error()));
        AppController controller;
        QVERIFY(openDefault(controller, pair.appPath()));
        Device device(pair.devicePath());
        QVERIFY2(device.port.isOpen(), qPrintable(device.port.errorString()));
        QSignalSpy changed(&controller, &AppController::connectionChanged);

        whenReceived(controller, fromDevice.size(), [&] { controller.closePort(); });
        QCOMPARE(device.port.write(fromDevice), qint64(fromDevice.size()));
        QTRY_VERIFY_WITH_TIMEOUT(!controller.portOpen(), 5000);

        QCOMPARE(describe(controller.logStore()),
                 QStringList{opened(pair.appPath())} + rx +
                     QStringList{QStringLiteral("SYS:Port closed")});
        QCOMPARE(changed.count(), 1);
        QCOMPARE(controller.portStatusText(), pair.appPath() + QStringLiteral(" CLOSED"));
        QCOMPARE(controller.portSummary(), kDash);

        // Closing what is closed does nothing.
        controller.closePort();
        QCOMPARE(controller.logStore().entries().size(), rx.size() + 2);
        QCOMPARE(changed.count(), 1);
    }

    void busyWindowKeepsTheLineWhole_data()
    {
        QTest::addColumn<QByteArray>("rest");
        QTest::newRow("line completed while busy") << QByteArray(" half\n");
        QTest::newRow("line extended while busy") << QByteArray(" half");
    }

    // The window is busy past the pause while the rest of a line arrives:
    // once it gets back to it, the rest is read before the pause is judged,
    // so the line is not cut in two.
    void busyWindowKeepsTheLineWhole()
    {
        QFETCH(QByteArray, rest);

        korveltest::SocatPair pair;
        QVERIFY2(pair.start(), qPrintable(pair.error()));
        AppController controller;
        QVERIFY(openDefault(controller, pair.appPath()));
        Device device(pair.devicePath());
        QVERIFY2(device.port.isOpen(), qPrintable(device.port.errorString()));

        const QByteArray first("first");
        whenReceived(controller, first.size(), [&] {
            device.port.write(rest);
            device.port.waitForBytesWritten(1000);
            QThread::msleep(3 * AppController::RxFlushMs); // the busy window
        });
        QCOMPARE(device.port.write(first), qint64(first.size()));
        const QStringList expected{opened(pair.appPath()), QStringLiteral("RX:first half")};
        QTRY_COMPARE_WITH_TIMEOUT(describe(controller.logStore()), expected, 5000);
    }

    // A hang-up in the middle of a line: the part that came is logged, then
    // the disconnect, which names the port.
    void partialLineComesBeforeTheDisconnect()
    {
        korveltest::SocatPair pair;
        QVERIFY2(pair.start(), qPrintable(pair.error()));
        AppController controller;
        // The session ends with the device; waiting for it is another test's.
        controller.setAutoReconnect(false);
        QVERIFY(openDefault(controller, pair.appPath()));
        {
            Device device(pair.devicePath());
            QVERIFY2(device.port.isOpen(), qPrintable(device.port.errorString()));
            const QByteArray fromDevice("line\r\nhalf a line\r");
            whenReceived(controller, fromDevice.size(), [&] { pair.stop(); });
            QCOMPARE(device.port.write(fromDevice), qint64(fromDevice.size()));
            QVERIFY(device.port.waitForBytesWritten(5000));
            QSignalSpy changed(&controller, &AppController::connectionChanged);
            // socat removes its links when it exits: tells a missed hang-up
            // from a socat that did not stop.
            QTRY_VERIFY2_WITH_TIMEOUT(
                !controller.portOpen(),
                qPrintable(lastEntries(controller.logStore()) +
                           QStringLiteral("; socat link %1")
                               .arg(QFileInfo::exists(pair.appPath()) ? QStringLiteral("remains")
                                                                      : QStringLiteral("gone"))),
                5000);
            QCOMPARE(changed.count(), 1);
        }

        QCOMPARE(
            describe(controller.logStore()),
            (QStringList{opened(pair.appPath()), QStringLiteral("RX:line"),
                         QStringLiteral("RX:half a line"),
                         QStringLiteral("ERR:Serial port %1 disconnected.").arg(pair.appPath())}));
        QCOMPARE(controller.portStatusText(), pair.appPath() + QStringLiteral(" CLOSED"));
        QCOMPARE(controller.portSummary(), kDash);
        // The port is gone; a later close request has nothing to do.
        controller.closePort();
        QCOMPARE(controller.logStore().entries().size(), 4);
    }

    void secondOpenClosesTheFirst()
    {
        korveltest::SocatPair first;
        korveltest::SocatPair second;
        QVERIFY2(first.start(), qPrintable(first.error()));
        QVERIFY2(second.start(), qPrintable(second.error()));
        QList<bool> openAtSignal;
        QStringList lastEntryAtSignal;
        AppController controller;
        QVERIFY(openDefault(controller, first.appPath()));
        Device device(first.devicePath());
        QVERIFY2(device.port.isOpen(), qPrintable(device.port.errorString()));

        connect(&controller, &AppController::connectionChanged, this, [&] {
            openAtSignal << controller.portOpen();
            lastEntryAtSignal << describe(controller.logStore()).constLast();
        });
        bool secondOpened = false;
        whenReceived(controller, 4, [&] {
            secondOpened = controller.openPort(second.appPath(), 57600, 8, 0, 1, 0);
        });
        QCOMPARE(device.port.write("tail"), qint64(4));
        QTRY_VERIFY_WITH_TIMEOUT(secondOpened, 5000);

        QCOMPARE(describe(controller.logStore()),
                 (QStringList{opened(first.appPath()), QStringLiteral("RX:tail"),
                              opened(second.appPath(), QStringLiteral("57600 8-N-1"))}));
        // Closed (after the flush), then open again, before the new entry.
        QCOMPARE(openAtSignal, (QList<bool>{false, true}));
        QCOMPARE(lastEntryAtSignal,
                 (QStringList{QStringLiteral("RX:tail"), QStringLiteral("RX:tail")}));
        QCOMPARE(controller.portStatusText(), second.appPath() + QStringLiteral(" OPEN"));
        QCOMPARE(QSettings().value(QStringLiteral("serial/port")).toString(), second.appPath());
    }

    void closingStopsRepeatAndOpeningResumesIt()
    {
        korveltest::SocatPair pair;
        QVERIFY2(pair.start(), qPrintable(pair.error()));
        AppController controller;
        controller.setDraftText(QStringLiteral("AT"));
        controller.setRepeatIntervalMs(30);
        controller.setRepeatSendEnabled(true);
        Device device(pair.devicePath());
        QVERIFY2(device.port.isOpen(), qPrintable(device.port.errorString()));

        QVERIFY(openDefault(controller, pair.appPath()));
        QTRY_VERIFY_WITH_TIMEOUT(device.received.count("AT\r\n") >= 2, 5000);

        controller.closePort();
        QVERIFY(controller.repeatSendEnabled());
        const qsizetype entries = controller.logStore().entries().size();
        QSignalSpy appended(&controller.logStore(), &LogManager::entriesAppended);
        // A tick after the close would log "Port is not open".
        QVERIFY(!appended.wait(400));
        QCOMPARE(controller.logStore().entries().size(), entries);
        QCOMPARE(controller.logStore().entries().constLast().data, QByteArray("Port closed"));

        const qsizetype before = device.received.count("AT\r\n");
        QVERIFY(openDefault(controller, pair.appPath()));
        QTRY_VERIFY_WITH_TIMEOUT(device.received.count("AT\r\n") >= before + 2, 5000);
        QCOMPARE(device.received, QByteArray("AT\r\n").repeated(device.received.size() / 4));
    }
};

QTEST_MAIN(TestSession)
#include "tst_session.moc"
