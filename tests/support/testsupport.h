#pragma once

#include "app/appservices.h"
#include "serial/serialconfig.h"

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QProcess>
#include <QSerialPort>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

class LogManager;

namespace korveltest {

/// A CH340 bridge as the port list reports it: @p serial and @p socket are what
/// tell one such device from another.
SerialPortEntry usbPort(const QString& path, const QString& serial, const QString& socket);

/// "KIND:text" per log entry, so whole logs compare in one line.
QStringList describe(const LogManager& log);
/// The payloads of the RX entries, oldest first.
QList<QByteArray> rxLines(const LogManager& log);
/// The SYS entry an open logs, as describe() writes it.
QString opened(const QString& port, const QString& summary = QStringLiteral("115200 8-N-1"));
/// The whole content of a file; empty when it cannot be read.
QByteArray fileBytes(const QString& path);
/// A file's lines without their line feeds (none for the end of the last line).
QList<QByteArray> fileLines(const QString& path);
/// Writes @p bytes as the whole content of the file at @p path.
bool writeFile(const QString& path, const QByteArray& bytes);
/// The sample library document (data/samples/at2-library.json): the HX4 and
/// the AT2 text-protocol model; empty when it cannot be read.
QByteArray sampleLibrary();

/// The test's end of the line: a second QSerialPort on the device side that
/// gathers everything it receives.
struct Device
{
    explicit Device(const QString& path);
    QSerialPort port;
    QByteArray received;
};

/// Tells when the daily file of a log store has taken every line the store has taken (each
/// reached the file or was counted as lost). Make it before the lines are given, and use it
/// while the daily file is on: a line the store takes with it off never reaches the writer.
class ContinuousLogWatch
{
public:
    explicit ContinuousLogWatch(LogManager& log);
    /// Waits until the writer, once out of work, had seen every line of the store so far.
    bool waitWritten(int timeoutMs = 30000) const;

private:
    const LogManager& m_log;
    // The store's line count when the writer last ran out of work.
    std::shared_ptr<qint64> m_handled = std::make_shared<qint64>(-1);
};

/// The services of a controller under test: the ports @p ports lists, enumerated at every
/// poll (the machine's device folder says nothing of made-up ports), or the platform's when it
/// is empty; and the update services that the ".env" text @p env names, none by default, so
/// that a test never reaches a developer's own service.
AppServices testServices(PortListModel::Enumerator ports = {}, const QByteArray& env = {});
/// The configuration of the ".env" text @p text, written to a private file and read as the
/// application reads its own.
EnvConfig envConfig(const QByteArray& text);

/// Points QSettings and the kept device library at a fresh folder of their
/// own and sets the application identity, so a test never reads or writes
/// the user's settings.
void isolateSettings();
/// isolateSettings(), and the program's texts in English: how the suites
/// that drive a controller begin.
void isolateSettingsInEnglish();
/// Forgets every setting and the kept device library.
void clearSettings();

/// The WCAG 2.1 contrast ratio of two colours (1 to 21); a translucent
/// @p foreground is laid over @p background first.
double contrastRatio(const QColor& foreground, const QColor& background);

/// From now until the end of the running test function, every warning of the
/// QML engine (a failed binding, a type error in a handler, a component that
/// cannot be made) fails it. Window tests call it from init().
void failOnQmlWarnings();

/// korvel-devsim as a child process, ended when the object goes. The first
/// line it prints is the path of the terminal end of its pseudo-terminal.
class Simulator
{
public:
    ~Simulator();

    /// Starts the simulator with --quiet and @p arguments; false (with a
    /// reason in error()) when it did not start or printed no path.
    bool start(const QStringList& arguments = {});

    QString path() const { return m_path; }
    QString error() const { return m_error; }
    QProcess& process() { return m_process; }

private:
    QProcess m_process;
    QString m_path;
    QString m_error;
};

/// Two linked pseudo-terminals made by socat: the application opens
/// devicePath()'s partner appPath(); the test plays the device on the other.
class SocatPair
{
public:
    SocatPair();
    ~SocatPair();

    /// False (with a reason in error()) when socat is missing or did not start.
    bool start();
    /// Ends socat, which the open side sees as an unplugged device.
    void stop();

    QString appPath() const { return m_dir.path() + QStringLiteral("/app"); }
    QString devicePath() const { return m_dir.path() + QStringLiteral("/device"); }
    QString error() const { return m_error; }

private:
    QTemporaryDir m_dir;
    QProcess m_socat;
    QString m_error;
};

} // namespace korveltest
