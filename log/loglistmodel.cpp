#include "log/loglistmodel.h"

#include "log/ansitext.h"

namespace {

QString dirText(LogKind kind)
{
    switch (kind) {
    case LogKind::TX:
    case LogKind::RX:
    case LogKind::SYS:
    case LogKind::ERR:
        return LogManager::dirTag(kind);
    }
    return {};
}

QString hexText(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

} // namespace

LogListModel::LogListModel(LogManager* log, QObject* parent)
    : QAbstractListModel(parent)
    , m_log(log)
{
    m_resetTimer.setSingleShot(true);
    m_resetTimer.setInterval(BulkDebounceMs);
    connect(&m_resetTimer, &QTimer::timeout, this, &LogListModel::onResetTimer);

    connect(m_log, &LogManager::entriesAboutToBeEvicted, this, &LogListModel::onAboutToBeEvicted);
    connect(m_log, &LogManager::entriesEvicted, this, &LogListModel::onEvicted);
    connect(m_log, &LogManager::entriesAppended, this, &LogListModel::onAppended);
    connect(m_log, &LogManager::bulkChanged, this, &LogListModel::onBulkChanged);
    connect(m_log, &LogManager::cleared, this, &LogListModel::onCleared);
    connect(m_log, &LogManager::countersChanged, this, &LogListModel::countersChanged);
}

int LogListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_log->entries().size());
}

QVariant LogListModel::data(const QModelIndex& index, int role) const
{
    const auto& entries = m_log->entries();
    if (!index.isValid() || index.parent().isValid() || index.row() < 0
        || index.row() >= entries.size()) {
        return {};
    }
    const LogEntry& entry = entries.at(index.row());
    switch (role) {
    case TimeRole:
        return m_showTimestamp ? entry.time.toString(QStringLiteral("HH:mm:ss")) : QString();
    case DirRole:
        return dirText(entry.kind);
    case TextRole:
        return payloadText(entry);
    default:
        return {};
    }
}

QHash<int, QByteArray> LogListModel::roleNames() const
{
    return {{TimeRole, "time"}, {DirRole, "dir"}, {TextRole, "text"}};
}

void LogListModel::setHexMode(bool on)
{
    if (on == m_hexMode) {
        return;
    }
    m_hexMode = on;
    emit hexModeChanged();
    const int n = rowCount();
    if (n > 0) {
        emit dataChanged(index(0), index(n - 1), {TextRole});
    }
    emit rebuildNeeded();
}

void LogListModel::setShowTimestamp(bool on)
{
    if (on == m_showTimestamp) {
        return;
    }
    m_showTimestamp = on;
    emit showTimestampChanged();
    const int n = rowCount();
    if (n > 0) {
        emit dataChanged(index(0), index(n - 1), {TimeRole});
    }
    emit rebuildNeeded();
}

int LogListModel::lineCount() const
{
    return int(m_log->entries().size());
}

qint64 LogListModel::totalLineCount() const
{
    return m_log->totalLineCount();
}

qint64 LogListModel::rxBytes() const
{
    return m_log->rxBytes();
}

qint64 LogListModel::txBytes() const
{
    return m_log->txBytes();
}

void LogListModel::clear()
{
    m_log->clear();
}

QString LogListModel::payloadText(const LogEntry& entry) const
{
    if (m_hexMode && entry.kind == LogKind::RX) {
        return hexText(entry.data);
    }
    return QString::fromUtf8(entry.data);
}

QString LogListModel::linePlainText(const LogEntry& entry) const
{
    QString line;
    if (m_showTimestamp) {
        line += entry.time.toString(QStringLiteral("HH:mm:ss"));
        line += QLatin1String("  ");
    }
    line += dirText(entry.kind).leftJustified(3, QLatin1Char(' '));
    line += QLatin1String("  ");
    line += AnsiText::stripToPlain(payloadText(entry));
    return line;
}

QString LogListModel::fullPlainDump() const
{
    QString doc;
    for (const LogEntry& entry : m_log->entries()) {
        doc += linePlainText(entry);
        doc += QLatin1Char('\n');
    }
    return doc;
}

void LogListModel::onAboutToBeEvicted(int count)
{
    if (m_resetPending) {
        return;
    }
    const auto& entries = m_log->entries();
    const int n = int(qMin<qsizetype>(count, entries.size()));
    if (n <= 0) {
        return;
    }
    beginRemoveRows({}, 0, n - 1);
    qsizetype docLength = 0;
    for (int i = 0; i < n; ++i) {
        docLength += linePlainText(entries.at(i)).size() + 1;
    }
    m_removing = true;
    emit lineEvicted(int(docLength));
}

void LogListModel::onEvicted()
{
    if (m_resetPending || !m_removing) {
        return;
    }
    m_removing = false;
    endRemoveRows();
}

void LogListModel::onAppended(int count)
{
    if (m_resetPending || count <= 0) {
        return;
    }
    const auto& entries = m_log->entries();
    const int n = int(entries.size());
    beginInsertRows({}, n - count, n - 1);
    endInsertRows();
    emit lineCountChanged();
    QString text;
    for (int i = n - count; i < n; ++i) {
        text += linePlainText(entries.at(i));
        text += QLatin1Char('\n');
    }
    emit lineAppended(text);
}

void LogListModel::onBulkChanged()
{
    m_resetPending = true;
    m_resetTimer.start();
}

void LogListModel::onResetTimer()
{
    m_resetPending = false;
    beginResetModel();
    endResetModel();
    emit lineCountChanged();
    emit rebuildNeeded();
}

void LogListModel::onCleared()
{
    m_resetTimer.stop();
    m_resetPending = false;
    beginResetModel();
    endResetModel();
    emit lineCountChanged();
    emit rebuildNeeded();
}
