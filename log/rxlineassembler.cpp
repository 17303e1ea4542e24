#include "log/rxlineassembler.h"

#include "log/logmanager.h"

#include <cstring>
#include <utility>

RxLineAssembler::RxLineAssembler(LogManager* log, std::function<bool()> inputWaiting)
    : m_log(log)
    , m_inputWaiting(std::move(inputWaiting))
{
    m_pauseTimer.setSingleShot(true);
    QObject::connect(&m_pauseTimer, &QTimer::timeout, [this] { onPauseTimeout(); });
}

void RxLineAssembler::feed(const QByteArray& data)
{
    m_pending.append(data);

    QList<QByteArray> lines;
    QList<LineEnd> lineEnds;
    const char* begin = m_pending.constData();
    const qsizetype size = m_pending.size();
    qsizetype start = 0;
    while (start < size) {
        const void* hit = memchr(begin + start, '\n', size_t(size - start));
        if (!hit) {
            break;
        }
        const qsizetype lf = static_cast<const char*>(hit) - begin;
        qsizetype end = lf;
        LineEnd lineEnd = LineEnd::Lf;
        if (end > start && begin[end - 1] == '\r') {
            --end;
            lineEnd = LineEnd::CrLf;
        }
        lines.append(QByteArray(begin + start, end - start));
        lineEnds.append(lineEnd);
        start = lf + 1;
    }

    if (!lines.isEmpty()) {
        m_log->appendBatch(LogKind::RX, lines, lineEnds);
    }
    if (start > 0) {
        m_pending.remove(0, start);
    }

    if (m_pending.size() >= MaxLineBytes) {
        flush();
    } else if (!m_pending.isEmpty()) {
        // Re-arming the timer for every chunk cost a tenth of the receive
        // path: it runs on, and waits out the rest of the pause when it fires.
        m_sinceChunk.start();
        if (!m_pauseTimer.isActive()) {
            m_pauseTimer.start(PauseMs);
        }
    } else {
        m_pauseTimer.stop();
    }
}

void RxLineAssembler::onPauseTimeout()
{
    const qint64 quiet = m_sinceChunk.isValid() ? m_sinceChunk.elapsed() : PauseMs;
    if (quiet < PauseMs) {
        m_pauseTimer.start(int(PauseMs - quiet));
        return;
    }
    // After the window was busy for longer than the pause, the rest of the
    // line may be waiting unread: the pause is only over once it is read.
    if (m_inputWaiting && m_inputWaiting()) {
        m_pauseTimer.start(PauseMs);
        return;
    }
    flush();
}

void RxLineAssembler::flush()
{
    m_pauseTimer.stop();
    if (m_pending.isEmpty()) {
        return;
    }
    QByteArray line;
    line.swap(m_pending);
    // One trailing carriage return is the line end the pause cut off.
    LineEnd lineEnd = LineEnd::None;
    if (line.back() == '\r') {
        line.chop(1);
        lineEnd = LineEnd::Cr;
    }
    m_log->append(LogKind::RX, line, lineEnd);
}
