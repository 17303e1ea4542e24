#pragma once

#include <QCoreApplication>
#include <QSerialPort>
#include <QString>

/// A process that has a port open.
struct PortHolder
{
    qint64 pid = 0;
    QString program;
};

/// Turns the reasons a port does not open into texts a user can act on:
/// paths that are no device, missing permission, a port another program
/// holds.
class PortAccess
{
    Q_DECLARE_TR_FUNCTIONS(PortAccess)

public:
    /// Why @p portName cannot be a serial port before anything opens it: it
    /// does not exist, is a folder, a regular file or another kind of file.
    /// Empty when it may be one (a character device, or a name the platform
    /// resolves itself).
    static QString checkDevicePath(const QString& portName);

    /// The message for a failed open of @p portName: the port's own error
    /// text @p systemText, naming the port, followed by what the user can do
    /// about a missing permission or a port in use.
    static QString describeOpenFailure(const QString& portName, QSerialPort::SerialPortError error,
                                       const QString& systemText);

    /// The process that holds @p portName, from a lock file in the usual
    /// lock folders or from the open files in /proc; pid 0 when none is
    /// found (or the platform has neither).
    static PortHolder findHolder(const QString& portName);

    /// The group that would grant access to the device node @p location: its
    /// owning group when that group may read and write it, else "dialout".
    static QString accessGroup(const QString& location);
};
