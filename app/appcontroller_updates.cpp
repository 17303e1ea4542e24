// Updates: the device library and the application itself, each a small state machine
// (update/libraryupdatecoordinator, update/appupdatecoordinator) the dialogs bind to through
// the controller. The user starts every check; nothing runs on a timer.
#include "app/appcontroller.h"

#include "library/commandlistmodel.h"
#include "library/librarycache.h"
#include "settings/envconfig.h"
#include "update/devicelibraryupdateclient.h"
#include "update/softwareupdateclient.h"

#include <QDateTime>

void AppController::createUpdateClients()
{
    const EnvConfig& env = m_env;
    auto* libraryClient = new DeviceLibraryUpdateClient(
        env.value(QStringLiteral("DEVICE_LIBRARY_API_BASE_URL"), QString()),
        env.value(QStringLiteral("DEVICE_LIBRARY_API_KEY"), QString()));
    m_libraryUpdates =
        new LibraryUpdateCoordinator(libraryClient, appVersion(),
                                     {[this] { return libraryVersion(); },
                                      [this](const QByteArray& document, QString* error) {
                                          return applyLibraryUpdate(document, error);
                                      }},
                                     this);
    connect(m_libraryUpdates, &LibraryUpdateCoordinator::stateChanged, this,
            &AppController::libraryUpdateStateChanged);
    connect(m_libraryUpdates, &LibraryUpdateCoordinator::checkAnswered, this,
            [this] { m_settings.setLastLibraryCheckAt(QDateTime::currentDateTimeUtc()); });

    auto* appClient =
        new SoftwareUpdateClient(env.value(QStringLiteral("APP_UPDATE_API_BASE_URL"), QString()),
                                 env.value(QStringLiteral("APP_UPDATE_API_KEY"), QString()));
    m_appUpdates = new AppUpdateCoordinator(appClient, appVersion(), this);
    connect(m_appUpdates, &AppUpdateCoordinator::stateChanged, this,
            &AppController::appUpdateStateChanged);
    connect(m_appUpdates, &AppUpdateCoordinator::progressChanged, this,
            &AppController::appUpdateProgressChanged);
}

void AppController::checkForLibraryUpdate()
{
    m_libraryUpdates->check();
}

void AppController::downloadLibraryUpdate()
{
    m_libraryUpdates->download();
}

bool AppController::applyLibraryUpdate(const QByteArray& document, QString* error)
{
    // The loader keeps the previous library when it rejects the document.
    const QString shownBefore = currentModelDescription();
    if (!m_library.loadFromJsonText(document)) {
        *error = m_library.lastError();
        return false;
    }
    QString cacheError;
    if (!LibraryCache().store(document, &cacheError)) {
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
    return true;
}

void AppController::checkForAppUpdate()
{
    m_appUpdates->check();
}

void AppController::installAppUpdate()
{
    m_appUpdates->install();
}

void AppController::cancelAppUpdateDownload()
{
    m_appUpdates->cancelDownload();
}
