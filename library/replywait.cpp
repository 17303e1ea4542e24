#include "library/replywait.h"

#include "log/logmanager.h"

ReplyWait::ReplyWait(LogManager* log, QObject* parent)
    : QObject(parent)
    , m_log(log)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &ReplyWait::onTimeout);
    connect(
        m_log, &LogManager::linesReceived, this,
        [this](const QDateTime&, const QList<QByteArray>& lines, const QList<LineEnd>& lineEnds) {
            if (!active()) {
                return;
            }
            // The stream as it came in: each entry with the line end the
            // receive path cut off it.
            QByteArray arrived;
            for (qsizetype i = 0; i < lines.size(); ++i) {
                arrived += lines.at(i);
                arrived += LogEntry::lineEndBytes(lineEnds.value(i, LineEnd::None));
            }
            if (m_pattern->feed(arrived)) {
                end(true);
            }
        });
}

ReplyWait::~ReplyWait() = default;

QString ReplyWait::problem(const BatchStep& step)
{
    return ReplyPattern(step.expect, step.expectPattern).errorText();
}

bool ReplyWait::start(const BatchStep& step, int number)
{
    abandon(false);
    auto pattern = std::make_unique<ReplyPattern>(step.expect, step.expectPattern);
    if (!pattern->isValid()) {
        m_log->append(LogKind::ERR, tr("Step %1: the reply pattern cannot be used: %2")
                                        .arg(number)
                                        .arg(pattern->errorText())
                                        .toUtf8());
        return false;
    }
    m_pattern = std::move(pattern);
    m_number = number;
    m_timeoutMs = BatchStep::boundedReplyTimeout(step.replyTimeoutMs);
    m_goOn = step.goOnWithoutReply;
    m_log->append(LogKind::SYS, tr("Step %1: waiting up to %2 ms for a reply matching %3.")
                                    .arg(QString::number(number), QString::number(m_timeoutMs),
                                         m_pattern->description())
                                    .toUtf8());
    m_elapsed.start();
    m_timer.start(m_timeoutMs);
    return true;
}

void ReplyWait::abandon(bool portClosed)
{
    if (!active()) {
        return;
    }
    m_timer.stop();
    m_pattern.reset();
    if (portClosed) {
        m_log->append(
            LogKind::ERR,
            tr("Step %1: the port closed while waiting for the reply.").arg(m_number).toUtf8());
    }
}

void ReplyWait::onTimeout()
{
    if (active()) {
        end(false);
    }
}

void ReplyWait::end(bool matched)
{
    m_timer.stop();
    const QString what = m_pattern->description();
    m_pattern.reset();
    if (matched) {
        m_log->append(LogKind::SYS, tr("Step %1: a reply matching %2 came after %3 ms.")
                                        .arg(QString::number(m_number), what,
                                             QString::number(m_elapsed.elapsed()))
                                        .toUtf8());
    } else if (m_goOn) {
        m_log->append(LogKind::SYS,
                      tr("Step %1: no reply matching %2 within %3 ms; going on.")
                          .arg(QString::number(m_number), what, QString::number(m_timeoutMs))
                          .toUtf8());
    } else {
        m_log->append(LogKind::ERR,
                      tr("Step %1: no reply matching %2 within %3 ms.")
                          .arg(QString::number(m_number), what, QString::number(m_timeoutMs))
                          .toUtf8());
    }
    emit finished(matched);
}
