#pragma once

#include "update/replyguard.h"

#include <QObject>
#include <QString>

class QFileDevice;
class QSaveFile;
class QNetworkAccessManager;
class QNetworkReply;

/// Talks to the application update service: asks which release of this application is current
/// ("/software/list") and downloads a release package to a file. It compares the versions
/// (is the release newer, is the installed version too old to update to it) and reports the
/// offered SHA-256 digest; what to do with the answer and the file is the caller's business.
/// Checks may overlap; at most one download runs, and a new one replaces the current one.
class SoftwareUpdateClient : public QObject
{
    Q_OBJECT

public:
    /// @p baseUrl may carry a path prefix; trailing "/" characters are dropped. An empty
    /// @p baseUrl means that no service is configured.
    SoftwareUpdateClient(const QString& baseUrl, const QString& apiKey, QObject* parent = nullptr);

    QString baseUrl() const { return m_baseUrl; }

    /// What each request may take besides the check's silence timeout.
    struct Limits
    {
        ReplyGuard::Limits check{1024 * 1024, 30 * 1000};
        /// A download fails when it has not finished within the hour or when less than a
        /// kilobyte arrives within half a minute.
        ReplyGuard::Limits download{0, 60 * 60 * 1000, 30 * 1000, 1024};
        /// The largest package taken when the service announces no size.
        qint64 maxPackageBytes = qint64(1) << 30;
    };
    void setLimits(const Limits& limits) { m_limits = limits; }
    Limits limits() const { return m_limits; }

    /// What a "/software/list" answer says: the arguments of checkFinished.
    struct CheckAnswer
    {
        bool ok = false;
        bool updateAvailable = false;
        bool appTooOld = false;
        QString version;
        QString downloadUrl;
        qlonglong fileSize = 0;
        QString changelog;
        bool forceUpdate = false;
        QString minRequiredVersion;
        QString sha256;
        QString error;
    };
    /// Reads the body of a "/software/list" answer that arrived without a transport error.
    /// Versions and the digest are cut to TextBounds::Caption characters, the notes and a
    /// service's message to TextBounds::Notes; the package address is kept whole.
    static CheckAnswer readCheckAnswer(const QByteArray& body, const QString& currentVersion);

    /// Answers with checkFinished exactly once.
    void checkForUpdate(const QString& currentVersion);
    /// Downloads @p url (as given, without the API key; only http and https) into
    /// @p destinationPath, which holds the package only once it arrived whole (a file there
    /// before stays as it was until then). Answers with downloadFinished once, unless the download
    /// is cancelled or replaced first. With an @p expectedSize above 0 (the size the service
    /// announced) the package must have exactly that size, and fails as soon as it grows past it.
    void download(const QString& url, const QString& destinationPath, qint64 expectedSize = 0);
    /// Stops the current download; it answers nothing, and what it had fetched is discarded.
    void cancelDownload();

signals:
    void checkFinished(bool ok, bool updateAvailable, bool appTooOld, const QString& version,
                       const QString& downloadUrl, qlonglong fileSize, const QString& changelog,
                       bool forceUpdate, const QString& minRequiredVersion, const QString& sha256,
                       const QString& error);
    /// @p total is -1 while the size is unknown.
    void downloadProgress(qlonglong received, qlonglong total);
    void downloadFinished(bool ok, const QString& filePath, const QString& error);

private:
    void fail(const QString& error);
    void report(const CheckAnswer& answer);
    void onCheckReply(QNetworkReply* reply, const QString& currentVersion);
    void forgetCurrentTransfer();
    bool writeAvailable(QNetworkReply* reply, QSaveFile* file);
    /// The reason to stop a download that has brought @p size bytes so far, or that announces
    /// that size; empty while it may go on.
    QString sizeProblem(qint64 size) const;
    void onDownloadFinished(QNetworkReply* reply, QSaveFile* file, const QString& destinationPath);
    static QString cannotWrite(const QFileDevice& file);

    QNetworkAccessManager* m_network;
    QString m_baseUrl;
    QString m_apiKey;
    // The current download; its output file (a child of this object) travels with its handlers.
    QNetworkReply* m_reply = nullptr;
    QString m_writeError;
    qint64 m_received = 0;
    qint64 m_expectedSize = 0;
    Limits m_limits;
};
