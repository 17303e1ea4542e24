#include "update/libraryupdatecoordinator.h"

#include "update/devicelibraryupdateclient.h"
#include "util/textbounds.h"
#include "util/versioncompare.h"

#include <QCoreApplication>

#include <utility>

// The texts keep the controller's translation context, where the catalogues have them from
// when the controller ran the update itself.

LibraryUpdateCoordinator::LibraryUpdateCoordinator(DeviceLibraryUpdateClient* client,
                                                   const QString& appVersion, Library library,
                                                   QObject* parent)
    : QObject(parent)
    , m_client(client)
    , m_appVersion(appVersion)
    , m_library(std::move(library))
{
    m_client->setParent(this);
    connect(m_client, &DeviceLibraryUpdateClient::checkFinished, this,
            &LibraryUpdateCoordinator::onCheckFinished);
    connect(m_client, &DeviceLibraryUpdateClient::fetchFinished, this,
            &LibraryUpdateCoordinator::onFetchFinished);
}

// The messages carry texts of the service and of the network layer (which quotes addresses):
// whatever they hold, the dialog gets no more than it can lay out at once.
void LibraryUpdateCoordinator::setState(const QString& state, const QString& message)
{
    m_state = state;
    m_message = TextBounds::cut(message, TextBounds::Notes);
    emit stateChanged();
}

void LibraryUpdateCoordinator::check()
{
    if (m_client->baseUrl().isEmpty()) {
        m_updateAvailable = false;
        setState(QStringLiteral("error"),
                 QCoreApplication::translate(
                     "AppController",
                     "No update server configured (.env) -- using the bundled command library "
                     "only."));
        return;
    }
    // What the last answer offered stays until this one comes.
    setState(QStringLiteral("checking"),
             QCoreApplication::translate("AppController", "Checking for updates…"));
    m_client->checkForUpdate(m_library.version());
}

void LibraryUpdateCoordinator::onCheckFinished(bool ok, bool updateAvailable,
                                               const QString& remoteVersion,
                                               const QString& minAppVersion, const QString& message,
                                               const QString& error)
{
    emit checkAnswered();
    m_remoteVersion = remoteVersion;
    const bool appTooOld =
        !minAppVersion.isEmpty() && VersionCompare::isLower(m_appVersion, minAppVersion);

    m_updateAvailable = false;
    if (!ok) {
        setState(QStringLiteral("error"), error);
    } else if (!updateAvailable) {
        setState(QStringLiteral("upToDate"),
                 QCoreApplication::translate("AppController", "Command library is up to date (%1).")
                     .arg(m_library.version()));
    } else if (appTooOld) {
        setState(QStringLiteral("error"),
                 QCoreApplication::translate(
                     "AppController",
                     "Version %1 is available, but requires app version %2 or later -- please "
                     "update the app first.")
                     .arg(remoteVersion, minAppVersion));
    } else {
        m_updateAvailable = true;
        setState(QStringLiteral("updateAvailable"),
                 message.isEmpty()
                     ? QCoreApplication::translate("AppController", "Version %1 is available.")
                           .arg(remoteVersion)
                     : message);
    }
}

void LibraryUpdateCoordinator::download()
{
    if (!m_updateAvailable) {
        return;
    }
    setState(QStringLiteral("downloading"),
             QCoreApplication::translate("AppController", "Downloading…"));
    m_client->fetchLatest();
}

void LibraryUpdateCoordinator::onFetchFinished(bool ok, const QString& version,
                                               const QByteArray& rawJson, const QString& error)
{
    // A refused document changes nothing but the message, and the download can be tried again.
    if (!ok) {
        setState(QStringLiteral("error"), error);
        return;
    }
    QString refusal;
    if (!m_library.apply(rawJson, &refusal)) {
        setState(
            QStringLiteral("error"),
            QCoreApplication::translate("AppController", "Downloaded data could not be applied: %1")
                .arg(refusal));
        return;
    }
    m_updateAvailable = false;
    setState(QStringLiteral("upToDate"),
             QCoreApplication::translate("AppController", "Updated to %1.").arg(version));
}
