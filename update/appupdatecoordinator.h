#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

class SoftwareUpdateClient;

/// The application update as the dialog follows it: a check the user starts, then, for an
/// offer, the download of the package into a private folder of the temporary-files folder and
/// its installation (where this platform installs updates itself). States: "idle", "checking",
/// "updateAvailable", "upToDate", "downloading", "installing", "error", each with a message for
/// the dialog.
class AppUpdateCoordinator : public QObject
{
    Q_OBJECT

public:
    /// Takes @p client as a child; @p appVersion is the version running.
    AppUpdateCoordinator(SoftwareUpdateClient* client, const QString& appVersion,
                         QObject* parent = nullptr);

    QString state() const { return m_state; }
    QString message() const { return m_message; }
    QString remoteVersion() const { return m_remoteVersion; }
    bool updateAvailable() const { return m_updateAvailable; }
    /// The service marks the offered version as one the user must install.
    bool forced() const { return m_forced; }
    /// The share of the package downloaded, 0 to 1; 0 while its size is unknown.
    double progress() const { return m_progress; }

    /// Whether this platform installs a downloaded update itself (Windows);
    /// elsewhere an offer leads to the download page instead.
    static bool selfUpdateSupported();
    static QUrl downloadPageUrl();
    /// Where install() puts the package: "<temp>/KorvelSerialAssistant-update/update.zip".
    static QString downloadTarget();

    /// Asks the service; without a configured one, fails at once.
    void check();
    /// Downloads what the last check offered and installs it; nothing without an offer.
    void install();
    /// Stops a download; what arrived is discarded and the offer stands.
    void cancelDownload();
    /// Installs a downloaded package (checked against the offered digest).
    void installDownloaded(const QString& filePath);

signals:
    /// The state, the message or what the last check offered changed.
    void stateChanged();
    void progressChanged();

private:
    void onCheckFinished(bool ok, bool updateAvailable, bool appTooOld, const QString& version,
                         const QString& downloadUrl, qlonglong fileSize, const QString& changelog,
                         bool forceUpdate, const QString& minRequiredVersion, const QString& sha256,
                         const QString& error);
    void onDownloadProgress(qlonglong received, qlonglong total);
    void onDownloadFinished(bool ok, const QString& filePath, const QString& error);
    void setState(const QString& state, const QString& message);

    SoftwareUpdateClient* m_client;
    QString m_appVersion;
    QString m_state = QStringLiteral("idle");
    QString m_message;
    QString m_remoteVersion;
    bool m_updateAvailable = false;
    bool m_forced = false;
    double m_progress = 0.0;
    // What the last check offered, for the install step.
    QString m_offeredDownloadUrl;
    qlonglong m_offeredFileSize = 0;
    QString m_offeredSha256;
};
