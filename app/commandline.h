#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

/// What the command line asks of the window at start-up.
struct StartupOptions
{
    /// A name from the port list or any device path, as given; empty when not given.
    QString port;
    /// Bits per second, one of the rates the window offers; 0 when not given.
    int baudRate = 0;
    /// Open the port once the window is up.
    bool open = false;
};

/// The command line read before the application object exists, so that
/// --help, --version and a mistake end the process without a window.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    /// Reads @p arguments (the program's name first). When run is false the
    /// process ends with exitStatus after printing output (stdout) and error
    /// (stderr): 0 for --help and --version, 2 for a mistake.
    static CommandLine parse(const QStringList& arguments);

    bool run = true;
    int exitStatus = 0;
    QString output;
    QString error;
    StartupOptions options;
};
