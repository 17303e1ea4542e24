// Batch execution: named batches of steps sent on a timer.
#include "app/appcontroller.h"

#include <QTimer>

bool AppController::batchRunning() const
{
    return m_runningBatchRow >= 0;
}

QString AppController::batchProgressText() const
{
    return {};
}

void AppController::addBatchCommand(const QString&, int, const QVariantList&) {}

void AppController::updateBatchCommand(int, const QString&, int, const QVariantList&) {}

void AppController::removeBatchCommand(int) {}

QVariantList AppController::stepsForBatchRow(int) const
{
    return {};
}

void AppController::startBatchCommand(int) {}

void AppController::stopBatchCommand()
{
    if (!batchRunning()) {
        return;
    }
    m_batchTimer->stop();
    m_runningBatch = {};
    m_batchStepIndex = 0;
    m_runningBatchRow = -1;
    emit batchStateChanged();
}

void AppController::sendNextBatchStep() {}
