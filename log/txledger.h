#pragma once

#include <QtGlobal>

#include <deque>

/// What the Tx counter counted for each payload that still waits in the port, so that bytes the
/// port throws away at close come off the counter in its own units: a TX line counts its text,
/// which differs from the bytes on the line by the line end, the CRC or the hex spelling (and
/// counts nothing with the echo off).
class TxLedger
{
public:
    /// A payload of @p payloadBytes went to the port; the counter counted @p countedBytes for it.
    void queued(qint64 payloadBytes, qint64 countedBytes);
    /// The port took @p payloadBytes from the front of what waits.
    void written(qint64 payloadBytes);
    /// The last @p payloadBytes of what waits were thrown away: what the counter counted for
    /// them (for a payload thrown away in part, its share). Forgets everything.
    qint64 discarded(qint64 payloadBytes);
    void clear() { m_entries.clear(); }

private:
    struct Entry
    {
        qint64 payload = 0;
        qint64 counted = 0;
        qint64 waiting = 0;
    };
    std::deque<Entry> m_entries;
};
