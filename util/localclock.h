#pragma once

#include <QDateTime>

/// The local date and time as QDateTime::currentDateTime() gives them, for
/// callers that take the time many times a second. Working out the local
/// offset re-reads the time zone on each call; this clock does that once per
/// second of UTC and otherwise applies the offset it found. The times it
/// returns carry their offset from UTC and show the same date, time and
/// offset as the local times of those instants.
class LocalClock
{
public:
    /// Now, in local time.
    QDateTime now();
    /// The local time of an instant, in milliseconds since 1970-01-01 UTC.
    QDateTime localTime(qint64 msecsSinceEpoch);

private:
    // The UTC second the offset was worked out for.
    qint64 m_second = 0;
    bool m_valid = false;
    int m_offsetSeconds = 0;
};
