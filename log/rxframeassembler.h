#pragma once

#include "log/logmanager.h"

#include <QByteArray>
#include <QDateTime>
#include <QElapsedTimer>
#include <QTimer>

#include <functional>

/// Cuts the received byte stream into frames for protocols that mark the end
/// of a message by silence rather than by a line feed (Modbus RTU and kin):
/// a frame ends once no byte came for the pause, or at MaxFrameBytes. Line
/// feeds and carriage returns are data like any other byte. Each frame is one
/// RX entry, stamped with the arrival of its first byte; with the CRC check
/// on it is marked by whether it ends in the CRC-16/MODBUS of the rest.
///
/// The pause is measured between arrivals as the program sees them (each
/// read of the port), so bytes the system delivered in one read count as one
/// burst, and a pause is over only once no input waits unread.
class RxFrameAssembler
{
public:
    /// @p inputWaiting as for RxLineAssembler: whether received bytes still
    /// wait unread in the port's buffer.
    explicit RxFrameAssembler(LogManager* log, std::function<bool()> inputWaiting = {});

    RxFrameAssembler(const RxFrameAssembler&) = delete;
    RxFrameAssembler& operator=(const RxFrameAssembler&) = delete;

    /// Adds @p data to the frame being received; logs every full-size frame.
    void feed(const QByteArray& data);
    /// Logs the frame being received now (the session ended, or the pause passed).
    void flush();
    qsizetype pendingSize() const { return m_pending.size(); }

    int pauseMs() const { return m_pauseMs; }
    /// Takes @p ms bounded to MinPauseMs..MaxPauseMs.
    void setPauseMs(int ms);
    bool crcCheck() const { return m_crcCheck; }
    void setCrcCheck(bool on) { m_crcCheck = on; }

    /// Whether @p frame ends in the CRC-16/MODBUS (low byte first) of the
    /// bytes before it. A frame shorter than MinCheckedBytes cannot hold a
    /// byte and a CRC and is invalid.
    static FrameCheck check(const QByteArray& frame);

    /// Cut-off for a frame that never pauses.
    static constexpr int MaxFrameBytes = 8192;
    static constexpr int MinPauseMs = 1;
    static constexpr int MaxPauseMs = 1000;
    static constexpr int DefaultPauseMs = 20;
    static constexpr int MinCheckedBytes = 3;

private:
    void onPauseTimeout();
    void logFrame(const QByteArray& frame);

    LogManager* m_log;
    std::function<bool()> m_inputWaiting;
    QByteArray m_pending;
    QDateTime m_firstByteTime;
    QTimer m_pauseTimer;
    QElapsedTimer m_sinceChunk;
    int m_pauseMs = DefaultPauseMs;
    bool m_crcCheck = false;
};
