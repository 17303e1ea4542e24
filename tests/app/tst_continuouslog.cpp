// Continuous logging as the user's record of a long session: every line the
// simulator floods in reaches the daily file, in order and as the text format
// writes it, also lines that arrive in one batch larger than the store keeps,
// and an application killed outright loses at most the last second.
#include "app/appcontroller.h"
#include "support/controllersupport.h"
#include "support/testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int kLineLength = 40; // with CR LF, as the simulator sends them

// The simulator's number of a flood line as the file holds it, or -1.
qint64 floodNumber(const QByteArray& line)
{
    const int at = line.indexOf("] RX  ");
    if (at < 0) {
        return -1;
    }
    const QByteArray payload = line.mid(at + 6);
    if (payload.size() != kLineLength - 2) {
        return -1;
    }
    bool ok = false;
    const qint64 number = payload.left(8).toLongLong(&ok);
    return ok ? number : -1;
}

// Every entry the store takes in, formatted as the daily file should hold it.
class Recorder
{
public:
    explicit Recorder(LogManager& log)
        : m_log(log)
        , m_counted(log.totalLineCount())
    {
        QObject::connect(&log, &LogManager::countersChanged, &log, [this] {
            const qint64 added = m_log.totalLineCount() - m_counted;
            m_counted = m_log.totalLineCount();
            const auto& entries = m_log.entries();
            if (added > entries.size()) {
                overflow = true;
                return;
            }
            for (qsizetype i = entries.size() - added; i < entries.size(); ++i) {
                lines << LogManager::formatLine(entries.at(i), LogFileFormat::Text).toUtf8();
            }
        });
    }

    QList<QByteArray> lines;
    bool overflow = false;

private:
    LogManager& m_log;
    qint64 m_counted;
};

} // namespace

class TestContinuousLog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { korveltest::isolateSettings(); }

    void floodReachesFileWhole_data();
    void floodReachesFileWhole();
    void batchLargerThanStoreReachesFile();
    void killedApplicationLosesAtMostOneSecond();
};

void TestContinuousLog::floodReachesFileWhole_data()
{
    QTest::addColumn<QStringList>("simulator");
    QTest::addColumn<qint64>("count");
    QTest::newRow("unthrottled") << QStringList{QStringLiteral("--flood"), QStringLiteral("0")}
                                 << qint64(20000);
    QTest::newRow("921600 baud") << QStringList{QStringLiteral("--flood"), QStringLiteral("92160")}
                                 << qint64(5000);
}

void TestContinuousLog::floodReachesFileWhole()
{
    QFETCH(QStringList, simulator);
    QFETCH(qint64, count);
    korveltest::Simulator sim;
    QVERIFY2(sim.start(simulator + QStringList{QStringLiteral("--count"), QString::number(count),
                                               QStringLiteral("--line-length"),
                                               QString::number(kLineLength)}),
             qPrintable(sim.error()));

    QTemporaryDir dir;
    AppController controller;
    const korveltest::ContinuousLogWatch watch(controller.logStore());
    LogManager& log = controller.logStore();
    const qint64 before = log.totalLineCount();
    QVERIFY(controller.saveLog(dir.path(), QStringLiteral("flood"), QStringLiteral("text"), true)
                .isEmpty());
    const QString daily = log.continuousFilePath();
    QVERIFY(!daily.isEmpty());
    Recorder recorder(log);

    QVERIFY(korveltest::openDefault(controller, sim.path()));
    QTRY_COMPARE_WITH_TIMEOUT(korveltest::rxLines(log).isEmpty()
                                  ? qint64(-1)
                                  : korveltest::rxLines(log).constLast().left(8).toLongLong(),
                              count, 90000);
    controller.closePort();
    const qint64 logged = log.totalLineCount() - before;
    QVERIFY(watch.waitWritten());

    const QList<QByteArray> lines = korveltest::fileLines(daily);
    qInfo("%s: %lld lines in the daily file, %lld logged in the run", QTest::currentDataTag(),
          static_cast<long long>(lines.size()), static_cast<long long>(logged));
    QVERIFY(!recorder.overflow);
    QCOMPARE(qint64(lines.size()), logged);
    QCOMPARE(lines, recorder.lines);
    qint64 expected = 1;
    for (const QByteArray& line : lines) {
        const qint64 number = floodNumber(line);
        if (number >= 0) {
            QCOMPARE(number, expected);
            ++expected;
        }
    }
    QCOMPARE(expected - 1, count);
}

