#include "startuprun.h"

#include "app/startup.h"
#include "monitorproto.h"
#include "tools/shared/residentmemory.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>

#include <algorithm>

namespace {

template <typename T> T medianOf(QList<T> values)
{
    if (values.isEmpty()) {
        return T{};
    }
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// CPU time the threads of process @p pid have run so far, in seconds, from
// the scheduler's figures in nanoseconds (the process's own utime counts in
// ticks of 10 ms, too coarse for a start-up); -1 when unknown.
double threadsCpuSeconds(qint64 pid)
{
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    double total = 0;
    bool any = false;
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat(tasks.filePath(task + QStringLiteral("/schedstat")));
        if (stat.open(QIODevice::ReadOnly)) {
            bool ok = false;
            const qint64 ns = stat.readAll().split(' ').first().toLongLong(&ok);
            if (ok) {
                total += double(ns) / 1e9;
                any = true;
            }
        }
    }
    return any ? total : -1;
}

} // namespace

double StartupFigures::medianCpu() const
{
    return medianOf(cpuSeconds);
}

double StartupFigures::median() const
{
    return medianOf(seconds);
}

double StartupFigures::fastest() const
{
    return seconds.isEmpty() ? 0 : *std::min_element(seconds.cbegin(), seconds.cend());
}

double StartupFigures::slowest() const
{
    return seconds.isEmpty() ? 0 : *std::max_element(seconds.cbegin(), seconds.cend());
}

long StartupFigures::medianResident() const
{
    return medianOf(residentKiB);
}

StartupFigures measureStartups(const QString& program, const QStringList& arguments, int runs,
                               int restMs, const QProcessEnvironment& extra)
{
    StartupFigures figures;
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));
    QString rules = environment.value(QStringLiteral("QT_LOGGING_RULES"));
    rules += QStringLiteral("%1qt.scenegraph.time.renderloop=true")
                 .arg(rules.isEmpty() ? QString() : QStringLiteral(";"));
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), rules);
    environment.insert(extra);

    for (int run = 0; run <= runs; ++run) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setReadChannel(QProcess::StandardError);
        QElapsedTimer clock;
        clock.start();
        process.start(program, arguments);
        if (!process.waitForStarted(10000)) {
            figures.failure = QStringLiteral("%1 did not start").arg(program);
            return figures;
        }
        bool shown = false;
        QByteArray pending;
        while (!shown && process.state() == QProcess::Running && clock.elapsed() < 30000) {
            process.waitForReadyRead(100);
            pending += process.readAllStandardError();
            shown = pending.contains("Frame rendered") || pending.contains("frame rendered");
        }
        const double seconds = double(clock.nsecsElapsed()) / 1e9;
        const double cpu = threadsCpuSeconds(process.processId());
        if (!shown) {
            figures.failure = QStringLiteral("no frame within 30 s: %1")
                                  .arg(QString::fromLocal8Bit(pending.right(400)));
            process.kill();
            process.waitForFinished(5000);
            return figures;
        }
        QThread::msleep(restMs);
        const long resident = residentKiB(process.processId());
        process.terminate();
        if (!process.waitForFinished(5000)) {
            process.kill();
            process.waitForFinished(5000);
        }
        if (run > 0) {
            figures.seconds << seconds;
            figures.residentKiB << resident;
            figures.cpuSeconds << cpu;
        }
    }
    return figures;
}

int runStartupChild(int argc, char* argv[], const QString& file)
{
    registerMonitorPrototype();
    return runKorvelApplication(argc, argv, QUrl::fromLocalFile(file));
}
