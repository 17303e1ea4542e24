#pragma once

#include "library/replypattern.h"
#include "settings/records.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <memory>

class LogManager;

/// A batch step's wait for its reply: reads the received entries as the log
/// takes them in (so the log shows a reply before the line that says it
/// matched), until one matches the step's pattern or its time runs out, and
/// logs what it waits for and how that ended.
class ReplyWait : public QObject
{
    Q_OBJECT

public:
    explicit ReplyWait(LogManager* log, QObject* parent = nullptr);
    ~ReplyWait() override;

    /// Why the reply @p step waits for cannot be waited for; empty when it
    /// can, or when the step waits for none.
    static QString problem(const BatchStep& step);

    /// Waits for the reply to @p step, the batch's step number @p number
    /// (counted from 1), from now on; logs what it waits for. A pattern that
    /// cannot be used is logged as an error and nothing waits (false).
    bool start(const BatchStep& step, int number);
    bool active() const { return m_pattern != nullptr; }
    /// Ends the wait without a verdict; @p portClosed logs that the port
    /// closed while it waited.
    void abandon(bool portClosed);

signals:
    /// The wait is over, logged: a reply matched, or the time ran out.
    void finished(bool matched);

private:
    void onTimeout();
    void end(bool matched);

    LogManager* m_log;
    std::unique_ptr<ReplyPattern> m_pattern;
    QTimer m_timer;
    QElapsedTimer m_elapsed;
    int m_number = 0;
    int m_timeoutMs = 0;
    bool m_goOn = false;
};
