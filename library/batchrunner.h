#pragma once

#include "library/replywait.h"
#include "settings/records.h"

#include <QObject>
#include <QTimer>

#include <functional>

class LogManager;
class SerialManager;

/// Runs one batch at a time: its steps go out one after another, the first
/// at once and then one per interval. A tick that finds earlier bytes still
/// waiting to go out sends nothing; the runner rests until the port reports
/// them gone, so a short interval never queues steps faster than the line
/// drains them. A step that waits for a reply holds the batch until the reply
/// matches (the next step follows an interval later) or its time runs out
/// (the batch stops, or goes on if the step says so). Composing and echoing
/// a step is the writer's business; the runner logs when a batch starts,
/// stops early and finishes.
class BatchRunner : public QObject
{
    Q_OBJECT

public:
    using StepWriter = std::function<void(const BatchStep&)>;

    BatchRunner(SerialManager* serial, LogManager* log, StepWriter writeStep,
                QObject* parent = nullptr);

    bool running() const { return m_row >= 0; }
    /// The row of the batch list the running batch was started from; -1 for none.
    int row() const { return m_row; }
    /// The running batch; an empty record while none runs.
    const BatchCommand& batch() const { return m_batch; }
    /// How many of the running batch's steps went out.
    int stepsSent() const { return m_stepsSent; }
    /// Whether the last step sent waits for its reply.
    bool waitingForReply() const { return m_wait.active(); }

    /// Stops what runs and starts @p batch, listed at @p row. A batch
    /// without steps does nothing; with the port closed, the refusal is logged.
    void start(const BatchCommand& batch, int row);
    /// Stops the running batch; "stopped" is logged unless it had finished.
    void stop();
    /// Row @p row of the batch list is going: the running batch stops if it
    /// is that one, and keeps pointing at its own row if that moves up.
    void rowRemoved(int row);
    /// Sends the next step now, without waiting for the interval; the last
    /// one finishes the batch.
    void sendNextStep();

signals:
    /// Started, stopped, or a step went out.
    void stateChanged();

private:
    void onTick();
    void onBytesWritten();
    void onReplyWaitFinished(bool matched);
    /// Ends the run; @p unfinished logs that the batch stopped.
    void halt(bool unfinished);
    /// After a step is done: the next one an interval later, or the end.
    void stepDone();

    SerialManager* m_serial;
    LogManager* m_log;
    StepWriter m_writeStep;
    QTimer m_timer;
    ReplyWait m_wait;
    BatchCommand m_batch;
    int m_stepsSent = 0;
    int m_row = -1;
    bool m_awaitingDrain = false;
};
