#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace korveltest {

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
