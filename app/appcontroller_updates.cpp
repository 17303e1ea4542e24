// Update orchestration: the device library (check, then download and apply) and the application
// itself (check, download, install) as two small state machines the dialogs bind to. The user
// starts every check; nothing runs on a timer.
#include "app/appcontroller.h"

#include "library/commandlistmodel.h"
#include "library/librarycache.h"
#include "settings/envconfig.h"
#include "update/devicelibraryupdateclient.h"
#include "update/selfupdateinstaller.h"
#include "update/softwareupdateclient.h"
#include "util/textbounds.h"
#include "util/versioncompare.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

const QString kChecking = QStringLiteral("checking");
const QString kUpdateAvailable = QStringLiteral("updateAvailable");
const QString kUpToDate = QStringLiteral("upToDate");
const QString kDownloading = QStringLiteral("downloading");
const QString kError = QStringLiteral("error");

// Where the temporary-files folder is shared between users (/tmp), somebody else may have made
// the download folder first and put a link named like the package in it, pointing at one of the
// user's files for the download to overwrite. Such a folder is refused; the user's own one is
// made private, and a link left in it is removed rather than followed.
QString unsafeDownloadFolder(const QString& folder, const QString& target)
{
    const QFileInfo info(folder);
    if (info.isSymLink()) {
        return AppController::tr("The download folder %1 is a link; remove it and try again.")
            .arg(QDir::toNativeSeparators(folder));
    }
#ifdef Q_OS_UNIX
    if (info.exists() && info.ownerId() != uint(::geteuid())) {
        return AppController::tr(
                   "The download folder %1 belongs to another user; remove it and try again.")
            .arg(QDir::toNativeSeparators(folder));
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
#endif
    if (QFileInfo(target).isSymLink()) {
        QFile::remove(target);
    }
    return {};
}

} // namespace

void AppController::createUpdateClients()
{
    const EnvConfig& env = m_env;
    m_libraryUpdater = new DeviceLibraryUpdateClient(
        env.value(QStringLiteral("DEVICE_LIBRARY_API_BASE_URL"), QString()),
        env.value(QStringLiteral("DEVICE_LIBRARY_API_KEY"), QString()), this);
    connect(m_libraryUpdater, &DeviceLibraryUpdateClient::checkFinished, this,
            &AppController::onLibraryCheckFinished);
    connect(m_libraryUpdater, &DeviceLibraryUpdateClient::fetchFinished, this,
            &AppController::onLibraryFetchFinished);

    m_appUpdater =
        new SoftwareUpdateClient(env.value(QStringLiteral("APP_UPDATE_API_BASE_URL"), QString()),
                                 env.value(QStringLiteral("APP_UPDATE_API_KEY"), QString()), this);
    connect(m_appUpdater, &SoftwareUpdateClient::checkFinished, this,
            &AppController::onAppCheckFinished);
    connect(m_appUpdater, &SoftwareUpdateClient::downloadProgress, this,
            &AppController::onAppDownloadProgress);
    connect(m_appUpdater, &SoftwareUpdateClient::downloadFinished, this,
            &AppController::onAppDownloadFinished);
}

// The messages carry texts of the services and of the network layer (which quotes addresses):
// whatever they hold, the dialogs get no more than they can lay out at once.
void AppController::setLibraryUpdateState(const QString& state, const QString& message)
{
    m_libraryUpdateState = state;
    m_libraryUpdateMessage = TextBounds::cut(message, TextBounds::Notes);
    emit libraryUpdateStateChanged();
}

void AppController::setAppUpdateState(const QString& state, const QString& message)
{
    m_appUpdateState = state;
    m_appUpdateMessage = TextBounds::cut(message, TextBounds::Notes);
    emit appUpdateStateChanged();
}

// ---------------------------------------------------------------------------
// Device library
// ---------------------------------------------------------------------------

