// Batches: the running one (BatchRunner), how a step goes out, and the
// pass-through edits of the batch list.
#include "app/appcontroller.h"

#include "library/batchcommandmodel.h"
#include "library/batchrunner.h"
#include "serial/payloadcomposer.h"

bool AppController::batchRunning() const
{
    return m_batchRunner->running();
}

int AppController::runningBatchRow() const
{
    return m_batchRunner->row();
}

QString AppController::batchProgressText() const
{
    if (!batchRunning()) {
        return {};
    }
    return tr("%1 / %2").arg(m_batchRunner->stepsSent()).arg(m_batchRunner->batch().steps.size());
}

QString AppController::runningBatchName() const
{
    return m_batchRunner->batch().name;
}

void AppController::addBatchCommand(const QString& name, int intervalMs, const QVariantList& steps)
{
    m_batchModel->addBatchCommand(name, intervalMs, steps);
}

void AppController::updateBatchCommand(int row, const QString& name, int intervalMs,
                                       const QVariantList& steps)
{
    m_batchModel->updateBatchCommand(row, name, intervalMs, steps);
}

void AppController::removeBatchCommand(int row)
{
    if (row >= 0 && row < m_batchModel->rowCount()) {
        m_batchRunner->rowRemoved(row);
    }
    m_batchModel->removeBatchCommand(row);
}

QVariantList AppController::stepsForBatchRow(int row) const
{
    return m_batchModel->stepsForRow(row);
}

void AppController::startBatchCommand(int row)
{
    if (const BatchCommand* batch = m_batchModel->commandAt(row)) {
        m_batchRunner->start(*batch, row);
    }
}

void AppController::stopBatchCommand()
{
    m_batchRunner->stop();
}

void AppController::sendNextBatchStep()
{
    m_batchRunner->sendNextStep();
}

// A step goes out exactly as a manual send of the same text with the same
// hex and CRC choices would, but without touching the draft or the history.
// A step that cannot be sent (hex that is not hex, a port that does not take
// more) is logged as an error and the batch goes on with the next one.
void AppController::writeBatchStep(const BatchStep& step)
{
    const PayloadComposer::Composed composed =
        PayloadComposer::compose(step.text, step.isHex, step.crc, m_lineEnd);
    if (!composed.error.isEmpty()) {
        m_log.append(LogKind::ERR, composed.error.toUtf8());
        return;
    }
    writeComposed(composed);
}
