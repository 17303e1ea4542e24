#include "floodrun.h"

#include "app/appcontroller.h"
#include "benchsupport.h"
#include "log/fieldmonitor.h"
#include "tools/shared/residentmemory.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QThread>

#include <cmath>
#include <cstdio>
#include <time.h>

namespace {

// CPU time of the calling thread so far, in nanoseconds.
qint64 threadCpuNanoseconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

// Lateness of a 10 ms repeating timer: how long the event loop was busy with
// something else at a stretch. On a shared machine a late tick can also be
// the scheduler running other processes, so the GUI thread's own CPU time
// in the longest stall is kept beside it.
class StallMeter : public QObject
{
public:
    StallMeter()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            const qint64 cpu = threadCpuNanoseconds();
            const qint64 late = now - m_last - 10'000'000;
            if (now < kSettleNs) {
                m_opening = qMax(m_opening, late);
            } else if (late > m_longest) {
                m_longest = late;
                m_longestCpu = cpu - m_lastCpu;
                m_longestAt = now;
            }
            if (late > 10'000'000 && now >= kSettleNs) {
                ++m_over10;
            }
            m_last = now;
            m_lastCpu = cpu;
        });
    }
    void start()
    {
        m_longest = 0;
        m_longestCpu = 0;
        m_longestAt = 0;
        m_over10 = 0;
        m_opening = 0;
        m_clock.start();
        m_last = 0;
        m_lastCpu = threadCpuNanoseconds();
        m_timer.start();
    }
    double stop()
    {
        m_timer.stop();
        return double(m_longest) / 1e6;
    }
    // The GUI thread's CPU time between the two ticks of the longest stall.
    double longestStallCpuMs() const { return double(m_longestCpu) / 1e6; }
    // When the longest stall ended, in seconds from the start.
    double longestStallAt() const { return double(m_longestAt) / 1e9; }
    // How many stalls were longer than 10 ms: one at the start of a flood
    // is another matter than one every few seconds.
    int stallsOver10Ms() const { return m_over10; }
    // The longest stall of the first half second, kept apart: the port has
    // just opened on a log the run has filled with 5000 lines at once, and
    // the first frame lays the view out anew.
    double openingStallMs() const { return double(m_opening) / 1e6; }
    static constexpr qint64 kSettleNs = 500'000'000;

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_lastCpu = 0;
    qint64 m_longest = 0;
    qint64 m_longestCpu = 0;
    qint64 m_longestAt = 0;
    int m_over10 = 0;
    qint64 m_opening = 0;
};

// The number of a flood line, or -1 for any other line.
qint64 floodNumber(const BenchContext& context, const QByteArray& line)
{
    if (!context.json) {
        return line.size() == context.lineLength - 2 ? line.left(8).toLongLong() : -1;
    }
    const qsizetype at = line.indexOf("\"seq\":");
    if (at < 0 || !line.endsWith('}')) {
        return -1;
    }
    qsizetype end = at + 6;
    while (end < line.size() && line.at(end) >= '0' && line.at(end) <= '9') {
        ++end;
    }
    return line.mid(at + 6, end - at - 6).toLongLong();
}

// The number of lines the simulator says it sent, once it has quit.
qint64 linesSent(QProcess& simulator)
{
    simulator.terminate();
    simulator.waitForFinished(5000);
    const QRegularExpressionMatch sent =
        QRegularExpression(QStringLiteral("flood sent (\\d+) lines"))
            .match(QString::fromLocal8Bit(simulator.readAllStandardError()));
    return sent.hasMatch() ? sent.captured(1).toLongLong() : -1;
}

// Lines logged since @p before, less a part of a line at the end; with
// @p lastNumber, the number of the last whole flood line.
qint64 linesLogged(const BenchContext& context, qint64 before, qint64* lastNumber, bool* partial)
{
    const LogManager& log = context.controller->logStore();
    qint64 logged = log.totalLineCount() - before;
    const LogEntry& last = log.entries().constLast();
    *partial =
        last.kind == LogKind::RX && (context.json ? floodNumber(context, last.data) < 0
                                                  : last.data.size() < context.lineLength - 2);
    if (*partial) {
        --logged;
    }
    const LogEntry& lastWhole = log.entries().at(log.entries().size() - (*partial ? 2 : 1));
    *lastNumber =
        context.json ? floodNumber(context, lastWhole.data) : lastWhole.data.left(8).toLongLong();
    return logged;
}

