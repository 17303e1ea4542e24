// Batch execution: named batches of steps sent one after another on a timer,
// and the pass-through edits of the batch list.
#include "app/appcontroller.h"

#include "library/batchcommandmodel.h"

#include <QTimer>

#include <algorithm>

bool AppController::batchRunning() const
{
    return m_runningBatchRow >= 0;
}

QString AppController::batchProgressText() const
{
    if (!batchRunning()) {
        return {};
    }
    return tr("%1 / %2").arg(m_batchStepIndex).arg(m_runningBatch.steps.size());
}

QString AppController::runningBatchName() const
{
    return batchRunning() ? m_runningBatch.name : QString();
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
    if (row == m_runningBatchRow) {
        stopBatchCommand();
    } else if (batchRunning() && row >= 0 && row < m_runningBatchRow &&
               row < m_batchModel->rowCount()) {
        // The running batch moves up one row; keep pointing at it.
        --m_runningBatchRow;
        emit batchStateChanged();
    }
    m_batchModel->removeBatchCommand(row);
}

QVariantList AppController::stepsForBatchRow(int row) const
{
    return m_batchModel->stepsForRow(row);
}

void AppController::startBatchCommand(int row)
{
    const BatchCommand* batch = m_batchModel->commandAt(row);
    if (!batch || batch->steps.isEmpty()) {
        return;
    }
    if (!m_serial.isOpen()) {
        m_log.append(LogKind::ERR,
                     tr("Port is not open \u2014 click \"Open port\" first.").toUtf8());
        return;
    }
    const BatchCommand copy = *batch; // stopping may log; keep the record safe
    stopBatchCommand();
    m_runningBatch = copy;
    m_batchStepIndex = 0;
    m_runningBatchRow = row;
    m_log.append(LogKind::SYS, tr("Batch \"%1\" started \u2014 %2 step(s).")
                                   .arg(m_runningBatch.name)
                                   .arg(m_runningBatch.steps.size())
                                   .toUtf8());
    emit batchStateChanged();

    sendNextBatchStep();
    if (batchRunning()) {
        m_batchTimer->start(std::max(0, m_runningBatch.intervalMs));
    }
}

void AppController::stopBatchCommand()
{
    if (!batchRunning()) {
        return;
    }
    if (m_batchStepIndex < m_runningBatch.steps.size()) {
        m_log.append(LogKind::SYS, tr("Batch \"%1\" stopped.").arg(m_runningBatch.name).toUtf8());
    }
    m_batchTimer->stop();
    m_batchAwaitingDrain = false;
    m_runningBatchRow = -1;
    m_batchStepIndex = 0;
    m_runningBatch = BatchCommand{};
    emit batchStateChanged();
}

void AppController::sendNextBatchStep()
{
    if (!batchRunning() || m_batchStepIndex >= m_runningBatch.steps.size()) {
        stopBatchCommand();
        return;
    }
    if (!m_serial.isOpen()) {
        stopBatchCommand();
        return;
    }
    writeBatchStep(m_runningBatch.steps.at(m_batchStepIndex));
    ++m_batchStepIndex;
    emit batchStateChanged();
    if (m_batchStepIndex < m_runningBatch.steps.size()) {
        return;
    }
    m_log.append(LogKind::SYS, tr("Batch \"%1\" finished.").arg(m_runningBatch.name).toUtf8());
    stopBatchCommand();
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

// The step timer's tick. Like the repeat send, a tick that finds earlier
// bytes still waiting to go out sends nothing: the timer rests until the port
// reports them gone, so a short interval (0 fires on every pass of the event
// loop) never queues steps faster than the line drains them.
void AppController::onBatchTick()
{
    if (m_serial.bytesToWrite() > 0) {
        m_batchTimer->stop();
        m_batchAwaitingDrain = true;
        return;
    }
    sendNextBatchStep();
}
