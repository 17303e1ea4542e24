// Running a batch through a real port (a socat pair): the steps go out in
// order one per interval, stopping or losing the port ends the run with a
// "stopped" line, a short interval never queues a step behind unsent bytes,
// and removing rows of the list keeps the runner pointing at its batch.
#include "library/batchrunner.h"
#include "log/logmanager.h"
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

    bool start(QString* error)
    {
        if (!pair.start()) {
            *error = pair.error();
            return false;
        }
        device = std::make_unique<Device>(pair.devicePath());
        return port.open({pair.appPath()}, error);
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

QTEST_MAIN(TestBatchRunner)
#include "tst_batchrunner.moc"
