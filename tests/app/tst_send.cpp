// Manual and repeated sends through a real pseudo-terminal: the bytes that
// reach the device, the TX echo, the history, and a repeat that cannot flood
// the output queue.
#include "app/appcontroller.h"
#include "settings/languagemanager.h"
#include "support/testsupport.h"

#include <QFile>
#include <QSerialPort>
#include <QSettings>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

using namespace korveltest;

qint64 residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
        }
    }
    return -1;
}

} // namespace

class TestSend : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        korveltest::isolateSettings();
        LanguageManager::instance().setLanguage(QStringLiteral("en"));
    }

    void init()
    {
        QSettings().clear();
        m_pair = std::make_unique<korveltest::SocatPair>();
        QVERIFY2(m_pair->start(), qPrintable(m_pair->error()));
        m_controller = std::make_unique<AppController>();
        QVERIFY(m_controller->openPort(m_pair->appPath(), 115200, 8, 0, 1, 0));
        m_controller->logStore().clear();
    }

    void cleanup()
    {
        m_controller.reset();
        m_pair.reset();
    }

    void manualSend_data()
    {
        QTest::addColumn<QString>("draft");
        QTest::addColumn<bool>("hex");
        QTest::addColumn<bool>("crc");
        QTest::addColumn<bool>("echo");
        QTest::addColumn<QByteArray>("wire");
        QTest::addColumn<QString>("echoText"); // null: no entry

        QTest::newRow("text AT") << "AT" << false << false << true << QByteArray("AT\r\n")
                                 << QStringLiteral("AT");
        QTest::newRow("text with CRC")
            << "123456789" << false << true << true << QByteArray("123456789\x37\x4b\r\n")
            << QStringLiteral("123456789 [CRC 37 4B]");
        QTest::newRow("text ending in LF with CRC")
            << "AT\n"
            << false << true << true << QByteArray("AT\n\x9f\x13")
            << QStringLiteral("AT\n [CRC 9F 13]");
        QTest::newRow("untrimmed text") << "  AT " << false << false << true
                                        << QByteArray("  AT \r\n") << QStringLiteral("  AT ");
        QTest::newRow("hex with CRC")
            << "01 03 00 00 00 01" << true << true << true
            << QByteArray::fromHex("010300000001840A") << QStringLiteral("01 03 00 00 00 01 84 0A");
        QTest::newRow("hex odd digits") << "ABC" << true << false << true
                                        << QByteArray::fromHex("0ABC") << QStringLiteral("0A BC");
        QTest::newRow("malformed hex still sends the CRC")
            << "zz" << true << true << true << QByteArray::fromHex("FFFF")
            << QStringLiteral("FF FF");
        QTest::newRow("echo off") << "AT" << false << false << false << QByteArray("AT\r\n")
                                  << QString();
        QTest::newRow("echo off, hex")
            << "01 03" << true << false << false << QByteArray::fromHex("0103") << QString();
    }

    void manualSend()
    {
        QFETCH(QString, draft);
        QFETCH(bool, hex);
        QFETCH(bool, crc);
        QFETCH(bool, echo);
        QFETCH(QByteArray, wire);
        QFETCH(QString, echoText);

        AppController& controller = *m_controller;
        Device device(m_pair->devicePath());
        QVERIFY2(device.port.isOpen(), qPrintable(device.port.errorString()));
        controller.setDraftText(draft);
        controller.setSendAsHex(hex);
        controller.setCrcEnabled(crc);
        controller.setEchoTx(echo);

        controller.sendManualText();

        QTRY_COMPARE_WITH_TIMEOUT(device.received.size(), wire.size(), 5000);
        QCOMPARE(device.received.toHex(' '), wire.toHex(' '));
        const QList<LogEntry>& entries = controller.logStore().entries();
        if (echoText.isNull()) {
            QVERIFY(entries.isEmpty());
        } else {
            QCOMPARE(entries.size(), 1);
            QCOMPARE(entries.at(0).kind, LogKind::TX);
            QCOMPARE(QString::fromUtf8(entries.at(0).data), echoText);
        }
        QCOMPARE(controller.commandHistoryModel()->textAt(0), draft);
        QCOMPARE(QSettings().value(QStringLiteral("send/history")).toStringList(),
                 QStringList{draft});
        QCOMPARE(controller.draftText(), draft);
    }

    void repeatSendsTheCurrentDraft()
    {
        AppController& controller = *m_controller;
        Device device(m_pair->devicePath());
        QVERIFY2(device.port.isOpen(), qPrintable(device.port.errorString()));
        controller.setDraftText(QStringLiteral("AT"));
        controller.setRepeatIntervalMs(40);
        controller.setRepeatSendEnabled(true);

        QTRY_VERIFY_WITH_TIMEOUT(device.received.count("AT\r\n") >= 3, 5000);
        controller.setDraftText(QStringLiteral("AT+X"));
        QTRY_VERIFY_WITH_TIMEOUT(device.received.count("AT+X\r\n") >= 2, 5000);
        controller.setRepeatSendEnabled(false);
        QVERIFY(!controller.repeatSendEnabled());

        const qsizetype atSends = device.received.count("AT\r\n");
        const qsizetype xSends = device.received.count("AT+X\r\n");
        // Every tick is a whole send, echoed, with the history holding each
        // text once.
        QCOMPARE(device.received.size(), atSends * 4 + xSends * 6);
        QVERIFY(device.received.startsWith(QByteArray("AT\r\n").repeated(int(atSends))));
        qsizetype echoes = 0;
        for (const LogEntry& entry : controller.logStore().entries()) {
            QCOMPARE(entry.kind, LogKind::TX);
            ++echoes;
        }
        QVERIFY(echoes >= atSends + xSends);
        QCOMPARE(controller.commandHistoryModel()->rowCount(), 2);

        // Disabled: no more ticks.
        QSignalSpy appended(&controller.logStore(), &LogManager::entriesAppended);
        QVERIFY(!appended.wait(300));
    }

    // A blank draft makes the ticks do nothing, without stopping the repeat.
    void blankDraftIdlesTheRepeat()
    {
        AppController& controller = *m_controller;
        Device device(m_pair->devicePath());
        QVERIFY2(device.port.isOpen(), qPrintable(device.port.errorString()));
        controller.setDraftText(QStringLiteral("  "));
        controller.setRepeatIntervalMs(20);
        controller.setRepeatSendEnabled(true);
        QSignalSpy appended(&controller.logStore(), &LogManager::entriesAppended);
        QVERIFY(!appended.wait(300));
        QVERIFY(device.received.isEmpty());

        controller.setDraftText(QStringLiteral("AT"));
        QTRY_VERIFY_WITH_TIMEOUT(device.received.count("AT\r\n") >= 1, 5000);
    }

    void changingTheIntervalRestartsThePeriod()
    {
        AppController& controller = *m_controller;
        Device device(m_pair->devicePath());
        QVERIFY2(device.port.isOpen(), qPrintable(device.port.errorString()));
        controller.setDraftText(QStringLiteral("AT"));

        // Not repeating: the interval is only stored.
        controller.setRepeatIntervalMs(20);
        QCOMPARE(controller.repeatIntervalMs(), 20);
        QSignalSpy readyRead(&device.port, &QSerialPort::readyRead);
        QVERIFY(!readyRead.wait(300));

        // A period of a minute: nothing is due for a long time...
        controller.setRepeatIntervalMs(60000);
        controller.setRepeatSendEnabled(true);
        QVERIFY(!readyRead.wait(300));
        QVERIFY(device.received.isEmpty());

        // ...until the new, short period replaces it.
        QSignalSpy changed(&controller, &AppController::repeatSendChanged);
        controller.setRepeatIntervalMs(50);
        QCOMPARE(changed.count(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(device.received.count("AT\r\n") >= 2, 5000);
    }

    // With a period of 0 and a device that never reads, the line backs up;
    // the repeat must then wait for the queue to drain instead of piling more
    // payloads into it on every pass of the event loop.
    void zeroIntervalAgainstAStalledDeviceStaysBounded()
    {
        AppController& controller = *m_controller;
        QFile stalled(m_pair->devicePath());
        QVERIFY2(stalled.open(QIODevice::ReadWrite | QIODevice::Unbuffered),
                 qPrintable(stalled.errorString()));

        controller.setEchoTx(false);
        controller.setDraftText(QString(1000, QLatin1Char('A')));
        controller.setRepeatIntervalMs(0);
        const qint64 rssBefore = residentKiB();
        controller.setRepeatSendEnabled(true);

        SerialManager& serial = controller.serialManager();
        // The line is full once bytes stay queued in the port.
        QTRY_VERIFY_WITH_TIMEOUT(serial.bytesToWrite() > 0, 10000);

        qint64 largest = 0;
        int samples = 0;
        QTimer sampler;
        connect(&sampler, &QTimer::timeout, this, [&] {
            largest = qMax(largest, serial.bytesToWrite());
            ++samples;
        });
        sampler.start(10);
        QTRY_VERIFY_WITH_TIMEOUT(samples >= 100, 20000);
        sampler.stop();

        QVERIFY2(serial.bytesToWrite() > 0, "the device side was expected to stall the line");
        QVERIFY2(largest < 64 * 1024, QByteArray::number(largest));
        const qint64 rssAfter = residentKiB();
        QVERIFY2(rssAfter - rssBefore < 128 * 1024,
                 qPrintable(QStringLiteral("%1 KiB -> %2 KiB").arg(rssBefore).arg(rssAfter)));
        QVERIFY(controller.logStore().entries().isEmpty());
        QCOMPARE(controller.commandHistoryModel()->rowCount(), 1);
    }

private:
    std::unique_ptr<korveltest::SocatPair> m_pair;
    std::unique_ptr<AppController> m_controller;
};

QTEST_MAIN(TestSend)
#include "tst_send.moc"
