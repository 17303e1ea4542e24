#include "log/logmanager.h"

LogManager::LogManager(QObject* parent)
    : QObject(parent)
{
    m_entries.reserve(Capacity);
}

LogManager::~LogManager() = default;

QByteArray LogEntry::lineEndBytes(LineEnd end)
{
    switch (end) {
    case LineEnd::None:
        break;
    case LineEnd::Lf:
        return QByteArrayLiteral("\n");
    case LineEnd::CrLf:
        return QByteArrayLiteral("\r\n");
    case LineEnd::Cr:
        return QByteArrayLiteral("\r");
    }
    return {};
}

QString LogEntry::hexText() const
{
    const QByteArray bytes = lineEnd == LineEnd::None ? data : data + lineEndBytes(lineEnd);
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

void LogManager::append(LogKind kind, const QByteArray& bytes, LineEnd lineEnd)
{
    appendBatch(kind, QList<QByteArray>{bytes}, QList<LineEnd>{lineEnd});
}

void LogManager::appendBatch(LogKind kind, const QList<QByteArray>& items,
                             const QList<LineEnd>& lineEnds)
{
    Q_ASSERT(lineEnds.isEmpty() || lineEnds.size() == items.size());
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

    const bool withEnds = lineEnds.size() == n;
    for (qsizetype i = dropped; i < n; ++i) {
        m_entries.append(
            LogEntry{now, kind, items.at(i), withEnds ? lineEnds.at(i) : LineEnd::None});
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
