// Binary replies through the whole receive path: the controller talks Modbus
// RTU to the device simulator with frames cut by silence, each reply one RX
// entry marked by its CRC in the monitor, the saved log and the daily file,
// and a batch of requests that each wait for their reply runs against it.
#include "app/appcontroller.h"
#include "log/loglistmodel.h"
#include "support/controllersupport.h"
#include "support/testsupport.h"
#include "util/crc16.h"

#include <QDir>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using namespace korveltest;

QByteArray frame(const char* hex)
{
    const QByteArray body = QByteArray::fromHex(hex);
    return body + Crc16::modbusBytes(body);
}

QList<const LogEntry*> rxEntries(const LogManager& log)
{
    QList<const LogEntry*> out;
    for (const LogEntry& entry : log.entries()) {
        if (entry.kind == LogKind::RX) {
            out << &entry;
        }
    }
    return out;
}

// Sends each request as a hex draft with its CRC and waits for its answer.
bool exchange(AppController& controller, const QStringList& requests)
{
    for (const QString& request : requests) {
        const qsizetype before = rxEntries(controller.logStore()).size();
        controller.setDraftText(request);
        controller.sendManualText();
        if (!QTest::qWaitFor([&] { return rxEntries(controller.logStore()).size() > before; },
                             5000)) {
            return false;
        }
    }
    return true;
}

void useFrames(AppController& controller, int pauseMs)
{
    controller.setFramesBySilence(true);
    controller.setFramePauseMs(pauseMs);
    controller.setSendAsHex(true);
    controller.setCrcEnabled(true);
}

// A batch step as the batch editor hands it over: a request sent as hex with
// its CRC that waits for a reply matching the hex bytes @p reply.
QVariantMap requestStep(const char* request, const char* reply, int timeoutMs, bool goOn = false)
{
    return {{QStringLiteral("text"), QLatin1String(request)},
            {QStringLiteral("isHex"), true},
            {QStringLiteral("crc"), true},
            {QStringLiteral("expect"), QStringLiteral("hex")},
            {QStringLiteral("expectPattern"), QLatin1String(reply)},
            {QStringLiteral("replyTimeoutMs"), timeoutMs},
            {QStringLiteral("goOnWithoutReply"), goOn}};
}

// The log from the batch's start on: received frames as hex with their file
// mark, the time a reply took as N.
QStringList batchLog(const LogManager& log)
{
    static const QRegularExpression took(QStringLiteral("came after \\d+ ms"));
    QStringList lines;
    for (const LogEntry& entry : log.entries()) {
        QString text = entry.kind == LogKind::RX
                           ? entry.hexText() + LogEntry::checkMark(entry.check)
                           : QString::fromUtf8(entry.data);
        text.replace(took, QStringLiteral("came after N ms"));
        lines << LogManager::dirTag(entry.kind) + QLatin1Char(':') + text;
    }
    const qsizetype start =
        lines.indexOf(QRegularExpression(QStringLiteral("SYS:Batch .* started .*")));
    return start < 0 ? lines : lines.mid(start);
}

} // namespace

Q_DECLARE_METATYPE(FrameCheck)

class TestFraming : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { korveltest::isolateSettingsInEnglish(); }
    void init() { korveltest::clearSettings(); }

    void modbusRepliesAreMarkedFrames_data();
    void modbusRepliesAreMarkedFrames();
    void marksReachTheSavedAndDailyFiles();
    void closeLogsThePendingFrame();
    void linesStayTheDefault();
    void choiceIsStored();
    void requestExpectBatch_data();
    void requestExpectBatch();
};

void TestFraming::modbusRepliesAreMarkedFrames_data()
{
    QTest::addColumn<QStringList>("simArgs");
    QTest::addColumn<QStringList>("requests");
    QTest::addColumn<QList<QByteArray>>("replies");
    QTest::addColumn<QList<FrameCheck>>("checks");

    // The replies hold 0D and 0A bytes, which would cut lines.
    QTest::newRow("write 0D0A, read it back")
        << QStringList{"--modbus"} << QStringList{"01 06 00 01 0D 0A", "01 03 00 00 00 03"}
        << QList<QByteArray>{frame("010600010D0A"), frame("0103060001"
                                                          "0D0A"
                                                          "0015")}
        << QList<FrameCheck>{FrameCheck::Valid, FrameCheck::Valid};
    QTest::newRow("every second answer spoilt")
        << QStringList{"--modbus", "--bad-crc", "2"}
        << QStringList{"01 03 01 00 00 02", "01 03 01 00 00 02", "01 03 01 00 00 02"}
        << QList<QByteArray>{frame("0103040A010A0B"), QByteArray(), frame("0103040A010A0B")}
        << QList<FrameCheck>{FrameCheck::Valid, FrameCheck::Invalid, FrameCheck::Valid};
}

