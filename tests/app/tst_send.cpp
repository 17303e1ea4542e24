// Manual and repeated sends through a real pseudo-terminal: the bytes that
// reach the device, the TX echo, the history, and a repeat that cannot flood
// the output queue.
#include "app/appcontroller.h"
#include "settings/languagemanager.h"
#include "support/testsupport.h"
#include "util/textbounds.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSerialPort>
#include <QSettings>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <sys/resource.h>

namespace {

using namespace korveltest;

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) {
        return double(t.tv_sec) + double(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

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
        korveltest::clearSettings();
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
        QTest::newRow("hex with 0x prefixes")
            << "0x01 0x02" << true << false << true << QByteArray::fromHex("0102")
            << QStringLiteral("01 02");
        QTest::newRow("hex single digits")
            << "1 2 3" << true << false << true << QByteArray::fromHex("010203")
            << QStringLiteral("01 02 03");
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

    // The hex dump of a TX entry shows the line end that went out, as an RX
    // entry's does (none for hex digits); the history remembers the mode.
    void txEntryKeepsItsLineEnd_data()
    {
        QTest::addColumn<QString>("draft");
        QTest::addColumn<bool>("hex");
        QTest::addColumn<int>("lineEnd");
        QTest::addColumn<QString>("dumped"); // the end of the dump; null: not checked
        QTest::newRow("text") << "AT" << false << int(LineEnd::CrLf) << "41 54 0D 0A";
        QTest::newRow("text ending in its own line feed")
            << "AT\n"
            << false << int(LineEnd::None) << "41 54 0A";
        QTest::newRow("hex") << "01 03" << true << int(LineEnd::None) << QString();
    }

    void txEntryKeepsItsLineEnd()
    {
        QFETCH(QString, draft);
        QFETCH(bool, hex);
        QFETCH(int, lineEnd);
        QFETCH(QString, dumped);
        AppController& controller = *m_controller;
        Device device(m_pair->devicePath());
        controller.setDraftText(draft);
        controller.setSendAsHex(hex);
        controller.sendManualText();
        QTRY_VERIFY_WITH_TIMEOUT(!device.received.isEmpty(), 5000);
        const QList<LogEntry>& entries = controller.logStore().entries();
        QCOMPARE(entries.size(), 1);
        QCOMPARE(int(entries.at(0).lineEnd), lineEnd);
        const QString line = LogManager::formatLine(entries.at(0), LogFileFormat::Hex);
        QVERIFY2(dumped.isNull() || line.endsWith(QStringLiteral("] TX  ") + dumped),
                 qPrintable(line));
        QCOMPARE(controller.commandHistoryModel()->sentAsAt(0), hex ? SentAs::Hex : SentAs::Text);
    }

    // The chosen line end reaches the wire from every sender that composes text: the send
    // box, its repeat, a command from the library and a batch step; the CRC stays right after
    // the text and the TX line shows the end that went out. The choice is kept.
    void everySenderEndsTextWithTheChosenLineEnd_data()
    {
        QTest::addColumn<QString>("sender");
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("crc");
        QTest::addColumn<QByteArray>("wire");
        QTest::addColumn<int>("logged");

        const QByteArray crc("\x30\x1f"); // of "AT"
        QTest::newRow("manual, LF")
            << "manual" << 1 << false << QByteArray("AT\n") << int(LineEnd::Lf);
        QTest::newRow("manual, none, CRC")
            << "manual" << 3 << true << QByteArray("AT" + crc) << int(LineEnd::None);
        QTest::newRow("repeat, CR")
            << "repeat" << 2 << false << QByteArray("AT\r") << int(LineEnd::Cr);
        QTest::newRow("repeat, LF, CRC")
            << "repeat" << 1 << true << QByteArray("AT" + crc + "\n") << int(LineEnd::Lf);
        QTest::newRow("library, CR")
            << "library" << 2 << false << QByteArray("AT\r") << int(LineEnd::Cr);
        QTest::newRow("library, CR LF, CRC")
            << "library" << 0 << true << QByteArray("AT" + crc + "\r\n") << int(LineEnd::CrLf);
        QTest::newRow("batch, none")
            << "batch" << 3 << false << QByteArray("AT") << int(LineEnd::None);
        QTest::newRow("batch, CR, CRC")
            << "batch" << 2 << true << QByteArray("AT" + crc + "\r") << int(LineEnd::Cr);
    }

    void everySenderEndsTextWithTheChosenLineEnd()
    {
        QFETCH(QString, sender);
        QFETCH(int, code);
        QFETCH(bool, crc);
        QFETCH(QByteArray, wire);
        QFETCH(int, logged);

        AppController& controller = *m_controller;
        Device device(m_pair->devicePath());
        QVERIFY2(device.port.isOpen(), qPrintable(device.port.errorString()));
        QSignalSpy changed(&controller, &AppController::lineEndChanged);
        controller.setLineEnd(code);
        QCOMPARE(changed.count(), code == 0 ? 0 : 1);
        controller.setLineEnd(code);
        QCOMPARE(changed.count(), code == 0 ? 0 : 1);
        QCOMPARE(QSettings().value(QStringLiteral("send/lineEnd"), 0).toInt(), code);
        controller.setCrcEnabled(crc);

        if (sender == QLatin1String("manual")) {
            controller.setDraftText(QStringLiteral("AT"));
            controller.sendManualText();
        } else if (sender == QLatin1String("repeat")) {
            controller.setDraftText(QStringLiteral("AT"));
            controller.setRepeatIntervalMs(20);
            controller.setRepeatSendEnabled(true);
            QTRY_VERIFY_WITH_TIMEOUT(device.received.size() >= 2 * wire.size(), 5000);
            controller.setRepeatSendEnabled(false);
            QCOMPARE(device.received.left(2 * wire.size()).toHex(' '), (wire + wire).toHex(' '));
            device.received.truncate(wire.size());
        } else if (sender == QLatin1String("library")) {
            controller.addCustomTemplate(QStringLiteral("Attention"), QStringLiteral("AT"));
            int row = -1;
            for (int r = 0; r < controller.commandModel()->rowCount(); ++r) {
                if (controller.commandNameForRow(r) == QLatin1String("Attention")) {
                    row = r;
                }
            }
            QVERIFY(row >= 0);
            controller.loadCommandIntoDraft(row);
            QCOMPARE(controller.draftText(), QStringLiteral("AT"));
            controller.sendManualText();
        } else {
            controller.addBatchCommand(QStringLiteral("One"), 100,
                                       {QVariantMap{{QStringLiteral("text"), QStringLiteral("AT")},
                                                    {QStringLiteral("isHex"), false},
                                                    {QStringLiteral("crc"), crc}}});
            controller.setCrcEnabled(false); // the step's own choice holds
            controller.startBatchCommand(controller.batchCommandModel()->rowCount() - 1);
        }

        QTRY_COMPARE_WITH_TIMEOUT(device.received.size(), wire.size(), 5000);
        QCOMPARE(device.received.toHex(' '), wire.toHex(' '));
        const QList<LogEntry>& entries = controller.logStore().entries();
        const auto tx = std::find_if(entries.cbegin(), entries.cend(),
                                     [](const LogEntry& e) { return e.kind == LogKind::TX; });
        QVERIFY(tx != entries.cend());
        QCOMPARE(int(tx->lineEnd), logged);
        QVERIFY(tx->data.startsWith("AT"));

        // A controller made later sends the same way.
        m_controller.reset();
        AppController later;
        QCOMPARE(later.lineEnd(), code);
    }

    // A hex draft that is not hex goes nowhere: nothing on the wire, no echo,
    // no history; the draft stays and an error line says what is wrong.
    void malformedHexIsRefused_data()
    {
        QTest::addColumn<QString>("draft");
        QTest::addColumn<bool>("crc");
        QTest::addColumn<QString>("reason");
        QTest::newRow("letters") << "GZ 12" << false << "\"G\" at position 1";
        QTest::newRow("letters with CRC") << "zz" << true << "\"z\" at position 1";
        QTest::newRow("only separators") << " , ; " << true << "no hex digits";
        QTest::newRow("prefix inside") << "01 0x0x12" << false << "\"x\" at position 7";
    }

    void malformedHexIsRefused()
    {
        QFETCH(QString, draft);
        QFETCH(bool, crc);
        QFETCH(QString, reason);
        AppController& controller = *m_controller;
        Device device(m_pair->devicePath());
        QVERIFY2(device.port.isOpen(), qPrintable(device.port.errorString()));
        controller.setDraftText(draft);
        controller.setSendAsHex(true);
        controller.setCrcEnabled(crc);

        controller.sendManualText();

        const QStringList log = describe(controller.logStore());
        QCOMPARE(log.size(), 1);
        QVERIFY2(log.at(0).startsWith(QStringLiteral("ERR:Not sent")) && log.at(0).contains(reason),
                 qPrintable(log.at(0)));
        QCOMPARE(controller.commandHistoryModel()->rowCount(), 0);
        QCOMPARE(controller.draftText(), draft);
        QCOMPARE(controller.logStore().txBytes(), 0);
        // A valid send afterwards is the first thing the device sees.
        controller.setDraftText(QStringLiteral("AA"));
        controller.sendManualText();
        QTRY_COMPARE_WITH_TIMEOUT(device.received.size(), crc ? 3 : 1, 5000);
        QCOMPARE(device.received.at(0), '\xaa');
    }

    // A device that never reads: what waits for it is bounded. A send that
    // would queue more than the bound is refused and says why; closing the
    // port says how much was thrown away, and the Tx counter no longer counts
    // it as sent.
    void deviceThatNeverReads()
    {
        AppController& controller = *m_controller;
        QFile stalled(m_pair->devicePath());
        QVERIFY2(stalled.open(QIODevice::ReadWrite | QIODevice::Unbuffered),
                 qPrintable(stalled.errorString()));
        QSignalSpy status(&controller, &AppController::statusMessage);
        // The longest draft the send box takes; with CR LF each payload is two bytes longer.
        const QString big(TextBounds::Command, QLatin1Char('A'));
        controller.setDraftText(big);
        QCOMPARE(controller.draftText(), big);
        const qint64 payload = big.size() + 2;
        const int fitting = int(AppController::MaxQueuedBytes / payload);
        for (int i = 0; i < fitting; ++i) {
            controller.sendManualText();
        }
        QCOMPARE(describe(controller.logStore()).filter(QStringLiteral("ERR:")), QStringList());
        QCOMPARE(controller.logStore().txBytes(), fitting * qint64(big.size()));
        controller.sendManualText();
        QStringList log = describe(controller.logStore());
        QCOMPARE(log.size(), fitting + 1);
        QVERIFY2(log.last().startsWith(QStringLiteral("ERR:Not sent: the device is not reading")),
                 qPrintable(log.last()));
        QCOMPARE(controller.logStore().txBytes(), fitting * qint64(big.size()));
        QVERIFY(controller.serialManager().bytesToWrite() <= AppController::MaxQueuedBytes);

        // Sent, but too long for the history: a short note says so.
        QCOMPARE(controller.commandHistoryModel()->rowCount(), 0);
        QCOMPARE(status.size(), fitting);
        QVERIFY(status.constLast().at(0).toString().contains(QStringLiteral("history")));

        const qint64 waiting = controller.serialManager().bytesToWrite();
        QVERIFY(waiting > 0);
        const qint64 counted = controller.logStore().txBytes();
        QSignalSpy counters(&controller.logStore(), &LogManager::countersChanged);
        controller.closePort();
        log = describe(controller.logStore());
        QCOMPARE(log.last(), QStringLiteral("SYS:Port closed"));
        QCOMPARE(
            log.at(log.size() - 2),
            QStringLiteral("ERR:%1 bytes that had not gone out yet were discarded.").arg(waiting));
        // Each payload is its echo and CR LF; the payloads thrown away whole take their echo
        // off the counter, the one thrown away in part its share.
        const qint64 echo = big.size();
        const qint64 discount = waiting / payload * echo + waiting % payload * echo / payload;
        QCOMPARE(controller.logStore().txBytes(), counted - discount);
        QVERIFY(controller.logStore().txBytes() < counted);
        QVERIFY(!counters.isEmpty());
        QCOMPARE(counters.first().at(1).toLongLong(), counted - discount);
    }

    // The send box takes up to TextBounds::Command characters; a longer text
    // (pasted, or from a template) is refused with a line that says so, and
    // the box is told to show the draft it had.
    void draftLongerThanACommandIsRefused_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("taken");
        QTest::newRow("the bound") << int(TextBounds::Command) << true;
        QTest::newRow("one past") << int(TextBounds::Command) + 1 << false;
        QTest::newRow("a megabyte") << 1024 * 1024 << false;
    }

    void draftLongerThanACommandIsRefused()
    {
        QFETCH(int, length);
        QFETCH(bool, taken);
        AppController& controller = *m_controller;
        controller.setDraftText(QStringLiteral("before"));
        QSignalSpy changed(&controller, &AppController::draftTextChanged);
        const QString text(length, QLatin1Char('d'));
        controller.setDraftText(text);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(controller.draftText(), taken ? text : QStringLiteral("before"));
        const QStringList errors = describe(controller.logStore()).filter(QStringLiteral("ERR:"));
        if (taken) {
            QCOMPARE(errors, QStringList());
        } else {
            QCOMPARE(errors,
                     QStringList{QStringLiteral("ERR:Not put into the send box: %L1 characters "
                                                "are more than a command may be (%L2).")
                                     .arg(length)
                                     .arg(TextBounds::Command)});
        }
    }

    // Drafts of up to 4 KiB enter the history; longer ones are sent only.
    void historyKeepsShortDraftsOnly_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("kept");
        QTest::newRow("4 KiB") << AppController::HistoryTextLimit << true;
        QTest::newRow("one byte more") << AppController::HistoryTextLimit + 1 << false;
    }

    void historyKeepsShortDraftsOnly()
    {
        QFETCH(int, length);
        QFETCH(bool, kept);
        AppController& controller = *m_controller;
        Device device(m_pair->devicePath());
        QSignalSpy status(&controller, &AppController::statusMessage);
        controller.setDraftText(QString(length, QLatin1Char('h')));
        controller.sendManualText();
        QTRY_COMPARE_WITH_TIMEOUT(device.received.size(), length + 2, 5000);
        QCOMPARE(controller.commandHistoryModel()->rowCount(), kept ? 1 : 0);
        QCOMPARE(status.size(), kept ? 0 : 1);
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

        // Waiting for the line costs next to nothing: the repeat rests until
        // the port reports bytes gone instead of waking on every pass of the
        // event loop. A spinning loop would take a whole core here.
        const double cpuBefore = cpuSeconds();
        QElapsedTimer wall;
        wall.start();
        QSignalSpy idle(&controller, &AppController::batchStateChanged);
        QVERIFY(!idle.wait(1000));
        const double share = (cpuSeconds() - cpuBefore) / (double(wall.elapsed()) / 1000.0);
        QVERIFY2(share < 0.5, qPrintable(QString::number(share)));
    }

private:
    std::unique_ptr<korveltest::SocatPair> m_pair;
    std::unique_ptr<AppController> m_controller;
};

QTEST_MAIN(TestSend)
#include "tst_send.moc"
