#pragma once

// Shared by the benchmarks: how much memory the process holds.

#include <QByteArray>
#include <QFile>

/// Resident set size of this process (or of the process @p pid) in KiB,
/// from /proc; -1 when unknown.
inline long residentKiB(qint64 pid = 0)
{
    QFile status(pid > 0 ? QStringLiteral("/proc/%1/status").arg(pid)
                         : QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return -1;
}
