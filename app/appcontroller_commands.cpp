// Command actions: the device model choice, loading library commands and the
// user's templates into the draft. The device library is not loaded yet, so
// these report the empty library.
#include "app/appcontroller.h"

#include "library/commandlistmodel.h"

QString AppController::currentModelId() const
{
    return m_commandModel->modelId();
}

void AppController::setCurrentModelId(const QString& id)
{
    if (id == m_commandModel->modelId()) {
        return;
    }
    m_commandModel->setModelId(id);
    m_settings.setLastModelId(id);
    emit currentModelChanged();
}

QString AppController::currentModelDescription() const
{
    return {};
}

QStringList AppController::modelIds() const
{
    return {};
}

QString AppController::libraryVersion() const
{
    return {};
}

int AppController::modelCount() const
{
    return 0;
}

int AppController::commandCount() const
{
    return 0;
}

void AppController::loadCommandIntoDraft(int) {}

QString AppController::commandNameForRow(int) const
{
    return {};
}

QVariantList AppController::paramsForRow(int) const
{
    return {};
}

QString AppController::previewCommand(int, const QVariantMap&) const
{
    return {};
}

void AppController::loadCommandWithParamsIntoDraft(int, const QVariantMap&) {}

void AppController::addCustomTemplate(const QString&, const QString&) {}

void AppController::updateCustomTemplate(int, const QString&, const QString&) {}

void AppController::removeCustomTemplate(int) {}

void AppController::moveCommandRow(int, int) {}

QVariantMap AppController::serialDefaultsForModel(const QString&) const
{
    return {};
}
