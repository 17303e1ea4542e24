#pragma once

#include "library/librarycache.h"
#include "update/replyguard.h"

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

    /// What each request may take besides the silence timeout: the size of the answer and the
    /// time until it is complete.
    struct Limits
    {
        ReplyGuard::Limits check{64 * 1024, 30 * 1000};
        /// A library larger than the cache keeps is refused as it arrives.
        ReplyGuard::Limits fetch{LibraryCache::MaxBytes, 120 * 1000};
    };
    void setLimits(const Limits& limits) { m_limits = limits; }
    Limits limits() const { return m_limits; }

    /// What a "/version" answer says: the arguments of checkFinished.
    struct CheckAnswer
    {
        bool ok = false;
        bool updateAvailable = false;
        QString remoteVersion;
        QString minAppVersion;
        QString message;
        QString error;
    };
    /// What a "/latest" answer says: the arguments of fetchFinished.
    struct FetchAnswer
    {
        bool ok = false;
        QString version;
        QByteArray rawJson;
        QString error;
    };
    /// Reads the body of a "/version" answer that arrived without a transport error. Versions
    /// are cut to TextBounds::Caption characters, the notes and a service's message to
    /// TextBounds::Notes.
    static CheckAnswer readCheckAnswer(const QByteArray& body, const QString& currentVersion);
    /// Reads the body of a "/latest" answer that arrived without a transport error (its version
    /// cut as above);
    /// @p digestHeader is the answer's "X-Content-SHA256", empty when it had none.
    static FetchAnswer readFetchAnswer(const QByteArray& body, const QByteArray& digestHeader);

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
    QNetworkReply* get(const QString& path, const ReplyGuard::Limits& limits);
    void onCheckReply(QNetworkReply* reply, const QString& currentVersion);
    void onFetchReply(QNetworkReply* reply);

    QNetworkAccessManager* m_network;
    QString m_baseUrl;
    QString m_apiKey;
    Limits m_limits;
};
