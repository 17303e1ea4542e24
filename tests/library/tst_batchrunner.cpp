// Running a batch through a real port (a socat pair): the steps go out in
// order one per interval, stopping or losing the port ends the run with a
// "stopped" line, a short interval never queues a step behind unsent bytes,
// removing rows of the list keeps the runner pointing at its batch, and a
// step that waits for its reply holds the batch until the device's answer
// matches or the time runs out.
#include "library/batchrunner.h"
#include "library/replypattern.h"
#include "log/logmanager.h"
#include "log/rxlineassembler.h"
#include "serial/serialmanager.h"
#include "support/testsupport.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

using namespace korveltest;

BatchCommand makeBatch(const QStringList& texts, int intervalMs)
{
    BatchCommand batch{QStringLiteral("b1"), QStringLiteral("Probe"), intervalMs, {}};
    for (const QString& text : texts) {
        batch.steps.append({text, false, false});
    }
    return batch;
}

QString started(int steps)
{
    return QStringLiteral("SYS:Batch \"Probe\" started \u2014 %1 step(s).").arg(steps);
}

const QString kFinished = QStringLiteral("SYS:Batch \"Probe\" finished.");
using Expect = BatchStep::Expect;

BatchStep waitingStep(const QString& text, Expect expect, const QString& pattern, int timeoutMs,
                      bool goOn = false)
{
    BatchStep step(text);
    step.expect = expect;
    step.expectPattern = pattern;
    step.replyTimeoutMs = timeoutMs;
    step.goOnWithoutReply = goOn;
    return step;
}

// The log as describe() gives it, with the time a reply took (which varies)
// written as "*".
QStringList describeTimeless(const LogManager& log)
{
    static const QRegularExpression took(QStringLiteral("came after \\d+ ms"));
    QStringList lines = describe(log);
    for (QString& line : lines) {
        line.replace(took, QStringLiteral("came after * ms"));
    }
    return lines;
}

// What the device answers to a line it receives: pieces written one after
// another, a pause apart.
using Replies = QMap<QByteArray, QList<QByteArray>>;
const QString kStopped = QStringLiteral("SYS:Batch \"Probe\" stopped.");

// A port opened on one end of a socat pair, the device reading the other end,
// and a runner whose writer sends each step's text and a line feed.
struct Bench
{
    SocatPair pair;
    std::unique_ptr<Device> device;
    SerialManager port;
    LogManager log;
    QStringList sent;
    // What the port still held unsent as each step was handed over.
    QList<qint64> queuedAtStep;
    std::function<void()> afterStep;
    BatchRunner runner{&port, &log, [this](const BatchStep& step) {
                           queuedAtStep << port.bytesToWrite();
                           sent << step.text;
                           port.write(step.text.toUtf8() + '\n');
                           if (afterStep) {
                               afterStep();
                           }
                       }};

    // The receive path: what the port reads becomes RX entries of the log.
    RxLineAssembler rxLines{&log};
    Replies replies;
    int replyGapMs = 0;
    qsizetype answered = 0;

    bool start(QString* error)
    {
        if (!pair.start()) {
            *error = pair.error();
            return false;
        }
        device = std::make_unique<Device>(pair.devicePath());
        QObject::connect(&device->port, &QSerialPort::readyRead, &device->port,
                         [this] { answer(); });
        QObject::connect(&port, &SerialManager::dataReceived, &port,
                         [this](const QByteArray& data) { rxLines.feed(data); });
        return port.open({pair.appPath()}, error);
    }

    // Runs after Device's own handler has gathered what came.
    void answer()
    {
        qsizetype end = 0;
        while ((end = device->received.indexOf('\n', answered)) >= 0) {
            const QByteArray line = device->received.mid(answered, end - answered);
            answered = end + 1;
            const QList<QByteArray> pieces = replies.value(line);
            for (int i = 0; i < pieces.size(); ++i) {
                QTimer::singleShot(i * replyGapMs, &device->port,
                                   [this, piece = pieces.at(i)] { device->port.write(piece); });
            }
        }
    }
};

} // namespace

