#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>

class DeviceLibraryUpdateClient;

/// The device library update as the dialog follows it: a check the user starts, then, when it
/// offers a version this application may use, the download, which the library puts in use.
/// States: "idle", "checking", "updateAvailable", "upToDate", "downloading", "error", each with
/// a message for the dialog.
class LibraryUpdateCoordinator : public QObject
{
    Q_OBJECT

public:
    /// What the coordinator asks of the library it keeps up to date.
    struct Library
    {
        /// The version in use, which the service compares its own with.
        std::function<QString()> version;
        /// Puts a downloaded document in use; false with the reason when it is refused, and
        /// then the library stays as it was.
        std::function<bool(const QByteArray& document, QString* error)> apply;
    };

    /// Takes @p client as a child. @p appVersion is the version of this application that a
    /// library may require.
    LibraryUpdateCoordinator(DeviceLibraryUpdateClient* client, const QString& appVersion,
                             Library library, QObject* parent = nullptr);

    QString state() const { return m_state; }
    QString message() const { return m_message; }
    /// What the last answer offered; empty before one came.
    QString remoteVersion() const { return m_remoteVersion; }
    /// Whether download() would fetch an offered version.
    bool updateAvailable() const { return m_updateAvailable; }

    /// Asks the service; without a configured one, fails at once.
    void check();
    /// Fetches and applies what the last check offered; nothing without an offer.
    void download();

signals:
    /// The state, the message, the offer or its version changed.
    void stateChanged();
    /// The service answered a check (either way), for the time of the last check.
    void checkAnswered();

private:
    void onCheckFinished(bool ok, bool updateAvailable, const QString& remoteVersion,
                         const QString& minAppVersion, const QString& message,
                         const QString& error);
    void onFetchFinished(bool ok, const QString& version, const QByteArray& rawJson,
                         const QString& error);
    void setState(const QString& state, const QString& message);

    DeviceLibraryUpdateClient* m_client;
    QString m_appVersion;
    Library m_library;
    QString m_state = QStringLiteral("idle");
    QString m_message;
    QString m_remoteVersion;
    bool m_updateAvailable = false;
};
