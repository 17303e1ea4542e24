// Batch runs through a real port: against the device simulator (which
// answers every step) and against a socat pair whose far end the test reads
// byte for byte.
#include "app/appcontroller.h"
#include "settings/languagemanager.h"
#include "settings/settingsstore.h"
#include "support/controllersupport.h"
#include "support/testsupport.h"

#include <QElapsedTimer>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace {

using namespace korveltest;

QVariantMap step(const QString& text, bool isHex = false, bool crc = false)
{
    return {{QStringLiteral("text"), text},
            {QStringLiteral("isHex"), isHex},
            {QStringLiteral("crc"), crc}};
}

QVariantList jsonSteps(const QStringList& commands)
{
    QVariantList steps;
    for (const QString& command : commands) {
        steps << step(QStringLiteral("{\"command\":\"%1\"}").arg(command));
    }
    return steps;
}

// The SYS and TX entries after the "opened" line: what the batch itself logged.
QStringList batchLog(const LogManager& log)
{
    QStringList lines;
    for (const QString& line : describe(log).mid(1)) {
        if (line.startsWith(QLatin1String("SYS:")) || line.startsWith(QLatin1String("TX:")) ||
            line.startsWith(QLatin1String("ERR:"))) {
            lines << line;
        }
    }
    return lines;
}

QString started(const QString& name, int steps)
{
    return QStringLiteral("SYS:Batch \"%1\" started \u2014 %2 step(s).").arg(name).arg(steps);
}

QString finished(const QString& name)
{
    return QStringLiteral("SYS:Batch \"%1\" finished.").arg(name);
}

QString stopped(const QString& name)
{
    return QStringLiteral("SYS:Batch \"%1\" stopped.").arg(name);
}

} // namespace

class TestBatches : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Simulator> m_sim;
    std::unique_ptr<AppController> m_controller;

    // A controller with the simulator's port open; false when that failed.
    bool openSimulator(const QStringList& arguments = {})
    {
        m_sim = std::make_unique<Simulator>();
        if (!m_sim->start(arguments)) {
            qWarning("%s", qPrintable(m_sim->error()));
            return false;
        }
        m_controller = std::make_unique<AppController>();
        return openDefault(*m_controller, m_sim->path());
    }

    const LogManager& log() const { return m_controller->logStore(); }

