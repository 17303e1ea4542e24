// Batches: the running one (BatchRunner), how a step goes out, and the
// pass-through edits of the batch list.
#include "app/appcontroller.h"

#include "library/batchcommandmodel.h"
#include "library/batchrunner.h"

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
    QByteArray payload;
    QByteArray echo;
    if (step.isHex) {
        QString error;
        payload = composeHexPayload(step.text, step.crc, &error);
        if (payload.isEmpty()) {
            m_log.append(LogKind::ERR, error.toUtf8());
            return;
        }
        echo = payload.toHex(' ').toUpper();
    } else {
        payload = composeAsciiPayload(step.text, step.crc);
        const QByteArray utf8 = step.text.toUtf8();
        echo = utf8 + crcEchoSuffix(utf8, step.crc).toUtf8();
    }
    if (writePayload(payload, m_echoTx ? echo.size() : 0) && m_echoTx) {
        m_log.append(LogKind::TX, echo, sentLineEnd(step.text, step.isHex));
    }
}