class TestBatchRunner : public QObject
{
    Q_OBJECT

private slots:
    void runsTheSteps_data();
    void runsTheSteps();
    void startsNothing_data();
    void startsNothing();
    void waitsForTheLineToDrain();
    void followsItsRow_data();
    void followsItsRow();
    void waitsForTheReply_data();
    void waitsForTheReply();
    void endsAWaitCleanly_data();
    void endsAWaitCleanly();
};

void TestBatchRunner::runsTheSteps_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("intervalMs");
    // After how many steps the test stops the batch or closes the port (-1: never).
    QTest::addColumn<int>("stopAfter");
    QTest::addColumn<int>("closeAfter");
    QTest::addColumn<QStringList>("sent");
    QTest::addColumn<QStringList>("log");

    const QStringList abc{"a", "b", "c"};
    QTest::newRow("all steps") << abc << 20 << -1 << -1 << abc
                               << QStringList{started(3), kFinished};
    QTest::newRow("one step finishes at once")
        << QStringList{"only"} << 5000 << -1 << -1 << QStringList{"only"}
        << QStringList{started(1), kFinished};
    QTest::newRow("negative interval as none")
        << abc << -50 << -1 << -1 << abc << QStringList{started(3), kFinished};
    QTest::newRow("stopped after two")
        << abc << 300 << 2 << -1 << QStringList{"a", "b"} << QStringList{started(3), kStopped};
    QTest::newRow("port closed after one")
        << abc << 300 << -1 << 1 << QStringList{"a"} << QStringList{started(3), kStopped};
}

void TestBatchRunner::runsTheSteps()
{
    QFETCH(QStringList, steps);
    QFETCH(int, intervalMs);
    QFETCH(int, stopAfter);
    QFETCH(int, closeAfter);
    QFETCH(QStringList, sent);
    QFETCH(QStringList, log);

    Bench bench;
    QString error;
    QVERIFY2(bench.start(&error), qPrintable(error));
    QSignalSpy changed(&bench.runner, &BatchRunner::stateChanged);
    QList<int> progress;
    connect(&bench.runner, &BatchRunner::stateChanged, this,
            [&] { progress << bench.runner.stepsSent(); });
    bench.afterStep = [&] {
        // Queued: the test acts between two steps, as a user or the port would.
        if (bench.sent.size() == stopAfter) {
            QMetaObject::invokeMethod(&bench.runner, &BatchRunner::stop, Qt::QueuedConnection);
        }
        if (bench.sent.size() == closeAfter) {
            QMetaObject::invokeMethod(&bench.port, &SerialManager::close, Qt::QueuedConnection);
        }
    };

    bench.runner.start(makeBatch(steps, intervalMs), 4);
    QCOMPARE(bench.sent.mid(0, 1), steps.mid(0, 1));
    QTRY_VERIFY_WITH_TIMEOUT(!bench.runner.running(), 10000);
    QCOMPARE(bench.sent, sent);
    QCOMPARE(describe(bench.log), log);
    QCOMPARE(bench.runner.row(), -1);
    QCOMPARE(bench.runner.stepsSent(), 0);
    QVERIFY(bench.runner.batch().name.isEmpty());

    // Started, a change per step sent, and the end.
    QList<int> expectedProgress{0};
    for (int n = 1; n <= sent.size(); ++n) {
        expectedProgress << n;
    }
    expectedProgress << 0;
    QCOMPARE(progress, expectedProgress);
    QCOMPARE(changed.count(), expectedProgress.size());

    if (bench.port.isOpen()) {
        QByteArray expected;
        for (const QString& text : std::as_const(sent)) {
            expected += text.toUtf8() + '\n';
        }
        QTRY_COMPARE_WITH_TIMEOUT(bench.device->received, expected, 5000);
    }
}