private slots:
    void initTestCase()
    {
        isolateSettings();
        LanguageManager::instance().setLanguage(QStringLiteral("en"));
    }

    void init() { korveltest::clearSettings(); }

    void cleanup()
    {
        m_controller.reset();
        m_sim.reset();
    }

    void threeStepsRunInOrder()
    {
        QVERIFY(openSimulator());
        AppController& c = *m_controller;
        c.addBatchCommand(QStringLiteral("Poll"), 500,
                          jsonSteps({"ReadProduct", "ReadData", "ReadProduct"}));
        c.setDraftText(QStringLiteral("draft"));

        QStringList progress;
        QElapsedTimer clock;
        qint64 firstStepAt = -1;
        qint64 lastStepAt = -1;
        connect(&c, &AppController::batchStateChanged, this, [&] {
            progress << c.batchProgressText();
            if (c.batchProgressText() == QLatin1String("1 / 3"))
                firstStepAt = clock.elapsed();
            if (c.batchProgressText() == QLatin1String("3 / 3"))
                lastStepAt = clock.elapsed();
        });
        clock.start();
        c.startBatchCommand(0);
        QVERIFY(c.batchRunning());
        QCOMPARE(c.runningBatchRow(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!c.batchRunning(), 10000);

        QCOMPARE(progress, (QStringList{"0 / 3", "1 / 3", "2 / 3", "3 / 3", ""}));
        QCOMPARE(batchLog(log()),
                 (QStringList{started("Poll", 3), R"(TX:{"command":"ReadProduct"})",
                              R"(TX:{"command":"ReadData"})", R"(TX:{"command":"ReadProduct"})",
                              finished("Poll")}));
        // Two intervals lie between the first and the last step.
        QVERIFY2(lastStepAt - firstStepAt >= 800, qPrintable(QString::number(lastStepAt)));
        QCOMPARE(c.runningBatchRow(), -1);
        QCOMPARE(c.batchProgressText(), QString());

        // The device answered every step, in order.
        QTRY_COMPARE_WITH_TIMEOUT(rxLines(log()).size(), 3, 5000);
        QVERIFY(rxLines(log()).at(0).contains("\"product\""));
        QVERIFY(rxLines(log()).at(1).contains("\"temperature\""));
        QVERIFY(rxLines(log()).at(2).contains("\"product\""));
        // Steps leave the draft and the history alone.
        QCOMPARE(c.draftText(), QStringLiteral("draft"));
        QCOMPARE(c.commandHistoryModel()->rowCount(), 0);
    }

    void oneStepFinishesAtOnce()
    {
        QVERIFY(openSimulator());
        AppController& c = *m_controller;
        c.addBatchCommand(QStringLiteral("Once"), 500, jsonSteps({"ReadData"}));
        QSignalSpy state(&c, &AppController::batchStateChanged);
        c.startBatchCommand(0);
        QVERIFY(!c.batchRunning());
        QCOMPARE(state.count(), 3); // started, step sent, stopped
        QCOMPARE(batchLog(log()), (QStringList{started("Once", 1), R"(TX:{"command":"ReadData"})",
                                               finished("Once")}));
    }

    void stopping()
    {
        QVERIFY(openSimulator());
        AppController& c = *m_controller;
        c.addBatchCommand(QStringLiteral("Slow"), 60000, jsonSteps({"ReadData", "ReadData"}));

        // Idle: nothing to stop, nothing said.
        QSignalSpy state(&c, &AppController::batchStateChanged);
        c.stopBatchCommand();
        QCOMPARE(state.count(), 0);

        c.startBatchCommand(0);
        QCOMPARE(c.batchProgressText(), QStringLiteral("1 / 2"));
        c.stopBatchCommand();
        QVERIFY(!c.batchRunning());
        QCOMPARE(c.batchProgressText(), QString());
        QCOMPARE(batchLog(log()), (QStringList{started("Slow", 2), R"(TX:{"command":"ReadData"})",
                                               stopped("Slow")}));
        const int emitted = state.count();
        c.stopBatchCommand();
        QCOMPARE(state.count(), emitted);
    }

    void anotherBatchReplacesTheRunningOne()
    {
        QVERIFY(openSimulator());
        AppController& c = *m_controller;
        c.addBatchCommand(QStringLiteral("A"), 60000, jsonSteps({"ReadData", "ReadData"}));
        c.addBatchCommand(QStringLiteral("B"), 60000, jsonSteps({"ReadProduct", "ReadData"}));
        c.startBatchCommand(0);
        c.startBatchCommand(1);
        QCOMPARE(c.runningBatchRow(), 1);
        QCOMPARE(batchLog(log()),
                 (QStringList{started("A", 2), R"(TX:{"command":"ReadData"})", stopped("A"),
                              started("B", 2), R"(TX:{"command":"ReadProduct"})"}));
    }

    // Batches 0, 1 and 2; batch 1 runs while one of them is deleted.
    void deletingRowsAroundTheRunningOne_data()
    {
        QTest::addColumn<int>("deleted");
        QTest::addColumn<int>("runningRow");
        QTest::addColumn<int>("announced");
        QTest::addColumn<QString>("lastLog");
        QTest::newRow("above") << 0 << 0 << 1 << R"(TX:{"command":"ReadData"})";
        QTest::newRow("the running one") << 1 << -1 << 1 << stopped("Run");
        QTest::newRow("below") << 2 << 1 << 0 << R"(TX:{"command":"ReadData"})";
        QTest::newRow("out of range") << 7 << 1 << 0 << R"(TX:{"command":"ReadData"})";
    }

    void deletingRowsAroundTheRunningOne()
    {
        QFETCH(int, deleted);
        QFETCH(int, runningRow);
        QFETCH(int, announced);
        QFETCH(QString, lastLog);
        QVERIFY(openSimulator());
        AppController& c = *m_controller;
        c.addBatchCommand(QStringLiteral("Above"), 10, jsonSteps({"ReadProduct"}));
        c.addBatchCommand(QStringLiteral("Run"), 60000, jsonSteps({"ReadData", "ReadData"}));
        c.addBatchCommand(QStringLiteral("Below"), 10, jsonSteps({"ReadProduct"}));
        c.startBatchCommand(1);
        QSignalSpy state(&c, &AppController::batchStateChanged);

        c.removeBatchCommand(deleted);
        QCOMPARE(c.runningBatchRow(), runningRow);
        QCOMPARE(state.count(), announced);
        QCOMPARE(describe(log()).constLast(), lastLog);
        QCOMPARE(c.batchCommandModel()->rowCount(), deleted < 3 ? 2 : 3);
        if (runningRow >= 0) {
            QCOMPARE(c.batchCommandModel()->commandAt(runningRow)->name, QStringLiteral("Run"));
        }
    }

    void portClosingMidRunStopsOnce_data()
    {
        QTest::addColumn<bool>("hangUp");
        QTest::newRow("closed by the user") << false;
        QTest::newRow("device hangs up") << true;
    }

    void portClosingMidRunStopsOnce()
    {
        QFETCH(bool, hangUp);
        QVERIFY(openSimulator(hangUp ? QStringList{"--hangup-after", "1500"} : QStringList{}));
        AppController& c = *m_controller;
        c.addBatchCommand(QStringLiteral("Long"), 300, jsonSteps(QStringList(40, "ReadData")));
        c.startBatchCommand(0);
        QTRY_COMPARE_WITH_TIMEOUT(c.batchProgressText(), QStringLiteral("2 / 40"), 5000);
        if (!hangUp) {
            c.closePort();
        }
        QTRY_VERIFY_WITH_TIMEOUT(!c.portOpen(), 10000);
        QVERIFY(!c.batchRunning());
        QCOMPARE(batchLog(log()).count(stopped("Long")), 1);
        QCOMPARE(batchLog(log()).count(finished("Long")), 0);
        // Nothing more is sent (or logged) once the port is gone.
        QSignalSpy appended(&log(), &LogManager::entriesAppended);
        QVERIFY(!appended.wait(700));
    }

    void echoOffLogsOnlyTheBatch()
    {
        QVERIFY(openSimulator());
        AppController& c = *m_controller;
        c.setEchoTx(false);
        c.addBatchCommand(QStringLiteral("Quiet"), 0, jsonSteps({"ReadProduct", "ReadData"}));
        c.startBatchCommand(0);
        QTRY_VERIFY_WITH_TIMEOUT(!c.batchRunning(), 5000);
        QCOMPARE(batchLog(log()), (QStringList{started("Quiet", 2), finished("Quiet")}));
        // The steps still went out: the device answered both.
        QTRY_COMPARE_WITH_TIMEOUT(rxLines(log()).size(), 2, 5000);
    }

    void notOpenRefusesToStart()
    {
        AppController c;
        c.addBatchCommand(QStringLiteral("B"), 100, jsonSteps({"ReadData"}));
        QSignalSpy state(&c, &AppController::batchStateChanged);
        c.startBatchCommand(0);
        QCOMPARE(state.count(), 0);
        QVERIFY(!c.batchRunning());
        QCOMPARE(describe(c.logStore()),
                 QStringList{QStringLiteral("ERR:Port is not open \u2014 click \"Open port\" "
                                            "first.")});
    }

    void nothingToRun_data()
    {
        QTest::addColumn<int>("row");
        QTest::newRow("negative row") << -1;
        QTest::newRow("no such row") << 2;
        QTest::newRow("a stored batch without steps") << 1;
    }

    void nothingToRun()
    {
        QFETCH(int, row);
        SettingsStore().setBatchCommands(
            {{"id-1", "Ok", 100, {{"AT", false, false}}}, {"id-2", "Empty", 100, {}}});
        QVERIFY(openSimulator());
        AppController& c = *m_controller;
        QSignalSpy state(&c, &AppController::batchStateChanged);
        c.startBatchCommand(row);
        QCOMPARE(state.count(), 0);
        QCOMPARE(describe(log()).size(), 1); // only "opened"
    }

    // The far end of a socat pair sees exactly the bytes each step sends.
    void stepsAreSentLikeTheSendBox_data()
    {
        QTest::addColumn<QVariantMap>("batchStep");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("echo");
        QTest::newRow("text") << step("AT") << QByteArray("AT\r\n") << "TX:AT";
        QTest::newRow("text kept as typed") << step(" AT ") << QByteArray(" AT \r\n") << "TX: AT ";
        QTest::newRow("text with CRC")
            << step("123456789", false, true) << QByteArray("123456789\x37\x4b\r\n")
            << "TX:123456789 [CRC 37 4B]";
        QTest::newRow("text ending in a line feed")
            << step("AT\n") << QByteArray("AT\n") << "TX:AT\n";
        QTest::newRow("hex") << step("01 03 00 00 00 01", true)
                             << QByteArray::fromHex("010300000001") << "TX:01 03 00 00 00 01";
        QTest::newRow("hex with CRC")
            << step("01 03 00 00 00 01", true, true) << QByteArray::fromHex("010300000001840A")
            << "TX:01 03 00 00 00 01 84 0A";
    }

    void stepsAreSentLikeTheSendBox()
    {
        QFETCH(QVariantMap, batchStep);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, echo);
        SocatPair pair;
        QVERIFY2(pair.start(), qPrintable(pair.error()));
        Device device(pair.devicePath());
        QVERIFY(device.port.isOpen());
        AppController c;
        QVERIFY(openDefault(c, pair.appPath()));

        c.addBatchCommand(QStringLiteral("One"), 0, {batchStep});
        c.startBatchCommand(0);
        QTRY_COMPARE_WITH_TIMEOUT(device.received, bytes, 5000);
        QCOMPARE(describe(c.logStore()).at(2), echo);
    }

    // A hex step that is not hex is not sent: an error line names the fault
    // and the batch goes on with its next step.
    void malformedHexStepIsSkipped()
    {
        SocatPair pair;
        QVERIFY2(pair.start(), qPrintable(pair.error()));
        Device device(pair.devicePath());
        QVERIFY(device.port.isOpen());
        AppController c;
        QVERIFY(openDefault(c, pair.appPath()));

        c.addBatchCommand(QStringLiteral("Mixed"), 0,
                          {step("0x01 GZ", true), step("01 02", true, false)});
        c.startBatchCommand(0);
        QTRY_COMPARE_WITH_TIMEOUT(device.received, QByteArray::fromHex("0102"), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!c.batchRunning(), 5000);
        const QStringList log = describe(c.logStore());
        QCOMPARE(log.size(), 5);
        QVERIFY2(log.at(2).startsWith(QStringLiteral("ERR:Not sent: \"G\" at position 6")),
                 qPrintable(log.at(2)));
        QCOMPARE(log.at(3), QStringLiteral("TX:01 02"));
        QCOMPARE(log.at(4), QStringLiteral("SYS:Batch \"Mixed\" finished."));
    }

    // Interval 0: a tick that finds the previous step still waiting in the
    // port sends nothing. While nobody reads the far end the run stalls with
    // at most one step queued; once it reads, every step arrives, in order,
    // none lost or doubled.
    void intervalZeroWaitsForTheLine()
    {
        SocatPair pair;
        QVERIFY2(pair.start(), qPrintable(pair.error()));
        AppController c;
        QVERIFY(openDefault(c, pair.appPath()));

        constexpr int stepSize = 8 * 1024;
        QVariantList steps;
        QByteArray expected;
        for (int i = 1; i <= 40; ++i) {
            const QString text = QStringLiteral("S%1 ").arg(i, 2, 10, QLatin1Char('0')) +
                                 QString(stepSize - 6, QLatin1Char('x'));
            steps << step(text);
            expected += text.toUtf8() + "\r\n";
        }
        qint64 mostQueued = 0;
        connect(&c, &AppController::batchStateChanged, this,
                [&] { mostQueued = std::max(mostQueued, c.serialManager().bytesToWrite()); });
        QSignalSpy state(&c, &AppController::batchStateChanged);
        c.addBatchCommand(QStringLiteral("Fast"), 0, steps);
        c.startBatchCommand(0);
        for (int i = 0; i < 100 && state.wait(1000);) {
            ++i; // until the steps stop coming
        }
        QVERIFY2(c.batchRunning(), qPrintable(c.batchProgressText()));
        QVERIFY2(mostQueued <= stepSize, qPrintable(QString::number(mostQueued)));

        Device device(pair.devicePath());
        QVERIFY(device.port.isOpen());
        QTRY_VERIFY_WITH_TIMEOUT(!c.batchRunning(), 20000);
        QTRY_COMPARE_WITH_TIMEOUT(device.received.size(), expected.size(), 10000);
        QCOMPARE(device.received, expected);
        QCOMPARE(describe(c.logStore()).constLast(), finished("Fast"));
    }
};

QTEST_MAIN(TestBatches)
#include "tst_batches.moc"
