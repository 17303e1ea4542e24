#include "update/appupdatecoordinator.h"

#include "update/selfupdateinstaller.h"
#include "update/softwareupdateclient.h"
#include "util/textbounds.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

// The texts keep the controller's translation context, where the catalogues have them from
// when the controller ran the update itself.

namespace {

const QString kChecking = QStringLiteral("checking");
const QString kUpdateAvailable = QStringLiteral("updateAvailable");
const QString kUpToDate = QStringLiteral("upToDate");
const QString kDownloading = QStringLiteral("downloading");
const QString kError = QStringLiteral("error");

QString downloadFolder()
{
    const QString temp = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    return temp.isEmpty() ? QString() : temp + QStringLiteral("/KorvelSerialAssistant-update");
}

// Where the temporary-files folder is shared between users (/tmp), somebody else may have made
// the download folder first and put a link named like the package in it, pointing at one of the
// user's files for the download to overwrite. Such a folder is refused; the user's own one is
// made private, and a link left in it is removed rather than followed.
QString unsafeDownloadFolder(const QString& folder, const QString& target)
{
    const QFileInfo info(folder);
    if (info.isSymLink()) {
        return QCoreApplication::translate(
                   "AppController", "The download folder %1 is a link; remove it and try again.")
            .arg(QDir::toNativeSeparators(folder));
    }
#ifdef Q_OS_UNIX
    if (info.exists() && info.ownerId() != uint(::geteuid())) {
        return QCoreApplication::translate(
                   "AppController",
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

AppUpdateCoordinator::AppUpdateCoordinator(SoftwareUpdateClient* client, const QString& appVersion,
                                           QObject* parent)
    : QObject(parent)
    , m_client(client)
    , m_appVersion(appVersion)
{
    m_client->setParent(this);
    connect(m_client, &SoftwareUpdateClient::checkFinished, this,
            &AppUpdateCoordinator::onCheckFinished);
    connect(m_client, &SoftwareUpdateClient::downloadProgress, this,
            &AppUpdateCoordinator::onDownloadProgress);
    connect(m_client, &SoftwareUpdateClient::downloadFinished, this,
            &AppUpdateCoordinator::onDownloadFinished);
}

bool AppUpdateCoordinator::selfUpdateSupported()
{
#ifdef Q_OS_WIN
    return true;
#else
    return false;
#endif
}

QUrl AppUpdateCoordinator::downloadPageUrl()
{
    return QUrl(QStringLiteral("https://korvel.example/download"));
}

QString AppUpdateCoordinator::downloadTarget()
{
    const QString folder = downloadFolder();
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/update.zip");
}

// The messages carry texts of the service and of the network layer (which quotes addresses):
// whatever they hold, the dialog gets no more than it can lay out at once.
void AppUpdateCoordinator::setState(const QString& state, const QString& message)
{
    m_state = state;
    m_message = TextBounds::cut(message, TextBounds::Notes);
    emit stateChanged();
}

void AppUpdateCoordinator::check()
{
    if (m_client->baseUrl().isEmpty()) {
        m_updateAvailable = false;
        setState(kError, QCoreApplication::translate("AppController",
                                                     "No update server configured (.env)."));
        return;
    }
    setState(kChecking, QCoreApplication::translate("AppController", "Checking for updates…"));
    m_client->checkForUpdate(m_appVersion);
}

void AppUpdateCoordinator::onCheckFinished(bool ok, bool updateAvailable, bool appTooOld,
                                           const QString& version, const QString& downloadUrl,
                                           qlonglong fileSize, const QString& changelog,
                                           bool forceUpdate, const QString& minRequiredVersion,
                                           const QString& sha256, const QString& error)
{
    // A failed check clears what an earlier one offered.
    m_remoteVersion = version;
    m_forced = forceUpdate;
    m_offeredDownloadUrl = downloadUrl;
    m_offeredFileSize = fileSize;
    m_offeredSha256 = sha256;

    m_updateAvailable = false;
    if (!ok) {
        setState(kError, error);
    } else if (!updateAvailable) {
        setState(kUpToDate,
                 QCoreApplication::translate("AppController", "You're on the latest version (%1).")
                     .arg(m_appVersion));
    } else if (appTooOld) {
        setState(kError,
                 QCoreApplication::translate(
                     "AppController", "Version %1 is available, but requires updating from "
                                      "version %2 or later first -- please reinstall the app "
                                      "before trying again.")
                     .arg(version, minRequiredVersion));
    } else {
        m_updateAvailable = true;
        setState(kUpdateAvailable,
                 changelog.isEmpty()
                     ? QCoreApplication::translate("AppController", "Version %1 is available.")
                           .arg(version)
                     : changelog);
    }
}

void AppUpdateCoordinator::install()
{
    if (!m_updateAvailable) {
        return;
    }
    const QString folder = downloadFolder();
    const QString target = downloadTarget();
    QString unsafe;
    if (folder.isEmpty()) {
        unsafe = QCoreApplication::translate(
            "AppController", "No temporary-files folder is available for the download.");
    } else {
        QDir().mkpath(folder);
        unsafe = unsafeDownloadFolder(folder, target);
    }
    if (!unsafe.isEmpty()) {
        setState(kError, unsafe);
        return;
    }

    m_progress = 0.0;
    setState(kDownloading, QCoreApplication::translate("AppController", "Downloading update…"));
    emit progressChanged();
    m_client->download(m_offeredDownloadUrl, target, m_offeredFileSize);
}

void AppUpdateCoordinator::onDownloadProgress(qlonglong received, qlonglong total)
{
    // An unknown size shows no progress rather than a guess.
    const double progress = total >= 1 ? qBound(0.0, double(received) / double(total), 1.0) : 0.0;
    if (progress == m_progress) {
        return;
    }
    m_progress = progress;
    emit progressChanged();
}

void AppUpdateCoordinator::cancelDownload()
{
    m_client->cancelDownload();
    if (m_state == kDownloading) {
        setState(kUpdateAvailable,
                 QCoreApplication::translate("AppController", "Download cancelled."));
    }
}

void AppUpdateCoordinator::onDownloadFinished(bool ok, const QString& filePath,
                                              const QString& error)
{
    if (!ok) {
        setState(kError, error);
        return;
    }
    installDownloaded(filePath);
}

void AppUpdateCoordinator::installDownloaded(const QString& filePath)
{
#ifdef Q_OS_WIN
    // Unpacking blocks for a while; the dialog says what is going on meanwhile.
    setState(
        QStringLiteral("installing"),
        QCoreApplication::translate("AppController", "Installing update %1…").arg(m_remoteVersion));
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
        setState(kError, error);
    }
#else
    // The downloaded file stays where it is, for the user to install by hand.
    Q_UNUSED(filePath)
    setState(kError, QCoreApplication::translate(
                         "AppController", "Self-update isn't supported on this platform yet -- "
                                          "please download the new version manually."));
#endif
}
