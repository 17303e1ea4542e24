#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QTimer>

#include <functional>

class LogManager;

/// Cuts the received byte stream into RX lines of the log: at each line feed
/// (a carriage return before it goes with the line end), after a pause in
/// which no byte came, and at MaxLineBytes when a sender never ends its line.
/// Every byte that comes in ends up in an entry or in the line end it lost.
class RxLineAssembler
{
public:
    /// @p inputWaiting tells whether received bytes still wait unread (the
    /// port's buffer): a pause is only over once they are read. Empty means
    /// nothing ever waits.
    explicit RxLineAssembler(LogManager* log, std::function<bool()> inputWaiting = {});

    RxLineAssembler(const RxLineAssembler&) = delete;
    RxLineAssembler& operator=(const RxLineAssembler&) = delete;

    /// Logs the complete lines in @p data and keeps the rest for later.
    void feed(const QByteArray& data);
    /// Logs the partial line now (the session ended, or the pause passed).
    void flush();
    /// Bytes of the partial line that wait for their line end.
    qsizetype pendingSize() const { return m_pending.size(); }

    /// Cut-off for a received line without a line feed.
    static constexpr int MaxLineBytes = 8192;
    /// Silence after which a partial received line is logged.
    static constexpr int PauseMs = 80;

private:
    void onPauseTimeout();

    LogManager* m_log;
    std::function<bool()> m_inputWaiting;
    QByteArray m_pending;
    QTimer m_pauseTimer;
    // Since the last chunk that left a partial line in m_pending.
    QElapsedTimer m_sinceChunk;
};
