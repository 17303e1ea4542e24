#include "log/rxframeassembler.h"

#include "util/crc16.h"

#include <utility>

RxFrameAssembler::RxFrameAssembler(LogManager* log, std::function<bool()> inputWaiting)
    : m_log(log)
    , m_inputWaiting(std::move(inputWaiting))
{
    m_pauseTimer.setSingleShot(true);
    // Pauses of a few milliseconds: a coarse timer may fire 5 % late or early.
    m_pauseTimer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_pauseTimer, &QTimer::timeout, [this] { onPauseTimeout(); });
}

void RxFrameAssembler::setPauseMs(int ms)
{
    m_pauseMs = qBound(MinPauseMs, ms, MaxPauseMs);
}

FrameCheck RxFrameAssembler::check(const QByteArray& frame)
{
    if (frame.size() < MinCheckedBytes) {
        return FrameCheck::Invalid;
    }
    const QByteArray body = frame.chopped(2);
    return Crc16::modbusBytes(body) == frame.right(2) ? FrameCheck::Valid : FrameCheck::Invalid;
}

void RxFrameAssembler::feed(const QByteArray& data)
{
    if (data.isEmpty()) {
        return;
    }
    if (m_pending.isEmpty()) {
        m_firstByteTime = m_log->currentTime();
    }
    m_pending.append(data);
    // A sender that never pauses gets frames of exactly the bound; the rest
    // begins the next frame, stamped with this arrival.
    while (m_pending.size() >= MaxFrameBytes) {
        logFrame(m_pending.left(MaxFrameBytes));
        m_pending.remove(0, MaxFrameBytes);
        m_firstByteTime = m_log->currentTime();
    }
    if (m_pending.isEmpty()) {
        m_pauseTimer.stop();
        return;
    }
    // As in the line assembler, the timer is not re-armed for every chunk:
    // it waits out the rest of the pause when it fires.
    m_sinceChunk.start();
    if (!m_pauseTimer.isActive()) {
        m_pauseTimer.start(m_pauseMs);
    }
}

void RxFrameAssembler::onPauseTimeout()
{
    const qint64 quiet = m_sinceChunk.isValid() ? m_sinceChunk.elapsed() : m_pauseMs;
    if (quiet < m_pauseMs) {
        m_pauseTimer.start(int(m_pauseMs - quiet));
        return;
    }
    // Bytes that wait unread came during what looked like the pause.
    if (m_inputWaiting && m_inputWaiting()) {
        m_pauseTimer.start(m_pauseMs);
        return;
    }
    flush();
}

void RxFrameAssembler::flush()
{
    m_pauseTimer.stop();
    if (m_pending.isEmpty()) {
        return;
    }
    QByteArray frame;
    frame.swap(m_pending);
    logFrame(frame);
}

void RxFrameAssembler::logFrame(const QByteArray& frame)
{
    m_log->appendFrame(frame, m_firstByteTime, m_crcCheck ? check(frame) : FrameCheck::None);
}