qint64 fileLines(const QString& path)
{
    QFile file(path);
    qint64 lines = 0;
    if (file.open(QIODevice::ReadOnly)) {
        while (!file.atEnd()) {
            lines += file.read(1 << 20).count('\n');
        }
    }
    return lines;
}

// The lines of the daily file once it holds at least @p expected of them, else as many as it
// holds after half a minute: it is written on a thread of its own, moments after each append.
qint64 continuousFileLines(const LogManager& log, qint64 expected)
{
    const QDeadlineTimer deadline(30000);
    qint64 lines = fileLines(log.continuousFilePath());
    while (lines < expected && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(20);
        lines = fileLines(log.continuousFilePath());
    }
    return lines;
}

} // namespace

QString startSimulator(const BenchContext& context, QProcess& simulator, qint64 rate, qint64 count)
{
    simulator.setProgram(context.devsim);
    QStringList arguments{QStringLiteral("--flood"), QString::number(rate),
                          QStringLiteral("--count"), QString::number(count),
                          QStringLiteral("--quiet")};
    // A nested report is about 175 bytes; only the flood's length depends on it.
    arguments << (context.json ? QStringList{QStringLiteral("--shape"), QStringLiteral("nested")}
                               : QStringList{QStringLiteral("--line-length"),
                                             QString::number(context.lineLength)});
    simulator.setArguments(arguments);
    simulator.start();
    if (!simulator.waitForReadyRead(5000)) {
        std::fprintf(stderr, "korvel-devsim did not start\n");
        return {};
    }
    return QString::fromLocal8Bit(simulator.readLine()).trimmed();
}

void fillLog(const BenchContext& context)
{
    LogManager& log = context.controller->logStore();
    while (log.entries().size() < LogManager::Capacity) {
        QList<QByteArray> lines;
        for (int i = 0; i < 250; ++i) {
            lines << QByteArray("prefill line ") + QByteArray::number(i);
        }
        log.appendBatch(LogKind::RX, lines);
        QCoreApplication::processEvents();
    }
    runFor(300);
}