void TestBatchRunner::startsNothing_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("portOpen");
    QTest::addColumn<QStringList>("log");
    QTest::newRow("no steps") << QStringList{} << true << QStringList{};
    QTest::newRow("port closed") << QStringList{"a"} << false
                                 << QStringList{QStringLiteral(
                                        "ERR:Port is not open \u2014 click \"Open port\" first.")};
}

void TestBatchRunner::startsNothing()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, portOpen);
    QFETCH(QStringList, log);

    Bench bench;
    QString error;
    QVERIFY2(bench.start(&error), qPrintable(error));
    if (!portOpen) {
        bench.port.close();
    }
    QSignalSpy changed(&bench.runner, &BatchRunner::stateChanged);
    bench.runner.start(makeBatch(steps, 0), 0);
    QVERIFY(!bench.runner.running());
    QCOMPARE(bench.runner.row(), -1);
    QCOMPARE(changed.count(), 0);
    QVERIFY(bench.sent.isEmpty());
    QCOMPARE(describe(bench.log), log);
    // Stopping what does not run says nothing.
    bench.runner.stop();
    QCOMPARE(describe(bench.log), log);
    QCOMPARE(changed.count(), 0);
}

// With no interval, every pass of the event loop ticks; a step is only
// handed over once the bytes of the one before have left the port.
void TestBatchRunner::waitsForTheLineToDrain()
{
    Bench bench;
    QString error;
    QVERIFY2(bench.start(&error), qPrintable(error));
    QStringList steps;
    QByteArray expected;
    for (int n = 0; n < 24; ++n) {
        steps << QString::number(n) + QString(3000, QLatin1Char('a' + n % 26));
        expected += steps.constLast().toUtf8() + '\n';
    }
    bench.runner.start(makeBatch(steps, 0), 0);
    QTRY_VERIFY_WITH_TIMEOUT(!bench.runner.running(), 20000);
    QCOMPARE(bench.sent, steps);
    QCOMPARE(bench.queuedAtStep, QList<qint64>(steps.size(), 0));
    QTRY_COMPARE_WITH_TIMEOUT(bench.device->received.size(), expected.size(), 10000);
    QCOMPARE(bench.device->received, expected);
    QCOMPARE(describe(bench.log), (QStringList{started(int(steps.size())), kFinished}));
}

void TestBatchRunner::followsItsRow_data()
{
    QTest::addColumn<int>("removed");
    QTest::addColumn<int>("row");     // the running batch's row afterwards
    QTest::addColumn<int>("changes"); // stateChanged signals the removal gave
    QTest::newRow("a row above") << 0 << 1 << 1;
    QTest::newRow("the row just above") << 1 << 1 << 1;
    QTest::newRow("its own row") << 2 << -1 << 1;
    QTest::newRow("a row below") << 3 << 2 << 0;
    QTest::newRow("no row") << -1 << 2 << 0;
}

void TestBatchRunner::followsItsRow()
{
    QFETCH(int, removed);
    QFETCH(int, row);
    QFETCH(int, changes);

    Bench bench;
    QString error;
    QVERIFY2(bench.start(&error), qPrintable(error));
    bench.runner.start(makeBatch({"a", "b"}, 60000), 2);
    QCOMPARE(bench.runner.row(), 2);
    QSignalSpy changed(&bench.runner, &BatchRunner::stateChanged);
    bench.runner.rowRemoved(removed);
    QCOMPARE(bench.runner.row(), row);
    QCOMPARE(bench.runner.running(), row >= 0);
    QCOMPARE(changed.count(), changes);
    QCOMPARE(describe(bench.log).constLast(), row >= 0 ? started(2) : kStopped);
}

