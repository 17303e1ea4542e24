#include "log/rxreceiver.h"

RxReceiver::RxReceiver(LogManager* log, std::function<bool()> inputWaiting)
    : m_lines(log, inputWaiting)
    , m_frames(log, inputWaiting)
{}

void RxReceiver::feed(const QByteArray& data)
{
    if (m_framesBySilence) {
        m_frames.feed(data);
    } else {
        m_lines.feed(data);
    }
}

void RxReceiver::flush()
{
    m_lines.flush();
    m_frames.flush();
}

qsizetype RxReceiver::pendingSize() const
{
    return m_lines.pendingSize() + m_frames.pendingSize();
}

void RxReceiver::setFramesBySilence(bool on)
{
    if (on == m_framesBySilence) {
        return;
    }
    flush();
    m_framesBySilence = on;
}
