// Update orchestration. No update service is configured
// in this build yet, so the states stay "idle".
#include "app/appcontroller.h"

void AppController::checkForLibraryUpdate() {}

void AppController::downloadLibraryUpdate() {}

void AppController::checkForAppUpdate() {}

void AppController::installAppUpdate() {}

void AppController::cancelAppUpdateDownload() {}

void AppController::applyDownloadedAppUpdate(const QString&) {}