void TestBatchRunner::waitsForTheReply_data()
{
    QTest::addColumn<QList<BatchStep>>("steps");
    QTest::addColumn<Replies>("replies");
    QTest::addColumn<int>("replyGapMs");
    QTest::addColumn<QStringList>("sent");
    QTest::addColumn<QStringList>("log");

    const BatchStep next(QStringLiteral("NEXT"));
    const QString waitPong =
        QStringLiteral("SYS:Step 1: waiting up to 5000 ms for a reply matching text \"PONG\".");
    const QString matchedPong =
        QStringLiteral("SYS:Step 1: a reply matching text \"PONG\" came after * ms.");
    const BatchStep ping = waitingStep(QStringLiteral("PING"), Expect::Text, "PONG", 5000);

    QTest::newRow("reply matches, the batch goes on")
        << QList<BatchStep>{ping, next} << Replies{{"PING", {"PONG\r\n"}}} << 0
        << QStringList{"PING", "NEXT"}
        << QStringList{started(2), waitPong, "RX:PONG", matchedPong, kFinished};
    // The pause between the pieces is longer than the receive path waits
    // for a line's end: the reply reaches the log as two entries.
    QTest::newRow("reply split across reads and entries")
        << QList<BatchStep>{ping, next} << Replies{{"PING", {"PO", "NG\n"}}}
        << RxLineAssembler::PauseMs * 5 << QStringList{"PING", "NEXT"}
        << QStringList{started(2), waitPong, "RX:PO", "RX:NG", matchedPong, kFinished};
    QTest::newRow("expression spanning lines")
        << QList<BatchStep>{waitingStep("READ", Expect::Regex, "OK\\r\\nT=\\d+", 5000)}
        << Replies{{"READ", {"OK\r\n", "T=21\r\n"}}} << 20 << QStringList{"READ"}
        << QStringList{started(1),
                       "SYS:Step 1: waiting up to 5000 ms for a reply matching regular "
                       "expression \"OK\\r\\nT=\\d+\".",
                       "RX:OK",
                       "RX:T=21",
                       "SYS:Step 1: a reply matching regular expression \"OK\\r\\nT=\\d+\" "
                       "came after * ms.",
                       kFinished};
    // A frame with a line feed inside: the line cut takes it, the check
    // sees it.
    const QByteArray frame = QByteArray::fromHex("0103020a0bb5cf");
    QTest::newRow("hex with wildcards and a line feed inside")
        << QList<BatchStep>{waitingStep("READ", Expect::Hex, "01 03 02 ?? ?? b5cf", 5000)}
        << Replies{{"READ", {frame}}} << 0 << QStringList{"READ"}
        << QStringList{started(1),
                       "SYS:Step 1: waiting up to 5000 ms for a reply matching hex bytes "
                       "01 03 02 ?? ?? B5 CF.",
                       "RX:" + QString::fromUtf8(frame.left(3)),
                       "RX:" + QString::fromUtf8(frame.mid(4)),
                       "SYS:Step 1: a reply matching hex bytes 01 03 02 ?? ?? B5 CF came after * "
                       "ms.",
                       kFinished};
    const QString noPong = QStringLiteral("Step 1: no reply matching text \"PONG\" within 150 ms");
    const BatchStep quickPing = waitingStep(QStringLiteral("PING"), Expect::Text, "PONG", 150);
    const QString waitQuick =
        QStringLiteral("SYS:Step 1: waiting up to 150 ms for a reply matching text \"PONG\".");
    QTest::newRow("wrong reply stops the batch")
        << QList<BatchStep>{waitingStep(QStringLiteral("PING"), Expect::Text, "PONG", 1000), next}
        << Replies{{"PING", {"ERROR\r\n"}}} << 0 << QStringList{"PING"}
        << QStringList{
               started(2), "SYS:Step 1: waiting up to 1000 ms for a reply matching text \"PONG\".",
               "RX:ERROR", "ERR:Step 1: no reply matching text \"PONG\" within 1000 ms.", kStopped};
    QTest::newRow("no reply on the last step stops the batch")
        << QList<BatchStep>{quickPing} << Replies{} << 0 << QStringList{"PING"}
        << QStringList{started(1), waitQuick, "ERR:" + noPong + ".", kStopped};
    QTest::newRow("no reply, the step goes on")
        << QList<BatchStep>{waitingStep("PING", Expect::Text, "PONG", 150, true), next} << Replies{}
        << 0 << QStringList{"PING", "NEXT"}
        << QStringList{started(2), waitQuick, "SYS:" + noPong + "; going on.", kFinished};
    // Stored by hand or by a later version: the run refuses the check
    // rather than passing it.
    QTest::newRow("a pattern that cannot be used stops the batch")
        << QList<BatchStep>{waitingStep("PING", Expect::Regex, "PONG(", 5000), next} << Replies{}
        << 0 << QStringList{"PING"}
        << QStringList{started(2),
                       "ERR:Step 1: the reply pattern cannot be used: " +
                           ReplyPattern(Expect::Regex, QStringLiteral("PONG(")).errorText(),
                       kStopped};
}

