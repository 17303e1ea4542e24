#include "support/updateserverprocess.h"

#include <QDeadlineTimer>
#include <QJsonDocument>

namespace korveltest {

UpdateServerProcess::~UpdateServerProcess()
{
    stop();
}

bool UpdateServerProcess::start(const QStringList& args)
{
    const QString program = qEnvironmentVariable("KORVEL_UPDATE_SERVER");
    if (program.isEmpty()) {
        m_error = QStringLiteral("KORVEL_UPDATE_SERVER is not set");
        return false;
    }
    m_process.start(program,
                    args + QStringList{QStringLiteral("--port"), QStringLiteral("0"),
                                       QStringLiteral("--lifetime"), QStringLiteral("120")});
    const QDeadlineTimer deadline(10000);
    while (!m_process.canReadLine() && m_process.state() != QProcess::NotRunning &&
           !deadline.hasExpired()) {
        m_process.waitForReadyRead(100);
    }
    bool ok = false;
    m_port = quint16(m_process.readLine().trimmed().toUInt(&ok));
    if (!ok || m_port == 0) {
        m_error =
            QStringLiteral("no port: ") + QString::fromLocal8Bit(m_process.readAllStandardError());
        return false;
    }
    return true;
}

void UpdateServerProcess::stop()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
}

QString UpdateServerProcess::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_port);
}

void UpdateServerProcess::readLog()
{
    m_pending += m_process.readAllStandardOutput();
    qsizetype end;
    while ((end = m_pending.indexOf('\n')) >= 0) {
        const QByteArray line = m_pending.left(end);
        m_pending.remove(0, end + 1);
        m_requests.append(QJsonDocument::fromJson(line).object());
    }
}

QList<QJsonObject> UpdateServerProcess::requests(int count, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    readLog();
    while (m_requests.size() < count && m_process.state() == QProcess::Running &&
           !deadline.hasExpired()) {
        m_process.waitForReadyRead(50);
        readLog();
    }
    return m_requests;
}

QString requestHeader(const QJsonObject& request, const QString& name)
{
    const QJsonValue value = request.value(QLatin1String("headers")).toObject().value(name);
    return value.isString() ? value.toString() : QString();
}

} // namespace korveltest