void TestFraming::modbusRepliesAreMarkedFrames()
{
    QFETCH(QStringList, simArgs);
    QFETCH(QStringList, requests);
    QFETCH(QList<QByteArray>, replies);
    QFETCH(QList<FrameCheck>, checks);

    Simulator sim;
    QVERIFY2(sim.start(simArgs), qPrintable(sim.error()));
    AppController controller;
    useFrames(controller, 50);
    QVERIFY(openDefault(controller, sim.path()));
    controller.logModel()->setHexMode(true);
    QVERIFY(exchange(controller, requests));
    // Nothing more arrives: each reply was one frame.
    QTest::qWait(300);

    const QList<const LogEntry*> rx = rxEntries(controller.logStore());
    QCOMPARE(rx.size(), replies.size());
    for (qsizetype i = 0; i < rx.size(); ++i) {
        if (!replies.at(i).isNull()) {
            QCOMPARE(rx.at(i)->data.toHex(' '), replies.at(i).toHex(' '));
        }
        QCOMPARE(rx.at(i)->check, checks.at(i));
    }

    // The monitor shows each reply's bytes on one line, the mark after them.
    const auto& entries = controller.logStore().entries();
    qsizetype seen = 0;
    for (int row = 0; row < entries.size(); ++row) {
        if (entries.at(row).kind != LogKind::RX) {
            continue;
        }
        const QString text = controller.logModel()->lineTextAt(row);
        const QString mark = checks.at(seen) == FrameCheck::Valid ? QStringLiteral(" [CRC ok]")
                                                                  : QStringLiteral(" [CRC bad]");
        QVERIFY2(text.endsWith(QStringLiteral("RX   ") + entries.at(row).hexText() + mark),
                 qPrintable(text));
        ++seen;
    }
    QCOMPARE(seen, replies.size());

    // The text view shows the same marks; the frame's control bytes do not
    // break its line.
    controller.logModel()->setHexMode(false);
    const QString last = controller.logModel()->lineTextAt(int(entries.size()) - 1);
    QVERIFY2(last.endsWith(checks.constLast() == FrameCheck::Valid ? QStringLiteral(" [CRC ok]")
                                                                   : QStringLiteral(" [CRC bad]")),
             qPrintable(last));
    QVERIFY(!last.contains(QLatin1Char('\n')) && !last.contains(QLatin1Char('\r')));
}

void TestFraming::marksReachTheSavedAndDailyFiles()
{
    Simulator sim;
    QVERIFY2(sim.start({"--modbus", "--bad-crc", "2"}), qPrintable(sim.error()));
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    AppController controller;
    useFrames(controller, 50);
    ContinuousLogWatch watch(controller.logStore());
    QCOMPARE(controller.saveLog(dir.path(), QStringLiteral("start"), QStringLiteral("hex"), true),
             QString());
    QVERIFY(openDefault(controller, sim.path()));
    QVERIFY(exchange(controller, {"01 06 00 01 0D 0A", "01 06 00 01 0D 0A"}));
    QTRY_COMPARE_WITH_TIMEOUT(rxEntries(controller.logStore()).size(), 2, 5000);
    QVERIFY(watch.waitWritten());
    QCOMPARE(controller.saveLog(dir.path(), QStringLiteral("end"), QStringLiteral("hex"), false),
             QString());

    const QStringList daily = QDir(dir.path()).entryList({QStringLiteral("start-*.log")});
    QCOMPARE(daily.size(), 1);
    // The daily file holds the payload as text, the saved one as hex.
    const QString hexEcho = QStringLiteral("RX  01 06 00 01 0D 0A ");
    for (const QString& name : {daily.constFirst(), QStringLiteral("end.hex.txt")}) {
        QStringList rx;
        for (const QByteArray& line : fileLines(dir.filePath(name))) {
            if (line.contains("] RX  ")) {
                rx << QString::fromUtf8(line.mid(line.indexOf("] RX  ") + 2));
            }
        }
        QCOMPARE(rx.size(), 2);
        // The same text in any language, so that tools can look for it.
        QVERIFY2(rx.at(0).endsWith(QStringLiteral(" [CRC ok]")), qPrintable(name));
        QVERIFY2(rx.at(1).endsWith(QStringLiteral(" [CRC bad]")), qPrintable(name));
        if (name.endsWith(QLatin1String(".hex.txt"))) {
            QVERIFY(rx.at(0).startsWith(hexEcho));
            QVERIFY(rx.at(1).startsWith(hexEcho));
        }
    }
}

