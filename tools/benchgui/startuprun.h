#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

/// What start-ups of a program took: from the start of the process to its
/// window's first frame, and the memory it held at rest afterwards.
struct StartupFigures
{
    QList<double> seconds;
    QList<long> residentKiB;
    /// CPU time of all the program's threads up to its first frame.
    QList<double> cpuSeconds;
    QString failure;

    double median() const;
    double fastest() const;
    double slowest() const;
    long medianResident() const;
    double medianCpu() const;
};

/// Starts @p program @p runs times (after one start that is not counted,
/// which fills the caches a user's second start finds filled), each time
/// until its window has drawn its first frame, then leaves it at rest for
/// @p restMs and reads its resident memory before ending it. The program
/// runs with its own empty settings and caches, @p extra added to its
/// environment. The first frame is seen on the program's standard error,
/// where Qt Quick's render loop reports each frame it has drawn.
StartupFigures measureStartups(const QString& program, const QStringList& arguments, int runs,
                               int restMs, const QProcessEnvironment& extra = {});

/// Runs the application's start-up on the document in @p file (a child of
/// measureStartups(), started with --startup-child).
int runStartupChild(int argc, char* argv[], const QString& file);
