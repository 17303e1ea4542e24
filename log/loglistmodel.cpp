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

    m_viewRows = new LogViewRows(this);
}

int LogListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_log->entries().size()) - m_unannounced;
}

QVariant LogListModel::data(const QModelIndex& index, int role) const
{
    const auto& entries = m_log->entries();
    if (!index.isValid() || index.parent().isValid() || index.row() < 0 ||
        index.row() >= entries.size()) {
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
    m_lineLengthsValid = false;
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
    m_lineLengthsValid = false;
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
    appendLineText(line, entry);
    return line;
}

QString LogListModel::timeText(const QDateTime& time) const
{
    // Every entry of a batch carries the same time, so one formatted text
    // serves a whole burst of lines.
    const int second = time.time().msecsSinceStartOfDay() / 1000;
    if (second != m_timeCacheSecond) {
        const int h = second / 3600;
        const int m = (second / 60) % 60;
        const int sec = second % 60;
        const char digits[] = {char('0' + h / 10),   char('0' + h % 10),  ':',
                               char('0' + m / 10),   char('0' + m % 10),  ':',
                               char('0' + sec / 10), char('0' + sec % 10)};
        m_timeCacheText = QString::fromLatin1(digits, sizeof digits);
        m_timeCacheSecond = second;
    }
    return m_timeCacheText;
}

qsizetype LogListModel::appendLineText(QString& out, const LogEntry& entry) const
{
    const qsizetype start = out.size();
    if (m_showTimestamp) {
        out += timeText(entry.time);
        out += QLatin1String("  ");
    }
    switch (entry.kind) {
    case LogKind::TX:
        out += QLatin1String("TX   ");
        break;
    case LogKind::RX:
        out += QLatin1String("RX   ");
        break;
    case LogKind::SYS:
        out += QLatin1String("SYS  ");
        break;
    case LogKind::ERR:
        out += QLatin1String("ERR  ");
        break;
    default:
        out += QLatin1String("     ");
        break;
    }
    out += AnsiText::stripToPlain(payloadText(entry));
    return out.size() - start;
}

QString LogListModel::lineTextAt(int row) const
{
    const auto& entries = m_log->entries();
    if (row < 0 || row >= entries.size()) {
        return {};
    }
    return linePlainText(entries.at(row));
}

QString LogListModel::linesText(int first, int last) const
{
    const auto& entries = m_log->entries();
    first = qMax(first, 0);
    last = int(qMin<qsizetype>(last, entries.size() - 1));
    QString text;
    for (int row = first; row <= last; ++row) {
        if (row > first) {
            text += QLatin1Char('\n');
        }
        text += linePlainText(entries.at(row));
    }
    return text;
}

QString LogListModel::fullPlainDump() const
{
    QString doc;
    for (const LogEntry& entry : m_log->entries()) {
        appendLineText(doc, entry);
        doc += QLatin1Char('\n');
    }
    return doc;
}

void LogListModel::rebuildLineLengths() const
{
    const auto& entries = m_log->entries();
    m_lineLengths.clear();
    m_lineLengths.reserve(LogManager::Capacity);
    QString scratch;
    for (const LogEntry& entry : entries) {
        scratch.clear();
        m_lineLengths.append(int(appendLineText(scratch, entry)));
    }
    m_lineLengthsValid = true;
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
    // The lengths of the lines on display are remembered as they are
    // appended, so an eviction does not format its lines a second time.
    if (!m_lineLengthsValid || m_lineLengths.size() != entries.size()) {
        rebuildLineLengths();
    }
    qsizetype docLength = n;
    for (int i = 0; i < n; ++i) {
        docLength += m_lineLengths.at(i);
    }
    m_lineLengths.remove(0, n);
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
    m_unannounced = count;
    beginInsertRows({}, n - count, n - 1);
    m_unannounced = 0;
    endInsertRows();
    emit lineCountChanged();
    const bool trackLengths = m_lineLengthsValid && m_lineLengths.size() == n - count;
    m_lineLengthsValid = trackLengths;
    QString text;
    text.reserve(qsizetype(count) * 64);
    for (int i = n - count; i < n; ++i) {
        const qsizetype length = appendLineText(text, entries.at(i));
        if (trackLengths) {
            m_lineLengths.append(int(length));
        }
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
    m_lineLengthsValid = false;
    beginResetModel();
    endResetModel();
    emit lineCountChanged();
    emit rebuildNeeded();
}

void LogListModel::onCleared()
{
    m_resetTimer.stop();
    m_resetPending = false;
    m_lineLengths.clear();
    m_lineLengthsValid = true;
    beginResetModel();
    endResetModel();
    emit lineCountChanged();
    emit rebuildNeeded();
}

// ---------------------------------------------------------------------------

LogViewRows::LogViewRows(LogListModel* source)
    : QAbstractListModel(source)
    , m_source(source)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &LogViewRows::update);

    connect(source, &QAbstractItemModel::rowsInserted, this, &LogViewRows::onRowsInserted);
    connect(source, &QAbstractItemModel::rowsRemoved, this, &LogViewRows::onRowsRemoved);
    connect(source, &QAbstractItemModel::dataChanged, this, &LogViewRows::onDataChanged);
    connect(source, &QAbstractItemModel::modelReset, this, &LogViewRows::resetFromSource);
    connect(source, &QAbstractItemModel::layoutChanged, this, &LogViewRows::resetFromSource);
    connect(source, &QAbstractItemModel::rowsMoved, this, &LogViewRows::resetFromSource);
    connect(source, &LogListModel::countersChanged, this, &LogViewRows::schedule);

    m_rows = m_sourceRows = source->rowCount();
    m_firstLine = source->totalLineCount() - m_rows;
}

