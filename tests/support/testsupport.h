#pragma once

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QSerialPort>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class AppController;
class LogManager;

namespace korveltest {

/// "KIND:text" per log entry, so whole logs compare in one line.
QStringList describe(const LogManager& log);
/// The payloads of the RX entries, oldest first.
QList<QByteArray> rxLines(const LogManager& log);
/// The SYS entry an open logs, as describe() writes it.
QString opened(const QString& port, const QString& summary = QStringLiteral("115200 8-N-1"));
/// Opens @p port at 115200 8-N-1 without flow control.
bool openDefault(AppController& controller, const QString& port);

/// The test's end of the line: a second QSerialPort on the device side that
/// gathers everything it receives.
struct Device
{
    explicit Device(const QString& path);
    QSerialPort port;
    QByteArray received;
};

/// Points QSettings at a fresh folder of its own and sets the application
/// identity, so a test never reads or writes the user's settings.
void isolateSettings();

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
