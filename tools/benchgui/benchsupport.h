#pragma once

// What the window benchmarks share: the process's CPU time, running the
// event loop for a while, and the longest stall of the event loop.

#include <QElapsedTimer>
#include <QEventLoop>
#include <QObject>
#include <QTimer>

#include <sys/resource.h>
#include <time.h>

// CPU time of the process so far, in seconds; with @p system, the part spent
// in the kernel only.
inline double cpuSeconds(bool system = false)
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) {
        return double(t.tv_sec) + double(t.tv_usec) / 1e6;
    };
    return system ? seconds(usage.ru_stime) : seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Runs the event loop for a while (or until done() holds, checked every 20 ms).
template <typename Done> void runFor(int ms, Done done)
{
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done()) {
            loop.quit();
        }
    });
    limit.start(ms);
    poll.start(20);
    loop.exec();
}

inline void runFor(int ms)
{
    runFor(ms, [] { return false; });
}

// CPU time of the calling thread so far, in nanoseconds.
inline qint64 threadCpuNanoseconds()
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
            if (now - m_last - 10'000'000 > m_longest) {
                m_longest = now - m_last - 10'000'000;
                m_longestCpu = cpu - m_lastCpu;
            }
            m_last = now;
            m_lastCpu = cpu;
        });
    }
    void start()
    {
        m_longest = 0;
        m_longestCpu = 0;
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

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_lastCpu = 0;
    qint64 m_longest = 0;
    qint64 m_longestCpu = 0;
};