void TestFraming::closeLogsThePendingFrame()
{
    Simulator sim;
    QVERIFY2(sim.start({"--modbus"}), qPrintable(sim.error()));
    AppController controller;
    useFrames(controller, 1000);
    QVERIFY(openDefault(controller, sim.path()));
    const QByteArray reply = frame("0103020A01");
    // Closed while the reply waits for its pause.
    whenReceived(controller, reply.size(), [&] { controller.closePort(); });
    controller.setDraftText(QStringLiteral("01 03 01 00 00 01"));
    controller.sendManualText();
    QTRY_VERIFY_WITH_TIMEOUT(!controller.portOpen(), 5000);

    const QStringList log = describe(controller.logStore());
    QCOMPARE(log.size(), 4);
    QCOMPARE(rxLines(controller.logStore()), QList<QByteArray>{reply});
    QCOMPARE(log.at(2).left(3), QStringLiteral("RX:"));
    QCOMPARE(log.at(3), QStringLiteral("SYS:Port closed"));
    QCOMPARE(controller.logStore().entries().at(2).check, FrameCheck::Valid);
}

void TestFraming::linesStayTheDefault()
{
    Simulator sim;
    QVERIFY2(sim.start({"--modbus"}), qPrintable(sim.error()));
    AppController controller;
    QVERIFY(!controller.framesBySilence());
    QCOMPARE(controller.framePauseMs(), 20);
    controller.setSendAsHex(true);
    controller.setCrcEnabled(true);
    QVERIFY(openDefault(controller, sim.path()));
    // The write's answer ends in 0D 0A: as a line it ends there, unmarked.
    controller.setDraftText(QStringLiteral("01 06 00 01 0D 0A"));
    controller.sendManualText();
    QTRY_COMPARE_WITH_TIMEOUT(rxLines(controller.logStore()).size(), 2, 5000);
    QCOMPARE(rxLines(controller.logStore()).constFirst(), QByteArray::fromHex("01060001"));
    for (const LogEntry* entry : rxEntries(controller.logStore())) {
        QCOMPARE(entry->check, FrameCheck::None);
    }
}

void TestFraming::choiceIsStored()
{
    {
        AppController controller;
        QSignalSpy changed(&controller, &AppController::receiveFramingChanged);
        controller.setFramesBySilence(true);
        controller.setFramePauseMs(75);
        QCOMPARE(changed.size(), 2);
        // Unchanged values, also one bounded to the same, emit nothing.
        controller.setFramesBySilence(true);
        controller.setFramePauseMs(75);
        controller.setFramePauseMs(5000);
        controller.setFramePauseMs(1000);
        QCOMPARE(changed.size(), 3);
        QCOMPARE(controller.framePauseMs(), 1000);
        controller.setFramePauseMs(0);
        QCOMPARE(controller.framePauseMs(), 1);
    }
    AppController reopened;
    QVERIFY(reopened.framesBySilence());
    QCOMPARE(reopened.framePauseMs(), 1);
}

