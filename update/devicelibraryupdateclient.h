#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;

/// Talks to the device library update service: asks which library version is current
/// ("/version") and downloads the latest library document ("/latest"). It only transports and
/// checks the answers; loading and caching a downloaded library is the caller's business.
/// Every call is answered by exactly one signal; calls may overlap freely.
class DeviceLibraryUpdateClient : public QObject
{
    Q_OBJECT

public:
    /// @p baseUrl may carry a path prefix; trailing "/" characters are dropped. An empty
    /// @p baseUrl means that no service is configured.
    DeviceLibraryUpdateClient(const QString& baseUrl, const QString& apiKey,
                              QObject* parent = nullptr);

    QString baseUrl() const { return m_baseUrl; }

    /// Answers with checkFinished; updateAvailable is true when the service offers a version
    /// that differs from @p currentVersion (older ones included).
    void checkForUpdate(const QString& currentVersion);
    /// Answers with fetchFinished. When the answer carries "X-Content-SHA256" the body must
    /// match it before anything else is looked at.
    void fetchLatest();

signals:
    void checkFinished(bool ok, bool updateAvailable, const QString& remoteVersion,
                       const QString& minAppVersion, const QString& message, const QString& error);
    void fetchFinished(bool ok, const QString& version, const QByteArray& rawJson,
                       const QString& error);

private:
    QNetworkReply* get(const QString& path);
    void onCheckReply(QNetworkReply* reply, const QString& currentVersion);
    void onFetchReply(QNetworkReply* reply);

    QNetworkAccessManager* m_network;
    QString m_baseUrl;
    QString m_apiKey;
};
