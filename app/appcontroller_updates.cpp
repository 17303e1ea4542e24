// Update orchestration and saving the log. No update service is configured
// in this build yet, so the states stay "idle".
#include "app/appcontroller.h"

void AppController::checkForLibraryUpdate() {}

void AppController::downloadLibraryUpdate() {}

void AppController::checkForAppUpdate() {}

void AppController::installAppUpdate() {}

void AppController::cancelAppUpdateDownload() {}

void AppController::applyDownloadedAppUpdate(const QString&) {}

QString AppController::suggestedLogBaseName() const
{
    return {};
}

QString AppController::suggestedLogDirectory() const
{
    return {};
}

QString AppController::saveLog(const QString&, const QString&, const QString&, bool)
{
    return tr("Saving the log is not available in this version.");
}