void TestContinuousLog::batchLargerThanStoreReachesFile()
{
    QTemporaryDir dir;
    AppController controller;
    const korveltest::ContinuousLogWatch watch(controller.logStore());
    LogManager& log = controller.logStore();
    QVERIFY(controller.saveLog(dir.path(), QStringLiteral("burst"), QStringLiteral("csv"), true)
                .isEmpty());
    const QString daily = log.continuousFilePath();

    // One arrival of 7000 lines: one batch, more than the store keeps.
    const int lines = LogManager::Capacity + 2000;
    QByteArray chunk;
    for (int i = 1; i <= lines; ++i) {
        chunk += QByteArray::number(i).rightJustified(8, '0') + " burst\r\n";
    }
    const qint64 before = log.totalLineCount();
    controller.handleIncomingData(chunk);
    QCOMPARE(log.totalLineCount() - before, qint64(lines));
    QCOMPARE(log.entries().size(), LogManager::Capacity);

    QVERIFY(watch.waitWritten());
    const QList<QByteArray> written = korveltest::fileLines(daily);
    QCOMPARE(written.size(), lines);
    for (int i = 0; i < lines; ++i) {
        const QByteArray expected =
            "] RX  " + QByteArray::number(i + 1).rightJustified(8, '0') + " burst";
        QVERIFY2(written.at(i).endsWith(expected), written.at(i).constData());
    }
}

void TestContinuousLog::killedApplicationLosesAtMostOneSecond()
{
    const QString program = qEnvironmentVariable("KORVEL_LOGGING_PROBE");
    QVERIFY(!program.isEmpty());
    korveltest::Simulator sim;
    QVERIFY2(sim.start({QStringLiteral("--flood"), QStringLiteral("0"),
                        QStringLiteral("--line-length"), QString::number(kLineLength)}),
             qPrintable(sim.error()));
    QTemporaryDir dir;
    QProcess probe;
    probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    probe.start(program, {sim.path(), dir.path()});
    QVERIFY2(probe.waitForStarted(10000), qPrintable(probe.errorString()));

    // Reports of the lines logged, with the time each was read.
    QList<QPair<qint64, qint64>> reports;
    QElapsedTimer clock;
    clock.start();
    auto readReports = [&] {
        while (probe.canReadLine()) {
            const QByteArray line = probe.readLine().trimmed();
            if (line.startsWith("lines ")) {
                reports.append({clock.elapsed(), line.mid(6).toLongLong()});
            }
        }
    };
    QObject::connect(&probe, &QProcess::readyReadStandardOutput, &probe, readReports);
    // Flooding for a while, well past the store's capacity.
    QTRY_VERIFY_WITH_TIMEOUT(!reports.isEmpty() && reports.constLast().second > 3 * 5000 &&
                                 clock.elapsed() > 2500,
                             60000);
    QCOMPARE(probe.state(), QProcess::Running);
    readReports();
    const qint64 killedAt = clock.elapsed();
    probe.kill(); // SIGKILL: no chance to flush or close anything
    QVERIFY(probe.waitForFinished(10000));
    QCOMPARE(probe.exitStatus(), QProcess::CrashExit);

    // What the probe had logged a second before it was killed.
    qint64 secondBefore = 0;
    for (const auto& report : reports) {
        if (report.first <= killedAt - 1000) {
            secondBefore = report.second;
        }
    }
    QVERIFY(secondBefore > 0);

    const QStringList files = QDir(dir.path()).entryList({QStringLiteral("probe-*.log")});
    QCOMPARE(files.size(), 1);
    const QList<QByteArray> lines = korveltest::fileLines(dir.filePath(files.first()));
    qint64 expected = 1;
    qint64 flood = 0;
    for (const QByteArray& line : lines) {
        const qint64 number = floodNumber(line);
        if (number < 0) {
            continue;
        }
        QCOMPARE(number, expected); // no gap before the last line in the file
        ++expected;
        ++flood;
    }
    qInfo("killed after %lld ms: %lld flood lines in the file, %lld lines logged a second "
          "before the kill, %lld at the last report",
          static_cast<long long>(killedAt), static_cast<long long>(flood),
          static_cast<long long>(secondBefore), static_cast<long long>(reports.constLast().second));
    // The probe's count includes the line that says the port opened.
    QVERIFY(lines.size() >= secondBefore);
}

QTEST_MAIN(TestContinuousLog)
#include "tst_continuouslog.moc"
