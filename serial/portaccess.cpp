#include "serial/portaccess.h"

#include "serial/portidentity.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <csignal>
#include <dirent.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

#if defined(Q_OS_UNIX)

bool statPath(const QString& path, struct stat& st)
{
    return ::stat(QFile::encodeName(path).constData(), &st) == 0;
}

bool isAlive(qint64 pid)
{
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

// The name the process was started under, as ps shows it.
QString programOf(qint64 pid)
{
    QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(pid));
    if (cmdline.open(QIODevice::ReadOnly)) {
        const QByteArray first = cmdline.readAll().split('\0').constFirst();
        if (!first.isEmpty()) {
            return QFileInfo(QFile::decodeName(first)).fileName();
        }
    }
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    if (comm.open(QIODevice::ReadOnly)) {
        return QString::fromLocal8Bit(comm.readAll().trimmed());
    }
    return {};
}

// Lock files as QSerialPort and the UUCP tradition write them: LCK..name in
// one of the usual folders, the holder's pid on the first line (QLockFile
// adds the program's name on the second).
PortHolder holderFromLockFiles(const QString& portName)
{
    static const QStringList folders{QStringLiteral("/var/lock"),
                                     QStringLiteral("/etc/locks"),
                                     QStringLiteral("/var/spool/locks"),
                                     QStringLiteral("/var/spool/uucp"),
                                     QStringLiteral("/tmp"),
                                     QStringLiteral("/var/tmp"),
                                     QStringLiteral("/var/lock/lockdev"),
                                     QStringLiteral("/run/lock")};
    QStringList names;
    for (const QString& location :
         {PortIdentity::systemLocation(portName),
          QFileInfo(PortIdentity::systemLocation(portName)).canonicalFilePath()}) {
        QString name = location.startsWith(QLatin1String("/dev/")) ? location.mid(5) : location;
        name.replace(QLatin1Char('/'), QLatin1Char('_'));
        if (!name.isEmpty() && !names.contains(name)) {
            names << name;
        }
    }
    QStringList dirs = folders;
    dirs << QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    for (const QString& dir : std::as_const(dirs)) {
        for (const QString& name : std::as_const(names)) {
            QFile lock(dir + QStringLiteral("/LCK..") + name);
            if (!lock.open(QIODevice::ReadOnly)) {
                continue;
            }
            const QList<QByteArray> lines = lock.read(4096).split('\n');
            const qint64 pid = lines.constFirst().trimmed().toLongLong();
            if (!isAlive(pid)) {
                continue;
            }
            QString program = programOf(pid);
            if (program.isEmpty() && lines.size() > 1) {
                program = QString::fromUtf8(lines.at(1).trimmed());
            }
            return {pid, program};
        }
    }
    return {};
}

// The first process with an open file that leads to @p device.
PortHolder holderFromProc(const QString& device)
{
#if defined(Q_OS_LINUX)
    if (device.isEmpty()) {
        return {};
    }
    const QByteArray target = QFile::encodeName(device);
    DIR* proc = ::opendir("/proc");
    if (!proc) {
        return {};
    }
    PortHolder found;
    while (const dirent* process = ::readdir(proc)) {
        bool numeric = false;
        const qint64 pid = QByteArray(process->d_name).toLongLong(&numeric);
        if (!numeric) {
            continue;
        }
        const QByteArray fdDir = QByteArray("/proc/") + process->d_name + "/fd";
        DIR* fds = ::opendir(fdDir.constData());
        if (!fds) {
            continue; // another user's process
        }
        while (const dirent* fd = ::readdir(fds)) {
            char link[4096];
            const ssize_t n = ::readlinkat(::dirfd(fds), fd->d_name, link, sizeof link);
            if (n == target.size() && target == QByteArray::fromRawData(link, int(n))) {
                found = {pid, programOf(pid)};
                break;
            }
        }
        ::closedir(fds);
        if (found.pid != 0) {
            break;
        }
    }
    ::closedir(proc);
    return found;
#else
    Q_UNUSED(device);
    return {};
#endif
}

#endif

} // namespace

QString PortAccess::checkDevicePath(const QString& portName)
{
#if defined(Q_OS_UNIX)
    const QString location = PortIdentity::systemLocation(portName);
    struct stat st
    {};
    if (!statPath(location, st)) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return tr("%1 does not exist. Check the path, and that the device is plugged in.")
                .arg(portName);
        }
        return {}; // the open says what is wrong
    }
    if (S_ISDIR(st.st_mode)) {
        return tr("%1 is a folder, not a serial device.").arg(portName);
    }
    if (S_ISREG(st.st_mode)) {
        return tr("%1 is a regular file, not a serial device.").arg(portName);
    }
    if (!S_ISCHR(st.st_mode)) {
        return tr("%1 is not a serial device.").arg(portName);
    }
#else
    Q_UNUSED(portName);
#endif
    return {};
}

QString PortAccess::describeOpenFailure(const QString& portName, QSerialPort::SerialPortError error,
                                        const QString& systemText)
{
    QString text = systemText.trimmed();
    while (text.endsWith(QLatin1Char('.'))) {
        text.chop(1);
    }
    const QString base = tr("Cannot open %1: %2.").arg(portName, text);
    if (error == QSerialPort::UnsupportedOperationError) {
        return base + QLatin1Char(' ') + tr("It is not a serial device.");
    }
    if (error != QSerialPort::PermissionError) {
        return base;
    }
    QStringList advice;
#if defined(Q_OS_UNIX)
    const QString location = PortIdentity::systemLocation(portName);
    const bool permitted =
        ::access(QFile::encodeName(location).constData(), R_OK | W_OK) == 0 || errno != EACCES;
#if defined(Q_OS_LINUX)
    if (!permitted) {
        const QString group = accessGroup(location);
        advice << tr("To get access on Linux, add your user to the group that owns the device "
                     "(%1), for example with \"sudo usermod -aG %1 $USER\", then log out and log "
                     "in again.")
                      .arg(group);
    }
#endif
    const PortHolder holder = findHolder(portName);
    if (holder.pid != 0 && !holder.program.isEmpty()) {
        advice << tr("It is in use by another program: %1 (process %2). Close the port there, "
                     "then try again.")
                      .arg(holder.program)
                      .arg(holder.pid);
    } else if (holder.pid != 0) {
        advice << tr("It is in use by another program (process %1). Close the port there, then "
                     "try again.")
                      .arg(holder.pid);
    } else if (permitted) {
        advice << tr("It is in use by another program. Close the port there, then try again.");
    }
#endif
    return advice.isEmpty() ? base : base + QLatin1Char(' ') + advice.join(QLatin1Char(' '));
}

PortHolder PortAccess::findHolder(const QString& portName)
{
#if defined(Q_OS_UNIX)
    const PortHolder locked = holderFromLockFiles(portName);
    if (locked.pid != 0) {
        return locked;
    }
    return holderFromProc(QFileInfo(PortIdentity::systemLocation(portName)).canonicalFilePath());
#else
    Q_UNUSED(portName);
    return {};
#endif
}

QString PortAccess::accessGroup(const QString& location)
{
#if defined(Q_OS_UNIX)
    struct stat st
    {};
    if (statPath(location, st) && (st.st_mode & S_IRGRP) && (st.st_mode & S_IWGRP)) {
        group buffer{};
        group* found = nullptr;
        char strings[4096];
        if (::getgrgid_r(st.st_gid, &buffer, strings, sizeof strings, &found) == 0 && found) {
            return QString::fromLocal8Bit(found->gr_name);
        }
    }
#else
    Q_UNUSED(location);
#endif
    return QStringLiteral("dialout");
}
