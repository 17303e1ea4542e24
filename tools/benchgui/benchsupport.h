#pragma once

// Shared by the interface benchmark's runs: CPU time, and running the event
// loop for a while.

#include <QEventLoop>
#include <QTimer>

#include <sys/resource.h>

/// CPU time of the process so far, in seconds; with @p system, the part
/// spent in the kernel only.
inline double cpuSeconds(bool system = false)
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) {
        return double(t.tv_sec) + double(t.tv_usec) / 1e6;
    };
    return system ? seconds(usage.ru_stime) : seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

/// Runs the event loop for a while, or until done() holds (checked every
/// 20 ms).
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

/// Runs the event loop for a while with nothing else of the benchmark's
/// own: no polling timer wakes the process meanwhile.
inline void runQuietly(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

inline void runFor(int ms)
{
    runQuietly(ms);
}
