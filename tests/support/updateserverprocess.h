#pragma once

#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace korveltest {

/// One korvel-update-server on 127.0.0.1 at a free port, ended when this object goes. It runs
/// for two minutes at most in any case.
class UpdateServerProcess
{
public:
    ~UpdateServerProcess();

    /// False (with a reason in error()) when the server did not start or print its port.
    bool start(const QStringList& args);
    void stop();

    quint16 port() const { return m_port; }
    /// "http://127.0.0.1:PORT".
    QString baseUrl() const;
    QString error() const { return m_error; }

    /// The requests logged so far, after waiting up to @p timeoutMs for at least @p count.
    QList<QJsonObject> requests(int count = 0, int timeoutMs = 5000);

private:
    void readLog();

    QProcess m_process;
    quint16 m_port = 0;
    QString m_error;
    QByteArray m_pending;
    QList<QJsonObject> m_requests;
};

/// The value of header @p name (lower case) in a logged request, or a null string.
QString requestHeader(const QJsonObject& request, const QString& name);

} // namespace korveltest