void TestBatchRunner::waitsForTheReply()
{
    QFETCH(QList<BatchStep>, steps);
    QFETCH(Replies, replies);
    QFETCH(int, replyGapMs);
    QFETCH(QStringList, sent);
    QFETCH(QStringList, log);

    Bench bench;
    bench.replies = replies;
    bench.replyGapMs = replyGapMs;
    QString error;
    QVERIFY2(bench.start(&error), qPrintable(error));
    BatchCommand batch{QStringLiteral("b1"), QStringLiteral("Probe"), 20, steps};
    bench.runner.start(batch, 0);
    QTRY_VERIFY_WITH_TIMEOUT(!bench.runner.running(), 15000);
    QCOMPARE(bench.sent, sent);
    QCOMPARE(describeTimeless(bench.log), log);
    QVERIFY(!bench.runner.waitingForReply());
}

void TestBatchRunner::endsAWaitCleanly_data()
{
    // 0: the user stops the batch; 1: the port is closed; 2: the device goes away.
    QTest::addColumn<int>("how");
    QTest::addColumn<QStringList>("log");
    const QString closed =
        QStringLiteral("ERR:Step 2: the port closed while waiting for the reply.");
    QTest::newRow("stopped") << 0 << QStringList{kStopped};
    QTest::newRow("port closed") << 1 << QStringList{closed, kStopped};
    QTest::newRow("device unplugged") << 2 << QStringList{closed, kStopped};
}

// The wait ends at once, well before its time would run out, and nothing
// of it is left behind to fire later.
void TestBatchRunner::endsAWaitCleanly()
{
    QFETCH(int, how);
    QFETCH(QStringList, log);

    Bench bench;
    QString error;
    QVERIFY2(bench.start(&error), qPrintable(error));
    const BatchStep waiting = waitingStep("Q", Expect::Text, "never", 60000);
    bench.runner.start(BatchCommand{QStringLiteral("b1"),
                                    QStringLiteral("Probe"),
                                    0,
                                    {BatchStep(QStringLiteral("P")), waiting}},
                       0);
    QTRY_VERIFY_WITH_TIMEOUT(bench.runner.waitingForReply(), 5000);
    QCOMPARE(bench.runner.stepsSent(), 2);
    switch (how) {
    case 0:
        bench.runner.stop();
        break;
    case 1:
        bench.port.close();
        break;
    default:
        bench.pair.stop();
        break;
    }
    QTRY_VERIFY_WITH_TIMEOUT(!bench.runner.running(), 10000);
    QVERIFY(!bench.runner.waitingForReply());
    QCOMPARE(describe(bench.log).mid(2), log);

    // A reply that comes now finds nothing waiting.
    if (how == 0) {
        bench.device->port.write("never\n");
        QTRY_COMPARE_WITH_TIMEOUT(rxLines(bench.log).size(), 1, 5000);
        QCOMPARE(describe(bench.log).constLast(), QStringLiteral("RX:never"));
    }
}

QTEST_MAIN(TestBatchRunner)
#include "tst_batchrunner.moc"