void AppController::checkForLibraryUpdate()
{
    if (m_libraryUpdater->baseUrl().isEmpty()) {
        m_libraryUpdateAvailable = false;
        setLibraryUpdateState(
            kError, tr("No update server configured (.env) -- using the bundled command library "
                       "only."));
        return;
    }
    // What the last answer offered stays until this one comes.
    setLibraryUpdateState(kChecking, tr("Checking for updates…"));
    m_libraryUpdater->checkForUpdate(libraryVersion());
}

void AppController::onLibraryCheckFinished(bool ok, bool updateAvailable,
                                           const QString& remoteVersion,
                                           const QString& minAppVersion, const QString& message,
                                           const QString& error)
{
    m_settings.setLastLibraryCheckAt(QDateTime::currentDateTimeUtc());
    m_remoteLibraryVersion = remoteVersion;
    const bool appTooOld =
        !minAppVersion.isEmpty() && VersionCompare::isLower(appVersion(), minAppVersion);

    m_libraryUpdateAvailable = false;
    if (!ok) {
        setLibraryUpdateState(kError, error);
    } else if (!updateAvailable) {
        setLibraryUpdateState(kUpToDate,
                              tr("Command library is up to date (%1).").arg(libraryVersion()));
    } else if (appTooOld) {
        setLibraryUpdateState(kError, tr("Version %1 is available, but requires app version %2 or "
                                         "later -- please update the app first.")
                                          .arg(remoteVersion, minAppVersion));
    } else {
        m_libraryUpdateAvailable = true;
        setLibraryUpdateState(kUpdateAvailable,
                              message.isEmpty() ? tr("Version %1 is available.").arg(remoteVersion)
                                                : message);
    }
}

void AppController::downloadLibraryUpdate()
{
    if (!m_libraryUpdateAvailable) {
        return;
    }
    setLibraryUpdateState(kDownloading, tr("Downloading…"));
    m_libraryUpdater->fetchLatest();
}

void AppController::onLibraryFetchFinished(bool ok, const QString& version,
                                           const QByteArray& rawJson, const QString& error)
{
    // The loader keeps the previous library when it rejects the document, so a failure here
    // changes nothing but the message, and the download can be tried again.
    const QString shownBefore = currentModelDescription();
    if (!ok || !m_library.loadFromJsonText(rawJson)) {
        setLibraryUpdateState(
            kError,
            !error.isEmpty()
                ? error
                : tr("Downloaded data could not be applied: %1").arg(m_library.lastError()));
        return;
    }

    QString cacheError;
    if (!LibraryCache().store(rawJson, &cacheError)) {
        m_log.append(LogKind::ERR, tr("The new command library is in use, but it could not be "
                                      "kept for the next start: %1")
                                       .arg(cacheError)
                                       .toUtf8());
    }
    m_commandModel->rebuild();
    emit libraryChanged();
    // A model id that the new library lacks is kept (the lookup shows the library's first model
    // instead); only a library without any model clears it.
    const QString modelId = m_commandModel->modelId();
    if (!m_library.model(modelId)) {
        setCurrentModelId(QString());
    }
    // The description comes from the library too; the shown model may be another one now.
    if (m_commandModel->modelId() == modelId && currentModelDescription() != shownBefore) {
        emit currentModelChanged();
    }

    m_libraryUpdateAvailable = false;
    setLibraryUpdateState(kUpToDate, tr("Updated to %1.").arg(version));
}

// ---------------------------------------------------------------------------
// Application
// ---------------------------------------------------------------------------

bool AppController::selfUpdateSupported() const
{
#ifdef Q_OS_WIN
    return true;
#else
    return false;
#endif
}

QUrl AppController::downloadPageUrl() const
{
    return QUrl(QStringLiteral("https://korvel.example/download"));
}

void AppController::checkForAppUpdate()
{
    if (m_appUpdater->baseUrl().isEmpty()) {
        m_appUpdateAvailable = false;
        setAppUpdateState(kError, tr("No update server configured (.env)."));
        return;
    }
    setAppUpdateState(kChecking, tr("Checking for updates…"));
    m_appUpdater->checkForUpdate(appVersion());
}