void TestFraming::requestExpectBatch_data()
{
    QTest::addColumn<QStringList>("simArgs");
    QTest::addColumn<QVariantList>("steps");
    QTest::addColumn<QStringList>("expected");

    // Write 0D0A to register 1; read registers 0 to 2 (the values may vary,
    // so may the CRC); read registers 256 and 257, which hold 0A01 and 0A0B.
    const char* write = "01 06 00 01 0D 0A 5C 9D";
    const char* readVarying = "01 03 06 ?? ?? 0D 0A ?? ?? ?? ??";
    const char* readKnown = "01 03 04 0A 01 0A 0B EF 4C";
    const QVariantList steps{requestStep("01 06 00 01 0D 0A", write, 2000),
                             requestStep("01 03 01 00 00 02", readKnown, 1500),
                             requestStep("01 03 00 00 00 03", readVarying, 2000)};
    const QStringList started{QStringLiteral("SYS:Batch \"Modbus\" started \u2014 3 step(s).")};
    const QStringList first{
        QStringLiteral("TX:01 06 00 01 0D 0A 5C 9D"),
        QStringLiteral("SYS:Step 1: waiting up to 2000 ms for a reply matching hex bytes "
                       "01 06 00 01 0D 0A 5C 9D."),
        QStringLiteral("RX:01 06 00 01 0D 0A 5C 9D [CRC ok]"),
        QStringLiteral("SYS:Step 1: a reply matching hex bytes 01 06 00 01 0D 0A 5C 9D came "
                       "after N ms.")};
    const QString secondWaits =
        QStringLiteral("SYS:Step 2: waiting up to 1500 ms for a reply matching hex bytes "
                       "01 03 04 0A 01 0A 0B EF 4C.");
    const QStringList third{
        QStringLiteral("TX:01 03 00 00 00 03 05 CB"),
        QStringLiteral("SYS:Step 3: waiting up to 2000 ms for a reply matching hex bytes "
                       "01 03 06 ?? ?? 0D 0A ?? ?? ?? ??."),
        QStringLiteral("RX:01 03 06 00 01 0D 0A 00 15 FF D4 [CRC ok]"),
        QStringLiteral("SYS:Step 3: a reply matching hex bytes 01 03 06 ?? ?? 0D 0A ?? ?? ?? ?? "
                       "came after N ms."),
        QStringLiteral("SYS:Batch \"Modbus\" finished.")};

    QTest::newRow("every reply matches")
        << QStringList{"--modbus"} << steps
        << started + first +
               QStringList{QStringLiteral("TX:01 03 01 00 00 02 C5 F7"), secondWaits,
                           QStringLiteral("RX:01 03 04 0A 01 0A 0B EF 4C [CRC ok]"),
                           QStringLiteral("SYS:Step 2: a reply matching hex bytes 01 03 04 0A 01 "
                                          "0A 0B EF 4C came after N ms.")} +
               third;

    // The second answer comes with its CRC bytes inverted: the frame is
    // marked bad, does not match, and the batch stops there.
    const QStringList spoilt{
        QStringLiteral("TX:01 03 01 00 00 02 C5 F7"), secondWaits,
        QStringLiteral("RX:01 03 04 0A 01 0A 0B 10 B3 [CRC bad]"),
        QStringLiteral("ERR:Step 2: no reply matching hex bytes 01 03 04 0A 01 0A 0B EF 4C within "
                       "1500 ms.")};
    QTest::newRow("a spoilt reply stops the batch")
        << QStringList{"--modbus", "--bad-crc", "2"} << steps
        << started + first + spoilt + QStringList{QStringLiteral("SYS:Batch \"Modbus\" stopped.")};

    QVariantList goOn = steps;
    goOn[1] = requestStep("01 03 01 00 00 02", readKnown, 1500, true);
    QStringList goneOn = spoilt;
    goneOn.last() = QStringLiteral("SYS:Step 2: no reply matching hex bytes 01 03 04 0A 01 0A 0B "
                                   "EF 4C within 1500 ms; going on.");
    QTest::newRow("a spoilt reply, the step goes on")
        << QStringList{"--modbus", "--bad-crc", "2"} << goOn << started + first + goneOn + third;
}

void TestFraming::requestExpectBatch()
{
    QFETCH(QStringList, simArgs);
    QFETCH(QVariantList, steps);
    QFETCH(QStringList, expected);

    Simulator sim;
    QVERIFY2(sim.start(simArgs), qPrintable(sim.error()));
    AppController controller;
    useFrames(controller, 50);
    controller.addBatchCommand(QStringLiteral("Modbus"), 100, steps);
    QCOMPARE(controller.batchCommandModel()->rowCount(), 1);
    QVERIFY(openDefault(controller, sim.path()));
    controller.logModel()->setHexMode(true);

    controller.startBatchCommand(0);
    QVERIFY(controller.batchRunning());
    QTRY_VERIFY_WITH_TIMEOUT(!controller.batchRunning(), 15000);
    // Nothing more arrives: each reply was one frame, and no step went out
    // after the batch ended.
    QTest::qWait(300);
    const QStringList log = batchLog(controller.logStore());
    QVERIFY2(log == expected, qPrintable(log.join(QLatin1Char('\n'))));

    // The monitor shows each reply on one line with its mark after it.
    const auto& entries = controller.logStore().entries();
    for (int row = 0; row < entries.size(); ++row) {
        if (entries.at(row).kind == LogKind::RX) {
            const QString text = controller.logModel()->lineTextAt(row);
            QVERIFY2(text.endsWith(entries.at(row).hexText() +
                                   LogEntry::checkMark(entries.at(row).check)),
                     qPrintable(text));
        }
    }
}

QTEST_MAIN(TestFraming)
#include "tst_framing.moc"