int LogViewRows::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

QVariant LogViewRows::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.parent().isValid() || index.row() >= m_rows) {
        return {};
    }
    const int sourceRow = index.row() - m_evicted;
    if (sourceRow < 0) {
        // Already evicted from the log and about to leave the view as well.
        return roleNames().contains(role) ? QVariant(QString()) : QVariant();
    }
    if (role == LineRole) {
        return m_source->lineTextAt(sourceRow);
    }
    return m_source->data(m_source->index(sourceRow), role);
}

QHash<int, QByteArray> LogViewRows::roleNames() const
{
    QHash<int, QByteArray> names = m_source->roleNames();
    names.insert(LineRole, "line");
    return names;
}

void LogViewRows::setInterval(int ms)
{
    ms = qMax(ms, 0);
    if (ms == m_interval) {
        return;
    }
    m_interval = ms; // a pending update keeps its time
    emit intervalChanged();
}

void LogViewRows::schedule()
{
    if (m_timer.isActive()) {
        return;
    }
    qint64 wait = UpdateIntervalMs;
    if (m_sinceUpdate.isValid()) {
        wait = qMax(wait, m_interval - m_sinceUpdate.elapsed());
    }
    m_timer.start(int(wait));
}

void LogViewRows::update()
{
    m_timer.stop();
    m_sinceUpdate.start();
    const int gone = qMin(m_evicted, m_rows);
    m_firstLine += m_evicted;
    if (gone > 0) {
        beginRemoveRows({}, 0, gone - 1);
        m_rows -= gone;
        m_evicted = 0;
        endRemoveRows();
    }
    m_evicted = 0;
    if (m_sourceRows > m_rows) {
        beginInsertRows({}, m_rows, m_sourceRows - 1);
        m_rows = m_sourceRows;
        endInsertRows();
    }
    emit updated();
}

void LogViewRows::onRowsInserted(const QModelIndex& parent, int first, int last)
{
    if (parent.isValid()) {
        return;
    }
    if (first != m_sourceRows) {
        resetFromSource(); // not an append: no cheap way to follow it
        return;
    }
    m_sourceRows += last - first + 1;
    schedule();
}

void LogViewRows::onRowsRemoved(const QModelIndex& parent, int first, int last)
{
    if (parent.isValid()) {
        return;
    }
    if (first != 0) {
        resetFromSource(); // not an eviction: no cheap way to follow it
        return;
    }
    const int count = last - first + 1;
    m_sourceRows -= count;
    m_evicted += count;
    schedule();
}

void LogViewRows::onDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                const QList<int>& roles)
{
    const int first = qMax(topLeft.row() + m_evicted, 0);
    const int last = qMin(bottomRight.row() + m_evicted, m_rows - 1);
    if (first <= last) {
        // Every other role is part of the line.
        QList<int> changed = roles;
        if (!changed.isEmpty()) {
            changed.append(LineRole);
        }
        emit dataChanged(index(first), index(last), changed);
    }
}

void LogViewRows::resetFromSource()
{
    m_timer.stop();
    m_sinceUpdate.start();
    beginResetModel();
    m_rows = m_sourceRows = m_source->rowCount();
    m_evicted = 0;
    m_firstLine = m_source->totalLineCount() - m_rows;
    endResetModel();
    emit updated();
}
