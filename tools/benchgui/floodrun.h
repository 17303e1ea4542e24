#pragma once

#include <QProcess>
#include <QString>

class AppController;

/// What every run of the interface benchmark needs.
struct BenchContext
{
    AppController* controller = nullptr;
    QString devsim;
    int lineLength = 40;
    int seconds = 20;
    /// Lines of the unthrottled flood; 0: what a 3 s trial shows.
    qint64 unthrottledLines = 0;
    /// Logging continuously to a daily file: lines logged before it began.
    bool continuous = false;
    qint64 linesBeforeLogging = 0;
    /// Frames the window has shown so far.
    const int* frames = nullptr;
    /// The flood is the simulator's nested JSON reports, numbered by "seq".
    bool json = false;
    /// With --find: how often the four runs are made in turn.
    int findRounds = 1;
};

/// Starts korvel-devsim sending @p count lines at @p rate bytes/s (0: as
/// fast as the pseudo-terminal carries); returns its device path, or
/// nothing when it did not start.
QString startSimulator(const BenchContext& context, QProcess& simulator, qint64 rate, qint64 count);

/// Fills the log to its capacity, so that every line from then on evicts one.
void fillLog(const BenchContext& context);

/// A flood at @p rate bytes/s (0: unthrottled) for the context's seconds:
/// prints bytes per second, CPU, the longest stall, frames, memory and
/// whether every line arrived, and whether the run met its targets
/// (921600 baud: at most @p cpuMsPerMBLimit, when finite, and 10 ms
/// stalls; unthrottled: 30 ms stalls; always: no line lost). Returns
/// whether it did; -1 when the run could not be made. @p cpuMsPerMB, when
/// given, receives the run's CPU time per megabyte; with the fields panel
/// shown the run also prints what it read.
int runFlood(const BenchContext& context, qint64 rate, double cpuMsPerMBLimit,
             double* cpuMsPerMB = nullptr);

/// A sensor's trickle, @p linesPerSecond lines a second for @p seconds,
/// with nothing of the benchmark's own running meanwhile (no stall meter,
/// no polling): prints the share of a core the process took and whether
/// every line arrived, and whether it stayed within @p percentLimit.
/// Returns whether it did; -1 when the run could not be made.
int runTrickle(const BenchContext& context, int linesPerSecond, int seconds, double percentLimit);