int runFlood(const BenchContext& context, qint64 rate, double cpuMsPerMBLimit,
             double* cpuMsPerMBOut)
{
    AppController* controller = context.controller;
    LogManager& log = controller->logStore();
    const int lineLength = context.lineLength;
    fillLog(context);

    // The flood ends by itself, about when the run does, so that every line
    // the simulator counts has been written and can be read. How many lines
    // an unthrottled flood gets through in that time is measured first.
    qint64 count = rate > 0 ? (rate * context.seconds + lineLength - 1) / lineLength
                            : context.unthrottledLines;
    if (count <= 0) {
        QProcess probe;
        const QString pty = startSimulator(context, probe, 0, 1000000000000);
        if (pty.isEmpty() || !controller->openPort(pty, 921600, 8, 0, 1, 0)) {
            return -1;
        }
        const qint64 before = log.totalLineCount();
        runFor(3000);
        count = qMax<qint64>(1000, (log.totalLineCount() - before) * context.seconds / 3);
        controller->closePort();
        probe.terminate();
        probe.waitForFinished(5000);
        runFor(300);
        std::printf("unthrottled flood: %lld lines, from a 3 s trial\n",
                    static_cast<long long>(count));
    }

    QProcess sim;
    const QString pty = startSimulator(context, sim, rate, count);
    if (pty.isEmpty()) {
        return -1;
    }
    // With the panel shown and nothing in it, how soon after the port opens
    // the first fields are in its table (what a new user waits for).
    FieldMonitor* fieldMonitor = controller->fields();
    const bool watchFirstFields = context.json && fieldMonitor->shown();
    if (watchFirstFields) {
        fieldMonitor->clear();
    }
    QElapsedTimer sinceOpen;
    qint64 firstFieldsMs = -1;
    const auto firstFieldsWatch =
        QObject::connect(fieldMonitor->fields(), &QAbstractItemModel::rowsInserted, [&] {
            if (watchFirstFields && firstFieldsMs < 0) {
                firstFieldsMs = sinceOpen.elapsed();
            }
        });
    sinceOpen.start();
    if (!controller->openPort(pty, 921600, 8, 0, 1, 0)) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(pty));
        return -1;
    }
    // Gaps in the numbering of the flood lines that reach the log.
    qint64 expected = -1;
    qint64 gaps = 0;
    qint64 missing = 0;
    qint64 firstGapAt = -1;
    qint64 firstNumber = -1;
    qint64 counted = log.totalLineCount();
    const auto gapWatch = QObject::connect(&log, &LogManager::countersChanged, [&] {
        const auto& entries = log.entries();
        const qint64 added = log.totalLineCount() - counted;
        counted = log.totalLineCount();
        if (added <= 0) {
            return; // cleared
        }
        const qsizetype from = entries.size() - qMin<qsizetype>(added, entries.size());
        if (expected >= 0) {
            expected += added - (entries.size() - from); // appended and evicted at once
        }
        for (qsizetype i = from; i < entries.size(); ++i) {
            const LogEntry& e = entries.at(i);
            const qint64 number = e.kind == LogKind::RX ? floodNumber(context, e.data) : -1;
            if (number < 0) {
                continue;
            }
            if (firstNumber < 0) {
                firstNumber = number;
            }
            if (expected >= 0 && number != expected) {
                ++gaps;
                missing += number - expected;
                if (firstGapAt < 0) {
                    firstGapAt = expected;
                }
            }
            expected = number + 1;
        }
    });
    const qint64 linesBefore = log.totalLineCount();
    const qint64 rxBefore = log.rxBytes();
    const long residentBefore = residentKiB();
    const double cpuBefore = cpuSeconds();
    const double systemBefore = cpuSeconds(true);
    const int framesBefore = *context.frames;
    QElapsedTimer wall;
    wall.start();
    StallMeter stalls;
    stalls.start();
    // The run ends after the given time or when the flood is over.
    qint64 rxSeen = log.rxBytes();
    QElapsedTimer quiet;
    quiet.start();
    auto quietFor = [&](int ms) {
        return [&, ms] {
            if (log.rxBytes() != rxSeen) {
                rxSeen = log.rxBytes();
                quiet.restart();
            }
            return quiet.elapsed() > ms;
        };
    };
    runFor(context.seconds * 1000, quietFor(300));
    const bool floodOver = quiet.elapsed() > 300;
    const double elapsed =
        double(wall.nsecsElapsed()) / 1e9 - (floodOver ? double(quiet.elapsed()) / 1e3 : 0);
    const double cpu = cpuSeconds() - cpuBefore;
    const double system = cpuSeconds(true) - systemBefore;
    const double longestStallMs = stalls.stop();

    const qint64 received = log.rxBytes() - rxBefore;
    const double cpuMsPerMB = received > 0 ? 1000.0 * cpu / (double(received) / 1e6) : 0;
    if (cpuMsPerMBOut) {
        *cpuMsPerMBOut = cpuMsPerMB;
    }
    const int frames = *context.frames - framesBefore;
    const long residentAfter = residentKiB();

    // Take in the rest of the flood (a line cut in two is logged after the
    // receive path's flush delay), then let the simulator count.
    runFor(60000, quietFor(1000));
    const qint64 sent = linesSent(sim);
    qint64 lastNumber = 0;
    bool partial = false;
    const qint64 logged = linesLogged(context, linesBefore, &lastNumber, &partial);
    bool ok = sent >= 0 && logged == sent && lastNumber == sent % 100000000;
    QObject::disconnect(gapWatch);
    QObject::disconnect(firstFieldsWatch);
    controller->closePort();
    runFor(300);

    const QString label = rate > 0 ? QStringLiteral("%1 B/s (%2 baud)").arg(rate).arg(rate * 10)
                                   : QStringLiteral("unthrottled");
    const FieldMonitor* fields = controller->fields();
    std::printf("flood %s%s for %d s%s:\n", context.json ? "of JSON reports, " : "",
                qPrintable(label), context.seconds,
                !context.json     ? ""
                : fields->shown() ? ", fields panel shown with its plot"
                                  : ", fields panel hidden");
    std::printf("  received        %.0f B/s (%.0f lines/s)\n", double(received) / elapsed,
                double(received) / elapsed / lineLength);
    if (fields->shown()) {
        const FieldStore& store = fields->store();
        std::printf("  fields          %d, %d plotted, %lld JSON lines read\n", store.count(),
                    int(store.plottedFields().size()),
                    static_cast<long long>(store.lineCounts().json));
        std::printf("target first fields: in the table %lld ms after the port opened (at most "
                    "1000): %s\n",
                    static_cast<long long>(firstFieldsMs),
                    firstFieldsMs >= 0 && firstFieldsMs <= 1000 ? "met" : "MISSED");
    }
    std::printf("  cpu             %.1f %% of a core, %.0f ms per MB (%.0f %% of it in the "
                "kernel)\n",
                100.0 * cpu / elapsed, cpuMsPerMB, cpu > 0 ? 100.0 * system / cpu : 0.0);
    std::printf("  longest stall   %.1f ms at %.1f s (the window's thread on the CPU for %.1f ms "
                "of its 10 ms tick and the stall); %d stalls over 10 ms; in the first 0.5 s "
                "%.1f ms\n",
                longestStallMs, stalls.longestStallAt(), stalls.longestStallCpuMs(),
                stalls.stallsOver10Ms(), stalls.openingStallMs());
    std::printf("  frames          %.1f /s\n", frames / elapsed);
    std::printf("  memory          %ld KiB resident at the start, %ld at the end\n", residentBefore,
                residentAfter);
    if (sent >= 0 && sent < count) {
        // Whatever was still on its way was dropped when the simulator quit.
        std::printf("  lines           the window fell behind: %lld of %lld sent within the "
                    "time limit, %lld logged; not compared\n",
                    static_cast<long long>(sent), static_cast<long long>(count),
                    static_cast<long long>(logged));
    } else {
        std::printf("  lines           sent %lld, logged %lld: %s\n", static_cast<long long>(sent),
                    static_cast<long long>(logged), ok ? "none lost" : "MISMATCH");
    }
    if (!ok && sent == count) {
        std::printf("  last line       %lld%s\n", static_cast<long long>(lastNumber),
                    partial ? " (then a part of a line)" : "");
    }
    if (firstNumber != 1) {
        std::printf("  first line      %lld\n", static_cast<long long>(firstNumber));
    }
    if (gaps > 0) {
        std::printf("  gaps            %lld, %lld lines missing, the first after line %lld\n",
                    static_cast<long long>(gaps), static_cast<long long>(missing),
                    static_cast<long long>(firstGapAt - 1));
    }
    if (context.continuous) {
        const qint64 all = log.totalLineCount() - context.linesBeforeLogging;
        const qint64 inFile = continuousFileLines(log, all);
        std::printf("  continuous log  %lld lines in the daily file, %lld logged: %s\n",
                    static_cast<long long>(inFile), static_cast<long long>(all),
                    inFile == all ? "none lost" : "MISMATCH");
        ok = ok && inFile == all;
    }
    bool met = ok;
    if (rate == 92160 && !std::isfinite(cpuMsPerMBLimit)) {
        met = met && longestStallMs <= 10.0;
        std::printf("target 921600 baud: longest stall %.1f ms (at most 10), %s: %s\n",
                    longestStallMs, ok ? "no line lost" : "LINES LOST", met ? "met" : "MISSED");
    } else if (rate == 92160) {
        met = met && cpuMsPerMB <= cpuMsPerMBLimit && longestStallMs <= 10.0;
        std::printf("target 921600 baud: %.2f CPU s/MB (at most %.2f), longest stall %.1f ms "
                    "(at most 10), %s: %s\n",
                    cpuMsPerMB / 1000.0, cpuMsPerMBLimit / 1000.0, longestStallMs,
                    ok ? "no line lost" : "LINES LOST", met ? "met" : "MISSED");
    } else if (rate == 0) {
        met = met && longestStallMs <= 30.0;
        std::printf("target unthrottled: %.1f MB/s, longest stall %.1f ms (at most 30), %s: %s\n",
                    double(received) / elapsed / 1e6, longestStallMs,
                    ok ? "no line lost" : "LINES LOST", met ? "met" : "MISSED");
    } else {
        std::printf("  target          %s\n", met ? "met" : "MISSED");
    }
    std::fflush(stdout);
    return met ? 1 : 0;
}