void AppController::onAppCheckFinished(bool ok, bool updateAvailable, bool appTooOld,
                                       const QString& version, const QString& downloadUrl,
                                       qlonglong fileSize, const QString& changelog,
                                       bool forceUpdate, const QString& minRequiredVersion,
                                       const QString& sha256, const QString& error)
{
    // A failed check clears what an earlier one offered.
    m_remoteAppVersion = version;
    m_appUpdateForced = forceUpdate;
    m_offeredDownloadUrl = downloadUrl;
    m_offeredFileSize = fileSize;
    m_offeredSha256 = sha256;
    m_offeredVersion = version;

    m_appUpdateAvailable = false;
    if (!ok) {
        setAppUpdateState(kError, error);
    } else if (!updateAvailable) {
        setAppUpdateState(kUpToDate, tr("You're on the latest version (%1).").arg(appVersion()));
    } else if (appTooOld) {
        setAppUpdateState(kError, tr("Version %1 is available, but requires updating from "
                                     "version %2 or later first -- please reinstall the app "
                                     "before trying again.")
                                      .arg(version, minRequiredVersion));
    } else {
        m_appUpdateAvailable = true;
        setAppUpdateState(kUpdateAvailable, changelog.isEmpty()
                                                ? tr("Version %1 is available.").arg(version)
                                                : changelog);
    }
}

void AppController::installAppUpdate()
{
    if (!m_appUpdateAvailable) {
        return;
    }
    const QString temp = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    const QString folder = temp + QStringLiteral("/KorvelSerialAssistant-update");
    const QString target = folder + QStringLiteral("/update.zip");
    QDir().mkpath(folder);
    const QString unsafe = temp.isEmpty()
                               ? tr("No temporary-files folder is available for the download.")
                               : unsafeDownloadFolder(folder, target);
    if (!unsafe.isEmpty()) {
        setAppUpdateState(kError, unsafe);
        return;
    }

    m_appUpdateProgress = 0.0;
    setAppUpdateState(kDownloading, tr("Downloading update…"));
    emit appUpdateProgressChanged();
    m_appUpdater->download(m_offeredDownloadUrl, target, m_offeredFileSize);
}

void AppController::onAppDownloadProgress(qlonglong received, qlonglong total)
{
    // An unknown size shows no progress rather than a guess.
    const double progress = total >= 1 ? qBound(0.0, double(received) / double(total), 1.0) : 0.0;
    if (progress == m_appUpdateProgress) {
        return;
    }
    m_appUpdateProgress = progress;
    emit appUpdateProgressChanged();
}

void AppController::cancelAppUpdateDownload()
{
    m_appUpdater->cancelDownload();
    if (m_appUpdateState == kDownloading) {
        setAppUpdateState(kUpdateAvailable, tr("Download cancelled."));
    }
}

void AppController::onAppDownloadFinished(bool ok, const QString& filePath, const QString& error)
{
    if (!ok) {
        setAppUpdateState(kError, error);
        return;
    }
    applyDownloadedAppUpdate(filePath);
}

void AppController::applyDownloadedAppUpdate(const QString& filePath)
{
#ifdef Q_OS_WIN
    // Unpacking blocks for a while; the dialog says what is going on meanwhile.
    setAppUpdateState(QStringLiteral("installing"),
                      tr("Installing update %1…").arg(m_offeredVersion));
    SelfUpdateInstaller::Target target;
    target.executablePath = QCoreApplication::applicationFilePath();
    target.pid = QCoreApplication::applicationPid();
    target.launch = [](const QString& script) {
        return SelfUpdateInstaller::launchDetached(script);
    };
    target.quit = [] {
        QCoreApplication::quit();
    };
    QString error;
    if (!SelfUpdateInstaller::install(filePath, m_offeredSha256, target, &error)) {
        setAppUpdateState(kError, error);
    }
#else
    // The downloaded file stays where it is, for the user to install by hand.
    Q_UNUSED(filePath)
    setAppUpdateState(kError, tr("Self-update isn't supported on this platform yet -- please "
                                 "download the new version manually."));
#endif
}
