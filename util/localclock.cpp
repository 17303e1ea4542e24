#include "util/localclock.h"

#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
#include <QTimeZone>
#endif

namespace {

qint64 floorDiv(qint64 value, qint64 divisor)
{
    return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor);
}

} // namespace

QDateTime LocalClock::now()
{
    return localTime(QDateTime::currentMSecsSinceEpoch());
}

QDateTime LocalClock::localTime(qint64 msecsSinceEpoch)
{
    // Offsets change on whole seconds, so one offset serves a whole second.
    const qint64 second = floorDiv(msecsSinceEpoch, 1000);
    if (!m_valid || second != m_second) {
        m_offsetSeconds = QDateTime::fromMSecsSinceEpoch(second * 1000).offsetFromUtc();
        m_second = second;
        m_valid = true;
    }
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    return QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch,
                                          QTimeZone::fromSecondsAheadOfUtc(m_offsetSeconds));
#else
    return QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch, Qt::OffsetFromUTC, m_offsetSeconds);
#endif
}
