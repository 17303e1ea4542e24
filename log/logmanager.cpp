#include "log/logmanager.h"

LogManager::LogManager(QObject* parent)
    : QObject(parent)
{
    m_entries.reserve(Capacity);
}

LogManager::~LogManager() = default;

void LogManager::append(LogKind kind, const QByteArray& bytes)
{
    appendBatch(kind, QList<QByteArray>{bytes});
}

void LogManager::appendBatch(LogKind kind, const QList<QByteArray>& items)
{
    const qsizetype n = items.size();
    if (n == 0) {
        return;
    }

    const QDateTime now = QDateTime::currentDateTime();

    qint64 byteCount = 0;
    for (const QByteArray& item : items) {
        byteCount += item.size();
    }
    if (kind == LogKind::TX) {
        m_txBytes += byteCount;
    } else if (kind == LogKind::RX) {
        m_rxBytes += byteCount;
    }
    m_totalLineCount += n;

    const qsizetype dropped = n > Capacity ? n - Capacity : 0;
    const qsizetype kept = n - dropped;
    const qsizetype before = m_entries.size();
    const qsizetype overflow = before + kept - Capacity;
    const qsizetype evict = overflow > 0 ? qMin(overflow, before) : 0;
    const bool bulk = evict + kept > BulkThreshold;

    if (evict > 0) {
        if (!bulk) {
            emit entriesAboutToBeEvicted(int(evict));
        }
        m_entries.remove(0, evict);
        if (!bulk) {
            emit entriesEvicted();
        }
    }

    for (qsizetype i = dropped; i < n; ++i) {
        m_entries.append(LogEntry{now, kind, items.at(i)});
    }

    if (bulk) {
        emit bulkChanged();
    } else {
        emit entriesAppended(int(kept));
    }
    emit countersChanged(m_rxBytes, m_txBytes);
}

void LogManager::clear()
{
    m_entries.clear();
    m_rxBytes = 0;
    m_txBytes = 0;
    m_totalLineCount = 0;
    emit cleared();
    emit countersChanged(0, 0);
}

QString LogManager::dirTag(LogKind kind)
{
    switch (kind) {
    case LogKind::TX:
        return QStringLiteral("TX");
    case LogKind::RX:
        return QStringLiteral("RX");
    case LogKind::SYS:
        return QStringLiteral("SYS");
    case LogKind::ERR:
        return QStringLiteral("ERR");
    }
    return QStringLiteral("?");
}
