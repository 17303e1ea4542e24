#include "library/batchrunner.h"

#include "log/logmanager.h"
#include "serial/serialmanager.h"

#include <QCoreApplication>

#include <algorithm>
#include <utility>

BatchRunner::BatchRunner(SerialManager* serial, LogManager* log, StepWriter writeStep,
                         QObject* parent)
    : QObject(parent)
    , m_serial(serial)
    , m_log(log)
    , m_writeStep(std::move(writeStep))
    , m_wait(log)
{
    connect(&m_timer, &QTimer::timeout, this, &BatchRunner::onTick);
    connect(&m_wait, &ReplyWait::finished, this, &BatchRunner::onReplyWaitFinished);
    // A port that closes ends a wait at once, rather than when its time runs out.
    connect(m_serial, &SerialManager::closed, this, [this] {
        if (m_wait.active()) {
            stop();
        }
    });
    connect(m_serial, &SerialManager::bytesWritten, this, &BatchRunner::onBytesWritten);
}

// The texts keep the controller's translation context, where the catalogues
// have them from when the controller ran batches itself.
void BatchRunner::start(const BatchCommand& batch, int row)
{
    if (batch.steps.isEmpty()) {
        return;
    }
    if (!m_serial->isOpen()) {
        m_log->append(LogKind::ERR,
                      QCoreApplication::translate(
                          "AppController", "Port is not open \u2014 click \"Open port\" first.")
                          .toUtf8());
        return;
    }
    const BatchCommand copy = batch; // stopping may log; keep the record safe
    stop();
    m_batch = copy;
    m_stepsSent = 0;
    m_row = row;
    m_log->append(LogKind::SYS, QCoreApplication::translate(
                                    "AppController", "Batch \"%1\" started \u2014 %2 step(s).")
                                    .arg(m_batch.name)
                                    .arg(m_batch.steps.size())
                                    .toUtf8());
    emit stateChanged();

    sendNextStep();
    if (running() && !m_wait.active()) {
        m_timer.start(std::max(0, m_batch.intervalMs));
    }
}

void BatchRunner::stop()
{
    halt(m_stepsSent < m_batch.steps.size() || m_wait.active());
}

void BatchRunner::halt(bool unfinished)
{
    if (!running()) {
        return;
    }
    m_wait.abandon(!m_serial->isOpen());
    if (unfinished) {
        m_log->append(LogKind::SYS,
                      QCoreApplication::translate("AppController", "Batch \"%1\" stopped.")
                          .arg(m_batch.name)
                          .toUtf8());
    }
    m_timer.stop();
    m_awaitingDrain = false;
    m_row = -1;
    m_stepsSent = 0;
    m_batch = BatchCommand{};
    emit stateChanged();
}

void BatchRunner::rowRemoved(int row)
{
    if (row == m_row) {
        stop();
    } else if (running() && row >= 0 && row < m_row) {
        --m_row;
        emit stateChanged();
    }
}

void BatchRunner::sendNextStep()
{
    if (!running() || m_stepsSent >= m_batch.steps.size() || !m_serial->isOpen()) {
        stop();
        return;
    }
    const BatchStep step = m_batch.steps.at(m_stepsSent); // the writer may stop the batch
    m_writeStep(step);
    ++m_stepsSent;
    emit stateChanged();
    if (step.expect != BatchStep::Expect::None && running()) {
        m_timer.stop();
        m_awaitingDrain = false;
        if (!m_wait.start(step, m_stepsSent)) {
            // Logged; a batch whose check cannot run must not pass it.
            halt(true);
        }
        return;
    }
    stepDone();
}

void BatchRunner::stepDone()
{
    if (m_stepsSent < m_batch.steps.size()) {
        return;
    }
    m_log->append(LogKind::SYS,
                  QCoreApplication::translate("AppController", "Batch \"%1\" finished.")
                      .arg(m_batch.name)
                      .toUtf8());
    stop();
}

void BatchRunner::onTick()
{
    if (m_serial->bytesToWrite() > 0) {
        m_timer.stop();
        m_awaitingDrain = true;
        return;
    }
    sendNextStep();
}

void BatchRunner::onBytesWritten()
{
    if (!m_awaitingDrain || m_serial->bytesToWrite() > 0) {
        return;
    }
    m_awaitingDrain = false;
    if (running()) {
        m_timer.start(std::max(0, m_batch.intervalMs));
    }
}

void BatchRunner::onReplyWaitFinished(bool matched)
{
    if (!running()) {
        return;
    }
    if (!matched && !m_batch.steps.at(m_stepsSent - 1).goOnWithoutReply) {
        halt(true);
        return;
    }
    // The interval runs from the reply (or the end of the wait), not from the
    // send: a device that answers slowly gets the same pause before the next
    // request as a quick one.
    if (m_stepsSent < m_batch.steps.size()) {
        m_timer.start(std::max(0, m_batch.intervalMs));
    }
    stepDone();
}