int runTrickle(const BenchContext& context, int linesPerSecond, int seconds, double percentLimit)
{
    AppController* controller = context.controller;
    LogManager& log = controller->logStore();
    fillLog(context);
    const qint64 count = qint64(linesPerSecond) * seconds;
    QProcess sim;
    const QString pty =
        startSimulator(context, sim, qint64(linesPerSecond) * context.lineLength, count);
    if (pty.isEmpty() || !controller->openPort(pty, 921600, 8, 0, 1, 0)) {
        return -1;
    }
    // The measurement starts with the first line, on the trickle's rhythm.
    const qint64 rxBefore = log.rxBytes();
    runFor(5000, [&] { return log.rxBytes() > rxBefore; });
    const int framesBefore = *context.frames;
    const double cpuBefore = cpuSeconds();
    const double kernelBefore = cpuSeconds(true);
    QElapsedTimer wall;
    wall.start();
    runQuietly(seconds * 1000 - 1500);
    const double elapsed = double(wall.nsecsElapsed()) / 1e9;
    const double cpu = cpuSeconds() - cpuBefore;
    const double percent = 100.0 * cpu / elapsed;
    // Instructions counted per refresh leave out the kernel's part (reads,
    // wake-ups, timers), which a trickle pays at every line.
    const double kernelShare = cpu > 0 ? 100.0 * (cpuSeconds(true) - kernelBefore) / cpu : 0;
    const int frames = *context.frames - framesBefore;

    // The simulator stops sending after the last line but does not quit.
    // The log holds every line of the trickle: each must be there once, in
    // order.
    const QByteArray last = QByteArray::number(count).rightJustified(8, '0');
    const auto lastArrived = [&] {
        const LogEntry& entry = log.entries().constLast();
        return entry.kind == LogKind::RX && entry.data.startsWith(last);
    };
    runFor(10000, lastArrived);
    runFor(300);
    const qint64 sent = linesSent(sim);
    qint64 expected = 1;
    bool ok = true;
    for (const LogEntry& entry : log.entries()) {
        if (entry.kind == LogKind::RX && !entry.data.startsWith("prefill")) {
            ok = ok && entry.data.size() == context.lineLength - 2 &&
                 entry.data.left(8).toLongLong() == expected;
            ++expected;
        }
    }
    const qint64 logged = expected - 1;
    ok = ok && sent == count && logged == count;
    controller->closePort();
    runFor(300);

    const bool met = ok && percent <= percentLimit;
    std::printf("trickle %d lines/s (%d B/s) for %d s:\n", linesPerSecond,
                linesPerSecond * context.lineLength, seconds);
    std::printf("  cpu             %.2f %% of a core (%.0f %% of it in the kernel)\n", percent,
                kernelShare);
    std::printf("  frames          %.1f /s\n", frames / elapsed);
    std::printf("  lines           sent %lld, logged %lld: %s\n", static_cast<long long>(sent),
                static_cast<long long>(logged), ok ? "none lost" : "MISMATCH");
    std::printf("target %d lines/s: %.2f %% of a core (at most %.1f), %s: %s\n", linesPerSecond,
                percent, percentLimit, ok ? "no line lost" : "LINES LOST", met ? "met" : "MISSED");
    std::fflush(stdout);
    return met ? 1 : 0;
}
